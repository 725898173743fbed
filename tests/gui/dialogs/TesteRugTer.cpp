// Terrain-roughness dialog and its component: the row and value shown, the typed value, the key filter,
// OK and Cancel.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "TesteReferenciaApoio.h"
#include "common/CampoNumerico.h"
#include "dialogs/RugTer.h"
#include "dialogs/uRugTer.h"

using namespace talvek;
using namespace talvek::gui;
using namespace talvek::gui::teste;

namespace {

QRadioButton* Opcao(TFRugTer& dialogo, int linha) {
    return dialogo.findChild<QRadioButton*>(QStringLiteral("Opcao%1").arg(linha));
}
TCampoNumerico* Caixa(TFRugTer& dialogo) { return dialogo.findChild<TCampoNumerico*>(QStringLiteral("eRugTer")); }
QPushButton* Ok(TFRugTer& dialogo) { return dialogo.findChild<QPushButton*>(QStringLiteral("OK")); }

int LinhaMarcada(TFRugTer& dialogo) {
    for (int linha = 1; linha <= TFRugTer::kLinhas; ++linha)
        if (Opcao(dialogo, linha)->isChecked()) return linha;
    return 0;
}

}  // namespace

class TesteRugTer : public QObject {
    Q_OBJECT

    Usuario semMensagensNaTela_;

private slots:
    void MostrarMarcaLinhaEValor_data() {
        QTest::addColumn<char>("decimal");
        QTest::addColumn<int>("indice");
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("linhaMarcada");
        QTest::addColumn<QString>("caixa");
        QTest::addColumn<double>("valorOk");
        QTest::newRow("row value, comma") << ',' << 5 << 0.0 << 5 << "0,120" << 0.12;
        QTest::newRow("row value, point") << '.' << 5 << 0.0 << 5 << "0.120" << 0.12;
        QTest::newRow("stored value replaces the row's") << ',' << 5 << 0.13 << 5 << "0,13" << 0.13;
        QTest::newRow("typed value, no row") << '.' << 0 << 0.045 << 0 << "0.045" << 0.045;
        QTest::newRow("last row") << ',' << 19 << 0.0 << 19 << "0,200" << 0.2;
        QTest::newRow("row out of range checks none") << '.' << 20 << 0.0 << 0 << "" << 0.0;
    }
    void MostrarMarcaLinhaEValor() {
        QFETCH(char, decimal);
        QFETCH(int, indice);
        QFETCH(double, valor);
        QFETCH(int, linhaMarcada);
        QFETCH(QString, caixa);
        QFETCH(double, valorOk);
        RegionalTemporario regional(Separadores(decimal));
        TFRugTer dialogo;
        dialogo.Preparar(111, static_cast<std::int16_t>(indice), valor);
        dialogo.show();
        QCOMPARE(LinhaMarcada(dialogo), linhaMarcada);
        QCOMPARE(Caixa(dialogo)->text(), caixa);
        QCOMPARE(Ok(dialogo)->isEnabled(), !caixa.isEmpty());
        Ok(dialogo)->click();
        if (caixa.isEmpty()) {
            QVERIFY(dialogo.isVisible());
            return;
        }
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
        QCOMPARE(dialogo.Indice(), std::int16_t(indice));
        QCOMPARE(dialogo.Valor(), valorOk);
    }

    // The typed value belongs to no row, yet the terrain dialog leaves the row checked on screen.
    void DigitarValorDesfazLinha() {
        RegionalTemporario regional(Separadores(','));
        TFRugTer dialogo;
        dialogo.show();
        Opcao(dialogo, 14)->click();
        QCOMPARE(Caixa(dialogo)->text(), QStringLiteral("0,035"));
        QTest::keyClick(Caixa(dialogo), Qt::Key_Backspace);
        QTest::keyClicks(Caixa(dialogo), "8");
        Ok(dialogo)->click();
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
        QCOMPARE(dialogo.Indice(), std::int16_t(0));
        QCOMPARE(dialogo.Valor(), 0.038);
        QVERIFY(Opcao(dialogo, 14)->isChecked());
    }

