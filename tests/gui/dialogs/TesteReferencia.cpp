// The reference-value dialog over the four table descriptions, and its component: the values shown, the
// row chosen or typed over, the OK state, the refusals, the slope unit, OK and Cancel.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "TesteReferenciaApoio.h"
#include "common/CampoNumerico.h"
#include "dialogs/Referencia.h"
#include "platform/Excecoes.h"

using namespace talvek;
using namespace talvek::gui;
using namespace talvek::gui::teste;

namespace {

using Tabela = const DescricaoReferencia*;

// One action of the user on the open dialog.
struct Passo {
    enum Tipo { Linha, Colar, Teclar } tipo;
    int linha = 0;  // Linha: the row whose button is clicked
    QString texto;  // Colar: put in the box without a key (pasting, clearing); Teclar: the keys typed
};
using Passos = QList<Passo>;

Passo Clicar(int linha) { return {Passo::Linha, linha, {}}; }
Passo Colar(const QString& texto) { return {Passo::Colar, 0, texto}; }
Passo Teclar(const QString& teclas) { return {Passo::Teclar, 0, teclas}; }

// "%" and "m/m" with their multipliers; "" leaves the unit of a table that has none.
UnidadeDeclive Unidade(const QString& nome) {
    if (nome.isEmpty()) return {};
    return {nome.toStdString(), nome == QStringLiteral("%") ? 100 : 1};
}

QRadioButton* Opcao(TFReferencia& dialogo, const DescricaoReferencia& tabela, int linha) {
    return dialogo.findChild<QRadioButton*>(QString::fromUtf8(tabela.nomeOpcao) + QString::number(linha));
}
TCampoNumerico* Caixa(TFReferencia& dialogo) { return dialogo.findChild<TCampoNumerico*>(); }
QPushButton* Botao(TFReferencia& dialogo, const char* nome) {
    return dialogo.findChild<QPushButton*>(QString::fromUtf8(nome));
}
QPushButton* Ok(TFReferencia& dialogo) { return Botao(dialogo, "OK"); }

void Executar(TFReferencia& dialogo, const DescricaoReferencia& tabela, const Passos& passos) {
    for (const Passo& passo : passos) {
        if (passo.tipo == Passo::Linha) Opcao(dialogo, tabela, passo.linha)->click();
        if (passo.tipo == Passo::Colar) Caixa(dialogo)->setText(passo.texto);
        if (passo.tipo == Passo::Teclar) QTest::keyClicks(Caixa(dialogo), passo.texto);
    }
}

// Fails unless exactly row `linha` is checked (0: none).
void VerificarLinhaMarcada(TFReferencia& dialogo, const DescricaoReferencia& tabela, int linha) {
    for (int outra = 1; outra <= static_cast<int>(tabela.linhas.size()); ++outra)
        QCOMPARE(Opcao(dialogo, tabela, outra)->isChecked(), outra == linha);
}

}  // namespace

class TesteReferencia : public QObject {
    Q_OBJECT

    Usuario semMensagensNaTela_;

private slots:
    // The cells of the value column: numbers in the regional settings and the slope unit, the handbook's
    // texts as printed.
    void ValoresDaTabela_data() {
        QTest::addColumn<Tabela>("tabela");
        QTest::addColumn<char>("decimal");
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<QStringList>("valores");
        QTest::newRow("z, comma") << &kTabelaZ << ',' << ""
                                  << QStringList{" 0,25", " 0,50", " 1,00", " 1,50", " 2,50", "---"};
        QTest::newRow("z, point") << &kTabelaZ << '.' << ""
                                  << QStringList{" 0.25", " 0.50", " 1.00", " 1.50", " 2.50", "---"};
        QTest::newRow("sm, % comma") << &kTabelaSm << ',' << "%"
                                     << QStringList{" 72,1", " 67,9", " 66,7", " 21,3", " 17,0", " 16,4",
                                                    " 18,6 a  22,1", " 41,8"};
        QTest::newRow("sm, m/m point") << &kTabelaSm << '.' << "m/m"
                                       << QStringList{" 0.721", " 0.679", " 0.667", " 0.213", " 0.170", " 0.164",
                                                      " 0.186 a  0.221", " 0.418"};
        QTest::newRow("rugcan, point: the handbook's comma") << &kTabelaRugCan << '.' << ""
            << QStringList{"0,018", "0,022", "0,025", "0,027", "0,025", "0,030", "0,035", "0,030", "0,035"};
    }
    void ValoresDaTabela() {
        QFETCH(Tabela, tabela);
        QFETCH(char, decimal);
        QFETCH(QString, unidade);
        QFETCH(QStringList, valores);
        RegionalTemporario regional(Separadores(decimal));
        TFReferencia dialogo(*tabela);
        dialogo.Preparar(0, 0, 0.0, Unidade(unidade));
        dialogo.show();
        QStringList mostrados;
        for (int linha = 1; linha <= static_cast<int>(tabela->linhas.size()); ++linha)
            mostrados.append(dialogo.findChild<QLabel*>(QStringLiteral("Valor%1").arg(linha))->text());
        QCOMPARE(mostrados, valores);
    }

