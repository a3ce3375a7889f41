#!/usr/bin/env bash
# Fuzzes the metafile player for one format, or the bitmap and icon loader:
# scripts/fuzz.sh wmf|emf|picture [seconds].
# Builds the fuzzers with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, writes the seed corpus from the test samples,
# and keeps crashing inputs in fuzz-crashes/<format>/; once fixed, they go to
# tests/platform/metafile/regressions/<format>/ (pictures:
# tests/platform/pictures/regressions/), which the tests play.
set -euo pipefail
cd "$(dirname "$0")/.."
format=${1:?"wmf, emf or picture"}
seconds=${2:-1800}
case "$format" in
    wmf) target=WmfFuzzer; regressions=tests/platform/metafile/regressions/wmf ;;
    emf) target=EmfFuzzer; regressions=tests/platform/metafile/regressions/emf ;;
    picture) target=PictureFuzzer; regressions=tests/platform/pictures/regressions ;;
    *) echo "unknown format: $format" >&2; exit 2 ;;
esac

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQLM_BUILD_FUZZ=ON -DQLM_BUILD_TESTS=OFF -DQLM_BUILD_BENCH=OFF
cmake --build build-fuzz -j2 --target "$target"

cmake -S . -B build -DQLM_BUILD_TESTS=ON
cmake --build build -j2 --target platform_tests
QT_QPA_PLATFORM=offscreen QLM_FUZZ_SEED_DIR="$PWD/fuzz-corpus/seed" \
    build/tests/platform_tests --gtest_filter='MetafileSamples.*:PictureSamples.*'

mkdir -p "fuzz-corpus/$format" "fuzz-crashes/$format" "$regressions"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=fuzz/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build-fuzz/fuzz/$target" "fuzz-corpus/$format" "fuzz-corpus/seed/$format" \
    "$regressions" \
    -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="fuzz-crashes/$format/"
