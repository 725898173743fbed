// The reference-dialog buttons of the data-entry page: the values each dialog receives from the design
// objects, what an acceptance stores and shows, and that a refusal changes nothing.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "TesteReferenciaApoio.h"
#include "common/CampoNumerico.h"
#include "design/uCanal.h"
#include "dialogs/MaterialCanal.h"
#include "dialogs/uCobertura.h"
#include "rainfall/Nimbal21Comp.h"
#include "window/uEntradaDados.h"

using namespace talvek;
using namespace talvek::gui;
using namespace talvek::gui::teste;

namespace {

// A data-entry page over design objects of its own, for a system without partial flooding.
struct PaginaDeTeste {
    TCanalDrenagem canal;
    TTerreno terreno;
    TTipoSistema sistema;
    TNimbal21 nimbal;
    TUnidades unidades;
    QLineEdit coefUni;
    QList<bool> alterado;
    std::unique_ptr<TPaginaEntrada> pagina;

    PaginaDeTeste(std::uint8_t tipoCanal, const std::string& unidade, int multiplicador) {
        sistema.Tipo = 3;
        canal.TipoCanal.Tipo = tipoCanal;
        unidades.UDecli = unidade;
        unidades.KDecli = multiplicador;
        pagina = std::make_unique<TPaginaEntrada>(TObjetosDesenho{canal, terreno, sistema, nimbal}, unidades, coefUni,
                                                  [this](bool sim) { alterado.append(sim); });
        pagina->LimparCamposDados();
        alterado.clear();
    }
};

template <class D>
void Clicar(D& dialogo, const QString& nome) {
    dialogo.template findChild<QAbstractButton*>(nome)->click();
}

}  // namespace

class TesteZSmCoberturaNaEntrada : public QObject {
    Q_OBJECT

    Usuario semMensagensNaTela_;

private slots:
    void init() { DefinirRegional(Separadores('.')); }

    // Regression: the Sm dialog works in the page's slope unit; it was given Sm in m/m under "%" and its
    // answer in "%" was stored as m/m, a slope 100 times too large or too small.
    void SmNaUnidadeDaPagina() {
        PaginaDeTeste p(TTipoCanal::Triangular, "%", 100);
        p.canal.Sm = {0.721, 1};
        QString caixaAoAbrir;
        AoAbrirReferencia(kTabelaSm, [&](TFReferencia& dialogo) {
            caixaAoAbrir = dialogo.findChild<TCampoNumerico*>(QStringLiteral("Edit1"))->text();
            Clicar(dialogo, QStringLiteral("Opcao2"));
            Clicar(dialogo, QStringLiteral("OK"));
        });
        p.pagina->BSmZ->click();
        QCOMPARE(caixaAoAbrir, QStringLiteral("72.1"));
        QCOMPARE(p.canal.Sm.Indice, std::int8_t(2));
        QCOMPARE(p.canal.Sm.Valor, 0.679);
        QCOMPARE(p.pagina->Zsm->text(), QStringLiteral("67.9"));
        QCOMPARE(p.alterado, QList<bool>{true});
    }

    // A typed Sm travels back as option −1 in the channel's signed byte.
    void SmDigitado() {
        PaginaDeTeste p(TTipoCanal::Triangular, "m/m", 1);
        AoAbrirReferencia(kTabelaSm, [](TFReferencia& dialogo) {
            QTest::keyClicks(dialogo.findChild<TCampoNumerico*>(QStringLiteral("Edit1")), "0.55");
            Clicar(dialogo, QStringLiteral("OK"));
        });
        p.pagina->BSmZ->click();
        QCOMPARE(p.canal.Sm.Indice, std::int8_t(-1));
        QCOMPARE(p.canal.Sm.Valor, 0.55);
        QCOMPARE(p.pagina->Zsm->text(), QStringLiteral("0.55"));
    }

    void ZDoCanalTrapezoidal() {
        PaginaDeTeste p(TTipoCanal::Trapezoidal, "%", 100);
        p.canal.Z = {2.5, 5};
        AjudaPedida ajuda;
        AoAbrirReferencia(kTabelaZ, [](TFReferencia& dialogo) {
            Clicar(dialogo, QStringLiteral("BtnAjuda"));
            Clicar(dialogo, QStringLiteral("Opcao4"));
            Clicar(dialogo, QStringLiteral("OK"));
        });
        p.pagina->BSmZ->click();
        QCOMPARE(ajuda.pedidos, QStringList{QStringLiteral("topico 137")});
        QCOMPARE(p.canal.Z.Indice, std::int8_t(4));
        QCOMPARE(p.canal.Z.Valor, 1.5);
        QCOMPARE(p.pagina->Zsm->text(), QStringLiteral("1.5"));
        QCOMPARE(p.alterado, QList<bool>{true});
    }

    void RecusaNaoAltera() {
        PaginaDeTeste p(TTipoCanal::Trapezoidal, "m/m", 1);
        p.canal.Z = {2.5, 5};
        p.pagina->Zsm->setText(QStringLiteral("2.5"));
        AoAbrirReferencia(kTabelaZ, [](TFReferencia& dialogo) {
            Clicar(dialogo, QStringLiteral("Opcao1"));
            Clicar(dialogo, QStringLiteral("Cancela"));
        });
        p.pagina->BSmZ->click();
        QCOMPARE(p.canal.Z.Indice, std::int8_t(5));
        QCOMPARE(p.canal.Z.Valor, 2.5);
        QCOMPARE(p.pagina->Zsm->text(), QStringLiteral("2.5"));
        QVERIFY(p.alterado.isEmpty());
    }

