#!/bin/sh
# Installs the Debian packages the build, the tests or the program need, and
# only those that are missing. Usage: scripts/deps.sh build|test|start
set -e
packages="g++ make cmake qt6-base-dev libgl-dev"
case "$1" in
    test) packages="$packages libreoffice-writer-nogui poppler-utils" ;;
    start) ;;
    build) ;;
esac
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then SUDO=sudo; else
        echo "Please run as root (or install:$missing)" >&2; exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $missing
