#include "dialogs/uSm.h"

#include <QButtonGroup>
#include <QEvent>
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

// One terrace type: the radio button's caption, the second line of its description and Sm in m/m (row 7
// a range).
struct LinhaTabela {
    const char* texto;
    const char* segundaLinha;
    double sm;
};

constexpr std::array<LinhaTabela, TFSm::kOpcoes> kTabela{{
    {"&Terraço embutido em nível, construído com trator de", "esteiras FIAT AD7 B", 0.721},
    {"T&erraço embutido em nível, construído com trator de", "esteiras FIAT AD14", 0.679},
    {"Te&rraço embutido em nível, construído com", "motoniveladora DRESSER 140C", 0.667},
    {"Terr&aço base larga em nível, construído com trator",
     "VALMET 1580 tracionando terraceador (sem acabamento)", 0.213},
    {"Terraço &base larga com gradiente, construído com trator",
     "VALMET 1580 tracionando terraceador (sem acabamento)", 0.170},
    {"Terraço ba&se larga com gradiente, construído com trator",
     "VALMET 1580 tracionando terraceador (acabamento com aiveca)", 0.164},
    {"Terraço base &larga em nível, construído com", "motoniveladora HUBER WARCO 140 M", 0.0},
    {"Terraço leirão ou &murundum em nível, construído com trator", "de esteiras FIAT AD& B", 0.418},
}};
constexpr double kFaixaMinima = 0.186;  // range of row 7, m/m
constexpr double kFaixaMaxima = 0.221;

const QString kTitulo = QStringLiteral("Valores de Sm para seções transversais típicas construídas pela CODASP");
const QString kTipoTerraco = QStringLiteral("Tipo de terraço e forma de construção");
const QString kValorSm = QStringLiteral("Valor de Sm");
const QString kRotuloValor = QStringLiteral("&Valor de Sm :");
const QString kFonte = QStringLiteral("Fonte: COMPANHIA DE DESENVOLVIMENTO AGRÍCOLA DE SÃO PAULO - CODASP");
const QString kObra = QStringLiteral("Manual técnico de motomecanização agrícola");
const QString kPublicacao = QStringLiteral(". São Paulo, 1994. 101p");
const QString kJuncaoFaixa = QStringLiteral(" a ");
const QString kForaDaFaixa = QStringLiteral("Valor de Sm inconsistente. Forneça um valor compreendido entre:[");
constexpr int kMaximoCaracteresNaFaixa = 5;

enum Coluna { kColTipo, kColValor, kColunas };

// The second lines are captions too: an "&" in them marks no accelerator of their own and is not shown.
QString SemAceleradores(const char* texto) { return QString::fromUtf8(texto).remove(QLatin1Char('&')); }

}  // namespace

TFSm::TFSm(QWidget* pai) : QDialog(pai), opcoes_(new QButtonGroup(this)), Edit1_(new TCampoNumerico(this)) {
    setWindowTitle(kTitulo);
    Edit1_->setObjectName(QStringLiteral("Edit1"));
    Edit1_->installEventFilter(this);

    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(24);
    grade->setVerticalSpacing(4);
    QLabel* cabecalhoDescricao = RotuloCabecalho(kTipoTerraco, this);
    cabecalhoDescricao->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grade->addWidget(cabecalhoDescricao, 0, kColTipo);
    grade->addWidget(RotuloCabecalho(kValorSm, this), 0, kColValor);
    AdicionarRegua(*grade, 1, kColunas);
    for (int i = 0; i < kOpcoes; ++i) {
        const int opcao = i + 1;
        // The second line of the description belongs to the row's button, so that it is clickable too.
        auto* botao = new QRadioButton(QString::fromUtf8(kTabela[i].texto) + QLatin1Char('\n') +
                                           SemAceleradores(kTabela[i].segundaLinha),
                                       this);
        botao->setObjectName(QStringLiteral("Opcao%1").arg(opcao));
        opcoes_->addButton(botao, opcao);
        valores_[i] = RotuloValor(QString(), this);
        valores_[i]->setObjectName(QStringLiteral("Valor%1").arg(opcao));
        grade->addWidget(botao, opcao + 1, kColTipo);
        grade->addWidget(valores_[i], opcao + 1, kColValor);
    }
    AdicionarRegua(*grade, kOpcoes + 2, kColunas);

    auto* obra = RotuloCitacao(kObra, this);
    QFont negrito = obra->font();
    negrito.setBold(true);
    obra->setFont(negrito);
    obra->setWordWrap(false);
    QLabel* publicacao = RotuloCitacao(kPublicacao, this);
    publicacao->setWordWrap(false);
    auto* linhaObra = new QHBoxLayout;
    linhaObra->setSpacing(0);
    linhaObra->addWidget(obra);
    linhaObra->addWidget(publicacao);
    linhaObra->addStretch();

    auto* rotuloValor = new QLabel(kRotuloValor, this);
    rotuloValor->setBuddy(Edit1_);
    const BotoesDialogo botoes = CriarBotoes(*this);
    ok_ = botoes.ok;
    QHBoxLayout* rodape = LinhaBotoes(botoes, rotuloValor, Edit1_);

    auto* principal = new QVBoxLayout(this);
    principal->setSizeConstraint(QLayout::SetFixedSize);
    principal->addLayout(grade);
    principal->addWidget(RotuloCitacao(kFonte, this));
    principal->addLayout(linhaObra);
    principal->addSpacing(8);
    principal->addLayout(rodape);

    connect(opcoes_, &QButtonGroup::idToggled, this, [this](int opcao, bool marcada) {
        if (marcada) OpcaoClick(opcao);
    });
    connect(Edit1_, &TCampoNumerico::CaractereDigitado, this, &TFSm::Edit1KeyPress);
    connect(Edit1_, &QLineEdit::textChanged, this, &TFSm::Edit1Change);
    connect(botoes.ok, &QPushButton::clicked, this, &TFSm::OKClick);
    connect(botoes.cancela, &QPushButton::clicked, this, &TFSm::CancelaClick);
}

