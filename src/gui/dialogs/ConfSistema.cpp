#include "dialogs/ConfSistema.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "common/JanelasCentradas.h"
#include "dialogs/TabelaReferencia.h"
#include "help/Ajuda.h"
#include "project/ConfSistemaEstados.h"

namespace talvek::gui {

namespace {

QComboBox* ListaFixa(const QStringList& itens) {
    auto* lista = new QComboBox;
    lista->addItems(itens);
    lista->setMinimumWidth(200);
    return lista;
}

}  // namespace

TFConfSistema::TFConfSistema(const TUnidades& unidades, int indEstado, QWidget* pai)
    : QDialog(pai), unidades_(unidades), indEstado_(indEstado) {
    setWindowTitle(QStringLiteral("Configuração do Sistema"));
    DefinirContextoAjuda(this, kAjudaConfSistema);

    QStringList declividades, vibs, estados;
    for (const auto& u : kUnidadesDeclividade) declividades << QString::fromUtf8(u.texto);
    for (const auto& u : kUnidadesVIB) vibs << QString::fromUtf8(u.texto);
    for (const char* estado : kEstadosConfiguracao) estados << QString::fromUtf8(estado);
    Uniddecli = ListaFixa(declividades);
    UnidVib = ListaFixa(vibs);
    EstDefault = ListaFixa(estados);
    EstDefault->setMaxVisibleItems(22);

    auto* campos = new QFormLayout;
    const auto linha = [&](const char* rotulo, QComboBox* lista) {
        auto* texto = new QLabel(QString::fromUtf8(rotulo));
        texto->setBuddy(lista);
        campos->addRow(texto, lista);
    };
    linha("Unidade da &declividade:", Uniddecli);
    linha("Unidade da &VIB:", UnidVib);
    linha("&Estado:", EstDefault);

    const BotoesDialogo botoes = MontarDialogoFormulario(*this, campos);  // "Aj&uda" opens the help context
    BtnOk = botoes.ok;
    BtnCancelar = botoes.cancela;
    BtnAjuda = botoes.ajuda;
    connect(BtnOk, &QPushButton::clicked, this, &TFConfSistema::OkClick);

    FormShow();
}

void TFConfSistema::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentrarNaTela(*this);
}

void TFConfSistema::FormShow() {
    Uniddecli->setCurrentIndex(Uniddecli->findText(QString::fromStdString(unidades_.UDecli)));
    UnidVib->setCurrentIndex(UnidVib->findText(QString::fromStdString(unidades_.UVIB)));
    EstDefault->setCurrentIndex(indEstado_ >= 0 && indEstado_ < EstDefault->count() ? indEstado_ : -1);
}

// With no entry selected the unit text becomes empty and its factor keeps its value.
void TFConfSistema::OkClick() {
    unidades_.UDecli = Uniddecli->currentText().toStdString();
    unidades_.UVIB = UnidVib->currentText().toStdString();
    indEstado_ = EstDefault->currentIndex();
    if (const int i = UnidVib->currentIndex(); i >= 0) unidades_.KVIB = kUnidadesVIB[i].fator;
    if (const int i = Uniddecli->currentIndex(); i >= 0) unidades_.KDecli = kUnidadesDeclividade[i].fator;
    accept();
}

bool ExecutarConfSistema(QWidget* pai, TUnidades& unidades, int& indEstado) {
    TFConfSistema dialogo(unidades, indEstado, pai);
    if (dialogo.exec() != QDialog::Accepted) return false;
    unidades = dialogo.Unidades();
    indEstado = dialogo.IndEstado();
    return true;
}

}  // namespace talvek::gui
