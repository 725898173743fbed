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

#include "common/CamposNumericos.h"
#include "common/Dicas.h"
#include "common/ErroPadrao.h"
#include "common/Figuras.h"
#include "common/InterfaceUsuario.h"
#include "design/uCanal.h"
#include "help/Ajuda.h"

namespace talvek::gui {

namespace {

constexpr const char* kFormatoValor = "0.0#";
constexpr const char* kFormatoAltura = "0.0";

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

TPaginaResultados::TPaginaResultados(TCanalDrenagem& canal, std::function<void()> marcarAlterado, QWidget* pai)
    : QWidget(pai),
      canal_(canal),
      filtro_(new TFiltroNumerico([marcar = std::move(marcarAlterado)](QLineEdit&) { marcar(); }, this)) {
    FiguraCampo = QuadroFigura("FiguraCampo", Figura::CampoDrenado);
    auto* topo = new QHBoxLayout;
    topo->addWidget(FiguraCampo, 1);
    topo->addWidget(CriarValores(), 0, Qt::AlignTop);

    auto* secoes = new QHBoxLayout;
    secoes->addWidget(CriarSecaoUniforme(), 1);
    secoes->addWidget(CriarSecaoReal(), 1);

    BVoltar = new QPushButton(QStringLiteral("&Voltar"));
    BRelatorio = new QPushButton(QStringLiteral("&Relatório"));
    BSimulacao = new QPushButton(QStringLiteral("&Simulação"));
    BAjuda = new QPushButton(QStringLiteral("&Ajuda"));
    BFechar = new QPushButton(QStringLiteral("&Fechar"));
    DefinirDica(*BFechar, QStringLiteral("Fechar projeto"));
    DefinirContextoAjuda(BRelatorio, kAjudaRelatorio);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(BVoltar);
    botoes->addStretch(1);
    botoes->addWidget(BRelatorio);
    botoes->addWidget(BSimulacao);
    botoes->addWidget(BAjuda);
    botoes->addWidget(BFechar);

    auto* pagina = new QVBoxLayout(this);
    pagina->addLayout(topo, 1);
    pagina->addLayout(secoes, 1);
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
    MostrarValor(*LQ, kFormatoValor, canal_.Q());
    MostrarValor(*LEV, kFormatoValor, canal_.EV());
    MostrarValor(*EdEH, kFormatoValor, canal_.EH());
    MostrarValor(*HUni, kFormatoAltura, canal_.H() * 100.0);
    MostrarValor(*CoefUni, kFormatoValor, canal_.CDu());
    FiguraSecao->SetFigura(canal_.TipoCanal.Tipo == TTipoCanal::Triangular ? Figura::SecaoTriangular
                                                                            : Figura::SecaoTrapezoidal);
    AtualizarAlturaRecomendada();
    BSimulacao->setVisible(!comInundacao);
    contextoPagina_ = comInundacao ? kAjudaValoresComInundacao : kAjudaValoresSemInundacao;
    DefinirContextoAjuda(LEV, contextoPagina_);
    DefinirContextoAjuda(EdEH, contextoPagina_);
}

void TPaginaResultados::AtualizarAlturaRecomendada() {
    canal_.SetCDu(ValorDoCampo(*CoefUni, 0.0));
    canal_.SetHr(AlturaRecomendada(canal_.H(), canal_.CDu()));
    MostrarValor(*HR, kFormatoAltura, canal_.Hr());
}

void TPaginaResultados::VerificarCoefUni() {
    if (ValorDoCampo(*CoefUni, 0.0) >= 1.0) return;
    Interface().Mensagem(window(), TituloPrograma(), kCoefUniInferior, Icone::Informacao, Botoes::Ok);
    CoefUni->setText(QStringLiteral("1"));
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
