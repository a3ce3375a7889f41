#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQLM_BUILD_TESTS=OFF -DQLM_BUILD_BENCH=OFF
cmake --build build --target QuorinLevelMaker qlm-picture -j"$(nproc)"
exec build/QuorinLevelMaker "$@"
