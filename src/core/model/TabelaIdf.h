// Intensities and depths of the IDF equation i = K · Tr^a / (t + b)^c over a grid of durations and return
// periods, and the sampled IDF curves of a chart: what the equation in use means in mm/h and mm. Every value
// comes from the design storm's own IntensidadeMedia and Lamina.
#pragma once

#include <array>
#include <vector>

#include "platform/TabelaPlanilha.h"

namespace talvek {

class TPrecipitacaoExponencialNegativa;

// The four parameters of the equation (K in mm/h · min^c / year^a, b in min, a and c without unit).
struct TParametrosIdf {
    double K = 0, A = 0, B = 0, C = 0;
};

// The parameters of a storm.
TParametrosIdf ParametrosDe(const TPrecipitacaoExponencialNegativa& precipitacao);

// Average intensity (mm/h) of a storm of `duracaoMin` minutes and return period `trAnos` years.
double IntensidadeMediaIdf(const TParametrosIdf& p, double trAnos, double duracaoMin);

// Durations (min) and return periods (years) of the table.
inline constexpr std::array<double, 9> kDuracoesTabelaMin = {5, 10, 15, 30, 60, 120, 360, 720, 1440};
inline constexpr std::array<double, 6> kTrTabelaAnos = {2, 5, 10, 25, 50, 100};

// One row per return period, one column per duration.
struct TTabelaIdf {
    std::vector<double> DuracoesMin;
    std::vector<double> TrAnos;
    std::vector<std::vector<double>> IntensidadesMmH;  // average intensity of a storm of that duration, mm/h
    std::vector<std::vector<double>> LaminasMm;        // depth fallen in that duration, mm
};

// The table of `p` for the given return periods at the table's durations. Exception (the storm setters'
// messages) for a negative parameter or return period.
TTabelaIdf TabelaIdf(const TParametrosIdf& p, const std::vector<double>& trAnos);
inline TTabelaIdf TabelaIdf(const TParametrosIdf& p) {
    return TabelaIdf(p, std::vector<double>(kTrTabelaAnos.begin(), kTrTabelaAnos.end()));
}

// Limits of the chart's duration axis, min.
inline constexpr double kDuracaoMinimaCurvaMin = 5;
inline constexpr double kDuracaoMaximaCurvaMin = 1440;

struct TPontoCurvaIdf {
    double DuracaoMin, IntensidadeMmH;
};

// The curve of one return period at `pontos` durations evenly spaced on a logarithmic axis from 5 min to 24 h.
std::vector<TPontoCurvaIdf> CurvaIdf(const TParametrosIdf& p, double trAnos, int pontos = 61);

// The curves of a chart for spreadsheets: the duration (min), then the intensity (mm/h) of each return
// period, one row per point of the curves.
TTabelaPlanilha TabelaCurvasIdf(const TParametrosIdf& p, const std::vector<double>& trAnos);

}  // namespace talvek
