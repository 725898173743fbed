// The query component: the checks before the dialog, the values taken over on Fechar, nothing changed on
// Cancel or on a place without parameters, and the "Consulta" button of the data-entry page.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "ApoioInterface.h"
#include "ApoioJanela.h"
#include "platform/Numeros.h"
#include "platform/Regional.h"
#include "query/FoConsulta.h"
#include "query/Nimbal21.h"
#include "rainfall/UnBD.h"
#include "window/uEntradaDados.h"

using namespace talvek;
using namespace talvek::gui;
using namespace talvek::gui::teste;

namespace {

const QString kPastaPrograma = QStringLiteral(TALVEK_PASTA_PROGRAMA_DADOS);
const std::string kPastaDados = TALVEK_ARQUIVOS_COMUNS;
constexpr int kMinasGerais = 12;
constexpr int kAmapa = 2;

// What the component holds, as one comparable text.
QString Estado(const gui::TNimbal21& n) {
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
        .arg(n.IndEstado)
        .arg(n.IndEstacao)
        .arg(n.IndLocalidade)
        .arg(QString::fromStdString(n.StrEstado), QString::fromStdString(n.StrCidade),
             QString::fromStdString(n.Latitude), QString::fromStdString(n.Longitude),
             QString::fromStdString(n.Autoria()))
        .append(QStringLiteral("|%1 %2 %3 %4")
                    .arg(n.Precipitacao.K())
                    .arg(n.Precipitacao.A())
                    .arg(n.Precipitacao.B())
                    .arg(n.Precipitacao.C()));
}

}  // namespace

class TesteNimbal21 : public QObject {
    Q_OBJECT

private slots:
    // The folder and the two files are checked in this order, each with its own message.
    void BancoAusente_data() {
        QTest::addColumn<QStringList>("presentes");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("sem pasta") << QStringList{}
                                   << QStringLiteral("Erro. Não foi possível localizar a pasta contendo o banco de dados.");
        QTest::newRow("pasta vazia")
            << QStringList{QStringLiteral(".")}
            << QStringLiteral("Erro. Não foi possível localizar o banco de dados contendo os estados.");
        QTest::newRow("só estações")
            << QStringList{QStringLiteral("."), QStringLiteral("Estados_Nim21.bin")}
            << QStringLiteral("Erro. Não foi possível localizar o banco de dados contendo as localidades.");
    }
    void BancoAusente() {
        QFETCH(QStringList, presentes);
        QFETCH(QString, mensagem);
        QTemporaryDir raiz;
        QDir(raiz.path()).mkdir(QStringLiteral("Talvek2"));
        const QDir dados(raiz.filePath(QStringLiteral("Arquivos Comuns")));
        for (const QString& item : presentes) {
            if (item == QStringLiteral("."))
                QDir().mkpath(dados.path());
            else
                QVERIFY(QFile::copy(QString::fromStdString(kPastaDados) + item, dados.filePath(item)));
        }
        gui::TNimbal21 nimbal;
        nimbal.PastaPrograma = raiz.filePath(QStringLiteral("Talvek2"));
        nimbal.IndEstado = kMinasGerais;
        try {
            nimbal.Executar(nullptr);
            QFAIL("no exception");
        } catch (const Exception& erro) {
            QCOMPARE(QString::fromUtf8(erro.what()), mensagem);
        }
    }

    // A fresh component has no state: the query refuses to open.
    void SemEstadoRecusa() {
        gui::TNimbal21 nimbal;
        nimbal.PastaPrograma = kPastaPrograma;
        try {
            nimbal.Executar(nullptr);
            QFAIL("no exception");
        } catch (const Exception& erro) {
            QCOMPARE(QString::fromUtf8(erro.what()), QStringLiteral("É necessário entrar com um índice para o estado"));
        }
    }

    // Fechar takes over the station shown: its parameters, coordinates, name, position and key.
    void FecharTomaAEstacao() {
        RegionalTemporario regional({',', '.', '/', "dd/mm/yyyy"});
        gui::TNimbal21 nimbal;
        nimbal.PastaPrograma = kPastaPrograma;
        nimbal.IndEstado = kMinasGerais;
        nimbal.IndEstacao = 2;
        QPrinter impressora;
        nimbal.Impressora = &impressora;
        std::string nome;
        QPrinter* doDialogo = nullptr;
        AoAbrirModal<TfrmFoConsulta>([&nome, &doDialogo](TfrmFoConsulta& d) {
            nome = d.LBEstacao->item(2)->text().toStdString();
            doDialogo = d.Impressora;  // the query report prints on the program's printer
            d.BtnOkClick();
        });
        QVERIFY(nimbal.Executar(nullptr));
        QCOMPARE(doDialogo, &impressora);

        TBDPrecipitacao bd(kPastaDados);
        bd.LerEstacoes();
        const auto& estacoes = bd.Estacoes(kMinasGerais);
        const auto e = std::find_if(estacoes.begin(), estacoes.end(), [&](const TEstacao& x) { return x.Nome == nome; });
        QVERIFY(e != estacoes.end());
        QCOMPARE(nimbal.Precipitacao.K(), e->K);
        QCOMPARE(nimbal.Precipitacao.A(), e->A);
        QCOMPARE(nimbal.Precipitacao.B(), e->B);
        QCOMPARE(nimbal.Precipitacao.C(), e->C);
        QCOMPARE(nimbal.Latitude, e->Latitude);
        QCOMPARE(nimbal.Longitude, e->Longitude);
        QCOMPARE(nimbal.StrCidade, e->Nome);
        QCOMPARE(nimbal.StrEstado, std::string("Minas Gerais"));
        QCOMPARE(nimbal.IndEstacao, 2);
        QCOMPARE(nimbal.IndLocalidade, -1);
        QVERIFY(!nimbal.Autoria().empty());
    }

