// The simulation's 21 rows as a table that spreadsheet programs read: a header line with the names and
// units of the input and of Q, H and Hr, then one line per row.
#pragma once

#include <string>
#include <vector>

#include "project/SerieSimulacao.h"

namespace talvek {

enum class TFormatoTabela {
    Texto,  // the clipboard: tab-separated, "\n" line ends
    Csv,    // a file: ";" between fields when the decimal separator is ",", "," otherwise; CRLF line ends;
            // UTF-8 with a byte-order mark, so that spreadsheet programs read the accents
};

// The input in the unit of the chart's axis, Q in L/s, H and Hr in cm; numbers with 15 significant digits
// and the regional decimal separator.
std::string TabelaSimulacao(const std::vector<TLinhaSimulacao>& linhas, TEntradaSimulacao entrada,
                            TFormatoTabela formato);

}  // namespace talvek
