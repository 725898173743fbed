// Support of the reference-dialog tests: the shared test doubles and the regional settings of a test row.
#pragma once

#include "ApoioInterface.h"
#include "platform/Regional.h"

namespace talvek::gui::teste {

// "." decimal with "," thousands, or the reverse.
inline ConfiguracaoRegional Separadores(char decimal) {
    ConfiguracaoRegional regional;
    regional.SeparadorDecimal = decimal;
    regional.SeparadorMilhar = decimal == '.' ? ',' : '.';
    return regional;
}

}  // namespace talvek::gui::teste
