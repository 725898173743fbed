#include "common/CampoNumerico.h"

#include <QKeyEvent>

#include "common/ErroPadrao.h"
#include "common/InterfaceUsuario.h"
#include "platform/Numeros.h"
#include "platform/Regional.h"

namespace talvek::gui {

namespace {

const QString kNaoNumerico = QStringLiteral("' não é um valor numérico válido.");

bool EhAtalho(const QKeyEvent& evento) {
    return evento.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

}  // namespace

TCampoNumerico::TCampoNumerico(QWidget* pai) : QLineEdit(pai) {}

std::optional<double> TCampoNumerico::LerValor() {
    const std::optional<double> valor = LerNumero(text().toStdString());
    if (!valor) {
        Interface().Mensagem(window(), TituloPrograma(), QLatin1Char('\'') + text() + kNaoNumerico, Icone::Erro,
                             Botoes::Ok);
        setFocus();
    }
    return valor;
}

void TCampoNumerico::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Backspace) {
        emit CaractereDigitado(true);
        QLineEdit::keyPressEvent(evento);
        return;
    }
    const QString texto = evento->text();
    if (texto.size() != 1 || !texto[0].isPrint() || EhAtalho(*evento)) {
        QLineEdit::keyPressEvent(evento);
        return;
    }
    const QChar decimal = QLatin1Char(Regional().SeparadorDecimal);
    QChar caractere = texto[0];
    if (caractere == QLatin1Char(Regional().SeparadorMilhar)) caractere = decimal;
    const bool aceito = (caractere >= QLatin1Char('0') && caractere <= QLatin1Char('9')) || caractere == decimal;
    emit CaractereDigitado(aceito);
    if (aceito) insert(QString(caractere));
}

}  // namespace talvek::gui
