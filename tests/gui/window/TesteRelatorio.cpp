// The report window: opened from the results page or from the simulation page (with the chart's
// picture), the design flow after a simulation, printing to a file with a page range, the chart's
// picture that cannot be written, and the picture removed when the window goes.
#include <QDate>
#include <QDir>
#include <QScrollBar>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QChartView>
#include <QToolBar>

#include "ApoioJanela.h"
#include "GravadoresAjuda.h"
#include "platform/Numeros.h"
#include "window/URelatorio.h"
#include "window/uPrincipal.h"
#include "window/uResultados.h"
#include "window/uSimulacao.h"

namespace talvek::gui::teste {

namespace {

const QString kTriangular = QStringLiteral(TALVEK_DADOS_TESTE "/Encosta3Triangular.tvk");
const QString kBit = QStringLiteral("Bit.bmp");

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
            maximizada = r.isMaximized();
            r.setWindowState(Qt::WindowNoState);
            posicao = r.pos();
            tamanho = r.size();
        });
        QVERIFY(j.Resultados->BRelatorio->isEnabled());
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
        // A chart wider than a printed page (17 cm, 640 px) is scaled down to it.
        j.Simulacao->Grafico->setMinimumWidth(900);
        QTRY_VERIFY(j.Simulacao->Grafico->width() >= 900);
        QString texto;
        QSize figura;
        const QSize grafico = j.Simulacao->Grafico->size();
        AoAbrirModal<TFRelatorio>([&](TFRelatorio& r) {
            r.Gerar();
            texto = r.Viewer->toPlainText();
            figura = QImage(kBit).size();
            r.Viewer->verticalScrollBar()->setValue(r.Viewer->verticalScrollBar()->maximum());
            GuardarTela(r, QStringLiteral("relatorio_simulacao"));
        });
        j.Simulacao->BtnRelatSimula->click();
        QCOMPARE(usuario.Textos(), QStringList());
        QCOMPARE(j.CanalDrenagem.Q(), Q);
        QVERIFY(texto.contains(QStringLiteral("Vazão: ") + QString::fromStdString(FormatarFloat("0.0", Q)) +
                               QStringLiteral(" L/s")));
        QVERIFY(texto.contains(QStringLiteral("SIMULAÇÃO")));
        QCOMPARE(figura, QSize(640, qRound(640.0 * grafico.height() / grafico.width())));
        QVERIFY(!QFile::exists(kBit));  // removed with the window
        j.GerenteSys1.Alterado = false;
    }

    void ImprimeNoArquivoAFaixaEscolhida() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        Calcular(j, usuario);
        j.Resultados->BSimulacao->click();  // with the chart the report takes two pages
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
    void FiguraQueNaoPodeSerGravadaMostraOErroUmaVez() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        Calcular(j, usuario);
        j.Resultados->BSimulacao->click();
        QString antes, depois;
        AoAbrirModal<TFRelatorio>([&](TFRelatorio& r) {
            r.Gerar();
            antes = r.Viewer->toHtml();
            QVERIFY(QFile::remove(kBit));
            QVERIFY(QDir().mkdir(kBit));  // a folder in the way of the picture
            j.CanalDrenagem.SetCDu(3);
            r.Gerar();
            QEvent ativacao(QEvent::WindowActivate);
            QCoreApplication::sendEvent(&r, &ativacao);
            depois = r.Viewer->toHtml();
        });
        j.Simulacao->BtnRelatSimula->click();
        QDir().rmdir(kBit);
        QCOMPARE(usuario.Textos().size(), 1);
        QVERIFY(usuario.Textos().first().startsWith(QStringLiteral("Não foi possível gravar o arquivo Bit.bmp")));
        QCOMPARE(depois, antes);
        j.GerenteSys1.Alterado = false;
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteRelatorio)
#include "TesteRelatorio.moc"
