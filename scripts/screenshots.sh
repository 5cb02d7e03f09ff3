#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots under Xvfb: a walk through a Selling and Buying
# case, the information and About windows, and the first page of the report.
# Run scripts/setup.sh once first; the pictures go to docs/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target hearthwise_screens
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
xvfb-run -a -s "-screen 0 1280x800x24" ./build/tools/hearthwise_screens "$shots" 3 en_US
xvfb-run -a -s "-screen 0 1280x800x24" ./build/tools/hearthwise_screens "$shots/dark" 3 de_DE large dark
out=docs/screenshots
mkdir -p "$out"
cp "$shots/step00.png" "$out/opening.png"
cp "$shots/step01.png" "$out/purpose.png"
cp "$shots/step04.png" "$out/income.png"
cp "$shots/step09.png" "$out/selling-and-buying.png"
cp "$shots/step16.png" "$out/rate.png"
cp "$shots/step17.png" "$out/results.png"
cp "$shots/dark/step17.png" "$out/results-dark.png"
cp "$shots/chart.png" "$out/chart.png"
cp "$shots/schedule.png" "$out/schedule.png"
cp "$shots/help24-2.png" "$out/information.png"
cp "$shots/about.png" "$out/about.png"
cp "$shots/whatif0.png" "$out/whatif-rates-rise.png"
cp "$shots/whatif1.png" "$out/whatif-borrow.png"
cp "$shots/whatif2.png" "$out/whatif-paying-extra.png"
cp "$shots/whatif4.png" "$out/whatif-how-often.png"
cp "$shots/whatif5.png" "$out/whatif-offset.png"
cp "$shots/whatif6.png" "$out/whatif-refinancing.png"
cp "$shots/compare.png" "$out/compare.png"
pdftoppm -png -r 60 -singlefile "$shots/report.pdf" "$out/report"
echo "Screenshots written to $out"
