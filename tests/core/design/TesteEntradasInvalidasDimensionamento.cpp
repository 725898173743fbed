// Designs that no iteration can settle: each ends with the sizing error rather than a frozen window.
// Rows of tests/ENTRADAS_INVALIDAS.md.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CanalExemplo.h"
#include "ChuvaExemplo.h"
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

// Each failure names its first failing input on the line below "Erro no dimensinamento dos canais".
TEST(EntradasInvalidas, DimensionamentoQueFalhaNomeiaACausa) {
    const struct {
        const char* nome;
        int tipo, tipoCanal;
        std::function<void(TCanalDrenagem&, TTerreno&, TPrecipitacaoExponencialNegativa&)> mudar;
        const char* causa;
    } casos[] = {
        {"declividade do canal nula", 2, 1, [](auto& c, auto&, auto&) { c.SetSc(0); },
         "Declividade do canal = 0: deve ser maior que zero."},
        {"tempo de drenagem nulo", 2, 1, [](auto& c, auto&, auto&) { c.SetTD(0); },
         "Tempo de drenagem = 0: deve ser maior que zero."},
        {"trapézio sem base nem faces", 2, 0, [](auto& c, auto&, auto&) { c.SetB(0); c.Z.Valor = 0; },
         "Inclinação da parede do canal (Z) = 0: deve ser maior que zero."},
        {"retângulo, sem inundação", 3, 0, [](auto& c, auto&, auto&) { c.Z.Valor = 0; },
         "Inclinação da parede do canal (Z) = 0: deve ser maior que zero."},
        {"murundum vertical", 2, 1, [](auto& c, auto&, auto&) { c.Sm.Valor = 0; },
         "Inclinação do murundum (Sm) = 0: deve ser maior que zero."},
        {"terreno plano", 3, 0, [](auto&, auto& t, auto&) { t.SetSt(0); },
         "Declividade do terreno = 0: deve ser maior que zero."},
        {"terreno liso", 3, 0, [](auto&, auto& t, auto&) { t.nt.Valor = 0; },
         "Rugosidade do terreno = 0: deve ser maior que zero."},
        {"faixa nula", 3, 0, [](auto& c, auto&, auto&) { c.SetEH(0); },
         "Espaçamento horizontal = 0: deve ser maior que zero."},
        {"canal nulo", 3, 0, [](auto& c, auto&, auto&) { c.SetComprimento(0); },
         "Comprimento do canal = 0: deve ser maior que zero."},
        {"canal além da malha do roteamento", 3, 0, [](auto& c, auto&, auto&) { c.SetComprimento(70000); },
         "Comprimento do canal = 70000 m: deve ser no máximo 65535 m."},
        {"chuva constante", 3, 0, [](auto&, auto&, auto& p) { p.SetC(0); },
         "Parâmetro c = 0: deve ser maior que zero."},
        {"chuva de intensidade inicial infinita", 3, 0, [](auto&, auto&, auto& p) { p.SetB(0); },
         "Parâmetro b = 0: deve ser maior que zero."},
        {"faixa de 400 km, 200 min de chuva", 3, 0, [](auto& c, auto& t, auto&) { c.SetEH(400000); t.SetVIB(5); },
         "Espaçamento horizontal (comprimento da encosta) = 400000 m: o cálculo da encosta passaria de 200 milhões "
         "de passos da malha."},
    };
    for (const auto& caso : casos) {
        TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
        TTerreno terreno;
        terreno.SetVIB(20);
        terreno.SetSt(0.01);
        terreno.nt.Valor = 0.1;
        TCanalDrenagem canal = CanalExemplo(static_cast<std::uint8_t>(caso.tipoCanal));
        caso.mudar(canal, terreno, chuva);
        try {
            canal.Dimensionar(terreno, chuva, Sistema(static_cast<std::uint8_t>(caso.tipo)));
            ADD_FAILURE() << caso.nome << ": sized, Q = " << canal.Q();
        } catch (const EDimensionamento& e) {
            EXPECT_STREQ(e.what(), "Erro no dimensinamento dos canais") << caso.nome;
            EXPECT_EQ(e.Causa(), caso.causa) << caso.nome;
        }
    }
}