void TFSm::Preparar(int helpContext, const std::string& unidade, int multiplicador, std::int16_t opcao,
                    double valor) {
    DefinirContextoAjuda(this, helpContext);
    unidade_ = unidade;
    multiplicador_ = multiplicador;
    opcaoPreparada_ = opcao;
    valor_ = valor;
}

void TFSm::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) FormShow();
}

bool TFSm::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == Edit1_ && evento->type() == QEvent::FocusIn) Edit1Enter();
    return QDialog::eventFilter(alvo, evento);
}

// A base value in m/m as shown in the table: in the slope unit, with a leading blank.
QString TFSm::TextoValor(double valorBase) const {
    const char* formato = unidade_ == "%" ? " 0.0" : " 0.000";
    return QString::fromStdString(FormatarFloat(formato, valorBase * multiplicador_));
}

void TFSm::FormShow() {
    for (int i = 0; i < kOpcoes; ++i) {
        const bool faixa = i + 1 == kFaixa;
        valores_[i]->setText(faixa ? TextoValor(kFaixaMinima) + kJuncaoFaixa + TextoValor(kFaixaMaxima)
                                   : TextoValor(kTabela[i].sm));
    }
    const QString valorPreparado = QString::fromStdString(FormatarGeral(valor_));
    MarcarOpcao(*opcoes_, opcaoPreparada_);
    if (opcaoPreparada_ == kFaixa) Edit1_->setText(valorPreparado);
    opcaoAtual_ = opcaoPreparada_;
    if (valor_ != 0.0) Edit1_->setText(valorPreparado);
    Edit1Change();
}

void TFSm::OpcaoClick(int opcao) {
    Edit1_->setText(valores_[opcao - 1]->text());
    opcaoAtual_ = static_cast<std::int16_t>(opcao);
}

void TFSm::Edit1Enter() { Edit1_->selectAll(); }

// Any key, accepted or not, makes the value a typed one, except over the range of row 7.
void TFSm::Edit1KeyPress() {
    if (opcaoAtual_ != kFaixa) opcaoAtual_ = kDigitado;
}

void TFSm::Edit1Change() {
    const QString texto = Edit1_->text();
    ok_->setEnabled(!texto.isEmpty() && texto != valores_[kFaixa - 1]->text());
}

void TFSm::OKClick() {
    if (opcaoAtual_ == kFaixa && Edit1_->text().size() > kMaximoCaracteresNaFaixa) {
        const QString faixa = QString::fromStdString(FormatarGeral(kFaixaMinima * multiplicador_) + " .. " +
                                                     FormatarGeral(kFaixaMaxima * multiplicador_));
        Interface().Mensagem(this, TituloPrograma(), kForaDaFaixa + faixa + QStringLiteral("]."), Icone::Aviso,
                             Botoes::Ok);
        Edit1_->setFocus();
        return;
    }
    const std::optional<double> valor = Edit1_->LerValor();
    if (!valor) return;
    valor_ = *valor;
    DesmarcarTodos(*opcoes_);
    accept();
}

void TFSm::CancelaClick() {
    DesmarcarTodos(*opcoes_);
    reject();
}

}  // namespace talvek::gui
