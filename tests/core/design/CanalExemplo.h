// The drain of the worked examples, shared by the design tests.
#pragma once

#include <cmath>
#include <cstdint>

#include "design/uCanal.h"

namespace talvek {

// 100 m long, strip 20 m wide, 24 h to drain, n 0.03, slope 0.002; trapezoid B 0.5 m, Z 1, or the triangle
// between the field and a ridge wall of slope 0.5.
inline TCanalDrenagem CanalExemplo(std::uint8_t tipoCanal) {
    TCanalDrenagem canal;
    canal.TipoCanal.Tipo = tipoCanal;
    canal.SetComprimento(100);
    canal.SetEH(20);
    canal.SetTD(24);
    canal.nc.Valor = 0.03;
    canal.SetSc(0.002);
    canal.SetB(0.5);
    canal.Z.Valor = 1;
    canal.Sm.Valor = 0.5;
    return canal;
}

inline TTipoSistema Sistema(std::uint8_t tipo) {
    TTipoSistema s;
    s.Tipo = tipo;
    return s;
}

// Flow (m³/s) that Manning's equation gives for area A (m²) and wetted perimeter P (m).
inline double Manning(double A, double P, double n, double Sc) {
    return std::pow(A, 5.0 / 3.0) / std::pow(P, 2.0 / 3.0) * std::sqrt(Sc) / n;
}

}  // namespace talvek
