#include "model/uRegressao.h"

#include <cmath>

#include "platform/Aritmetica.h"

namespace talvek {

namespace {

// Decimal logarithm; a non-positive argument raises the fault of the natural logarithm.
double Log10(double x) { return x > 0 ? std::log10(x) : Ln(x); }

}  // namespace

void TRegressao::DefinirNumeroPontos(int N) {
    NumeroPontos_ = N;
    X.resize(N);
    Y.resize(N);
}

void TRegressao::RegressaoLinear(double& A, double& B) const {
    double sx = 0, sy = 0, sxy = 0, sxx = 0;
    for (int i = 0; i < NumeroPontos_; ++i) {
        sx += X[i];
        sy += Y[i];
        sxy += X[i] * Y[i];
        sxx += X[i] * X[i];
    }
    const double n = NumeroPontos_;
    B = Dividir(sxy - Dividir(sx * sy, n), sxx - Dividir(sx * sx, n));
    A = sy / n - B * sx / n;
}

void TRegressao::RegressaoPotencia(double& A, double& B) const {
    TRegressao logaritmos(NumeroPontos_);
    for (int i = 0; i < NumeroPontos_; ++i) {
        logaritmos.X[i] = Log10(X[i]);
        logaritmos.Y[i] = Y[i] == 0 ? 0 : Log10(Y[i]);
    }
    double intercepto;
    logaritmos.RegressaoLinear(intercepto, B);
    A = Potencia(10, intercepto);
}

}  // namespace talvek
