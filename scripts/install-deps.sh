#!/usr/bin/env bash
# Installs what building, testing and running the program needs, from Debian's packages.
# Does nothing when everything is already there.
set -euo pipefail
pkgs=(cmake ninja-build g++ clang clang-format-14 libclang-rt-14-dev qt6-base-dev libqt6printsupport6
      qt6-qpa-plugins libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth openbox xdotool x11-utils
      locales fonts-dejavu-core)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
