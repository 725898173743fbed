#include "window/uSimulacao.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHideEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPainter>
#include <QPen>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "common/CamposNumericos.h"
#include "common/Dicas.h"
#include "common/ErroPadrao.h"
#include "common/ExportarGrafico.h"
#include "common/Figuras.h"
#include "common/GrupoOpcoes.h"
#include "common/InterfaceUsuario.h"
#include "design/uCanal.h"
#include "help/Ajuda.h"
#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"
#include "platform/Numeros.h"
#include "platform/Paralelo.h"
#include "platform/Progresso.h"
#include "platform/Regional.h"
#include "project/TabelaSimulacao.h"

namespace talvek::gui {

namespace {

const QString kCDuInferior = QStringLiteral("O valor do coeficiente de desuniformidade não pode ser inferior a 1.");
constexpr const char* kFormatoLista = " #0.0";
constexpr const char* kFormatoCDu = "0.0##";
constexpr const char* kFormatoDicaY = "0.00";

constexpr int kAjudaPagina = 129;
constexpr int kAjudaSecaoReal = 128;
constexpr int kAjudaRelatorio = 131;

// Progress display in the status bar, px.
constexpr int kLarguraProgresso = 273;
constexpr int kAlturaProgresso = 15;
constexpr int kAfastamentoStatus = 7;
constexpr int kMaximoProgresso = 100;
constexpr int kPassoProgresso = 5;  // per row: the 21st row reaches the maximum

// Widest picture of the chart in the report, px: 17 cm at 96 px per inch, the width of an A4 page
// within 2 cm margins.
constexpr int kLarguraMaximaFigura = 640;

constexpr TEntradaSimulacao kEntradas[] = {TEntradaSimulacao::Comp, TEntradaSimulacao::EH, TEntradaSimulacao::nc,
                                           TEntradaSimulacao::nt,   TEntradaSimulacao::Sc, TEntradaSimulacao::St,
                                           TEntradaSimulacao::VIB};

QString Texto(const std::string& texto) { return QString::fromStdString(texto); }

// The design as a series sizes it, copied on the window's thread: the series' thread never reads the
// objects that the window edits.
struct TCopiasSerie {
    TCanalDrenagem Canal;
    TTerreno Terreno;
    TPrecipitacaoExponencialNegativa Precipitacao;
};

QComboBox* Lista(const char* nome) {
    auto* lista = new QComboBox;
    lista->setObjectName(QString::fromLatin1(nome));
    lista->setMinimumContentsLength(8);
    return lista;
}

QLabel* Rotulo(const QString& texto) { return new QLabel(texto); }

TQuadroFigura* Secao(const char* nome, Figura figura) {
    auto* quadro = new TQuadroFigura(figura);
    quadro->setObjectName(QString::fromLatin1(nome));
    quadro->setMinimumSize(TamanhoNatural(figura) / 2);
    return quadro;
}

}  // namespace

// While a series runs: the busy pointer, and every control that could start another computation disabled
// (the tabs, the coefficient and its "OK", the report and table buttons, the main window's menus and tool
// bars); "Cancelar" enabled. What it disabled it enables again, if it still exists.
class TBloqueioSerie {
public:
    TBloqueioSerie(IProgresso& progresso, TPaginaSimulacao& pagina, bool& simulando)
        : cursor_(&progresso), simulando_(simulando), cancelar_(pagina.BtnCancelar) {
        simulando_ = true;
        std::vector<QWidget*> comandos{pagina.Opcoes, pagina.SimulaCDu, pagina.CalculaHR, pagina.BtnRelatSimula,
                                       pagina.BtnTabela};
        if (auto* janela = qobject_cast<QMainWindow*>(pagina.window())) {
            comandos.push_back(janela->menuBar());
            for (QToolBar* barra : janela->findChildren<QToolBar*>()) comandos.push_back(barra);
        }
        for (QWidget* comando : comandos) {
            if (!comando->isEnabled()) continue;
            comando->setEnabled(false);
            desativados_.emplace_back(comando);
        }
        cancelar_->setEnabled(true);
    }
    ~TBloqueioSerie() {
        for (const QPointer<QWidget>& comando : desativados_)
            if (comando) comando->setEnabled(true);
        if (cancelar_) cancelar_->setEnabled(false);
        simulando_ = false;
    }
    TBloqueioSerie(const TBloqueioSerie&) = delete;
    TBloqueioSerie& operator=(const TBloqueioSerie&) = delete;

private:
    TCursorOcupado cursor_;
    bool& simulando_;
    QPointer<QWidget> cancelar_;
    std::vector<QPointer<QWidget>> desativados_;
};

TPaginaSimulacao::TPaginaSimulacao(TModelo modelo, IProgresso& progresso, std::function<void()> marcarAlterado,
                                   QWidget* pai)
    : QWidget(pai),
      modelo_(modelo),
      progresso_(progresso),
      filtro_(new TFiltroNumerico(
          [this, marcar = std::move(marcarAlterado)](QLineEdit&) {
              SimulaHr->setCurrentIndex(-1);  // the Hr column is stale until "OK"
              marcar();
          },
          this)) {
    setObjectName(QStringLiteral("Simulacao"));
    auto* topo = new QHBoxLayout;
    topo->addWidget(CriarGrafico(), 1);
    topo->addWidget(CriarOpcoes());

    auto* secoes = new QHBoxLayout;
    secoes->addWidget(CriarSecaoUniforme(), 3);
    secoes->addWidget(CriarSecaoReal(), 2);

    BtnFecharSimula = new QPushButton(QStringLiteral("&Fechar"));
    DefinirDica(*BtnFecharSimula, QStringLiteral("Fechar projeto"));
    BtnVoltarSimula = new QPushButton(QStringLiteral("&Voltar"));
    BtnRelatSimula = new QPushButton(QStringLiteral("&Relatório"));
    DefinirContextoAjuda(BtnRelatSimula, kAjudaRelatorio);
    BtnAjudaSimula = new QPushButton(QStringLiteral("&Ajuda"));
    BtnCancelar = new QPushButton(QStringLiteral("Cancelar"));
    BtnCancelar->setEnabled(false);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(BtnVoltarSimula);
    botoes->addWidget(BtnCancelar);
    botoes->addStretch(1);
    CriarAcoesTabela();
    botoes->addWidget(BtnTabela);
    botoes->addWidget(BtnRelatSimula);
    botoes->addWidget(BtnAjudaSimula);
    botoes->addWidget(BtnFecharSimula);

    auto* pagina = new QVBoxLayout(this);
    pagina->addLayout(topo, 3);
    pagina->addLayout(secoes, 1);
    pagina->addLayout(botoes);
    DefinirContextoAjuda(this, kAjudaPagina);

    Progresso = new QProgressBar;
    Progresso->setObjectName(QStringLiteral("ProgressoSimulacao"));
    Progresso->setRange(0, kMaximoProgresso);
    Progresso->setFixedSize(kLarguraProgresso, kAlturaProgresso);
    Progresso->setTextVisible(false);
    Progresso->hide();
    Status = new QLabel;
    Status->setObjectName(QStringLiteral("StatusSimulacao"));
    Status->setContentsMargins(kAfastamentoStatus, 0, 0, 0);

    connect(BtnAjudaSimula, &QPushButton::clicked, this, [] { Ajuda().AbrirTopico(kAjudaPagina); });
    connect(BtnCancelar, &QPushButton::clicked, this, [this] { Cancelar(); });
    // Connected before the main window's own handlers: the series ends before the page or the project does.
    for (QPushButton* saida : {BtnVoltarSimula, BtnFecharSimula})
        connect(saida, &QPushButton::clicked, this, [this] { PararSerie(); });
    connect(BitBtn6, &QPushButton::clicked, this, [] { Ajuda().AbrirTopico(kAjudaSecaoReal); });
    const auto calcular = [this] { Protegido(window(), [this] { CalculaHRClick(); }); };
    connect(CalculaHR, &QPushButton::clicked, this, calcular);
    connect(SimulaCDu, &QLineEdit::returnPressed, this, calcular);
    for (QComboBox* lista : {SimulaQ, SimulaH, SimulaTudo, SimulaHr})
        connect(lista, &QComboBox::currentIndexChanged, this, [this](int k) {
            if (k >= 0) SelecionarLinha(k);
        });
}

QWidget* TPaginaSimulacao::CriarGrafico() {
    grafico_ = new QChart;
    grafico_->legend()->hide();
    grafico_->setBackgroundBrush(Qt::white);
    grafico_->setLocalizeNumbers(true);
    Series1 = new QLineSeries;
    Series1->setColor(Qt::blue);
    Series1->setPointsVisible(true);
    grafico_->addSeries(Series1);
    eixoX_ = new QCategoryAxis;
    eixoX_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    eixoX_->setLabelsAngle(-90);
    eixoY_ = new QValueAxis;
    eixoY_->setLabelFormat(QStringLiteral("%.1f"));
    grafico_->addAxis(eixoX_, Qt::AlignBottom);
    grafico_->addAxis(eixoY_, Qt::AlignLeft);
    Series1->attachAxis(eixoX_);
    Series1->attachAxis(eixoY_);
    LinhaProjeto = new QLineSeries;
    LinhaProjeto->setPen(QPen(QColor(200, 30, 30), 1.5, Qt::DashLine));
    PontoProjeto = new QScatterSeries;
    PontoProjeto->setColor(QColor(200, 30, 30));
    PontoProjeto->setBorderColor(Qt::white);
    PontoProjeto->setMarkerSize(12);
    PontoProjeto->setPointLabelsFormat(QStringLiteral("Projeto"));
    PontoProjeto->setPointLabelsVisible(true);
    PontoProjeto->setPointLabelsColor(QColor(200, 30, 30));
    for (QXYSeries* marca : std::initializer_list<QXYSeries*>{LinhaProjeto, PontoProjeto}) {
        grafico_->addSeries(marca);
        marca->attachAxis(eixoX_);
        marca->attachAxis(eixoY_);
    }

    Grafico = new QChartView(grafico_);
    Grafico->setObjectName(QStringLiteral("Grafico"));
    Grafico->setRenderHint(QPainter::Antialiasing);
    Grafico->setMinimumSize(420, 300);
    Grafico->viewport()->installEventFilter(this);
    connect(Series1, &QLineSeries::clicked, this, [this](const QPointF& ponto) {
        const QList<QPointF> pontos = Series1->points();
        if (pontos.isEmpty()) return;
        const auto maisPerto = std::min_element(pontos.begin(), pontos.end(), [&](const QPointF& a, const QPointF& b) {
            return std::abs(a.x() - ponto.x()) < std::abs(b.x() - ponto.x());
        });
        MostrarDicaPonto(static_cast<int>(maisPerto - pontos.begin()));
    });
    return Grafico;
}

QButtonGroup* TPaginaSimulacao::CriarGrupo(QWidget* aba, const QString& titulo, TSaidaSimulacao saida) {
    auto* quadro = new QGroupBox(titulo);
    auto* itens = new QVBoxLayout(quadro);
    auto* grupo = new QButtonGroup(aba);
    const QString nome = QString::fromLatin1(DescricaoSaida(saida).Nome);
    for (int item = 0; item < static_cast<int>(std::size(kEntradas)); ++item) {
        auto* opcao = new QRadioButton(nome + QStringLiteral(" x ") +
                                       QString::fromLatin1(DescricaoEntrada(kEntradas[item]).Nome));
        grupo->addButton(opcao, item);
        itens->addWidget(opcao);
    }
    itens->addStretch(1);
    auto* layout = new QVBoxLayout(aba);
    layout->addWidget(quadro);
    connect(grupo, &QButtonGroup::idClicked, this,
            [this, saida](int item) { Protegido(window(), [&] { EscolherSerie(saida, item); }); });
    return grupo;
}

QTabWidget* TPaginaSimulacao::CriarOpcoes() {
    Opcoes = new QTabWidget;
    Opcoes->setObjectName(QStringLiteral("Opcoes"));
    TSVazao = new QWidget;
    TSTeorica = new QWidget;
    TSRecomendada = new QWidget;
    TSVelocidade = new QWidget;
    RVazao = CriarGrupo(TSVazao, QStringLiteral(" Vazão "), TSaidaSimulacao::Q);
    RTeorica = CriarGrupo(TSTeorica, QStringLiteral("Altura teórica"), TSaidaSimulacao::H);
    RRecomendada = CriarGrupo(TSRecomendada, QStringLiteral("Altura recomendada"), TSaidaSimulacao::Hr);
    RVelocidade = CriarGrupo(TSVelocidade, QStringLiteral("Velocidade média"), TSaidaSimulacao::V);
    Opcoes->addTab(TSVazao, QStringLiteral("Q"));
    Opcoes->addTab(TSTeorica, QStringLiteral("H"));
    Opcoes->addTab(TSRecomendada, QStringLiteral("Hr"));
    Opcoes->addTab(TSVelocidade, QStringLiteral("V"));
    return Opcoes;
}

QWidget* TPaginaSimulacao::CriarSecaoUniforme() {
    auto* grupo = new QGroupBox(QStringLiteral(" Seção uniforme "));
    SimulaQ = Lista("SimulaQ");
    SimulaH = Lista("SimulaH");
    SimulaTudo = Lista("SimulaTudo");
    YUni = new QLabel;
    YUni->setObjectName(QStringLiteral("YUni"));
    UnidUni = new QLabel;
    UnidUni->setObjectName(QStringLiteral("UnidUni"));
    CanalTra = Secao("CanalTra", Figura::SecaoTrapezoidal);
    CanalTri = Secao("CanalTri", Figura::SecaoTriangular);

    auto* grade = new QGridLayout(grupo);
    grade->addWidget(CanalTra, 0, 0, 3, 1);
    grade->addWidget(CanalTri, 0, 0, 3, 1);
    grade->addWidget(YUni, 0, 1);
    grade->addWidget(SimulaTudo, 0, 2);
    grade->addWidget(UnidUni, 0, 3);
    grade->addWidget(Rotulo(QStringLiteral("Vazão:")), 1, 1);
    grade->addWidget(SimulaQ, 1, 2);
    grade->addWidget(Rotulo(QStringLiteral("L/s")), 1, 3);
    grade->addWidget(Rotulo(QStringLiteral("Altura teórica:")), 2, 1);
    grade->addWidget(SimulaH, 2, 2);
    grade->addWidget(Rotulo(QStringLiteral("cm")), 2, 3);
    grade->setColumnStretch(0, 1);
    return grupo;
}

QWidget* TPaginaSimulacao::CriarSecaoReal() {
    auto* grupo = new QGroupBox(QStringLiteral(" Seção real "));
    DefinirContextoAjuda(grupo, kAjudaSecaoReal);
    SimulaCDu = new QLineEdit;
    SimulaCDu->setObjectName(QStringLiteral("SimulaCDu"));
    SimulaCDu->setFixedWidth(72);
    DefinirDica(*SimulaCDu, QStringLiteral("Coeficiente de desuniformidade"));
    filtro_->Instalar(*SimulaCDu);
    SimulaCDu->installEventFilter(this);
    CalculaHR = new QPushButton(QStringLiteral("OK"));
    SimulaHr = Lista("SimulaHr");
    BitBtn6 = new QPushButton(QStringLiteral("&Ajuda"));
    auto* rotuloCDu = Rotulo(QStringLiteral("Coef. de &desuniformidade:"));
    rotuloCDu->setBuddy(SimulaCDu);

    auto* grade = new QGridLayout(grupo);
    grade->addWidget(rotuloCDu, 0, 0);
    grade->addWidget(SimulaCDu, 0, 1);
    grade->addWidget(CalculaHR, 0, 2);
    grade->addWidget(Rotulo(QStringLiteral("Altura recomendada:")), 1, 0);
    grade->addWidget(SimulaHr, 1, 1);
    grade->addWidget(Rotulo(QStringLiteral("cm")), 1, 2);
    grade->addWidget(BitBtn6, 2, 2);
    grade->setRowStretch(3, 1);
    return grupo;
}

// ---- Progress display ------------------------------------------------------------------------------

void TPaginaSimulacao::InstalarProgresso(QStatusBar& barra) {
    if (Progresso->parentWidget() == &barra) return;
    barra.addWidget(Progresso);
    barra.addWidget(Status);
    Progresso->setValue(1);
    Progresso->hide();
    Status->clear();
    Status->show();
}

void TPaginaSimulacao::RemoverProgresso() {
    if (auto* barra = qobject_cast<QStatusBar*>(Progresso->parentWidget())) {
        barra->removeWidget(Progresso);
        barra->removeWidget(Status);
    }
    Progresso->setParent(this);
    Status->setParent(this);
    Progresso->hide();
    Status->hide();
}

// ---- Entering and leaving --------------------------------------------------------------------------

void TPaginaSimulacao::Iniciar() {
    const bool triangular = modelo_.Canal.TipoCanal.Tipo == TTipoCanal::Triangular;
    CanalTri->setVisible(triangular);
    CanalTra->setVisible(!triangular);
    Opcoes->setCurrentWidget(TSVazao);
    DesmarcarTodos(*RRecomendada);
    DesmarcarTodos(*RTeorica);
    SelecionarSerie(TSaidaSimulacao::Q, 0);
    SelecionarLinha(0);
    MostrarValor(*SimulaCDu, kFormatoCDu, modelo_.Canal.CDu());
    Opcoes->setFocus();
}

void TPaginaSimulacao::Encerrar() {
    PararSerie();
    LimparGrafico();
    // The recommended height follows the coefficient kept, so that the design (and its report) never
    // pairs a new coefficient with the height of the old one.
    // A box left as it was filled changes nothing, since its picture may round the coefficient.
    TCanalDrenagem& canal = modelo_.Canal;
    if (SimulaCDu->isModified()) {
        canal.SetCDu(ValorDoCampo(*SimulaCDu, 0.0));
        canal.SetHr(AlturaRecomendada(canal.H(), canal.CDu()));
    }
    RemoverProgresso();
}

// ---- The series ------------------------------------------------------------------------------------

QButtonGroup* TPaginaSimulacao::Grupo(TSaidaSimulacao saida) const {
    switch (saida) {
        case TSaidaSimulacao::Q: return RVazao;
        case TSaidaSimulacao::H: return RTeorica;
        case TSaidaSimulacao::Hr: return RRecomendada;
        case TSaidaSimulacao::V: return RVelocidade;
    }
    return RVazao;
}

void TPaginaSimulacao::SelecionarSerie(TSaidaSimulacao saida, int item) {
    MarcarOpcao(*Grupo(saida), item);
    EscolherSerie(saida, item);
}

void TPaginaSimulacao::EscolherSerie(TSaidaSimulacao saida, int item) {
    if (simulando_ || item < 0 || item >= static_cast<int>(std::size(kEntradas))) return;
    bloqueio_ = std::make_unique<TBloqueioSerie>(progresso_, *this, simulando_);
    window()->installEventFilter(this);  // closing the program stops the series first
    for (TSaidaSimulacao outra : {TSaidaSimulacao::Q, TSaidaSimulacao::H, TSaidaSimulacao::Hr, TSaidaSimulacao::V})
        if (outra != saida) DesmarcarTodos(*Grupo(outra));
    Grafico->setToolTip(QString());
    try {
        Simular(saida, kEntradas[item]);
    } catch (...) {
        LimparProgresso();
        bloqueio_.reset();
        throw;
    }
}

void TPaginaSimulacao::LimparGrafico() {
    Series1->clear();
    linhas_.clear();
    PontoProjeto->clear();
    LinhaProjeto->clear();
    const QStringList rotulos = eixoX_->categoriesLabels();
    for (const QString& rotulo : rotulos) eixoX_->remove(rotulo);
}

void TPaginaSimulacao::DefinirTitulos(const QString& tituloX, const QString& tituloY, const QString& mensagem,
                                      const QString& unidade, const QString& rotulo) {
    eixoX_->setTitleText(tituloX);
    eixoY_->setTitleText(tituloY);
    Status->setText(QStringLiteral("Simulando ") + mensagem + QStringLiteral(" ..."));
    YUni->setText(rotulo);
    UnidUni->setText(unidade);
    progresso_.ProcessarEventos();
}

void TPaginaSimulacao::AdicionarPonto(int indice, const QString& texto, double x, double y) {
    Progresso->setValue(kPassoProgresso * (indice + 1));
    if (Series1->count() == 0) {
        eixoX_->setStartValue(x);
        eixoX_->setRange(x, x);
        eixoY_->setRange(y, y);
    }
    Series1->append(x, y);
    eixoX_->append(texto, x);
    eixoX_->setRange(std::min(eixoX_->min(), x), std::max(eixoX_->max(), x));
    eixoY_->setRange(std::min(eixoY_->min(), y), std::max(eixoY_->max(), y));
    if (eixoY_->max() > eixoY_->min())
        eixoY_->applyNiceNumbers();
    else
        eixoY_->setRange(y, y + 1);  // a flat series (no runoff gives Q = 0 on every row)
}

void TPaginaSimulacao::AdicionarValores(const QString& texto, double Q, double H, double Hr) {
    SimulaQ->addItem(Texto(FormatarFloat(kFormatoLista, Q)));
    SimulaH->addItem(Texto(FormatarFloat(kFormatoLista, H)));
    SimulaHr->addItem(Texto(FormatarFloat(kFormatoLista, Hr)));
    SimulaTudo->addItem(texto);
}

void TPaginaSimulacao::Simular(TSaidaSimulacao saida, TEntradaSimulacao entrada) {
    LimparGrafico();
    // Axis labels with the decimal separator of the regional settings.
    grafico_->setLocale(Regional().SeparadorDecimal == ',' ? QLocale(QLocale::Portuguese, QLocale::Brazil)
                                                           : QLocale::c());
    for (QComboBox* lista : {SimulaQ, SimulaH, SimulaTudo, SimulaHr}) lista->clear();
    Progresso->show();

    // Velocities of a few tenths of m/s need two decimals; flows and heights one.
    eixoY_->setLabelFormat(saida == TSaidaSimulacao::V ? QStringLiteral("%.2f") : QStringLiteral("%.1f"));
    const double valorProjeto = ValorDoProjeto(entrada, modelo_.Canal, modelo_.Terreno);
    const TDescricaoEntrada& descricao = DescricaoEntrada(entrada);
    DefinirTitulos(QString::fromUtf8(descricao.TituloEixo), QString::fromUtf8(DescricaoSaida(saida).TituloEixo),
                   Texto(MensagemSimulacao(saida, entrada)), QString::fromUtf8(descricao.Unidade),
                   QString::fromUtf8(descricao.Rotulo));
    entrada_ = entrada;

    auto copias = std::make_shared<const TCopiasSerie>(
        TCopiasSerie{modelo_.Canal, modelo_.Terreno,
                     dynamic_cast<const TPrecipitacaoExponencialNegativa&>(modelo_.Precipitacao)});
    const int numero = ++numeroSerie_;
    serie_ = std::jthread([this, numero, saida, entrada, valorProjeto, copias](std::stop_token parar) {
        TSerieSimulacao serie;
        std::exception_ptr excecao;
        try {
            serie = talvek::Simular(
                entrada, copias->Canal, copias->Terreno, copias->Precipitacao,
                [this, numero, saida](int indice, const TLinhaSimulacao& linha) {
                    QMetaObject::invokeMethod(
                        this, [this, numero, indice, linha, saida] { ReceberLinha(numero, indice, linha, saida); },
                        Qt::QueuedConnection);
                },
                nullptr, {.Threads = NumeroDeThreads(), .Parar = parar});
        } catch (...) {
            excecao = std::current_exception();
        }
        QMetaObject::invokeMethod(
            this, [this, numero, serie, excecao, saida, valorProjeto] {
                TerminarSerie(numero, serie, excecao, saida, valorProjeto);
            },
            Qt::QueuedConnection);
    });
}

void TPaginaSimulacao::ReceberLinha(int numero, int indice, const TLinhaSimulacao& linha, TSaidaSimulacao saida) {
    if (numero != numeroSerie_) return;
    linhas_.push_back(linha);
    AdicionarValores(Texto(linha.Texto), linha.Q, linha.H, linha.Hr);
    AdicionarPonto(indice, Texto(linha.Texto), linha.X, ValorSaida(linha, saida));
}

void TPaginaSimulacao::TerminarSerie(int numero, const TSerieSimulacao& serie, std::exception_ptr excecao,
                                     TSaidaSimulacao saida, double valorProjeto) {
    if (numero != numeroSerie_) return;
    serie_.join();  // its last act was to post this call
    MarcarProjeto(serie, saida, valorProjeto);
    LimparProgresso();
    bloqueio_.reset();
    window()->removeEventFilter(this);
    SelecionarLinha(0);
    // The keyboard returns to the series' item, unless the user has moved it elsewhere on the page.
    if (!isAncestorOf(QApplication::focusWidget()))
        if (QAbstractButton* opcao = Grupo(saida)->checkedButton()) opcao->setFocus();
    if (excecao) {  // the design's own hillslope failed: the standard error box, as any other action
        Protegido(window(), [&] { std::rethrow_exception(excecao); });
        return;
    }
    if (!serie.Erro) return;
    const QString causa = Texto(serie.Causa);  // on the line below the words the box has always shown
    const QString mensagem = causa.isEmpty() ? Texto(*serie.Erro) : Texto(*serie.Erro) + '\n' + causa;
    Interface().Mensagem(window(), TituloPrograma(), mensagem, Icone::Erro, Botoes::Ok);
}

void TPaginaSimulacao::Cancelar() { serie_.request_stop(); }

void TPaginaSimulacao::PararSerie() {
    if (!serie_.joinable()) return;
    serie_.request_stop();
    serie_.join();
    ++numeroSerie_;  // the rows and the end it posted meanwhile are dropped
    LimparProgresso();
    bloqueio_.reset();
    window()->removeEventFilter(this);
}

void TPaginaSimulacao::LimparProgresso() {
    Progresso->setValue(0);
    Progresso->hide();
    Status->clear();
}

TPaginaSimulacao::~TPaginaSimulacao() {
    // Only the thread: the window around the page may already be half gone.
    if (serie_.joinable()) {
        serie_.request_stop();
        serie_.join();
    }
}

void TPaginaSimulacao::hideEvent(QHideEvent* evento) {
    if (!evento->spontaneous()) PararSerie();  // not when the window is only minimized
    QWidget::hideEvent(evento);
}

void TPaginaSimulacao::CriarAcoesTabela() {
    auto* exportacao = new TExportacaoGrafico(
        *Grafico, [this](TFormatoTabela formato) { return TabelaSimulacao(linhas_, entrada_, formato); },
        QStringLiteral("Copia ou salva a tabela e o gráfico da simulação"));
    CopiarTabela = exportacao->CopiarTabela;
    SalvarTabelaCsv = exportacao->SalvarTabelaCsv;
    SalvarGraficoPng = exportacao->SalvarGraficoPng;
    BtnTabela = exportacao->Botao;
}

void TPaginaSimulacao::MarcarProjeto(const TSerieSimulacao& serie, TSaidaSimulacao saida, double valorProjeto) {
    const int linha = LinhaDoProjeto(serie.Linhas, valorProjeto);
    if (linha < 0) return;
    const TLinhaSimulacao& projeto = serie.Linhas[static_cast<std::size_t>(linha)];
    // The line spans the left axis as the finished series left it.
    LinhaProjeto->append(projeto.X, eixoY_->min());
    LinhaProjeto->append(projeto.X, eixoY_->max());
    PontoProjeto->append(projeto.X, ValorSaida(projeto, saida));
}

void TPaginaSimulacao::SelecionarLinha(int k) {
    for (QComboBox* lista : {SimulaQ, SimulaH, SimulaTudo, SimulaHr}) {
        const QSignalBlocker bloqueio(lista);
        lista->setCurrentIndex(k < lista->count() ? k : -1);
    }
}

// ---- Real section ----------------------------------------------------------------------------------

void TPaginaSimulacao::CalculaHRClick() {
    const TCursorOcupado cursor(&progresso_);

    int item = RVazao->checkedId();
    if (item < 0) item = RTeorica->checkedId();
    if (item < 0) item = RVelocidade->checkedId();
    DesmarcarTodos(*RVazao);
    DesmarcarTodos(*RTeorica);
    DesmarcarTodos(*RVelocidade);
    Opcoes->setCurrentWidget(TSRecomendada);
    TCanalDrenagem& canal = modelo_.Canal;
    canal.SetCDu(ValorDoCampo(*SimulaCDu, 0.0));
    canal.SetHr(AlturaRecomendada(canal.H(), canal.CDu()));
    if (item < 0) item = RRecomendada->checkedId();
    if (item >= 0) SelecionarSerie(TSaidaSimulacao::Hr, item);
    SelecionarLinha(0);
    if (QAbstractButton* opcao = RRecomendada->checkedButton()) opcao->setFocus();
}

void TPaginaSimulacao::VerificarCDu() {
    if (ValorDoCampo(*SimulaCDu, 0.0) >= 1.0) return;
    Interface().Mensagem(window(), TituloPrograma(), kCDuInferior, Icone::Informacao, Botoes::Ok);
    SimulaCDu->setText(QStringLiteral("1"));
    SimulaCDu->setModified(true);  // the 1 stands for the value typed
    // The focus returns once the click or key that moved it away has been delivered.
    QTimer::singleShot(0, SimulaCDu, [campo = SimulaCDu] { campo->setFocus(); });
}

QImage TPaginaSimulacao::FiguraGrafico() const {
    QImage figura(Grafico->size(), QImage::Format_RGB32);
    figura.fill(Qt::white);
    {
        QPainter pintor(&figura);
        Grafico->render(&pintor);
    }
    // A printed page keeps a picture at its size on screen and does not shrink it: a chart wider than
    // the printable width of the page would lose its right-hand side on paper.
    if (figura.width() > kLarguraMaximaFigura)
        figura = figura.scaledToWidth(kLarguraMaximaFigura, Qt::SmoothTransformation);
    return figura;
}

// ---- Chart hint ------------------------------------------------------------------------------------

void TPaginaSimulacao::MostrarDicaPonto(int indice) {
    if (indice < 0 || indice >= Series1->count()) return;
    const QPointF ponto = Series1->at(indice);
    Grafico->setToolTip(QStringLiteral("(") + Texto(FormatarGeral(ponto.x())) + QStringLiteral("; ") +
                        Texto(FormatarFloat(kFormatoDicaY, ponto.y())) + QStringLiteral(")"));
}

bool TPaginaSimulacao::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == window() && evento->type() == QEvent::Close) {
        PararSerie();  // then the window closes as it would
        return false;
    }
    if (alvo == SimulaCDu && evento->type() == QEvent::FocusOut) {
        const auto motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
            Protegido(window(), [this] { VerificarCDu(); });
    } else if (alvo == Grafico->viewport() && evento->type() == QEvent::MouseButtonPress) {
        // A press clears the hint; the series reports a click on a point (press and release without
        // moving) afterwards, which sets it again.
        Grafico->setToolTip(QString());
    }
    return false;
}

}  // namespace talvek::gui
