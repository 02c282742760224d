#!/bin/sh
# Installs the Debian packages the build, the tests or the program need, and
# only those that are missing. Usage: scripts/deps.sh build|test|start
set -e
packages="g++ make cmake qt6-base-dev libgl-dev"
case "$1" in
    test) packages="$packages libreoffice-writer-nogui poppler-utils locales" ;;
    start) ;;
    build) ;;
esac
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
SUDO=
if [ -n "$missing" ] && [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then SUDO=sudo; else
        echo "Please run as root (or install:$missing)" >&2; exit 1
    fi
fi
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
# The tests read and write files under regions that write numbers with a
# decimal comma, a dotless i and other separators.
if [ "$1" = test ]; then
    for region in en_US de_DE fr_FR sv_SE tr_TR; do
        locale -a 2>/dev/null | grep -qi "^$region\.utf-\?8$" && continue
        if [ "$(id -u)" -ne 0 ] && [ -z "$SUDO" ]; then
            command -v sudo >/dev/null 2>&1 && SUDO=sudo || { echo "Cannot make the $region locale (run as root)" >&2; continue; }
        fi
        $SUDO localedef -i "$region" -f UTF-8 "$region.UTF-8"
    done
fi
