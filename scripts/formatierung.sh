#!/usr/bin/env bash
# Fails if a C++ source differs from what clang-format makes of it (.clang-format);
# prints the offending places. To mend: bash scripts/formatierung.sh --anwenden
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t dateien < <(find app bildschirmfotos config device direkt fuzz kennlinie kern kurven sim tests tools uisupport \
    -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
if [ "${1:-}" = "--anwenden" ]; then
    clang-format -i "${dateien[@]}"
else
    clang-format --dry-run --Werror "${dateien[@]}"
fi
