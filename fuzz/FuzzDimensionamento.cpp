// The design run on random designs: field, storm and drain values as the data-entry page or a project
// file give them (mostly within the ranges engineers use, sometimes any value at all), for both system
// types and both section types. Run with a timeout, it shows that no input keeps a Newton iteration, a
// bisection, the hillslope or the channel routing going without end.
// Invariants:
// - only the program's own exceptions leave the run (a sizing failure is EDimensionamento);
// - a run that ends gives a finite, non-negative flow and flow height.
#include <cmath>
#include <string>

#include "ComumFuzz.h"
#include "design/uCanal.h"
#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"
#include "platform/Numeros.h"

using namespace talvek;
using namespace talvek::fuzz;

namespace {

// A value between `minimo` and `maximo` most of the time; now and then zero, a negative, twice the maximum
// or (unless `qualquer` is false) any double at all.
double Valor(FuzzedDataProvider& dados, double minimo, double maximo, bool qualquer = true) {
    switch (dados.ConsumeIntegralInRange(0, 15)) {
        case 0: return 0;
        case 1: return -minimo - 1;
        case 2: return qualquer ? dados.ConsumeFloatingPoint<double>() : maximo;
        case 3: return maximo * 2;
        default: return dados.ConsumeFloatingPointInRange(minimo, maximo);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider dados(data, size);
    TTipoSistema sistema;
    sistema.Tipo = dados.ConsumeBool() ? 2 : 3;

    TPrecipitacaoExponencialNegativa chuva;
    TTerreno terreno;
    TCanalDrenagem canal;
    std::string resumo;
    const auto anotar = [&resumo](const char* nome, double valor) {
        resumo += std::string(nome) + "=" + FormatarGeral(valor) + " ";
        return valor;
    };
    // The storm's setters refuse negatives with a message, as the page shows it.
    const bool chuvaAceita = Executar([&] {
        chuva.SetTr(anotar("Tr", Valor(dados, 1, 100)));
        chuva.SetK(anotar("K", Valor(dados, 300, 6000)));
        chuva.SetA(anotar("a", Valor(dados, 0.05, 0.4)));
        chuva.SetB(anotar("b", Valor(dados, 1, 40)));
        chuva.SetC(anotar("c", Valor(dados, 0.5, 1.1)));
    });
    if (!chuvaAceita) return 0;
    terreno.SetVIB(anotar("VIB", Valor(dados, 0.5, 150)));
    terreno.SetSt(anotar("St", Valor(dados, 0.0005, 0.2)));
    terreno.nt.Valor = anotar("nt", Valor(dados, 0.01, 0.5));
    terreno.Cobertura.UsoTerra.Indice = dados.ConsumeIntegralInRange<uint8_t>(0, 5);
    terreno.Cobertura.CondicaoHidrologica.Indice = dados.ConsumeIntegralInRange<uint8_t>(0, 3);
    terreno.Cobertura.Tratamento.Indice = dados.ConsumeIntegralInRange<uint8_t>(0, 3);

    canal.TipoCanal.Tipo = dados.ConsumeBool() ? TTipoCanal::Triangular : TTipoCanal::Trapezoidal;
    // The run's time grows with the strip width and the channel length (nodes every metre or less, every
    // time step, up to the step caps): they stay within 400 m and 800 m here, so that the timeout catches a
    // loop without end rather than a long strip.
    canal.SetEH(anotar("EH", Valor(dados, 2, 200, false)));
    canal.SetEV(anotar("EV", Valor(dados, 0.05, 2)));
    canal.SetTD(anotar("TD", Valor(dados, 1, 72)));
    canal.SetSc(anotar("Sc", Valor(dados, 0.0001, 0.01)));
    canal.nc.Valor = anotar("nc", Valor(dados, 0.01, 0.1));
    canal.SetB(anotar("B", Valor(dados, 0, 2)));
    canal.Z.Valor = anotar("Z", Valor(dados, 0.5, 4));
    canal.Sm.Valor = anotar("Sm", Valor(dados, 0.1, 2));
    canal.SetComprimento(static_cast<int32_t>(anotar("Comprimento", Valor(dados, 10, 400, false))));

    // Replaying an input that ran too long: TALVEK_FUZZ_MOSTRAR=1 build-fuzz/fuzz/fuzz_dimensionamento FILE
    if (std::getenv("TALVEK_FUZZ_MOSTRAR")) std::fprintf(stderr, "tipo %d, canal %d: %s\n", sistema.Tipo, canal.TipoCanal.Tipo, resumo.c_str());
    if (!Executar([&] { canal.Dimensionar(terreno, chuva, sistema); })) return 0;
    Exigir(std::isfinite(canal.Q()) && canal.Q() >= 0, "a vazão de projeto é finita e não negativa",
           resumo + "Q=" + FormatarGeral(canal.Q()));
    Exigir(std::isfinite(canal.H()) && canal.H() >= 0, "a altura do escoamento é finita e não negativa",
           resumo + "H=" + FormatarGeral(canal.H()));
    return 0;
}
