#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package dist/hearthwise_<version>_amd64.deb and checks it:
# the desktop entry, the AppStream description and lintian (failing on any
# error). With a build folder as its argument (the test run's), it packages
# that build instead of making a release build of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-}
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
if [ -z "$build" ]; then
    bash scripts/setup.sh
    build=build-package
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
    cmake --build "$build" -j"$(nproc)" --target hearthwise hearthwise_user_guide
fi
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends \
    desktop-file-utils appstream lintian >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
mkdir -p dist
rm -f dist/hearthwise_*.deb
mv "$build"/hearthwise_*.deb dist/
desktop-file-validate packaging/com.vodivudi.Hearthwise.desktop
appstreamcli validate --no-net packaging/com.vodivudi.Hearthwise.metainfo.xml
lintian --tag-display-limit 0 --fail-on error dist/hearthwise_*.deb
echo "Built $(ls dist/hearthwise_*.deb)"
