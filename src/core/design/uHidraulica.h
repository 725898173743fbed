// Uniform flow in the drain's section at a given depth: the wetted geometry and what the flow does to the
// bed. For the design flow Q at the theoretical height H these are the numbers of the erosion and stability
// checks (uVerificacao.h). The sections are those of the sizing: the trapezoid of base B and inverse face
// slope Z, and the triangle between the field (slope St) and the ridge wall (slope Sm).
#pragma once

#include "design/uCanal.h"

namespace talvek {

inline constexpr double kGravidade = 9.81;          // m/s²
inline constexpr double kPesoEspecificoAgua = 9810;  // γ, N/m³

// The section of `canal`'s type filled to depth y (m): wetted area A (m²), wetted perimeter P (m) and top
// width T (m). The triangle takes the field slope St (m/m); without both of its sides (a slope not above 0)
// it gives NaN. Another section type gives zeros.
struct TGeometriaSecao {
    double A;
    double P;
    double T;
};
TGeometriaSecao GeometriaSecao(const TCanal& canal, double St, double y);

struct THidraulica {
    double A;       // wetted area, m²
    double P;       // wetted perimeter, m
    double R;       // hydraulic radius A/P, m
    double T;       // top width, m
    double V;       // mean velocity Q/A, m/s
    double Froude;  // V / √(g·A/T), dimensionless: 1 is critical flow
    double Tau;     // mean boundary shear γ·R·Sc, Pa
};

// The flow Q (m³/s) at depth H (m) in a channel of slope Sc (m/m). A dry section (area 0) gives a zero
// hydraulic radius, velocity, Froude number and shear.
THidraulica HidraulicaNaAltura(const TCanal& canal, double St, double Q, double Sc, double H);

}  // namespace talvek
