#include "window/uPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>

#include "common/CamposNumericos.h"
#include "common/Dicas.h"
#include "common/ErroPadrao.h"
#include "common/ExportarPdf.h"
#include "common/Figuras.h"
#include "common/InterfaceUsuario.h"
#include "design/uAvisos.h"
#include "dialogs/ConfSistema.h"
#include "dialogs/IdentProjeto.h"
#include "dialogs/PaginasInternet.h"
#include "dialogs/Sobre.h"
#include "dialogs/uOtimizar.h"
#include "help/Ajuda.h"
#include "platform/Regional.h"
#include "project/ConfSistemaEstados.h"
#include "project/Configuracao.h"
#include "report/TextoBalanco.h"
#include "window/LocalConfiguracao.h"
#include "window/URelatorio.h"
#include "window/uEntradaDados.h"
#include "window/uPaginaHidrograma.h"
#include "window/uResultados.h"
#include "window/uSimulacao.h"

namespace talvek::gui {

namespace {

const QString kTituloPrograma = QStringLiteral("Talvek 2.0");
const QString kNomeDefault = QStringLiteral("PROJETO.TVK");
const QString kFiltroProjetos = QStringLiteral("*.tvk (*.tvk)");
const QString kExtensaoProjetos = QStringLiteral("tvk");
const QString kTituloAbrir = QStringLiteral("Abrir");
const QString kErroNoCalculo = QStringLiteral(" Erro no cálculo ");
constexpr const char* kArquivoAjudaPrograma = "Talvek2.hlp";

constexpr int kAjudaJanela = 100;
constexpr int kAjudaPaginaEntrada = 102;
constexpr int kLarguraRelogio = 100;  // px
constexpr int kIntervaloRelogio = 1000;  // ms

// While a computation lets pending events run, the user's clicks, keys and close requests are dropped,
// so that no other command starts in the middle of it.
class TBloqueioEntrada : public QObject {
public:
    TBloqueioEntrada() { qApp->installEventFilter(this); }
    ~TBloqueioEntrada() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        switch (evento->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Wheel:
            case QEvent::Shortcut: return true;
            case QEvent::Close: evento->ignore(); return true;
            default: return false;
        }
    }
};

// The locale's long time format without a time-zone field, which does not fit the clock panel.
QString FormatoHora() {
    QString formato = QLocale::system().timeFormat(QLocale::LongFormat);
    formato.remove(QLatin1Char('t'));
    return formato.trimmed();
}

// The date by the short-date format of the regional settings ("dd/mm/yyyy": "m" stands for the month).
QString TextoDataCurta(const QDate& data) {
    const QString formato = QString::fromStdString(Regional().FormatoDataCurta);
    return data.toString(QString(formato).replace(QLatin1Char('m'), QLatin1Char('M')));
}

QString EscaparMnemonico(QString texto) { return texto.replace(QLatin1Char('&'), QStringLiteral("&&")); }

// A handler of the window run as a user action: an exception ends it in the standard error box.
auto AcaoProtegida(TFPrincipal* janela, void (TFPrincipal::*manipulador)()) {
    return [janela, manipulador] { Protegido(janela, [&] { (janela->*manipulador)(); }); };
}

QAction* Comando(QObject* dono, const QString& legenda, const QString& dica) {
    auto* acao = new QAction(legenda, dono);
    DefinirDica(*acao, dica);
    return acao;
}

}  // namespace

