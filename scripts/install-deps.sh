#!/usr/bin/env bash
# Installs what the build, the panel and the tests need on Debian 12, and nothing when
# everything is already there.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev qt6-serialport-dev
          libgtest-dev libgmock-dev xvfb xauth
          dpkg-dev file desktop-file-utils appstream
          clang libclang-rt-14-dev lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
