// Warnings on a finished design, never refusals: a design without runoff and why, and every input outside
// what field practice knows, with its value and the usual range. The results page, the design report and
// talvek-calc show the same texts.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace talvek {

class TCanalDrenagem;
class TPrecipitacaoExponencialNegativa;
class TTerreno;
class TTipoSistema;

// Why the storm gives no runoff on the field, for the system type's method; nullopt when it does.
std::optional<std::string> MotivoSemEscoamento(const TTerreno& terreno, const TPrecipitacaoExponencialNegativa& chuva,
                                               const TTipoSistema& sistema);

// The warnings of the design: the reason of a zero flow first, then the inputs out of their usual range in
// the order of the data-entry page.
std::vector<std::string> AvisosDimensionamento(const TCanalDrenagem& canal, const TTerreno& terreno,
                                               const TPrecipitacaoExponencialNegativa& chuva,
                                               const TTipoSistema& sistema);

}  // namespace talvek
