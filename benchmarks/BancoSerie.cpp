// Timings of the simulation series on the thread pool: the 21 spacing rows of the crop-field example, each
// rebuilding its hillslope, on 1, 2, 4 and the machine's threads. "aceleracao" is the one-thread time of the
// same run over this one; with n threads (up to 21) the target is at least n / 1.3.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

#include "project/Projeto.h"
#include "project/SerieSimulacao.h"

using namespace talvek;

namespace {

double segundosUmaThread = 0;  // mean wall time of one series on one thread, once measured

void SerieEspacamentoEmThreads(benchmark::State& state) {
    TProjeto projeto;
    LerProjeto(TALVEK_DADOS_TESTE "/Lavoura3.tvk", projeto.Objetos());
    const int threads = static_cast<int>(state.range(0));
    double segundos = 0;
    for (auto _ : state) {
        const auto inicio = std::chrono::steady_clock::now();
        const TSerieSimulacao serie =
            Simular(TEntradaSimulacao::EH, projeto.CanalDrenagem, projeto.Terreno, projeto.Nimbal1.Precipitacao, {},
                    nullptr, {.Threads = threads, .Parar = {}});
        segundos += std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
        benchmark::DoNotOptimize(serie.Linhas.data());
        if (serie.Linhas.size() != kLinhasSimulacao) state.SkipWithError("the series did not reach its 21 rows");
    }
    const double porSerie = segundos / static_cast<double>(state.iterations());
    if (threads == 1) segundosUmaThread = porSerie;
    if (segundosUmaThread > 0) state.counters["aceleracao"] = segundosUmaThread / porSerie;
    state.counters["linhas/s"] =
        benchmark::Counter(kLinhasSimulacao, benchmark::Counter::kIsIterationInvariantRate);
}

// 1, 2, 4 and the hardware's threads, each once, in increasing order (one thread first, for the ratio).
void Threads(benchmark::internal::Benchmark* banco) {
    const std::set<int> threads{1, 2, 4, static_cast<int>(std::max(1u, std::thread::hardware_concurrency()))};
    for (int n : threads) banco->Arg(n);
}

}  // namespace

BENCHMARK(SerieEspacamentoEmThreads)->Apply(Threads)->UseRealTime()->Unit(benchmark::kMillisecond);
