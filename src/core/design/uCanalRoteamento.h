// Pieces of the kinematic-wave routing of a drain's lateral inflow (TCanalGradiente::CalculaHidrogramaCanal):
// the power law of the section and the space and time steps.
#pragma once

#include <cstdint>
#include <vector>

#include "model/uHidrograma.h"

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

// The same grid with dx and dt divided by `fator` (≥ 1) and `fator` times the nodes: the Courant numbers
// stay as they are. A factor of 1 leaves it exactly as it is.
TMalhaCanal MalhaCanalRefinada(const TMalhaCanal& malha, int fator);

// A routed flow (L/s) as the design states its flow: through m³/s, in which the depth is computed, and back
// (DimensionarHidrograma); the two can differ in the last bit.
double VazaoDeProjeto(double litrosPorSegundo);

// Continuity ledger of a whole routing, m³, each term measured from the scheme's own state.
struct TBalancoCanal {
    double Lateral = 0;     // lateral inflow added along the nodes below the upper end
    double Montante = 0;    // inflow of the upper-end node
    double Saida = 0;       // outflow at the lower end
    double Armazenada = 0;  // water left in the channel at the end, Σ A·Δx

    double Entrada() const { return Lateral + Montante; }
    double Erro() const { return Entrada() - Saida - Armazenada; }
    double ErroPct() const { return Entrada() > 0 ? 100 * Erro() / Entrada() : 0; }
};

// The drain's outlet hydrograph: the design's routing carried on past its stop until the lateral inflow has
// ended and the outflow has fallen below 0.1 % of its highest value.
struct THidrogramaCanal {
    std::vector<TPontoHidrograma> Pontos;  // one per time step: t in min, Q in L/s
    TPontoHidrograma Pico{};     // the point just before the first fall: the design flow, to the last bit
    TPontoHidrograma Maximo{};   // the highest point; above Pico when the outflow rises again later
    TBalancoCanal Balanco;

    bool SobeAposPico() const { return Maximo.Vazao > Pico.Vazao; }
};

}  // namespace talvek
