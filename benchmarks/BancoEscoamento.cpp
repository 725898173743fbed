// Timings of the runoff computations of the design without partial flooding: the hillslope of both worked
// examples, the slowest channel routing the main window allows, and one sensitivity series over the drain
// spacing. "nos/s" counts node updates per second; "exp+log" times the pair that every node update needs at
// least once (y^(5/3)), alone and in a dependent chain, so the distance from the arithmetic limit shows.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "ChuvaExemplo.h"
#include "design/uBalancoHidrico.h"
#include "design/uCanal.h"
#include "design/uCanalRoteamento.h"
#include "model/uEncostaCinematica.h"
#include "model/uPrecipitacao.h"
#include "platform/Aritmetica.h"

using namespace talvek;

namespace {

// First worked example: bare soil, VIB 20 mm/h, St 0.01, nt 0.1, 20 m.
TTerreno TerrenoSemCultivo() {
    TTerreno terreno;
    terreno.SetVIB(20);
    terreno.SetSt(0.01);
    terreno.nt.Valor = 0.1;
    return terreno;
}

// Second worked example: row crops, straight rows, good condition, VIB 60 mm/h, St 0.02, nt 0.05.
TTerreno TerrenoFileiras() {
    TTerreno terreno;
    terreno.Cobertura.UsoTerra.Indice = 1;
    terreno.Cobertura.Tratamento.Indice = 1;
    terreno.Cobertura.CondicaoHidrologica.Indice = 3;
    terreno.SetVIB(60);
    terreno.SetSt(0.02);
    terreno.nt.Valor = 0.05;
    return terreno;
}

TEncostaCinematica Encosta(const TTerreno& terreno, int comprimento) {
    TEncostaCinematica encosta;
    encosta.Atribuir(terreno);
    encosta.SetComprimento(comprimento);
    return encosta;
}

// Trapezoidal drain of the routing example: B 0.5 m, Z 1, n 0.03, slope 0.002.
TCanalDrenagem Canal(int comprimento, double EH) {
    TCanalDrenagem canal;
    canal.TipoCanal.Tipo = TTipoCanal::Trapezoidal;
    canal.SetComprimento(comprimento);
    canal.nc.Valor = 0.03;
    canal.SetSc(0.002);
    canal.SetB(0.5);
    canal.Z.Valor = 1;
    canal.SetEH(EH);
    return canal;
}

// Node updates of one hillslope computation: one time step per point after the first.
double AtualizacoesEncosta(const TEncostaCinematica& encosta, const THidrograma& h) {
    return (h.NumeroPontos() - 1.0) * (encosta.NumeroTrechos() - 1);
}

// Node updates of one routing: its time steps over every node but the upper end.
double AtualizacoesRoteamento(const TRoteamentoCanal& roteamento, std::uint16_t comprimento, double VIB) {
    return static_cast<double>(roteamento.Passos) * (MalhaCanal(comprimento, VIB).Nos - 1);
}

void Encosta(benchmark::State& state, const TTerreno& terreno, int comprimento) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TEncostaCinematica encosta = Encosta(terreno, comprimento);
    const int N = encosta.NumeroTrechos();
    double atualizacoes = 0;
    for (auto _ : state) {
        THidrograma h = encosta.GerarHidrograma(N, chuva);
        atualizacoes = AtualizacoesEncosta(encosta, h);
        benchmark::DoNotOptimize(h);
    }
    state.counters["nos/s"] = benchmark::Counter(atualizacoes, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["nos"] = atualizacoes;
}

// The second example's hillslope with its continuity ledger: the same steps, and what measuring them costs.
void EncostaMedidaSegundoExemplo(benchmark::State& state) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TEncostaCinematica encosta = Encosta(TerrenoFileiras(), 100);
    for (auto _ : state) benchmark::DoNotOptimize(encosta.GerarHidrogramaMedido(chuva));
}

void EncostaPrimeiroExemplo(benchmark::State& state) { Encosta(state, TerrenoSemCultivo(), 20); }
void EncostaSegundoExemplo(benchmark::State& state) { Encosta(state, TerrenoFileiras(), 100); }

// The slowest routing the window allows: 1500 m of drain on a field above 100 mm/h (1500 nodes,
// Δt = 0.02 min), fed by the second example's 100 m hillslope on a soil of 110 mm/h.
void RoteamentoMaisLento(benchmark::State& state) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TTerreno terreno = TerrenoFileiras();
    terreno.SetVIB(110);
    TEncostaCinematica encosta = Encosta(terreno, 100);
    const THidrograma h = encosta.GerarHidrograma(encosta.NumeroTrechos(), chuva);
    TCanalDrenagem canal = Canal(1500, 100);
    TRoteamentoCanal roteamento{};
    for (auto _ : state) {
        roteamento = canal.CalculaHidrogramaCanal(1500, h, 110, 0.02, 0.002, 0.03);
        benchmark::DoNotOptimize(roteamento);
    }
    const double atualizacoes = AtualizacoesRoteamento(roteamento, 1500, 110);
    state.counters["nos/s"] = benchmark::Counter(atualizacoes, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["nos"] = atualizacoes;
}

