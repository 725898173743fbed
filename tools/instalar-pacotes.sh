#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build and test Talvek 2.0, only those still missing.
# Runs as root (or through sudo when it is available).
set -euo pipefail

pacotes=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev qt6-qpa-plugins libgl-dev libqt6svg6-dev
  qt6-translations-l10n
  clang-14 libclang-rt-14-dev
  dpkg-dev file desktop-file-utils
)

faltam=()
for p in "${pacotes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltam+=("$p")
done
[ ${#faltam[@]} -eq 0 ] && exit 0

sudo_se_preciso=()
[ "$(id -u)" -ne 0 ] && sudo_se_preciso=(sudo)
echo "Instalando: ${faltam[*]}"
"${sudo_se_preciso[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_se_preciso[@]}" apt-get install -y -qq --no-install-recommends "${faltam[@]}"
