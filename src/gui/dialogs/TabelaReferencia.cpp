#include "dialogs/TabelaReferencia.h"

#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/Ajuda.h"

namespace talvek::gui {

namespace {

QLabel* Rotulo(const QString& texto, QWidget* pai, bool negrito, bool italico) {
    auto* rotulo = new QLabel(texto, pai);
    QFont fonte = rotulo->font();
    fonte.setBold(negrito);
    fonte.setItalic(italico);
    rotulo->setFont(fonte);
    return rotulo;
}

}  // namespace

QLabel* RotuloCabecalho(const QString& texto, QWidget* pai) {
    QLabel* rotulo = Rotulo(texto, pai, true, false);
    rotulo->setAlignment(Qt::AlignCenter);
    return rotulo;
}

QLabel* RotuloGrupo(const QString& texto, QWidget* pai) {
    QLabel* rotulo = Rotulo(texto, pai, true, false);
    rotulo->setWordWrap(true);
    rotulo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return rotulo;
}

QLabel* RotuloSubgrupo(const QString& texto, QWidget* pai) {
    QLabel* rotulo = Rotulo(texto, pai, false, true);
    rotulo->setWordWrap(true);
    rotulo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return rotulo;
}

QLabel* RotuloValor(const QString& texto, QWidget* pai) {
    QLabel* rotulo = Rotulo(texto, pai, false, false);
    rotulo->setAlignment(Qt::AlignCenter);
    return rotulo;
}

QLabel* RotuloCitacao(const QString& texto, QWidget* pai) {
    QLabel* rotulo = Rotulo(texto, pai, false, false);
    QFont fonte = rotulo->font();
    fonte.setPointSizeF(fonte.pointSizeF() * 0.85);
    rotulo->setFont(fonte);
    rotulo->setWordWrap(true);
    return rotulo;
}

QFrame* Regua(QWidget* pai) {
    auto* regua = new QFrame(pai);
    regua->setFrameShape(QFrame::HLine);
    regua->setFrameShadow(QFrame::Sunken);
    return regua;
}

void AdicionarRegua(QGridLayout& grade, int linha, int colunas) {
    grade.addWidget(Regua(grade.parentWidget()), linha, 0, 1, colunas);
}

BotoesDialogo CriarBotoes(QDialog& dialogo) {
    BotoesDialogo botoes{new QPushButton(QStringLiteral("&Ok"), &dialogo),
                         new QPushButton(QStringLiteral("&Cancelar"), &dialogo),
                         new QPushButton(QStringLiteral("Aj&uda"), &dialogo)};
    botoes.ok->setObjectName(QStringLiteral("OK"));
    botoes.cancela->setObjectName(QStringLiteral("Cancela"));
    botoes.ajuda->setObjectName(QStringLiteral("BtnAjuda"));
    botoes.ok->setDefault(true);
    QObject::connect(botoes.ajuda, &QPushButton::clicked, &dialogo,
                     [&dialogo] { Ajuda().AbrirTopico(ContextoAjuda(&dialogo)); });
    return botoes;
}

QHBoxLayout* LinhaBotoes(const BotoesDialogo& botoes, QLabel* rotulo, QWidget* campo) {
    auto* linha = new QHBoxLayout;
    if (rotulo) linha->addWidget(rotulo);
    if (campo) linha->addWidget(campo);
    linha->addStretch();
    linha->addWidget(botoes.ok);
    linha->addWidget(botoes.cancela);
    linha->addWidget(botoes.ajuda);
    return linha;
}

BotoesDialogo MontarDialogoFormulario(QDialog& dialogo, QLayout* campos) {
    const BotoesDialogo botoes = CriarBotoes(dialogo);
    QObject::connect(botoes.cancela, &QPushButton::clicked, &dialogo, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialogo);
    layout->addLayout(campos);
    layout->addSpacing(8);
    layout->addLayout(LinhaBotoes(botoes));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return botoes;
}

}  // namespace talvek::gui
