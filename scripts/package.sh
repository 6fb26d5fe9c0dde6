#!/bin/sh
# Builds the Debian package tarvolink_VERSION_ARCH.deb (CPack) from a release build in
# ./build-package, lists its files and, where lintian is installed, checks it.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
BUILD_DIR=${BUILD_DIR:-build-package}
BUILD_DIR=$BUILD_DIR BUILD_TYPE=Release scripts/build.sh tarvolink tarvolink-cli tarvolink-sim \
    tarvolink_data tarvolink_translations tarvolink_guide tarvolink_manpage tarvolink_changelog
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
DEB=$(ls -t "$BUILD_DIR"/tarvolink_*.deb | head -1)
dpkg-deb -c "$DEB" | awk '{ print $6, $7, $8 }'
dpkg-deb -I "$DEB" | sed -n '/Package:/,$p'
if command -v lintian >/dev/null; then
    lintian --fail-on error "$DEB"
fi
echo "Package: $DEB"
