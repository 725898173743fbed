// The water balance of a design as small HTML tables, shared by the design report's "BALANÇO HÍDRICO"
// section and the hydrograph page: the storm on the field, the hillslope and channel ledgers and the
// numerical uncertainty (system type 3), or the partial-flooding sizing (type 2). Units in every header;
// numbers with the regional decimal separator.
#pragma once

#include <string>
#include <vector>

#include "design/uBalancoHidrico.h"
#include "platform/TabelaPlanilha.h"

namespace talvek {

// The hydrograph chart of the report, held in memory by the viewer under this name.
inline constexpr const char* kFiguraHidrograma = "hidrograma.png";

inline constexpr const char* kAvisoMalha =
    "A vazão de projeto depende da malha de cálculo: a incerteza numérica passa de 5 %.";
inline constexpr const char* kAvisoSubida =
    "A vazão na saída do dreno volta a subir depois da primeira queda e passa a vazão de projeto, que é a "
    "da primeira queda.";

inline constexpr const char* kAvisoSemIncerteza = "A incerteza numérica não pôde ser calculada: ";

std::string TabelaComInundacao(const TDetalheComInundacao& d);
// The storm, hillslope and channel ledgers of a type-3 design.
std::string TabelasSemInundacao(const TBalancoSemInundacao& b);
std::string TabelaIncerteza(const TIncerteza& incerteza);
// Every table of the balance, in that order.
std::string TabelasBalanco(const TBalancoHidrico& b);

// The peak of the outlet hydrograph ("Pico: Q L/s em t min") and the warnings of the balance.
std::string TextoPico(const THidrogramaCanal& canal);
std::vector<std::string> AvisosBalanco(const TBalancoHidrico& b);

// The two hydrographs of the hydrograph page's chart for spreadsheets, each with its own times: hillslope
// time (min) and flow (L/s per metre of drain), outlet time (min) and flow (L/s); the shorter one's cells
// stay empty below its last point.
TTabelaPlanilha TabelaHidrogramas(const TBalancoSemInundacao& b);

}  // namespace talvek
