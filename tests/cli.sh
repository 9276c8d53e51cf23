#!/usr/bin/env bash
# The command line of the real program, without a display: --version and
# --help print and end with 0 in the desktop's language (or the one asked
# for), an unknown --lang is told on standard error and ends with 2.
# Usage: cli.sh PROGRAM VERSION
set -u
program=$1
version=$2
failures=0
check() { # what, expected, got
    if [ "$2" = "$3" ]; then
        echo "PASS   : $1"
    else
        echo "FAIL!  : $1: expected '$2', got '$3'"
        failures=$((failures + 1))
    fi
}
run() { # environment..., then arguments: prints stdout, exit code in $rc, stderr in $err
    local errfile
    errfile=$(mktemp)
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL -u LANGUAGE "$@" 2>"$errfile")
    rc=$?
    err=$(cat "$errfile")
    rm -f "$errfile"
}

run LANG=C.UTF-8 "$program" --version
check "--version prints the version" "Dravino $version" "$out"
check "--version ends with 0" 0 "$rc"

run LANG=it_IT.UTF-8 "$program" --help
check "--help in Italian" "Uso: dravino [--lang it|en]" "$(echo "$out" | head -n 1)"
check "--help ends with 0" 0 "$rc"
run LANG=en_GB.UTF-8 "$program" --help
check "--help in English" "Usage: dravino [--lang it|en]" "$(echo "$out" | head -n 1)"
run LANG=en_GB.UTF-8 "$program" --lang it -h
check "-h with --lang it" "Uso: dravino [--lang it|en]" "$(echo "$out" | head -n 1)"

run LANG=it_IT.UTF-8 "$program" --lang xx
check "--lang xx ends with 2" 2 "$rc"
check "--lang xx says so on standard error" "dravino: lingua sconosciuta: 'xx' (si può scegliere it o en)" "$err"
check "--lang xx prints nothing on standard output" "" "$out"
run LANG=en_GB.UTF-8 "$program" --lang=fr
check "--lang=fr in English" "dravino: unknown language: 'fr' (choose it or en)" "$err"
run LANG=C.UTF-8 "$program" --lang
check "--lang without a language ends with 2" 2 "$rc"

# Qt's own options are Qt's: -reverse is no -r -e -v (the version), and
# -platform's value no argument of Dravino's.
run LANG=C.UTF-8 "$program" -reverse
check "-reverse is Qt's, not --version" "" "$out"
run LANG=C.UTF-8 "$program" -platform offscreen --version
check "-platform VALUE, then --version" "Dravino $version" "$out"

[ "$failures" = 0 ] && echo "cli: all passed" || echo "cli: $failures failed"
exit $((failures > 0))
