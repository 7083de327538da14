#!/usr/bin/env bash
# Starts the real program $1 and clicks Print, which first writes the
# snapshot xyz.bmp: it must appear in folder $2 and never beside the
# program. The program is ended without printing.
set -euo pipefail
source "$(dirname "$0")/smoke_common.sh"

snapshot="$2/xyz.bmp"
beside="$(dirname "$(readlink -f "$1")")/xyz.bmp"
rm -f "$snapshot"
[ ! -e "$beside" ] || fail "$beside is there before the program ran"
start_program "$1"
window=$(wait_for_window "$main_caption") || fail "no window captioned '$main_caption'"
click_button "$window" 2 0
for _ in $(seq 100); do
    [ -s "$snapshot" ] && break
    sleep 0.2
done
[ -s "$snapshot" ] || fail "Print wrote no snapshot $snapshot"
[ ! -e "$beside" ] || fail "Print wrote a snapshot beside the program: $beside"
echo "smoke: the snapshot went to $snapshot"
