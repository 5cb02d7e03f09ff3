#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures how quickly Hearthwise answers on a real X server (Xvfb with the
# openbox window manager): start to the first window painted, Next to the
# results, Preview and Chart, each as min/median/max over fresh runs.
# Run scripts/setup.sh once first. Usage: scripts/bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHEARTHWISE_BENCH=ON >/dev/null
cmake --build build -j"$(nproc)" --target hearthwise_startup hearthwise_startup_probe hearthwise_empty_window hearthwise_bench
runs=${1:-21}
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    openbox --sm-disable >/dev/null 2>&1 &
    sleep 1
    ./build/bench/hearthwise_startup "$1"
' bash "$runs"
./build/bench/hearthwise_bench --benchmark_min_time=0.2 2>/dev/null | tail -n +4