    // The dialog prepared with a row and a value, the user's actions, and then: the box, the checked row
    // and the OK state; what OK returns (a disabled OK leaves the dialog open) and the row checked after.
    void EscolhaOuValorDigitado_data() {
        QTest::addColumn<Tabela>("tabela");
        QTest::addColumn<char>("decimal");
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<int>("indice");
        QTest::addColumn<double>("valor");
        QTest::addColumn<Passos>("passos");
        QTest::addColumn<QString>("caixa");
        QTest::addColumn<int>("marcada");
        QTest::addColumn<bool>("okHabilitado");
        QTest::addColumn<int>("indiceOk");
        QTest::addColumn<double>("valorOk");
        QTest::addColumn<int>("marcadaAposOk");
        const Tabela rugCan = &kTabelaRugCan;
        const Tabela rugTer = &kTabelaRugTer;
        const Tabela z = &kTabelaZ;
        const Tabela sm = &kTabelaSm;
        // A typed value unchecks the row of the channel roughness.
        QTest::newRow("rugcan: row 7 as chosen")
            << rugCan << ',' << "" << 0 << 0.0 << Passos{Clicar(7)} << "0,035" << 7 << true << 7 << 0.035 << 7;
        QTest::newRow("rugcan: a digit typed over row 7")
            << rugCan << ',' << "" << 0 << 0.0 << Passos{Clicar(7), Teclar("1")} << "0,0351" << 0 << true << 0
            << 0.0351 << 0;
        QTest::newRow("rugcan: backspace typed over row 7")
            << rugCan << '.' << "" << 0 << 0.0 << Passos{Clicar(7), Teclar("\b")} << "0.03" << 0 << true << 0 << 0.03
            << 0;
        QTest::newRow("rugcan: a refused key keeps row 7")
            << rugCan << '.' << "" << 0 << 0.0 << Passos{Clicar(7), Teclar("a")} << "0.035" << 7 << true << 7
            << 0.035 << 7;
        QTest::newRow("rugcan: normal value of the row")
            << rugCan << ',' << "" << 3 << 0.0 << Passos{} << "0,025" << 3 << true << 3 << 0.025 << 3;
        QTest::newRow("rugcan: stored value")
            << rugCan << ',' << "" << 9 << 0.038 << Passos{} << "0,038" << 9 << true << 9 << 0.038 << 9;
        QTest::newRow("rugcan: nothing stored")
            << rugCan << ',' << "" << 0 << 0.0 << Passos{} << "" << 0 << false << 0 << 0.0 << 0;
        QTest::newRow("rugcan: a pasted value keeps the row")
            << rugCan << '.' << "" << 0 << 0.0 << Passos{Clicar(4), Colar("0.03")} << "0.03" << 4 << true << 4
            << 0.03 << 4;
        // The terrain roughness leaves the row checked under a typed value.
        QTest::newRow("rugter: row value, comma")
            << rugTer << ',' << "" << 5 << 0.0 << Passos{} << "0,120" << 5 << true << 5 << 0.12 << 5;
        QTest::newRow("rugter: row value, point")
            << rugTer << '.' << "" << 5 << 0.0 << Passos{} << "0.120" << 5 << true << 5 << 0.12 << 5;
        QTest::newRow("rugter: stored value replaces the row's")
            << rugTer << ',' << "" << 5 << 0.13 << Passos{} << "0,13" << 5 << true << 5 << 0.13 << 5;
        QTest::newRow("rugter: typed value, no row")
            << rugTer << '.' << "" << 0 << 0.045 << Passos{} << "0.045" << 0 << true << 0 << 0.045 << 0;
        QTest::newRow("rugter: last row")
            << rugTer << ',' << "" << 19 << 0.0 << Passos{} << "0,200" << 19 << true << 19 << 0.2 << 19;
        QTest::newRow("rugter: row out of range checks none")
            << rugTer << '.' << "" << 20 << 0.0 << Passos{} << "" << 0 << false << 0 << 0.0 << 0;
        QTest::newRow("rugter: choosing row 14")
            << rugTer << ',' << "" << 0 << 0.0 << Passos{Clicar(14)} << "0,035" << 14 << true << 14 << 0.035 << 14;
        QTest::newRow("rugter: a typed value leaves row 14 checked")
            << rugTer << ',' << "" << 0 << 0.0 << Passos{Clicar(14), Teclar("\b8")} << "0,038" << 14 << true << 0
            << 0.038 << 14;
        QTest::newRow("rugter: a refused key keeps the row")
            << rugTer << '.' << "" << 0 << 0.0 << Passos{Clicar(9), Teclar("x")} << "0.120" << 9 << true << 9 << 0.12
            << 9;
        QTest::newRow("rugter: OK waits for a value")
            << rugTer << '.' << "" << 0 << 0.0 << Passos{} << "" << 0 << false << 0 << 0.0 << 0;
        QTest::newRow("rugter: a digit enables OK")
            << rugTer << '.' << "" << 0 << 0.0 << Passos{Teclar("1")} << "1" << 0 << true << 0 << 1.0 << 0;
        QTest::newRow("rugter: backspace empties the box")
            << rugTer << '.' << "" << 0 << 0.0 << Passos{Teclar("1\b")} << "" << 0 << false << 0 << 0.0 << 0;
        // Z: a typed value checks " Ou&tros", row 6, which has no value of its own.
        QTest::newRow("z: row value")
            << z << '.' << "" << 3 << 0.0 << Passos{} << " 1.00" << 3 << true << 3 << 1.0 << 3;
        QTest::newRow("z: stored value over the row's")
            << z << '.' << "" << 4 << 1.25 << Passos{} << "1.25" << 4 << true << 4 << 1.25 << 4;
        QTest::newRow("z: a digit switches to Outros")
            << z << '.' << "" << 2 << 0.0 << Passos{Teclar("1")} << " 0.501" << 6 << true << 6 << 0.501 << 6;
        QTest::newRow("z: a refused key keeps the row")
            << z << '.' << "" << 2 << 0.0 << Passos{Teclar("x")} << " 0.50" << 2 << true << 2 << 0.5 << 2;
        QTest::newRow("z: Outros with its value")
            << z << '.' << "" << 6 << 0.75 << Passos{} << "0.75" << 6 << true << 6 << 0.75 << 6;
        QTest::newRow("z: nothing stored, typed")
            << z << '.' << "" << 0 << 0.0 << Passos{Teclar("3")} << "3" << 6 << true << 6 << 3.0 << 6;
        QTest::newRow("z: OK waits for a value")
            << z << '.' << "" << 0 << 0.0 << Passos{} << "" << 0 << false << 0 << 0.0 << 0;
        QTest::newRow("z: Outros puts no value")
            << z << '.' << "" << 0 << 0.0 << Passos{Clicar(6)} << "" << 6 << false << 0 << 0.0 << 0;
        QTest::newRow("z: the dashes of Outros are no value")
            << z << '.' << "" << 0 << 0.0 << Passos{Clicar(6), Colar("---")} << "---" << 6 << false << 0 << 0.0 << 0;
        QTest::newRow("z: a row after the dashes")
            << z << '.' << "" << 0 << 0.0 << Passos{Clicar(6), Colar("---"), Clicar(1)} << " 0.25" << 1 << true << 1
            << 0.25 << 1;
        // Sm: any key makes the value typed (−1) except over the range of row 7; OK unchecks the row.
        QTest::newRow("sm: row 3 as shown")
            << sm << '.' << "%" << 0 << 0.0 << Passos{Clicar(3)} << " 66.7" << 3 << true << 3 << 66.7 << 0;
        QTest::newRow("sm: typed after row 3")
            << sm << '.' << "%" << 0 << 0.0 << Passos{Clicar(3), Colar(""), Teclar("50")} << "50" << 3 << true << -1
            << 50.0 << 0;
        QTest::newRow("sm: a refused key still makes it typed")
            << sm << '.' << "%" << 0 << 0.0 << Passos{Clicar(3), Teclar("x")} << " 66.7" << 3 << true << -1 << 66.7
            << 0;
        QTest::newRow("sm: typed over the range keeps row 7")
            << sm << '.' << "%" << 0 << 0.0 << Passos{Clicar(7), Colar(""), Teclar("20.5")} << "20.5" << 7 << true
            << 7 << 20.5 << 0;
        QTest::newRow("sm: typed value")
            << sm << '.' << "%" << -1 << 5.0 << Passos{} << "5" << 0 << true << -1 << 5.0 << 0;
        QTest::newRow("sm: row value")
            << sm << '.' << "%" << 8 << 0.0 << Passos{} << " 41.8" << 8 << true << 8 << 41.8 << 0;
        QTest::newRow("sm: stored value over the range")
            << sm << '.' << "%" << 7 << 20.0 << Passos{} << "20" << 7 << true << 7 << 20.0 << 0;
        QTest::newRow("sm: the range of row 7 is no value")
            << sm << ',' << "%" << 0 << 0.0 << Passos{Clicar(7)} << " 18,6 a  22,1" << 7 << false << 0 << 0.0 << 0;
    }
    void EscolhaOuValorDigitado() {
        QFETCH(Tabela, tabela);
        QFETCH(char, decimal);
        QFETCH(QString, unidade);
        QFETCH(int, indice);
        QFETCH(double, valor);
        QFETCH(Passos, passos);
        QFETCH(QString, caixa);
        QFETCH(int, marcada);
        QFETCH(bool, okHabilitado);
        QFETCH(int, indiceOk);
        QFETCH(double, valorOk);
        QFETCH(int, marcadaAposOk);
        RegionalTemporario regional(Separadores(decimal));
        TFReferencia dialogo(*tabela);
        dialogo.Preparar(0, static_cast<std::int16_t>(indice), valor, Unidade(unidade));
        dialogo.show();
        Executar(dialogo, *tabela, passos);
        QCOMPARE(Caixa(dialogo)->text(), caixa);
        VerificarLinhaMarcada(dialogo, *tabela, marcada);
        QCOMPARE(Ok(dialogo)->isEnabled(), okHabilitado);
        Ok(dialogo)->click();
        QCOMPARE(dialogo.isVisible(), !okHabilitado);
        if (!okHabilitado) return;
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
        QCOMPARE(dialogo.Indice(), std::int16_t(indiceOk));
        QCOMPARE(dialogo.Valor(), valorOk);
        VerificarLinhaMarcada(dialogo, *tabela, marcadaAposOk);
    }

