// Regional settings of the running program: the separators and the short-date format used to show,
// read and store numbers and dates. The desktop program fills them from the system locale at start-up,
// talvek-calc from the environment; everything else only reads them.
#pragma once

#include <string>

namespace talvek {

struct ConfiguracaoRegional {
    char SeparadorDecimal = '.';
    char SeparadorMilhar = ',';
    char SeparadorData = '/';
    std::string FormatoDataCurta = "dd/mm/yyyy";
};

// The settings in force. Set once at start-up (and by tests through RegionalTemporario).
const ConfiguracaoRegional& Regional();
void DefinirRegional(const ConfiguracaoRegional& configuracao);

// Puts settings in force for the lifetime of the object and restores the previous ones afterwards.
class RegionalTemporario {
public:
    explicit RegionalTemporario(const ConfiguracaoRegional& configuracao);
    ~RegionalTemporario();
    RegionalTemporario(const RegionalTemporario&) = delete;
    RegionalTemporario& operator=(const RegionalTemporario&) = delete;

private:
    ConfiguracaoRegional anterior_;
};

}  // namespace talvek
