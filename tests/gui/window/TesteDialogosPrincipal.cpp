// The small dialogs as the main window runs them: the identification after New and from its menu, the
// unit change with the configuration dialog, the default state handed to the rainfall component, the
// about box.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ApoioJanela.h"
#include "dialogs/ConfSistema.h"
#include "dialogs/IdentProjeto.h"
#include "rainfall/UnBD.h"
#include "window/uEntradaDados.h"

namespace talvek::gui::teste {

namespace {

void EscolherNaLista(QComboBox* lista, const QString& texto) {
    const int item = lista->findText(texto);
    QVERIFY(item >= 0);
    lista->setCurrentIndex(item);
}

}  // namespace

class TesteDialogosPrincipal : public QObject {
    Q_OBJECT

private slots:
    void init() { DefinirRegional(Virgula()); }

    void IdentificacaoDepoisDeNovo() {
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        QStringList vistos;
        int pagina = -1;
        AoAbrirDialogo([&](QDialog& dialogo) {
            auto& ident = static_cast<TFIdentProjeto&>(dialogo);
            pagina = j.PaginaAtual();
            vistos = {ident.EdNome->text(), ident.EdEmpresa->text(), ident.EdData->text()};
            ident.EdNome->setFocus();
            QTest::keyClicks(ident.EdNome, QStringLiteral("Lavoura 3"));
            ident.BtnOk->click();
        });
        j.NovoClick();
        QCOMPARE(j.FIdentProjeto->windowTitle(), QStringLiteral("Identificação do Projeto"));
        QCOMPARE(pagina, int(TFPrincipal::PaginaInicial));  // page 0 while the dialog is shown
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaEntrada));
        QCOMPARE(vistos.mid(0, 2), (QStringList{QString(), QString()}));
        QCOMPARE(vistos[2], QString::fromStdString(j.IDProjeto.Data));
        QVERIFY(!vistos[2].isEmpty());
        QCOMPARE(j.IDProjeto.Nome, std::string("Lavoura 3"));
        QVERIFY(j.GerenteSys1.Alterado);  // typing in the dialog marks the project

        // From the menu: typing and cancelling leaves the record as it was.
        j.GerenteSys1.Alterado = false;
        QVERIFY(j.MIdentificacao->isEnabled());
        AoAbrirDialogo([](QDialog& dialogo) {
            auto& ident = static_cast<TFIdentProjeto&>(dialogo);
            QTest::keyClicks(ident.EdEmpresa, QStringLiteral("Cooperativa"));
            ident.BtnCancelar->click();
        });
        j.MIdentificacao->trigger();
        QCOMPARE(j.IDProjeto.Empresa, std::string());
        QVERIFY(j.GerenteSys1.Alterado);
        j.GerenteSys1.Alterado = false;
    }

    void MudancaDeUnidadesPeloDialogo_data() {
        QTest::addColumn<bool>("confirmar");
        QTest::newRow("ok") << true;
        QTest::newRow("cancelar") << false;
    }

    void MudancaDeUnidadesPeloDialogo() {
        QFETCH(bool, confirmar);
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        NovoProjeto(j);
        TPaginaEntrada& e = *j.Entrada;
        Digitar(e.TDecli, QStringLiteral("0,02"));
        Digitar(e.Teh, QStringLiteral("20"));
        Digitar(e.TVib, QStringLiteral("10"));
        Digitar(e.Tsc, QStringLiteral("0,001"));
        AoAbrirDialogo([confirmar](QDialog& dialogo) {
            auto& conf = static_cast<TFConfSistema&>(dialogo);
            EscolherNaLista(conf.Uniddecli, QStringLiteral("%"));
            EscolherNaLista(conf.UnidVib, QStringLiteral("m/dia"));
            EscolherNaLista(conf.EstDefault, QStringLiteral("Minas Gerais"));
            (confirmar ? conf.BtnOk : conf.BtnCancelar)->click();
        });
        j.BConfigurarSistema->trigger();
        if (!confirmar) {
            QCOMPARE(j.Unidades.UDecli, std::string("m/m"));
            QCOMPARE(j.IndEstado, 0);
            QCOMPARE(e.TDecli->text(), QStringLiteral("0,02"));
            QCOMPARE(e.Teh->text(), QStringLiteral("20"));
            return;
        }
        QCOMPARE(j.Unidades.UDecli, std::string("%"));
        QCOMPARE(j.Unidades.KDecli, 100);
        QCOMPARE(j.Unidades.UVIB, std::string("m/dia"));
        QCOMPARE(j.Unidades.KVIB, 0.024);
        QCOMPARE(j.IndEstado, 10);
        QCOMPARE(e.TDecli->text(), QStringLiteral("2,0"));
        QCOMPARE(e.Tsc->text(), QStringLiteral("0,1"));
        QCOMPARE(e.TVib->text(), QStringLiteral("0,24"));
        QCOMPARE(e.UnidDecli->text(), QStringLiteral("%"));
        QCOMPARE(e.UnidVIB->text(), QStringLiteral("m/dia"));
        QCOMPARE(e.Teh->text(), QStringLiteral("20"));  // the same slope in its new unit keeps the spacings

        // The new default state reaches the rainfall component at the next reset.
        QCOMPARE(QString::fromUtf8(kEstados[static_cast<std::size_t>(j.Nimbal1.IndEstado)].Nome),
                 QStringLiteral("Acre"));
        j.GerenteSys1.Alterado = false;
        NovoProjeto(j);
        QVERIFY(j.Nimbal1.IndEstado >= 0);
        QCOMPARE(QString::fromUtf8(kEstados[static_cast<std::size_t>(j.Nimbal1.IndEstado)].Nome),
                 QStringLiteral("Minas Gerais"));
    }

    void EstadoPadraoNoInicio() {
        JanelaDeTeste janela;
        // No configuration file: the first entry of the list, Acre.
        QCOMPARE(QString::fromUtf8(kEstados[static_cast<std::size_t>(janela->Nimbal1.IndEstado)].Nome),
                 QStringLiteral("Acre"));
        // The rainfall query prints its report where the design report does.
        QCOMPARE(janela->Nimbal1.Impressora, &janela->Impressora());
    }

    void SobreAbreEFecha() {
        JanelaDeTeste janela;
        bool aberto = false;
        AoAbrirDialogo([&aberto](QDialog& dialogo) {
            aberto = dialogo.windowTitle() == QStringLiteral("Sobre");
            dialogo.close();
        });
        janela->BSobre->trigger();
        QVERIFY(aberto);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteDialogosPrincipal)
#include "TesteDialogosPrincipal.moc"
