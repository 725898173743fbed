// The report window: opened from the results page or from the simulation page (with the chart's
// picture, held in memory), the design flow after a simulation, printing to a file with a page range,
// and a generation that fails.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QChartView>
#include <QToolBar>

#include <algorithm>
#include <cmath>

#include "ApoioJanela.h"
#include "GravadoresAjuda.h"
#include "platform/Excecoes.h"
#include "platform/Numeros.h"
#include "window/URelatorio.h"
#include "window/uPrincipal.h"
#include "window/uResultados.h"
#include "window/uSimulacao.h"

namespace talvek::gui::teste {

namespace {

const QString kTriangular = QStringLiteral(TALVEK_DADOS_TESTE "/Encosta3Triangular.tvk");
const QString kBit = QStringLiteral("Bit.bmp");

// The chart's picture as the document holds it.
QImage FiguraDoDocumento(const TFRelatorio& r) {
    return r.Viewer->document()->resource(QTextDocument::ImageResource, QUrl(kBit)).value<QImage>();
}

void Calcular(TFPrincipal& j, Usuario& usuario) {
    usuario.arquivosAbrir.append(kTriangular);
    j.AbrirClick();
    j.CalcularClick();
    QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaResultados));
}

// Pages of a PDF file, counted by its page objects.
int PaginasPdf(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = arquivo.readAll();
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page>") +
               pdf.count("/Type /Page "));
}

}  // namespace

class TesteRelatorio : public QObject {
    Q_OBJECT

private slots:
    void init() { DefinirRegional(Virgula()); }