TFPrincipal::TFPrincipal(const QString& pastaPrograma, QWidget* pai)
    : QMainWindow(pai), pastaPrograma_(pastaPrograma) {
    qApp->installEventFilter(this);  // hints of the controls into the status bar
    arquivoAjuda_ = QDir(pastaPrograma_).filePath(QString::fromLatin1(kArquivoAjudaPrograma));
    DefinirArquivoAjuda(arquivoAjuda_);
    Protegido(this, [this] {
        if (!QDir::setCurrent(pastaPrograma_))
            throw Exception(("Erro de E/S: não foi possível usar a pasta " + pastaPrograma_ + ".").toStdString());
    });
    GerenteSys1.TituloPrograma = kTituloPrograma;
    setWindowTitle(GerenteSys1.TituloPrograma);
    setWindowIcon(IconeGlifo(Glifo::Programa));
    QCoreApplication::setApplicationName(GerenteSys1.TituloPrograma);
    DefinirContextoAjuda(this, kAjudaJanela);
    CanalDrenagem.Encosta.Progresso = &progresso_;
    arquivoConfiguracao_ = gui::ArquivoConfiguracao(pastaPrograma_);  // after the application's name

    CriarPaginas();
    CriarMenus();
    CriarBarras();
    CriarBarraStatus();
    LigarGerente();
    LerConfiguracaoInicial();

    GerenteSys1.NomeDefault = kNomeDefault;
    GerenteSys1.NomeProjeto = GerenteSys1.NomeDefault;
    GerenteSys1.PathProjeto = pastaPrograma_;
    Nimbal1.PastaPrograma = pastaPrograma_;
    Nimbal1.Impressora = &Impressora();  // the query report prints where the design report does
    GerenteSys1.PastaPrograma = pastaPrograma_;
    // The dialogs start where they were last used, while that folder still exists; else in the program's
    // folder, or the user's home when the program's folder is read-only (an installed program).
    pastaDialogosPadrao_ = QFileInfo(pastaPrograma_).isWritable() ? pastaPrograma_ : QDir::homePath();
    const QString pastaDialogos =
        !ultimaPasta_.isEmpty() && QFileInfo(ultimaPasta_).isDir() ? ultimaPasta_ : pastaDialogosPadrao_;
    GerenteSys1.OpenDialog = {kTituloAbrir, kFiltroProjetos, kExtensaoProjetos, pastaDialogos, QString()};
    GerenteSys1.SaveDialog = {QString(), kFiltroProjetos, kExtensaoProjetos, pastaDialogos, QString()};
    DefinirPastaExportacoes(pastaDialogos);
    HabilitarComandosProjeto(false);
    MostrarPagina(PaginaInicial);
    resize(900, 680);

    FIdentProjeto = new TFIdentProjeto(this);
    FIdentProjeto->SetAoDigitar([this] { GerenteSys1.Alterado = true; });
    DefinirIdentificacaoDocumentos([this] {
        return TIdentificacaoPdf{QString::fromStdString(IDProjeto.Nome), QString::fromStdString(IDProjeto.Tecnico)};
    });
}

TFPrincipal::~TFPrincipal() {
    Simulacao->PararSerie();  // while the progress hook and the window it blocks still exist
    DefinirIdentificacaoDocumentos(nullptr);
}

// ---- Construction ----------------------------------------------------------------------------------

void TFPrincipal::CriarPaginas() {
    Paginas = new QStackedWidget;
    auto* inicial = new TQuadroFigura(Figura::Inicial);
    inicial->setObjectName(QStringLiteral("Inicial"));
    Resultados = new TPaginaResultados(CanalDrenagem, Terreno, [this] { GerenteSys1.Alterado = true; });
    Entrada = new TPaginaEntrada({CanalDrenagem, Terreno, Sistema, Nimbal1}, Unidades, *Resultados->CoefUni,
                                 [this](bool alterado) { GerenteSys1.Alterado = alterado; });
    Simulacao = new TPaginaSimulacao({CanalDrenagem, Terreno, Nimbal1.Precipitacao}, progresso_,
                                     [this] { GerenteSys1.Alterado = true; });
    Paginas->addWidget(inicial);
    Paginas->addWidget(Entrada);
    Paginas->addWidget(Resultados);
    Paginas->addWidget(Simulacao);
    Hidrograma = new TPaginaHidrograma;
    Paginas->addWidget(Hidrograma);
    setCentralWidget(Paginas);

    const auto acao = [this](void (TFPrincipal::*manipulador)()) { return AcaoProtegida(this, manipulador); };
    connect(Entrada->BCalcular, &QPushButton::clicked, this, acao(&TFPrincipal::CalcularClick));
    connect(Entrada->BFechar, &QPushButton::clicked, this, acao(&TFPrincipal::FecharClick));
    connect(Resultados->BVoltar, &QPushButton::clicked, this, acao(&TFPrincipal::VoltarClick));
    connect(Resultados->BFechar, &QPushButton::clicked, this, acao(&TFPrincipal::FecharClick));
    connect(Resultados->BSimulacao, &QPushButton::clicked, this, acao(&TFPrincipal::SimulacaoClick));
    connect(Simulacao->BtnVoltarSimula, &QPushButton::clicked, this, acao(&TFPrincipal::VoltarSimulacaoClick));
    connect(Simulacao->BtnFecharSimula, &QPushButton::clicked, this, acao(&TFPrincipal::FecharClick));
    connect(Resultados->BRelatorio, &QPushButton::clicked, this, acao(&TFPrincipal::RelatorioClick));
    connect(Resultados->BHidrograma, &QPushButton::clicked, this, acao(&TFPrincipal::HidrogramaClick));
    connect(Resultados->BOtimizar, &QPushButton::clicked, this, acao(&TFPrincipal::OtimizarClick));
    connect(Hidrograma->BVoltar, &QPushButton::clicked, this, [this] { MostrarPagina(PaginaResultados); });
    connect(Simulacao->BtnRelatSimula, &QPushButton::clicked, this, acao(&TFPrincipal::RelatorioClick));
    connect(Entrada->BAjuda, &QPushButton::clicked, this, [] { Ajuda().AbrirTopico(kAjudaPaginaEntrada); });
    connect(Resultados->BAjuda, &QPushButton::clicked, this,
            [this] { Ajuda().AbrirTopico(Resultados->ContextoAjudaPagina()); });
    connect(Resultados->BAjudaReal, &QPushButton::clicked, this,
            [this] { Ajuda().AbrirTopico(ContextoAjuda(Resultados->BAjudaReal)); });
}

