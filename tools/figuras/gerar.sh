#!/usr/bin/env bash
# Renders the report header pictures from their SVG sources (the other pictures are compiled into the
# program as SVG), and the program's icon in the sizes installed under share/icons/hicolor. Needs only the
# Qt packages the program itself is built with.
#   tools/figuras/gerar.sh [build folder]
set -euo pipefail
raiz=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$raiz/build-figuras}
cmake -S "$raiz/tools/figuras" -B "$build" -G Ninja >/dev/null
cmake --build "$build" >/dev/null
export QT_QPA_PLATFORM=offscreen
renderizar="$build/renderizar-svg"
"$renderizar" "$raiz/data/figuras/cabecalho.svg" "$raiz/data/Talvek2/Cabecalho.jpg" 550 62
"$renderizar" "$raiz/data/figuras/cabecalho_nimbal21.svg" "$raiz/data/Arquivos Comuns/Cabecalho_Nimbal21.jpg" 550 73
for lado in 16 22 24 32 48 64 128 256; do
  mkdir -p "$raiz/data/icones/${lado}x${lado}"
  "$renderizar" "$raiz/data/figuras/glifos/talvek.svg" "$raiz/data/icones/${lado}x${lado}/talvek2.png" "$lado" "$lado"
done
