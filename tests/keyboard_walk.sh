#!/usr/bin/env bash
# The built program in a real X window driven by the keyboard alone (no mouse event): register a
# participant, store a prediction, store a round, show the standings and leave the program.
# Exits 77 (skipped) without Xvfb or xdotool. Usage: keyboard_walk.sh PROGRAM DATA_DIR
set -euo pipefail
for tool in Xvfb xdotool import convert compare dbus-daemon; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
source "$(dirname "$0")/realwindow.sh"

fail() { echo "FAIL: $*"; cat "$work/app.log"; exit 1; }
# Pixels of the top left of the panel (the screen's name in its band) that differ from the same
# part of a picture.
band_differs() {
    import -window root "$work/shot.png"
    convert "$work/shot.png" -crop "360x56+$left+$top" +repage "$work/band.png"
    convert "$dados/$1" -crop 360x56+0+0 +repage "$work/expected.png"
    compare -metric AE "$work/band.png" "$work/expected.png" null: 2>&1 || true
}
# Waits until the screen whose background is picture $1 is on view.
wait_for() {
    for _ in $(seq 50); do
        # A moment more, for the screen to take the keyboard.
        [ "$(band_differs "$1")" = "0" ] && sleep 0.3 && return 0
        sleep 0.2
    done
    fail "$2"
}
# Whether file $2 holds the line $1 (the files end their lines with CR LF).
has_line() { tr -d '\r' <"$2" | grep -qx -- "$1"; }
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.15; done; }
# One figure into each of the 22 boxes, Tab between them; the last one is left for Return.
type_scores() {
    for k in $(seq 21); do keys "$1" Tab; done
    keys "$1"
}

"$work/velurino" >"$work/app.log" 2>&1 &
app_pid=$!
wait_for inicio.bmp "the start screen never appeared"

# Start screen: the first Tab shows "Campeonato", the second moves to "Bolão".
keys Tab Tab Return
wait_for bolao.bmp "Return on Bolão did not open the pool"
# "Participantes" holds the focus; Return opens the panel with the focus in the name box.
keys Return
xdotool type --delay 60 "Ana"
keys Return
sleep 0.5
has_line Ana "$dados/player/Lista.txt" || fail "Return in the name box registered no one"
[ -f "$dados/player/Ana.txt" ] || fail "no participant file for Ana"
keys Return # closes "Usuário Cadastrado. "

# Escape closes the panel; "Apostas" is below "Participantes"; Return in the list takes Ana;
# "Apostar" follows the list and its counters.
keys Escape Down Return Return Tab Tab Return
wait_for apost.bmp "the bet screen never opened for Ana"
keys Tab Tab # past the round list and the round's page to the first box
type_scores 2
before=$(md5sum <"$dados/player/Ana.txt")
keys Return
sleep 0.3
[ "$(md5sum <"$dados/player/Ana.txt")" = "$before" ] || fail "Return in the last box stored the bet"
keys Return
sleep 0.5
[ "$(tr -d '\r' <"$dados/player/Ana.txt" | grep -c '^2$')" -ge 22 ] || fail "the bet was not stored"
echo "participant registered and bet stored: ok"

# Back to the hub, to the start screen, into the championship and its round table.
keys Escape
wait_for bolao.bmp "Escape on the bet screen did not return to the pool"
keys Escape Escape # the participants panel first, then the pool
wait_for inicio.bmp "Escape on the pool did not return to the start screen"
keys Left Return Return
wait_for tabela.bmp "the round table never opened"
keys Tab # from the round list to the first box
type_scores 1
keys Return
sleep 0.3
has_line '\[1\]' "$dados/Resultado.txt" && fail "Return in the last box stored the round"
keys Return
sleep 0.5
has_line '\[1\]' "$dados/Resultado.txt" || fail "the round was not stored"
keys Return # closes "Tabela Atualizada. "
echo "round stored: ok"

keys Escape Down Return
wait_for classifica1.bmp "the standings never opened"
echo "standings shown: ok"

# Back to the menu, to the start screen, and out: "s" answers "Sim".
keys Escape Escape Escape
sleep 0.5
keys s
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after answering Sim"
wait "$app_pid" || fail "the program ended with an error"
app_pid=
echo "program left from the keyboard: ok"
