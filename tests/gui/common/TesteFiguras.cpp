// The pictures and glyphs compiled into the program, the report header pictures and the pages of the
// "Internet" toolbar.
#include <QApplication>
#include <QImageReader>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include "GravadoresAjuda.h"
#include "common/Figuras.h"
#include "dialogs/PaginasInternet.h"
#include "platform/Excecoes.h"

using namespace talvek::gui;

Q_DECLARE_METATYPE(Figura)
Q_DECLARE_METATYPE(Glifo)

class TesteFiguras : public QObject {
    Q_OBJECT

private slots:
    // A natural size that differs from the drawing's own would stretch every picture.
    void FiguraValidaNoTamanhoNatural_data() {
        QTest::addColumn<Figura>("figura");
        QTest::newRow("inicial") << Figura::Inicial;
        QTest::newRow("campo drenado") << Figura::CampoDrenado;
        QTest::newRow("secao triangular") << Figura::SecaoTriangular;
        QTest::newRow("secao trapezoidal") << Figura::SecaoTrapezoidal;
        QTest::newRow("secao real") << Figura::SecaoReal;
        QTest::newRow("canal triangular") << Figura::CanalTriangular;
        QTest::newRow("canal trapezoidal") << Figura::CanalTrapezoidal;
        QTest::newRow("sobre") << Figura::Sobre;
        QTest::newRow("terraplenagem") << Figura::Terraplenagem;
    }
    void FiguraValidaNoTamanhoNatural() {
        QFETCH(Figura, figura);
        QSvgRenderer svg(CaminhoFigura(figura));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox().size(), TamanhoNatural(figura));
        const QImage imagem = DesenharFigura(figura, TamanhoNatural(figura)).toImage();
        QCOMPARE(imagem.size(), TamanhoNatural(figura));
        QVERIFY2(imagem.pixelColor(imagem.width() / 2, imagem.height() - 2).alpha() == 255,
                 "the picture fills its frame");
        if (!qEnvironmentVariableIsEmpty("TALVEK_TELAS"))
            imagem.save(qEnvironmentVariable("TALVEK_TELAS") + QStringLiteral("/figura_") +
                        QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')) +
                        QStringLiteral(".png"));
    }

    void GlifosTemTodosOsTamanhos_data() {
        QTest::addColumn<Glifo>("glifo");
        for (Glifo glifo : {Glifo::Novo, Glifo::Abrir, Glifo::Salvar, Glifo::Fechar, Glifo::Identificacao,
                            Glifo::ConfigurarSistema, Glifo::ConfigurarImpressora, Glifo::Sobre, Glifo::Sair,
                            Glifo::AjudaConteudo, Glifo::AjudaIndice, Glifo::Ajuda, Glifo::PaginaAgua,
                            Glifo::PaginaMeteorologia, Glifo::PaginaPesquisa, Glifo::PaginaPrograma,
                            Glifo::Programa})
            QTest::addRow("%s", qPrintable(CaminhoGlifo(glifo).section(QLatin1Char('/'), -1))) << glifo;
    }
    void GlifosTemTodosOsTamanhos() {
        QFETCH(Glifo, glifo);
        QVERIFY(QSvgRenderer(CaminhoGlifo(glifo)).isValid());
        const QIcon icone = IconeGlifo(glifo);
        for (int lado : {16, 24, 32, 48}) {
            const QImage imagem = icone.pixmap(lado, lado).toImage();
            QCOMPARE(imagem.size(), QSize(lado, lado));
            bool desenhado = false;
            for (int y = 0; y < lado && !desenhado; ++y)
                for (int x = 0; x < lado && !desenhado; ++x) desenhado = imagem.pixelColor(x, y).alpha() > 0;
            QVERIFY(desenhado);
        }
    }

    // The quadro keeps the picture's proportions inside any frame, centred.
    void QuadroMantemProporcoes() {
        TQuadroFigura quadro(Figura::SecaoTrapezoidal);
        QCOMPARE(quadro.sizeHint(), QSize(260, 150));
        quadro.resize(520, 600);
        const QImage tela = quadro.grab().toImage();
        // 520 × 300 drawn in the middle: the bands above and below show the window's background, the
        // bottom of the drawing (soil) ends at y = 450.
        const QColor fundo = quadro.palette().window().color();
        QCOMPARE(tela.pixelColor(260, 100), fundo);
        QCOMPARE(tela.pixelColor(260, 500), fundo);
        QCOMPARE(tela.pixelColor(260, 445), QColor(0xd8, 0xc2, 0x9d));
        quadro.SetFigura(Figura::SecaoTriangular);
        QCOMPARE(quadro.figura(), Figura::SecaoTriangular);
    }

    // The HTML reports show these files at 550 × 62 and 550 × 73 pixels.
    void CabecalhosDosRelatorios_data() {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QSize>("tamanho");
        QTest::newRow("projeto") << "Talvek2/Cabecalho.jpg" << QSize(550, 62);
        QTest::newRow("chuvas") << "Arquivos Comuns/Cabecalho_Nimbal21.jpg" << QSize(550, 73);
    }
    void CabecalhosDosRelatorios() {
        QFETCH(QString, arquivo);
        QFETCH(QSize, tamanho);
        QImageReader leitor(QStringLiteral(TALVEK_DADOS_PROGRAMA "/") + arquivo);
        QCOMPARE(leitor.format(), QByteArray("jpeg"));
        const QImage imagem = leitor.read();
        QCOMPARE(imagem.size(), tamanho);
    }

    void PaginasDaBarraInternet() {
        const auto paginas = PaginasInternet(QStringLiteral("/opt/Talvek2"));
        for (int i = 0; i < 3; ++i) QCOMPARE(paginas[i].Endereco.scheme(), QStringLiteral("https"));
        QCOMPARE(paginas[3].Endereco.toLocalFile(), QStringLiteral("/opt/Talvek2/Talvek2.htm"));
        for (const TPaginaInternet& pagina : paginas) {
            const QString dica = DicaPagina(pagina);
            QVERIFY(dica.startsWith(pagina.Nome));
            QVERIFY(dica.endsWith(pagina.Endereco.isLocalFile() ? pagina.Endereco.toLocalFile()
                                                                : pagina.Endereco.toString()));
        }
    }

    void AbrirPaginaChamaONavegador() {
        QList<QUrl> abertas;
        const auto pagina = PaginasInternet(QString())[1];
        AbrirPagina(pagina, [&](const QUrl& url) { abertas.append(url); return true; });
        QCOMPARE(abertas, QList<QUrl>{pagina.Endereco});
    }

    // A browser that does not start is a failure the user sees, not a silent no-op.
    void NavegadorQueNaoAbreLevantaExcecao() {
        const auto pagina = PaginasInternet(QString())[0];
        try {
            AbrirPagina(pagina, [](const QUrl&) { return false; });
            QFAIL("no exception");
        } catch (const talvek::Exception& erro) {
            QCOMPARE(QString::fromUtf8(erro.what()), QStringLiteral("Não foi possível abrir a página escolhida."));
        }
    }

    void PaginaPropriaAusenteNaoChamaONavegador() {
        QTemporaryDir pasta;
        bool chamado = false;
        const auto pagina = PaginasInternet(pasta.path())[3];
        QVERIFY_THROWS_EXCEPTION(talvek::Exception,
                                 AbrirPagina(pagina, [&](const QUrl&) { return chamado = true; }));
        QVERIFY(!chamado);

        QFile arquivo(pasta.filePath(QStringLiteral("Talvek2.htm")));
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.close();
        AbrirPagina(pagina, [&](const QUrl&) { return chamado = true; });
        QVERIFY(chamado);
    }
};

QTEST_MAIN(TesteFiguras)
#include "TesteFiguras.moc"
