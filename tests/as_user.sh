#!/usr/bin/env bash
# Runs a test program as an ordinary user when started as root (as CI is): root writes into
# folders whatever their permissions, so read-only folders can only be tried without it.
# Usage: as_user.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
    export HOME=/nonexistent TMPDIR=/tmp
    exec setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups -- "$@"
fi
exec "$@"
