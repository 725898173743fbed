#!/usr/bin/env bash
# Builds Talvek 2.0 and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/instalar-pacotes.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
if [ -x build/Talvek2/Talvek2 ]; then
  exec build/Talvek2/Talvek2
fi
echo "A janela do Talvek 2.0 ainda não existe nesta versão; apenas o núcleo de cálculo foi compilado."
if [ -x build/talvek-calc ]; then
  exec build/talvek-calc --help
fi
