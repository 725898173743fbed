#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/uHidrograma.h"
#include "model/uRegressao.h"
#include "platform/Excecoes.h"

using namespace talvek;

namespace {

THidrograma Hidrograma(const std::vector<TPontoHidrograma>& pontos) {
    THidrograma h;
    for (const TPontoHidrograma& p : pontos) h.Adicionar(p.Tempo, p.Vazao);
    return h;
}

std::vector<double> Vazoes(const THidrograma& h) {
    std::vector<double> v;
    for (const TPontoHidrograma& p : h.Pontos()) v.push_back(p.Vazao);
    return v;
}

}  // namespace

TEST(Hidrograma, VazaoNoTempoInterpolaEZeraForaDoIntervalo) {
    EXPECT_EQ(THidrograma().VazaoNoTempo(1), 0);

    const THidrograma h = Hidrograma({{0, 0}, {1, 10}, {2, 20}, {3, 0}});
    const struct {
        double t, vazao;
    } casos[] = {
        {1.5, 15}, {2, 20}, {1, 10}, {0.25, 2.5}, {2.5, 10}, {0, 0}, {3, 0}, {3.5, 0}, {-1, 0},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.t);
        EXPECT_DOUBLE_EQ(h.VazaoNoTempo(caso.t), caso.vazao);
    }
}

TEST(Hidrograma, VazaoNoTempoComDoisPontosEUmPonto) {
    const THidrograma dois = Hidrograma({{1, 4}, {3, 8}});
    EXPECT_DOUBLE_EQ(dois.VazaoNoTempo(2), 6);
    const THidrograma um = Hidrograma({{1, 4}});
    EXPECT_EQ(um.VazaoNoTempo(1), 0);
    EXPECT_EQ(um.VazaoNoTempo(0.5), 0);
}

TEST(Hidrograma, LimparEsvazia) {
    THidrograma h = Hidrograma({{0, 0}, {1, 10}, {2, 0}});
    h.Limpar();
    EXPECT_EQ(h.NumeroPontos(), 0);
    EXPECT_TRUE(h.Pontos().empty());
    EXPECT_EQ(h.VazaoNoTempo(1), 0);
}

TEST(Hidrograma, AjustarRecessaoEndireitaARessubida) {
    const struct {
        const char* nome;
        std::vector<double> antes, depois;
    } casos[] = {
        {"re-rise at index 3", {0, 5, 3, 4, 2, 0}, {0, 5, 3, 2, 1, 0}},
        {"rises then falls", {0, 5, 7, 4, 2, 0}, {0, 5, 7, 4, 2, 0}},
        {"only rises", {0, 1, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5}},
        {"equal flows are no turn", {0, 5, 5, 3, 3, 0}, {0, 5, 5, 3, 3, 0}},
        {"re-rise at the last point", {0, 5, 3, 2, 1, 4}, {0, 5, 3, 2, 1, 4}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        THidrograma h;
        for (std::size_t i = 0; i < caso.antes.size(); ++i) h.Adicionar(static_cast<double>(i), caso.antes[i]);
        h.AjustarRecessao();
        EXPECT_EQ(Vazoes(h), caso.depois);
    }
}

TEST(Hidrograma, VolumeEAIntegralTrapezoidal) {
    // 0 → 10 L/s over 1 min, 10 L/s for 1 min, 10 → 0 over 2 min: (5 + 10 + 10) · 60 L.
    const THidrograma h = Hidrograma({{0, 0}, {1, 10}, {2, 10}, {4, 0}});
    EXPECT_DOUBLE_EQ(h.Volume(), 1500);
    EXPECT_EQ(THidrograma().Volume(), 0);
}

// Regression: the point counter is 16 bits wide; the 65536th point must be refused, not wrap to 0.
TEST(Hidrograma, PontoAlemDoContadorERecusado) {
    THidrograma h;
    for (int i = 0; i < THidrograma::kMaximoPontos; ++i) h.Adicionar(i, 1);
    EXPECT_EQ(h.NumeroPontos(), 65535);
    try {
        h.Adicionar(65535, 1);
        ADD_FAILURE() << "the 65536th point was accepted";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "O hidrograma atingiu o limite de 65535 pontos.");
    }
    EXPECT_EQ(h.NumeroPontos(), 65535);
    EXPECT_EQ(h.Pontos().back().Tempo, 65534);
}

TEST(Regressao, LinearPorTresPontos) {
    TRegressao r(3);
    r.X = {1, 2, 4};
    r.Y = {2, 4, 8};
    double A = -1, B = -1;
    r.RegressaoLinear(A, B);
    EXPECT_NEAR(A, 0, 1e-12);
    EXPECT_DOUBLE_EQ(B, 2);

    r.Y = {5, 3, -1};  // y = 7 − 2x
    r.RegressaoLinear(A, B);
    EXPECT_NEAR(A, 7, 1e-12);
    EXPECT_NEAR(B, -2, 1e-12);
}

TEST(Regressao, PotenciaEmLogaritmosDecimais) {
    TRegressao r(3);
    r.X = {1, 2, 3};
    r.Y = {3, 12, 27};  // 3 · x²
    double A = 0, B = 0;
    r.RegressaoPotencia(A, B);
    EXPECT_NEAR(A, 3, 1e-12);
    EXPECT_NEAR(B, 2, 1e-12);
    EXPECT_EQ(r.X[1], 2);  // the samples are not replaced by their logarithms
}

TEST(Regressao, PotenciaTomaYNuloComoLogaritmoZero) {
    // log10 pairs (0, 0), (1, 0), (2, 2): slope 1, intercept −1/3.
    TRegressao r(3);
    r.X = {1, 10, 100};
    r.Y = {0, 1, 100};
    double A = 0, B = 0;
    r.RegressaoPotencia(A, B);
    EXPECT_NEAR(B, 1, 1e-12);
    EXPECT_NEAR(A, std::pow(10.0, -1.0 / 3.0), 1e-12);
}

TEST(Regressao, AmostrasInvalidasSaoFalhaAritmetica) {
    double A, B;
    TRegressao vazia(0);
    EXPECT_THROW(vazia.RegressaoLinear(A, B), EAritmetica);

    TRegressao iguais(3);
    iguais.X = {2, 2, 2};
    iguais.Y = {1, 2, 3};
    EXPECT_THROW(iguais.RegressaoLinear(A, B), EAritmetica);

    TRegressao xNulo(2);
    xNulo.X = {0, 1};
    xNulo.Y = {1, 2};
    EXPECT_THROW(xNulo.RegressaoPotencia(A, B), EAritmetica);

    TRegressao yNegativo(2);
    yNegativo.X = {1, 2};
    yNegativo.Y = {1, -2};
    EXPECT_THROW(yNegativo.RegressaoPotencia(A, B), EAritmetica);
}

TEST(Regressao, DefinirNumeroPontosMantemOsPrimeiros) {
    TRegressao r(2);
    r.X = {1, 2};
    r.Y = {3, 4};
    r.DefinirNumeroPontos(3);
    EXPECT_EQ(r.NumeroPontos(), 3);
    EXPECT_EQ(r.X, (std::vector<double>{1, 2, 0}));
    EXPECT_EQ(r.Y, (std::vector<double>{3, 4, 0}));
}
