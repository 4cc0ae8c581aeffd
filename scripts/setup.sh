#!/usr/bin/env bash
# Installs, with apt-get and only when missing, what Korvanta needs to build,
# test and run on Debian 12. The icon theme and Qt's GTK platform theme are
# what a desktop has; a test runs the program with them. acl, attr,
# btrfs-progs and strace let the writer's tests set access rights and
# attributes, make a btrfs image and have a system call refused. python3
# measures the contrast of text on the desktop tests' screenshots.
set -euo pipefail

packages=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
          clang libclang-rt-14-dev xvfb xauth x11-utils xdotool openbox imagemagick fonts-dejavu-core
          fonts-dejavu-extra adwaita-icon-theme qt6-gtk-platformtheme
          acl attr btrfs-progs strace
          python3)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
