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

}  // namespace

TTeclaNumerica RegraTeclaNumerica(const QKeyEvent& tecla) {
    const QString texto = tecla.text();
    if (texto.isEmpty() || (texto.size() == 1 && !texto[0].isPrint()) ||
        (tecla.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return {TTeclaNumerica::Passa, {}};
    const QChar decimal = QLatin1Char(Regional().SeparadorDecimal);
    const QChar caractere = texto[0] == QLatin1Char(Regional().SeparadorMilhar) ? decimal : texto[0];
    const bool numerico = (caractere >= QLatin1Char('0') && caractere <= QLatin1Char('9')) || caractere == decimal;
    if (texto.size() != 1 || !numerico) return {TTeclaNumerica::Recusa, {}};
    return {TTeclaNumerica::Digita, caractere};
}

double ValorDoCampo(const QString& texto, double padrao) {
    if (texto.isEmpty()) return padrao;
    return LerNumeroOuErro(texto.toStdString());
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
    const TTeclaNumerica regra = RegraTeclaNumerica(*tecla);
    if (regra.efeito == TTeclaNumerica::Passa) return false;
    if (regra.efeito == TTeclaNumerica::Digita && regra.caractere != tecla->text().at(0)) {
        QKeyEvent decimal(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(regra.caractere));
        campo->event(&decimal);  // straight to the field: this filter has already seen the key
        return true;
    }
    return regra.efeito == TTeclaNumerica::Recusa;
}

}  // namespace talvek::gui
