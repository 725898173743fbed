#include "dialogs/RugCan.h"

#include "dialogs/uRugCan.h"

namespace talvek::gui {

bool TRugCan::Executar(QWidget* pai) {
    TFRugCan dialogo(pai);
    dialogo.Preparar(HelpContext, Indice, Valor);
    if (dialogo.exec() != QDialog::Accepted) return false;
    Indice = dialogo.Indice();
    Valor = dialogo.Valor();
    return true;
}

}  // namespace talvek::gui