    void FiltroDeTeclas_data() {
        QTest::addColumn<char>("decimal");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("texto");
        QTest::newRow("letters and signs dropped") << '.' << "0a.b-5 +e" << "0.5";
        QTest::newRow("thousands separator becomes decimal") << ',' << "0.05" << "0,05";
        QTest::newRow("point locale, comma typed") << '.' << "0,05" << "0.05";
        QTest::newRow("no minus sign") << ',' << "-1" << "1";
    }
    void FiltroDeTeclas() {
        QFETCH(char, decimal);
        QFETCH(QString, teclas);
        QFETCH(QString, texto);
        RegionalTemporario regional(Separadores(decimal));
        TFRugTer dialogo;
        dialogo.show();
        QTest::keyClicks(Caixa(dialogo), teclas);
        QCOMPARE(Caixa(dialogo)->text(), texto);
    }

    // A refused key is not a typed value: the chosen row stays.
    void TeclaRecusadaMantemLinha() {
        TFRugTer dialogo;
        dialogo.show();
        Opcao(dialogo, 9)->click();
        QTest::keyClicks(Caixa(dialogo), "x");
        Ok(dialogo)->click();
        QCOMPARE(dialogo.Indice(), std::int16_t(9));
    }

    void OkSegueCaixaNaoVazia() {
        TFRugTer dialogo;
        dialogo.show();
        QVERIFY(!Ok(dialogo)->isEnabled());
        QTest::keyClicks(Caixa(dialogo), "1");
        QVERIFY(Ok(dialogo)->isEnabled());
        QTest::keyClick(Caixa(dialogo), Qt::Key_Backspace);
        QVERIFY(!Ok(dialogo)->isEnabled());
    }

    // Two decimal separators can only come by pasting; the error is shown and the dialog stays open.
    void TextoNaoNumericoMantemDialogoAberto() {
        RegionalTemporario regional(Separadores(','));
        Usuario interface;
        TFRugTer dialogo;
        dialogo.show();
        Caixa(dialogo)->setText(QStringLiteral("0,1,2"));
        Ok(dialogo)->click();
        QVERIFY(dialogo.isVisible());
        QCOMPARE(interface.caixas.size(), 1);
        QCOMPARE(interface.caixas[0].texto, QStringLiteral("'0,1,2' não é um valor numérico válido."));
        QCOMPARE(interface.caixas[0].icone, Icone::Erro);
    }

    void ExecutarDevolveEscolhaConfirmada() {
        TRugTer componente;
        componente.HelpContext = 111;
        componente.Indice = 2;
        componente.Valor = 0.11;
        AjudaPedida ajuda;
        AoAbrirModal<TFRugTer>([&](TFRugTer& dialogo) {
            dialogo.findChild<QPushButton*>(QStringLiteral("BtnAjuda"))->click();
            Opcao(dialogo, 12)->click();
            Ok(dialogo)->click();
        });
        QVERIFY(componente.Executar(nullptr));
        QCOMPARE(ajuda.pedidos, QStringList{QStringLiteral("topico 111")});
        QCOMPARE(componente.Indice, std::int16_t(12));
        QCOMPARE(componente.Valor, 0.15);
    }

    void CancelarNaoAltera() {
        TRugTer componente;
        componente.Indice = 7;
        componente.Valor = 0.08;
        AoAbrirModal<TFRugTer>([](TFRugTer& dialogo) {
            Opcao(dialogo, 13)->click();
            dialogo.findChild<QPushButton*>(QStringLiteral("Cancela"))->click();
        });
        QVERIFY(!componente.Executar(nullptr));
        AoAbrirModal<TFRugTer>([](TFRugTer& dialogo) {
            Opcao(dialogo, 13)->click();
            dialogo.close();
        });
        QVERIFY(!componente.Executar(nullptr));
        QCOMPARE(componente.Indice, std::int16_t(7));
        QCOMPARE(componente.Valor, 0.08);
    }
};

QTEST_MAIN(TesteRugTer)
#include "TesteRugTer.moc"
