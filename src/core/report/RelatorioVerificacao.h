// The hydraulic checks of a design as text: labelled values with their units, in three blocks (the flow
// at the theoretical height, the channel's material, the earthwork at the recommended height), shared by
// the results page, the design report and talvek-calc; and the report's section "VERIFICAÇÃO HIDRÁULICA".
#pragma once

#include <string>
#include <vector>

#include "design/uVerificacao.h"

namespace talvek {

struct TValorVerificacao {
    std::string Rotulo;  // "Velocidade média (V):"
    std::string Valor;   // number and unit in the regional settings, "—" when not defined
};

struct TBlocoVerificacao {
    std::string Titulo;
    std::vector<TValorVerificacao> Valores;
};

// The three blocks, in that order.
std::vector<TBlocoVerificacao> BlocosVerificacao(const TVerificacao& verificacao);
inline constexpr std::size_t kBlocoAlturaTeorica = 0;
inline constexpr std::size_t kBlocoMaterial = 1;
inline constexpr std::size_t kBlocoTerraplenagem = 2;

// Colours of the verdict lines: a check that fails, and every check holding.
inline constexpr const char* kCorAlerta = "#C00000";
inline constexpr const char* kCorAtendida = "#008000";

// The report section: the heading "VERIFICAÇÃO HIDRÁULICA", a table of the three blocks and the verdict
// lines (those that warn in kCorAlerta, the line of a drain that holds in kCorAtendida).
std::string SecaoRelatorioVerificacao(const TVerificacao& verificacao);

}  // namespace talvek
