#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang, libFuzzer and the sanitizers (in build-fuzz/) and runs each one
# over its committed corpus fuzz/corpus/<target>/ (new inputs go to the build folder, never to the corpus).
#
#   tools/fuzz/rodar.sh                     a few seconds per target (CI); any finding fails
#   tools/fuzz/rodar.sh --campanha [SEG]    long campaign, SEG seconds per target (600 by default); prints the
#                                           figures of each target and writes them to build-fuzz/campanha/resumo.md
#   ... ALVO...                             only these targets (the corpus folder names: arquivo_ini, numeros, ...)
#
# A finding (crash, broken invariant, sanitizer report, leak, an input running too long) is saved in
# build-fuzz/<mode>/<target>/achados/; replay it with  build-fuzz/fuzz/fuzz_<target> FILE.
set -euo pipefail
cd "$(dirname "$0")/../.."
raiz=$PWD
build=${TALVEK_BUILD_FUZZ:-$raiz/build-fuzz}

modo=curto
segundos=${TALVEK_FUZZ_SEGUNDOS:-5}
if [ "${1:-}" = --campanha ]; then
  modo=campanha
  segundos=600
  shift
  if [[ "${1:-}" =~ ^[0-9]+$ ]]; then segundos=$1; shift; fi
fi

alvos=("$@")
if [ ${#alvos[@]} -eq 0 ]; then
  for pasta in fuzz/corpus/*/; do alvos+=("$(basename "$pasta")"); done
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTALVEK_GUI=OFF -DTALVEK_BENCHMARKS=OFF -DTALVEK_SANITIZERS=ON -DTALVEK_FUZZ=ON >/dev/null
cmake --build "$build" -j2 --target "${alvos[@]/#/fuzz_}"

export UBSAN_OPTIONS=print_stacktrace=1
resumo=$build/$modo/resumo.md
mkdir -p "$build/$modo"
{
  echo "| alvo | segundos | execuções | exec/s | cobertura (arestas) | features | corpus final | achados | lentas |"
  echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|"
} >"$resumo"

falhas=0
for alvo in "${alvos[@]}"; do
  trabalho=$build/$modo/$alvo
  rm -rf "$trabalho"
  mkdir -p "$trabalho/corpus" "$trabalho/achados"
  echo "== fuzz_$alvo: ${segundos} s"
  # A design run that reaches its step caps on a wide strip takes tens of seconds under the sanitizers; any
  # other input taking 10 s is a finding.
  limite=10
  [ "$alvo" = dimensionamento ] && limite=60
  situacao=0
  "$build/fuzz/fuzz_$alvo" -max_total_time="$segundos" -timeout="$limite" -print_final_stats=1 \
    -artifact_prefix="$trabalho/achados/" "$trabalho/corpus" "$raiz/fuzz/corpus/$alvo" >"$trabalho/log.txt" 2>&1 ||
    situacao=$?

  final=$(grep -E '^#[0-9]+' "$trabalho/log.txt" | tail -1 || true)
  execucoes=$(sed -n 's/^stat::number_of_executed_units: *//p' "$trabalho/log.txt")
  porSegundo=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$trabalho/log.txt")
  cobertura=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$final")
  features=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$final")
  corpus=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$final")
  # Inputs slower than 10 s that ended within the timeout are listed, not counted as findings.
  achados=$(find "$trabalho/achados" -type f ! -name 'slow-unit-*' | wc -l)
  lentas=$(find "$trabalho/achados" -type f -name 'slow-unit-*' | wc -l)
  echo "| $alvo | $segundos | ${execucoes:-?} | ${porSegundo:-?} | ${cobertura:-?} | ${features:-?} | ${corpus:-?} | $achados | $lentas |" >>"$resumo"
  echo "   ${execucoes:-?} execuções, cobertura ${cobertura:-?}, features ${features:-?}, achados $achados, lentas $lentas"

  if [ "$situacao" -ne 0 ] || [ "$achados" -ne 0 ]; then
    falhas=$((falhas + 1))
    echo "!! fuzz_$alvo encontrou uma falha (saída $situacao); entradas em $trabalho/achados/:"
    find "$trabalho/achados" -type f
    grep -v -E '^#[0-9]+' "$trabalho/log.txt" | tail -40
  fi
done

echo
cat "$resumo"
[ "$falhas" -eq 0 ]
