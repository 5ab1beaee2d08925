#!/usr/bin/env bash
# Installs the Debian packages the station needs to build, test and run.
# Packages already installed are skipped, so a second run costs a second.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-serialport-dev qt6-charts-dev
  libsqlite3-dev sqlite3 libsodium-dev libgtest-dev libgmock-dev libgl-dev
  fonts-noto-cjk xvfb xauth xdotool imagemagick poppler-utils socat procps
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
  # A fresh machine may have no package lists yet.
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
