// Every chart of the program leaves the window the same way: "Copiar tabela" puts the table with its
// header (names and units) on the clipboard, tab-separated with the regional decimal separator; "Salvar
// tabela como CSV…" writes the same table with a BOM, CRLF and ";" (decimal comma) or "," (decimal point);
// "Salvar gráfico como PNG…" writes the chart. The three actions are the chart's context menu and the
// button's menu. With TALVEK_TELAS set to a folder, each window is saved there with its context menu open.
#include <QChartView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "ApoioJanela.h"
#include "GravadoresAjuda.h"
#include "common/ExportarGrafico.h"
#include "model/TabelaIdf.h"
#include "project/Projeto.h"
#include "project/SerieSimulacao.h"
#include "query/FoCurvasIdf.h"
#include "window/uPaginaHidrograma.h"
#include "window/uResultados.h"
#include "window/uSimulacao.h"

namespace talvek::gui::teste {

namespace {

const QString kProjeto = QStringLiteral(TALVEK_DADOS_TESTE "/Encosta3Trapezio.tvk");
const TParametrosIdf kIdf{1000, 0.2, 10, 0.8};

enum class Grafico { Simulacao, Hidrograma, CurvasIdf };

// A chart window on screen, with what its table must begin with: the header and the first two rows.
struct JanelaGrafico {
    Usuario usuario;
    std::unique_ptr<JanelaDeTeste> principal;
    std::unique_ptr<TfrmFoCurvasIdf> curvas;
    QWidget* janela = nullptr;
    QChartView* grafico = nullptr;
    QList<QAction*> acoes;  // copy, CSV, PNG
    QPushButton* botao = nullptr;
    QStringList cabecalho;
    std::vector<std::vector<double>> linhas;

    explicit JanelaGrafico(Grafico qual) {
        if (qual == Grafico::CurvasIdf) {
            curvas = std::make_unique<TfrmFoCurvasIdf>(kIdf, 15);
            curvas->show();
            (void)QTest::qWaitForWindowExposed(curvas.get());
            Usar(*curvas, curvas->Grafico, *curvas->Exportacao);
            cabecalho << QStringLiteral("Duração (min)");
            linhas.resize(2);
            for (const double tr : TfrmFoCurvasIdf::PeriodosDeRetorno(15)) {
                cabecalho << QStringLiteral("Intensidade para Tr = %1 anos (mm/h)").arg(tr);
                const std::vector<TPontoCurvaIdf> curva = CurvaIdf(kIdf, tr);
                for (int k : {0, 1}) {
                    if (linhas[k].empty()) linhas[k].push_back(curva[k].DuracaoMin);
                    linhas[k].push_back(curva[k].IntensidadeMmH);
                }
            }
            return;
        }
        principal = std::make_unique<JanelaDeTeste>();
        TFPrincipal& j = *principal->janela;
        usuario.arquivosAbrir.append(kProjeto);
        j.AbrirClick();
        j.CalcularClick();
        if (qual == Grafico::Simulacao) {
            j.Resultados->BSimulacao->click();
            TPaginaSimulacao& s = *j.Simulacao;
            Usar(j, s.Grafico, {s.CopiarTabela, s.SalvarTabelaCsv, s.SalvarGraficoPng}, s.BtnTabela);
            cabecalho = QStringList{QStringLiteral("Comprimento (m)"), QStringLiteral("Vazão (L/s)"),
                                    QStringLiteral("Altura teórica (cm)"), QStringLiteral("Altura recomendada (cm)")};
            TProjeto p;
            LerProjeto(kProjeto.toStdString(), p.Objetos());
            const TSerieSimulacao serie =
                talvek::Simular(TEntradaSimulacao::Comp, p.CanalDrenagem, p.Terreno, p.Nimbal1.Precipitacao);
            for (int k : {0, 1}) linhas.push_back({serie.Linhas[k].X, serie.Linhas[k].Q, serie.Linhas[k].H, serie.Linhas[k].Hr});
        } else {
            j.Resultados->BHidrograma->click();
            Usar(j, j.Hidrograma->Grafico, *j.Hidrograma->Exportacao);
            cabecalho = QStringList{QStringLiteral("Tempo da encosta (min)"), QStringLiteral("Encosta (L/s por m)"),
                                    QStringLiteral("Tempo do dreno (min)"), QStringLiteral("Dreno (L/s)")};
            const TBalancoSemInundacao& b = *j.BalancoHidrico().SemInundacao;
            for (int k : {0, 1})
                linhas.push_back({b.Encosta.Pontos()[k].Tempo, b.Encosta.Pontos()[k].Vazao, b.Canal.Pontos[k].Tempo,
                                  b.Canal.Pontos[k].Vazao});
        }
        QCoreApplication::processEvents();
    }
    ~JanelaGrafico() {
        if (principal) principal->janela->GerenteSys1.Alterado = false;
    }

