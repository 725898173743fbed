// The simulation page: each chosen item charts the same 21 rows as the core series, the controls that
// start another computation are blocked while a series runs and "Cancelar" stops it, failures are shown, the recommended-height series follows the
// coefficient typed on the page, and the design is left as it was.
#include <QButtonGroup>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QMenuBar>
#include <QValueAxis>
#include <QCategoryAxis>

#include <cmath>

#include "ApoioJanela.h"
#include "GravadoresAjuda.h"
#include "common/Figuras.h"
#include "platform/Numeros.h"
#include "project/Projeto.h"
#include "project/SerieSimulacao.h"
#include "window/uResultados.h"
#include "window/uSimulacao.h"

namespace talvek::gui::teste {

namespace {

// A 20 m strip on a 1 % field (VIB 20 mm/h, nt 0.1) draining into a 100 m triangular drain (n 0.03,
// Sc 0.002), CDu 1.2; and the same case with a trapezoid.
const QString kTriangular = QStringLiteral(TALVEK_DADOS_TESTE "/Encosta3Triangular.tvk");
const QString kTrapezio = QStringLiteral(TALVEK_DADOS_TESTE "/Encosta3Trapezio.tvk");

// A series runs on its own thread: the page's events run until it has ended.
void EsperarSerie(const TPaginaSimulacao& s) { QTRY_VERIFY_WITH_TIMEOUT(!s.Simulando(), 60000); }

// A main window with the project opened, designed and shown on the simulation page, its first series
// finished. The project is marked unmodified at the end, so that closing the window asks nothing.
struct PaginaSimulada {
    Usuario usuario;
    JanelaDeTeste janela;
    TFPrincipal& j = *janela.janela;
    TPaginaSimulacao& s = *j.Simulacao;

    explicit PaginaSimulada(const QString& projeto) {
        usuario.arquivosAbrir.append(projeto);
        j.AbrirClick();
        j.CalcularClick();
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaResultados));
        j.Resultados->BSimulacao->click();
        EsperarSerie(s);
    }
    ~PaginaSimulada() { j.GerenteSys1.Alterado = false; }
};

// The core series of the same project file, computed without the window.
TSerieSimulacao SerieDoNucleo(const QString& projeto, TEntradaSimulacao entrada, double CDu) {
    TProjeto p;
    LerProjeto(projeto.toStdString(), p.Objetos());
    p.CanalDrenagem.SetCDu(CDu);
    return talvek::Simular(entrada, p.CanalDrenagem, p.Terreno, p.Nimbal1.Precipitacao);
}

QString Lista(const QComboBox& lista, int linha) { return lista.itemText(linha); }

QAbstractButton* Item(QButtonGroup* grupo, int item) { return grupo->button(item); }

}  // namespace

class TesteSimulacao : public QObject {
    Q_OBJECT

private slots:
    void init() { DefinirRegional(Virgula()); }

