// The number fields' conversions without a window: reading a text under the regional decimal separator,
// showing a value by a picture (0 as an empty field), and the separators taken from a locale.
#include <QKeyEvent>
#include <QLocale>
#include <QTest>

#include "common/CamposNumericos.h"
#include "common/RegionalQt.h"
#include "platform/Excecoes.h"
#include "platform/Regional.h"

namespace talvek::gui::teste {

class TesteCamposNumericos : public QObject {
    Q_OBJECT

private slots:
    void LeituraDoCampo_data() {
        QTest::addColumn<char>("decimal");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("valor");
        QTest::addColumn<bool>("numero");
        QTest::newRow("vazio dá o padrão") << ',' << "" << 7.0 << true;
        QTest::newRow("vírgula") << ',' << "0,5" << 0.5 << true;
        QTest::newRow("ponto") << '.' << "0.5" << 0.5 << true;
        QTest::newRow("ponto sob vírgula") << ',' << "0.5" << 0.0 << false;
        QTest::newRow("dois separadores") << ',' << "1,2,3" << 0.0 << false;
        QTest::newRow("só o separador") << ',' << "," << 0.0 << false;
    }

    void LeituraDoCampo() {
        QFETCH(char, decimal);
        QFETCH(QString, texto);
        QFETCH(double, valor);
        QFETCH(bool, numero);
        RegionalTemporario regional({decimal, decimal == ',' ? '.' : ',', '/', "dd/mm/yyyy"});
        if (numero) {
            QCOMPARE(ValorDoCampo(texto, 7.0), valor);
            return;
        }
        try {
            ValorDoCampo(texto, 7.0);
            QFAIL("a text that is not a number was read");
        } catch (const Exception& erro) {
            QCOMPARE(QString::fromUtf8(erro.what()), "'" + texto + "' não é um valor numérico válido.");
        }
    }

    void ValorMostrado_data() {
        QTest::addColumn<char>("decimal");
        QTest::addColumn<QString>("formato");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("zero vazio") << ',' << "0.0#" << 0.0 << "";
        QTest::newRow("vazão") << ',' << "0.0#" << 0.73643 << "0,74";
        QTest::newRow("uma a duas casas") << '.' << "0.0#" << 20.0 << "20.0";
        QTest::newRow("metade para longe do zero") << ',' << "0.00" << 0.125 << "0,13";
        QTest::newRow("sete casas") << ',' << "0.0######" << 0.0000001 << "0,0000001";
        QTest::newRow("inteiro") << ',' << "0" << 300.0 << "300";
        QTest::newRow("altura") << '.' << "0.0" << 11.5784 << "11.6";
    }

    void ValorMostrado() {
        QFETCH(char, decimal);
        QFETCH(QString, formato);
        QFETCH(double, valor);
        QFETCH(QString, texto);
        RegionalTemporario regional({decimal, decimal == ',' ? '.' : ',', '/', "dd/mm/yyyy"});
        QCOMPARE(TextoDoValor(formato.toLatin1().constData(), valor, 0.0), texto);
    }

    // One key rule for the main window's fields and the reference dialogs' value boxes; a text of several
    // characters (an input method's) once slipped past the value boxes unfiltered.
    void RegraDaTecla_data() {
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("modificadores");
        QTest::addColumn<int>("efeito");
        QTest::addColumn<QString>("digitado");
        const int passa = TTeclaNumerica::Passa, digita = TTeclaNumerica::Digita, recusa = TTeclaNumerica::Recusa;
        QTest::newRow("dígito") << int(Qt::Key_7) << "7" << 0 << digita << "7";
        QTest::newRow("separador decimal") << int(Qt::Key_Comma) << "," << 0 << digita << ",";
        QTest::newRow("milhar vira decimal") << int(Qt::Key_Period) << "." << 0 << digita << ",";
        QTest::newRow("letra") << int(Qt::Key_A) << "a" << 0 << recusa << "";
        QTest::newRow("sinal de menos") << int(Qt::Key_Minus) << "-" << 0 << recusa << "";
        QTest::newRow("vários caracteres") << int(Qt::Key_unknown) << "12" << 0 << recusa << "";
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b" << 0 << passa << "";
        QTest::newRow("Enter") << int(Qt::Key_Return) << "\r" << 0 << passa << "";
        QTest::newRow("seta sem texto") << int(Qt::Key_Left) << "" << 0 << passa << "";
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << "v" << int(Qt::ControlModifier) << passa << "";
        QTest::newRow("acelerador Alt") << int(Qt::Key_C) << "c" << int(Qt::AltModifier) << passa << "";
    }

    void RegraDaTecla() {
        QFETCH(int, tecla);
        QFETCH(QString, texto);
        QFETCH(int, modificadores);
        QFETCH(int, efeito);
        QFETCH(QString, digitado);
        RegionalTemporario regional({',', '.', '/', "dd/mm/yyyy"});
        const QKeyEvent evento(QEvent::KeyPress, tecla, Qt::KeyboardModifiers(modificadores), texto);
        const TTeclaNumerica regra = RegraTeclaNumerica(evento);
        QCOMPARE(int(regra.efeito), efeito);
        if (efeito == TTeclaNumerica::Digita) QCOMPARE(QString(regra.caractere), digitado);
    }

    void SeparadoresDoLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<char>("decimal");
        QTest::addColumn<char>("milhar");
        QTest::addColumn<char>("data");
        QTest::addColumn<QString>("formatoData");
        QTest::newRow("Brasil") << "pt_BR" << ',' << '.' << '/' << "dd/mm/yyyy";
        // Regression: the C locale dated the reports "10 Dec 2026".
        QTest::newRow("C") << "C" << '.' << ',' << '/' << "dd/mm/yyyy";
        QTest::newRow("França: espaço fino no milhar") << "fr_FR" << ',' << '.' << '/' << "dd/mm/yyyy";
        QTest::newRow("Suíça: apóstrofo tipográfico") << "de_CH" << '.' << ',' << '.' << "dd.mm.yy";
    }

    void SeparadoresDoLocale() {
        QFETCH(QString, locale);
        QFETCH(char, decimal);
        QFETCH(char, milhar);
        QFETCH(char, data);
        QFETCH(QString, formatoData);
        const ConfiguracaoRegional regional = RegionalDoLocale(QLocale(locale));
        QCOMPARE(regional.SeparadorDecimal, decimal);
        QCOMPARE(regional.SeparadorMilhar, milhar);
        QCOMPARE(regional.SeparadorData, data);
        QCOMPARE(QString::fromStdString(regional.FormatoDataCurta), formatoData);
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteCamposNumericos)
#include "TesteCamposNumericos.moc"
