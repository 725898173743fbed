#include <gtest/gtest.h>

#include "ChuvaExemplo.h"
#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"

using namespace talvek;

namespace {

TTerreno Terreno(int uso, int tratamento, int condicao, double vib) {
    TTerreno terreno;
    terreno.Cobertura.UsoTerra.Indice = uso;
    terreno.Cobertura.Tratamento.Indice = tratamento;
    terreno.Cobertura.CondicaoHidrologica.Indice = condicao;
    terreno.SetVIB(vib);
    return terreno;
}

}  // namespace

TEST(Terreno, NovoOuLimpoEstaVazio) {
    TTerreno terreno = Terreno(4, 2, 3, 250);
    terreno.SetSt(0.02);
    terreno.nt = {0.1, 5};
    terreno.Limpar();
    TTerreno novo;
    for (const TTerreno* x : {&terreno, &novo}) {
        EXPECT_EQ(x->VIB(), 0);
        EXPECT_EQ(x->St(), 0);
        EXPECT_EQ(x->nt.Valor, 0);
        EXPECT_EQ(x->nt.Indice, 0);
        EXPECT_EQ(x->Cobertura.UsoTerra.Texto(), "Sem cultivo");
        EXPECT_EQ(x->Cobertura.Tratamento.Texto(), "");
        EXPECT_EQ(x->Cobertura.CondicaoHidrologica.Texto(), "");
    }
}

TEST(Terreno, SettersEAtribuicao) {
    TTerreno terreno;
    terreno.SetVIB(-5);
    EXPECT_EQ(terreno.VIB(), 0);
    terreno.SetSt(-0.01);  // stored as given
    EXPECT_EQ(terreno.St(), -0.01);

    TTerreno origem = Terreno(5, 1, 2, 12);
    origem.SetSt(0.03);
    origem.nt = {0.24, 7};
    origem.Identificador = "_x";
    terreno.Atribuir(origem);
    EXPECT_EQ(terreno.VIB(), 12);
    EXPECT_EQ(terreno.St(), 0.03);
    EXPECT_EQ(terreno.nt.Valor, 0.24);
    EXPECT_EQ(terreno.nt.Indice, 7);
    EXPECT_EQ(terreno.Cobertura.UsoTerra.Indice, 5);
    EXPECT_EQ(terreno.Cobertura.CondicaoHidrologica.Indice, 2);
    EXPECT_EQ(terreno.Identificador, "");
}

TEST(Terreno, TextosDosSeletores) {
    TTerreno t = Terreno(3, 2, 1, 0);
    EXPECT_EQ(t.Cobertura.UsoTerra.Texto(), "Leguminosas em fileiras estreitas");
    EXPECT_EQ(t.Cobertura.Tratamento.Texto(), "Com curvas de nível");
    EXPECT_EQ(t.Cobertura.CondicaoHidrologica.Texto(), "Má");
    t.Cobertura.UsoTerra.Indice = 5;
    t.Cobertura.Tratamento.Indice = 3;
    t.Cobertura.CondicaoHidrologica.Indice = 2;
    EXPECT_EQ(t.Cobertura.UsoTerra.Texto(), "Floresta");
    EXPECT_EQ(t.Cobertura.Tratamento.Texto(), "Curvas de nível e terraço");
    EXPECT_EQ(t.Cobertura.CondicaoHidrologica.Texto(), "Regular");
}

TEST(Terreno, CurvaNumeroPorCoberturaEColunaDeVIB) {
    struct Caso {
        int uso, tratamento, condicao;
        double vib;
        int cn;
    };
    const Caso casos[] = {
        // column bounds, land use 0 (any treatment and condition)
        {0, 0, 0, 0, 98}, {0, 3, 2, 3, 98}, {0, 0, 0, 3.0001, 97}, {0, 0, 0, 40, 97},
        {0, 0, 0, 40.0001, 94}, {0, 0, 0, 190, 94}, {0, 0, 0, 190.5, 89},
        // a few rows of each land use, every column
        {1, 1, 1, 1, 97}, {1, 1, 3, 20, 94}, {1, 2, 1, 100, 91}, {1, 3, 3, 200, 79},
        {2, 1, 1, 1, 95}, {2, 2, 1, 200, 80}, {2, 3, 3, 50, 85},
        {2, 2, 2, 1, 93}, {2, 2, 2, 20, 92}, {2, 2, 2, 50, 87}, {2, 2, 2, 200, 78},  // Regular as Boa
        {2, 2, 3, 200, 78}, {2, 2, 0, 1, 93},
        {3, 1, 3, 200, 76}, {3, 3, 3, 200, 70}, {3, 2, 1, 50, 88},
        {4, 1, 2, 200, 69}, {4, 2, 2, 200, 43}, {4, 2, 3, 250, 15}, {4, 1, 1, 3, 96},
        {5, 0, 1, 200, 65}, {5, 3, 2, 20, 87}, {5, 2, 3, 100, 74},
        // combinations without a row
        {1, 1, 2, 20, 0}, {2, 1, 2, 20, 0}, {3, 3, 2, 20, 0}, {4, 0, 1, 20, 0}, {4, 3, 3, 20, 0},
        {5, 1, 0, 20, 0}, {6, 0, 0, 20, 0}, {1, 0, 1, 20, 0},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(testing::Message() << caso.uso << '/' << caso.tratamento << '/' << caso.condicao
                                        << " VIB " << caso.vib);
        EXPECT_EQ(Terreno(caso.uso, caso.tratamento, caso.condicao, caso.vib).CurvaNumero(), caso.cn);
    }
}

TEST(Terreno, AbstracaoInicial) {
    EXPECT_NEAR(Terreno(0, 0, 0, 20).AbstracaoInicial(), 1.5711, 1e-4);   // CN 97
    EXPECT_NEAR(Terreno(4, 2, 3, 250).AbstracaoInicial(), 287.867, 1e-3);  // CN 15
    EXPECT_EQ(Terreno(1, 1, 2, 20).AbstracaoInicial(), 0);                   // CN 0
}

TEST(Terreno, ChuvaEfetivaDoExemplo) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    const TTerreno terreno = Terreno(0, 0, 0, 20);
    EXPECT_NEAR(terreno.TempoAbstracao(chuva), 0.38686, 1e-5);
    EXPECT_NEAR(chuva.TempoIntensidade(20), 49.9227, 1e-4);
    EXPECT_NEAR(terreno.PrecipitacaoEfetiva(chuva), 31.8138, 1e-4);
}

TEST(Terreno, SemEscoamentoQuandoVIBSuperaAIntensidadeInicial) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    const TTerreno comAbstracao = Terreno(0, 0, 0, 300);
    EXPECT_NEAR(chuva.TempoIntensidade(300), 0, 1e-7);
    EXPECT_EQ(comAbstracao.PrecipitacaoEfetiva(chuva), 0);

    const TTerreno semCN = Terreno(1, 1, 2, 300);  // CN 0: Ta about 0 as well
    EXPECT_NEAR(semCN.PrecipitacaoEfetiva(chuva), 0, 1e-6);
}
