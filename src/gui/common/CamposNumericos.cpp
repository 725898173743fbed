#include "common/CamposNumericos.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "common/ErroPadrao.h"
#include "common/InterfaceUsuario.h"
#include "platform/Excecoes.h"
#include "platform/Numeros.h"
#include "platform/Regional.h"

namespace talvek::gui {

namespace {

const QString kNaoNumerico = QStringLiteral("' não é um valor numérico válido.");

QChar SeparadorDecimal() { return QLatin1Char(Regional().SeparadorDecimal); }
QChar SeparadorMilhar() { return QLatin1Char(Regional().SeparadorMilhar); }

bool EhDigitoOuSeparador(QChar c) { return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == SeparadorDecimal(); }

// Keys that reach the field whatever the filter: they edit or confirm rather than type.
bool PassaSemFiltro(const QKeyEvent& tecla) {
    switch (tecla.key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape: return true;
        default: return (tecla.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
    }
}

}  // namespace

double ValorDoCampo(const QString& texto, double padrao) {
    if (texto.isEmpty()) return padrao;
    const std::optional<double> valor = LerNumero(texto.toStdString());
    if (!valor) throw Exception((QLatin1Char('\'') + texto + kNaoNumerico).toStdString());
    return *valor;
}

double ValorDoCampo(const QLineEdit& campo, double padrao) { return ValorDoCampo(campo.text(), padrao); }

QString TextoDoValor(const char* formato, double valor, double vazio) {
    if (valor == vazio) return QString();
    return QString::fromStdString(FormatarFloat(formato, valor));
}

void MostrarValor(QLineEdit& campo, const char* formato, double valor, double vazio) {
    campo.setText(TextoDoValor(formato, valor, vazio));
}

bool CampoPreenchido(QLineEdit& campo, const QString& mensagem) {
    if (!campo.text().isEmpty()) return true;
    Interface().Mensagem(campo.window(), TituloPrograma(), mensagem, Icone::Erro, Botoes::Ok);
    campo.setFocus();
    return false;
}

TFiltroNumerico::TFiltroNumerico(Aviso aoDigitar, QObject* pai) : QObject(pai), aoDigitar_(std::move(aoDigitar)) {}

void TFiltroNumerico::Instalar(QLineEdit& campo) { campo.installEventFilter(this); }

bool TFiltroNumerico::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return false;
    auto* campo = qobject_cast<QLineEdit*>(alvo);
    auto* tecla = static_cast<QKeyEvent*>(evento);
    if (!campo || tecla->text().isEmpty() || tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab)
        return false;
    if (tecla->modifiers() & Qt::AltModifier) return false;  // accelerators of the window's labels and buttons
    if (aoDigitar_) aoDigitar_(*campo);
    if (PassaSemFiltro(*tecla)) return false;
    const QChar caractere = tecla->text().at(0);
    if (caractere == SeparadorMilhar() && SeparadorMilhar() != SeparadorDecimal()) {
        QKeyEvent decimal(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(SeparadorDecimal()));
        campo->event(&decimal);  // straight to the field: this filter has already seen the key
        return true;
    }
    return !(tecla->text().size() == 1 && EhDigitoOuSeparador(caractere));
}

}  // namespace talvek::gui