// One sensitivity series over the drain spacing: 21 sizings with EH = 10 … 210 m, each recomputing the
// hillslope, on the second example's field and the 100 m trapezoidal drain.
void SerieEspacamento(benchmark::State& state) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    const TTerreno terreno = TerrenoFileiras();
    TCanalDrenagem canal = Canal(100, 0);
    double atualizacoes = 0;
    for (int i = 0; i <= 20; ++i) {
        TEncostaCinematica encosta = Encosta(terreno, 10 * (i + 1));
        const THidrograma h = encosta.GerarHidrograma(encosta.NumeroTrechos(), chuva);
        const TRoteamentoCanal roteamento =
            canal.CalculaHidrogramaCanal(100, h, terreno.VIB(), terreno.St(), 0.002, 0.03);
        atualizacoes += AtualizacoesEncosta(encosta, h) + AtualizacoesRoteamento(roteamento, 100, terreno.VIB());
    }
    for (auto _ : state) {
        for (int i = 0; i <= 20; ++i)
            benchmark::DoNotOptimize(canal.DimensionarSemInundacao(terreno, chuva, 10.0 * (i + 1), 0.002, 0.03, 100));
    }
    state.counters["nos/s"] = benchmark::Counter(atualizacoes, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["nos"] = atualizacoes;
}

// The design without partial flooding, its measured run (hillslope ledger and the whole outlet hydrograph with
// the channel ledger) and its numerical uncertainty (the design again on the halved grids), on the second
// example's field: a 100 m trapezoidal drain, and the slowest drain the window allows (1500 m on 110 mm/h).
enum class Medida { Projeto, Balanco, Incerteza };

void Medir(benchmark::State& state, Medida medida, int comprimento, double VIB) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TTerreno terreno = TerrenoFileiras();
    terreno.SetVIB(VIB);
    TCanalDrenagem canal = Canal(comprimento, 100);
    const double Q = canal.DimensionarSemInundacao(terreno, chuva, 100, 0.002, 0.03, comprimento).Q;
    for (auto _ : state) {
        switch (medida) {
            case Medida::Projeto:
                benchmark::DoNotOptimize(canal.DimensionarSemInundacao(terreno, chuva, 100, 0.002, 0.03, comprimento));
                break;
            case Medida::Balanco:
                benchmark::DoNotOptimize(MedirSemInundacao(canal, terreno, chuva));
                break;
            case Medida::Incerteza:
                benchmark::DoNotOptimize(IncertezaNumerica(canal, terreno, chuva, Q));
                break;
        }
    }
}

void ProjetoDreno100(benchmark::State& state) { Medir(state, Medida::Projeto, 100, 60); }
void BalancoDreno100(benchmark::State& state) { Medir(state, Medida::Balanco, 100, 60); }
void IncertezaDreno100(benchmark::State& state) { Medir(state, Medida::Incerteza, 100, 60); }
void ProjetoDreno1500(benchmark::State& state) { Medir(state, Medida::Projeto, 1500, 110); }
void BalancoDreno1500(benchmark::State& state) { Medir(state, Medida::Balanco, 1500, 110); }
void IncertezaDreno1500(benchmark::State& state) { Medir(state, Medida::Incerteza, 1500, 110); }

// Bases and exponents of the routing's powers (y^(5/3), W^0.6, A^m), varied so that nothing folds.
struct Potencias {
    std::vector<double> bases, expoentes;
    Potencias() {
        for (int i = 0; i < 1024; ++i) {
            bases.push_back(1e-4 * (1 + i % 97));
            expoentes.push_back(i % 3 == 0 ? 5.0 / 3.0 : i % 3 == 1 ? 0.6 : 1.33);
        }
    }
};

// One exp and one log from the C library: the arithmetic floor of a node update.
void ExpLog(benchmark::State& state) {
    const Potencias p;
    for (auto _ : state)
        for (std::size_t i = 0; i < p.bases.size(); ++i)
            benchmark::DoNotOptimize(std::exp(p.expoentes[i] * std::log(p.bases[i])));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(p.bases.size()));
}

// The same pair when each base depends on the previous result, as node i depends on node i − 1 in the
// routing: the latency, not the throughput, of exp + log.
void ExpLogEncadeado(benchmark::State& state) {
    const Potencias p;
    double anterior = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < p.bases.size(); ++i) {
            anterior = std::exp(p.expoentes[i] * std::log(p.bases[i] + anterior * 1e-300));
            benchmark::DoNotOptimize(anterior);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(p.bases.size()));
}

// The checked power the model uses: the same exp and log with the fault tests around them.
void PotenciaVerificada(benchmark::State& state) {
    const Potencias p;
    for (auto _ : state)
        for (std::size_t i = 0; i < p.bases.size(); ++i) benchmark::DoNotOptimize(Potencia(p.bases[i], p.expoentes[i]));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(p.bases.size()));
}

}  // namespace

BENCHMARK(EncostaPrimeiroExemplo)->Unit(benchmark::kMillisecond);
BENCHMARK(EncostaSegundoExemplo)->Unit(benchmark::kMillisecond);
BENCHMARK(EncostaMedidaSegundoExemplo)->Unit(benchmark::kMillisecond);
BENCHMARK(RoteamentoMaisLento)->Unit(benchmark::kMillisecond);
BENCHMARK(SerieEspacamento)->Unit(benchmark::kMillisecond);
BENCHMARK(ProjetoDreno100)->Unit(benchmark::kMillisecond);
BENCHMARK(BalancoDreno100)->Unit(benchmark::kMillisecond);
BENCHMARK(IncertezaDreno100)->Unit(benchmark::kMillisecond);
BENCHMARK(ProjetoDreno1500)->Unit(benchmark::kMillisecond);
BENCHMARK(BalancoDreno1500)->Unit(benchmark::kMillisecond);
BENCHMARK(IncertezaDreno1500)->Unit(benchmark::kMillisecond);
BENCHMARK(ExpLog);
BENCHMARK(ExpLogEncadeado);
BENCHMARK(PotenciaVerificada);
