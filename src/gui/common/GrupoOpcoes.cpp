#include "common/GrupoOpcoes.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace talvek::gui {

void DesmarcarTodos(QButtonGroup& grupo) {
    grupo.setExclusive(false);
    for (QAbstractButton* botao : grupo.buttons()) botao->setChecked(false);
    grupo.setExclusive(true);
}

void MarcarOpcao(QButtonGroup& grupo, int id) {
    if (QAbstractButton* botao = grupo.button(id))
        botao->setChecked(true);
    else
        DesmarcarTodos(grupo);
}

}  // namespace talvek::gui
