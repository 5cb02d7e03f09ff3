#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of every page of every purpose, in a light and a dark desktop, at
# 100 % on a 1280x800 screen and at 200 % on a 1600x1000 one, plus the results
# of a case with twelve-digit amounts in de_DE, the chart, the schedule, the
# What If window, every information page and the reports: for looking over
# the whole program after a change to its look. Run scripts/setup.sh once
# first; the pictures go to build/review/LOOK-SCALE/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target hearthwise_screens
for look in light dark; do
    for scale in 1 2; do
        size=1280x800
        [ "$scale" = 2 ] && size=1600x1000
        dark=
        [ "$look" = dark ] && dark=dark
        out="build/review/$look-$((scale * 100))"
        for purpose in 0 1 2 3 4 5 6 7 8; do
            QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${size}x24" \
                ./build/tools/hearthwise_screens "$out/purpose$purpose" "$purpose" en_US $dark
        done
        QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${size}x24" \
            ./build/tools/hearthwise_screens "$out/large-de_DE" 3 de_DE large $dark
    done
done
echo "Pictures written to build/review"
