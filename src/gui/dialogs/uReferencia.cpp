#include "dialogs/uReferencia.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "common/CampoNumerico.h"
#include "common/ErroPadrao.h"
#include "common/GrupoOpcoes.h"
#include "common/InterfaceUsuario.h"
#include "dialogs/DescricaoReferencia.h"
#include "dialogs/TabelaReferencia.h"
#include "help/Ajuda.h"
#include "platform/Numeros.h"
#include "platform/Regional.h"

namespace talvek::gui {

namespace {

const QString kJuncaoFaixa = QStringLiteral(" a ");

QString Texto(const char* texto) { return QString::fromUtf8(texto); }

bool AbreGrupo(const LinhaReferencia& linha) { return linha.grupo != nullptr; }
bool AbreSubgrupo(const LinhaReferencia& linha) { return linha.grupo || linha.subgrupo; }

// Number of rows from `inicio` to the next row that opens a caption of this kind (or the end).
int Extensao(const std::vector<LinhaReferencia>& linhas, std::size_t inicio, bool (*abre)(const LinhaReferencia&)) {
    std::size_t fim = inicio + 1;
    while (fim < linhas.size() && !abre(linhas[fim])) ++fim;
    return static_cast<int>(fim - inicio);
}

QLabel* CitacaoInteira(const char* texto, QWidget* pai) {
    QLabel* rotulo = RotuloCitacao(Texto(texto), pai);
    rotulo->setWordWrap(false);
    return rotulo;
}

}  // namespace

TFReferencia::TFReferencia(const DescricaoReferencia& tabela, QWidget* pai)
    : QDialog(pai), tabela_(tabela), opcoes_(new QButtonGroup(this)), caixa_(new TCampoNumerico(this)) {
    setWindowTitle(Texto(tabela.titulo));
    caixa_->setObjectName(Texto(tabela.nomeCaixa));
    if (tabela.selecionaAoEntrar) caixa_->installEventFilter(this);

    auto* principal = new QVBoxLayout(this);
    principal->setSizeConstraint(QLayout::SetFixedSize);
    QGridLayout* grade = CriarTabela();
    if (tabela.alturaRolagem > 0) {
        auto* conteudo = new QWidget;
        conteudo->setLayout(grade);
        auto* rolagem = new QScrollArea(this);
        rolagem->setObjectName(QStringLiteral("RolagemTabela"));
        rolagem->setFrameShape(QFrame::NoFrame);
        rolagem->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        rolagem->setWidgetResizable(true);
        rolagem->setWidget(conteudo);
        rolagem->setFixedSize(conteudo->sizeHint().width() + rolagem->verticalScrollBar()->sizeHint().width(),
                              tabela.alturaRolagem);
        principal->addWidget(rolagem);
    } else {
        principal->addLayout(grade);
    }
    principal->addLayout(CriarFonte());
    principal->addSpacing(8);

    auto* rotuloValor = new QLabel(Texto(tabela.rotuloValor), this);
    rotuloValor->setBuddy(caixa_);
    const BotoesDialogo botoes = CriarBotoes(*this);
    ok_ = botoes.ok;
    if (tabela.caixaEmLinhaPropria) {
        auto* valor = new QHBoxLayout;
        valor->addWidget(rotuloValor);
        valor->addWidget(caixa_);
        valor->addStretch();
        principal->addLayout(valor);
        principal->addSpacing(8);
        principal->addLayout(LinhaBotoes(botoes));
    } else {
        principal->addLayout(LinhaBotoes(botoes, rotuloValor, caixa_));
    }

    connect(opcoes_, &QButtonGroup::idToggled, this, [this](int linha, bool marcada) {
        if (marcada) LinhaEscolhida(linha);
    });
    connect(caixa_, &TCampoNumerico::CaractereDigitado, this, &TFReferencia::CaractereDigitado);
    connect(caixa_, &QLineEdit::textChanged, this, &TFReferencia::AtualizarOk);
    connect(botoes.ok, &QPushButton::clicked, this, &TFReferencia::OKClick);
    connect(botoes.cancela, &QPushButton::clicked, this, &QDialog::reject);
}

// Headings over a rule, then the rows, groups set apart by rules. The columns: the group captions and the
// sub-group captions (when the table has them), the buttons, the value cells.
QGridLayout* TFReferencia::CriarTabela() {
    const std::vector<LinhaReferencia>& linhas = tabela_.linhas;
    const bool temGrupos = std::any_of(linhas.begin(), linhas.end(), AbreGrupo);
    const bool temSubgrupos = std::any_of(linhas.begin(), linhas.end(), [](const LinhaReferencia& linha) {
        return linha.subgrupo != nullptr;
    });
    const int colunaBotoes = int{temGrupos} + int{temSubgrupos};
    const int colunas = colunaBotoes + 1 + static_cast<int>(tabela_.cabecalhos.size());

    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(tabela_.espacoColunas);
    grade->setVerticalSpacing(tabela_.espacoLinhas);
    if (tabela_.cabecalhoLinhas) {
        QLabel* cabecalho = RotuloCabecalho(Texto(tabela_.cabecalhoLinhas), this);
        cabecalho->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grade->addWidget(cabecalho, 0, colunaBotoes);
    }
    for (std::size_t j = 0; j < tabela_.cabecalhos.size(); ++j)
        grade->addWidget(RotuloCabecalho(Texto(tabela_.cabecalhos[j]), this), 0, colunaBotoes + 1 + int(j));
    AdicionarRegua(*grade, 1, colunas);

    int linhaGrade = 2;
    bool grupoTemSubgrupos = false;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        const LinhaReferencia& linha = linhas[i];
        if (linha.grupo) {
            if (i > 0) AdicionarRegua(*grade, linhaGrade++, colunas);
            grade->addWidget(RotuloGrupo(Texto(linha.grupo), this), linhaGrade, 0, Extensao(linhas, i, AbreGrupo), 1);
            grupoTemSubgrupos = linha.subgrupo != nullptr;
        }
        if (linha.subgrupo)
            grade->addWidget(RotuloSubgrupo(Texto(linha.subgrupo), this), linhaGrade, colunaBotoes - 1,
                             Extensao(linhas, i, AbreSubgrupo), 1);
        const int numero = static_cast<int>(i) + 1;
        auto* opcao = new QRadioButton(Texto(linha.texto), this);
        opcao->setObjectName(Texto(tabela_.nomeOpcao) + QString::number(numero));
        opcoes_->addButton(opcao, numero);
        // In a group without sub-groups the button takes the sub-group column too.
        const int inicio = temSubgrupos && !grupoTemSubgrupos ? colunaBotoes - 1 : colunaBotoes;
        grade->addWidget(opcao, linhaGrade, inicio, 1, colunaBotoes - inicio + 1);
        for (std::size_t j = 0; j < linha.celulas.size(); ++j) {
            QLabel* celula = CriarCelula(linha.celulas[j]);
            if (int(j) == tabela_.colunaValor) {
                celula->setObjectName(QStringLiteral("Valor%1").arg(numero));
                valores_.push_back(celula);
            }
            grade->addWidget(celula, linhaGrade, colunaBotoes + 1 + int(j));
        }
        ++linhaGrade;
    }
    AdicionarRegua(*grade, linhaGrade, colunas);
    for (std::size_t j = 0; j < tabela_.largurasMinimas.size(); ++j)
        grade->setColumnMinimumWidth(int(j), tabela_.largurasMinimas[j]);
    return grade;
}

