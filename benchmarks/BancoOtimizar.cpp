// Timing of one goal seek: the largest drain spacing whose recommended height stays within 30 cm, on the
// second worked example's field (row crops, VIB 60 mm/h, St 0.02) draining into a 100 m trapezoidal drain
// (B 0.5 m, Z 1, n 0.03, Sc 0.002) without partial flooding. "dimensionamentos" counts the sizings of the
// search; the argument is the number of threads.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <thread>

#include "ChuvaExemplo.h"
#include "design/uCanal.h"
#include "model/uTerreno.h"
#include "project/BuscaMeta.h"

using namespace talvek;

namespace {

void BuscaEspacamento(benchmark::State& state) {
    const TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TTerreno terreno;
    terreno.Cobertura.UsoTerra.Indice = 1;
    terreno.Cobertura.Tratamento.Indice = 1;
    terreno.Cobertura.CondicaoHidrologica.Indice = 3;
    terreno.SetVIB(60);
    terreno.SetSt(0.02);
    terreno.nt.Valor = 0.05;
    TCanalDrenagem canal;
    canal.TipoCanal.Tipo = TTipoCanal::Trapezoidal;
    canal.SetComprimento(100);
    canal.nc.Valor = 0.03;
    canal.SetSc(0.002);
    canal.SetB(0.5);
    canal.Z.Valor = 1;
    canal.SetEH(20);
    TTipoSistema sistema;
    sistema.Tipo = 3;
    const TPedidoMeta pedido{TVariavelMeta::EH, TSaidaMeta::Hr, 30};
    TResultadoMeta resultado;
    for (auto _ : state) {
        resultado = BuscarMeta({canal, terreno, chuva, sistema}, pedido, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(resultado);
    }
    state.counters["dimensionamentos"] = resultado.Avaliacoes;
    state.counters["EH"] = resultado.Valor.value_or(0);
}

}  // namespace

BENCHMARK(BuscaEspacamento)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
    ->Unit(benchmark::kMillisecond);
