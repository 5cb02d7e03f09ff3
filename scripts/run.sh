#!/usr/bin/env bash
# Sets everything up, builds Hearthwise and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target hearthwise
exec ./build/app/hearthwise
