// The text of the rainfall query report: an HTML page with the place, the four IDF parameters and, for
// the states with a map, the map picture with the chosen point. Composed here, shown and printed by the
// report window.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/Html.h"
#include "rainfall/EvidenciaChuva.h"

namespace talvek {

// The report's title, also the end of the report window's title.
inline constexpr const char* kTituloRelatorioNimbal =
    "Parâmetros da Equação de Intensidade, Duração e Frequência da Precipitação";

// Name under which the report refers to the map picture with the marked point.
inline constexpr const char* kFiguraMapaRelatorio = "Bit.bmp";

// What the report shows, as the query dialog displays it.
struct TDadosRelatorioNimbal {
    std::string DataEmissao;              // today, in the short date format of the regional settings
    std::string PastaDados;               // shared data folder, ending with a separator (header picture)
    std::string Localidade;               // station or locality name, or "Não definida"
    std::string Estado;                   // state name
    std::string Latitude;                 // coordinate text, degrees south
    std::string Longitude;                // coordinate text, degrees west
    std::array<std::string, 4> Parametros;  // K, a, b, c as displayed
    std::optional<TTamanhoFigura> Mapa;   // the state map picture, when a state map is shown
    std::optional<TEvidenciaChuva> Evidencia;  // the stations behind the parameters and the warnings
};

// The whole HTML document, one fragment a line; the evidence, when given, in sections after the map. Texts
// that come from the database or the user are escaped, so that a name holding "<" or "&" shows as written
// and cannot break the page.
std::string TextoRelatorioNimbal(const TDadosRelatorioNimbal& dados);

}  // namespace talvek
