#!/usr/bin/env bash
# Starts the real program $1, clicks its Font Viewer button and waits for the
# font viewer's window: the viewer lies beside the program in a build, and in
# the private folder lib/fretcard when installed. With a second argument,
# the viewer must be that program. The viewer is then ended and the program
# closed through Exit.
set -euo pipefail
source "$(dirname "$0")/smoke_common.sh"

start_program "$1"
window=$(wait_for_window "$main_caption") || fail "no window captioned '$main_caption'"
click_button "$window" 0 2
viewer=$(wait_for_window "Font Viewer") || fail "the Font Viewer button opened no font viewer"
viewer_pid=$(xdotool getwindowpid "$viewer")
viewer_program=$(readlink -f "/proc/$viewer_pid/exe")
kill "$viewer_pid"
if [ $# -ge 2 ] && [ "$viewer_program" != "$(readlink -f "$2")" ]; then
    fail "the Font Viewer button started $viewer_program, expected $2"
fi
exit_through_button "$window"
echo "smoke: the Font Viewer button started $viewer_program"
