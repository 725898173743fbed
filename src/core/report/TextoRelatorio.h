// The design report as one HTML text: the project's identification, every input of the design in the
// display units, the results, the design storm's intensities and depths and, when asked for from the
// simulation page, the picture of its chart.
#pragma once

#include <optional>
#include <string>

#include "platform/Html.h"
#include "project/ArquivoProjeto.h"

namespace talvek {

struct TBalancoHidrico;
class TCanalDrenagem;
class TIDProjeto;
class TPrecipitacaoExponencialNegativa;
class TTerreno;
class TTipoSistema;

// The place of the design storm as the rainfall component publishes it.
struct TLocalChuva {
    std::string Estado;
    std::string Cidade;
    std::string Latitude;
    std::string Longitude;
};

struct TDadosRelatorio {
    const TTipoSistema& Sistema;
    const TCanalDrenagem& Canal;  // its Q is the design flow, L/s
    const TTerreno& Terreno;
    const TPrecipitacaoExponencialNegativa& Precipitacao;
    TLocalChuva Chuva;
    const TIDProjeto& Projeto;
    TUnidades Unidades;                      // display units of slopes and VIB
    std::string DataEmissao;                 // today in the short date format
    std::string PastaPrograma;               // the program's folder with its trailing separator
    std::optional<TTamanhoFigura> Grafico;  // the chart's picture (kFiguraSimulacao), when asked for
    const TBalancoHidrico* Balanco = nullptr;  // the "BALANÇO HÍDRICO" section, when given
    std::optional<TTamanhoFigura> GraficoHidrograma;  // its hydrograph chart, held as kFiguraHidrograma
};

// The name by which the document refers to the picture of the simulation chart; the report window hands
// the viewer the picture itself under it, no file is written.
inline constexpr const char* kFiguraSimulacao = "Bit.bmp";
// The header picture in the program's folder.
inline constexpr const char* kFiguraCabecalho = "Cabecalho.jpg";

// "Dimensionamento de Sistemas de Drenagem com/sem Inundação Parcial" by system type (2 = with).
std::string TituloRelatorio(const TTipoSistema& sistema);

// The whole document. Texts typed by the user (identification, place names, coordinates, the folder) are
// escaped, so that a "<" or "&" in a project name shows as typed and cannot break the page.
std::string TextoRelatorio(const TDadosRelatorio& dados);

}  // namespace talvek
