#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of every page of every purpose, in a light and a dark desktop, on a
# 1280x720 and a 1280x800 screen at 100 % and on a 1280x720 one at 200 %, plus
# the results of a case with twelve-digit amounts in de_DE, the chart, the
# schedule, the What If window, every information page and the reports: for
# looking over the whole program after a change to its look. Run
# scripts/setup.sh once first; the pictures go to build/review/LOOK-SIZE/.
#
# To take the same pictures of an earlier build (for scripts/before-after.sh):
#   HEARTHWISE_SCREENS=/path/to/its/hearthwise_screens REVIEW_FOLDER=build/review-before \
#     scripts/review-screens.sh
set -euo pipefail
cd "$(dirname "$0")/.."
screens=${HEARTHWISE_SCREENS:-}
if [ -z "$screens" ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j"$(nproc)" --target hearthwise_screens
    screens=./build/tools/hearthwise_screens
fi
folder=${REVIEW_FOLDER:-build/review}
# Screen size, scale, and the folder's name for them.
screens_and_scales=("1280x720 1 720-100" "1280x800 1 800-100" "2560x1440 2 720-200")
for look in light dark; do
    for setting in "${screens_and_scales[@]}"; do
        read -r size scale name <<<"$setting"
        dark=
        [ "$look" = dark ] && dark=dark
        out="$folder/$look-$name"
        # An earlier build may stop at a window it named otherwise: the
        # pictures it took until then are kept.
        for purpose in 0 1 2 3 4 5 6 7 8; do
            QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${size}x24" \
                "$screens" "$out/purpose$purpose" "$purpose" en_US $dark ||
                echo "$out/purpose$purpose stopped early"
        done
        QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${size}x24" \
            "$screens" "$out/large-de_DE" 3 de_DE large $dark ||
            echo "$out/large-de_DE stopped early"
    done
done
echo "Pictures written to $folder"
