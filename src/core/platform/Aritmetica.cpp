#include "platform/Aritmetica.h"

#include <cmath>

#include "platform/Excecoes.h"

namespace talvek {

namespace {

const char* const kDivisaoPorZero = "Divisão por zero.";
const char* const kOperacaoInvalida = "Operação de ponto flutuante inválida.";
const char* const kEstouro = "Estouro de ponto flutuante.";

double Finito(double resultado, const char* mensagem) {
    if (!std::isfinite(resultado)) throw EAritmetica(mensagem);
    return resultado;
}

}  // namespace

double Dividir(double a, double b) {
    if (b == 0.0) throw EAritmetica(a == 0.0 || std::isnan(a) ? kOperacaoInvalida : kDivisaoPorZero);
    return Finito(a / b, std::isnan(a) || std::isnan(b) ? kOperacaoInvalida : kEstouro);
}

double Ln(double x) {
    if (!(x > 0.0)) throw EAritmetica(kOperacaoInvalida);
    return Finito(std::log(x), kEstouro);
}

double Exp(double x) {
    if (std::isnan(x)) throw EAritmetica(kOperacaoInvalida);
    return Finito(std::exp(x), kEstouro);
}

double Raiz(double x) {
    if (!(x >= 0.0)) throw EAritmetica(kOperacaoInvalida);
    return Finito(std::sqrt(x), kEstouro);
}

double Potencia(double b, double p) {
    if (b > 0.0) return Exp(p * Ln(b));
    if (b == 0.0 && p > 0.0) return 0.0;
    throw EAritmetica(kOperacaoInvalida);
}

}  // namespace talvek