QLabel* TFReferencia::CriarCelula(const CelulaReferencia& celula) {
    QLabel* rotulo = RotuloValor(Texto(celula.texto), this);
    if (!celula.texto) numericas_.push_back({rotulo, &celula});
    return rotulo;
}

QVBoxLayout* TFReferencia::CriarFonte() {
    auto* fonte = new QVBoxLayout;
    fonte->setSpacing(tabela_.espacoFonte);
    for (const LinhaFonte& linha : tabela_.fonte) {
        if (linha.quebra) {
            fonte->addWidget(RotuloCitacao(Texto(linha.texto), this));
            continue;
        }
        auto* inteira = new QHBoxLayout;
        inteira->setSpacing(0);
        if (linha.negrito) {
            QLabel* titulo = CitacaoInteira(linha.negrito, this);
            QFont negrito = titulo->font();
            negrito.setBold(true);
            titulo->setFont(negrito);
            inteira->addWidget(titulo);
        }
        inteira->addWidget(CitacaoInteira(linha.texto, this));
        inteira->addStretch();
        fonte->addLayout(inteira);
    }
    return fonte;
}

void TFReferencia::Preparar(int helpContext, std::int16_t indice, double valor, const UnidadeDeclive& unidade) {
    DefinirContextoAjuda(this, helpContext);
    indice_ = indice;
    valor_ = valor;
    unidade_ = unidade;
}

