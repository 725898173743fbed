// The simulation's 21 rows as a table that spreadsheet programs read: a header line with the names and
// units of the input and of Q, H and Hr, then one line per row.
#pragma once

#include <string>
#include <vector>

#include "platform/TabelaPlanilha.h"
#include "project/SerieSimulacao.h"

namespace talvek {

// The input in the unit of the chart's axis, Q in L/s, H and Hr in cm; numbers with 15 significant digits
// and the regional decimal separator (TextoPlanilha).
std::string TabelaSimulacao(const std::vector<TLinhaSimulacao>& linhas, TEntradaSimulacao entrada,
                            TFormatoTabela formato);

}  // namespace talvek
