#include "window/uResultados.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

#include "common/CamposNumericos.h"
#include "common/Dicas.h"
#include "common/ErroPadrao.h"
#include "common/Figuras.h"
#include "common/InterfaceUsuario.h"
#include "design/uCanal.h"
#include "design/uVerificacao.h"
#include "help/Ajuda.h"
#include "model/uTerreno.h"
#include "window/GrupoVerificacao.h"

namespace talvek::gui {

namespace {

constexpr const char* kFormatoValor = "0.0#";
constexpr const char* kFormatoAltura = "0.0";

// A flow or height of zero is a result (no runoff), shown as a number: no value equals NaN.
const double kNuncaVazio = std::numeric_limits<double>::quiet_NaN();
// The colour of the warnings under the results: a dark red that reads on the window's background.
const QString kEstiloAvisos = QStringLiteral("QLabel { color: #a00000; }");

const QString kCoefUniInferior = QStringLiteral("O valor do coeficiente de desuniformidade não pode ser inferior a 1.");

constexpr int kAjudaValores = 121;
constexpr int kAjudaValoresSemInundacao = 122;
constexpr int kAjudaVazao = 123;
constexpr int kAjudaSecoes = 126;
constexpr int kAjudaCoefUni = 128;
constexpr int kAjudaRelatorio = 131;
constexpr int kAjudaValoresComInundacao = 132;

constexpr int kLarguraCampo = 96;  // px

QLineEdit* CampoResultado(const char* nome, const QString& dica, bool editavel = false) {
    auto* campo = new QLineEdit;
    campo->setObjectName(QString::fromLatin1(nome));
    campo->setReadOnly(!editavel);
    if (!editavel) {  // a box that only shows a value has the window's background, as read-only boxes do
        QPalette paleta = campo->palette();
        paleta.setColor(QPalette::Base, paleta.color(QPalette::Window));
        campo->setPalette(paleta);
    }
    campo->setFixedWidth(kLarguraCampo);
    DefinirDica(*campo, dica);
    return campo;
}

QLabel* Rotulo(const QString& texto, QWidget* campo = nullptr) {
    auto* rotulo = new QLabel(texto);
    if (campo) rotulo->setBuddy(campo);
    return rotulo;
}

TQuadroFigura* QuadroFigura(const char* nome, Figura figura) {
    auto* quadro = new TQuadroFigura(figura);
    quadro->setObjectName(QString::fromLatin1(nome));
    quadro->setMinimumSize(TamanhoNatural(figura) / 2);
    return quadro;
}

}  // namespace

TPaginaResultados::TPaginaResultados(TCanalDrenagem& canal, const TTerreno& terreno,
                                     std::function<void()> marcarAlterado, QWidget* pai)
    : QWidget(pai),
      canal_(canal),
      terreno_(terreno),
      filtro_(new TFiltroNumerico([marcar = std::move(marcarAlterado)](QLineEdit&) { marcar(); }, this)) {
    FiguraCampo = QuadroFigura("FiguraCampo", Figura::CampoDrenado);
    TabelaInundacao = new QLabel;
    TabelaInundacao->setObjectName(QStringLiteral("TabelaInundacao"));
    TabelaInundacao->setTextFormat(Qt::RichText);
    TabelaInundacao->hide();
    topo_ = new QGridLayout;
    topo_->addWidget(FiguraCampo, 0, 0);
    topo_->setColumnStretch(0, 1);
    topo_->setRowStretch(0, 1);
    CriarValores();
    DisporTopo();

    auto* secoes = new QHBoxLayout;
    secoes->addWidget(CriarSecaoUniforme(), 1);
    secoes->addWidget(CriarSecaoReal(), 1);

    BVoltar = new QPushButton(QStringLiteral("&Voltar"));
    BRelatorio = new QPushButton(QStringLiteral("&Relatório"));
    BSimulacao = new QPushButton(QStringLiteral("&Simulação"));
    BHidrograma = new QPushButton(QStringLiteral("&Hidrograma"));
    DefinirDica(*BHidrograma, QStringLiteral("Hidrogramas e balanço hídrico"));
    BOtimizar = new QPushButton(QStringLiteral("&Otimizar…"));
    DefinirDica(*BOtimizar, QStringLiteral("Maior espaçamento ou comprimento para uma altura máxima"));
    BAjuda = new QPushButton(QStringLiteral("&Ajuda"));
    BFechar = new QPushButton(QStringLiteral("&Fechar"));
    DefinirDica(*BFechar, QStringLiteral("Fechar projeto"));
    DefinirContextoAjuda(BRelatorio, kAjudaRelatorio);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(BVoltar);
    botoes->addStretch(1);
    botoes->addWidget(BRelatorio);
    botoes->addWidget(BSimulacao);
    botoes->addWidget(BHidrograma);
    botoes->addWidget(BOtimizar);
    botoes->addWidget(BAjuda);
    botoes->addWidget(BFechar);

    LAvisos = new QLabel;
    LAvisos->setObjectName(QStringLiteral("LAvisos"));
    LAvisos->setStyleSheet(kEstiloAvisos);
    LAvisos->setWordWrap(true);
    LAvisos->hide();

    auto* pagina = new QVBoxLayout(this);
    pagina->addLayout(topo_, 1);
    pagina->addLayout(secoes, 1);
    pagina->addWidget(LAvisos);
    Verificacao = new TGrupoVerificacao;
    pagina->addWidget(Verificacao);
    pagina->addLayout(botoes);

    for (QLineEdit* campo : {LQ, LEV, EdEH, HUni, CoefUni}) filtro_->Instalar(*campo);
    CoefUni->installEventFilter(this);
    HR->installEventFilter(this);
    const auto atualizar = [this] { Protegido(window(), [this] { AtualizarAlturaRecomendada(); }); };
    connect(BOk, &QPushButton::clicked, this, atualizar);
    connect(CoefUni, &QLineEdit::returnPressed, this, atualizar);
}

QWidget* TPaginaResultados::CriarValores() {
    valores_ = new QGroupBox;
    DefinirContextoAjuda(valores_, kAjudaValores);
    LQ = CampoResultado("LQ", QStringLiteral("Vazão"));
    LEV = CampoResultado("LEV", QStringLiteral("Espaçamento vertical"));
    EdEH = CampoResultado("EdEH", QStringLiteral("Espaçamento horizontal"));
    DefinirContextoAjuda(LQ, kAjudaVazao);
    DefinirContextoAjuda(LEV, kAjudaValores);
    DefinirContextoAjuda(EdEH, kAjudaValores);

    auto* grade = new QGridLayout(valores_);
    grade->addWidget(Rotulo(QStringLiteral("Vazão:"), LQ), 0, 0);
    grade->addWidget(LQ, 0, 1);
    grade->addWidget(Rotulo(QStringLiteral("L/s")), 0, 2);
    grade->addWidget(Rotulo(QStringLiteral("Espaçamento vertical:"), LEV), 1, 0);
    grade->addWidget(LEV, 1, 1);
    grade->addWidget(Rotulo(QStringLiteral("m")), 1, 2);
    grade->addWidget(Rotulo(QStringLiteral("Espaçamento horizontal:"), EdEH), 2, 0);
    grade->addWidget(EdEH, 2, 1);
    grade->addWidget(Rotulo(QStringLiteral("m")), 2, 2);
    grade->setRowStretch(3, 1);
    return valores_;
}

QGroupBox* TPaginaResultados::CriarSecaoUniforme() {
    auto* grupo = new QGroupBox(QStringLiteral(" Seção uniforme "));
    DefinirContextoAjuda(grupo, kAjudaSecoes);
    FiguraSecao = QuadroFigura("FiguraSecao", Figura::SecaoTrapezoidal);
    HUni = CampoResultado("HUni", QStringLiteral("Altura teórica"));

    auto* grade = new QGridLayout(grupo);
    grade->addWidget(FiguraSecao, 0, 0, 1, 4);
    grade->addWidget(Rotulo(QStringLiteral("Altura &teórica:"), HUni), 1, 0);
    grade->addWidget(HUni, 1, 1);
    grade->addWidget(Rotulo(QStringLiteral("cm")), 1, 2);
    grade->setColumnStretch(3, 1);
    grade->setRowStretch(0, 1);
    return grupo;
}

QGroupBox* TPaginaResultados::CriarSecaoReal() {
    auto* grupo = new QGroupBox(QStringLiteral(" Seção real "));
    DefinirContextoAjuda(grupo, kAjudaSecoes);
    FiguraSecaoReal = QuadroFigura("FiguraSecaoReal", Figura::SecaoReal);
    CoefUni = CampoResultado("CoefUni", QStringLiteral("Coeficiente de desuniformidade"), true);
    DefinirContextoAjuda(CoefUni, kAjudaCoefUni);
    HR = CampoResultado("HR", QStringLiteral("Altura recomendada"));
    BOk = new QPushButton(QStringLiteral("OK"));
    DefinirDica(*BOk, QStringLiteral("OK"));
    BAjudaReal = new QPushButton(QStringLiteral("&Ajuda"));
    DefinirContextoAjuda(BAjudaReal, kAjudaCoefUni);

    auto* grade = new QGridLayout(grupo);
    grade->addWidget(FiguraSecaoReal, 0, 0, 1, 4);
    grade->addWidget(Rotulo(QStringLiteral("Coef. de &desuniformidade:"), CoefUni), 1, 0);
    grade->addWidget(CoefUni, 1, 1);
    grade->addWidget(BOk, 1, 2);
    grade->addWidget(Rotulo(QStringLiteral("Alt&ura recomendada:"), HR), 2, 0);
    grade->addWidget(HR, 2, 1);
    grade->addWidget(Rotulo(QStringLiteral("cm")), 2, 2);
    grade->addWidget(BAjudaReal, 2, 3, Qt::AlignRight);
    grade->setColumnStretch(3, 1);
    grade->setRowStretch(0, 1);
    return grupo;
}

void TPaginaResultados::MostrarResultados(bool comInundacao) {
    // The spacings shown are those of the design case.
    MostrarValor(*LQ, kFormatoValor, canal_.Q(), kNuncaVazio);
    MostrarValor(*LEV, kFormatoValor, canal_.EV());
    MostrarValor(*EdEH, kFormatoValor, canal_.EH());
    MostrarValor(*HUni, kFormatoAltura, canal_.H() * 100.0, kNuncaVazio);
    MostrarValor(*CoefUni, kFormatoValor, canal_.CDu());
    FiguraSecao->SetFigura(canal_.TipoCanal.Tipo == TTipoCanal::Triangular ? Figura::SecaoTriangular
                                                                            : Figura::SecaoTrapezoidal);
    AtualizarAlturaRecomendada();
    BSimulacao->setVisible(!comInundacao);
    BHidrograma->setVisible(!comInundacao);
    contextoPagina_ = comInundacao ? kAjudaValoresComInundacao : kAjudaValoresSemInundacao;
    DefinirContextoAjuda(LEV, contextoPagina_);
    DefinirContextoAjuda(EdEH, contextoPagina_);
}

void TPaginaResultados::MostrarAvisos(const std::vector<std::string>& avisos) {
    QStringList linhas;
    for (const std::string& aviso : avisos) linhas << QString::fromStdString(aviso);
    LAvisos->setText(linhas.join(QLatin1Char('\n')));
    LAvisos->setVisible(!avisos.empty());
}

void TPaginaResultados::MostrarTabelaInundacao(const QString& tabela) {
    TabelaInundacao->setText(tabela);
    TabelaInundacao->setVisible(!tabela.isEmpty());
    DisporTopo();
}

// The values box beside the field's picture; with the flooding table, the box goes under the picture
// and the table, as tall as both, takes the right column: stacked on the box it would not fit the page.
void TPaginaResultados::DisporTopo() {
    topo_->removeWidget(valores_);
    topo_->removeWidget(TabelaInundacao);
    if (TabelaInundacao->isVisibleTo(this)) {
        topo_->addWidget(valores_, 1, 0, Qt::AlignLeft | Qt::AlignTop);
        topo_->addWidget(TabelaInundacao, 0, 1, 2, 1, Qt::AlignTop);
    } else {
        topo_->addWidget(valores_, 0, 1, Qt::AlignTop);
    }
}

void TPaginaResultados::AtualizarAlturaRecomendada() {
    canal_.SetCDu(ValorDoCampo(*CoefUni, 0.0));
    canal_.SetHr(AlturaRecomendada(canal_.H(), canal_.CDu()));
    MostrarValor(*HR, kFormatoAltura, canal_.Hr());
    Verificacao->Mostrar(VerificarCanal(canal_, terreno_.St()));
    CoefUni->setModified(false);
}

void TPaginaResultados::ConfirmarCoeficienteDigitado() {
    if (CoefUni->isModified()) AtualizarAlturaRecomendada();
}

void TPaginaResultados::MostrarCoeficiente() {
    MostrarValor(*CoefUni, kFormatoValor, canal_.CDu());
    MostrarValor(*HR, kFormatoAltura, canal_.Hr());
    Verificacao->Mostrar(VerificarCanal(canal_, terreno_.St()));
}

void TPaginaResultados::VerificarCoefUni() {
    if (ValorDoCampo(*CoefUni, 0.0) >= 1.0) return;
    Interface().Mensagem(window(), TituloPrograma(), kCoefUniInferior, Icone::Informacao, Botoes::Ok);
    CoefUni->setText(QStringLiteral("1"));
    CoefUni->setModified(true);  // the 1 stands for the value typed
    // The focus returns once the click or key that moved it away has been delivered.
    QTimer::singleShot(0, CoefUni, [campo = CoefUni] { campo->setFocus(); });
}

bool TPaginaResultados::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() == QEvent::FocusOut && (alvo == CoefUni || alvo == HR)) {
        const auto motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
            Protegido(window(), [this] { VerificarCoefUni(); });
    }
    return false;
}

}  // namespace talvek::gui
