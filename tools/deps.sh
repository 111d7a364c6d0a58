#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only those that are missing, so a second run costs a second.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libcanberra-dev
    xvfb xauth xdotool x11-utils imagemagick
    fonts-liberation2 fonts-dejavu-core fonts-noto-color-emoji
    xdg-utils shared-mime-info desktop-file-utils poppler-utils
    libical-dev qtkeychain-qt6-dev
    dbus dbus-x11 python3-dbus openbox trayer dunst faketime remind
    radicale python3-caldav python3-icalendar apache2-utils
    gnome-keyring libsecret-tools ccache
    python3-pyatspi at-spi2-core weston qt6-wayland
    vdirsyncer khal xandikos lintian appstream
    man-db bash-completion libfile-mimeinfo-perl locales
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The locales the calendar-file tests and benchmarks run the program under.
locales=(en_US.UTF-8 de_DE.UTF-8 fr_FR.UTF-8)
ungenerated=()
for l in "${locales[@]}"; do
    locale -a | grep -qix "${l/UTF-8/utf8}" || ungenerated+=("$l")
done
if ((${#ungenerated[@]})); then
    echo "Generating locales: ${ungenerated[*]}"
    if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
    for l in "${ungenerated[@]}"; do
        $sudo sed -i "s/^# *\(${l//./\\.} UTF-8\)$/\1/" /etc/locale.gen
    done
    $sudo locale-gen
fi
