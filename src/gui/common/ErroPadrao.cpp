#include "common/ErroPadrao.h"

#include <QCoreApplication>

#include "common/InterfaceUsuario.h"

namespace talvek::gui {

QString TituloPrograma() { return QCoreApplication::applicationName(); }

void MostrarErro(QWidget* pai, const std::exception& erro) {
    Interface().Mensagem(pai, TituloPrograma(), QString::fromUtf8(erro.what()), Icone::Erro, Botoes::Ok);
}

}  // namespace talvek::gui
