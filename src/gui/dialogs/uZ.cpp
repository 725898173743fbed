#include "dialogs/uZ.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <array>

#include "common/ErroPadrao.h"
#include "common/InterfaceUsuario.h"
#include "help/Ajuda.h"
#include "common/CampoNumerico.h"
#include "common/GrupoOpcoes.h"
#include "dialogs/TabelaReferencia.h"
#include "platform/Numeros.h"

namespace talvek::gui {

namespace {

struct LinhaTabela {
    const char* material;
    double z;  // m horizontal per m vertical; 0 for " Ou&tros", which has no value
};

constexpr std::array<LinhaTabela, TFZ::kOpcoes> kTabela{{
    {" &Rocha firme", 0.25},
    {" Roc&ha fissurada", 0.50},
    {" &Solo firme", 1.00},
    {" So&lo argilo-arenoso", 1.50},
    {" Solo &areno-argiloso", 2.50},
    {" Ou&tros", 0.0},
}};

const QString kTitulo = QStringLiteral("Declividades recomendadas para taludes de canais não revestidos");
const QString kMaterial = QStringLiteral("Material");
const QString kValoresZ = QStringLiteral("Valores de Z");
const QString kSemValor = QStringLiteral("---");
const QString kRotuloValor = QStringLiteral("Valor de &Z :");
const QString kValorInconsistente = QStringLiteral("Valor do parâmetro Z inconsistente.");
constexpr const char* kFormatoValor = " 0.00";
const std::array<QString, 3> kCitacao{
    QStringLiteral("Referências: CHOW, V. T. Open-channel hydraulics. New York: McGraw-Hill, 1959."),
    QStringLiteral("AZEVEDO NETTO, J. M.; ALVAREZ, G. A. Manual de hidráulica. 7. ed. São Paulo:"),
    QStringLiteral("Edgard Blücher, 1982."),
};

enum Coluna { kColMaterial, kColValor, kColunas };

}  // namespace

TFZ::TFZ(QWidget* pai) : QDialog(pai), opcoes_(new QButtonGroup(this)), Edit1_(new TCampoNumerico(this)) {
    setWindowTitle(kTitulo);
    Edit1_->setObjectName(QStringLiteral("Edit1"));

    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(24);
    grade->setVerticalSpacing(2);
    QLabel* cabecalhoDescricao = RotuloCabecalho(kMaterial, this);
    cabecalhoDescricao->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grade->addWidget(cabecalhoDescricao, 0, kColMaterial);
    grade->addWidget(RotuloCabecalho(kValoresZ, this), 0, kColValor);
    AdicionarRegua(*grade, 1, kColunas);
    for (int i = 0; i < kOpcoes; ++i) {
        const int opcao = i + 1;
        auto* botao = new QRadioButton(QString::fromUtf8(kTabela[i].material), this);
        botao->setObjectName(QStringLiteral("Opcao%1").arg(opcao));
        opcoes_->addButton(botao, opcao);
        valores_[i] = RotuloValor(kSemValor, this);
        valores_[i]->setObjectName(QStringLiteral("Valor%1").arg(opcao));
        grade->addWidget(botao, opcao + 1, kColMaterial);
        grade->addWidget(valores_[i], opcao + 1, kColValor);
    }
    AdicionarRegua(*grade, kOpcoes + 2, kColunas);

    auto* citacao = new QVBoxLayout;
    citacao->setSpacing(0);
    for (const QString& linha : kCitacao) {
        QLabel* rotulo = RotuloCitacao(linha, this);
        rotulo->setWordWrap(false);
        citacao->addWidget(rotulo);
    }

    auto* rotuloValor = new QLabel(kRotuloValor, this);
    rotuloValor->setBuddy(Edit1_);
    auto* valor = new QHBoxLayout;
    valor->addWidget(rotuloValor);
    valor->addWidget(Edit1_);
    valor->addStretch();

    const BotoesDialogo botoes = CriarBotoes(*this);
    ok_ = botoes.ok;
    QHBoxLayout* rodape = LinhaBotoes(botoes);

    auto* principal = new QVBoxLayout(this);
    principal->setSizeConstraint(QLayout::SetFixedSize);
    principal->addLayout(grade);
    principal->addLayout(citacao);
    principal->addSpacing(8);
    principal->addLayout(valor);
    principal->addSpacing(8);
    principal->addLayout(rodape);

    connect(opcoes_, &QButtonGroup::idToggled, this, [this](int opcao, bool marcada) {
        if (marcada) OpcaoClick(opcao);
    });
    connect(Edit1_, &TCampoNumerico::CaractereDigitado, this, &TFZ::Edit1KeyPress);
    connect(Edit1_, &QLineEdit::textChanged, this, &TFZ::Edit1Change);
    connect(botoes.ok, &QPushButton::clicked, this, &TFZ::OKClick);
    connect(botoes.cancela, &QPushButton::clicked, this, &TFZ::CancelaClick);
}

void TFZ::Preparar(int helpContext, std::int16_t opcao, double valor) {
    DefinirContextoAjuda(this, helpContext);
    opcaoAtual_ = opcao;
    valor_ = valor;
}

void TFZ::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) FormShow();
}

void TFZ::FormShow() {
    for (int i = 0; i < kOutros - 1; ++i)
        valores_[i]->setText(QString::fromStdString(FormatarFloat(kFormatoValor, kTabela[i].z)));
    MarcarOpcao(*opcoes_, opcaoAtual_);
    if (opcaoAtual_ == kOutros) Edit1_->setFocus();
    opcaoInicial_ = opcaoAtual_;
    if (valor_ != 0.0) Edit1_->setText(QString::fromStdString(FormatarGeral(valor_)));
    Edit1Change();
}

void TFZ::OpcaoClick(int opcao) {
    opcaoAtual_ = static_cast<std::int16_t>(opcao);
    if (opcao != kOutros)
        Edit1_->setText(valores_[opcao - 1]->text());
    else if (isVisible())
        Edit1_->setFocus();
}

// A typed value is one of the "other" materials.
void TFZ::Edit1KeyPress(bool aceito) {
    if (aceito) opcoes_->button(kOutros)->setChecked(true);
}

void TFZ::Edit1Change() {
    const QString texto = Edit1_->text();
    ok_->setEnabled(!texto.isEmpty() && texto != kSemValor);
}

void TFZ::OKClick() {
    if (Edit1_->text().isEmpty()) {
        Interface().Mensagem(this, TituloPrograma(), kValorInconsistente, Icone::Erro, Botoes::Ok);
        Edit1_->setFocus();
        return;
    }
    const std::optional<double> valor = Edit1_->LerValor();
    if (!valor) return;
    valor_ = *valor;
    accept();
}

void TFZ::CancelaClick() {
    DesmarcarTodos(*opcoes_);
    opcaoAtual_ = opcaoInicial_;
    reject();
}

}  // namespace talvek::gui
