#include "dialogs/Z.h"

#include "dialogs/uZ.h"

namespace talvek::gui {

bool TZ::Executar(QWidget* pai) {
    TFZ dialogo(pai);
    dialogo.Preparar(HelpContext, Indice, Valor);
    if (dialogo.exec() != QDialog::Accepted) return false;
    Indice = dialogo.OpcaoAtual();
    Valor = dialogo.Valor();
    return true;
}

}  // namespace talvek::gui
