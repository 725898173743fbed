// Vegetation-cover dialog and its component: the rules of each land use, a stored cover shown as
// stored, the values forced on OK, Cancel.
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "TesteReferenciaApoio.h"
#include "dialogs/Cobertura.h"
#include "dialogs/uCobertura.h"

using namespace talvek;
using namespace talvek::gui;
using namespace talvek::gui::teste;

namespace {

QRadioButton* Item(TFCober& dialogo, const char* grupo, int item) {
    return dialogo.findChild<QRadioButton*>(QString::fromLatin1(grupo) + QString::number(item));
}

// The buttons of a group as a text, one character per item: "-" disabled, "o" enabled, "x" enabled and
// selected, "#" disabled and selected.
QString Estado(TFCober& dialogo, const char* grupo) {
    QString estado;
    for (int item = 0; item < 3; ++item) {
        const QRadioButton* botao = Item(dialogo, grupo, item);
        estado += botao->isEnabled() ? (botao->isChecked() ? 'x' : 'o') : (botao->isChecked() ? '#' : '-');
    }
    return estado;
}

struct Indices {
    int usoTerra, tratamento, condicao;
};

void Preparar(TFCober& dialogo, Indices cobertura) {
    TUsoTerra usoTerra;
    usoTerra.Indice = static_cast<std::uint8_t>(cobertura.usoTerra);
    TTratamento tratamento;
    tratamento.Indice = static_cast<std::uint8_t>(cobertura.tratamento);
    TCondicaoHidrologica condicao;
    condicao.Indice = static_cast<std::uint8_t>(cobertura.condicao);
    dialogo.Preparar(120, usoTerra, tratamento, condicao);
}

QString Resultado(TFCober& dialogo) {
    return QStringLiteral("%1 %2 %3")
        .arg(dialogo.UsoTerra().Indice)
        .arg(dialogo.Tratamento().Indice)
        .arg(dialogo.CondicaoHidrologica().Indice);
}

}  // namespace

class TesteCobertura : public QObject {
    Q_OBJECT

private slots:
    // A land use chosen by the user over a stored "Floresta"/"Má" cover: buttons and preselection, then OK.
    void RegrasDoUsoDaTerra_data() {
        QTest::addColumn<int>("usoTerra");
        QTest::addColumn<QString>("tratamentos");
        QTest::addColumn<QString>("condicoes");
        QTest::addColumn<QString>("resultado");
        QTest::newRow("Sem cultivo") << 0 << "x--" << "---" << "0 1 0";
        QTest::newRow("Cultivo em fileiras") << 1 << "xoo" << "x-o" << "1 1 1";
        QTest::newRow("Cultivo em fileiras estreitas") << 2 << "xoo" << "x-o" << "2 1 1";
        QTest::newRow("Leguminosas") << 3 << "xoo" << "x-o" << "3 1 1";
        QTest::newRow("Pastagem para pastoreio") << 4 << "-x-" << "xoo" << "4 2 1";
    }
    void RegrasDoUsoDaTerra() {
        QFETCH(int, usoTerra);
        QFETCH(QString, tratamentos);
        QFETCH(QString, condicoes);
        QFETCH(QString, resultado);
        TFCober dialogo;
        Preparar(dialogo, {5, 0, 1});
        dialogo.show();
        Item(dialogo, "RGUsoTerra", usoTerra)->click();
        QCOMPARE(Estado(dialogo, "RGTratamento"), tratamentos);
        QCOMPARE(Estado(dialogo, "RGCondicao"), condicoes);
        dialogo.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
        QCOMPARE(Resultado(dialogo), resultado);
    }

