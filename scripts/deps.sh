#!/bin/sh
# Installs the Debian packages the build, the tests and the simulator need, skipping those
# already present. Runs apt-get through sudo when not root.
set -e
PACKAGES="build-essential cmake pkg-config ccache \
qtbase5-dev libqt5serialport5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n libqcustomplot-dev \
libmodbus-dev libcurl4-openssl-dev \
python3-pymodbus python3-serial-asyncio python3-pyftpdlib python3-openssl socat mbpoll \
xvfb xauth poppler-utils clang libclang-rt-14-dev gcovr \
desktop-file-utils appstream shared-mime-info file"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
