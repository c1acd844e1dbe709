#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Runs apt only for what is missing; uses sudo when not root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-base-dev-tools libqt6serialport6-dev qt6-multimedia-dev libqt6svg6-dev
    libgl-dev libjpeg62-turbo-dev libgtest-dev
    # German texts of Qt's own dialog buttons and of the file and print dialogs
    qt6-translations-l10n
    # headless GUI runs, pictures, PDF and JPEG checks
    xvfb xauth imagemagick libjpeg-turbo-progs poppler-utils
    # a real sound server for the sound test
    pulseaudio pulseaudio-utils
    # private mount namespaces (unshare) for tests that start the real program
    util-linux
    # driving the real program's windows in the single-instance test
    xdotool
    # a guest with a real 16550 serial driver for the contact-lines test
    qemu-system-x86 linux-image-amd64 busybox-static cpio
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
