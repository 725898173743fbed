#include "dialogs/uOtimizar.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/CamposNumericos.h"
#include "common/Dicas.h"
#include "common/ErroPadrao.h"
#include "common/InterfaceUsuario.h"
#include "common/ProgressoQt.h"
#include "design/uCanal.h"
#include "help/Ajuda.h"
#include "platform/Numeros.h"
#include "platform/Paralelo.h"

namespace talvek::gui {

namespace {

const QString kMaximoInvalido = QStringLiteral("Informe a altura máxima, em cm, maior que zero.");
// The colour of a failed sizing's line, as the results page shows its warnings.
const QString kEstiloAviso = QStringLiteral("QLabel { color: #a00000; }");

constexpr const char* kFormatoVazao = "0.0#";
constexpr const char* kFormatoAltura = "0.0";

QGroupBox* GrupoDuasOpcoes(const QString& titulo, QRadioButton* primeira, QRadioButton* segunda) {
    auto* grupo = new QGroupBox(titulo);
    auto* linha = new QHBoxLayout(grupo);
    linha->addWidget(primeira);
    linha->addWidget(segunda);
    linha->addStretch(1);
    auto* exclusivo = new QButtonGroup(grupo);
    exclusivo->addButton(primeira);
    exclusivo->addButton(segunda);
    primeira->setChecked(true);
    return grupo;
}

QLabel* RotuloResultado(const char* nome) {
    auto* rotulo = new QLabel;
    rotulo->setObjectName(QString::fromLatin1(nome));
    rotulo->setMinimumWidth(80);
    rotulo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return rotulo;
}

}  // namespace

TFOtimizar::TFOtimizar(const TCasoMeta& caso, QWidget* pai)
    : QDialog(pai), caso_(caso), filtro_(new TFiltroNumerico({}, this)) {
    setWindowTitle(QStringLiteral("Otimizar"));
    DefinirContextoAjuda(this, kAjudaOtimizar);

    REspacamento = new QRadioButton(QStringLiteral("&Espaçamento horizontal (EH)"));
    RComprimento = new QRadioButton(QStringLiteral("Com&primento do canal"));
    RAlturaRecomendada = new QRadioButton(QStringLiteral("Altura &recomendada (Hr)"));
    RAlturaTeorica = new QRadioButton(QStringLiteral("Altura &teórica (H)"));
    EdMaximo = new QLineEdit;
    EdMaximo->setObjectName(QStringLiteral("EdMaximo"));
    EdMaximo->setFixedWidth(96);
    DefinirDica(*EdMaximo, QStringLiteral("Altura máxima admitida"));
    filtro_->Instalar(*EdMaximo);
    MostrarValor(*EdMaximo, kFormatoAltura, caso_.Canal.Hr());  // the design's own height to start from
    BCalcular = new QPushButton(QStringLiteral("&Calcular"));
    DefinirDica(*BCalcular, QStringLiteral("Procura o maior valor que atende à altura máxima"));

    auto* meta = new QHBoxLayout;
    auto* rotuloMaximo = new QLabel(QStringLiteral("Altura &máxima:"));
    rotuloMaximo->setBuddy(EdMaximo);
    meta->addWidget(rotuloMaximo);
    meta->addWidget(EdMaximo);
    meta->addWidget(new QLabel(QStringLiteral("cm")));
    meta->addStretch(1);
    meta->addWidget(BCalcular);

    auto* resultado = new QGroupBox(QStringLiteral(" Resultado "));
    LMensagem = new QLabel;
    LMensagem->setObjectName(QStringLiteral("LMensagem"));
    LMensagem->setWordWrap(true);
    LMensagem->setMinimumHeight(2 * LMensagem->fontMetrics().lineSpacing());  // the sentence takes two lines
    LValor = RotuloResultado("LValor");
    LVazao = RotuloResultado("LVazao");
    LAlturaTeorica = RotuloResultado("LAlturaTeorica");
    LAlturaRecomendada = RotuloResultado("LAlturaRecomendada");
    LAvaliacoes = RotuloResultado("LAvaliacoes");
    LAviso = new QLabel;
    LAviso->setObjectName(QStringLiteral("LAviso"));
    LAviso->setWordWrap(true);
    LAviso->setStyleSheet(kEstiloAviso);
    LAviso->hide();
    auto* grade = new QGridLayout(resultado);
    grade->addWidget(LMensagem, 0, 0, 1, 3);
    const std::pair<const char*, QLabel*> linhas[] = {
        {"Valor:", LValor}, {"Vazão:", LVazao}, {"Altura teórica:", LAlturaTeorica},
        {"Altura recomendada:", LAlturaRecomendada}, {"Dimensionamentos:", LAvaliacoes},
    };
    const char* unidades[] = {"m", "L/s", "cm", "cm", ""};
    for (int i = 0; i < 5; ++i) {
        grade->addWidget(new QLabel(QString::fromUtf8(linhas[i].first)), i + 1, 0);
        grade->addWidget(linhas[i].second, i + 1, 1);
        grade->addWidget(new QLabel(QString::fromUtf8(unidades[i])), i + 1, 2);
    }
    grade->addWidget(LAviso, 6, 0, 1, 3);
    grade->setColumnStretch(2, 1);

    BAplicar = new QPushButton(QStringLiteral("&Aplicar"));
    DefinirDica(*BAplicar, QStringLiteral("Leva o valor encontrado para a entrada de dados"));
    BAplicar->setEnabled(false);
    BFechar = new QPushButton(QStringLiteral("&Fechar"));
    BAjuda = new QPushButton(QStringLiteral("Aj&uda"));
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(BAplicar);
    botoes->addWidget(BFechar);
    botoes->addWidget(BAjuda);

    auto* pagina = new QVBoxLayout(this);
    pagina->addWidget(GrupoDuasOpcoes(QStringLiteral(" Variável "), REspacamento, RComprimento));
    pagina->addWidget(GrupoDuasOpcoes(QStringLiteral(" Altura limitada "), RAlturaRecomendada, RAlturaTeorica));
    pagina->addLayout(meta);
    pagina->addWidget(resultado);
    pagina->addLayout(botoes);
    setMinimumWidth(460);
    MostrarResultado();

    connect(BCalcular, &QPushButton::clicked, this, [this] { Protegido(this, [this] { CalcularClick(); }); });
    connect(BAplicar, &QPushButton::clicked, this, &QDialog::accept);
    connect(BFechar, &QPushButton::clicked, this, &QDialog::reject);
    connect(BAjuda, &QPushButton::clicked, this, [] { Ajuda().AbrirTopico(kAjudaOtimizar); });
}

TVariavelMeta TFOtimizar::Variavel() const { return variavelResultado_; }

void TFOtimizar::CalcularClick() {
    const double maximo = ValorDoCampo(*EdMaximo, 0.0);  // cm
    if (!(maximo > 0)) {
        Interface().Mensagem(this, TituloPrograma(), kMaximoInvalido, Icone::Erro, Botoes::Ok);
        EdMaximo->setFocus();
        return;
    }
    const TPedidoMeta pedido{RComprimento->isChecked() ? TVariavelMeta::Comp : TVariavelMeta::EH,
                             RAlturaTeorica->isChecked() ? TSaidaMeta::H : TSaidaMeta::Hr, maximo};
    ProgressoQt progresso;
    const TCursorOcupado ocupado(&progresso);
    resultado_ = BuscarMeta(caso_, pedido, NumeroDeThreads());
    variavelResultado_ = pedido.Variavel;
    MostrarResultado();
}

void TFOtimizar::MostrarResultado() {
    const bool comValor = resultado_ && resultado_->Valor;
    const auto mostrar = [comValor](QLabel* rotulo, const char* formato, double valor) {
        rotulo->setText(comValor ? QString::fromStdString(FormatarFloat(formato, valor)) : QString());
    };
    LMensagem->setText(resultado_ ? QString::fromStdString(resultado_->Mensagem) : QString());
    mostrar(LValor, "0", comValor ? *resultado_->Valor : 0);
    mostrar(LVazao, kFormatoVazao, comValor ? resultado_->Q : 0);
    mostrar(LAlturaTeorica, kFormatoAltura, comValor ? 100 * resultado_->H : 0);
    mostrar(LAlturaRecomendada, kFormatoAltura, comValor ? resultado_->Hr : 0);
    LAvaliacoes->setText(resultado_ ? QString::number(resultado_->Avaliacoes) : QString());
    LAviso->setText(resultado_ ? QString::fromStdString(resultado_->AvisoFalha) : QString());
    LAviso->setVisible(resultado_ && !resultado_->AvisoFalha.empty());
    BAplicar->setEnabled(comValor);
    if (isVisible()) adjustSize();  // room for the lines of a longer sentence or warning
}

}  // namespace talvek::gui
