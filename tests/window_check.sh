#!/usr/bin/env bash
# The built program in a real X window: a fresh Xvfb with no window manager, the start screen
# centred on black, the exit button lit with its red card under the pointer, then the program
# ended by its process id. Usage: window_check.sh PROGRAM DATA_DIR
set -euo pipefail
source "$(dirname "$0")/realwindow.sh"

"$work/velurino" >"$work/app.log" 2>&1 &
app_pid=$!

shot() { import -window root "$work/$1.png"; }
# Pixels of the panel area that differ from a picture (0 when they are equal).
differs() {
    convert "$work/$1.png" -crop "640x480+$left+$top" +repage "$work/$1-panel.png"
    compare -metric AE "$work/$1-panel.png" "$2" null: 2>&1 || true
}

# Wait for the start screen to appear.
ok=
for _ in $(seq 100); do
    sleep 0.2
    shot start
    if [ "$(differs start "$data/inicio.bmp")" = "0" ]; then ok=1; break; fi
done
[ -n "$ok" ] || { echo "FAIL: the centre of the screen never equalled inicio.bmp"; cat "$work/app.log"; exit 1; }
outside=$(convert "$work/start.png" -fill black -draw "rectangle $left,$top $((left + 639)),$((top + 479))" -format '%[max]' info:)
[ "$outside" = "0" ] || { echo "FAIL: the margins around the panel are not black ($outside)"; exit 1; }
echo "start screen centred on black: ok"

# Pointer over the exit button: its area lit from inicioon.bmp and the red card beside it.
xdotool mousemove $((left + 472 + 120)) $((top + 400 + 26))
card="504,414 522,438"
expected="$work/expected.png"
convert "$data/inicio.bmp" \( "$data/inicioon.bmp" -crop 153x53+472+400 \) -geometry +472+400 -composite \
    -fill red -draw "rectangle $card" "$expected"
ok=
for _ in $(seq 50); do
    sleep 0.1
    shot hover
    if [ "$(differs hover "$expected")" = "0" ]; then ok=1; break; fi
done
[ -n "$ok" ] || { echo "FAIL: hovering the exit button did not light it with the red card ($(differs hover "$expected") pixels off)"; exit 1; }
echo "exit button lit with the red card: ok"

xdotool mousemove 5 5
ok=
for _ in $(seq 50); do
    sleep 0.1
    shot after
    if [ "$(differs after "$data/inicio.bmp")" = "0" ]; then ok=1; break; fi
done
[ -n "$ok" ] || { echo "FAIL: leaving the exit button did not restore the start screen"; exit 1; }
echo "pointer away restores the start screen: ok"

kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=
