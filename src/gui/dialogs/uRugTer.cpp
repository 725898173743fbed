#include "dialogs/uRugTer.h"

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

// One row of the table. A group or sub-group caption stands on the first of its rows and spans them;
// the range and the recommended value are written as in the handbook, with a decimal comma.
struct LinhaTabela {
    const char* grupo;     // nullptr: same group as the row above
    const char* subgrupo;  // nullptr: same sub-group as the row above, or the group has none
    const char* texto;
    const char* intervalo;
    const char* valor;
};

constexpr std::array<LinhaTabela, TFRugTer::kLinhas> kTabela{{
    {"Cultura em linha", "Preparo primário com aiveca", "&Superfície plana", "0,070-0,100", "0,085"},
    {nullptr, nullptr, "S&uperfície cultivada", "0,090-0,120", "0,110"},
    {nullptr, "Escarificador", "Super&fície plana", "0,080-0,120", "0,100"},
    {nullptr, nullptr, "Sup&erfície cultivada", "0,100-0,140", "0,120"},
    {"Sem preparo", nullptr, "&Resíduo normal", "0,100-0,150", "0,120"},
    {nullptr, nullptr, "&Muito resíduo", "0,130-0,170", "0,150"},
    {"Grama ou pastagem", nullptr, "&Pouca cobertura", "0,065-0,100", "0,080"},
    {nullptr, nullptr, "Cober&tura média", "0,090-0,120", "0,100"},
    {nullptr, nullptr, "&Boa cobertura", "0,100-0,140", "0,120"},
    {"Pequenos grãos", nullptr, "Resí&duos removidos", "0,090-0,120", "0,100"},
    {nullptr, nullptr, "Resíduos &incorporados", "0,110-0,140", "0,120"},
    {"Florestas ou áreas de reflorestamento", nullptr, "Árvores pe&quenas", "0,120-0,180", "0,150"},
    {nullptr, nullptr, "Árvores &grandes", "0,150-0,250", "0,200"},
    {"Terra arada", "Arado de aiveca", "Superfície p&lana", "0,010-0,050", "0,035"},
    {nullptr, nullptr, "Superfície rugos&a", "0,250-0,500", "0,350"},
    {nullptr, "Escarificador", "Superfície pla&na", "0,030-0,080", "0,050"},
    {nullptr, nullptr, "Superfície rugosa", "0,150-0,500", "0,250"},
    {nullptr, "Arado de disco", "Superfície plana", "0,030-0,070", "0,040"},
    {nullptr, nullptr, "Superfície rugosa", "0,100-0,400", "0,200"},
}};

const QString kTitulo = QStringLiteral("Consulta a valores de rugosidade do terreno");
const QString kIntervalo = QStringLiteral("Intervalo");
const QString kValor = QStringLiteral("Valor");
const QString kRotuloValor = QStringLiteral("&Valor da rugosidade:");
const QString kValorInconsistente = QStringLiteral("Valor de rugosidade inconsistente.");
const QString kCitacao = QStringLiteral(
    "Referências: ENGMAN, E. T. Roughness coefficients for routing surface runoff. Journal of Irrigation "
    "and Drainage Engineering, v. 112, n. 1, p. 39-53, 1986; UNITED STATES. Department of Agriculture. Soil "
    "Conservation Service. Urban hydrology for small watersheds. 2. ed. Washington, 1986. (Technical "
    "Release, 55).");

enum Coluna { kColGrupo, kColSubgrupo, kColTexto, kColIntervalo, kColValor, kColunas };

// Number of rows from `inicio` to the next row that opens a caption of this kind (or the end).
template <typename AbreLinha>
int Extensao(int inicio, AbreLinha abre) {
    int fim = inicio + 1;
    while (fim < TFRugTer::kLinhas && !abre(kTabela[fim])) ++fim;
    return fim - inicio;
}

}  // namespace

