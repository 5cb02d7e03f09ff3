#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the handbook as a real browser shows it (headless Chromium), in a
# light and a dark desktop, for looking it over after a change:
# build/review/handbook-light.png and handbook-dark.png.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends chromium >/dev/null
cmake -S . -B build >/dev/null
cmake --build build --target hearthwise_user_guide >/dev/null
page="file://$PWD/build/share/hearthwise/guide/index.html"
mkdir -p build/review
for look in light dark; do
    scheme=1
    [ "$look" = dark ] && scheme=0
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars \
        --blink-settings=preferredColorScheme=$scheme --window-size=1200,6000 \
        --screenshot="build/review/handbook-$look.png" "$page" 2>/dev/null
done
echo "Pictures written to build/review/handbook-light.png and handbook-dark.png"
