#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/pakete.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDLM7_TESTS=ON
cmake --build build/test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j"$(nproc)" --timeout 300
