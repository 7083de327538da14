#!/usr/bin/env bash
# Starts the real program on the X server that xvfb-run provides, finds its
# window by caption, checks the client area and the window's X11 class (the
# desktop entry's StartupWMClass, which docks match windows to their menu
# entry by), and closes the program with its own Exit button.
#
# The X window holds the menu bar above the 1008 x 623 client area, so the
# window must be 1008 wide, and the client area is found from the pixels: the
# grey window surface begins exactly 623 rows above the window's bottom edge,
# right below the menu bar.
set -euo pipefail
source "$(dirname "$0")/smoke_common.sh"

client_width=1008
grey='srgb(128,128,128)'

desktop_entry="$(dirname "$0")/../../packaging/com.kerfhaven.fretcard.desktop"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")

start_program "$1"
window=$(wait_for_window "$main_caption") || fail "no window captioned '$main_caption'"
window_class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
[ -n "$wm_class" ] && [ "$window_class" = "$wm_class" ] ||
    fail "the window's class is '$window_class', the desktop entry's StartupWMClass '$wm_class'"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq "$client_width" ] || fail "window is $WIDTH wide, expected $client_width"
[ "$HEIGHT" -gt "$client_height" ] || fail "window is only $HEIGHT high"
top=$((HEIGHT - client_height))

pixel() { convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info:; }
for _ in $(seq 50); do
    import -window "$window" "$work/shot.png"
    [ "$(pixel 1 "$top")" = "$grey" ] && break
    sleep 0.2
done
[ "$(pixel 1 "$top")" = "$grey" ] || fail "no grey surface at the top of the client area (row $top)"
[ "$(pixel 1006 $((HEIGHT - 2)))" = "$grey" ] || fail "no grey surface at the bottom right"
[ "$(pixel 1 $((top - 1)))" != "$grey" ] || fail "client area starts above row $top: it is taller than $client_height"

exit_through_button "$window"
echo "smoke: window $WIDTH x $HEIGHT of class '$window_class', client $client_width x $client_height below a $top px menu; Exit closed it"
