#include "design/uHidraulica.h"

#include <cmath>
#include <limits>

namespace talvek {

TGeometriaSecao GeometriaSecao(const TCanal& canal, double St, double y) {
    switch (canal.TipoCanal.Tipo) {
        case TTipoCanal::Trapezoidal: {
            const double Z = canal.Z.Valor;
            return {y * (canal.B() + Z * y), canal.B() + 2 * y * std::sqrt(1 + Z * Z), canal.B() + 2 * Z * y};
        }
        case TTipoCanal::Triangular: {
            constexpr double kSemLado = std::numeric_limits<double>::quiet_NaN();
            if (!(St > 0 && canal.Sm.Valor > 0)) return {kSemLado, kSemLado, kSemLado};  // a side is missing
            // Each side of slope s widens the surface by y/s: T = (1/St + 1/Sm)·y = 2·kA·y.
            const TFatoresTriangulo f = FatoresTriangulo(St, canal.Sm.Valor);
            return {f.kA * y * y, f.kP * y, 2 * f.kA * y};
        }
        default:
            return {0, 0, 0};
    }
}

THidraulica HidraulicaNaAltura(const TCanal& canal, double St, double Q, double Sc, double H) {
    const TGeometriaSecao s = GeometriaSecao(canal, St, H);
    if (s.A == 0) return {0, s.P, 0, s.T, 0, 0, 0};  // a dry section
    const double R = s.A / s.P;
    const double V = Q / s.A;
    const double profundidadeMedia = s.A / s.T;  // hydraulic depth, m
    return {s.A, s.P, R, s.T, V, V / std::sqrt(kGravidade * profundidadeMedia), kPesoEspecificoAgua * R * Sc};
}

}  // namespace talvek
