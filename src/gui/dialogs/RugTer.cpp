#include "dialogs/RugTer.h"

#include "dialogs/uRugTer.h"

namespace talvek::gui {

bool TRugTer::Executar(QWidget* pai) {
    TFRugTer dialogo(pai);
    dialogo.Preparar(HelpContext, Indice, Valor);
    if (dialogo.exec() != QDialog::Accepted) return false;
    Indice = dialogo.Indice();
    Valor = dialogo.Valor();
    return true;
}

}  // namespace talvek::gui
