#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, running and testing Hearthwise need.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
    build-essential clang libclang-rt-14-dev cmake qt6-base-dev libgl-dev qt6-qpa-plugins \
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
    fonts-dejavu-core fonts-liberation2 fonts-ipafont-gothic fonts-noto-cjk locales xvfb xauth imagemagick poppler-utils libbenchmark-dev \
    openbox xdotool xclip x11-utils \
    libreoffice-calc-nogui unzip \
    dbus dbus-x11 at-spi2-core python3-pyatspi \
    debhelper dpkg-dev devscripts lintian desktop-file-utils appstream debootstrap
# The tests run the program in several regional settings.
if ! locale -a 2>/dev/null | grep -qi '^en_US.utf8$'; then
    $SUDO sed -i 's/^# *\(en_US.UTF-8\)/\1/' /etc/locale.gen
    $SUDO locale-gen >/dev/null
fi
