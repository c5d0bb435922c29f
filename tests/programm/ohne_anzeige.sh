#!/usr/bin/env bash
# The program started without any display: one German line on standard error
# saying what is missing, a non-zero status, and no abort (no core dump).
set -u
programm=$1
fehler=$(mktemp)
ordner=$(mktemp -d)
trap 'rm -rf "$fehler" "$ordner"' EXIT
(cd "$ordner" && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$programm") 2>"$fehler"
status=$?
cat "$fehler"
[ "$status" -ne 0 ] || { echo "status 0"; exit 1; }
[ "$status" -lt 128 ] || { echo "killed by signal $((status - 128))"; exit 1; }
[ "$(wc -l <"$fehler")" -eq 1 ] || { echo "expected one line"; exit 1; }
grep -q '^dlm7dsteuerung: Keine grafische Anzeige gefunden' "$fehler" || exit 1
