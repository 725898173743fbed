// The citations of the shipped rainfall database: for each citation key (the `Autor` field of the
// station records) the three texts of the citation window.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace talvek {

struct TCitacao {
    const char* Chave;       // `Autor` key of the stations, at most 30 characters
    const char* Autores;     // authors line
    const char* Titulo;      // title
    const char* Publicacao;  // publication details
    // The source's equations come from disaggregating one-day rainfall (the Goiás warning of the
    // query dialog); no shipped source does.
    bool AvisoDesagregacao;
};

std::span<const TCitacao> Citacoes();

// The citation of a key (compared exactly); no value for any other text, "Interpolação" included.
std::optional<TCitacao> ProcurarCitacao(const std::string& chave);

}  // namespace talvek
