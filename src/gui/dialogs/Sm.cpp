#include "dialogs/Sm.h"

#include "dialogs/uSm.h"
#include "platform/Excecoes.h"

namespace talvek::gui {

namespace {

const std::string kSemUnidade = "É necessário entrar com uma unidade de declividade (% ou m/m)";
const std::string kSemMultiplicador =
    "É necessário entrar com um multiplicador de unidade de declividade (1 ou 100)";

}  // namespace

bool TSm::Executar(QWidget* pai) {
    if (UDeclive != "%" && UDeclive != "m/m") throw Exception(kSemUnidade);
    if (KDeclive != 1 && KDeclive != 100) throw Exception(kSemMultiplicador);
    TFSm dialogo(pai);
    dialogo.Preparar(HelpContext, UDeclive, KDeclive, Indice, Valor);
    if (dialogo.exec() != QDialog::Accepted) return false;
    Indice = dialogo.OpcaoAtual();
    Valor = dialogo.Valor();
    return true;
}

}  // namespace talvek::gui
