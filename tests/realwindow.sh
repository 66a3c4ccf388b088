# Sourced by the real-window checks (PROGRAM DATA_DIR as $1 $2): a copy of the program beside a
# copy of its data in a scratch folder, so a check never touches the real season, and a fresh
# Xvfb of 1024 x 768 with no window manager as DISPLAY, with a session bus. All go when the check
# ends. Sets work, dados (the copied data), left and top (the centred panel's corner), and app_pid
# for the caller.
program=$1
data=$2
work=$(mktemp -d)
xvfb_pid=
app_pid=
bus_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cp "$program" "$work/velurino"
cp -r "$data" "$work/dados"
dados=$work/dados

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# A session bus of its own, as every desktop session has. Without one the toolkit's bus library
# tries to start one through the X server, fails, and leaves what the leak checker of the
# sanitizer build reports as the program's.
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
bus_pid=${bus##*$'\n'}

left=$(( (1024 - 640) / 2 ))
top=$(( (768 - 480) / 2 ))
