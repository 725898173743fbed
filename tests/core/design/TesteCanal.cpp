#include <gtest/gtest.h>

#include <cmath>

#include "CanalExemplo.h"
#include "ChuvaExemplo.h"
#include "design/uCanal.h"
#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"

using namespace talvek;

namespace {

// Land use 0 with VIB 20 mm/h under the example storm: rainfall excess ≈ 31.8138 mm.
TTerreno TerrenoExemplo() {
    TTerreno terreno;
    terreno.SetVIB(20);
    terreno.SetSt(0.02);
    return terreno;
}

}  // namespace

TEST(Canal, NovoOuLimpoETrapezoidalVazio) {
    TCanalDrenagem usado = CanalExemplo(TTipoCanal::Triangular);
    usado.SetCDu(1.4);
    usado.SetQ(3);
    usado.Sm.Indice = 3;
    usado.nc.Indice = 2;
    usado.Limpar();
    TCanalDrenagem novo;
    for (TCanalDrenagem* c : {&novo, &usado}) {
        EXPECT_EQ(c->TipoCanal.Tipo, TTipoCanal::Trapezoidal);
        EXPECT_EQ(c->CDu(), 1);
        EXPECT_EQ(c->B(), 0);
        EXPECT_EQ(c->H(), 0);
        EXPECT_EQ(c->Hr(), 0);
        EXPECT_EQ(c->Q(), 0);
        EXPECT_EQ(c->Sc(), 0);
        EXPECT_EQ(c->Comprimento(), 0);
        EXPECT_EQ(c->EH(), 0);
        EXPECT_EQ(c->EV(), 0);
        EXPECT_EQ(c->TD(), 0);
        EXPECT_EQ(c->Sm.Indice, -1);
        EXPECT_EQ(c->Z.Indice, -1);
        EXPECT_EQ(c->nc.Indice, 0);
        EXPECT_EQ(c->nc.Valor, 0);
    }
    TCanal simples;
    EXPECT_EQ(simples.TipoCanal.Tipo, TTipoCanal::Triangular);
}

TEST(Canal, SettersLimitamSemAvisar) {
    TCanalDrenagem c;
    struct Caso {
        const char* nome;
        void (*aplicar)(TCanalDrenagem&, double);
        double (*ler)(const TCanalDrenagem&);
        double entrada, esperado;
    };
    const Caso casos[] = {
        {"B", [](TCanalDrenagem& x, double v) { x.SetB(v); }, [](const TCanalDrenagem& x) { return x.B(); }, -1, 0},
        {"H", [](TCanalDrenagem& x, double v) { x.SetH(v); }, [](const TCanalDrenagem& x) { return x.H(); }, -1, 0},
        {"Hr 0", [](TCanalDrenagem& x, double v) { x.SetHr(v); }, [](const TCanalDrenagem& x) { return x.Hr(); }, 0, 0},
        {"Hr", [](TCanalDrenagem& x, double v) { x.SetHr(v); }, [](const TCanalDrenagem& x) { return x.Hr(); }, -3, 0},
        {"CDu 0.8", [](TCanalDrenagem& x, double v) { x.SetCDu(v); }, [](const TCanalDrenagem& x) { return x.CDu(); }, 0.8, 1},
        {"CDu 1.5", [](TCanalDrenagem& x, double v) { x.SetCDu(v); }, [](const TCanalDrenagem& x) { return x.CDu(); }, 1.5, 1.5},
        {"Sc", [](TCanalDrenagem& x, double v) { x.SetSc(v); }, [](const TCanalDrenagem& x) { return x.Sc(); }, -0.01, -0.01},
        {"Q", [](TCanalDrenagem& x, double v) { x.SetQ(v); }, [](const TCanalDrenagem& x) { return x.Q(); }, -2, 0},
        {"EH", [](TCanalDrenagem& x, double v) { x.SetEH(v); }, [](const TCanalDrenagem& x) { return x.EH(); }, -2, 0},
        {"EV", [](TCanalDrenagem& x, double v) { x.SetEV(v); }, [](const TCanalDrenagem& x) { return x.EV(); }, -2, 0},
        {"TD", [](TCanalDrenagem& x, double v) { x.SetTD(v); }, [](const TCanalDrenagem& x) { return x.TD(); }, -2, 0},
        {"TD ok", [](TCanalDrenagem& x, double v) { x.SetTD(v); }, [](const TCanalDrenagem& x) { return x.TD(); }, 24, 24},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        caso.aplicar(c, caso.entrada);
        EXPECT_EQ(caso.ler(c), caso.esperado);
    }
    c.SetComprimento(-5);
    EXPECT_EQ(c.Comprimento(), 0);
}

