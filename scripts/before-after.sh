#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Side by side, the pictures of a review taken before a change (the folder
# given, a copy of an earlier build/review) and now (build/review, made by
# scripts/review-screens.sh): build/review/before-after/LOOK-SIZE/CASE-NAME.png,
# before on the left. Every picture of the Selling and Buying walk and of the
# large German case, and each other purpose's own page.
set -euo pipefail
cd "$(dirname "$0")/.."
before=${1:?usage: scripts/before-after.sh BEFORE_REVIEW_FOLDER}
count=0
for after in build/review/*-*/*/*.png; do
    relative=${after#build/review/}
    case "$relative" in
    before-after/*) continue ;;
    */purpose3/* | */large-de_DE/*) ;;
    */purpose*/step0[6-9].png | */purpose*/step1[0-4].png) ;;
    *) continue ;;
    esac
    [ -f "$before/$relative" ] || continue
    look=${relative%%/*}
    rest=${relative#*/}
    out="build/review/before-after/$look/${rest//\//-}"
    mkdir -p "$(dirname "$out")"
    montage "$before/$relative" "$after" -tile 2x1 -geometry +8+8 -background '#808080' "$out"
    count=$((count + 1))
done
echo "$count pictures side by side in build/review/before-after"
