# Shared steps of the smoke tests: start the program on the X server that
# xvfb-run provides, find windows by caption, leave through Exit.
# Sourced by the smoke scripts; they set `program` first.

export QT_QPA_PLATFORM=xcb
main_caption='Kerfhaven Fretcard Printer V1.7'
client_height=623
work=$(mktemp -d)

fail() {
    echo "smoke: $*" >&2
    exit 1
}

# Starts the program $1 with the arguments that follow it.
start_program() {
    "$@" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
}

# Prints the id of the first visible window whose caption is exactly $1.
wait_for_window() {
    timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# Clicks the button in column $2, row $3 (from 0) of the command panel at
# (536, 400) in the client area of window $1.
click_button() {
    local window=$1 columns=(75 157 238) rows=(72 104 136)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local top=$((HEIGHT - client_height))
    xdotool mousemove --window "$window" $((536 + columns[$2] + 37)) $((top + 400 + rows[$3] + 12)) click 1
}

# Clicks Exit (the last button of the command panel) in window $1 and checks
# that the program ends cleanly.
exit_through_button() {
    local window=$1
    click_button "$window" 2 2
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end after Exit"
    wait "$pid" || fail "the program ended with status $?"
    trap 'rm -rf "$work"' EXIT
}
