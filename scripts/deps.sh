#!/bin/sh
# Installs the Debian packages the build, the tests, the CI checks or the
# program need, and only those that are missing.
# Usage: scripts/deps.sh build|test|ci|start
set -e
# libpoppler-qt6-dev draws the paper view's pages; libreofficekit-dev (headers
# only) builds the converter process that keeps LibreOffice loaded.
packages="g++ make cmake pkg-config qt6-base-dev libgl-dev libpoppler-qt6-dev libreofficekit-dev"
case "$1" in
    # The tests convert documents with LibreOffice headless; a machine that
    # has the desktop Writer (scripts/start.sh) uses it, the two replace
    # each other.
    test)
        packages="$packages poppler-utils locales"
        dpkg-query -W -f='${Status}' libreoffice-writer 2>/dev/null | grep -q "install ok installed" ||
            packages="$packages libreoffice-writer-nogui"
        ;;
    # The program opens its print document in LibreOffice Writer, in a
    # window on the user's desktop (the GTK plug-in), or with the desktop's
    # default application (xdg-utils).
    start) packages="$packages libreoffice-writer libreoffice-gtk3 xdg-utils" ;;
    # CI also checks the sources' formatting.
    ci) packages="$packages clang-format" ;;
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