void TFPrincipal::CriarMenus() {
    QMenu* projeto = menuBar()->addMenu(QStringLiteral("&Projeto"));
    projeto->menuAction()->setStatusTip(QStringLiteral("Menu Projeto"));
    MNovo = Comando(this, QStringLiteral("Novo"), QStringLiteral("Cria um novo projeto"));
    MAbrir = Comando(this, QStringLiteral("Abrir"), QStringLiteral("Abre um projeto gravado em disco"));
    MSalvar = Comando(this, QStringLiteral("Salvar"), QStringLiteral("Salva o projeto atual em um arquivo em disco"));
    MSalvarComo = Comando(this, QStringLiteral("Salvar Como ..."),
                          QStringLiteral("Salva o projeto atual em um arquivo em disco com outro nome"));
    MFechar = Comando(this, QStringLiteral("Fechar"), QStringLiteral("Fechar o projeto atual"));
    MImprimir = Comando(this, QStringLiteral("&Imprimir Relatório ..."),
                        QStringLiteral("Imprime o relatório do projeto"));
    MSair = Comando(this, QStringLiteral("&Sair"), QStringLiteral("Finaliza a execução do Talvek 2.0"));
    projeto->addActions({MNovo, MAbrir, MSalvar, MSalvarComo, MFechar, MImprimir});
    projeto->addSeparator();
    for (int slot = 0; slot < 4; ++slot) {
        MRecentes[slot] = projeto->addAction(QString());
        connect(MRecentes[slot], &QAction::triggered, this,
                [this, slot] { Protegido(this, [&] { AbrirRecenteClick(slot); }); });
    }
    projeto->addSeparator();
    projeto->addAction(MSair);

    MIdentificacao = Comando(this, QStringLiteral("&Identificação do Projeto"),
                             QStringLiteral("Menu Identificação do Projeto"));
    menuBar()->addAction(MIdentificacao);

    QMenu* configuracoes = menuBar()->addMenu(QStringLiteral("&Configurações"));
    configuracoes->menuAction()->setStatusTip(QStringLiteral("Menu Configurações"));
    MConfigurarSistema = configuracoes->addAction(QStringLiteral("Configurar &Sistema"));
    DefinirDica(*MConfigurarSistema, QStringLiteral("Configuração de unidades"));
    MConfigurarImpressora = configuracoes->addAction(QStringLiteral("Configurar &Impressora"));
    DefinirDica(*MConfigurarImpressora, QStringLiteral("Efetua alterações na configuração da impressoar"));

    QMenu* ajuda = menuBar()->addMenu(QStringLiteral("&Ajuda"));
    ajuda->menuAction()->setStatusTip(QStringLiteral("Menu Ajuda"));
    MConteudo = ajuda->addAction(QStringLiteral("&Conteúdo"));
    DefinirDica(*MConteudo, QStringLiteral("Exibe o conteúdo do sistema de ajuda"));
    ajuda->addSeparator();
    MObterAjuda = ajuda->addAction(QStringLiteral("&Obter Ajuda Sobre ..."));
    DefinirDica(*MObterAjuda, QStringLiteral("Obtem ajuda sobre um item específico"));
    ajuda->addSeparator();
    MSobre = ajuda->addAction(QStringLiteral("&Sobre o Talvek 2.0"));
    DefinirDica(*MSobre, QStringLiteral("Exibe a tela de abertura do Talvek 2.0"));

    const auto acao = [this](void (TFPrincipal::*manipulador)()) { return AcaoProtegida(this, manipulador); };
    connect(MNovo, &QAction::triggered, this, acao(&TFPrincipal::NovoClick));
    connect(MAbrir, &QAction::triggered, this, acao(&TFPrincipal::AbrirClick));
    connect(MSalvar, &QAction::triggered, this, acao(&TFPrincipal::SalvarClick));
    connect(MSalvarComo, &QAction::triggered, this, acao(&TFPrincipal::SalvarComoClick));
    connect(MFechar, &QAction::triggered, this, acao(&TFPrincipal::FecharClick));
    connect(MImprimir, &QAction::triggered, this, acao(&TFPrincipal::ImprimirRelatorioClick));
    connect(MSair, &QAction::triggered, this, &QWidget::close);
    connect(MConfigurarImpressora, &QAction::triggered, this, acao(&TFPrincipal::ConfigurarImpressoraClick));
    connect(MIdentificacao, &QAction::triggered, this, acao(&TFPrincipal::IdentificacaoClick));
    connect(MConfigurarSistema, &QAction::triggered, this, acao(&TFPrincipal::ConfigurarSistemaClick));
    connect(MSobre, &QAction::triggered, this, acao(&TFPrincipal::SobreClick));
    connect(MConteudo, &QAction::triggered, this, [] { Ajuda().AbrirConteudo(); });
    connect(MObterAjuda, &QAction::triggered, this, [] { Ajuda().AbrirIndice(QString()); });

    const std::pair<QAction*, Glifo> glifos[] = {
        {MNovo, Glifo::Novo},
        {MAbrir, Glifo::Abrir},
        {MSalvar, Glifo::Salvar},
        {MFechar, Glifo::Fechar},
        {MSair, Glifo::Sair},
        {MConfigurarSistema, Glifo::ConfigurarSistema},
        {MConfigurarImpressora, Glifo::ConfigurarImpressora},
        {MConteudo, Glifo::AjudaConteudo},
        {MObterAjuda, Glifo::AjudaIndice},
        {MSobre, Glifo::Sobre},
    };
    for (const auto& [comando, glifo] : glifos) comando->setIcon(IconeGlifo(glifo));

    // The keys every desktop program agrees on, shown beside the menu items.
    const std::pair<QAction*, QKeySequence> atalhos[] = {
        {MNovo, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {MAbrir, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {MSalvar, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {MSalvarComo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {MFechar, QKeySequence(Qt::CTRL | Qt::Key_W)},
        {MImprimir, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {MSair, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {MConteudo, QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [comando, tecla] : atalhos) comando->setShortcut(tecla);
    // Outside the open menu F1 belongs to the help of the focused control (InstalarTeclaF1).
    MConteudo->setShortcutContext(Qt::WidgetShortcut);
    // There is a report to print only on the results and simulation pages.
    MImprimir->setEnabled(false);
    connect(Paginas, &QStackedWidget::currentChanged, this,
            [this](int pagina) { MImprimir->setEnabled(pagina == PaginaResultados || pagina == PaginaSimulacao); });
}

void TFPrincipal::CriarBarras() {
    QToolBar* projeto = addToolBar(QStringLiteral("Projeto"));
    BNovo = projeto->addAction(QStringLiteral("Novo projeto"));
    BAbrir = projeto->addAction(QStringLiteral("Abrir projeto"));
    BSalvar = projeto->addAction(QStringLiteral("Salvar projeto"));
    BFechar = projeto->addAction(QStringLiteral("Fechar projeto"));
    projeto->addSeparator();
    BIdentificacao = projeto->addAction(QStringLiteral("Identificação do projeto"));

    QToolBar* ferramentas = addToolBar(QStringLiteral("Ferramentas"));
    BConfigurarSistema = ferramentas->addAction(QStringLiteral("Configurar sistema"));
    BConfigurarImpressora = ferramentas->addAction(QStringLiteral("Configurar impressora"));
    ferramentas->addSeparator();
    BSobre = ferramentas->addAction(QStringLiteral("Sobre o Talvek 2.0"));

    QToolBar* saida = addToolBar(QStringLiteral("Saída"));
    BSair = saida->addAction(QStringLiteral("Sair"));

    BarraInternet = addToolBar(QStringLiteral("Internet"));
    BarraInternet->toggleViewAction()->setVisible(false);
    for (const TPaginaInternet& pagina : PaginasInternet(pastaPrograma_)) {
        QAction* botao = BarraInternet->addAction(IconeGlifo(pagina.Simbolo), pagina.Nome);
        DefinirDica(*botao, DicaPagina(pagina));
        connect(botao, &QAction::triggered, this, [this, pagina] { Protegido(this, [&] { AbrirPagina(pagina); }); });
    }

    const std::pair<QAction*, Glifo> botoes[] = {
        {BNovo, Glifo::Novo},
        {BAbrir, Glifo::Abrir},
        {BSalvar, Glifo::Salvar},
        {BFechar, Glifo::Fechar},
        {BIdentificacao, Glifo::Identificacao},
        {BConfigurarSistema, Glifo::ConfigurarSistema},
        {BConfigurarImpressora, Glifo::ConfigurarImpressora},
        {BSobre, Glifo::Sobre},
        {BSair, Glifo::Sair},
    };
    for (const auto& [botao, glifo] : botoes) {
        DefinirDica(*botao, botao->text());
        botao->setIcon(IconeGlifo(glifo));
    }

    // Each button does what the menu item of the same name does.
    connect(BNovo, &QAction::triggered, MNovo, &QAction::trigger);
    connect(BAbrir, &QAction::triggered, MAbrir, &QAction::trigger);
    connect(BSalvar, &QAction::triggered, MSalvar, &QAction::trigger);
    connect(BFechar, &QAction::triggered, MFechar, &QAction::trigger);
    connect(BIdentificacao, &QAction::triggered, MIdentificacao, &QAction::trigger);
    connect(BConfigurarSistema, &QAction::triggered, MConfigurarSistema, &QAction::trigger);
    connect(BConfigurarImpressora, &QAction::triggered, MConfigurarImpressora, &QAction::trigger);
    connect(BSobre, &QAction::triggered, MSobre, &QAction::trigger);
    connect(BSair, &QAction::triggered, MSair, &QAction::trigger);

}

void TFPrincipal::CriarBarraStatus() {
    Relogio = new QLabel;
    Relogio->setObjectName(QStringLiteral("Relogio"));
    Relogio->setFixedWidth(kLarguraRelogio);
    Relogio->setAlignment(Qt::AlignCenter);
    statusBar()->addPermanentWidget(Relogio);
    relogio_ = new QTimer(this);
    connect(relogio_, &QTimer::timeout, this, &TFPrincipal::AtualizarRelogio);
    relogio_->start(kIntervaloRelogio);
    AtualizarRelogio();
}

void TFPrincipal::LigarGerente() {
    GerenteSys1.OnZerarVariaveis = [this] { ZerarVariaveis(); };
    GerenteSys1.OnLerArquivo = [this](bool& LeuCerto) { LerArquivo(LeuCerto); };
    GerenteSys1.OnEscreverArquivo = [this] { EscreverArquivo(); };
    GerenteSys1.OnAbilitarCampos = [this] { HabilitarComandosProjeto(true); };
    GerenteSys1.OnDesabilitarCampos = [this] { HabilitarComandosProjeto(false); };
    GerenteSys1.OnLerCamposDados = [this] {
        Resultados->ConfirmarCoeficienteDigitado();  // a save keeps the coefficient with its height
        Entrada->LerCamposDados();
    };
    GerenteSys1.OnPreencherCamposDados = [this] { Entrada->PreencherCamposDados(); };
    GerenteSys1.OnLimparCamposDados = [this] { Entrada->LimparCamposDados(); };
    GerenteSys1.OnNomeSugerido = [this] {
        return NomeDeArquivo(QString::fromStdString(IDProjeto.Nome), QStringLiteral(".tvk"));
    };
}

// ---- Configuration file ----------------------------------------------------------------------------

void TFPrincipal::LerConfiguracaoInicial() {
    const TConfiguracao configuracao = LerConfiguracao(arquivoConfiguracao_.toStdString());
    Unidades = configuracao.Unidades;
    for (std::size_t slot = 0; slot < GerenteSys1.Recentes.size(); ++slot)
        GerenteSys1.Recentes[slot] = QString::fromStdString(configuracao.Recentes[slot]);
    IndEstado = configuracao.IndEstado;
    ultimaPasta_ = QString::fromStdString(configuracao.UltimaPasta);
    Nimbal1.IndEstado = static_cast<std::int16_t>(IndiceBancoDoEstado(IndEstado));
    AtualizarLegendasRecentes();
}

void TFPrincipal::GravarConfiguracao() {
    TConfiguracao configuracao;
    configuracao.Unidades = Unidades;
    for (std::size_t slot = 0; slot < GerenteSys1.Recentes.size(); ++slot)
        configuracao.Recentes[slot] = GerenteSys1.Recentes[slot].toStdString();
    configuracao.IndEstado = IndEstado;
    if (GerenteSys1.OpenDialog.pastaInicial != pastaDialogosPadrao_)
        configuracao.UltimaPasta = GerenteSys1.OpenDialog.pastaInicial.toStdString();
    QDir().mkpath(QFileInfo(arquivoConfiguracao_).absolutePath());  // the user's folder, on the first exit
    EscreverConfiguracao(arquivoConfiguracao_.toStdString(), configuracao);
}

// ---- Project manager's events ----------------------------------------------------------------------

TObjetosProjeto TFPrincipal::ObjetosProjeto() {
    return {IDProjeto, Sistema, Nimbal1, Terreno, CanalDrenagem, Unidades};
}

void TFPrincipal::ZerarVariaveis() {
    IDProjeto.Limpar();
    CanalDrenagem.Limpar();
    Terreno.Limpar();
    Nimbal1.Limpar();
    Nimbal1.IndEstacao = 0;
    Nimbal1.IndEstado = static_cast<std::int16_t>(IndiceBancoDoEstado(IndEstado));
    Sistema.Tipo = 2;
}

void TFPrincipal::HabilitarComandosProjeto(bool habilitar) {
    if (!habilitar) setWindowTitle(GerenteSys1.TituloPrograma);
    for (QAction* comando : {MSalvar, MSalvarComo, MFechar, MIdentificacao, BSalvar, BFechar, BIdentificacao})
        comando->setEnabled(habilitar);
}

void TFPrincipal::LerArquivo(bool& LeuCerto) {
    LeuCerto = false;
    LerProjeto(GerenteSys1.PathProjeto.toStdString(), ObjetosProjeto());
    LeuCerto = true;
}

void TFPrincipal::EscreverArquivo() { EscreverProjeto(GerenteSys1.PathProjeto.toStdString(), ObjetosProjeto()); }

// ---- Commands --------------------------------------------------------------------------------------

int TFPrincipal::PaginaAtual() const { return Paginas->currentIndex(); }

void TFPrincipal::MostrarPagina(Pagina pagina) { Paginas->setCurrentIndex(pagina); }

void TFPrincipal::AtualizarLegendasRecentes() {
    for (std::size_t slot = 0; slot < MRecentes.size(); ++slot) {
        MRecentes[slot]->setText(QStringLiteral("&%1/ ").arg(slot + 1) +
                                 EscaparMnemonico(NomeSemPasta(GerenteSys1.Recentes[slot])));
        MRecentes[slot]->setVisible(!GerenteSys1.Recentes[slot].isEmpty());  // no bare "2/ " in the menu
    }
}

void TFPrincipal::AbrirProjetoDoArgumento(const QString& caminho) {
    Protegido(this, [&] {
        if (!GerenteSys1.AbrirProjetoDoCaminho(*this, caminho)) return;
        MostrarPagina(PaginaEntrada);
        AtualizarLegendasRecentes();
    });
}

void TFPrincipal::NovoClick() {
    if (!GerenteSys1.NovoProjeto(*this)) return;
    MostrarPagina(PaginaInicial);
    FIdentProjeto->Executar(IDProjeto);
    MostrarPagina(PaginaEntrada);
}

void TFPrincipal::IdentificacaoClick() { FIdentProjeto->Executar(IDProjeto); }

// The unit change: the values shown go into the model with the old factors and come back with the new.
void TFPrincipal::ConfigurarSistemaClick() {
    Entrada->GuardarValoresExibidos();
    if (ExecutarConfSistema(this, Unidades, IndEstado)) Entrada->ReexibirComNovasUnidades();
}

void TFPrincipal::SobreClick() {
    TFSobre sobre(this);
    sobre.exec();
}

bool TFPrincipal::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() == QEvent::Enter && alvo->isWidgetType()) {
        auto* controle = static_cast<QWidget*>(alvo);
        if (controle->window() == this) statusBar()->showMessage(controle->statusTip());
    }
    return false;
}

void TFPrincipal::mouseDoubleClickEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) Protegido(this, [this] { SobreClick(); });
}

void TFPrincipal::AbrirClick() {
    if (!GerenteSys1.AbrirProjeto(*this)) return;
    MostrarPagina(PaginaEntrada);
    AtualizarLegendasRecentes();
}

void TFPrincipal::AbrirRecenteClick(int slot) {
    const QString caminho = GerenteSys1.Recentes[static_cast<std::size_t>(slot)];
    if (caminho.isEmpty()) return;  // an entry without a project
    if (!GerenteSys1.AbrirProjetoRecente(*this, caminho)) return;
    MostrarPagina(PaginaEntrada);
    AtualizarLegendasRecentes();
}

void TFPrincipal::SalvarClick() { GerenteSys1.SalvarProjeto(*this); }

void TFPrincipal::SalvarComoClick() { GerenteSys1.SalvarProjetoComo(*this); }

void TFPrincipal::FecharClick() {
    if (!GerenteSys1.FecharProjeto(*this)) return;
    MostrarPagina(PaginaInicial);
    AtualizarLegendasRecentes();
}

void TFPrincipal::CalcularClick() {
    if (!Entrada->ComprimentoAceito() || !Entrada->EspacamentoAceito()) return;
    TCursorOcupado ocupado(&progresso_);
    try {
        Entrada->LerCamposDados();
    } catch (const std::exception& erro) {
        ocupado.Restaurar();
        MostrarErro(this, erro);
        return;
    }
    if (const auto invalido = Entrada->PrimeiroCampoInvalido()) {
        ocupado.Restaurar();
        Entrada->RecusarCampo(*invalido);
        return;
    }
    try {
        {
            TBloqueioEntrada bloqueio;
            CanalDrenagem.Dimensionar(Terreno, Nimbal1.Precipitacao, Sistema);
        }
        balanco_.reset();
        Resultados->MostrarResultados(Sistema.Tipo == 2);
        Resultados->MostrarAvisos(AvisosDimensionamento(CanalDrenagem, Terreno, Nimbal1.Precipitacao, Sistema));
        Resultados->MostrarTabelaInundacao(
            Sistema.Tipo == 2 ? QString::fromStdString(TabelaComInundacao(*BalancoHidrico().ComInundacao)) : QString());
        MostrarPagina(PaginaResultados);
    } catch (const EDimensionamento& erro) {
        ocupado.Restaurar();
        // The cause on the line below the words the box has always shown.
        const QString causa = QString::fromStdString(erro.Causa());
        Interface().Mensagem(this, TituloPrograma(), causa.isEmpty() ? kErroNoCalculo : kErroNoCalculo + '\n' + causa,
                             Icone::Erro, Botoes::Ok);
    } catch (...) {
        ocupado.Restaurar();
        Interface().Mensagem(this, TituloPrograma(), kErroNoCalculo, Icone::Erro, Botoes::Ok);
    }
}

void TFPrincipal::VoltarClick() {
    Resultados->ConfirmarCoeficienteDigitado();
    MostrarPagina(PaginaEntrada);
}

void TFPrincipal::SimulacaoClick() {
    Simulacao->InstalarProgresso(*statusBar());
    Resultados->ConfirmarCoeficienteDigitado();
    // The page shows before the first series, so that its progress can be followed.
    MostrarPagina(PaginaSimulacao);
    Simulacao->Iniciar();
}

void TFPrincipal::VoltarSimulacaoClick() {
    Simulacao->Encerrar();
    Resultados->MostrarCoeficiente();  // the coefficient kept there, with its recommended height
    MostrarPagina(PaginaResultados);
}

void TFPrincipal::HidrogramaClick() {
    Hidrograma->Mostrar(BalancoHidrico());
    MostrarPagina(PaginaHidrograma);
}

void TFPrincipal::OtimizarClick() {
    Resultados->ConfirmarCoeficienteDigitado();  // Hr of the search with the coefficient the page shows
    TFOtimizar otimizar({CanalDrenagem, Terreno, Nimbal1.Precipitacao, Sistema}, this);
    if (otimizar.exec() != QDialog::Accepted || !otimizar.Valor()) return;
    Entrada->MostrarValorOtimizado(otimizar.Variavel(), *otimizar.Valor());
    MostrarPagina(PaginaEntrada);
}

const TBalancoHidrico& TFPrincipal::BalancoHidrico() {
    if (!balanco_) {
        // Computed on a copy of the drain that lets no window event run meanwhile: it is asked for while a
        // button's action is under way, as when the report window is being opened.
        const TCursorOcupado ocupado(&progresso_);
        TCanalDrenagem canal = CanalDrenagem;
        canal.Encosta.Progresso = nullptr;
        balanco_ = CalcularBalancoHidrico(canal, Terreno, Nimbal1.Precipitacao, Sistema);
    }
    return *balanco_;
}

std::unique_ptr<TFRelatorio> TFPrincipal::CriarRelatorio() {
    Resultados->ConfirmarCoeficienteDigitado();  // the report shows the coefficient the page shows
    TFRelatorio::TFonteGrafico grafico;
    if (PaginaAtual() == PaginaSimulacao) grafico = [this] { return Simulacao->FiguraGrafico(); };
    auto relatorio = std::make_unique<TFRelatorio>([this] { return DadosRelatorio(); }, grafico, Impressora(), this);
    relatorio->GraficoHidrograma = [this] {
        Hidrograma->Mostrar(BalancoHidrico());
        return Hidrograma->FiguraGrafico();
    };
    return relatorio;
}

void TFPrincipal::RelatorioClick() { CriarRelatorio()->exec(); }

void TFPrincipal::ImprimirRelatorioClick() {
    const std::unique_ptr<TFRelatorio> relatorio = CriarRelatorio();
    relatorio->Gerar();
    relatorio->Imprimir();
}

TDadosRelatorio TFPrincipal::DadosRelatorio() {
    TDadosRelatorio dados{Sistema,
            CanalDrenagem,
            Terreno,
            Nimbal1.Precipitacao,
            {Nimbal1.StrEstado, Nimbal1.StrCidade, Nimbal1.Latitude, Nimbal1.Longitude},
            IDProjeto,
            Unidades,
            TextoDataCurta(QDate::currentDate()).toStdString(),
            QDir(pastaPrograma_).absolutePath().toStdString() + "/",
            std::nullopt,
            nullptr,
            std::nullopt};
    // A balance that cannot be computed leaves its section out of the report; the hydrograph page says why.
    try {
        dados.Balanco = &BalancoHidrico();
    } catch (const std::exception&) {
    }
    return dados;
}

void TFPrincipal::ConfigurarImpressoraClick() {
    QPrintDialog dialogo(&Impressora(), this);
    dialogo.setWindowTitle(QStringLiteral("Configurar impressora"));
    dialogo.exec();
}

QPrinter& TFPrincipal::Impressora() {
    if (!impressora_) impressora_ = std::make_unique<QPrinter>();
    return *impressora_;
}

void TFPrincipal::AtualizarRelogio() {
    Relogio->setText(QLocale::system().toString(QTime::currentTime(), FormatoHora()));
}

void TFPrincipal::closeEvent(QCloseEvent* evento) {
    bool fechou = false;
    Protegido(this, [&] { fechou = GerenteSys1.FecharProjeto(*this); });
    if (!fechou) {
        evento->ignore();
        return;
    }
    Protegido(this, [this] { GravarConfiguracao(); });
    evento->accept();
}

}  // namespace talvek::gui