    void Usar(QWidget& j, QChartView* g, const TExportacaoGrafico& e) {
        Usar(j, g, {e.CopiarTabela, e.SalvarTabelaCsv, e.SalvarGraficoPng}, e.Botao);
    }
    void Usar(QWidget& j, QChartView* g, QList<QAction*> a, QPushButton* b) {
        janela = &j;
        grafico = g;
        acoes = std::move(a);
        botao = b;
    }

    // A line of the table as the clipboard must hold it: 15 significant digits, the regional separator.
    static QString Linha(const std::vector<double>& valores, QChar decimal) {
        QStringList campos;
        for (const double v : valores) campos << QString::number(v, 'g', 15).replace(QLatin1Char('.'), decimal);
        return campos.join(QLatin1Char('\t'));
    }
};

// The context menu the user opens on the chart: its actions, and (with TALVEK_TELAS) the window with the
// menu drawn where it opened.
QList<QAction*> AbrirMenuDeContexto(JanelaGrafico& t, const QString& nome) {
    QList<QAction*> acoes;
    QTimer aberto;  // ends with this function, so that it never fires after it
    aberto.setSingleShot(true);
    QObject::connect(&aberto, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        acoes = menu->actions();
        if (!qEnvironmentVariable("TALVEK_TELAS").isEmpty()) {
            QPixmap tela = t.janela->grab();
            QPainter pintor(&tela);
            pintor.drawPixmap(menu->pos() - t.janela->mapToGlobal(QPoint(0, 0)), menu->grab());
            pintor.end();
            tela.save(QDir(qEnvironmentVariable("TALVEK_TELAS")).filePath(nome + QStringLiteral(".png")));
        }
        menu->close();
    });
    aberto.start(0);
    QWidget* area = t.grafico->viewport();
    const QPoint ponto = area->rect().center();
    QContextMenuEvent evento(QContextMenuEvent::Mouse, ponto, area->mapToGlobal(ponto));
    QCoreApplication::sendEvent(area, &evento);
    return acoes;
}

}  // namespace

