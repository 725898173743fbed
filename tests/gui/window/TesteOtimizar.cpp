// The goal-seek dialog where the user reaches it: "&Otimizar…" of the results page, "&Calcular" with the
// answer and its design, "&Aplicar" into the data-entry page, the refused target and the help. With
// TALVEK_TELAS set to a folder, the dialog is saved there as PNG.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ApoioJanela.h"
#include "common/CamposNumericos.h"
#include "GravadoresAjuda.h"
#include "dialogs/uOtimizar.h"
#include "platform/Numeros.h"
#include "project/BuscaMeta.h"
#include "window/uEntradaDados.h"
#include "window/uPrincipal.h"
#include "window/uResultados.h"

namespace talvek::gui::teste {

namespace {

void Calcular(TFPrincipal& j, Usuario& usuario, const char* projeto) {
    usuario.arquivosAbrir.append(QStringLiteral(TALVEK_DADOS_TESTE "/") + QString::fromLatin1(projeto));
    j.AbrirClick();
    j.CalcularClick();
    QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaResultados));
}

}  // namespace

class TesteOtimizar : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstalarTeclaF1(*qApp); }
    void init() { DefinirRegional(Virgula()); }

    // The answer shown is the core's search on the window's design; "&Aplicar" writes it into its field of
    // the data page (the spacing also into the vertical one, EV = EH · St) and shows that page.
    void CalcularEAplicar_data() {
        QTest::addColumn<bool>("comprimento");
        QTest::addColumn<bool>("teorica");
        QTest::addColumn<QString>("maximo");
        QTest::newRow("espaçamento, Hr") << false << false << QStringLiteral("20");
        QTest::newRow("comprimento, H") << true << true << QStringLiteral("5,5");
    }
    void CalcularEAplicar() {
        QFETCH(bool, comprimento);
        QFETCH(bool, teorica);
        QFETCH(QString, maximo);
        Usuario usuario;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        Calcular(j, usuario, "Encosta3Triangular.tvk");
        const TPedidoMeta pedido{comprimento ? TVariavelMeta::Comp : TVariavelMeta::EH,
                                 teorica ? TSaidaMeta::H : TSaidaMeta::Hr, ValorDoCampo(maximo, 0)};
        const TResultadoMeta esperado =
            BuscarMeta({j.CanalDrenagem, j.Terreno, j.Nimbal1.Precipitacao, j.Sistema}, pedido);
        QVERIFY(esperado.Valor);
        const QString valor = QString::number(*esperado.Valor);

        AoAbrirModal<TFOtimizar>([&](TFOtimizar& d) {
            QVERIFY(!d.BAplicar->isEnabled());
            (comprimento ? d.RComprimento : d.REspacamento)->click();
            (teorica ? d.RAlturaTeorica : d.RAlturaRecomendada)->click();
            Digitar(d.EdMaximo, maximo);
            d.BCalcular->click();
            QCOMPARE(d.LValor->text(), valor);
            QCOMPARE(d.LVazao->text(), QString::fromStdString(FormatarFloat("0.0#", esperado.Q)));
            QCOMPARE(d.LAlturaTeorica->text(), QString::fromStdString(FormatarFloat("0.0", 100 * esperado.H)));
            QCOMPARE(d.LAlturaRecomendada->text(), QString::fromStdString(FormatarFloat("0.0", esperado.Hr)));
            QCOMPARE(d.LAvaliacoes->text(), QString::number(esperado.Avaliacoes));
            QCOMPARE(d.LMensagem->text(), QString::fromStdString(esperado.Mensagem));
            GuardarTela(d, QStringLiteral("otimizar-") + (comprimento ? "comprimento" : "espacamento"));
            d.BAplicar->click();
        });
        j.Resultados->BOtimizar->click();
        QCOMPARE(usuario.Textos(), QStringList());
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaEntrada));
        if (comprimento) {
            QCOMPARE(j.Entrada->TComp->text(), valor);
            QCOMPARE(j.Entrada->Teh->text(), QStringLiteral("20,0"));
        } else {
            QCOMPARE(j.Entrada->Teh->text(), valor + QStringLiteral(",0"));
            QCOMPARE(j.Entrada->Tev->text(),
                     QString::fromStdString(FormatarFloat("0.0#", *esperado.Valor * j.Terreno.St())));
            QCOMPARE(j.Entrada->TComp->text(), QStringLiteral("100"));
        }
        QVERIFY(j.GerenteSys1.Alterado);
        // Calculating the page now gives the answer's design.
        j.CalcularClick();
        QCOMPARE(j.CanalDrenagem.Q(), esperado.Q);
        QCOMPARE(j.CanalDrenagem.H(), esperado.H);
        j.GerenteSys1.Alterado = false;
    }

    // A target of zero is refused and searches nothing; "&Fechar" leaves the data page as it was; F1 and
    // "Aj&uda" open the dialog's topic.
    void AlvoRecusadoFecharEAjuda() {
        Usuario usuario;
        AjudaPedida ajuda;
        JanelaDeTeste janela;
        TFPrincipal& j = *janela.janela;
        Calcular(j, usuario, "Inundacao2Trapezio.tvk");
        AoAbrirModal<TFOtimizar>([&](TFOtimizar& d) {
            Digitar(d.EdMaximo, QStringLiteral("0"));
            d.BCalcular->click();
            QCOMPARE(d.LMensagem->text(), QString());
            QVERIFY(!d.BAplicar->isEnabled());
            QTest::keyClick(d.EdMaximo, Qt::Key_F1);
            d.BAjuda->click();
            d.BFechar->click();
        });
        j.Resultados->BOtimizar->click();
        QCOMPARE(usuario.Textos(), QStringList{QStringLiteral("Informe a altura máxima, em cm, maior que zero.")});
        QCOMPARE(ajuda.pedidos, (QStringList{QStringLiteral("topico 143"), QStringLiteral("topico 143")}));
        QCOMPARE(j.PaginaAtual(), int(TFPrincipal::PaginaResultados));
        QCOMPARE(j.Entrada->Teh->text(), QStringLiteral("20,0"));
        j.GerenteSys1.Alterado = false;
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteOtimizar)
#include "TesteOtimizar.moc"
