// The hydrograph page and the water balance where the user sees them: the page reached by "&Hidrograma"
// (system type 3) with both hydrographs and the design peak, the partial-flooding table of the results
// page (type 2), and the report's water-balance section with its chart held in memory. With TALVEK_TELAS
// set to a folder, the page and the report are saved there as PNG.
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <algorithm>
#include <cstdlib>

#include "ApoioJanela.h"
#include "GravadoresAjuda.h"
#include "platform/Numeros.h"
#include "report/TextoBalanco.h"
#include "window/URelatorio.h"
#include "window/uPaginaHidrograma.h"
#include "window/uPrincipal.h"
#include "window/uResultados.h"

namespace talvek::gui::teste {

namespace {

void Calcular(TFPrincipal& j, Usuario& usuario, const char* projeto) {
    usuario.arquivosAbrir.append(QStringLiteral(TALVEK_DADOS_TESTE "/") + QString::fromLatin1(projeto));
    j.AbrirClick();
    j.CalcularClick();
    QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaResultados));
}

}  // namespace

class TesteHidrograma : public QObject {
    Q_OBJECT

private slots:
    void init() { DefinirRegional(Virgula()); }

    void BotaoETabelaPorSistema_data() {
        QTest::addColumn<QString>("projeto");
        QTest::addColumn<bool>("comInundacao");
        QTest::newRow("com inundação") << QStringLiteral("Inundacao2Trapezio.tvk") << true;
        QTest::newRow("sem inundação") << QStringLiteral("Encosta3Trapezio.tvk") << false;
    }
    void BotaoETabelaPorSistema() {
        QFETCH(QString, projeto);
        QFETCH(bool, comInundacao);
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        Calcular(j, usuario, qPrintable(projeto));
        QCOMPARE(j.Resultados->BHidrograma->isVisibleTo(j.Resultados), !comInundacao);
        QCOMPARE(j.Resultados->TabelaInundacao->isVisibleTo(j.Resultados), comInundacao);
        if (comInundacao)
            QVERIFY(j.Resultados->TabelaInundacao->text().contains(
                QStringLiteral("<TD ALIGN=RIGHT>") + QString::fromStdString(FormatarFloat("0.0#", j.CanalDrenagem.Q())) +
                QStringLiteral("</TD>")));
        j.GerenteSys1.Alterado = false;
    }

    void PaginaComOsDoisHidrogramasEOPico() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        Calcular(j, usuario, "Encosta3Trapezio.tvk");
        const double Q = j.CanalDrenagem.Q();
        j.Resultados->BHidrograma->click();
        QCOMPARE(usuario.Textos(), QStringList());
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaHidrograma));
        TPaginaHidrograma& h = *j.Hidrograma;
        const TBalancoSemInundacao& b = *j.BalancoHidrico().SemInundacao;
        QCOMPARE(h.SerieEncosta->count(), int(b.Encosta.NumeroPontos()));
        QCOMPARE(h.SerieCanal->count(), int(b.Canal.Pontos.size()));
        QCOMPARE(h.SeriePico->count(), 1);
        QCOMPARE(h.SeriePico->at(0).y(), Q);
        QVERIFY(h.SeriePico->pointLabelsFormat().startsWith(QStringLiteral("Pico: ") +
                                                            QString::fromStdString(FormatarFloat("0.0#", Q))));
        const QString tabelas = h.Tabelas->toPlainText();
        for (const char* cabecalho : {"Lâmina (mm)", "Volume (L/m)", "Volume (m³)", "Incerteza (%)"})
            QVERIFY2(tabelas.contains(QString::fromUtf8(cabecalho)), cabecalho);
        QVERIFY(!h.Avisos->isVisibleTo(&h));
        QCoreApplication::processEvents();
        GuardarTela(*janela.janela, QStringLiteral("hidrograma"));
        h.BVoltar->click();
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaResultados));
        j.GerenteSys1.Alterado = false;
    }

    void RelatorioComASecaoEOGraficoNaMemoria() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        Calcular(j, usuario, "Encosta3Trapezio.tvk");
        QString texto;
        QImage figura;
        int larguraMaxima = 0;
        AoAbrirModal<TFRelatorio>([&](TFRelatorio& r) {
            r.Gerar();
            larguraMaxima = r.LarguraMaximaFigura();
            texto = r.Viewer->toPlainText();
            figura = r.Viewer->document()
                         ->resource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(kFiguraHidrograma)))
                         .value<QImage>();
            r.Viewer->verticalScrollBar()->setValue(r.Viewer->verticalScrollBar()->maximum());
            GuardarTela(r, QStringLiteral("relatorio_balanco"));
        });
        j.Resultados->BRelatorio->click();
        QCOMPARE(usuario.Textos(), QStringList());
        QVERIFY(texto.contains(QStringLiteral("BALANÇO HÍDRICO")));
        QVERIFY(texto.contains(QStringLiteral("Erro de continuidade")));
        QVERIFY(!figura.isNull());
        // Drawn at 640 × 420 although the page was not shown, then scaled down to the viewer's page.
        QCOMPARE(figura.width(), std::min(640, larguraMaxima));
        QVERIFY(std::abs(figura.height() - 420 * figura.width() / 640) <= 1);
        QVERIFY(!QFile::exists(QString::fromLatin1(kFiguraHidrograma)));  // never on disk
        j.GerenteSys1.Alterado = false;
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteHidrograma)
#include "TesteHidrograma.moc"
