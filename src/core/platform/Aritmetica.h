// Checked floating-point helpers. Several solvers rely on an arithmetic fault being raised exactly at
// the operation that produced it (and catch it there), so every division, logarithm, exponential,
// square root and fractional power whose operand may be invalid goes through these functions.
#pragma once

namespace talvek {

// a / b; EAritmetica when b is 0 or the quotient is not finite.
double Dividir(double a, double b);
// Natural logarithm; EAritmetica for x <= 0 or a non-number.
double Ln(double x);
// e^x; EAritmetica when the result overflows (an underflow gives 0).
double Exp(double x);
// Square root; EAritmetica for x < 0 or a non-number.
double Raiz(double x);
// b^p computed as exp(p · ln b) for b > 0; 0 for b = 0 and p > 0; EAritmetica otherwise.
double Potencia(double b, double p);

}  // namespace talvek
