#include "dialogs/IdentProjeto.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/JanelasCentradas.h"
#include "dialogs/TabelaReferencia.h"
#include "help/Ajuda.h"

namespace talvek::gui {

namespace {

QString Texto(const std::string& texto) { return QString::fromStdString(texto); }

}  // namespace

TFIdentProjeto::TFIdentProjeto(QWidget* pai) : QDialog(pai) {
    setWindowTitle(QStringLiteral("Identificação do Projeto"));
    DefinirContextoAjuda(this, kAjudaIdentProjeto);

    auto* campos = new QFormLayout;
    const auto linha = [&](const char* rotulo) {
        auto* campo = new QLineEdit;
        campo->setMinimumWidth(340);
        auto* texto = new QLabel(QString::fromUtf8(rotulo));
        texto->setBuddy(campo);
        campos->addRow(texto, campo);
        campo->installEventFilter(this);
        connect(campo, &QLineEdit::textEdited, this, &TFIdentProjeto::MarcarAlterado);
        return campo;
    };
    EdNome = linha("&Nome:");
    EdEmpresa = linha("&Empresa:");
    EdLocal = linha("&Localidade:");
    EdEstado = linha("E&stado:");
    EdTecnico = linha("&Técnico:");
    EdData = linha("&Data:");

    const BotoesDialogo botoes = MontarDialogoFormulario(*this, campos);  // "Aj&uda" opens the help context
    BtnOk = botoes.ok;
    BtnCancelar = botoes.cancela;
    BtnAjuda = botoes.ajuda;
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
}

int TFIdentProjeto::Executar(talvek::TIDProjeto& registro) {
    FormShow(registro);
    const int resultado = exec();
    if (resultado == QDialog::Accepted) OkClick(registro);
    return resultado;
}

void TFIdentProjeto::FormShow(const talvek::TIDProjeto& registro) {
    EdNome->setText(Texto(registro.Nome));
    EdEmpresa->setText(Texto(registro.Empresa));
    EdLocal->setText(Texto(registro.Local));
    EdEstado->setText(Texto(registro.Estado));
    EdTecnico->setText(Texto(registro.Tecnico));
    EdData->setText(Texto(registro.Data));
    EdNome->setFocus();
}

void TFIdentProjeto::OkClick(talvek::TIDProjeto& registro) {
    registro.Nome = EdNome->text().toStdString();
    registro.Empresa = EdEmpresa->text().toStdString();
    registro.Local = EdLocal->text().toStdString();
    registro.Estado = EdEstado->text().toStdString();
    registro.Tecnico = EdTecnico->text().toStdString();
    registro.Data = EdData->text().toStdString();
}

void TFIdentProjeto::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentrarNaTela(*this);
}

// A typed character (Backspace and control characters such as the paste key included) marks the project
// modified even when it changes nothing; Enter, Escape and Tab belong to the dialog.
bool TFIdentProjeto::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const bool doDialogo = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter ||
                               tecla->key() == Qt::Key_Escape || tecla->key() == Qt::Key_Tab ||
                               tecla->key() == Qt::Key_Backtab;
        if (!tecla->text().isEmpty() && !doDialogo) MarcarAlterado();
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFIdentProjeto::MarcarAlterado() {
    if (aoDigitar_) aoDigitar_();
}

}  // namespace talvek::gui
