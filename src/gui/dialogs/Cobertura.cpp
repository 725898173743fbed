#include "dialogs/Cobertura.h"

#include "dialogs/uCobertura.h"

namespace talvek::gui {

bool TCobertura::Executar(QWidget* pai) {
    TFCober dialogo(pai);
    dialogo.Preparar(HelpContext, usoTerra_, tratamento_, condicao_);
    if (dialogo.exec() != QDialog::Accepted) return false;
    usoTerra_.Atribuir(dialogo.UsoTerra());
    tratamento_.Atribuir(dialogo.Tratamento());
    condicao_.Atribuir(dialogo.CondicaoHidrologica());
    return true;
}

}  // namespace talvek::gui