class TesteExportarGraficos : public QObject {
    Q_OBJECT

private slots:
    void TabelaEGraficoDeCadaJanela_data() {
        QTest::addColumn<int>("janela");  // Grafico
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<QChar>("separador");  // of the CSV fields
        for (const auto& [janela, nome] : {std::pair{Grafico::Simulacao, "simulacao"}, {Grafico::Hidrograma, "hidrograma"},
                                           {Grafico::CurvasIdf, "curvas_idf"}}) {
            QTest::addRow("%s_virgula", nome) << int(janela) << QChar(',') << QChar(';');
            QTest::addRow("%s_ponto", nome) << int(janela) << QChar('.') << QChar(',');
        }
    }
    void TabelaEGraficoDeCadaJanela() {
        QFETCH(int, janela);
        QFETCH(QChar, decimal);
        QFETCH(QChar, separador);
        DefinirRegional(decimal == QLatin1Char(',') ? Virgula() : Ponto());
        JanelaGrafico t(static_cast<Grafico>(janela));
        QCOMPARE(t.grafico->actions(), t.acoes);
        QCOMPARE(t.botao->menu()->actions(), t.acoes);
        QCOMPARE(t.botao->text(), QStringLiteral("&Tabela e gráfico"));
        QVERIFY(t.botao->isVisibleTo(t.janela));
        QCOMPARE(AbrirMenuDeContexto(t, QStringLiteral("menu_contexto_") + QString::fromLatin1(QTest::currentDataTag())),
                 t.acoes);

        t.acoes[0]->trigger();
        const QString texto = QGuiApplication::clipboard()->text();
        const QStringList linhas = texto.split(QLatin1Char('\n'));
        QCOMPARE(linhas[0], t.cabecalho.join(QLatin1Char('\t')));
        QCOMPARE(linhas[1], JanelaGrafico::Linha(t.linhas[0], decimal));
        QCOMPARE(linhas[2], JanelaGrafico::Linha(t.linhas[1], decimal));

        QTemporaryDir pasta;
        const QString csv = pasta.filePath(QStringLiteral("tabela.csv")), png = pasta.filePath(QStringLiteral("grafico.png"));
        t.usuario.arquivosSalvar = {csv, png};
        t.acoes[1]->trigger();
        QFile arquivo(csv);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        // The clipboard's table, field for field and line for line.
        QCOMPARE(arquivo.readAll(), QByteArray("\xEF\xBB\xBF") + QString(texto)
                                                                    .replace(QLatin1Char('\t'), separador)
                                                                    .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
                                                                    .toUtf8());
        t.acoes[2]->trigger();
        const QImage figura(png);
        QCOMPARE(figura.size(), t.grafico->size());
        QImage lisa(figura.size(), figura.format());
        lisa.fill(figura.pixel(0, 0));
        QVERIFY(figura != lisa);  // the chart is drawn, not an empty picture
        QCOMPARE(t.usuario.dialogosSalvar.size(), 2);
        QCOMPARE(t.usuario.dialogosSalvar[0].filtro, QStringLiteral("CSV (*.csv)"));
        QCOMPARE(t.usuario.dialogosSalvar[1].filtro, QStringLiteral("PNG (*.png)"));
        QCOMPARE(t.usuario.Textos(), QStringList());
    }

    // An export starts in the folder of the project dialogs and never replaces a file unasked: Não asks
    // for another name, Sim replaces, a new name is not asked about.
    void ExportacaoPerguntaAntesDeSubstituir() {
        QTemporaryDir pasta;
        const QString existente = pasta.filePath(QStringLiteral("existente.csv"));
        const QString novo = pasta.filePath(QStringLiteral("novo.csv"));
        QFile(existente).open(QIODevice::WriteOnly);
        DefinirPastaExportacoes(pasta.path());
        const struct {
            QStringList caminhos;
            QList<Resposta> respostas;
            QString escolhido;
            int perguntas;
        } casos[] = {
            {{novo}, {}, novo, 0},
            {{existente}, {Resposta::Sim}, existente, 1},
            {{existente, novo}, {Resposta::Nao}, novo, 1},
            {{existente}, {Resposta::Nao}, QString(), 1},  // Não, then the dialog cancelled
        };
        for (const auto& caso : casos) {
            Usuario usuario;
            usuario.arquivosSalvar = caso.caminhos;
            usuario.respostas = caso.respostas;
            QCOMPARE(SalvarExportacao(nullptr, {QStringLiteral("Exportar"), QString(), QStringLiteral("csv"), QString(),
                                                QString()}),
                     caso.escolhido);
            QCOMPARE(usuario.caixas.size(), caso.perguntas);
            if (caso.perguntas > 0)
                QCOMPARE(usuario.caixas[0].texto, QStringLiteral("Arquivo já existente. Deseja substituir?"));
            QCOMPARE(usuario.dialogosSalvar[0].pastaInicial, pasta.path());
        }
        DefinirPastaExportacoes(QString());
    }
};

}  // namespace talvek::gui::teste
QTEST_MAIN(talvek::gui::teste::TesteExportarGraficos)
#include "TesteExportarGraficos.moc"
