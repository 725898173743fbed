// The evidence behind the IDF parameters of a point: the stations they come from, in order of weight, with
// their great-circle distance to the point, their share of the interpolation's own weights and their K, a,
// b, c; and the warnings when that evidence is thin (the nearest station far away, or the stations that
// carry most of the weight disagreeing).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "rainfall/UnBD.h"

namespace talvek {

inline constexpr double kRaioTerraKm = 6371;  // sphere of the great-circle distances

// Great-circle distance (km) between two points given in decimal degrees south and west.
double DistanciaKm(double latitude1, double longitude1, double latitude2, double longitude2);

struct TEstacaoContribuinte {
    std::string Nome;
    std::string Estado;     // state abbreviation
    std::string Latitude;   // coordinate texts of the station
    std::string Longitude;
    double DistanciaKm = 0;  // great circle from the point
    double Peso = 0;         // share of the total weight, 0–1 (1 for a station standing at the point)
    double K = 0, A = 0, B = 0, C = 0;
};

struct TEvidenciaChuva {
    std::vector<TEstacaoContribuinte> Estacoes;  // by weight, heaviest first; every station of the set
    std::vector<std::string> Avisos;             // thin-evidence warnings, possibly none
};

// Thresholds of the warnings.
inline constexpr double kDistanciaAvisoKm = 50;    // nearest station farther than this
inline constexpr double kPesoVizinhas = 0.8;       // the heaviest stations carrying this share of the weight …
inline constexpr double kDivergenciaAviso = 0.3;   // … whose intensities differ by more than this fraction
inline constexpr double kTrDivergenciaAnos = 10;   // at this return period
inline constexpr double kDuracaoDivergenciaMin = 60;  // and this duration

// The evidence at a point as TBDPrecipitacao::Interpolar sees it: the station standing there (100 %), or
// every station of the interpolation set with its normalised weight 1/d⁵, and the warnings.
TEvidenciaChuva EvidenciaInterpolacao(const TBDPrecipitacao& bd, const std::string& latitude,
                                      const std::string& longitude);

// A station's own parameters: that station, 100 %, no warning.
TEvidenciaChuva EvidenciaEstacao(const TEstacao& estacao, int estado);

// How many stations a list shows before summing up the rest.
inline constexpr std::size_t kEstacoesListadas = 10;

// "outras N estações: x %" for the stations after the first kEstacoesListadas; no value when there are none.
std::optional<std::string> LinhaOutrasEstacoes(const TEvidenciaChuva& evidencia);

// A weight share as shown: "12.3 %".
std::string TextoPeso(double peso);
// A distance as shown: "12.3 km".
std::string TextoDistancia(double km);

}  // namespace talvek