    // The material's dialog: a row gives its velocity, a typed velocity the index −1; the page shows both.
    // With TALVEK_TELAS set to a folder, the dialog is saved there as a PNG.
    void MaterialDoCanal() {
        PaginaDeTeste p(TTipoCanal::Trapezoidal, "m/m", 1);
        p.canal.Material = {3, 0.533};
        QString caixaAoAbrir;
        AoAbrirReferencia(TabelaMaterialCanal(), [&](TFReferencia& dialogo) {
            caixaAoAbrir = dialogo.findChild<TCampoNumerico*>(QStringLiteral("eVadm"))->text();
            if (const QString pasta = qEnvironmentVariable("TALVEK_TELAS"); !pasta.isEmpty()) {
                dialogo.grab().save(pasta + QStringLiteral("/3-material.png"));
                QScrollBar* barra = dialogo.findChild<QScrollArea*>(QStringLiteral("RolagemTabela"))->verticalScrollBar();
                barra->setValue(barra->maximum());
                dialogo.grab().save(pasta + QStringLiteral("/3-material-grama.png"));
            }
            Clicar(dialogo, QStringLiteral("Material29"));
            Clicar(dialogo, QStringLiteral("OK"));
        });
        p.pagina->BMaterial->click();
        QCOMPARE(caixaAoAbrir, QStringLiteral("0.533"));
        QCOMPARE(p.canal.Material.Indice, std::int16_t(29));
        QCOMPARE(p.canal.Material.Vadm, 2.438);
        QCOMPARE(p.pagina->MaterialCanal->text(),
                 QStringLiteral("Grama-bermuda (declive de 0 a 5 %, solo resistente à erosão): 2.438 m/s"));
        QCOMPARE(p.alterado, QList<bool>{true});

        AoAbrirReferencia(TabelaMaterialCanal(), [](TFReferencia& dialogo) {
            auto* caixa = dialogo.findChild<TCampoNumerico*>(QStringLiteral("eVadm"));
            caixa->clear();
            QTest::keyClicks(caixa, "0.8");
            Clicar(dialogo, QStringLiteral("OK"));
        });
        p.pagina->BMaterial->click();
        QCOMPARE(p.canal.Material.Indice, TMaterialCanal::kDigitado);
        QCOMPARE(p.canal.Material.Vadm, 0.8);
        QCOMPARE(p.pagina->MaterialCanal->text(), QStringLiteral("Velocidade admissível informada: 0.80 m/s"));
        p.pagina->LimparCamposDados();
        QVERIFY(p.pagina->MaterialCanal->text().isEmpty());
    }

    void CoberturaDoTerreno() {
        PaginaDeTeste p(TTipoCanal::Triangular, "m/m", 1);
        p.terreno.Cobertura.UsoTerra.Indice = 1;
        p.terreno.Cobertura.Tratamento.Indice = 3;
        p.terreno.Cobertura.CondicaoHidrologica.Indice = 3;
        AjudaPedida ajuda;
        bool mostradaComoGuardada = false;
        AoAbrirModal<TFCober>([&](TFCober& dialogo) {
            Clicar(dialogo, QStringLiteral("BtnAjuda"));
            mostradaComoGuardada = dialogo.findChild<QRadioButton*>(QStringLiteral("RGUsoTerra1"))->isChecked() &&
                                   dialogo.findChild<QRadioButton*>(QStringLiteral("RGTratamento2"))->isChecked() &&
                                   dialogo.findChild<QRadioButton*>(QStringLiteral("RGCondicao2"))->isChecked();
            Clicar(dialogo, QStringLiteral("RGUsoTerra5"));
            Clicar(dialogo, QStringLiteral("OK"));
        });
        p.pagina->BCobertura->click();
        QVERIFY(mostradaComoGuardada);
        QCOMPARE(ajuda.pedidos, QStringList{QStringLiteral("topico 120")});
        QCOMPARE(p.terreno.Cobertura.UsoTerra.Indice, 5);
        QCOMPARE(p.terreno.Cobertura.Tratamento.Indice, 0);
        QCOMPARE(p.terreno.Cobertura.CondicaoHidrologica.Indice, 1);
        QCOMPARE(p.alterado, QList<bool>{true});
    }

    void RugosidadeDoCanal() {
        PaginaDeTeste p(TTipoCanal::Triangular, "m/m", 1);
        p.canal.nc = {0.018, 1};
        AoAbrirReferencia(kTabelaRugCan, [](TFReferencia& dialogo) {
            Clicar(dialogo, QStringLiteral("RadioButton7"));
            Clicar(dialogo, QStringLiteral("OK"));
        });
        p.pagina->BRugCan->click();
        QCOMPARE(p.canal.nc.Indice, std::int8_t(7));
        QCOMPARE(p.canal.nc.Valor, 0.035);
        QCOMPARE(p.pagina->RugCan->text(), QStringLiteral("0.035"));
        QCOMPARE(p.alterado, QList<bool>{true});
    }
};

QTEST_MAIN(TesteZSmCoberturaNaEntrada)
#include "TesteZSmCoberturaNaEntrada.moc"
