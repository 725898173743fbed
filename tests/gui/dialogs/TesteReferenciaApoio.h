// Support of the reference-dialog tests: the shared test doubles, the regional settings of a test row and
// the reference dialog of a given table opening next.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "ApoioInterface.h"
#include "dialogs/DescricaoReferencia.h"
#include "dialogs/uReferencia.h"
#include "platform/Regional.h"

namespace talvek::gui::teste {

// "." decimal with "," thousands, or the reverse.
inline ConfiguracaoRegional Separadores(char decimal) {
    ConfiguracaoRegional regional;
    regional.SeparadorDecimal = decimal;
    regional.SeparadorMilhar = decimal == '.' ? ',' : '.';
    return regional;
}

// Runs `acao` on the reference dialog that opens next, which must show `tabela` (told by its title).
template <class Acao>
void AoAbrirReferencia(const DescricaoReferencia& tabela, Acao acao) {
    AoAbrirModal<TFReferencia>([&tabela, acao](TFReferencia& dialogo) {
        if (dialogo.windowTitle() != QString::fromUtf8(tabela.titulo)) {
            std::fputs("the reference dialog of another table opened\n", stderr);
            std::abort();
        }
        acao(dialogo);
    });
}

}  // namespace talvek::gui::teste