TFRugTer::TFRugTer(QWidget* pai) : QDialog(pai), opcoes_(new QButtonGroup(this)), eRugTer_(new TCampoNumerico(this)) {
    setWindowTitle(kTitulo);
    eRugTer_->setObjectName(QStringLiteral("eRugTer"));

    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(12);
    grade->setVerticalSpacing(2);
    grade->addWidget(RotuloCabecalho(kIntervalo, this), 0, kColIntervalo);
    grade->addWidget(RotuloCabecalho(kValor, this), 0, kColValor);
    AdicionarRegua(*grade, 1, kColunas);

    // Each group is followed by a rule; grid row of table row i = i + 2 + rules so far.
    int linhaGrade = 2;
    bool grupoTemSubgrupos = false;
    for (int i = 0; i < kLinhas; ++i) {
        const LinhaTabela& linha = kTabela[i];
        if (linha.grupo) {
            if (i > 0) AdicionarRegua(*grade, linhaGrade++, kColunas);
            const int extensao = Extensao(i, [](const LinhaTabela& l) { return l.grupo != nullptr; });
            grade->addWidget(RotuloGrupo(QString::fromUtf8(linha.grupo), this), linhaGrade, kColGrupo, extensao, 1);
            grupoTemSubgrupos = linha.subgrupo != nullptr;
        }
        if (linha.subgrupo) {
            const int extensao =
                Extensao(i, [](const LinhaTabela& l) { return l.grupo != nullptr || l.subgrupo != nullptr; });
            grade->addWidget(RotuloSubgrupo(QString::fromUtf8(linha.subgrupo), this), linhaGrade, kColSubgrupo,
                             extensao, 1);
        }
        const int linhaTabela = i + 1;
        auto* opcao = new QRadioButton(QString::fromUtf8(linha.texto), this);
        opcao->setObjectName(QStringLiteral("Opcao%1").arg(linhaTabela));
        opcoes_->addButton(opcao, linhaTabela);
        if (grupoTemSubgrupos)
            grade->addWidget(opcao, linhaGrade, kColTexto);
        else
            grade->addWidget(opcao, linhaGrade, kColSubgrupo, 1, 2);
        grade->addWidget(RotuloValor(QString::fromUtf8(linha.intervalo), this), linhaGrade, kColIntervalo);
        grade->addWidget(RotuloValor(QString::fromUtf8(linha.valor), this), linhaGrade, kColValor);
        ++linhaGrade;
    }
    AdicionarRegua(*grade, linhaGrade, kColunas);
    grade->setColumnMinimumWidth(kColGrupo, 150);
    grade->setColumnMinimumWidth(kColSubgrupo, 120);

    auto* rotuloValor = new QLabel(kRotuloValor, this);
    rotuloValor->setBuddy(eRugTer_);
    const BotoesDialogo botoes = CriarBotoes(*this);
    ok_ = botoes.ok;
    ok_->setEnabled(false);

    QHBoxLayout* rodape = LinhaBotoes(botoes, rotuloValor, eRugTer_);

    auto* principal = new QVBoxLayout(this);
    principal->setSizeConstraint(QLayout::SetFixedSize);
    principal->addLayout(grade);
    principal->addWidget(RotuloCitacao(kCitacao, this));
    principal->addSpacing(8);
    principal->addLayout(rodape);

    connect(opcoes_, &QButtonGroup::idToggled, this, [this](int linha, bool marcada) {
        if (marcada) OpcaoClick(linha);
    });
    connect(eRugTer_, &TCampoNumerico::CaractereDigitado, this, &TFRugTer::eRugTerKeyPress);
    connect(eRugTer_, &QLineEdit::textChanged, this, &TFRugTer::eRugTerChange);
    connect(botoes.ok, &QPushButton::clicked, this, &TFRugTer::OKClick);
    connect(botoes.cancela, &QPushButton::clicked, this, &QDialog::reject);
}

void TFRugTer::Preparar(int helpContext, std::int16_t indice, double valor) {
    DefinirContextoAjuda(this, helpContext);
    indice_ = indice;
    valor_ = valor;
}

void TFRugTer::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) FormShow();
}

void TFRugTer::FormShow() {
    MarcarOpcao(*opcoes_, indice_);
    if (valor_ != 0.0) eRugTer_->setText(QString::fromStdString(FormatarGeral(valor_)));
}

void TFRugTer::OpcaoClick(int linha) {
    QString valor = QString::fromUtf8(kTabela[linha - 1].valor);
    valor[1] = QLatin1Char(Regional().SeparadorDecimal);
    eRugTer_->setText(valor);
    indice_ = static_cast<std::int16_t>(linha);
}

// A typed value belongs to no row, although the row stays checked on screen.
void TFRugTer::eRugTerKeyPress(bool aceito) {
    if (aceito) indice_ = 0;
}

void TFRugTer::eRugTerChange() { ok_->setEnabled(!eRugTer_->text().isEmpty()); }

void TFRugTer::OKClick() {
    if (eRugTer_->text().isEmpty()) {
        Interface().Mensagem(this, TituloPrograma(), kValorInconsistente, Icone::Erro, Botoes::Ok);
        eRugTer_->setFocus();
        return;
    }
    const std::optional<double> valor = eRugTer_->LerValor();
    if (!valor) return;
    valor_ = *valor;
    accept();
}

}  // namespace talvek::gui