    void DaPaginaDeResultadosSemSimulacao() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        QFile::copy(QStringLiteral(TALVEK_DADOS_PROGRAMA "/Cabecalho.jpg"),
                    janela.Caminho(QStringLiteral("Cabecalho.jpg")));
        Calcular(j, usuario);
        j.IDProjeto.Nome = "Lavoura <Sul> & Cia";
        QString titulo, texto;
        QSize minimo, tamanho;
        QPoint posicao;
        bool figura = true, maximizada = false;
        AoAbrirModal<TFRelatorio>([&](TFRelatorio& r) {
            r.Gerar();
            titulo = r.windowTitle();
            texto = r.Viewer->toPlainText();
            minimo = r.minimumSize();
            figura = QFile::exists(kBit);
            QVERIFY(texto.contains(QStringLiteral("Data de emissão do relatório: ") +
                                   QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))));
            GuardarTela(r, QStringLiteral("relatorio"));
            QVERIFY(r.Viewer->find(QStringLiteral("VERIFICAÇÃO HIDRÁULICA")));
            r.Viewer->verticalScrollBar()->setValue(r.Viewer->verticalScrollBar()->maximum());
            GuardarTela(r, QStringLiteral("relatorio-verificacao"));
            maximizada = r.isMaximized();
            r.setWindowState(Qt::WindowNoState);
            posicao = r.pos();
            tamanho = r.size();
        });
        QVERIFY(j.Resultados->BRelatorio->isEnabled());
        // A coefficient typed and not yet confirmed is the report's, with its recommended height.
        Digitar(j.Resultados->CoefUni, QStringLiteral("1,5"));
        j.Resultados->BRelatorio->click();
        QCOMPARE(usuario.Textos(), QStringList());
        QCOMPARE(titulo,
                 QStringLiteral("Relatório - Dimensionamento de Sistemas de Drenagem sem Inundação Parcial"));
        QVERIFY(texto.contains(QStringLiteral("Nome: Lavoura <Sul> & Cia")));
        QVERIFY(texto.contains(QStringLiteral("Vazão: ") +
                               QString::fromStdString(FormatarFloat("0.0", j.CanalDrenagem.Q())) +
                               QStringLiteral(" L/s")));
        QVERIFY(texto.contains(QStringLiteral("RESULTADOS")));
        QVERIFY(!texto.contains(QStringLiteral("SIMULAÇÃO")));
        QVERIFY(texto.contains(QStringLiteral("Coeficiente de desuniformidade: 1,5")));
        const double Hr = AlturaRecomendada(j.CanalDrenagem.H(), 1.5);
        QVERIFY(texto.contains(QStringLiteral("Altura recomendada: ") +
                               QString::fromStdString(FormatarFloat("0.0", Hr))));
        QVERIFY(!figura);
        const QSize tela = j.screen()->size();
        QCOMPARE(minimo, QSize(qRound(0.75 * tela.width()), qRound(0.75 * tela.height())));
        // Opened maximized; restored, it is centred on the screen.
        QVERIFY(maximizada);
        QCOMPARE(posicao, QPoint(qRound((tela.width() - tamanho.width()) / 2.0),
                                 qRound((tela.height() - tamanho.height()) / 2.0)));
        j.GerenteSys1.Alterado = false;
    }

    void DaSimulacaoComOGraficoEAVazaoDoProjeto() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        Calcular(j, usuario);
        const double Q = j.CanalDrenagem.Q();
        j.Resultados->BSimulacao->click();
        QTRY_VERIFY_WITH_TIMEOUT(!j.Simulacao->Simulando(), 60000);  // the series runs on its own thread
        // A chart wider than a printed page (17 cm, 640 px) is scaled down to it, and further down to what
        // the report shows whole at its minimum size.
        j.Simulacao->Grafico->setMinimumWidth(900);
        QTRY_VERIFY(j.Simulacao->Grafico->width() >= 900);
        QString texto;
        QSize figura;
        int larguraMaxima = 0;
        const QSize grafico = j.Simulacao->Grafico->size();
        AoAbrirModal<TFRelatorio>([&](TFRelatorio& r) {
            larguraMaxima = r.LarguraMaximaFigura();
            r.Gerar();
            texto = r.Viewer->toPlainText();
            figura = FiguraDoDocumento(r).size();
            QVERIFY(!QFile::exists(kBit));  // no file in the program's folder
            r.Viewer->verticalScrollBar()->setValue(r.Viewer->verticalScrollBar()->maximum());
            GuardarTela(r, QStringLiteral("relatorio_simulacao"));
        });
        j.Simulacao->BtnRelatSimula->click();
        QCOMPARE(usuario.Textos(), QStringList());
        QCOMPARE(j.CanalDrenagem.Q(), Q);
        QVERIFY(texto.contains(QStringLiteral("Vazão: ") + QString::fromStdString(FormatarFloat("0.0", Q)) +
                               QStringLiteral(" L/s")));
        QVERIFY(texto.contains(QStringLiteral("SIMULAÇÃO")));
        const int largura = std::min(640, larguraMaxima);
        QCOMPARE(figura.width(), largura);
        QVERIFY(std::abs(figura.height() - largura * grafico.height() / double(grafico.width())) <= 1.0);
        j.GerenteSys1.Alterado = false;
    }

    // Regression: at its minimum size the report showed a horizontal scroll bar it did not need.
    void TamanhoMinimoSemBarraHorizontal_data() {
        QTest::addColumn<bool>("simulacao");
        QTest::newRow("dos resultados") << false;
        QTest::newRow("da simulação") << true;
    }

    void TamanhoMinimoSemBarraHorizontal() {
        QFETCH(bool, simulacao);
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        QFile::copy(QStringLiteral(TALVEK_DADOS_PROGRAMA "/Cabecalho.jpg"),
                    janela.Caminho(QStringLiteral("Cabecalho.jpg")));
        Calcular(j, usuario);
        if (simulacao) j.Resultados->BSimulacao->click();
        QTRY_VERIFY_WITH_TIMEOUT(!j.Simulacao->Simulando(), 60000);  // the series runs on its own thread
        int faixa = -1;
        AoAbrirModal<TFRelatorio>([&](TFRelatorio& r) {
            r.setWindowState(Qt::WindowNoState);
            r.resize(r.minimumSize());
            QTRY_COMPARE(r.size(), r.minimumSize());
            r.Gerar();
            QTest::qWait(0);
            faixa = r.Viewer->horizontalScrollBar()->maximum();
            GuardarTela(r, QStringLiteral("relatorio_minimo") + (simulacao ? QStringLiteral("_simulacao") : QString()));
        });
        (simulacao ? j.Simulacao->BtnRelatSimula : j.Resultados->BRelatorio)->click();
        QCOMPARE(faixa, 0);
        j.GerenteSys1.Alterado = false;
    }

    void ImprimeNoArquivoAFaixaEscolhida() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        Calcular(j, usuario);
        j.Resultados->BSimulacao->click();  // with the chart the report takes two pages
        QTRY_VERIFY_WITH_TIMEOUT(!j.Simulacao->Simulando(), 60000);  // the series runs on its own thread
        const QString pdf = janela.Caminho(QStringLiteral("relatorio.pdf"));
        int todas = 0, primeira = 0;
        bool perguntou = false;
        AoAbrirModal<TFRelatorio>([&](TFRelatorio& r) {
            r.Gerar();
            // Cancelled: nothing is printed.
            r.ConfirmarImpressao = [&](QPrinter&) { return perguntou = true, false; };
            r.ToolButton1->trigger();
            QVERIFY(!QFile::exists(pdf));
            r.ConfirmarImpressao = [&](QPrinter& impressora) {
                impressora.setOutputFormat(QPrinter::PdfFormat);
                impressora.setOutputFileName(pdf);
                impressora.setPrintRange(QPrinter::AllPages);
                return true;
            };
            r.ToolButton1->trigger();
            todas = PaginasPdf(pdf);
            QFile::remove(pdf);
            r.ConfirmarImpressao = [&](QPrinter& impressora) {
                impressora.setPrintRange(QPrinter::PageRange);
                impressora.setFromTo(2, 2);
                return true;
            };
            r.ToolButton1->trigger();
            primeira = PaginasPdf(pdf);
        });
        j.Simulacao->BtnRelatSimula->click();
        QVERIFY(perguntou);
        QCOMPARE(usuario.Textos(), QStringList());
        QVERIFY2(todas >= 2, qPrintable(QString::number(todas)));
        QCOMPARE(primeira, 1);
        j.GerenteSys1.Alterado = false;
    }

    // Regression: the chart's picture was written as "Bit.bmp" into the program's folder and deleted
    // afterwards, so that a read-only folder left the report empty and a user's file of that name was
    // overwritten and then lost. Whatever the folder holds, the report shows the chart and the folder
    // stays as it was.
    void FiguraDoGraficoNaoTocaNaPasta_data() {
        QTest::addColumn<QString>("ocupante");
        QTest::newRow("nada") << "";
        QTest::newRow("arquivo do usuário") << "arquivo";
        QTest::newRow("pasta do usuário") << "pasta";
    }

    void FiguraDoGraficoNaoTocaNaPasta() {
        QFETCH(QString, ocupante);
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        const QByteArray doUsuario("figura do usuário");
        if (ocupante == QStringLiteral("arquivo")) {
            QFile arquivo(kBit);
            QVERIFY(arquivo.open(QIODevice::WriteOnly));
            arquivo.write(doUsuario);
        } else if (ocupante == QStringLiteral("pasta")) {
            QVERIFY(QDir().mkdir(kBit));
        }
        Calcular(j, usuario);
        j.Resultados->BSimulacao->click();
        QTRY_VERIFY_WITH_TIMEOUT(!j.Simulacao->Simulando(), 60000);  // the series runs on its own thread
        QSize figura;
        AoAbrirModal<TFRelatorio>([&](TFRelatorio& r) {
            r.Gerar();
            figura = FiguraDoDocumento(r).size();
        });
        j.Simulacao->BtnRelatSimula->click();
        QCOMPARE(usuario.Textos(), QStringList());
        QVERIFY(!figura.isEmpty());
        QCOMPARE(QFileInfo(kBit).isDir(), ocupante == QStringLiteral("pasta"));
        QCOMPARE(QFileInfo(kBit).isFile(), ocupante == QStringLiteral("arquivo"));
        if (ocupante == QStringLiteral("arquivo")) {
            QFile arquivo(kBit);
            QVERIFY(arquivo.open(QIODevice::ReadOnly));
            QCOMPARE(arquivo.readAll(), doUsuario);
        }
        j.GerenteSys1.Alterado = false;
    }

    // "Exportar PDF…": the PDF carries the project's name as its title (the report's title when the
    // project has none) and the technician as its author, XML-escaped in the document's metadata.
    void ExportarPdfComTituloEAutor_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("arquivoProposto");
        QTest::addColumn<QByteArray>("tituloXmp");
        QTest::newRow("nome") << QStringLiteral("Lavoura <Sul>/2") << QStringLiteral("Lavoura _Sul__2.pdf")
                              << QByteArray("Lavoura &lt;Sul&gt;/2");
        QTest::newRow("sem nome") << QString()
                                  << QStringLiteral("Dimensionamento de Sistemas de Drenagem sem Inundação Parcial.pdf")
                                  << QByteArray("Dimensionamento de Sistemas de Drenagem sem Inundação Parcial");
    }
    void ExportarPdfComTituloEAutor() {
        QFETCH(QString, nome);
        QFETCH(QString, arquivoProposto);
        QFETCH(QByteArray, tituloXmp);
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        Calcular(j, usuario);
        j.IDProjeto.Nome = nome.toStdString();
        j.IDProjeto.Tecnico = "Ana & Cia";
        const QString pdf = janela.Caminho(QStringLiteral("relatorio.pdf"));
        usuario.arquivosSalvar = {QString(), pdf};  // cancelled first: nothing is written
        AoAbrirModal<TFRelatorio>([&](TFRelatorio& r) {
            r.Gerar();
            r.BExportarPdf->trigger();
            QVERIFY(!QFile::exists(pdf));
            r.BExportarPdf->trigger();
        });
        j.Resultados->BRelatorio->click();
        QCOMPARE(usuario.dialogosSalvar.last().nomeInicial, arquivoProposto);
        QCOMPARE(usuario.dialogosSalvar.last().filtro, QStringLiteral("PDF (*.pdf)"));
        QFile arquivo(pdf);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QByteArray bytes = arquivo.readAll();
        QVERIFY(bytes.contains("<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" + tituloXmp + "</rdf:li>"));
        QVERIFY(bytes.contains("<dc:creator><rdf:Seq><rdf:li>Ana &amp; Cia</rdf:li>"));
        QVERIFY(PaginasPdf(pdf) >= 1);
        QCOMPARE(usuario.Textos(), QStringList());
        j.GerenteSys1.Alterado = false;
    }

    // Regression: the failure box ended in an activation that generated the document again, and failed
    // again, without end.
    void GeracaoQueFalhaMostraOErroUmaVez() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        Calcular(j, usuario);
        bool falhar = false;
        TFRelatorio r(
            [&] {
                if (falhar) throw Exception("Falha ao compor o relatório.");
                return j.DadosRelatorio();
            },
            {}, j.Impressora(), &j);
        r.Gerar();
        const QString antes = r.Viewer->toHtml();
        falhar = true;
        r.Gerar();
        QEvent ativacao(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&r, &ativacao);
        QCOMPARE(usuario.Textos(), QStringList{QStringLiteral("Falha ao compor o relatório.")});
        QCOMPARE(r.Viewer->toHtml(), antes);
        j.GerenteSys1.Alterado = false;
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteRelatorio)
#include "TesteRelatorio.moc"
