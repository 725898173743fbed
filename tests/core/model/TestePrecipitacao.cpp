#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ChuvaExemplo.h"
#include "model/uPrecipitacao.h"
#include "platform/Excecoes.h"

using namespace talvek;

namespace {

struct SerieGravada : ISerieGrafico {
    std::vector<std::pair<double, double>> pontos;
    int limpezas = 0;
    void Limpar() override {
        pontos.clear();
        ++limpezas;
    }
    void Adicionar(double x, double y) override { pontos.emplace_back(x, y); }
};

}  // namespace

TEST(Precipitacao, NovaChuvaEstaVaziaComNumeradorIndefinido) {
    TPrecipitacaoExponencialNegativa chuva;
    EXPECT_EQ(chuva.Tr(), 0);
    EXPECT_EQ(chuva.K(), 0);
    EXPECT_EQ(chuva.A(), 0);
    EXPECT_EQ(chuva.B(), 0);
    EXPECT_EQ(chuva.C(), 0);
    EXPECT_EQ(chuva.Numerador(), -1);
    EXPECT_EQ(chuva.Duracao, 0);
    EXPECT_EQ(chuva.PrecipitacaoTotal, 0);

    TPrecipitacaoExponencialNegativa comIdentificador("_2");
    EXPECT_EQ(comIdentificador.Identificador, "_2");
    EXPECT_EQ(comIdentificador.Numerador(), -1);
}

TEST(Precipitacao, SettersRecusamNegativosEAceitamZero) {
    using Setter = void (TPrecipitacaoExponencialNegativa::*)(double);
    using Leitor = double (TPrecipitacaoExponencialNegativa::*)() const;
    struct Caso {
        Setter set;
        Leitor get;
        const char* mensagem;
    };
    const Caso casos[] = {
        {&TPrecipitacaoExponencialNegativa::SetTr, &TPrecipitacaoExponencialNegativa::Tr,
         "O valor do tempo de retorno (Tr) deve ser maior que zero."},
        {&TPrecipitacaoExponencialNegativa::SetK, &TPrecipitacaoExponencialNegativa::K,
         "O valor do parâmetro \"K\" deve ser maior que zero."},
        {&TPrecipitacaoExponencialNegativa::SetA, &TPrecipitacaoExponencialNegativa::A,
         "O valor do parâmetro \"a\" deve ser maior que zero."},
        {&TPrecipitacaoExponencialNegativa::SetB, &TPrecipitacaoExponencialNegativa::B,
         "O valor do parâmetro \"b\" deve ser maior que zero."},
        {&TPrecipitacaoExponencialNegativa::SetC, &TPrecipitacaoExponencialNegativa::C,
         "O valor do parâmetro \"c\" deve ser maior que zero."},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.mensagem);
        TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
        const double antes = (chuva.*caso.get)();
        try {
            (chuva.*caso.set)(-1);
            ADD_FAILURE() << "negative value accepted";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), caso.mensagem);
        }
        EXPECT_EQ((chuva.*caso.get)(), antes);
        EXPECT_NEAR(chuva.Numerador(), 1584.893, 1e-3);
        (chuva.*caso.set)(0);
        EXPECT_EQ((chuva.*caso.get)(), 0);
    }
}

TEST(Precipitacao, NumeradorSoExisteComKTrEAPositivos) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    EXPECT_NEAR(chuva.Numerador(), 1584.893, 1e-3);
    chuva.SetTr(0);
    EXPECT_EQ(chuva.Numerador(), -1);
    chuva.SetTr(10);
    chuva.SetA(0);
    EXPECT_EQ(chuva.Numerador(), -1);
    chuva.SetA(0.2);
    chuva.SetB(0);  // B and C do not enter the numerator
    EXPECT_NEAR(chuva.Numerador(), 1584.893, 1e-3);
    chuva.Limpar();
    EXPECT_EQ(chuva.Numerador(), -1);
    EXPECT_EQ(chuva.K(), 0);
}

TEST(Precipitacao, FormulasDiretasDoExemplo) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    EXPECT_NEAR(chuva.IntensidadeMedia(10), 144.270, 1e-3);
    EXPECT_NEAR(chuva.IntensidadeInstantanea(10), 86.562, 1e-3);
    EXPECT_NEAR(chuva.Lamina(60), 52.957, 1e-3);
    EXPECT_NEAR(chuva.LaminaIntervalo(0, 60), 52.957, 1e-3);
    EXPECT_NEAR(chuva.LaminaIntervalo(10, 60), chuva.Lamina(60) - chuva.Lamina(10), 1e-12);
    EXPECT_DOUBLE_EQ(chuva.IntensidadeInstantanea(0), chuva.IntensidadeMedia(0));
    EXPECT_NEAR(chuva.IntensidadeMedia(0), 1584.893192 / std::pow(10.0, 0.8), 1e-6);
}

TEST(Precipitacao, FormulasDiretasPropagamFalhaAritmetica) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    EXPECT_THROW(chuva.IntensidadeMedia(-10), EAritmetica);  // t + B = 0
    EXPECT_THROW(chuva.Lamina(-20), EAritmetica);
}

TEST(Precipitacao, TempoIntensidadePorNewtonEPorBissecao) {
    struct Caso {
        double alvo;       // mm/h
        double esperado;   // min
        double tolerancia;
        bool newton;       // found by Newton (true) or by bisection
    };
    const Caso casos[] = {
        {50, 19.4194, 1e-4, true},
        {250, 0.0297, 1e-4, false},   // Newton from 1 min fails, bisection finds it
        {260, 0.0, 1e-7, false},      // above the intensity at t = 0: no root, bisection closes on 0
        {600, 0.0, 1e-7, false},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.alvo);
        TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
        const double t = chuva.TempoIntensidade(caso.alvo);
        EXPECT_NEAR(t, caso.esperado, caso.tolerancia);
        EXPECT_GE(t, 0);
        EXPECT_EQ(chuva.Iteracoes() <= 100, caso.newton) << chuva.Iteracoes();
    }
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    chuva.TempoIntensidade(50);
    EXPECT_EQ(chuva.Iteracoes(), 4);
}

TEST(Precipitacao, DuracaoLaminaInverteLamina) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    for (double t : {0.5, 5.0, 30.0, 60.0, 600.0}) {
        SCOPED_TRACE(t);
        EXPECT_NEAR(chuva.DuracaoLamina(chuva.Lamina(t)), t, 1e-6);
    }
    EXPECT_NEAR(chuva.DuracaoLamina(0), 0, 1e-6);
}

TEST(Precipitacao, TracarIntensidadeUsaADuracaoArredondada) {
    struct Caso {
        double duracao;
        std::size_t pontos;
    };
    const Caso casos[] = {{0, 50}, {12.4, 12}, {12.5, 12}, {13.5, 14}, {0.4, 0}, {0.5, 0}, {1.5, 2}};
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.duracao);
        TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
        chuva.Duracao = caso.duracao;
        SerieGravada serie;
        serie.pontos = {{99, 99}};
        chuva.TracarIntensidade(serie);
        EXPECT_EQ(serie.limpezas, 1);
        ASSERT_EQ(serie.pontos.size(), caso.pontos);
        if (!serie.pontos.empty()) {
            EXPECT_EQ(serie.pontos.front().first, 1);
            EXPECT_DOUBLE_EQ(serie.pontos.front().second, chuva.IntensidadeInstantanea(1));
            EXPECT_EQ(serie.pontos.back().first, static_cast<double>(caso.pontos));
        }
    }
}
