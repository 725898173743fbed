// Z dialog and its component: the values shown, the typed value as " Ou&tros", OK and Cancel.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "TesteReferenciaApoio.h"
#include "common/CampoNumerico.h"
#include "dialogs/Z.h"
#include "dialogs/uZ.h"

using namespace talvek;
using namespace talvek::gui;
using namespace talvek::gui::teste;

namespace {

QRadioButton* Opcao(TFZ& dialogo, int opcao) {
    return dialogo.findChild<QRadioButton*>(QStringLiteral("Opcao%1").arg(opcao));
}
QString ValorMostrado(TFZ& dialogo, int opcao) {
    return dialogo.findChild<QLabel*>(QStringLiteral("Valor%1").arg(opcao))->text();
}
TCampoNumerico* Caixa(TFZ& dialogo) { return dialogo.findChild<TCampoNumerico*>(QStringLiteral("Edit1")); }
QPushButton* Ok(TFZ& dialogo) { return dialogo.findChild<QPushButton*>(QStringLiteral("OK")); }

}  // namespace

class TesteZ : public QObject {
    Q_OBJECT

    Usuario semMensagensNaTela_;

private slots:
    void ValoresDaTabela_data() {
        QTest::addColumn<char>("decimal");
        QTest::addColumn<QStringList>("valores");
        QTest::newRow("comma") << ',' << QStringList{" 0,25", " 0,50", " 1,00", " 1,50", " 2,50", "---"};
        QTest::newRow("point") << '.' << QStringList{" 0.25", " 0.50", " 1.00", " 1.50", " 2.50", "---"};
    }
    void ValoresDaTabela() {
        QFETCH(char, decimal);
        QFETCH(QStringList, valores);
        RegionalTemporario regional(Separadores(decimal));
        TFZ dialogo;
        dialogo.show();
        for (int opcao = 1; opcao <= TFZ::kOpcoes; ++opcao) QCOMPARE(ValorMostrado(dialogo, opcao), valores[opcao - 1]);
    }

    // The option and value given at show time, keys typed afterwards, and what OK returns.
    void OpcaoEValor_data() {
        QTest::addColumn<int>("opcao");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("caixa");
        QTest::addColumn<int>("opcaoOk");
        QTest::addColumn<double>("valorOk");
        QTest::newRow("row value") << 3 << 0.0 << "" << " 1.00" << 3 << 1.0;
        QTest::newRow("stored value over the row's") << 4 << 1.25 << "" << "1.25" << 4 << 1.25;
        QTest::newRow("a digit switches to Outros") << 2 << 0.0 << "1" << " 0.501" << 6 << 0.501;
        QTest::newRow("a refused key keeps the row") << 2 << 0.0 << "x" << " 0.50" << 2 << 0.5;
        QTest::newRow("Outros with its value") << 6 << 0.75 << "" << "0.75" << 6 << 0.75;
        QTest::newRow("nothing stored, typed") << 0 << 0.0 << "3" << "3" << 6 << 3.0;
    }
    void OpcaoEValor() {
        QFETCH(int, opcao);
        QFETCH(double, valor);
        QFETCH(QString, teclas);
        QFETCH(QString, caixa);
        QFETCH(int, opcaoOk);
        QFETCH(double, valorOk);
        RegionalTemporario regional(Separadores('.'));
        TFZ dialogo;
        dialogo.Preparar(0, static_cast<std::int16_t>(opcao), valor);
        dialogo.show();
        QTest::keyClicks(Caixa(dialogo), teclas);
        QCOMPARE(Caixa(dialogo)->text(), caixa);
        QVERIFY(Opcao(dialogo, opcaoOk)->isChecked());
        Ok(dialogo)->click();
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
        QCOMPARE(dialogo.OpcaoAtual(), std::int16_t(opcaoOk));
        QCOMPARE(dialogo.Valor(), valorOk);
    }

    void OkSegueTextoUtil() {
        TFZ dialogo;
        dialogo.show();
        QVERIFY(!Ok(dialogo)->isEnabled());
        Opcao(dialogo, 6)->click();
        QVERIFY(!Ok(dialogo)->isEnabled());
        Caixa(dialogo)->setText(QStringLiteral("---"));
        QVERIFY(!Ok(dialogo)->isEnabled());
        Opcao(dialogo, 1)->click();
        QVERIFY(Ok(dialogo)->isEnabled());
    }

    void ExecutarCopiaSoAoConfirmar() {
        AjudaPedida ajuda;
        TZ componente;
        componente.HelpContext = 137;
        componente.Indice = 5;
        componente.Valor = 2.5;
        AoAbrirModal<TFZ>([](TFZ& dialogo) {
            Opcao(dialogo, 1)->click();
            dialogo.findChild<QPushButton*>(QStringLiteral("Cancela"))->click();
        });
        QVERIFY(!componente.Executar(nullptr));
        QCOMPARE(componente.Indice, std::int16_t(5));
        QCOMPARE(componente.Valor, 2.5);

        AoAbrirModal<TFZ>([](TFZ& dialogo) {
            dialogo.findChild<QPushButton*>(QStringLiteral("BtnAjuda"))->click();
            Opcao(dialogo, 1)->click();
            Ok(dialogo)->click();
        });
        QVERIFY(componente.Executar(nullptr));
        QCOMPARE(ajuda.pedidos, QStringList{QStringLiteral("topico 137")});
        QCOMPARE(componente.Indice, std::int16_t(1));
        QCOMPARE(componente.Valor, 0.25);
    }
};

QTEST_MAIN(TesteZ)
#include "TesteZ.moc"
