#!/usr/bin/env bash
# Builds Talvek 2.0 and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")"
tools/instalar-pacotes.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVEK_GUI=ON
cmake --build build --target Talvek2 arquivos_comuns
exec build/Talvek2/Talvek2
