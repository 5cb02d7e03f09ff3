#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, builds Hearthwise and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Its own folder: the test build (build/) has another build type.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
cmake --build build-release -j"$(nproc)" --target hearthwise hearthwise_user_guide
exec ./build-release/app/hearthwise
