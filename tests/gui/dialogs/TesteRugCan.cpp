// Channel-roughness dialog and its component: the row chosen or typed over, OK and Cancel.
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "TesteReferenciaApoio.h"
#include "common/CampoNumerico.h"
#include "dialogs/RugCan.h"
#include "dialogs/uRugCan.h"

using namespace talvek;
using namespace talvek::gui;
using namespace talvek::gui::teste;

namespace {

QRadioButton* Linha(TFRugCan& dialogo, int linha) {
    return dialogo.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(linha));
}
TCampoNumerico* Caixa(TFRugCan& dialogo) { return dialogo.findChild<TCampoNumerico*>(QStringLiteral("eRugCan")); }
QPushButton* Ok(TFRugCan& dialogo) { return dialogo.findChild<QPushButton*>(QStringLiteral("OK")); }

int LinhasMarcadas(TFRugCan& dialogo) {
    int marcadas = 0;
    for (int linha = 1; linha <= TFRugCan::kLinhas; ++linha) marcadas += Linha(dialogo, linha)->isChecked();
    return marcadas;
}

}  // namespace

class TesteRugCan : public QObject {
    Q_OBJECT

    Usuario semMensagensNaTela_;

private slots:
    // Keys typed after choosing row 7, with the row and value that OK returns.
    void EscolhaDaLinhaOuValorDigitado_data() {
        QTest::addColumn<char>("decimal");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<int>("indice");
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("marcadas");
        QTest::newRow("row 7 as chosen") << ',' << "" << 7 << 0.035 << 1;
        QTest::newRow("a digit typed over row 7") << ',' << "1" << 0 << 0.0351 << 0;
        QTest::newRow("backspace typed over row 7") << '.' << "\b" << 0 << 0.03 << 0;
        QTest::newRow("a refused key keeps row 7") << '.' << "a" << 7 << 0.035 << 1;
    }
    void EscolhaDaLinhaOuValorDigitado() {
        QFETCH(char, decimal);
        QFETCH(QString, teclas);
        QFETCH(int, indice);
        QFETCH(double, valor);
        QFETCH(int, marcadas);
        RegionalTemporario regional(Separadores(decimal));
        TFRugCan dialogo;
        dialogo.show();
        Linha(dialogo, 7)->click();
        QTest::keyClicks(Caixa(dialogo), teclas);
        QCOMPARE(LinhasMarcadas(dialogo), marcadas);
        Ok(dialogo)->click();
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
        QCOMPARE(dialogo.Indice(), std::int16_t(indice));
        QCOMPARE(dialogo.Valor(), valor);
    }

    void MostrarMarcaLinhaEValor_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("caixa");
        QTest::newRow("normal value of the row") << 3 << 0.0 << "0,025";
        QTest::newRow("stored value") << 9 << 0.038 << "0,038";
        QTest::newRow("nothing stored") << 0 << 0.0 << "";
    }
    void MostrarMarcaLinhaEValor() {
        QFETCH(int, indice);
        QFETCH(double, valor);
        QFETCH(QString, caixa);
        RegionalTemporario regional(Separadores(','));
        TFRugCan dialogo;
        dialogo.Preparar(109, static_cast<std::int16_t>(indice), valor);
        dialogo.show();
        QCOMPARE(LinhasMarcadas(dialogo), indice == 0 ? 0 : 1);
        if (indice != 0) QVERIFY(Linha(dialogo, indice)->isChecked());
        QCOMPARE(Caixa(dialogo)->text(), caixa);
        QCOMPARE(Ok(dialogo)->isEnabled(), !caixa.isEmpty());
    }

    // A value put in the box without a key (pasted) keeps the checked row, as the row is read on OK.
    void ValorColadoMantemLinhaMarcada() {
        TFRugCan dialogo;
        dialogo.show();
        Linha(dialogo, 4)->click();
        Caixa(dialogo)->setText(QStringLiteral("0.03"));
        Ok(dialogo)->click();
        QCOMPARE(dialogo.Indice(), std::int16_t(4));
        QCOMPARE(dialogo.Valor(), 0.03);
    }

    void ExecutarCopiaSoAoConfirmar() {
        TRugCan componente;
        componente.HelpContext = 109;
        componente.Indice = 1;
        componente.Valor = 0.018;
        AoAbrirModal<TFRugCan>([](TFRugCan& dialogo) {
            Linha(dialogo, 7)->click();
            dialogo.findChild<QPushButton*>(QStringLiteral("Cancela"))->click();
        });
        QVERIFY(!componente.Executar(nullptr));
        QCOMPARE(componente.Indice, std::int16_t(1));
        QCOMPARE(componente.Valor, 0.018);

        AjudaPedida ajuda;
        AoAbrirModal<TFRugCan>([&](TFRugCan& dialogo) {
            dialogo.findChild<QPushButton*>(QStringLiteral("BtnAjuda"))->click();
            Linha(dialogo, 7)->click();
            Ok(dialogo)->click();
        });
        QVERIFY(componente.Executar(nullptr));
        QCOMPARE(ajuda.pedidos, QStringList{QStringLiteral("topico 109")});
        QCOMPARE(componente.Indice, std::int16_t(7));
        QCOMPARE(componente.Valor, 0.035);
    }
};

QTEST_MAIN(TesteRugCan)
#include "TesteRugCan.moc"
