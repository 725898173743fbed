// The main window: start-up state, menus and toolbars, Calculate and the results page, the recommended
// height, and the project life cycle with real project and configuration files.
#include <QComboBox>
#include <QEnterEvent>
#include <QFile>
#include <QTime>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "ApoioJanela.h"
#include "common/CamposNumericos.h"
#include "common/Figuras.h"
#include "platform/ArquivoIni.h"
#include "report/RelatorioVerificacao.h"
#include "window/GrupoVerificacao.h"
#include "window/uEntradaDados.h"
#include "window/uResultados.h"

namespace talvek::gui::teste {

namespace {

void EscolherNaLista(QComboBox* lista, int item) {
    lista->setCurrentIndex(item);
    emit lista->activated(item);
}

// The drain of the worked design example: 100 m long, strip 20 m wide on a 2 % field, 24 h to drain,
// n 0.03, slope 0.002, storm K 1000, a 0.2, b 10, c 0.8 for Tr 10 years, VIB 20 mm/h.
void PreencherExemplo(TPaginaEntrada& e, int tipoCanal) {
    EscolherNaLista(e.Canal, tipoCanal);
    for (auto [campo, texto] : {std::pair{e.TTempo, "24"}, {e.TTr, "10"}, {e.PrecK, "1000"}, {e.PrecA, "0,2"},
                                {e.PrecB, "10"}, {e.PrecC, "0,8"}, {e.Tsc, "0,002"}, {e.TComp, "100"},
                                {e.RugCan, "0,03"}, {e.RugTer, "0,1"}, {e.TDecli, "0,02"}, {e.Teh, "20"},
                                {e.TVib, "20"}})
        Digitar(campo, QString::fromLatin1(texto));
    if (tipoCanal == 0) {
        Digitar(e.Bst, QStringLiteral("0,5"));
        Digitar(e.Zsm, QStringLiteral("1"));
    } else {
        Digitar(e.Zsm, QStringLiteral("0,5"));
    }
}

QStringList Legendas(const std::array<QAction*, 4>& recentes) {
    QStringList legendas;
    for (QAction* acao : recentes) legendas.append(acao->text());
    return legendas;
}

}  // namespace

class TestePrincipal : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstalarTeclaF1(*qApp); }
    void init() { DefinirRegional(Virgula()); }

    void F1AbreOTopicoDoControle() {
        AjudaPedida ajuda;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        NovoProjeto(j);
        TPaginaEntrada& e = *j.Entrada;
        for (QWidget* controle : std::initializer_list<QWidget*>{e.TDecli, e.Zsm, e.Bst, e.TTempo, e.TVib, e.CBSistema,
                                                                 e.BCalcular}) {
            controle->setFocus();
            QTest::keyClick(controle, Qt::Key_F1);
        }
        QCOMPARE(ajuda.pedidos, (QStringList{"topico 117", "topico 137", "topico 106", "topico 139", "topico 119",
                                             "topico 101", "topico 100"}));
        e.BAjuda->click();
        QCOMPARE(ajuda.pedidos.last(), QStringLiteral("topico 102"));
        j.MObterAjuda->trigger();
        QCOMPARE(ajuda.pedidos.last(), QStringLiteral("indice "));
        j.GerenteSys1.Alterado = false;
    }

    void EstadoInicial() {
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        QCOMPARE(j.windowTitle(), QStringLiteral("Talvek 2.0"));
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaInicial));
        QCOMPARE(QDir(QDir::currentPath()).canonicalPath(), QDir(janela.pasta.path()).canonicalPath());
        QCOMPARE(j.ArquivoAjuda(), janela.Caminho(QStringLiteral("Talvek2.hlp")));
        for (QAction* ativo : {j.MNovo, j.MAbrir, j.MSair, j.BNovo, j.BAbrir, j.BSair, j.MConfigurarImpressora,
                               j.MConteudo, j.MObterAjuda})
            QVERIFY2(ativo->isEnabled(), qPrintable(ativo->text()));
        for (QAction* inativo : {j.MSalvar, j.MSalvarComo, j.MFechar, j.MIdentificacao, j.BSalvar, j.BFechar,
                                 j.BIdentificacao})
            QVERIFY2(!inativo->isEnabled(), qPrintable(inativo->text()));
        QCOMPARE(Legendas(j.MRecentes), (QStringList{"&1/ ", "&2/ ", "&3/ ", "&4/ "}));
        QCOMPARE(j.MNovo->statusTip(), QStringLiteral("Cria um novo projeto"));
        QCOMPARE(j.BNovo->toolTip(), QStringLiteral("Novo projeto"));
        QCOMPARE(j.Unidades.UDecli, std::string("m/m"));
        QCOMPARE(j.BarraInternet->actions().size(), 4);
        for (QAction* pagina : j.BarraInternet->actions()) QVERIFY(pagina->toolTip().contains(QStringLiteral("http")) ||
                                                                   pagina->toolTip().contains(QStringLiteral("Talvek2.htm")));
        // The hint of the control under the mouse in the status bar, before the clock panel.
        QEnterEvent entrada(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(j.Entrada->TDecli, &entrada);
        QCOMPARE(j.statusBar()->currentMessage(), QStringLiteral("Declividade do terreno"));
        QCoreApplication::sendEvent(j.Resultados->BFechar, &entrada);
        QCOMPARE(j.statusBar()->currentMessage(), QStringLiteral("Fechar projeto"));
        // The clock panel: the time of day, 100 pixels wide.
        QCOMPARE(j.Relogio->width(), 100);
        QVERIFY(QTime::fromString(j.Relogio->text(), QStringLiteral("HH:mm:ss")).isValid() ||
                QTime::fromString(j.Relogio->text(), QStringLiteral("h:mm:ss AP")).isValid());
    }

    void ConfiguracaoLidaNoInicio() {
        QTemporaryDir pasta;
        TArquivoIni ini(QDir(pasta.path()).filePath(QStringLiteral("Talvek2.ini")).toStdString());
        ini.EscreverTexto("PRINCIPAL", "UDecli", "%");
        ini.EscreverInteiro("PRINCIPAL", "KDecli", 100);
        ini.EscreverTexto("PRINCIPAL", "path1", "/projetos/lavoura3.tvk");
        ini.EscreverTexto("PRINCIPAL", "path2", "C:\\Projetos\\R&D.tvk");
        ini.EscreverTexto("PRINCIPAL", "IndEstado", "10");
        TFPrincipal j(pasta.path());
        QCOMPARE(j.Unidades.KDecli, 100);
        QCOMPARE(j.IndEstado, 10);
        QCOMPARE(Legendas(j.MRecentes), (QStringList{"&1/ lavoura3.tvk", "&2/ R&&D.tvk", "&3/ ", "&4/ "}));
    }

    void CalcularComInundacao_data() {
        QTest::addColumn<int>("tipoCanal");
        QTest::addColumn<QString>("alturaTeorica");
        QTest::addColumn<QString>("alturaRecomendada");
        // Worked example: Q 0.73643 L/s; H 0.015784 m (trapezoid) or 0.020198 m (triangle); CDu 1.
        QTest::newRow("trapezoidal") << 0 << "1,6" << "11,6";
        QTest::newRow("triangular") << 1 << "2,0" << "12,0";
    }

    void CalcularComInundacao() {
        QFETCH(int, tipoCanal);
        QFETCH(QString, alturaTeorica);
        QFETCH(QString, alturaRecomendada);
        Usuario usuario;
        AjudaPedida ajuda;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        NovoProjeto(j);
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaEntrada));
        PreencherExemplo(*j.Entrada, tipoCanal);
        j.CalcularClick();
        QCOMPARE(usuario.Textos(), QStringList());
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaResultados));
        TPaginaResultados& r = *j.Resultados;
        QCOMPARE(r.LQ->text(), QStringLiteral("0,74"));
        QCOMPARE(r.LEV->text(), QStringLiteral("0,4"));
        QCOMPARE(r.EdEH->text(), QStringLiteral("20,0"));
        QCOMPARE(r.HUni->text(), alturaTeorica);
        QCOMPARE(r.CoefUni->text(), QStringLiteral("1,0"));
        QCOMPARE(r.HR->text(), alturaRecomendada);
        QVERIFY(qAbs(j.CanalDrenagem.Q() - 0.73643) < 1e-5);
        QVERIFY(!r.BSimulacao->isVisibleTo(&r));
        QCOMPARE(ContextoAjuda(r.LEV), 132);
        QCOMPARE(r.FiguraSecao->figura(), tipoCanal == 0 ? Figura::SecaoTrapezoidal : Figura::SecaoTriangular);
        QVERIFY(QApplication::overrideCursor() == nullptr);

        r.BAjuda->click();
        r.BAjudaReal->click();
        QCOMPARE(ajuda.pedidos, (QStringList{"topico 132", "topico 128"}));

        // The hydraulic checks follow a new coefficient (the earthwork is at Hr) and the material.
        QVERIFY(r.Verificacao->Linhas().empty());  // no material, no verdict
        const QString larguraHr = r.Verificacao->Valores()[7]->text();
        j.CanalDrenagem.Material = {TMaterialCanal::kDigitado, 0.05};
        r.CoefUni->setText(QStringLiteral("2"));
        r.BOk->click();
        QVERIFY(r.Verificacao->Valores()[7]->text() != larguraHr);
        const std::vector<QLabel*> linhas = r.Verificacao->Linhas();
        QCOMPARE(linhas.size(), std::size_t(1));
        QVERIFY(linhas[0]->text().startsWith(QStringLiteral("Risco de erosão: V = ")));
        QVERIFY(linhas[0]->styleSheet().contains(QLatin1String(kCorAlerta)));
        j.GerenteSys1.Alterado = false;
    }

    void CalcularSemInundacaoMostraASimulacao() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        NovoProjeto(j);
        EscolherNaLista(j.Entrada->CBSistema, 1);
        PreencherExemplo(*j.Entrada, 1);
        j.CalcularClick();
        QCOMPARE(usuario.Textos(), QStringList());
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaResultados));
        QVERIFY(j.Resultados->BSimulacao->isVisibleTo(j.Resultados));
        QCOMPARE(ContextoAjuda(j.Resultados->EdEH), 122);
        QCOMPARE(j.Resultados->ContextoAjudaPagina(), 122);
        QCOMPARE(j.CanalDrenagem.TD(), 24.0);  // the drainage time typed stays, hidden, in the model
        QCOMPARE(j.Resultados->LQ->text(), TextoDoValor("0.0#", j.CanalDrenagem.Q(), 0));
        QVERIFY(j.CanalDrenagem.Q() > 0.0);
        j.GerenteSys1.Alterado = false;
    }

    void CalcularComCampoVazioParaNaMensagem() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        NovoProjeto(j);
        PreencherExemplo(*j.Entrada, 0);
        j.Entrada->TVib->clear();
        j.CalcularClick();
        QCOMPARE(usuario.Textos(), QStringList{"Valor da velocidade de infiltração básica inconsistente."});
        QVERIFY(!usuario.caixas.first().cursorOcupado);
        QCOMPARE(QApplication::focusWidget(), j.Entrada->TVib);
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaEntrada));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        j.GerenteSys1.Alterado = false;
    }

    void CalculoQueFalhaMostraErroNoCalculo() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        NovoProjeto(j);
        PreencherExemplo(*j.Entrada, 0);
        Digitar(j.Entrada->Tsc, QStringLiteral("0"));  // a level channel cannot be sized
        j.CalcularClick();
        // The cause on the line below the words the box has always shown.
        QCOMPARE(usuario.Textos(),
                 QStringList{" Erro no cálculo \nDeclividade do canal = 0: deve ser maior que zero."});
        QCOMPARE(usuario.caixas.first().icone, Icone::Erro);
        QVERIFY(!usuario.caixas.first().cursorOcupado);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaEntrada));
        QCOMPARE(j.CanalDrenagem.Sc(), 0.0);  // the model keeps what was read

        // A text that is not a number stops before the run, with the conversion message.
        usuario.caixas.clear();
        Digitar(j.Entrada->Tsc, QStringLiteral("0,0,2"));
        j.CalcularClick();
        QCOMPARE(usuario.Textos(), QStringList{"'0,0,2' não é um valor numérico válido."});
        QVERIFY(QApplication::overrideCursor() == nullptr);
        j.GerenteSys1.Alterado = false;
    }

    // Values no design can use are refused with the field's message and the focus on it, before the run.
    void CalcularRecusaOCampoInvalido_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("rugosidade do canal nula") << "RugCan" << "0" << "Valor da rugosidade do canal inconsistente.";
        QTest::newRow("terreno plano: a declividade, não o espaçamento desabilitado")
            << "TDecli" << "0"
            << "Valor da declividade do terreno inconsistente.\nDeclividade do terreno = 0: deve ser maior que zero.";
    }

    void CalcularRecusaOCampoInvalido() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, mensagem);
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        NovoProjeto(j);
        PreencherExemplo(*j.Entrada, 0);
        auto* recusado = j.Entrada->findChild<QLineEdit*>(campo);
        Digitar(recusado, texto);
        j.CalcularClick();
        QCOMPARE(usuario.Textos(), QStringList{mensagem});
        QCOMPARE(usuario.caixas.first().icone, Icone::Erro);
        QCOMPARE(QApplication::focusWidget(), recusado);
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaEntrada));
        j.GerenteSys1.Alterado = false;
    }

    void CoeficienteDeDesuniformidade() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        NovoProjeto(j);
        PreencherExemplo(*j.Entrada, 0);
        j.CalcularClick();
        TPaginaResultados& r = *j.Resultados;
        j.CanalDrenagem.SetH(0.25);

        Digitar(r.CoefUni, QStringLiteral("4"));
        r.BOk->click();
        QCOMPARE(r.HR->text(), QStringLiteral("60,0"));
        Digitar(r.CoefUni, QStringLiteral("1"));
        QTest::keyClick(r.CoefUni, Qt::Key_Return);
        QCOMPARE(r.HR->text(), QStringLiteral("35,0"));

        Digitar(r.CoefUni, QStringLiteral("0,8"));
        r.HR->setFocus(Qt::TabFocusReason);
        QCOMPARE(usuario.Textos(), QStringList{"O valor do coeficiente de desuniformidade não pode ser inferior a 1."});
        QCOMPARE(usuario.caixas.first().icone, Icone::Informacao);
        QCOMPARE(r.CoefUni->text(), QStringLiteral("1"));
        QTRY_COMPARE(QApplication::focusWidget(), r.CoefUni);

        // "&Voltar" keeps both pages as they are and takes the coefficient into the model.
        Digitar(r.CoefUni, QStringLiteral("1,5"));
        r.BVoltar->click();
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaEntrada));
        QCOMPARE(j.CanalDrenagem.CDu(), 1.5);
        QCOMPARE(r.LQ->text(), QStringLiteral("0,74"));
        QCOMPARE(j.Entrada->TVib->text(), QStringLiteral("20"));
        j.GerenteSys1.Alterado = false;
    }

    void CicloDoProjetoComArquivos() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        j.Unidades = {"%", 100, "mm/h", 1.0};
        NovoProjeto(j);
        QCOMPARE(j.windowTitle(), QStringLiteral("Talvek 2.0 (\"PROJETO.TVK\")"));
        QVERIFY(j.MSalvar->isEnabled() && j.BFechar->isEnabled());
        EscolherNaLista(j.Entrada->CBSistema, 1);
        PreencherExemplo(*j.Entrada, 1);
        Digitar(j.Entrada->TDecli, QStringLiteral("2"));
        Digitar(j.Entrada->Teh, QStringLiteral("20"));
        QVERIFY(j.GerenteSys1.Alterado);

        const QString arquivo = janela.Caminho(QStringLiteral("lavoura.tvk"));
        usuario.arquivosSalvar = {arquivo};
        j.SalvarClick();
        QVERIFY(QFile::exists(arquivo));
        QCOMPARE(usuario.dialogosSalvar.first().filtro, QStringLiteral("*.tvk (*.tvk)"));
        QCOMPARE(j.windowTitle(), QStringLiteral("Talvek 2.0 ('lavoura.tvk')"));
        QVERIFY(!j.GerenteSys1.Alterado);
        QCOMPARE(TArquivoIni(arquivo.toStdString()).LerTexto("TALVEK2", "UDecli", ""), std::string("%"));

        j.FecharClick();
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaInicial));
        QCOMPARE(j.windowTitle(), QStringLiteral("Talvek 2.0"));
        QVERIFY(!j.MSalvar->isEnabled());
        QCOMPARE(j.Entrada->TVib->text(), QString());
        QCOMPARE(j.MRecentes[0]->text(), QStringLiteral("&1/ lavoura.tvk"));

        // Another window's units do not matter: the project brings its own.
        j.Unidades = {"m/m", 1, "mm/h", 1.0};
        j.MRecentes[0]->trigger();
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaEntrada));
        QCOMPARE(j.Unidades.KDecli, 100);
        TPaginaEntrada& e = *j.Entrada;
        QCOMPARE(e.CBSistema->currentIndex(), 1);
        QCOMPARE(e.Canal->currentText(), QStringLiteral("Triangular"));
        QCOMPARE(e.TDecli->text(), QStringLiteral("2,0"));
        QCOMPARE(e.Zsm->text(), QStringLiteral("0,5"));
        QCOMPARE(e.Teh->text(), QStringLiteral("20,0"));
        QCOMPARE(e.Tev->text(), QStringLiteral("0,4"));
        QCOMPARE(e.PrecA->text(), QStringLiteral("0,2"));
        QCOMPARE(e.RugTer->text(), QStringLiteral("0,1"));
        QCOMPARE(e.TComp->text(), QStringLiteral("100"));
        QVERIFY(!j.GerenteSys1.Alterado);
        QVERIFY(j.MFechar->isEnabled());

        // A recent entry without a project does nothing.
        j.MRecentes[3]->trigger();
        QCOMPARE(e.TComp->text(), QStringLiteral("100"));
        QVERIFY(usuario.caixas.isEmpty());
    }

    void AbrirArquivoQueNaoAbreMostraAMensagem() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        const QString ruim = janela.Caminho(QStringLiteral("ruim.tvk"));
        QFile arquivo(ruim);
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.write("[IDENTIFICACAO]\r\nVersao=9\r\n");
        arquivo.close();
        usuario.arquivosAbrir = {ruim};
        j.MAbrir->trigger();
        QCOMPARE(usuario.Textos(), QStringList{"Não foi possível abrir o arquivo " + ruim + "."});
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaInicial));
    }

    void SairFechaOProjetoEGravaAConfiguracao() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        NovoProjeto(j);
        Digitar(j.Entrada->TVib, QStringLiteral("5"));
        usuario.respostas = {Resposta::Cancelar};
        QVERIFY(!j.close());
        QVERIFY(j.isVisible());
        QCOMPARE(usuario.caixas.last().texto, QStringLiteral("Deseja salvar as alterações em \"PROJETO.TVK\""));

        j.Unidades = {"%", 100, "m/dia", 0.024};
        j.IndEstado = 10;
        j.GerenteSys1.Recentes[0] = QStringLiteral("/projetos/a.tvk");
        usuario.respostas = {Resposta::Nao};
        QVERIFY(j.close());
        const TArquivoIni ini(janela.Caminho(QStringLiteral("Talvek2.ini")).toStdString());
        QCOMPARE(ini.LerTexto("PRINCIPAL", "UVIB", ""), std::string("m/dia"));
        QCOMPARE(ini.LerInteiro("PRINCIPAL", "KDecli", 0), 100);
        QCOMPARE(ini.LerTexto("PRINCIPAL", "path1", ""), std::string("/projetos/a.tvk"));
        QCOMPARE(ini.LerInteiro("PRINCIPAL", "IndEstado", 0), 10);
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TestePrincipal)
#include "TestePrincipal.moc"
