#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, then builds and runs the whole test suite twice: once as
# released, once with the address and undefined-behaviour sanitizers; between
# the two, a short fuzzing run of the arithmetic core and the check of the
# Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHEARTHWISE_BENCH=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

# A short bounded fuzzing run over the regional readings and the options core,
# starting from the corpus in the repository; new inputs go to the build folder.
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DHEARTHWISE_FUZZ=ON
cmake --build build-fuzz -j"$jobs" --target hearthwise_fuzz
mkdir -p build-fuzz/corpus
if ! ./build-fuzz/fuzz/hearthwise_fuzz -max_total_time=30 -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 build-fuzz/corpus fuzz/corpus >build-fuzz/fuzz.log 2>&1; then
    cat build-fuzz/fuzz.log
    echo "The fuzzing run found a failure; the input that caused it is named above."
    exit 1
fi
tail -n 12 build-fuzz/fuzz.log

# The Debian package, built as Debian builds it (no tests) and checked, also
# with Debian 13's validators, then installed, started and purged in a fresh
# Debian 12 root.
bash scripts/package.sh
bash scripts/check-debian13.sh
bash scripts/check-package.sh

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DHEARTHWISE_SANITIZE=ON
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
    ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
