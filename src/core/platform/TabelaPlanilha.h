// A chart's numbers as text that spreadsheet programs read: a header line with the names and units of the
// columns, then one line per row, numbers with the regional decimal separator. What the columns are is the
// business of each chart's own table (the simulation, the hydrographs, the IDF curves); this only writes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace talvek {

enum class TFormatoTabela {
    Texto,  // the clipboard: tab-separated, "\n" line ends
    Csv,    // a file: ";" between fields when the decimal separator is ",", "," otherwise; CRLF line ends;
            // UTF-8 with a byte-order mark, so that spreadsheet programs read the accents
};

struct TTabelaPlanilha {
    std::vector<std::string> Colunas;                     // name and unit, e.g. "Vazão (L/s)"
    std::vector<std::vector<std::optional<double>>> Linhas;  // no value: an empty cell
};

// Numbers with 15 significant digits, so that the rounding of an added step does not reach the table.
std::string TextoPlanilha(const TTabelaPlanilha& tabela, TFormatoTabela formato);

}  // namespace talvek
