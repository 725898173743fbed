#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/Numeros.h"
#include "platform/Regional.h"

using namespace talvek;

namespace {

ConfiguracaoRegional ComSeparador(char decimal) {
    ConfiguracaoRegional c;
    c.SeparadorDecimal = decimal;
    c.SeparadorMilhar = decimal == ',' ? '.' : ',';
    return c;
}

// Writes the expected text with "." and lets the test swap in the separator in force.
std::string ComDecimal(std::string texto, char decimal) {
    for (char& c : texto)
        if (c == '.') c = decimal;
    return texto;
}

class NumerosPorSeparador : public ::testing::TestWithParam<char> {
protected:
    NumerosPorSeparador() : regional_(ComSeparador(GetParam())) {}
    RegionalTemporario regional_;
};

}  // namespace

TEST_P(NumerosPorSeparador, PicturesArredondamENaoPerdemDigitos) {
    struct Caso {
        const char* picture;
        double valor;
        const char* esperado;
    };
    const Caso casos[] = {
        {"0", 2.5, "3"},                // half away from zero
        {"0", -2.5, "-3"},
        {"0", 0.4, "0"},
        {"0.0", 0.05, "0.1"},
        {"0.0", 1.5784, "1.6"},
        {"0.0", 11.729, "11.7"},
        {"0.00", 0.125, "0.13"},
        {"0.00", 1.005, "1.01"},         // rounded on the 15-digit decimal text, not the binary value
        {"0.0#", 0.73643, "0.74"},
        {"0.0#", 20.0, "20.0"},
        {"0.0#", 0.4, "0.4"},
        {"0.0#", 0.995, "1.0"},
        {"0.0##", 0.0305, "0.031"},
        {"0.0##", 12.0, "12.0"},
        {"0.0######", 0.03, "0.03"},
        {"0.0######", 0.012345678, "0.0123457"},
        {"0.0######", 5.0, "5.0"},
        {"#0.000", 5.0, "5.000"},
        {"#0.000", 123.4567, "123.457"},
        {" #0.0", 3.14, " 3.1"},
        {" #0.0", 0.04, " 0.0"},
        {"###0.000", 0.5, "0.500"},
        {"###0.000", 1234.5, "1234.500"},
        {"####.000", 0.5, ".500"},
        {"##.000", 12.3456, "12.346"},
        {"00", 7.0, "07"},
        {"00", 123.0, "123"},
        {" 0.00", 0.5, " 0.50"},
        {" 0.0", 2.0, " 2.0"},
        {" 0.000", 0.0125, " 0.013"},
        {"0.0", -0.04, "0.0"},           // no sign on a value that rounds to zero
        {"0.0#", -1.234, "-1.23"},
        {"0.0#", 1e20, "100000000000000000000.0"},
        {"0.0#", 0.0, "0.0"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.picture) + " / " + std::to_string(caso.valor));
        EXPECT_EQ(FormatarFloat(caso.picture, caso.valor), ComDecimal(caso.esperado, GetParam()));
    }
}

TEST_P(NumerosPorSeparador, FormatoGeralEOMaisCurtoDeQuinzeDigitos) {
    struct Caso {
        double valor;
        const char* esperado;
    };
    const Caso casos[] = {
        {0.0, "0"},         {1.0, "1"},           {0.1, "0.1"},
        {-2.5, "-2.5"},     {1.0 / 3.0, "0.333333333333333"},
        {123456.0, "123456"}, {0.0001, "0.0001"},  {0.00001, "1E-5"},
        {1.5e-7, "1.5E-7"}, {1e15, "1E15"},        {123456789012345.0, "123456789012345"},
        {0.1 + 0.2, "0.3"}, {1584.8931924611135, "1584.89319246111"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.esperado);
        EXPECT_EQ(FormatarGeral(caso.valor), ComDecimal(caso.esperado, GetParam()));
    }
}

TEST_P(NumerosPorSeparador, LeituraAceitaSoOSeparadorEmVigor) {
    const char sep = GetParam();
    const char outro = sep == '.' ? ',' : '.';
    EXPECT_EQ(LerNumero(ComDecimal("12.5", sep)), 12.5);
    EXPECT_EQ(LerNumero(ComDecimal(" 0.003 ", sep)), 0.003);
    EXPECT_EQ(LerNumero("7"), 7.0);
    EXPECT_EQ(LerNumero(ComDecimal("-1.5e2", sep)), -150.0);
    EXPECT_EQ(LerNumero(std::string("12") + outro + "5"), std::nullopt);
}

TEST_P(NumerosPorSeparador, FormatarELerDevolvemOValor) {
    for (double valor : {0.73643, 1584.893, 1e-9, 250.0, 0.020198})
        EXPECT_EQ(LerNumero(FormatarGeral(valor)), valor);
}

INSTANTIATE_TEST_SUITE_P(PontoEVirgula, NumerosPorSeparador, ::testing::Values('.', ','),
                         [](const auto& info) { return info.param == '.' ? "Ponto" : "Virgula"; });

TEST(LeituraDeNumeros, TextosQueNaoSaoNumerosSaoRecusados) {
    for (const char* texto : {"", "   ", "abc", "1.2.3", "nan", "NaN", "inf", "-inf", "1e400", "-1e400",
                              "1e", "e5", ".", "-", "+", "1 2", "0x10", "12a", "1,5"})
        EXPECT_EQ(LerNumero(texto), std::nullopt) << '"' << texto << '"';
}

TEST(LeituraDeNumeros, ValoresGravadosSaoLidosComQualquerSeparador) {
    RegionalTemporario virgula(ComSeparador(','));
    EXPECT_EQ(LerNumeroQualquerSeparador("0.03"), 0.03);
    EXPECT_EQ(LerNumeroQualquerSeparador("0,03"), 0.03);
    EXPECT_EQ(LerNumeroQualquerSeparador("-0"), 0.0);
    EXPECT_TRUE(std::signbit(*LerNumeroQualquerSeparador("-0")));
    EXPECT_EQ(LerNumeroQualquerSeparador("1.2,3"), std::nullopt);
    EXPECT_EQ(LerNumeroQualquerSeparador("1e400"), std::nullopt);
}
