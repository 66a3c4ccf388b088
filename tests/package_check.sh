#!/usr/bin/env bash
# The Debian package as a user gets it: built by cpack from this build tree, unpacked into an
# empty root, its program started offscreen by an ordinary user with an empty home folder. The
# program must make the user's season as a whole copy of the installed one, and that season must
# then take a round's results through the program's rules.
# Usage: package_check.sh BUILD_DIR CRASHCHILD   (exit 77, skipped, when not run as root)
set -euo pipefail
build=$1
child=$2
if [ "$(id -u)" != 0 ] || ! command -v setpriv >/dev/null; then
    echo "skipped: starting the program as another user needs root and setpriv"
    exit 77
fi
work=$(mktemp -d)
chmod 755 "$work"
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
as_user() {
    exec env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
        QT_QPA_PLATFORM=offscreen \
        setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups -- "$@"
}

(cd "$build" && cpack -G DEB -B "$work/package") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack did not build the package"; }
deb=$(ls "$work"/package/velurino_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libc6 xdg-utils fonts-liberation fonts-dejavu-core; do
    [[ $depends == *"$needed"* ]] || fail "the package does not depend on $needed ($depends)"
done
echo "package $(basename "$deb"): depends on $depends"

dpkg-deb -x "$deb" "$work/root"
season="$work/root/usr/share/velurino/dados"
for file in usr/bin/velurino usr/share/applications/velurino.desktop \
    usr/share/metainfo/velurino.metainfo.xml usr/share/icons/hicolor/16x16/apps/velurino.png \
    usr/share/icons/hicolor/256x256/apps/velurino.png usr/share/velurino/dados/Rodada.txt \
    usr/share/velurino/dados/player/Lista.txt usr/share/velurino/dados/inicio.bmp; do
    [ -f "$work/root/$file" ] || fail "the package has no $file"
done
[ "$(find "$season/escudo" -name '*.bmp' | wc -l)" = 22 ] || fail "the package lacks shields"
[ ! -e "$work/root/usr/bin/dados" ] || fail "the package has a data directory beside the program"
echo "unpacked: program, season with its pictures, menu entry, icons, metainfo"

mkdir -p "$work/home" "$work/run"
chown nobody "$work/home" "$work/run"
chmod 700 "$work/run"
as_user "$work/root/usr/bin/velurino" >"$work/app.log" 2>&1 &
app_pid=$!
user_season="$work/home/.local/share/velurino/dados"
# The lock is taken once the season is whole and opened, before the first screen.
for _ in $(seq 300); do
    [ -f "$user_season/velurino.lock" ] && break
    kill -0 "$app_pid" 2>/dev/null || { cat "$work/app.log"; fail "the program ended at start"; }
    sleep 0.1
done
[ -f "$user_season/velurino.lock" ] || { cat "$work/app.log"; fail "no season in the user's folder"; }
sleep 1
kill -0 "$app_pid" 2>/dev/null || { cat "$work/app.log"; fail "the program ended after start"; }
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=
diff -r -x velurino.lock "$season" "$user_season" >/dev/null ||
    fail "the user's season differs from the installed one"
[ "$(stat -c %U "$user_season/Rodada.txt")" = nobody ] || fail "the user's season is not the user's"
echo "started as nobody with an empty home: season copied whole into $user_season"

(as_user "$child" store "$user_season/") >"$work/store.log" 2>&1 ||
    { cat "$work/store.log"; fail "a round could not be stored in the user's season"; }
[ "$(head -n1 "$user_season/Rodada.txt" | tr -d '\r')" = 1 ] || fail "the stored-rounds count is not 1"
grep -qx $'\\[6\\]\r' "$user_season/Resultado.txt" || fail "round 6 has no result block"
echo "a round's results stored in the user's season"
