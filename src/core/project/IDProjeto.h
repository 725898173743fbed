// The project's identification: name, company, place, state, technician and date, all free texts.
#pragma once

#include <chrono>
#include <string>

namespace talvek {

class TIDProjeto {
public:
    // A new project's identification: five empty texts and today's date.
    void Limpar();

    // [IDENTIFICACAO] of a project file; LerArquivo gives false for another version. File errors propagate.
    bool LerArquivo(const std::string& nomeArquivo);
    bool EscreverArquivo(const std::string& nomeArquivo) const;

    std::string Nome;
    std::string Empresa;
    std::string Local;
    std::string Estado;
    std::string Tecnico;
    std::string Data;  // as typed; a new project starts with today as "dd/mm/yyyy"
};

// The date as "dd/mm/yyyy" with the date separator of the regional settings.
std::string TextoData(std::chrono::year_month_day data);

// Today in the local time zone.
std::chrono::year_month_day Hoje();

}  // namespace talvek
