#include "dialogs/uRugCan.h"

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
#include "platform/Regional.h"

namespace talvek::gui {

namespace {

// One row of the table; the group caption stands on the first of its rows and spans them. Values are
// written as in the handbook, with a decimal comma.
struct LinhaTabela {
    const char* grupo;  // nullptr: same group as the row above
    const char* texto;
    const char* minimo;
    const char* normal;
    const char* maximo;
};

constexpr std::array<LinhaTabela, TFRugCan::kLinhas> kTabela{{
    {"Canal de terra retilíneo e uniforme", "&Limpo, recentemente construído", "0,016", "0,018", "0,020"},
    {nullptr, "L&impo, mas já tendo sofrido intemperismo", "0,018", "0,022", "0,025"},
    {nullptr, "&Escascalhado, seção uniforme, limpo", "0,022", "0,025", "0,030"},
    {nullptr, "Co&m grama curta, poucas ervas daninhas", "0,022", "0,027", "0,033"},
    {"Canal de terra sinuoso", "&Sem vegetação", "0,023", "0,025", "0,030"},
    {nullptr, "&Grama, algumas ervas daninhas", "0,025", "0,030", "0,033"},
    {nullptr, "E&rvas daninhas densas, plantas aquáticas em canais profundos", "0,030", "0,035", "0,040"},
    {nullptr, "&Fundo em terra e lados escascalhados", "0,028", "0,030", "0,035"},
    {nullptr, "Fun&do em cascalho e taludes com ervas daninhas", "0,025", "0,035", "0,040"},
}};

const QString kTitulo = QStringLiteral("Consulta a valores de rugosidade do canal");
const QString kMinimo = QStringLiteral("Mínimo");
const QString kNormal = QStringLiteral("Normal");
const QString kMaximo = QStringLiteral("Máximo");
const QString kRotuloValor = QStringLiteral("&Valor da rugosidade:");
const QString kValorInconsistente = QStringLiteral("Valor de rugosidade inconsistente.");
const QString kCitacao = QStringLiteral(
    "Fonte: CHOW, V. T. Open-channel hydraulics. New York: McGraw-Hill, 1959. Tabela 5-6, canais escavados "
    "em terra.");

enum Coluna { kColGrupo, kColTexto, kColMinimo, kColNormal, kColMaximo, kColunas };

int ExtensaoGrupo(int inicio) {
    int fim = inicio + 1;
    while (fim < TFRugCan::kLinhas && !kTabela[fim].grupo) ++fim;
    return fim - inicio;
}

}  // namespace

TFRugCan::TFRugCan(QWidget* pai) : QDialog(pai), opcoes_(new QButtonGroup(this)), eRugCan_(new TCampoNumerico(this)) {
    setWindowTitle(kTitulo);
    eRugCan_->setObjectName(QStringLiteral("eRugCan"));

    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(12);
    grade->setVerticalSpacing(2);
    grade->addWidget(RotuloCabecalho(kMinimo, this), 0, kColMinimo);
    grade->addWidget(RotuloCabecalho(kNormal, this), 0, kColNormal);
    grade->addWidget(RotuloCabecalho(kMaximo, this), 0, kColMaximo);
    AdicionarRegua(*grade, 1, kColunas);

    int linhaGrade = 2;
    for (int i = 0; i < kLinhas; ++i) {
        const LinhaTabela& linha = kTabela[i];
        if (linha.grupo) {
            if (i > 0) AdicionarRegua(*grade, linhaGrade++, kColunas);
            grade->addWidget(RotuloGrupo(QString::fromUtf8(linha.grupo), this), linhaGrade, kColGrupo,
                             ExtensaoGrupo(i), 1);
        }
        const int linhaTabela = i + 1;
        auto* opcao = new QRadioButton(QString::fromUtf8(linha.texto), this);
        opcao->setObjectName(QStringLiteral("RadioButton%1").arg(linhaTabela));
        opcoes_->addButton(opcao, linhaTabela);
        grade->addWidget(opcao, linhaGrade, kColTexto);
        grade->addWidget(RotuloValor(QString::fromUtf8(linha.minimo), this), linhaGrade, kColMinimo);
        grade->addWidget(RotuloValor(QString::fromUtf8(linha.normal), this), linhaGrade, kColNormal);
        grade->addWidget(RotuloValor(QString::fromUtf8(linha.maximo), this), linhaGrade, kColMaximo);
        ++linhaGrade;
    }
    AdicionarRegua(*grade, linhaGrade, kColunas);
    grade->setColumnMinimumWidth(kColGrupo, 150);

    auto* rotuloValor = new QLabel(kRotuloValor, this);
    rotuloValor->setBuddy(eRugCan_);
    const BotoesDialogo botoes = CriarBotoes(*this);
    ok_ = botoes.ok;
    ok_->setEnabled(false);

    QHBoxLayout* rodape = LinhaBotoes(botoes, rotuloValor, eRugCan_);

    auto* principal = new QVBoxLayout(this);
    principal->setSizeConstraint(QLayout::SetFixedSize);
    principal->addLayout(grade);
    principal->addWidget(RotuloCitacao(kCitacao, this));
    principal->addSpacing(8);
    principal->addLayout(rodape);

    connect(opcoes_, &QButtonGroup::idToggled, this, [this](int linha, bool marcada) {
        if (marcada) RadioButtonClick(linha);
    });
    connect(eRugCan_, &TCampoNumerico::CaractereDigitado, this, &TFRugCan::eRugCanKeyPress);
    connect(eRugCan_, &QLineEdit::textChanged, this, &TFRugCan::eRugCanChange);
    connect(botoes.ok, &QPushButton::clicked, this, &TFRugCan::OKClick);
    connect(botoes.cancela, &QPushButton::clicked, this, &QDialog::reject);
}

void TFRugCan::Preparar(int helpContext, std::int16_t indice, double valor) {
    DefinirContextoAjuda(this, helpContext);
    indice_ = indice;
    valor_ = valor;
}

void TFRugCan::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) FormShow();
}

void TFRugCan::FormShow() {
    MarcarOpcao(*opcoes_, indice_);
    if (valor_ != 0.0) eRugCan_->setText(QString::fromStdString(FormatarGeral(valor_)));
}

// The row number is taken from the checked row on OK.
void TFRugCan::RadioButtonClick(int linha) {
    QString normal = QString::fromUtf8(kTabela[linha - 1].normal);
    normal[1] = QLatin1Char(Regional().SeparadorDecimal);
    eRugCan_->setText(normal);
}

// A typed value belongs to no row: no row stays checked.
void TFRugCan::eRugCanKeyPress(bool aceito) {
    if (!aceito) return;
    DesmarcarTodos(*opcoes_);
    indice_ = 0;
}

void TFRugCan::eRugCanChange() { ok_->setEnabled(!eRugCan_->text().isEmpty()); }

void TFRugCan::OKClick() {
    if (eRugCan_->text().isEmpty()) {
        Interface().Mensagem(this, TituloPrograma(), kValorInconsistente, Icone::Erro, Botoes::Ok);
        eRugCan_->setFocus();
        return;
    }
    if (opcoes_->checkedId() > 0) indice_ = static_cast<std::int16_t>(opcoes_->checkedId());
    const std::optional<double> valor = eRugCan_->LerValor();
    if (!valor) return;
    valor_ = *valor;
    accept();
}

}  // namespace talvek::gui
