#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package the one way: the source package (debian/) and,
# with dpkg-buildpackage -b, dist/hearthwise_<version>_amd64.deb and its
# automatic debug symbols package, from a copy of the sources (what git keeps
# and would keep, not the build folders). Then checks them: hardening-check on
# the program, and scripts/validate-package.sh (lintian --pedantic, the desktop
# entry, the AppStream description).
#
#   HEARTHWISE_MAKER_URL=https://... bash scripts/package.sh
#
# gives the maker's web page to the About window and, as the homepage, to the
# AppStream description, debian/control and debian/upstream/metadata.
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in dpkg-buildpackage dh lintian hardening-check appstreamcli desktop-file-validate; do
    command -v "$tool" >/dev/null || { bash scripts/setup.sh; break; }
done
export HEARTHWISE_MAKER_URL=${HEARTHWISE_MAKER_URL:-}
upstream=$(sed -n 's/^project(Hearthwise VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
version=$(dpkg-parsechangelog -S Version)
work=$(mktemp -d /tmp/hearthwise-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
source="$work/hearthwise-$upstream"
mkdir "$source"
git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -c 2>/dev/null | tar -x -C "$source"
if [ -n "$HEARTHWISE_MAKER_URL" ]; then
    sed -i "s|^Standards-Version:|Homepage: $HEARTHWISE_MAKER_URL\nStandards-Version:|" \
        "$source/debian/control"
    echo "Homepage: $HEARTHWISE_MAKER_URL" >>"$source/debian/upstream/metadata"
fi
tar -C "$work" --exclude="hearthwise-$upstream/debian" --sort=name --owner=0 --group=0 \
    -cJf "$work/hearthwise_$upstream.orig.tar.xz" "hearthwise-$upstream"
(cd "$work" && dpkg-source -b "hearthwise-$upstream" >/dev/null)
(cd "$source" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -b -us -uc >build.log 2>&1) || {
    tail -n 60 "$source/build.log"
    echo "FAIL [package]: dpkg-buildpackage did not build the package"
    exit 1
}
deb="$work/hearthwise_${version}_amd64.deb"

# Control-flow protection shows as a note that the linker keeps only when every
# object has it; Debian 12's C start files do not, so there even an empty
# program built with -fcf-protection has none. Where the toolchain can give it,
# it is required.
printf 'int main() { return 0; }\n' >"$work/empty.cpp"
g++ -fcf-protection "$work/empty.cpp" -o "$work/empty"
hardening=(hardening-check)
if ! readelf -n "$work/empty" | grep -q 'x86 feature: IBT, SHSTK'; then
    hardening+=(--nocfprotection)
fi
dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$work" ./usr/bin/hearthwise
"${hardening[@]}" "$work/usr/bin/hearthwise"

mkdir -p dist
rm -f dist/hearthwise_* dist/hearthwise-dbgsym_*
mv "$deb" "$work"/hearthwise-dbgsym_"$version"_amd64.*deb "$work/hearthwise_$version.dsc" \
    "$work/hearthwise_$upstream.orig.tar.xz" "$work"/hearthwise_"$version".debian.tar.* dist/
bash scripts/validate-package.sh dist
echo "Built $(ls dist/hearthwise_*.deb) and its source package"
