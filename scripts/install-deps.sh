#!/usr/bin/env bash
# Installs every Debian package Torvane needs to build, test and run.
# Safe to run twice: apt-get runs only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6dbus6
  libicu-dev libplist-dev libplist++-dev zlib1g-dev
  libexiv2-dev libtag1-dev libavformat-dev libavcodec-dev libavutil-dev libpoppler-cpp-dev libglib2.0-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format-14
  xvfb xauth attr e2fsprogs time exfat-fuse exfatprogs rename
  dbus shared-mime-info desktop-file-utils hicolor-icon-theme adwaita-icon-theme
  libglib2.0-bin xdg-user-dirs
  imagemagick xdotool
  appstream dpkg-dev
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n zsh fish
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
