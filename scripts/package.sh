#!/usr/bin/env bash
# Builds the Debian package dist/hearthwise_<version>_amd64.deb and checks it:
# the desktop entry, the AppStream description and lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get install -y --no-install-recommends desktop-file-utils appstream lintian
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-package -j"$(nproc)" --target hearthwise hearthwise_user_guide
(cd build-package && cpack -G DEB)
mkdir -p dist
mv build-package/hearthwise_*.deb dist/
desktop-file-validate packaging/com.vodivudi.Hearthwise.desktop
appstreamcli validate --no-net packaging/com.vodivudi.Hearthwise.metainfo.xml
lintian --tag-display-limit 0 --fail-on error dist/hearthwise_*.deb
echo "Built $(ls dist/hearthwise_*.deb)"
