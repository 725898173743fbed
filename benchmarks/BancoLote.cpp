// Throughput of talvek-calc lote: a sheet of 1000 varied drains (both system types, both sections, fields
// and spacings of a real farm's range) sized on one thread and on all the hardware's. "projetos/s" counts
// designs per second of wall time; on the run with several threads, "razao" is its throughput over the
// one-thread run's and "eficiencia" that ratio over the thread count (1 for a perfect pool).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "platform/Paralelo.h"
#include "project/Lote.h"

using namespace talvek;

namespace {

constexpr int kLinhas = 1000;

// Every value from the sheet, so the base is a new project: a storm of the Lavras range, fields of 2 to 7 %
// slope and 5 to 45 mm/h VIB, strips of 12 to 42 m, drains of 100 to 590 m; one row in five floods partially.
std::string PlanilhaVariada() {
    std::string planilha = "Tipo;Tr;K;A;Bchuva;C;IndUso;IndCond;IndTrat;VIB;St;nt;TipoCanal;Bcanal;Z;Sm;"
                           "Comprimento;Sc;nc;EH;EV;TD;CDu\n";
    for (int i = 0; i < kLinhas; ++i) {
        const bool trapezio = i % 3 == 0;
        planilha += std::string(i % 5 == 4 ? "2" : "3") + ";10;1234,5;0,18;12;0,85;" + std::to_string(i % 6) + ";" +
                    std::to_string(i % 4) + ";" + std::to_string(i / 7 % 4) + ";" + std::to_string(5 + i % 9 * 5) +
                    ";0,0" + std::to_string(2 + i % 6) + ";0,1;" + (trapezio ? "0;0,4;1;;" : "1;;;0,4;") +
                    std::to_string(100 + i % 50 * 10) + ";0,002;0,03;" + std::to_string(12 + i % 31) + ";0,4;24;1,2\n";
    }
    return planilha;
}

double ProjetosPorSegundoEmUmaThread = 0;  // from the one-thread run, which is registered first

void BancoLote(benchmark::State& estado) {
    const int threads = static_cast<int>(estado.range(0));
    const TLote lote = PrepararLote(LerPlanilha(PlanilhaVariada()));
    const TCasoLote base{};
    double segundos = 0;
    std::size_t falhas = 0;
    for (auto _ : estado) {
        const auto inicio = std::chrono::steady_clock::now();
        const std::vector<TResultadoLote> resultados = ExecutarLote(base, lote, threads);
        segundos += std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
        falhas = static_cast<std::size_t>(
            std::count_if(resultados.begin(), resultados.end(), [](const TResultadoLote& r) { return !r.Erro.empty(); }));
    }
    const double porSegundo = static_cast<double>(estado.iterations()) * kLinhas / segundos;
    estado.counters["projetos/s"] = porSegundo;
    estado.counters["threads"] = threads;
    estado.counters["falhas"] = static_cast<double>(falhas);  // rows not sized: 0 for a sheet that measures sizing
    if (threads == 1) {
        ProjetosPorSegundoEmUmaThread = porSegundo;
    } else if (ProjetosPorSegundoEmUmaThread > 0) {
        estado.counters["razao"] = porSegundo / ProjetosPorSegundoEmUmaThread;
        estado.counters["eficiencia"] = porSegundo / ProjetosPorSegundoEmUmaThread / threads;
    }
}

}  // namespace

BENCHMARK(BancoLote)->Arg(1)->Arg(NumeroDeThreads())->UseRealTime()->Unit(benchmark::kMillisecond);