TEST(Canal, TextosDosTipos) {
    EXPECT_EQ(Sistema(2).Texto(), "Drenagem de Superfície com Inundação Parcial");
    EXPECT_EQ(Sistema(3).Texto(), "Drenagem de Superfície sem Inundação Parcial");
    TTipoCanal tipo;
    EXPECT_EQ(tipo.Texto(), "Triangular");
    tipo.Tipo = TTipoCanal::Trapezoidal;
    EXPECT_EQ(tipo.Texto(), "Trapezoidal");
}

TEST(DimensionamentoComInundacao, SecaoTrapezoidalDoExemplo) {
    TCanalDrenagem canal = CanalExemplo(TTipoCanal::Trapezoidal);
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    canal.Dimensionar(TerrenoExemplo(), chuva, Sistema(2));
    EXPECT_NEAR(canal.Q(), 0.73643, 1e-5);  // L/s
    EXPECT_NEAR(canal.H(), 0.015784, 1e-6);  // m

    const TNewtonProfundidade r = ProfundidadeTrapezoidal(7.3643e-4, 0.03, 0.002, 0.5, 1, 10.0);
    EXPECT_EQ(r.Passos, 17);
    const double area = r.H * (0.5 + r.H);
    EXPECT_NEAR(Manning(area, 0.5 + 2 * r.H * std::sqrt(2.0), 0.03, 0.002), 7.3643e-4, 1e-9);
}

TEST(DimensionamentoComInundacao, SecaoTriangularDoExemploReproduzAVazao) {
    TCanalDrenagem canal = CanalExemplo(TTipoCanal::Triangular);
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    canal.Dimensionar(TerrenoExemplo(), chuva, Sistema(2));
    EXPECT_NEAR(canal.Q(), 0.73643, 1e-5);
    EXPECT_NEAR(canal.H(), 0.020198, 1e-6);

    const TFatoresTriangulo fatores = FatoresTriangulo(0.02, 0.5);
    EXPECT_DOUBLE_EQ(fatores.kA, 26);
    EXPECT_NEAR(fatores.kP, 52.246, 1e-3);
    const double kA = (1 / 0.02 + 1 / 0.5) / 2;
    const double kP = std::sqrt(1 + 1 / (0.02 * 0.02)) + std::sqrt(1 + 1 / (0.5 * 0.5));
    const double y = canal.H();
    EXPECT_NEAR(Manning(kA * y * y, kP * y, 0.03, 0.002) * 1000, canal.Q(), 1e-9);
}

TEST(DimensionamentoComInundacao, AlturaRecomendada) {
    EXPECT_NEAR(AlturaRecomendada(0.015784, 1.2), 11.729, 1e-3);
    EXPECT_DOUBLE_EQ(AlturaRecomendada(0.015784, 1), 1.5784 + 10);
}