    // Cancel changes nothing, preset coordinates and parameters included.
    void CancelarNaoMudaNada() {
        gui::TNimbal21 nimbal;
        nimbal.PastaPrograma = kPastaPrograma;
        nimbal.IndEstado = kMinasGerais;
        nimbal.IndEstacao = -1;
        nimbal.IndLocalidade = 4;
        nimbal.Precipitacao.SetK(1000);
        nimbal.Latitude = "19°55'00\"";
        const QString antes = Estado(nimbal);
        AoAbrirModal<TfrmFoConsulta>([](TfrmFoConsulta& d) { d.BtnCancel->click(); });
        QVERIFY(!nimbal.Executar(nullptr));
        QCOMPARE(Estado(nimbal), antes);
    }

    // Regression: Fechar on a state without stations took the state over and then failed on the empty
    // parameters, leaving the new state with the old place and parameters.
    void FecharSemParametrosNaoMudaNada() {
        gui::TNimbal21 nimbal;
        nimbal.PastaPrograma = kPastaPrograma;
        nimbal.IndEstado = kMinasGerais;
        nimbal.Precipitacao.SetK(1000);
        const QString antes = Estado(nimbal);
        AoAbrirModal<TfrmFoConsulta>([](TfrmFoConsulta& d) {
            d.Estados->setCurrentIndex(kAmapa);
            d.EstadosClick();
            d.BtnOkClick();
        });
        QVERIFY_THROWS_EXCEPTION(Exception, nimbal.Executar(nullptr));
        QCOMPARE(Estado(nimbal), antes);
    }

    // "Consulta" on the data-entry page: Fechar fills K, a, b, c and the coordinates and marks the project
    // modified; Cancel leaves the page and the project as they were.
    void ConsultaNaPaginaDeEntrada() {
        RegionalTemporario regional({',', '.', '/', "dd/mm/yyyy"});
        Usuario usuario;
        JanelaDeTeste janela;
        NovoProjeto(*janela.janela);
        janela->Nimbal1.PastaPrograma = kPastaPrograma;
        janela->Nimbal1.IndEstado = kMinasGerais;
        TPaginaEntrada& pagina = *janela->Entrada;
        QVERIFY(pagina.BConsulta->isEnabled());

        Digitar(pagina.PrecK, QStringLiteral("1234"));
        Digitar(pagina.TTr, QStringLiteral("25"));
        janela->GerenteSys1.Alterado = false;
        double trDaConsulta = 0;  // the page's return period reaches the query's IDF curves
        AoAbrirModal<TfrmFoConsulta>([&](TfrmFoConsulta& d) {
            trDaConsulta = d.TrProjeto;
            d.BtnCancel->click();
        });
        pagina.BConsulta->click();
        QCOMPARE(trDaConsulta, 25.0);
        QCOMPARE(pagina.PrecK->text(), QStringLiteral("1234"));
        QCOMPARE(pagina.PrecA->text(), QString());
        QVERIFY(!janela->GerenteSys1.Alterado);

        AoAbrirModal<TfrmFoConsulta>([](TfrmFoConsulta& d) { d.BtnOkClick(); });
        pagina.BConsulta->click();
        QVERIFY(usuario.caixas.isEmpty());
        const TPrecipitacaoExponencialNegativa& p = janela->Nimbal1.Precipitacao;
        QVERIFY(p.K() > 0 && p.K() != 1234);
        QCOMPARE(pagina.PrecK->text(), QString::fromStdString(FormatarFloat("0.0######", p.K())));
        QCOMPARE(pagina.PrecC->text(), QString::fromStdString(FormatarFloat("0.0######", p.C())));
        QCOMPARE(pagina.TextoCoordenada(*pagina.PrecLa1), QString::fromStdString(janela->Nimbal1.Latitude));
        QVERIFY(janela->GerenteSys1.Alterado);
    }
};

QTEST_MAIN(TesteNimbal21)
#include "TesteNimbal21.moc"
