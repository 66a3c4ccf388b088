#!/usr/bin/env bash
# The command line without any display: --help and --version answer and end, a wrong option or
# value is told on standard error with status 2, and none of them opens a window.
# Usage: command_line.sh PROGRAM VERSION
set -uo pipefail
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
failures=0
# expect STATUS STDOUT-PATTERN STDERR-PATTERN ARGUMENTS...
expect() {
    local status=$1 out_pattern=$2 err_pattern=$3
    shift 3
    local out err code
    out=$(timeout 20 "$program" "$@" 2>/tmp/velurino-cli-err.$$)
    code=$?
    err=$(cat /tmp/velurino-cli-err.$$)
    rm -f /tmp/velurino-cli-err.$$
    if [ "$code" != "$status" ] || [[ $out != $out_pattern ]] || [[ $err != $err_pattern ]]; then
        echo "FAIL: velurino $*: status $code, output [$out], errors [$err]"
        failures=$((failures + 1))
    else
        echo "ok: velurino $*"
    fi
}
expect 0 "*--dados <PASTA>*--escala <N>*" "" --help
expect 0 "*Opções:*" "" -h
expect 0 "Campeonato Velurino 2005 $version" "" --version
expect 2 "" "*desconhecida*nada*--help*" --nada
expect 2 "" "*desconhecido*sobra*" sobra
expect 2 "" "*escala*0*" --escala 0
expect 2 "" "*escala*grande*" --escala grande
expect 2 "" "*--dados*" --dados
exit $((failures > 0))
