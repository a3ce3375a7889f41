#!/usr/bin/env bash
# Builds the Debian package of the program into package/:
# installs what building needs, builds a release without tests and
# benchmarks, and lets CPack take the dependencies from dpkg-shlibdeps.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DQLM_BUILD_TESTS=OFF -DQLM_BUILD_BENCH=OFF
cmake --build build-package --target QuorinLevelMaker -j"$(nproc)"
(cd build-package && cpack -G DEB -B "$PWD/../package" >/dev/null)
ls package/*.deb