TEST(DimensionamentoComInundacao, SemEscoamentoDaVazaoNula) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TTerreno seco = TerrenoExemplo();
    seco.SetVIB(300);  // above the storm's initial intensity: no rainfall excess

    TCanalDrenagem triangular = CanalExemplo(TTipoCanal::Triangular);
    triangular.Dimensionar(seco, chuva, Sistema(2));
    EXPECT_EQ(triangular.Q(), 0);
    EXPECT_EQ(triangular.H(), 0);

    TCanalDrenagem trapezoidal = CanalExemplo(TTipoCanal::Trapezoidal);
    trapezoidal.Dimensionar(seco, chuva, Sistema(2));
    EXPECT_EQ(trapezoidal.Q(), 0);
    EXPECT_GT(trapezoidal.H(), 0);
    EXPECT_LT(trapezoidal.H(), 1e-7);
    const TNewtonProfundidade r = ProfundidadeTrapezoidal(0, 0.03, 0.002, 0.5, 1, 10.0);
    EXPECT_EQ(r.Passos, 27);
    EXPECT_NEAR(r.H, 3.4e-8, 0.1e-8);
}

// Regression: a cover without a curve-number row (CN 0) and a VIB above the storm's initial intensity
// leave a rainfall excess a hair below zero; that is no runoff, not a failed design.
TEST(DimensionamentoComInundacao, ResiduoNegativoDaChuvaEfetivaNaoFalha) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TTerreno semCN = TerrenoExemplo();
    semCN.Cobertura.UsoTerra.Indice = 1;
    semCN.Cobertura.Tratamento.Indice = 1;
    semCN.Cobertura.CondicaoHidrologica.Indice = 2;
    semCN.SetVIB(300);
    ASSERT_LT(semCN.PrecipitacaoEfetiva(chuva), 0);
    for (std::uint8_t tipo : {TTipoCanal::Triangular, TTipoCanal::Trapezoidal}) {
        TCanalDrenagem canal = CanalExemplo(tipo);
        ASSERT_NO_THROW(canal.Dimensionar(semCN, chuva, Sistema(2)));
        EXPECT_EQ(canal.Q(), 0);
        EXPECT_LT(canal.H(), 1e-7);
    }
}

TEST(DimensionamentoComInundacao, EntradasImpossiveisFalhamComEDimensionamento) {
    struct Caso {
        const char* nome;
        std::uint8_t tipo;
        void (*estragar)(TCanalDrenagem&, TTerreno&);
    };
    const Caso casos[] = {
        {"TD nulo", TTipoCanal::Triangular, [](TCanalDrenagem& c, TTerreno&) { c.SetTD(0); }},
        {"St nulo", TTipoCanal::Triangular, [](TCanalDrenagem&, TTerreno& t) { t.SetSt(0); }},
        {"Sm nulo", TTipoCanal::Triangular, [](TCanalDrenagem& c, TTerreno&) { c.Sm.Valor = 0; }},
        {"Sc nulo triangular", TTipoCanal::Triangular, [](TCanalDrenagem& c, TTerreno&) { c.SetSc(0); }},
        {"Sc nulo trapezoidal", TTipoCanal::Trapezoidal, [](TCanalDrenagem& c, TTerreno&) { c.SetSc(0); }},
        {"B e Z nulos", TTipoCanal::Trapezoidal,
         [](TCanalDrenagem& c, TTerreno&) {
             c.SetB(0);
             c.Z.Valor = 0;
         }},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
        TCanalDrenagem canal = CanalExemplo(caso.tipo);
        TTerreno terreno = TerrenoExemplo();
        caso.estragar(canal, terreno);
        try {
            canal.Dimensionar(terreno, chuva, Sistema(2));
            ADD_FAILURE() << "sizing did not fail";
        } catch (const EDimensionamento& e) {
            EXPECT_STREQ(e.what(), "Erro no dimensinamento dos canais");
        }
        EXPECT_EQ(canal.H(), 0);  // regression: a failed Newton left its last iterate as the design depth
    }
}

TEST(DimensionamentoComInundacao, SistemasNaoDimensionadosDeixamHNuloEQIntacto) {
    for (std::uint8_t tipo : {0, 1}) {
        TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
        TCanalDrenagem canal = CanalExemplo(TTipoCanal::Trapezoidal);
        canal.SetH(0.3);
        canal.SetQ(4.5);
        canal.Dimensionar(TerrenoExemplo(), chuva, Sistema(tipo));
        EXPECT_EQ(canal.H(), 0);
        EXPECT_EQ(canal.Q(), 4.5);
    }
}
