// Pieces of the kinematic-wave routing of a drain's lateral inflow (TCanalGradiente::CalculaHidrogramaCanal):
// the power law of the section and the space and time steps.
#pragma once

#include <cstdint>

namespace talvek {

// Kinematic-wave relation of a section, Q = α·A^m (Q in m³/s, wetted area A in m²).
struct TLeiCinematica {
    double alfa;
    double m;
};

// Triangle between the field (slope St) and the ridge wall (slope Sm): m = 4/3, exactly from Manning's
// equation with A = kA·y² and P = kP·y. Arithmetic faults for a zero slope or roughness.
TLeiCinematica LeiTriangular(double St, double Sm, double Sc, double n);

// Trapezoid of base B (m) and inverse face slope Z: the wetted perimeter fitted as a power of the area over
// the depths 0.2 m … 5 m. Arithmetic faults for a section without area, or a zero slope or roughness.
TLeiCinematica LeiTrapezoidal(double B, double Z, double Sc, double n);

// Steps of the routing along Comprimento m of channel on a field of VIB mm/h.
struct TMalhaCanal {
    int Trechos;  // reaches of the initial division (at most 5 m each)
    double dx;    // node spacing, m
    double dt;    // time step, min
    int Nos;      // number of nodes; node 0 at the upper end, Nos − 1 at the outlet
};

// Raises EAritmetica for a length of 0.
TMalhaCanal MalhaCanal(std::uint16_t Comprimento, double VIB);

}  // namespace talvek
