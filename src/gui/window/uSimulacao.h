// The simulation page of the main window: after a design without partial flooding it charts how the flow,
// a height or the mean velocity responds to one input varied over 21 values, all others held at the design,
// and lists the same rows in four linked drop-down lists (input value, Q, H, Hr).
#pragma once

#include <QImage>
#include <QWidget>

#include <exception>
#include <functional>
#include <memory>
#include <thread>

#include "project/SerieSimulacao.h"

class QAction;
class QButtonGroup;
class QCategoryAxis;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QProgressBar;
class QScatterSeries;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QValueAxis;

namespace talvek {
class IProgresso;
class TCanalDrenagem;
class TPrecipitacao;
class TTerreno;
}  // namespace talvek

namespace talvek::gui {

class TBloqueioSerie;
class TFiltroNumerico;
class TQuadroFigura;

class TPaginaSimulacao : public QWidget {
public:
    struct TModelo {
        TCanalDrenagem& Canal;
        TTerreno& Terreno;
        const TPrecipitacao& Precipitacao;
    };

    // `progresso` gives the busy pointer and lets the window repaint between rows; `marcarAlterado` is
    // called for every key typed in the coefficient box.
    TPaginaSimulacao(TModelo modelo, IProgresso& progresso, std::function<void()> marcarAlterado,
                     QWidget* pai = nullptr);
    ~TPaginaSimulacao() override;  // a series still running is stopped and waited for

    // Entering from the results page: the section picture of the channel, the first series (Q against
    // the channel length) on the tab "Q", and the channel's CDu in the coefficient box.
    void Iniciar();
    // Leaving with "&Voltar": the chart is cleared, the coefficient typed here becomes the design's CDu
    // (with its recommended height) and the progress display leaves the status bar.
    void Encerrar();

    // The progress bar and status label of a series, placed in `barra` (once) and removed by Encerrar.
    void InstalarProgresso(QStatusBar& barra);
    void RemoverProgresso();

    // Starts the series of one output against one input: axis titles and status text at once; the rows,
    // sized on the core's thread pool by a thread of the page on copies of the design, reach the chart
    // and the four lists in row order as they finish. A sizing failure keeps the rows computed so far and
    // shows its message once the series ends; the design is never written.
    void Simular(TSaidaSimulacao saida, TEntradaSimulacao entrada);
    // "Cancelar": the series running stops; the rows already drawn stay, without a message.
    void Cancelar();
    void LimparGrafico();
    // A click on item `item` of the radio group of `saida`: busy pointer, the controls that start another
    // computation blocked and "Cancelar" enabled until the series ends, the other groups cleared, the
    // series started; row 0 of the lists selected when it ends.
    void EscolherSerie(TSaidaSimulacao saida, int item);
    // "OK" of the real section: the coefficient becomes the design's CDu and Hr, and the Hr series of the
    // input shown (or of the Hr item already selected) is drawn on the tab "Hr".
    void CalculaHRClick();
    // Leaving the coefficient box: a value below 1 is refused with a message and replaced by 1.
    void VerificarCDu();
    // Selects row k in the four lists.
    void SelecionarLinha(int k);
    // The hint of the chart after a click on point `indice`: "(x; y)".
    void MostrarDicaPonto(int indice);
    // The chart as it stands, drawn on white at its own size, scaled down to the printable width of a
    // page when wider: the picture of the report.
    QImage FiguraGrafico() const;
    // True while a series is being computed.
    bool Simulando() const { return simulando_; }
    // Ends a running series now (leaving the page, closing the project or the program): stops it, waits
    // for its thread and drops the rows not yet drawn.
    void PararSerie();

    QChartView* Grafico;
    QLineSeries* Series1;
    // The row of the design's own input value: a marker labelled "Projeto" and a vertical line through it;
    // empty when the design sits between rows.
    QScatterSeries* PontoProjeto;
    QLineSeries* LinhaProjeto;
    QTabWidget* Opcoes;
    QWidget* TSVazao;
    QWidget* TSTeorica;
    QWidget* TSRecomendada;
    QWidget* TSVelocidade;
    QButtonGroup* RVazao;
    QButtonGroup* RTeorica;
    QButtonGroup* RRecomendada;
    QButtonGroup* RVelocidade;
    QComboBox* SimulaQ;
    QComboBox* SimulaH;
    QComboBox* SimulaTudo;
    QComboBox* SimulaHr;
    QLabel* YUni;
    QLabel* UnidUni;
    TQuadroFigura* CanalTra;
    TQuadroFigura* CanalTri;
    QLineEdit* SimulaCDu;
    QPushButton* CalculaHR;
    QPushButton* BitBtn6;
    QPushButton* BtnFecharSimula;
    QPushButton* BtnVoltarSimula;
    QPushButton* BtnRelatSimula;
    QPushButton* BtnAjudaSimula;
    QPushButton* BtnCancelar;  // "Cancelar", enabled only while a series runs
    // The series out of the window (TExportacaoGrafico): "Copiar tabela", "Salvar tabela como CSV…",
    // "Salvar gráfico como PNG…", in the chart's context menu and in the menu of BtnTabela.
    QAction* CopiarTabela;
    QAction* SalvarTabelaCsv;
    QAction* SalvarGraficoPng;
    QPushButton* BtnTabela;
    QProgressBar* Progresso;  // in the status bar while the page is in use
    QLabel* Status;

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    QWidget* CriarGrafico();
    QTabWidget* CriarOpcoes();
    QWidget* CriarSecaoUniforme();
    QWidget* CriarSecaoReal();
    QButtonGroup* CriarGrupo(QWidget* aba, const QString& titulo, TSaidaSimulacao saida);
    void DefinirTitulos(const QString& tituloX, const QString& tituloY, const QString& mensagem,
                        const QString& unidade, const QString& rotulo);
    void AdicionarPonto(int indice, const QString& texto, double x, double y);
    void AdicionarValores(const QString& texto, double Q, double H, double Hr);
    void MarcarProjeto(const TSerieSimulacao& serie, TSaidaSimulacao saida, double valorProjeto);
    void CriarAcoesTabela();
    QButtonGroup* Grupo(TSaidaSimulacao saida) const;
    void SelecionarSerie(TSaidaSimulacao saida, int item);
    // The window's side of a series `numero`: a row delivered, and its end (the rows and the error, or
    // a failure other than a sizing's). Calls of a series no longer current are dropped.
    void ReceberLinha(int numero, int indice, const TLinhaSimulacao& linha, TSaidaSimulacao saida);
    void TerminarSerie(int numero, const TSerieSimulacao& serie, std::exception_ptr excecao, TSaidaSimulacao saida,
                       double valorProjeto);
    void LimparProgresso();

    TModelo modelo_;
    IProgresso& progresso_;
    TFiltroNumerico* filtro_;
    QChart* grafico_;
    QCategoryAxis* eixoX_;
    QValueAxis* eixoY_;
    bool simulando_ = false;
    std::unique_ptr<TBloqueioSerie> bloqueio_;  // while a series runs
    std::jthread serie_;                         // the thread running the series
    int numeroSerie_ = 0;                        // of the series whose rows the page takes
    std::vector<TLinhaSimulacao> linhas_;  // the rows charted, for the table
    TEntradaSimulacao entrada_ = TEntradaSimulacao::Comp;
};

}  // namespace talvek::gui
