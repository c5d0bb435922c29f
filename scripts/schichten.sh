#!/usr/bin/env bash
# Checks that every #include "..." of our own runs with the layering:
#   kern <- device, config <- direkt, kennlinie, kurven <- */fenster <- app
#   uisupport sits on kern alone; a window sees only its own subsystem;
#   sim and tools use the plain libraries, never a window; tools draw
#   their pictures with uisupport's graph.
# Prints every offending line and fails if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

ebene() {  # layer of a path inside the tree
    case "$1" in
        tests/* | fuzz/*) echo frei ;;
        kern/*) echo kern ;;
        uisupport/*) echo ui ;;
        */fenster/*) echo "fenster:${1%%/*}" ;;
        device/* | config/*) echo "basis:${1%%/*}" ;;
        direkt/* | kennlinie/* | kurven/*) echo "modell:${1%%/*}" ;;
        app/*) echo app ;;
        sim/*) echo sim ;;
        tools/*) echo tools ;;
        *) echo frei ;;
    esac
}

erlaubt() {  # erlaubt VON NACH
    local von=$1 nach=$2
    [ "$von" = "$nach" ] && return 0
    case "$von" in
        frei | app) return 0 ;;
        kern) return 1 ;;
        ui) [ "$nach" = kern ] ;;
        basis:*) [ "$nach" = kern ] ;;
        modell:*) [[ "$nach" = kern || "$nach" == basis:* ]] ;;
        fenster:*)
            local sub=${von#fenster:}
            [[ "$nach" = kern || "$nach" = ui || "$nach" == basis:* || "$nach" = "modell:$sub" ]] ;;
        sim) [[ "$nach" = kern || "$nach" == basis:* || "$nach" == modell:* || "$nach" = sim ]] ;;
        tools) [[ "$nach" = kern || "$nach" = ui || "$nach" == basis:* || "$nach" == modell:* || "$nach" = sim ]] ;;
        *) return 1 ;;
    esac
}

fehler=0
while IFS= read -r datei; do
    von=$(ebene "$datei")
    [ "$von" = frei ] && continue
    while IFS= read -r zeile; do
        nr=${zeile%%:*}
        ziel=$(sed -E 's/^[^"]*"([^"]+)".*/\1/' <<<"$zeile")
        [[ "$ziel" == */* ]] || continue  # a file beside the includer
        nach=$(ebene "$ziel")
        [ "$nach" = frei ] && continue
        if ! erlaubt "$von" "$nach"; then
            echo "$datei:$nr: $von darf $ziel ($nach) nicht einbinden"
            fehler=1
        fi
    done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$datei" || true)
done < <(git ls-files -- '*.h' '*.cpp' 2>/dev/null || find . -name '*.h' -o -name '*.cpp')
[ "$fehler" -eq 0 ] && echo "Schichten: alle Einbindungen in Ordnung"
exit "$fehler"
