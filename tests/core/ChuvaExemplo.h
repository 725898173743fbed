// The design storm of the worked examples, shared by the model and design tests and the benchmarks.
#pragma once

#include "model/uPrecipitacao.h"

namespace talvek {

// K = 1000, Tr = 10 years, A = 0.2, B = 10 min, C = 0.8: Numerador ≈ 1584.893, i0 ≈ 251.19 mm/h.
inline TPrecipitacaoExponencialNegativa ChuvaExemplo() {
    TPrecipitacaoExponencialNegativa chuva;
    chuva.SetTr(10);
    chuva.SetK(1000);
    chuva.SetA(0.2);
    chuva.SetB(10);
    chuva.SetC(0.8);
    return chuva;
}

}  // namespace talvek
