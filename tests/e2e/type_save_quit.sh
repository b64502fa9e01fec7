#!/usr/bin/env bash
# End to end, as a person would: start the built program on a virtual display, check that the window
# opens centred, type a design with the keyboard (opening a menu on the way), calculate with Enter on
# the Calculate button, save through the real file dialog, check the file, quit through the menu.
# Usage: type_save_quit.sh PATH/TO/coilwise   (run under xvfb-run)
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME/coilwise"
printf '220\r\n1\r\n1\r\n0\r\n0\r\n' > "$XDG_CONFIG_HOME/coilwise/cwise.ini"

fail() { echo "e2e: $*" >&2; exit 1; }

# Polls for a window whose name matches; prints its id.
wait_window() {
    local id
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

keys() { xdotool key --delay 40 "$@"; sleep 0.3; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.3; }

"$program" &
pid=$!
# The splash screen gives way to the main window on a key press, or by itself after four seconds.
sleep 1
xdotool key space 2>/dev/null || true
main=$(wait_window '^Coilwise - ') || fail "the main window did not appear"
xdotool windowfocus --sync "$main" 2>/dev/null || true
sleep 0.5

# Centred on the screen (no window manager here: the window is placed where the program puts it).
eval "$(xdotool getwindowgeometry --shell "$main")"
screen_width=$(xdpyinfo | awk '/dimensions:/ { split($2, size, "x"); print size[1] }')
screen_height=$(xdpyinfo | awk '/dimensions:/ { split($2, size, "x"); print size[2] }')
off_x=$(( X + WIDTH / 2 - screen_width / 2 ))
off_y=$(( Y + HEIGHT / 2 - screen_height / 2 ))
[ "${off_x#-}" -le 2 ] && [ "${off_y#-}" -le 2 ] ||
    fail "the window is not centred: ${WIDTH}x${HEIGHT} at $X,$Y on ${screen_width}x${screen_height}"

# The focus starts on the primary voltage; Enter moves on like Tab.
keys ctrl+a
type_text 220
keys Return
# A menu opened and closed halfway through a value leaves it as typed: the 2 carries on after the 1.
type_text 1
keys alt+f
sleep 0.5
keys Escape
keys Escape
type_text 2
keys Return
type_text 1
# From the first current over the other rows, the option groups (one stop each) and the notes to
# Calculate, which Enter presses.
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
keys Return

# The name is typed without its extension: the dialog adds it.
keys alt+f s
dialog=$(wait_window 'Save|save') || fail "the save dialog did not appear"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
keys ctrl+a
type_text "$work/design"
keys Return
for _ in $(seq 1 50); do [ -s "$work/design.cwf" ] && break; sleep 0.1; done
[ -s "$work/design.cwf" ] || fail "the design was not saved"

# Only a calculation counts the secondaries in use, so the saved row proves that Enter calculated.
expected=$(printf 'COIL-WISE DATA: DO NOT MODIFY!!\r\n-------------------------------\r\n 1 \r\n 50 \r\n 1 \r\n12.00\r\n1.00\r\n220.0\r\n\r\n')
[ "$(cat "$work/design.cwf")" = "$expected" ] || { od -c "$work/design.cwf" >&2; fail "the saved design differs"; }

main=$(wait_window '^Coilwise - design.cwf$') || fail "the title does not name the saved design"
xdotool windowfocus --sync "$main" 2>/dev/null || true
keys alt+f q
sleep 0.5
keys Return
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
    fail "the program did not end through File > Quit"
fi
wait "$pid" || fail "the program ended with a failure status"
echo "e2e: typed, calculated, saved and quit"