    // The box takes only digits and the decimal separator.
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
        TFReferencia dialogo(kTabelaRugTer);
        dialogo.show();
        QTest::keyClicks(Caixa(dialogo), teclas);
        QCOMPARE(Caixa(dialogo)->text(), texto);
    }

    // OK refuses the box's text with a message and leaves the dialog open; the corrected value is then
    // accepted.
    void OkRecusado_data() {
        QTest::addColumn<Tabela>("tabela");
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<Passos>("passos");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<Icone>("icone");
        QTest::addColumn<Passos>("correcao");
        QTest::addColumn<int>("indiceOk");
        QTest::addColumn<double>("valorOk");
        // Two decimal separators can only come by pasting.
        QTest::newRow("rugter: not a number")
            << &kTabelaRugTer << "" << Passos{Colar("0,1,2")} << "'0,1,2' não é um valor numérico válido."
            << Icone::Erro << Passos{Colar("0,1")} << 0 << 0.1;
        QTest::newRow("sm: too long over the range of row 7")
            << &kTabelaSm << "%" << Passos{Clicar(7), Colar(""), Teclar("19,255")}
            << "Valor de Sm inconsistente. Forneça um valor compreendido entre:[18,6 .. 22,1]." << Icone::Aviso
            << Passos{Teclar("\b")} << 7 << 19.25;
    }
    void OkRecusado() {
        QFETCH(Tabela, tabela);
        QFETCH(QString, unidade);
        QFETCH(Passos, passos);
        QFETCH(QString, mensagem);
        QFETCH(Icone, icone);
        QFETCH(Passos, correcao);
        QFETCH(int, indiceOk);
        QFETCH(double, valorOk);
        RegionalTemporario regional(Separadores(','));
        Usuario interface;
        TFReferencia dialogo(*tabela);
        dialogo.Preparar(0, 0, 0.0, Unidade(unidade));
        dialogo.show();
        Executar(dialogo, *tabela, passos);
        QVERIFY(Ok(dialogo)->isEnabled());
        Ok(dialogo)->click();
        QVERIFY(dialogo.isVisible());
        QCOMPARE(interface.caixas.size(), 1);
        QCOMPARE(interface.caixas[0].texto, mensagem);
        QCOMPARE(interface.caixas[0].icone, icone);
        Executar(dialogo, *tabela, correcao);
        Ok(dialogo)->click();
        QCOMPARE(interface.caixas.size(), 1);
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
        QCOMPARE(dialogo.Indice(), std::int16_t(indiceOk));
        QCOMPARE(dialogo.Valor(), valorOk);
    }

    // The box of the Sm table selects its text whenever it takes the focus, even by the mouse.
    void EntrarNaCaixa_data() {
        QTest::addColumn<Tabela>("tabela");
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("selecionado");
        QTest::newRow("sm selects all") << &kTabelaSm << "m/m" << 2 << " 0.679";
        QTest::newRow("rugcan selects nothing") << &kTabelaRugCan << "" << 3 << "";
    }
    void EntrarNaCaixa() {
        QFETCH(Tabela, tabela);
        QFETCH(QString, unidade);
        QFETCH(int, indice);
        QFETCH(QString, selecionado);
        TFReferencia dialogo(*tabela);
        dialogo.Preparar(0, static_cast<std::int16_t>(indice), 0.0, Unidade(unidade));
        dialogo.show();
        QApplication::setActiveWindow(&dialogo);
        Ok(dialogo)->setFocus();
        Caixa(dialogo)->setFocus(Qt::MouseFocusReason);
        QVERIFY(!Caixa(dialogo)->text().isEmpty());
        QCOMPARE(Caixa(dialogo)->selectedText(), selecionado);
    }

    void UnidadeEMultiplicadorVerificados_data() {
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<int>("multiplicador");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("no unit") << "" << 100 << "É necessário entrar com uma unidade de declividade (% ou m/m)";
        QTest::newRow("unknown unit")
            << "cm/m" << 100 << "É necessário entrar com uma unidade de declividade (% ou m/m)";
        QTest::newRow("bad multiplier")
            << "%" << 10 << "É necessário entrar com um multiplicador de unidade de declividade (1 ou 100)";
    }
    void UnidadeEMultiplicadorVerificados() {
        QFETCH(QString, unidade);
        QFETCH(int, multiplicador);
        QFETCH(QString, mensagem);
        TReferencia componente(kTabelaSm);
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

    // Cancel and closing after choosing a row change nothing; OK, after asking for help, returns the row
    // and its value.
    void ExecutarCopiaSoAoConfirmar_data() {
        QTest::addColumn<Tabela>("tabela");
        QTest::addColumn<int>("helpContext");
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<int>("indice");
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("linha");
        QTest::addColumn<double>("valorOk");
        QTest::newRow("rugcan") << &kTabelaRugCan << 109 << "" << 1 << 0.018 << 7 << 0.035;
        QTest::newRow("rugter") << &kTabelaRugTer << 111 << "" << 2 << 0.11 << 12 << 0.15;
        QTest::newRow("rugter, other row") << &kTabelaRugTer << 0 << "" << 7 << 0.08 << 13 << 0.2;
        QTest::newRow("z") << &kTabelaZ << 137 << "" << 5 << 2.5 << 1 << 0.25;
        QTest::newRow("sm") << &kTabelaSm << 138 << "%" << -1 << 40.0 << 1 << 72.1;
    }
    void ExecutarCopiaSoAoConfirmar() {
        QFETCH(Tabela, tabela);
        QFETCH(int, helpContext);
        QFETCH(QString, unidade);
        QFETCH(int, indice);
        QFETCH(double, valor);
        QFETCH(int, linha);
        QFETCH(double, valorOk);
        RegionalTemporario regional(Separadores('.'));
        AjudaPedida ajuda;
        TReferencia componente(*tabela);
        componente.HelpContext = helpContext;
        componente.UDeclive = Unidade(unidade).nome;
        componente.KDeclive = Unidade(unidade).multiplicador;
        componente.Indice = static_cast<std::int16_t>(indice);
        componente.Valor = valor;
        for (const bool fechar : {false, true}) {
            AoAbrirReferencia(*tabela, [tabela, linha, fechar](TFReferencia& dialogo) {
                Opcao(dialogo, *tabela, linha)->click();
                if (fechar)
                    dialogo.close();
                else
                    Botao(dialogo, "Cancela")->click();
            });
            QVERIFY(!componente.Executar(nullptr));
            QCOMPARE(componente.Indice, std::int16_t(indice));
            QCOMPARE(componente.Valor, valor);
        }
        QVERIFY(ajuda.pedidos.isEmpty());

        AoAbrirReferencia(*tabela, [tabela, linha](TFReferencia& dialogo) {
            Botao(dialogo, "BtnAjuda")->click();
            Opcao(dialogo, *tabela, linha)->click();
            Ok(dialogo)->click();
        });
        QVERIFY(componente.Executar(nullptr));
        QCOMPARE(ajuda.pedidos, QStringList{QStringLiteral("topico %1").arg(helpContext)});
        QCOMPARE(componente.Indice, std::int16_t(linha));
        QCOMPARE(componente.Valor, valorOk);
    }
};

QTEST_MAIN(TesteReferencia)
#include "TesteReferencia.moc"