    // A stored cover is shown as stored, even where its land use disables a button; OK may then force
    // the treatment of "Floresta" or the condition of "Sem cultivo" to none.
    void CoberturaGuardada_data() {
        QTest::addColumn<int>("usoTerra");
        QTest::addColumn<int>("tratamento");
        QTest::addColumn<int>("condicao");
        QTest::addColumn<QString>("tratamentos");
        QTest::addColumn<QString>("condicoes");
        QTest::addColumn<QString>("resultado");
        QTest::newRow("crop, contour and terrace, good") << 2 << 3 << 3 << "oox" << "o-x" << "2 3 3";
        QTest::newRow("crop with Regular from a file") << 1 << 1 << 2 << "xoo" << "o#o" << "1 1 2";
        QTest::newRow("forest with a treatment from a file") << 5 << 2 << 3 << "-#-" << "oox" << "5 0 3";
        QTest::newRow("no cultivation with a condition from a file") << 0 << 1 << 2 << "x--" << "-#-" << "0 1 0";
        QTest::newRow("no treatment stored") << 4 << 0 << 1 << "-o-" << "xoo" << "4 0 1";
        QTest::newRow("land use beyond the table") << 9 << 0 << 2 << "---" << "oxo" << "5 0 2";
    }
    void CoberturaGuardada() {
        QFETCH(int, usoTerra);
        QFETCH(int, tratamento);
        QFETCH(int, condicao);
        QFETCH(QString, tratamentos);
        QFETCH(QString, condicoes);
        QFETCH(QString, resultado);
        TFCober dialogo;
        Preparar(dialogo, {usoTerra, tratamento, condicao});
        dialogo.show();
        QCOMPARE(Estado(dialogo, "RGTratamento"), tratamentos);
        QCOMPARE(Estado(dialogo, "RGCondicao"), condicoes);
        dialogo.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        QCOMPARE(Resultado(dialogo), resultado);
    }

    void CultivoComCondicaoBoa() {
        TFCober dialogo;
        Preparar(dialogo, {0, 1, 0});
        dialogo.show();
        Item(dialogo, "RGUsoTerra", 2)->click();
        Item(dialogo, "RGCondicao", 1)->click();  // disabled: the click does nothing
        Item(dialogo, "RGCondicao", 2)->click();
        Item(dialogo, "RGTratamento", 1)->click();
        dialogo.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        QCOMPARE(Resultado(dialogo), QStringLiteral("2 2 3"));
    }

    void ExecutarCopiaSoAoConfirmar() {
        AjudaPedida ajuda;
        gui::TCobertura componente;
        componente.HelpContext = 120;
        TUsoTerra usoTerra;
        usoTerra.Indice = 3;
        componente.SetUsoTerra(usoTerra);
        TTratamento tratamento;
        tratamento.Indice = 2;
        componente.SetTratamento(tratamento);
        TCondicaoHidrologica condicao;
        condicao.Indice = 3;
        componente.SetCondicaoHidrologica(condicao);

        AoAbrirModal<TFCober>([](TFCober& dialogo) {
            Item(dialogo, "RGUsoTerra", 5)->click();
            dialogo.findChild<QPushButton*>(QStringLiteral("Cancela"))->click();
        });
        QVERIFY(!componente.Executar(nullptr));
        QCOMPARE(componente.UsoTerra().Indice, 3);
        QCOMPARE(componente.Tratamento().Indice, 2);
        QCOMPARE(componente.CondicaoHidrologica().Indice, 3);

        AoAbrirModal<TFCober>([](TFCober& dialogo) {
            dialogo.findChild<QPushButton*>(QStringLiteral("BtnAjuda"))->click();
            Item(dialogo, "RGUsoTerra", 4)->click();
            dialogo.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        });
        QVERIFY(componente.Executar(nullptr));
        QCOMPARE(ajuda.pedidos, QStringList{QStringLiteral("topico 120")});
        QCOMPARE(componente.UsoTerra().Indice, 4);
        QCOMPARE(componente.Tratamento().Indice, 2);
        QCOMPARE(componente.CondicaoHidrologica().Indice, 1);
    }
};

QTEST_MAIN(TesteCobertura)
#include "TesteCobertura.moc"
