// Least-squares fits over paired samples: a line y = A + B·x, and a power curve y = A·x^B fitted in
// decimal logarithms. The channel routing turns a table of areas and wetted perimeters into the power law
// of its section with it.
#pragma once

#include <vector>

namespace talvek {

class TRegressao {
public:
    explicit TRegressao(int N) { DefinirNumeroPontos(N); }

    // Resizes X and Y to N samples; the leading values stay, new ones are 0.
    void DefinirNumeroPontos(int N);

    // y = A + B·x. All X equal (or no samples) divides by zero: EAritmetica.
    void RegressaoLinear(double& A, double& B) const;
    // y = A·x^B, a line through (log10 x, log10 y); a Y of 0 counts as log 0. An X <= 0 or a negative Y
    // raises EAritmetica.
    void RegressaoPotencia(double& A, double& B) const;

    int NumeroPontos() const { return NumeroPontos_; }

    std::vector<double> X;  // abscissas, filled by the caller
    std::vector<double> Y;  // ordinates, filled by the caller

private:
    int NumeroPontos_ = 0;
};

}  // namespace talvek
