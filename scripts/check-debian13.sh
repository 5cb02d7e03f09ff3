#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the package in dist/ with Debian 13's tools as well (AppStream 1.0,
# its lintian and desktop-file-validate), in a fresh Debian 13 root made with
# debootstrap (minbase). Run as root after scripts/package.sh.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then exec sudo bash "$0" "$@"; fi
cd "$(dirname "$0")/.."
export DEBIAN_FRONTEND=noninteractive
root=$(mktemp -d /tmp/hearthwise-trixie.XXXXXX)
cleanup() {
    umount "$root/proc" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
debootstrap --variant=minbase trixie "$root" http://deb.debian.org/debian >/dev/null
mount -t proc proc "$root/proc"
chroot "$root" apt-get update >/dev/null
chroot "$root" apt-get install -y --no-install-recommends appstream lintian desktop-file-utils \
    >/dev/null
mkdir -p "$root/tmp/check/scripts" "$root/tmp/check/dist"
cp scripts/validate-package.sh "$root/tmp/check/scripts/"
cp dist/hearthwise_* "$root/tmp/check/dist/"
if ! chroot "$root" sh -c 'cd /tmp/check && bash scripts/validate-package.sh dist' \
    >"$root.out" 2>&1; then
    cat "$root.out"
    rm -f "$root.out"
    echo "FAIL [debian13]: Debian 13's validators refuse the package"
    exit 1
fi
rm -f "$root.out"
echo "PASS [debian13]: $(chroot "$root" appstreamcli --version), $(chroot "$root" lintian --version) and desktop-file-validate accept the package"
