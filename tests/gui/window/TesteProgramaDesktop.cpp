// What every desktop program offers: the standard shortcuts in the menus, file dialogs that remember
// their folder and propose the project's name, a project named on the command line, read-only boxes
// that look read-only.
#include <QFile>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>

#include "ApoioJanela.h"
#include "platform/ArquivoIni.h"
#include "window/uEntradaDados.h"
#include "window/uResultados.h"

namespace talvek::gui::teste {

namespace {

const QString kLavoura3 = QStringLiteral(TALVEK_DADOS_TESTE "/Lavoura3.tvk");

// A copy of the example project in `pasta`/`subpasta`.
QString CopiaDoExemplo(const QTemporaryDir& pasta, const QString& subpasta) {
    QDir(pasta.path()).mkpath(subpasta);
    const QString copia = QDir(pasta.path()).filePath(subpasta + QStringLiteral("/Lavoura3.tvk"));
    QFile::copy(kLavoura3, copia);
    return copia;
}

}  // namespace

class TesteProgramaDesktop : public QObject {
    Q_OBJECT

private slots:
    void init() { DefinirRegional(Virgula()); }

    void AtalhosPadraoNosMenus() {
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        const std::pair<QAction*, const char*> atalhos[] = {
            {j.MNovo, "Ctrl+N"},     {j.MAbrir, "Ctrl+O"},     {j.MSalvar, "Ctrl+S"}, {j.MSalvarComo, "Ctrl+Shift+S"},
            {j.MFechar, "Ctrl+W"},   {j.MImprimir, "Ctrl+P"},  {j.MSair, "Ctrl+Q"},   {j.MConteudo, "F1"},
        };
        for (const auto& [acao, tecla] : atalhos)
            QCOMPARE(acao->shortcut().toString(QKeySequence::PortableText), QString::fromLatin1(tecla));
        // F1 outside the open menu stays the help of the focused control.
        QCOMPARE(j.MConteudo->shortcutContext(), Qt::WidgetShortcut);
    }

    void TeclasSalvamFechamEImprimem() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        QVERIFY(!j.MImprimir->isEnabled());
        NovoProjeto(j);
        const QString arquivo = janela.Caminho(QStringLiteral("lavoura.tvk"));
        usuario.arquivosSalvar = {arquivo};
        QTest::keyClick(&j, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(arquivo));
        QCOMPARE(j.windowTitle(), QStringLiteral("Talvek 2.0 ('lavoura.tvk')"));
        QTest::keyClick(&j, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaInicial));
        QVERIFY(!j.MSalvar->isEnabled());

