// The program's main window: it owns the design objects and the display units, hosts the project
// manager's commands in its menus and toolbars, runs the design on the case of its data-entry page and
// shows the results.
#pragma once

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

#include "common/ProgressoQt.h"
#include "design/uBalancoHidrico.h"
#include "design/uCanal.h"
#include "model/uTerreno.h"
#include "project/ArquivoProjeto.h"
#include "project/IDProjeto.h"
#include "query/Nimbal21.h"
#include "report/TextoRelatorio.h"
#include "window/GerenteSys.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QStackedWidget;
class QTimer;
class QToolBar;

namespace talvek::gui {

class TFIdentProjeto;
class TFRelatorio;
class TPaginaEntrada;
class TPaginaHidrograma;
class TPaginaResultados;
class TPaginaSimulacao;

class TFPrincipal : public QMainWindow {
public:
    enum Pagina { PaginaInicial = 0, PaginaEntrada = 1, PaginaResultados = 2, PaginaSimulacao = 3, PaginaHidrograma = 4 };

    // `pastaPrograma` is the folder of the executable: working directory, configuration file (while the
    // folder is writable, see LocalConfiguracao.h), help file and the folder of new projects.
    explicit TFPrincipal(const QString& pastaPrograma, QWidget* pai = nullptr);
    ~TFPrincipal() override;

    // The design objects, created in this order and owned until the window closes.
    TCanalDrenagem CanalDrenagem;
    TTerreno Terreno;
    TTipoSistema Sistema;
    TIDProjeto IDProjeto;
    gui::TNimbal21 Nimbal1;  // the rainfall component, owner of the design storm and the query

    TUnidades Unidades;         // display units of slopes and VIB
    int IndEstado = 0;          // default state of the rainfall query (position in the 22-state list)
    TGerenteSys GerenteSys1;

    QString ArquivoAjuda() const { return arquivoAjuda_; }
    QString ArquivoConfiguracao() const { return arquivoConfiguracao_; }  // "Talvek2.ini", read and written
    int PaginaAtual() const;
    QPrinter& Impressora();  // the printer chosen in "Configurar Impressora", used by the report

    TPaginaEntrada* Entrada;
    TPaginaResultados* Resultados;
    TPaginaSimulacao* Simulacao;
    TPaginaHidrograma* Hidrograma;
    QStackedWidget* Paginas;
    QLabel* Relogio;

    // Menu items.
    QAction* MNovo;
    QAction* MAbrir;
    QAction* MSalvar;
    QAction* MSalvarComo;
    QAction* MFechar;
    QAction* MImprimir;  // the report of the results or simulation page, straight to the print dialog
    std::array<QAction*, 4> MRecentes;
    QAction* MSair;
    QAction* MIdentificacao;
    QAction* MConfigurarSistema;
    QAction* MConfigurarImpressora;
    QAction* MConteudo;
    QAction* MObterAjuda;
    QAction* MSobre;
    // Toolbar buttons.
    QAction* BNovo;
    QAction* BAbrir;
    QAction* BSalvar;
    QAction* BFechar;
    QAction* BIdentificacao;
    QAction* BConfigurarSistema;
    QAction* BConfigurarImpressora;
    QAction* BSobre;
    QAction* BSair;
    QToolBar* BarraInternet;
    TFIdentProjeto* FIdentProjeto;  // the identification dialog, created after the window and kept


    // The actions of the window, as the menus, toolbars and buttons run them.
    void NovoClick();
    void AbrirClick();
    void AbrirRecenteClick(int slot);
    void SalvarClick();
    void SalvarComoClick();
    void FecharClick();
    void CalcularClick();
    void VoltarClick();
    void SimulacaoClick();        // "&Simulação" of the results page
    void VoltarSimulacaoClick();  // "&Voltar" of the simulation page
    void HidrogramaClick();       // "&Hidrograma" of the results page
    // "&Otimizar…" of the results page: the goal-seek dialog on the last calculation; "&Aplicar" puts its
    // answer on the data-entry page, which is then shown.
    void OtimizarClick();
    // The water balance of the last calculation, computed on its first request (the busy pointer meanwhile);
    // its failure propagates.
    const TBalancoHidrico& BalancoHidrico();
    // "&Relatório" of the results and simulation pages: the design report, with the simulation chart
    // when asked for from the simulation page.
    void RelatorioClick();
    void ImprimirRelatorioClick();
    TDadosRelatorio DadosRelatorio();
    void IdentificacaoClick();
    void ConfigurarSistemaClick();
    void SobreClick();
    void AtualizarLegendasRecentes();
    // The project named on the command line, as an absolute path: opened as Open opens the file chosen
    // in its dialog; a file that cannot be read gives Open's message and leaves no project open.
    void AbrirProjetoDoArgumento(const QString& caminho);
    void MostrarPagina(Pagina pagina);

protected:
    void closeEvent(QCloseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;  // the about box
    // The hint of the control under the mouse goes to the status bar.
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void CriarMenus();
    void CriarBarras();
    void CriarBarraStatus();
    void CriarPaginas();
    void LigarGerente();
    void LerConfiguracaoInicial();
    void GravarConfiguracao();

    // Handlers of the project manager's events.
    void ZerarVariaveis();
    void HabilitarComandosProjeto(bool habilitar);
    void LerArquivo(bool& LeuCerto);
    void EscreverArquivo();

    void AtualizarRelogio();
    void ConfigurarImpressoraClick();
    TObjetosProjeto ObjetosProjeto();
    std::unique_ptr<TFRelatorio> CriarRelatorio();

    QString pastaPrograma_;
    QString arquivoAjuda_;
    QString arquivoConfiguracao_;
    QString pastaDialogosPadrao_;  // where the open and save dialogs start when no folder was kept
    QString ultimaPasta_;  // where the open and save dialogs were last used, from the configuration file
    ProgressoQt progresso_;
    std::unique_ptr<QPrinter> impressora_;
    QTimer* relogio_;
    std::optional<TBalancoHidrico> balanco_;  // of the last calculation, once asked for
};

}  // namespace talvek::gui
