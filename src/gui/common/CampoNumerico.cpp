#include "common/CampoNumerico.h"

#include <QKeyEvent>

#include "common/CamposNumericos.h"
#include "common/ErroPadrao.h"
#include "common/InterfaceUsuario.h"
#include "platform/Numeros.h"

namespace talvek::gui {

TCampoNumerico::TCampoNumerico(QWidget* pai) : QLineEdit(pai) {}

std::optional<double> TCampoNumerico::LerValor() {
    const std::optional<double> valor = LerNumero(text().toStdString());
    if (!valor) {
        Interface().Mensagem(window(), TituloPrograma(), QString::fromStdString(MensagemNaoNumerico(text().toStdString())),
                             Icone::Erro, Botoes::Ok);
        setFocus();
    }
    return valor;
}

void TCampoNumerico::keyPressEvent(QKeyEvent* evento) {
    const TTeclaNumerica regra = RegraTeclaNumerica(*evento);
    if (regra.efeito == TTeclaNumerica::Passa) {
        if (evento->key() == Qt::Key_Backspace) emit CaractereDigitado(true);
        QLineEdit::keyPressEvent(evento);
        return;
    }
    emit CaractereDigitado(regra.efeito == TTeclaNumerica::Digita);
    if (regra.efeito == TTeclaNumerica::Digita) insert(QString(regra.caractere));
}

}  // namespace talvek::gui