    void EntradaMostraAVazaoContraOComprimento() {
        AjudaPedida ajuda;
        PaginaSimulada t(kTriangular);
        TFPrincipal& j = t.j;
        TPaginaSimulacao& s = t.s;
        QCOMPARE(t.usuario.Textos(), QStringList());
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaSimulacao));
        QCOMPARE(s.RVazao->checkedId(), 0);
        QCOMPARE(s.RTeorica->checkedId(), -1);
        QCOMPARE(s.RRecomendada->checkedId(), -1);
        QCOMPARE(s.Opcoes->currentWidget(), s.TSVazao);
        QCOMPARE(s.SimulaCDu->text(), QStringLiteral("1,2"));
        QVERIFY(s.CanalTri->isVisibleTo(&s));
        QVERIFY(!s.CanalTra->isVisibleTo(&s));
        QCOMPARE(s.Series1->count(), 21);
        QCOMPARE(s.Series1->at(4).x(), 250.0);
        for (QComboBox* lista : {s.SimulaQ, s.SimulaH, s.SimulaTudo, s.SimulaHr}) {
            QCOMPARE(lista->count(), 21);
            QCOMPARE(lista->currentIndex(), 0);
        }
        QCOMPARE(s.YUni->text(), QStringLiteral("Comprimento:"));
        QCOMPARE(s.UnidUni->text(), QStringLiteral("m"));
        // The progress display sits in the status bar, idle between series.
        QCOMPARE(s.Progresso->parentWidget(), j.statusBar());
        QVERIFY(!s.Progresso->isVisibleTo(j.statusBar()));
        QCOMPARE(s.Progresso->value(), 0);
        QCOMPARE(s.Status->text(), QString());

        // Clicking the 5th point shows its length and flow; a press off the points clears it.
        const QPoint ponto = s.Grafico->mapFromScene(s.Grafico->chart()->mapToPosition(s.Series1->at(4), s.Series1));
        QTest::mouseClick(s.Grafico->viewport(), Qt::LeftButton, {}, ponto);
        QCOMPARE(s.Grafico->toolTip(),
                 QStringLiteral("(250; ") + QString::fromStdString(FormatarFloat("0.00", s.Series1->at(4).y())) + ")");
        QTest::mousePress(s.Grafico->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(s.Grafico->toolTip(), QString());

        s.BtnAjudaSimula->click();
        s.BitBtn6->click();
        QCOMPARE(ajuda.pedidos, (QStringList{"topico 129", "topico 128"}));
        GuardarTela(j, QStringLiteral("simulacao"));
    }

    void CadaItemDesenhaASerieDoNucleo_data() {
        QTest::addColumn<int>("saida");
        QTest::addColumn<int>("entrada");
        QTest::addColumn<int>("linhaDoProjeto");  // the row of the design's own value
        QTest::addColumn<QString>("tituloX");
        QTest::addColumn<QString>("tituloY");
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("primeiroX");  // SimulaTudo and the axis label of row 0
        QTest::newRow("H x Comp") << 1 << 0 << 1 << "Comprimento (m)" << "Altura teórica (cm)" << "m"
                                  << "Comprimento:" << "50";
        QTest::newRow("Hr x EH") << 2 << 1 << 1 << "Espaçamento (m)" << "Altura recomendada (cm)" << "m"
                                 << "Espaçamento:" << "10,0";
        QTest::newRow("Q x nc") << 0 << 2 << 4 << "Rugosidade do canal (10E-2)" << "Vazão (L/s)" << "10E-2"
                                << "Rugosidade do canal:" << "1,0";
        QTest::newRow("H x nt") << 1 << 3 << 3 << "Rugosidade do terreno (10E-2)" << "Altura teórica (cm)"
                                << "10E-2" << "Rugosidade do terreno:" << "1,0";
        QTest::newRow("Hr x Sc") << 2 << 4 << 3 << "Declividade do canal (10E-2 %)" << "Altura recomendada (cm)"
                                 << "10E-2 %" << "Declividade do canal:" << "5,0";
        QTest::newRow("Q x St") << 0 << 5 << 0 << "Declividade do terreno (%)" << "Vazão (L/s)" << "%"
                                << "Declividade do terreno:" << "1,0";
        QTest::newRow("H x VIB") << 1 << 6 << 3 << "VIB (mm/h)" << "Altura teórica (cm)" << "mm/h" << "VIB:" << "5,0";
        QTest::newRow("V x St") << 3 << 5 << 0 << "Declividade do terreno (%)" << "Velocidade média (m/s)" << "%"
                                << "Declividade do terreno:" << "1,0";
    }

    void CadaItemDesenhaASerieDoNucleo() {
        QFETCH(int, saida);
        QFETCH(int, entrada);
        QFETCH(int, linhaDoProjeto);
        QFETCH(QString, tituloX);
        QFETCH(QString, tituloY);
        QFETCH(QString, unidade);
        QFETCH(QString, rotulo);
        QFETCH(QString, primeiroX);
        PaginaSimulada t(kTriangular);
        TFPrincipal& j = t.j;
        TPaginaSimulacao& s = t.s;
        // Regression: the VIB list was labelled with the display unit (m/dia) beside its values in mm/h.
        j.Unidades = {"%", 100, "m/dia", 0.024};
        const double Q = j.CanalDrenagem.Q();
        const double H = j.CanalDrenagem.H();
        const double St = j.Terreno.St(), VIB = j.Terreno.VIB(), nt = j.Terreno.nt.Valor;

        QButtonGroup* grupos[] = {s.RVazao, s.RTeorica, s.RRecomendada, s.RVelocidade};
        Item(grupos[saida], entrada)->click();
        EsperarSerie(s);
        QCOMPARE(t.usuario.Textos(), QStringList());
        for (int g = 0; g < 4; ++g) QCOMPARE(grupos[g]->checkedId(), g == saida ? entrada : -1);

        const auto tipoSaida = static_cast<TSaidaSimulacao>(saida);
        const TSerieSimulacao nucleo = SerieDoNucleo(kTriangular, static_cast<TEntradaSimulacao>(entrada), 1.2);
        QCOMPARE(nucleo.Linhas.size(), std::size_t(21));
        QCOMPARE(s.Series1->count(), 21);
        for (int i = 0; i < 21; ++i) {
            const TLinhaSimulacao& linha = nucleo.Linhas[std::size_t(i)];
            QCOMPARE(s.Series1->at(i).x(), linha.X);
            QCOMPARE(s.Series1->at(i).y(), ValorSaida(linha, tipoSaida));
            QCOMPARE(Lista(*s.SimulaTudo, i), QString::fromStdString(linha.Texto));
            QCOMPARE(Lista(*s.SimulaQ, i), QString::fromStdString(FormatarFloat(" #0.0", linha.Q)));
            QCOMPARE(Lista(*s.SimulaH, i), QString::fromStdString(FormatarFloat(" #0.0", linha.H)));
            QCOMPARE(Lista(*s.SimulaHr, i),
                     QString::fromStdString(FormatarFloat(" #0.0", std::sqrt(1.2) * linha.H + 10)));
        }
        QCOMPARE(Lista(*s.SimulaTudo, 0), primeiroX);
        // The row at the design's own value reproduces the design.
        const TLinhaSimulacao& projeto = nucleo.Linhas[std::size_t(linhaDoProjeto)];
        QVERIFY(std::abs(projeto.Q - Q) <= 1e-9 * Q);
        QVERIFY(std::abs(projeto.H - 100 * H) <= 1e-9 * 100 * H);
        // The chart marks that row: a marker on its point and a vertical line through it across the left axis.
        QCOMPARE(s.PontoProjeto->points(), QList<QPointF>{s.Series1->at(linhaDoProjeto)});
        const auto* eixoY = static_cast<QValueAxis*>(s.Grafico->chart()->axes(Qt::Vertical).first());
        QCOMPARE(s.LinhaProjeto->points(), (QList<QPointF>{{projeto.X, eixoY->min()}, {projeto.X, eixoY->max()}}));
        if (entrada == 0) GuardarTela(s, QStringLiteral("simulacao_projeto"));

        const auto eixos = s.Grafico->chart()->axes();
        QStringList titulos;
        for (QAbstractAxis* eixo : eixos) titulos.append(eixo->titleText());
        QCOMPARE(titulos, (QStringList{tituloX, tituloY}));
        QCOMPARE(s.UnidUni->text(), unidade);
        QCOMPARE(s.YUni->text(), rotulo);

        // The design is left as it was: the field, and the channel's flow that a save would store.
        QCOMPARE(j.CanalDrenagem.Q(), Q);  // regression: the last routed flow stayed in the channel
        QCOMPARE(j.Terreno.St(), St);
        QCOMPARE(j.Terreno.VIB(), VIB);
        QCOMPARE(j.Terreno.nt.Valor, nt);
    }

    // The series leaves the window: the clipboard gets the tab-separated table, the CSV file the same rows
    // with ";" (decimal comma), a BOM and CRLF, the PNG file the chart; the chart's context menu and the
    // button's menu hold the same three actions.
    void TabelaEGraficoSaemDaJanela() {
        PaginaSimulada t(kTriangular);
        TPaginaSimulacao& s = t.s;
        const QList<QAction*> acoes{s.CopiarTabela, s.SalvarTabelaCsv, s.SalvarGraficoPng};
        QCOMPARE(s.Grafico->actions(), acoes);
        QCOMPARE(s.BtnTabela->menu()->actions(), acoes);
        const TSerieSimulacao nucleo = SerieDoNucleo(kTriangular, TEntradaSimulacao::Comp, 1.2);
        const QString linha1 = QStringLiteral("100\t") + QString::number(nucleo.Linhas[1].Q, 'g', 15).replace('.', ',');

        s.CopiarTabela->trigger();
        const QStringList texto = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(texto.size(), 23);  // header, 21 rows and the empty text after the last line end
        QCOMPARE(texto[0], QStringLiteral("Comprimento (m)\tVazão (L/s)\tAltura teórica (cm)\tAltura recomendada (cm)"));
        QVERIFY2(texto[2].startsWith(linha1 + '\t'), qPrintable(texto[2]));

        QTemporaryDir pasta;
        t.usuario.arquivosSalvar = {pasta.filePath(QStringLiteral("serie.csv")), pasta.filePath(QStringLiteral("serie.png"))};
        s.SalvarTabelaCsv->trigger();
        QFile csv(pasta.filePath(QStringLiteral("serie.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF" "Comprimento (m);Vaz"));
        QCOMPARE(bytes.count("\r\n"), 22);
        QVERIFY(bytes.contains("\r\n" + QString(linha1).replace(QLatin1Char('\t'), QLatin1Char(';')).toUtf8() + ';'));
        s.SalvarGraficoPng->trigger();
        QCOMPARE(QImage(pasta.filePath(QStringLiteral("serie.png"))).size(), s.Grafico->size());
        QCOMPARE(t.usuario.dialogosSalvar.first().filtro, QStringLiteral("CSV (*.csv)"));
        QCOMPARE(t.usuario.Textos(), QStringList());

        s.BtnTabela->menu()->popup(s.BtnTabela->mapToGlobal(QPoint(0, 0)));
        GuardarTela(*s.BtnTabela->menu(), QStringLiteral("simulacao_menu_tabela"));
        s.BtnTabela->menu()->hide();
        GuardarTela(s, QStringLiteral("simulacao_com_botao"));
    }

    // A field whose hillslope yields no runoff: every row of the length series
    // has Q = 0 and the chart stays drawable.
    void SemEscoamentoSerieDeVazaoNula() {
        PaginaSimulada t(QStringLiteral(TALVEK_DADOS_TESTE "/SemEscoamento3.tvk"));
        TPaginaSimulacao& s = t.s;
        QCOMPARE(t.usuario.Textos(), QStringList());
        QCOMPARE(s.Series1->count(), 21);
        for (int i = 0; i < 21; ++i) QCOMPARE(s.Series1->at(i).y(), 0.0);
        const auto* eixoY = qobject_cast<QValueAxis*>(s.Grafico->chart()->axes(Qt::Vertical).first());
        QVERIFY(eixoY->max() > eixoY->min());
    }

    // While a series runs the window keeps its events, but nothing that starts another computation can
    // be used: the tabs, the coefficient and its "OK", the report and table buttons, the menus and tool
    // bars; "Cancelar" can.
    void SerieEmCursoBloqueiaAJanela() {
        PaginaSimulada t(kTriangular);
        TFPrincipal& j = t.j;
        TPaginaSimulacao& s = t.s;
        const auto comandosAtivos = [&] {
            QStringList ativos;
            for (QWidget* comando : std::initializer_list<QWidget*>{s.Opcoes, s.SimulaCDu, s.CalculaHR,
                                                                     s.BtnRelatSimula, s.BtnTabela, j.menuBar()})
                if (comando->isEnabled()) ativos.append(comando->objectName() + comando->metaObject()->className());
            for (QToolBar* barra : j.findChildren<QToolBar*>())
                if (barra->isEnabled()) ativos.append(barra->windowTitle());
            return ativos;
        };
        QVERIFY(!s.BtnCancelar->isEnabled());
        Item(s.RTeorica, 5)->click();  // the thread only posts to the page: until events run, it is mid-series
        QVERIFY(s.Simulando());
        QCOMPARE(comandosAtivos(), QStringList());
        QVERIFY(s.BtnCancelar->isEnabled());
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QVERIFY(s.Progresso->isVisible());
        QCOMPARE(s.Status->text(), QStringLiteral("Simulando declividade do terreno x altura teórica ..."));
        EsperarSerie(s);
        QVERIFY(s.Opcoes->isEnabled());
        QVERIFY(j.isEnabled());
        QVERIFY(j.menuBar()->isEnabled());
        QCOMPARE(comandosAtivos().size(), 6 + j.findChildren<QToolBar*>().size());
        QVERIFY(!s.BtnCancelar->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(s.Status->text(), QString());
        QVERIFY(!s.Progresso->isVisible());
        QCOMPARE(s.Series1->count(), 21);
    }

    // "Cancelar" stops the series: the rows done stay on the chart and in the lists, without a message.
    // Leaving the page or closing the program during a series stops it and waits for its thread.
    void CancelarGuardaAsLinhasFeitas() {
        PaginaSimulada t(kTriangular);
        TFPrincipal& j = t.j;
        TPaginaSimulacao& s = t.s;
        j.CanalDrenagem.SetEH(1500);  // 21 strips of 1.5 km: seconds of work
        Item(s.RVazao, 3)->click();   // "Q x nt"
        QTRY_VERIFY_WITH_TIMEOUT(s.Series1->count() >= 2, 60000);
        QVERIFY(s.Simulando());
        GuardarTela(j, QStringLiteral("simulacao_em_curso"));
        s.BtnCancelar->click();
        EsperarSerie(s);
        const int feitas = s.Series1->count();
        QVERIFY2(feitas >= 2 && feitas < 21, qPrintable(QString::number(feitas)));
        QCOMPARE(t.usuario.Textos(), QStringList());
        QVERIFY(!s.BtnCancelar->isEnabled());
        QVERIFY(s.Opcoes->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(!s.Progresso->isVisible());
        GuardarTela(j, QStringLiteral("simulacao_cancelada"));
        TProjeto p;
        LerProjeto(kTriangular.toStdString(), p.Objetos());
        p.CanalDrenagem.SetEH(1500);
        const TSerieSimulacao nucleo = talvek::Simular(TEntradaSimulacao::nt, p.CanalDrenagem, p.Terreno,
                                                       p.Nimbal1.Precipitacao, {}, nullptr, {.Threads = 2, .Parar = {}});
        for (int i = 0; i < feitas; ++i) {
            QCOMPARE(s.Series1->at(i).y(), nucleo.Linhas[std::size_t(i)].Q);
            QCOMPARE(Lista(*s.SimulaTudo, i), QString::fromStdString(nucleo.Linhas[std::size_t(i)].Texto));
        }
        for (QComboBox* lista : {s.SimulaQ, s.SimulaH, s.SimulaTudo, s.SimulaHr}) QCOMPARE(lista->count(), feitas);

        Item(s.RVazao, 3)->click();
        s.BtnVoltarSimula->click();
        QVERIFY(!s.Simulando());
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaResultados));
        QVERIFY(j.menuBar()->isEnabled());
        QCOMPARE(s.Series1->count(), 0);
        QCoreApplication::processEvents();  // what the stopped thread posted is dropped
        QCOMPARE(s.Series1->count(), 0);

        j.Resultados->BSimulacao->click();
        EsperarSerie(s);
        Item(s.RVazao, 3)->click();
        QVERIFY(j.close());
        QVERIFY(!s.Simulando());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void FalhaDoDimensionamentoMostraAMensagem() {
        PaginaSimulada t(kTrapezio);
        TFPrincipal& j = t.j;
        TPaginaSimulacao& s = t.s;
        QCOMPARE(t.usuario.Textos(), QStringList());
        QVERIFY(s.CanalTra->isVisibleTo(&s));
        // A trapezoid without base or side slope has no depth: every row fails.
        j.CanalDrenagem.SetB(0);
        j.CanalDrenagem.Z = {0.0, -1};
        const double St = j.Terreno.St();
        Item(s.RVazao, 5)->click();
        EsperarSerie(s);
        QCOMPARE(t.usuario.Textos(), QStringList{"Erro no dimensinamento dos canais\n"
                                                 "Inclinação da parede do canal (Z) = 0: deve ser maior que zero."});
        QCOMPARE(t.usuario.caixas.first().icone, Icone::Erro);
        QCOMPARE(s.Series1->count(), 0);
        QCOMPARE(s.SimulaQ->count(), 0);
        QCOMPARE(j.Terreno.St(), St);
        QVERIFY(j.isEnabled());
        QVERIFY(s.Opcoes->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void CoeficienteNovoRedesenhaAAlturaRecomendada() {
        PaginaSimulada t(kTriangular);
        TFPrincipal& j = t.j;
        TPaginaSimulacao& s = t.s;
        Item(s.RVazao, 5)->click();  // "Q x St"
        EsperarSerie(s);
        Digitar(s.SimulaCDu, QStringLiteral("1,5"));
        QCOMPARE(s.SimulaHr->currentIndex(), -1);
        QVERIFY(j.GerenteSys1.Alterado);
        s.CalculaHR->click();
        EsperarSerie(s);
        QCOMPARE(s.RRecomendada->checkedId(), 5);
        QCOMPARE(s.RVazao->checkedId(), -1);
        QCOMPARE(s.Opcoes->currentWidget(), s.TSRecomendada);
        QCOMPARE(j.CanalDrenagem.CDu(), 1.5);
        QCOMPARE(j.CanalDrenagem.Hr(), std::sqrt(1.5) * (100 * j.CanalDrenagem.H()) + 10);
        const TSerieSimulacao nucleo = SerieDoNucleo(kTriangular, TEntradaSimulacao::St, 1.5);
        QCOMPARE(s.Series1->count(), 21);
        for (int i = 0; i < 21; ++i) QCOMPARE(s.Series1->at(i).y(), nucleo.Linhas[std::size_t(i)].Hr);
        GuardarTela(j, QStringLiteral("simulacao_hr"));

        // Row k chosen in one list is row k in all four.
        s.SimulaH->setCurrentIndex(7);
        for (QComboBox* lista : {s.SimulaQ, s.SimulaTudo, s.SimulaHr}) QCOMPARE(lista->currentIndex(), 7);

        // Leaving: the page's coefficient is the design's, the chart is emptied, the status bar is freed.
        s.BtnVoltarSimula->click();
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaResultados));
        QCOMPARE(s.Series1->count(), 0);
        QVERIFY(s.Progresso->parentWidget() != j.statusBar());
        QCOMPARE(j.CanalDrenagem.CDu(), 1.5);
    }

    // Regression: "&Voltar" kept the new coefficient but the old recommended height, and the report
    // printed the two side by side.
    void VoltarGuardaOCoeficienteComSuaAltura() {
        PaginaSimulada t(kTriangular);
        TFPrincipal& j = t.j;
        TPaginaSimulacao& s = t.s;
        const QString coefResultados = j.Resultados->CoefUni->text();
        Digitar(s.SimulaCDu, QStringLiteral("2"));
        s.BtnVoltarSimula->click();
        QCOMPARE(j.CanalDrenagem.CDu(), 2.0);
        QCOMPARE(j.CanalDrenagem.Hr(), std::sqrt(2.0) * (100 * j.CanalDrenagem.H()) + 10);
        // The results page shows the coefficient kept, with its height.
        QVERIFY(j.Resultados->CoefUni->text() != coefResultados);
        QCOMPARE(j.Resultados->CoefUni->text(), QStringLiteral("2,0"));
        QCOMPARE(j.Resultados->HR->text(), QString::fromStdString(FormatarFloat("0.0", j.CanalDrenagem.Hr())));
    }

    // Regression: the results page kept its own coefficient, which "&Voltar" and every save put back into
    // CDu without the recommended height, and which the simulation took again on entry. Whichever box
    // the coefficient is typed in, the file holds it with its height and every box shows it.
    void UmSoCoeficienteEmTodasAsCaixas_data() {
        QTest::addColumn<QString>("caminho");
        QTest::newRow("simulação, OK, Voltar") << "simulacao-ok";
        QTest::newRow("simulação, Voltar sem OK") << "simulacao";
        QTest::newRow("resultados, Salvar sem OK") << "resultados";
        QTest::newRow("resultados, Voltar") << "resultados-voltar";
    }

    void UmSoCoeficienteEmTodasAsCaixas() {
        QFETCH(QString, caminho);
        PaginaSimulada t(kTriangular);
        TFPrincipal& j = t.j;
        TPaginaSimulacao& s = t.s;
        TPaginaResultados& r = *j.Resultados;
        if (caminho.startsWith(QStringLiteral("simulacao"))) {
            Digitar(s.SimulaCDu, QStringLiteral("1,5"));
            if (caminho == QStringLiteral("simulacao-ok")) s.CalculaHR->click();
            s.BtnVoltarSimula->click();
            QCOMPARE(r.CoefUni->text(), QStringLiteral("1,5"));
            QCOMPARE(r.HR->text(), QString::fromStdString(FormatarFloat("0.0", j.CanalDrenagem.Hr())));
            // Entering the simulation again keeps the coefficient typed there.
            r.BSimulacao->click();
            EsperarSerie(s);
            QCOMPARE(s.SimulaCDu->text(), QStringLiteral("1,5"));
            QCOMPARE(j.CanalDrenagem.CDu(), 1.5);
            s.BtnVoltarSimula->click();
        } else {
            s.BtnVoltarSimula->click();
            Digitar(r.CoefUni, QStringLiteral("1,5"));
            if (caminho == QStringLiteral("resultados-voltar")) r.BVoltar->click();
        }
        const double H = j.CanalDrenagem.H();
        const QString arquivo = t.janela.Caminho(QStringLiteral("coeficiente.tvk"));
        t.usuario.arquivosSalvar.append(arquivo);
        j.SalvarComoClick();

        TProjeto gravado;
        LerProjeto(arquivo.toStdString(), gravado.Objetos());
        QCOMPARE(gravado.CanalDrenagem.CDu(), 1.5);
        QCOMPARE(gravado.CanalDrenagem.H(), H);
        QCOMPARE(gravado.CanalDrenagem.Hr(), AlturaRecomendada(H, 1.5));
        QCOMPARE(j.CanalDrenagem.Hr(), AlturaRecomendada(H, 1.5));
        if (j.PaginaAtual() == TFPrincipal::PaginaResultados)
            QCOMPARE(r.HR->text(), QString::fromStdString(FormatarFloat("0.0", AlturaRecomendada(H, 1.5))));

        j.GerenteSys1.Alterado = false;
        t.usuario.arquivosAbrir.append(arquivo);
        j.AbrirClick();
        QCOMPARE(r.CoefUni->text(), QStringLiteral("1,5"));
        QCOMPARE(j.CanalDrenagem.Hr(), AlturaRecomendada(H, 1.5));
        QCOMPARE(t.usuario.Textos(), QStringList());
    }

    void CoeficienteAbaixoDeUmERecusado_data() {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("fica");
        QTest::addColumn<int>("mensagens");
        QTest::newRow("0,5") << "0,5" << "1" << 1;
        QTest::newRow("vazio") << "" << "1" << 1;
        QTest::newRow("1") << "1" << "1" << 0;
        QTest::newRow("1,3") << "1,3" << "1,3" << 0;
    }

    void CoeficienteAbaixoDeUmERecusado() {
        QFETCH(QString, digitado);
        QFETCH(QString, fica);
        QFETCH(int, mensagens);
        PaginaSimulada t(kTriangular);
        TPaginaSimulacao& s = t.s;
        Digitar(s.SimulaCDu, digitado);
        s.BtnAjudaSimula->setFocus(Qt::TabFocusReason);
        QCOMPARE(s.SimulaCDu->text(), fica);
        QCOMPARE(t.usuario.Textos().size(), mensagens);
        if (mensagens)
            QCOMPARE(t.usuario.Textos().first(),
                     QStringLiteral("O valor do coeficiente de desuniformidade não pode ser inferior a 1."));
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteSimulacao)
#include "TesteSimulacao.moc"