        // Ctrl+P on the results page: the print dialog of the design report.
        j.AbrirProjetoDoArgumento(kLavoura3);
        j.Entrada->BCalcular->click();
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaResultados));
        QVERIFY(j.MImprimir->isEnabled());
        bool pediuImpressao = false;
        AoAbrirModal<QPrintDialog>([&](QPrintDialog&) { pediuImpressao = true; });
        QTest::keyClick(&j, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(pediuImpressao);
        QVERIFY(usuario.caixas.isEmpty());
        j.GerenteSys1.Alterado = false;
    }

    void DialogosComecamNaUltimaPastaEPropoemONome() {
        Usuario usuario;
        auto janela = std::make_unique<JanelaDeTeste>();
        const QString outra = QFileInfo(CopiaDoExemplo(janela->pasta, QStringLiteral("outra"))).absolutePath();
        QCOMPARE(janela->janela->GerenteSys1.OpenDialog.pastaInicial, janela->pasta.path());  // nothing kept yet
        usuario.arquivosAbrir = {QDir(outra).filePath(QStringLiteral("Lavoura3.tvk"))};
        janela->janela->MAbrir->trigger();
        janela->janela->MSalvarComo->trigger();  // cancelled
        QCOMPARE(usuario.dialogosSalvar.last().pastaInicial, outra);
        QCOMPARE(usuario.dialogosSalvar.last().nomeInicial, QStringLiteral("Lavoura3.tvk"));
        QVERIFY(janela->janela->close());
        const QString ini = janela->Caminho(QStringLiteral("Talvek2.ini"));
        QCOMPARE(TArquivoIni(ini.toStdString()).LerTexto("PRINCIPAL", "UltimaPasta", ""), outra.toStdString());

        // The next run starts there; a new project proposes its name, without the characters a file name
        // cannot hold, and the default name when it has none.
        janela->Criar();
        TFPrincipal& j = *janela->janela;
        j.MAbrir->trigger();
        QCOMPARE(usuario.dialogosAbrir.last().pastaInicial, outra);
        for (const auto& [nome, proposto] : {std::pair{"Lavoura Sul/2: várzea", "Lavoura Sul_2_ várzea.tvk"},
                                             std::pair{"  ", "PROJETO.TVK"}}) {
            NovoProjeto(j);
            j.IDProjeto.Nome = nome;
            j.SalvarClick();
            QCOMPARE(usuario.dialogosSalvar.last().nomeInicial, QString::fromUtf8(proposto));
            QCOMPARE(usuario.dialogosSalvar.last().pastaInicial, outra);
        }
        j.GerenteSys1.Alterado = false;

        // A folder that no longer exists: the program's folder.
        QVERIFY(QDir(outra).removeRecursively());
        janela->Criar();
        QCOMPARE(janela->janela->GerenteSys1.SaveDialog.pastaInicial, janela->pasta.path());
    }

    void RecentesVaziosFicamOcultos() {
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        QList<bool> visiveis;
        for (QAction* recente : j.MRecentes) visiveis.append(recente->isVisible());
        QCOMPARE(visiveis, (QList<bool>{false, false, false, false}));
        j.GerenteSys1.Recentes = {QStringLiteral("/p/a.tvk"), QString(), QStringLiteral("/p/c.tvk"), QString()};
        j.AtualizarLegendasRecentes();
        visiveis.clear();
        for (QAction* recente : j.MRecentes) visiveis.append(recente->isVisible());
        QCOMPARE(visiveis, (QList<bool>{true, false, true, false}));
        QCOMPARE(j.MRecentes[1]->text(), QStringLiteral("&2/ "));
    }

    void ResultadosSomenteLeituraTemOFundoDaJanela() {
        JanelaDeTeste janela;
        TPaginaResultados& r = *janela->Resultados;
        for (QLineEdit* campo : {r.LQ, r.LEV, r.EdEH, r.HUni, r.HR})
            QCOMPARE(campo->palette().color(QPalette::Base), campo->palette().color(QPalette::Window));
        QVERIFY(r.CoefUni->palette().color(QPalette::Base) != r.CoefUni->palette().color(QPalette::Window));
    }

    void ProjetoDaLinhaDeComando_data() {
        QTest::addColumn<QString>("arquivo");  // under the program's folder
        QTest::addColumn<bool>("abre");
        QTest::newRow("projeto") << QStringLiteral("Lavoura3.tvk") << true;
        QTest::newRow("inexistente") << QStringLiteral("falta.tvk") << false;
        QTest::newRow("danificado") << QStringLiteral("ruim.tvk") << false;
    }
    void ProjetoDaLinhaDeComando() {
        QFETCH(QString, arquivo);
        QFETCH(bool, abre);
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        QFile::copy(kLavoura3, janela.Caminho(QStringLiteral("Lavoura3.tvk")));
        QFile ruim(janela.Caminho(QStringLiteral("ruim.tvk")));
        QVERIFY(ruim.open(QIODevice::WriteOnly) && ruim.write("[IDENTIFICACAO]\r\nVersao=9\r\n") > 0);
        ruim.close();
        const QString caminho = janela.Caminho(arquivo);
        j.AbrirProjetoDoArgumento(caminho);
        QCOMPARE(j.GerenteSys1.ProjetoAberto(), abre);
        QCOMPARE(j.MSalvar->isEnabled(), abre);
        QCOMPARE(j.PaginaAtual(), int(abre ? TFPrincipal::PaginaEntrada : TFPrincipal::PaginaInicial));
        QCOMPARE(j.windowTitle(), abre ? QStringLiteral("Talvek 2.0 ('Lavoura3.tvk')") : QStringLiteral("Talvek 2.0"));
        QCOMPARE(usuario.Textos(),
                 abre ? QStringList() : QStringList{"Não foi possível abrir o arquivo " + caminho + "."});
        QCOMPARE(j.Entrada->TComp->text().isEmpty(), !abre);
        QCOMPARE(j.MRecentes[0]->isVisible(), abre);
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteProgramaDesktop)
#include "TesteProgramaDesktop.moc"
