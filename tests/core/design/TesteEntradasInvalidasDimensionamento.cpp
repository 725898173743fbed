// Designs that no iteration can settle: each ends with the sizing error rather than a frozen window.
// Rows of tests/ENTRADAS_INVALIDAS.md.
#include <gtest/gtest.h>

#include <string>

#include "design/uCanal.h"
#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"

using namespace talvek;

namespace {

struct Caso {
    const char* nome;
    int tipo;           // system type
    double c;           // exponent of the duration
    double VIB;         // mm/h
    double nt;          // terrain roughness
    double Sc;          // channel slope, m/m
    double EH;          // strip width, m
};

// The message the Calculate action shows, or the flow (L/s) when the run ends with a design.
std::string Dimensionar(const Caso& caso) {
    TPrecipitacaoExponencialNegativa chuva;
    chuva.SetTr(98);
    chuva.SetK(5888);
    chuva.SetA(0.39);
    chuva.SetB(39);
    chuva.SetC(caso.c);
    TTerreno terreno;
    terreno.SetVIB(caso.VIB);
    terreno.SetSt(0.196);
    terreno.nt.Valor = caso.nt;
    TCanalDrenagem canal;
    canal.TipoCanal.Tipo = TTipoCanal::Triangular;
    canal.Sm.Valor = 0.418;
    canal.nc.Valor = 0.03;
    canal.SetSc(caso.Sc);
    canal.SetComprimento(300);
    canal.SetEH(caso.EH);
    canal.SetTD(24);
    TTipoSistema sistema;
    sistema.Tipo = static_cast<std::uint8_t>(caso.tipo);
    try {
        canal.Dimensionar(terreno, chuva, sistema);
    } catch (const EDimensionamento& e) {
        return e.what();
    }
    return "Q = " + std::to_string(canal.Q());
}

}  // namespace

TEST(EntradasInvalidas, DimensionamentoSemSolucaoDaOErroDeDimensionamento) {
    const Caso casos[] = {
        // A storm of constant intensity never falls to the infiltration rate: runoff has no end.
        {"c = 0, sem inundação", 3, 0, 10, 0.1, 0.002, 20},
        // Intensity that falls so slowly that the strip runs until the hydrograph is full (65535 points).
        {"c = 0,514 e VIB = 147 mm/h", 3, 0.514, 147, 0.0196, 0.002, 20},
        // Manning's equation without roughness or without slope.
        {"rugosidade do terreno nula", 3, 0.85, 10, 0, 0.002, 20},
        {"declividade do canal nula, sem inundação", 3, 0.85, 10, 0.1, 0, 20},
        {"declividade do canal nula, com inundação", 2, 0.85, 10, 0.1, 0, 20},
        {"faixa de largura nula", 3, 0.85, 10, 0.1, 0.002, 0},
    };
    for (const Caso& caso : casos) EXPECT_EQ(Dimensionar(caso), "Erro no dimensinamento dos canais") << caso.nome;
}
