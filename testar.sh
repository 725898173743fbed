#!/usr/bin/env bash
# Builds Talvek 2.0 with every test and runs them all (CTest prints the summary).
set -euo pipefail
cd "$(dirname "$0")"
tools/instalar-pacotes.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVEK_GUI=ON
cmake --build build
ctest --test-dir build --output-on-failure