void TFReferencia::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) FormShow();
}

bool TFReferencia::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == caixa_ && evento->type() == QEvent::FocusIn) caixa_->selectAll();
    return QDialog::eventFilter(alvo, evento);
}

// Checking the prepared row puts its value in the box; a stored value then replaces it.
void TFReferencia::FormShow() {
    for (const CelulaNumerica& numerica : numericas_) {
        QString texto = TextoNumero(numerica.celula->valor);
        if (numerica.celula->ate != 0.0) texto += kJuncaoFaixa + TextoNumero(numerica.celula->ate);
        numerica.rotulo->setText(texto);
    }
    MarcarOpcao(*opcoes_, indice_);
    if (valor_ != 0.0 || EhFaixa(indice_)) caixa_->setText(QString::fromStdString(FormatarGeral(valor_)));
    AtualizarOk();
}

// A number in the unit of the table as the cells show it: in the slope unit for a table of slopes.
QString TFReferencia::TextoNumero(double valor) const {
    const char* formato =
        tabela_.formatoPorcento && unidade_.nome == "%" ? tabela_.formatoPorcento : tabela_.formato;
    return QString::fromStdString(FormatarFloat(formato, valor * unidade_.multiplicador));
}

bool TFReferencia::EhFaixa(int linha) const {
    if (linha < 1 || linha > static_cast<int>(tabela_.linhas.size())) return false;
    return tabela_.linhas[linha - 1].celulas[tabela_.colunaValor].ate != 0.0;
}

// The handbook's cells are written with a decimal comma, the number cells already in the regional settings.
void TFReferencia::LinhaEscolhida(int linha) {
    indice_ = static_cast<std::int16_t>(linha);
    if (linha == tabela_.indiceDigitado) {
        if (isVisible()) caixa_->setFocus();
        return;
    }
    caixa_->setText(valores_[linha - 1]->text().replace(QLatin1Char(','), QLatin1Char(Regional().SeparadorDecimal)));
}

void TFReferencia::CaractereDigitado(bool aceito) {
    if ((!aceito && !tabela_.teclaRecusadaDigita) || EhFaixa(indice_)) return;
    if (tabela_.desmarcaAoDigitar) DesmarcarTodos(*opcoes_);
    if (QAbstractButton* linha = opcoes_->button(tabela_.indiceDigitado)) linha->setChecked(true);
    indice_ = tabela_.indiceDigitado;
}

// OK needs a value: neither an empty box nor the cell of a row that holds none (a typed value's, a range).
void TFReferencia::AtualizarOk() {
    const QString texto = caixa_->text();
    bool comValor = !texto.isEmpty();
    for (std::size_t i = 0; i < valores_.size(); ++i) {
        const int linha = static_cast<int>(i) + 1;
        if ((linha == tabela_.indiceDigitado || EhFaixa(linha)) && texto == valores_[i]->text()) comValor = false;
    }
    ok_->setEnabled(comValor);
}

void TFReferencia::OKClick() {
    const QString texto = caixa_->text();
    if (tabela_.avisoVazio && texto.isEmpty()) return Recusar(Texto(tabela_.avisoVazio), Icone::Erro);
    if (EhFaixa(indice_) && texto.size() > tabela_.caracteresNaFaixa) return Recusar(AvisoFaixa(), Icone::Aviso);
    const std::optional<double> valor = caixa_->LerValor();
    if (!valor) return;
    valor_ = *valor;
    if (tabela_.desmarcaAoConfirmar) DesmarcarTodos(*opcoes_);
    accept();
}

// The warning over the range of the chosen row, its ends in the slope unit.
QString TFReferencia::AvisoFaixa() const {
    const CelulaReferencia& faixa = tabela_.linhas[indice_ - 1].celulas[tabela_.colunaValor];
    return Texto(tabela_.avisoFaixa)
        .arg(QString::fromStdString(FormatarGeral(faixa.valor * unidade_.multiplicador)),
             QString::fromStdString(FormatarGeral(faixa.ate * unidade_.multiplicador)));
}

void TFReferencia::Recusar(const QString& aviso, Icone icone) {
    Interface().Mensagem(this, TituloPrograma(), aviso, icone, Botoes::Ok);
    caixa_->setFocus();
}

}  // namespace talvek::gui
