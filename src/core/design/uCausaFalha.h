// Why a sizing failed, in the user's words. A failed sizing is diagnosed after the fact: the inputs it read
// are tested in the order of the data-entry page, and the first one that no sizing can use is named with
// its value and what it must be ("Declividade do canal = 0: deve ser maior que zero."). A successful run
// is never tested, so no design that sizes today is refused.
#pragma once

#include <cstdint>
#include <string>

namespace talvek {

class TPrecipitacaoExponencialNegativa;

// The inputs one sizing reads, in internal units.
struct TEntradasDimensionamento {
    const TPrecipitacaoExponencialNegativa* Chuva = nullptr;  // null when a given hydrograph is routed
    std::uint8_t Sistema = 3;    // 2 with partial flooding, 3 without
    std::uint8_t TipoCanal = 0;  // TTipoCanal: 0 trapezoidal, 1 triangular
    double Sc = 0;               // channel slope, m/m
    std::int64_t Comprimento = 0;  // channel length, m
    double nc = 0;               // channel roughness, s/m^(1/3)
    double B = 0;                // trapezoid's base, m
    double Z = 0;                // trapezoid's inverse face slope
    double Sm = 0;               // triangle's ridge-wall slope, m/m
    double St = 0;               // terrain slope, m/m
    double nt = 0;               // terrain roughness, s/m^(1/3)
    double EH = 0;               // horizontal spacing (strip width), m
    double TD = 0;               // drainage time, h
};

// The first condition that the inputs break, or `motivo` (the message of the error that ended the
// sizing) when they break none.
std::string CausaDaFalha(const TEntradasDimensionamento& entradas, const std::string& motivo);

}  // namespace talvek
