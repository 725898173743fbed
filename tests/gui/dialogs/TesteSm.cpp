// Sm dialog and its component: values in the slope unit, the range of row 7, the typed value, the unit
// checks, OK and Cancel.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "TesteReferenciaApoio.h"
#include "common/CampoNumerico.h"
#include "dialogs/Sm.h"
#include "dialogs/uSm.h"
#include "platform/Excecoes.h"

using namespace talvek;
using namespace talvek::gui;
using namespace talvek::gui::teste;

namespace {

QRadioButton* Opcao(TFSm& dialogo, int opcao) {
    return dialogo.findChild<QRadioButton*>(QStringLiteral("Opcao%1").arg(opcao));
}
QString ValorMostrado(TFSm& dialogo, int opcao) {
    return dialogo.findChild<QLabel*>(QStringLiteral("Valor%1").arg(opcao))->text();
}
TCampoNumerico* Caixa(TFSm& dialogo) { return dialogo.findChild<TCampoNumerico*>(QStringLiteral("Edit1")); }
QPushButton* Ok(TFSm& dialogo) { return dialogo.findChild<QPushButton*>(QStringLiteral("OK")); }

}  // namespace

class TesteSm : public QObject {
    Q_OBJECT

    Usuario semMensagensNaTela_;

private slots:
    void ValoresNaUnidade_data() {
        QTest::addColumn<char>("decimal");
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<int>("multiplicador");
        QTest::addColumn<QStringList>("valores");
        QTest::newRow("% comma") << ',' << "%" << 100
                                 << QStringList{" 72,1", " 67,9", " 66,7", " 21,3", " 17,0", " 16,4", " 18,6 a  22,1",
                                                " 41,8"};
        QTest::newRow("m/m point") << '.' << "m/m" << 1
                                   << QStringList{" 0.721", " 0.679", " 0.667", " 0.213", " 0.170", " 0.164",
                                                  " 0.186 a  0.221", " 0.418"};
    }
    void ValoresNaUnidade() {
        QFETCH(char, decimal);
        QFETCH(QString, unidade);
        QFETCH(int, multiplicador);
        QFETCH(QStringList, valores);
        RegionalTemporario regional(Separadores(decimal));
        TFSm dialogo;
        dialogo.Preparar(0, unidade.toStdString(), multiplicador, 0, 0.0);
        dialogo.show();
        for (int opcao = 1; opcao <= TFSm::kOpcoes; ++opcao)
            QCOMPARE(ValorMostrado(dialogo, opcao), valores[opcao - 1]);
    }

    // A row clicked, keys typed afterwards (after emptying the box when asked), and what OK returns.
    void OpcaoEValor_data() {
        QTest::addColumn<int>("linha");
        QTest::addColumn<bool>("esvaziar");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<int>("opcaoOk");
        QTest::addColumn<double>("valorOk");
        QTest::newRow("row 3 as shown") << 3 << false << "" << 3 << 66.7;
        QTest::newRow("typed after row 3") << 3 << true << "50" << -1 << 50.0;
        QTest::newRow("a refused key still makes it typed") << 3 << false << "x" << -1 << 66.7;
        QTest::newRow("typed over the range keeps row 7") << 7 << true << "20.5" << 7 << 20.5;
    }
    void OpcaoEValor() {
        QFETCH(int, linha);
        QFETCH(bool, esvaziar);
        QFETCH(QString, teclas);
        QFETCH(int, opcaoOk);
        QFETCH(double, valorOk);
        RegionalTemporario regional(Separadores('.'));
        TFSm dialogo;
        dialogo.Preparar(0, "%", 100, 0, 0.0);
        dialogo.show();
        Opcao(dialogo, linha)->click();
        if (esvaziar) Caixa(dialogo)->clear();
        QTest::keyClicks(Caixa(dialogo), teclas);
        Ok(dialogo)->click();
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
        QCOMPARE(dialogo.OpcaoAtual(), std::int16_t(opcaoOk));
        QCOMPARE(dialogo.Valor(), valorOk);
        QVERIFY(!Opcao(dialogo, linha)->isChecked());
    }

    void FaixaDaLinha7() {
        RegionalTemporario regional(Separadores(','));
        Usuario interface;
        TFSm dialogo;
        dialogo.Preparar(0, "%", 100, 0, 0.0);
        dialogo.show();
        Opcao(dialogo, 7)->click();
        QCOMPARE(Caixa(dialogo)->text(), QStringLiteral(" 18,6 a  22,1"));
        QVERIFY(!Ok(dialogo)->isEnabled());
        Caixa(dialogo)->clear();
        QTest::keyClicks(Caixa(dialogo), "19,255");
        QVERIFY(Ok(dialogo)->isEnabled());
        Ok(dialogo)->click();
        QVERIFY(dialogo.isVisible());
        QCOMPARE(interface.caixas.size(), 1);
        QCOMPARE(interface.caixas[0].texto,
                 QStringLiteral("Valor de Sm inconsistente. Forneça um valor compreendido entre:[18,6 .. 22,1]."));
        QCOMPARE(interface.caixas[0].icone, Icone::Aviso);
        QTest::keyClick(Caixa(dialogo), Qt::Key_Backspace);
        Ok(dialogo)->click();
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
        QCOMPARE(dialogo.OpcaoAtual(), std::int16_t(7));
        QCOMPARE(dialogo.Valor(), 19.25);
    }

