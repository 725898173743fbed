#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/Aritmetica.h"
#include "platform/Excecoes.h"

using namespace talvek;

TEST(Aritmetica, OperacoesValidasDaoOResultadoComum) {
    EXPECT_DOUBLE_EQ(Dividir(1.0, 4.0), 0.25);
    EXPECT_DOUBLE_EQ(Ln(std::exp(2.0)), 2.0);
    EXPECT_DOUBLE_EQ(Exp(0.0), 1.0);
    EXPECT_DOUBLE_EQ(Raiz(9.0), 3.0);
    EXPECT_DOUBLE_EQ(Raiz(0.0), 0.0);
    EXPECT_NEAR(Potencia(10.0, 0.2), 1.584893192, 1e-9);
    EXPECT_EQ(Exp(-1000.0), 0.0);  // underflow is not a fault
}

TEST(Aritmetica, PotenciaDeBaseZeroComExpoentePositivoEZero) {
    EXPECT_EQ(Potencia(0.0, 0.5), 0.0);
    EXPECT_EQ(Potencia(0.0, 3.0), 0.0);
}

TEST(Aritmetica, FalhasSaoLevantadasNaOperacao) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Caso {
        const char* nome;
        double (*operacao)();
    };
    static double nanGlobal;
    nanGlobal = nan;
    const Caso casos[] = {
        {"divisao por zero", [] { return Dividir(1.0, 0.0); }},
        {"zero sobre zero", [] { return Dividir(0.0, 0.0); }},
        {"quociente estourado", [] { return Dividir(1e300, 1e-300); }},
        {"ln de zero", [] { return Ln(0.0); }},
        {"ln de negativo", [] { return Ln(-1.0); }},
        {"ln de nan", [] { return Ln(nanGlobal); }},
        {"exp estourado", [] { return Exp(710.0); }},
        {"raiz de negativo", [] { return Raiz(-1e-12); }},
        {"base negativa", [] { return Potencia(-0.5, 2.0 / 3.0); }},
        {"zero a expoente nulo", [] { return Potencia(0.0, 0.0); }},
        {"zero a expoente negativo", [] { return Potencia(0.0, -1.0); }},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EXPECT_THROW(caso.operacao(), EAritmetica);
    }
}

TEST(Aritmetica, FalhaAritmeticaEUmaExcecaoDoPrograma) {
    try {
        Dividir(1.0, 0.0);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Divisão por zero.");
    }
}
