#include "dialogs/Referencia.h"

#include "dialogs/uReferencia.h"
#include "platform/Excecoes.h"

namespace talvek::gui {

namespace {

const std::string kSemUnidade = "É necessário entrar com uma unidade de declividade (% ou m/m)";
const std::string kSemMultiplicador =
    "É necessário entrar com um multiplicador de unidade de declividade (1 ou 100)";

}  // namespace

bool TReferencia::Executar(QWidget* pai) {
    UnidadeDeclive unidade;
    if (tabela_.emDeclive) {
        if (UDeclive != "%" && UDeclive != "m/m") throw Exception(kSemUnidade);
        if (KDeclive != 1 && KDeclive != 100) throw Exception(kSemMultiplicador);
        unidade = {UDeclive, KDeclive};
    }
    TFReferencia dialogo(tabela_, pai);
    dialogo.Preparar(HelpContext, Indice, Valor, unidade);
    if (dialogo.exec() != QDialog::Accepted) return false;
    Indice = dialogo.Indice();
    Valor = dialogo.Valor();
    return true;
}

}  // namespace talvek::gui
