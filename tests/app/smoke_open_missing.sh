#!/usr/bin/env bash
# Starts the real program with a pattern file that does not exist, as the
# desktop would on a double-click: the standard error box says so over the
# opened window, and once it is closed the program still ends through Exit.
set -euo pipefail
source "$(dirname "$0")/smoke_common.sh"

error_caption='Kerfhaven Fretcard Printer'

cd "$work"
start_program "$1" missing.frcd
window=$(wait_for_window "$main_caption") || fail "no window captioned '$main_caption'"
box=$(wait_for_window "$error_caption") || fail "no error box captioned '$error_caption'"
# The box's text is read from the accessible label only through Qt; its
# presence over the window with the program's title is what shows here.
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$error_caption\$" >/dev/null || break
    sleep 0.2
done
xdotool search --onlyvisible --name "^$error_caption\$" >/dev/null && fail "the error box did not close"
exit_through_button "$window"
echo "smoke: a missing pattern file showed the error box; Exit closed the program"