    void MostrarOpcaoPreparada_data() {
        QTest::addColumn<int>("opcao");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("caixa");
        QTest::addColumn<int>("linhaMarcada");
        QTest::newRow("typed value") << -1 << 5.0 << "5" << 0;
        QTest::newRow("row value") << 8 << 0.0 << " 41.8" << 8;
        QTest::newRow("stored value over the range") << 7 << 20.0 << "20" << 7;
    }
    void MostrarOpcaoPreparada() {
        QFETCH(int, opcao);
        QFETCH(double, valor);
        QFETCH(QString, caixa);
        QFETCH(int, linhaMarcada);
        RegionalTemporario regional(Separadores('.'));
        TFSm dialogo;
        dialogo.Preparar(0, "%", 100, static_cast<std::int16_t>(opcao), valor);
        dialogo.show();
        QCOMPARE(Caixa(dialogo)->text(), caixa);
        for (int linha = 1; linha <= TFSm::kOpcoes; ++linha) QCOMPARE(Opcao(dialogo, linha)->isChecked(), linha == linhaMarcada);
        Ok(dialogo)->click();
        QCOMPARE(dialogo.OpcaoAtual(), std::int16_t(opcao));
        QCOMPARE(dialogo.Valor(), QString(caixa).toDouble());
    }

    void EntrarNaCaixaSelecionaTudo() {
        TFSm dialogo;
        dialogo.Preparar(0, "m/m", 1, 2, 0.0);
        dialogo.show();
        QApplication::setActiveWindow(&dialogo);
        Ok(dialogo)->setFocus();
        Caixa(dialogo)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(Caixa(dialogo)->selectedText(), QStringLiteral(" 0.679"));
    }

    void UnidadeEMultiplicadorVerificados_data() {
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<int>("multiplicador");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("no unit") << "" << 100 << "É necessário entrar com uma unidade de declividade (% ou m/m)";
        QTest::newRow("unknown unit") << "cm/m" << 100 << "É necessário entrar com uma unidade de declividade (% ou m/m)";
        QTest::newRow("bad multiplier")
            << "%" << 10 << "É necessário entrar com um multiplicador de unidade de declividade (1 ou 100)";
    }
    void UnidadeEMultiplicadorVerificados() {
        QFETCH(QString, unidade);
        QFETCH(int, multiplicador);
        QFETCH(QString, mensagem);
        TSm componente;
        componente.UDeclive = unidade.toStdString();
        componente.KDeclive = multiplicador;
        componente.Indice = 2;
        // Closes a dialog that should not have been shown, so that a fault fails instead of hanging.
        QTimer guarda;
        guarda.setSingleShot(true);
        bool mostrado = false;
        connect(&guarda, &QTimer::timeout, [&mostrado] {
            if (QWidget* dialogo = QApplication::activeModalWidget()) {
                mostrado = true;
                dialogo->close();
            }
        });
        guarda.start(0);
        QString erro;
        try {
            componente.Executar(nullptr);
        } catch (const Exception& e) {
            erro = QString::fromUtf8(e.what());
        }
        guarda.stop();
        QVERIFY(!mostrado);
        QCOMPARE(erro, mensagem);
        QCOMPARE(componente.Indice, std::int16_t(2));
    }

    void ExecutarCopiaSoAoConfirmar() {
        RegionalTemporario regional(Separadores('.'));
        AjudaPedida ajuda;
        TSm componente;
        componente.HelpContext = 138;
        componente.UDeclive = "%";
        componente.KDeclive = 100;
        componente.Indice = -1;
        componente.Valor = 40.0;
        AoAbrirModal<TFSm>([](TFSm& dialogo) {
            Opcao(dialogo, 1)->click();
            dialogo.findChild<QPushButton*>(QStringLiteral("Cancela"))->click();
        });
        QVERIFY(!componente.Executar(nullptr));
        QCOMPARE(componente.Indice, std::int16_t(-1));
        QCOMPARE(componente.Valor, 40.0);

        AoAbrirModal<TFSm>([](TFSm& dialogo) {
            dialogo.findChild<QPushButton*>(QStringLiteral("BtnAjuda"))->click();
            Opcao(dialogo, 1)->click();
            Ok(dialogo)->click();
        });
        QVERIFY(componente.Executar(nullptr));
        QCOMPARE(ajuda.pedidos, QStringList{QStringLiteral("topico 138")});
        QCOMPARE(componente.Indice, std::int16_t(1));
        QCOMPARE(componente.Valor, 72.1);
    }
};

QTEST_MAIN(TesteSm)
#include "TesteSm.moc"
