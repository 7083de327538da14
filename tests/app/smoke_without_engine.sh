#!/usr/bin/env bash
# Starts a copy of the real program from a folder that holds no print engine
# library: the start-up message must appear once, and after it is answered
# the main window must open all the same and close with Exit.
set -euo pipefail
source "$(dirname "$0")/smoke_common.sh"

cp "$1" "$work/fretcard"
start_program "$work/fretcard"

message=$(wait_for_window 'Print Engine') || fail "no 'Print Engine' message box"
xdotool windowfocus --sync "$message" key Return

main=$(wait_for_window "$main_caption") || fail "the main window did not open after the message"
if xdotool search --onlyvisible --name '^Print Engine$' >/dev/null; then
    fail "the message is shown more than once"
fi

exit_through_button "$main"
echo "smoke: without the engine library the message showed once and the window opened"
