// The configuration file "Talvek2.ini" in the program's folder: display units, the four recent projects
// and the default state, in [PRINCIPAL]. Read at start-up, written when the main window closes.
#pragma once

#include <array>
#include <string>

#include "project/ArquivoProjeto.h"

namespace talvek {

inline constexpr const char* kArquivoConfiguracao = "Talvek2.ini";

struct TConfiguracao {
    TUnidades Unidades;                   // "m/m", 1, "mm/h", 1.0 when the file has none
    std::array<std::string, 4> Recentes;  // the project manager's recent projects, slot 1 first
    int IndEstado = 0;                    // default state, position in the configuration dialog's list
    std::string UltimaPasta;              // folder where the open and save dialogs start; empty: none kept
};

// Every missing key, and a default state that is not a whole number, takes its default.
TConfiguracao LerConfiguracao(const std::string& caminho);

// Writes the nine keys in their order, and UltimaPasta after them when there is one, creating the file if
// needed. Raises EGravacaoArquivo.
void EscreverConfiguracao(const std::string& caminho, const TConfiguracao& configuracao);

}  // namespace talvek
