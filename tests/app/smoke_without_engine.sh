#!/usr/bin/env bash
# Starts a copy of the real program from a folder that holds no print engine
# library: the start-up message must appear once, and after it is answered
# the main window must open all the same and close with Exit.
set -euo pipefail

source_program=$1
work=$(mktemp -d)
cp "$source_program" "$work/fretcard"
export QT_QPA_PLATFORM=xcb

"$work/fretcard" &
pid=$!
cleanup() {
    kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "smoke: $*" >&2
    exit 1
}

message=$(timeout 30 xdotool search --sync --onlyvisible --name '^Print Engine$' | head -n 1) ||
    fail "no 'Print Engine' message box"
xdotool windowfocus --sync "$message" key Return

main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Kerfhaven Fretcard Printer V1.7$' | head -n 1) ||
    fail "the main window did not open after the message"
if xdotool search --onlyvisible --name '^Print Engine$' >/dev/null; then
    fail "the message is shown more than once"
fi

eval "$(xdotool getwindowgeometry --shell "$main")"
top=$((HEIGHT - 623))
# Exit: button 3,3 of the command panel at (536, 400) in the client area.
xdotool mousemove --window "$main" $((536 + 238 + 37)) $((top + 400 + 136 + 12)) click 1
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after Exit"
wait "$pid" || fail "the program ended with status $?"
trap 'rm -rf "$work"' EXIT
echo "smoke: without the engine library the message showed once and the window opened"
