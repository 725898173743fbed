// The data-entry page: the key filter, the spacing fields linked through the slope, the slope mirrored in
// the triangular channel, the channel switch, the display units, the fields moved into the model and back,
// the length limit and the emptiness check.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <functional>

#include "ApoioJanela.h"
#include "query/FoCurvasIdf.h"
#include "project/Projeto.h"
#include "window/uEntradaDados.h"
#include "window/uResultados.h"

namespace talvek::gui::teste {

namespace {

void EscolherCanal(TPaginaEntrada& e, int tipo) {
    e.Canal->setCurrentIndex(tipo);
    emit e.Canal->activated(tipo);
}

void EscolherSistema(TPaginaEntrada& e, int item) {
    e.CBSistema->setCurrentIndex(item);
    emit e.CBSistema->activated(item);
}

// Every required field filled (comma decimals), trapezoidal channel, system type 2.
void PreencherTudo(TPaginaEntrada& e) {
    for (auto [campo, texto] : {std::pair{e.TTempo, "24"}, {e.TTr, "10"}, {e.PrecK, "1000"}, {e.PrecA, "0,2"},
                                {e.PrecB, "10"}, {e.PrecC, "0,8"}, {e.Tsc, "0,002"}, {e.TComp, "100"},
                                {e.RugCan, "0,03"}, {e.Bst, "0,5"}, {e.Zsm, "1"}, {e.TDecli, "0,02"},
                                {e.RugTer, "0,1"}, {e.Teh, "20"}, {e.TVib, "20"}})
        Digitar(campo, QString::fromLatin1(texto));
}

}  // namespace

class TesteEntradaDados : public QObject {
    Q_OBJECT

    std::unique_ptr<JanelaDeTeste> janela_;
    TPaginaEntrada* e_ = nullptr;

    void Novo() {
        NovoProjeto(*janela_->janela);
        e_ = janela_->janela->Entrada;
    }

private slots:
    void init() {
        DefinirRegional(Virgula());
        janela_ = std::make_unique<JanelaDeTeste>();
        Novo();
    }
    void cleanup() {
        (*janela_)->GerenteSys1.Alterado = false;
        janela_.reset();
    }

    void FiltroDeTeclas() {
        TGerenteSys& g = (*janela_)->GerenteSys1;
        QVERIFY(!g.Alterado);
        e_->TVib->setFocus();
        QTest::keyClick(e_->TVib, Qt::Key_X);
        QVERIFY(g.Alterado);  // a refused key marks the project too
        QCOMPARE(e_->TVib->text(), QString());
        QTest::keyClicks(e_->TVib, QStringLiteral("1a.5-"));
        QCOMPARE(e_->TVib->text(), QStringLiteral("1,5"));  // "." is the thousands separator here
        QTest::keyClick(e_->TVib, Qt::Key_Backspace);
        QCOMPARE(e_->TVib->text(), QStringLiteral("1,"));

        DefinirRegional(Ponto());
        Digitar(e_->PrecK, QStringLiteral("2,5e"));
        QCOMPARE(e_->PrecK->text(), QStringLiteral("2.5"));

        // The masked coordinates take digits only.
        Digitar(e_->PrecLa1, QStringLiteral("21a1400"));
        QCOMPARE(TPaginaEntrada::TextoCoordenada(*e_->PrecLa1), QStringLiteral("21°14'00\""));
        e_->PrecLo1->clear();
        QCOMPARE(TPaginaEntrada::TextoCoordenada(*e_->PrecLo1), QStringLiteral("  °  '  \""));
    }

    void EspacamentosLigadosPelaDeclividade_data() {
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<int>("fator");
        QTest::addColumn<QString>("declividade");
        QTest::newRow("%") << "%" << 100 << "2";
        QTest::newRow("m/m") << "m/m" << 1 << "0,02";
    }

    void EspacamentosLigadosPelaDeclividade() {
        QFETCH(QString, unidade);
        QFETCH(int, fator);
        QFETCH(QString, declividade);
        (*janela_)->Unidades.UDecli = unidade.toStdString();
        (*janela_)->Unidades.KDecli = fator;
        Novo();
        QCOMPARE(e_->UnidDecli->text(), unidade);
        QVERIFY(!e_->Teh->isEnabled());
        QVERIFY(!e_->Tev->isEnabled());

        Digitar(e_->TDecli, declividade);
        QVERIFY(e_->Teh->isEnabled());
        QVERIFY(e_->Tev->isEnabled());
        QCOMPARE((*janela_)->Terreno.St(), 0.02);

        Digitar(e_->Teh, QStringLiteral("10"));
        QCOMPARE(e_->Tev->text(), QStringLiteral("0,2"));
        Digitar(e_->Tev, QStringLiteral("0,5"));
        QCOMPARE(e_->Teh->text(), QStringLiteral("25,0"));

        // A key in the slope discards both spacings; an empty or zero slope disables them.
        e_->TDecli->setFocus();
        QTest::keyClick(e_->TDecli, Qt::Key_X);
        QCOMPARE(e_->Teh->text(), QString());
        QCOMPARE(e_->Tev->text(), QString());
        Digitar(e_->TDecli, QStringLiteral("0"));
        QVERIFY(!e_->Teh->isEnabled());
        Digitar(e_->TDecli, declividade);
        QVERIFY(e_->Teh->isEnabled());
        Digitar(e_->TDecli, QString());
        QVERIFY(!e_->Tev->isEnabled());
    }

    void DeclividadeEspelhadaNoCanalTriangular() {
        EscolherCanal(*e_, 1);
        Digitar(e_->Bst, QStringLiteral("0,03"));
        QCOMPARE(e_->TDecli->text(), QStringLiteral("0,03"));
        QVERIFY(e_->Teh->isEnabled());
        Digitar(e_->Teh, QStringLiteral("20"));
        Digitar(e_->TDecli, QStringLiteral("0,04"));
        QCOMPARE(e_->Bst->text(), QStringLiteral("0,04"));
        QCOMPARE(e_->Teh->text(), QString());  // the new slope discarded the spacing

        EscolherCanal(*e_, 0);
        Digitar(e_->Bst, QStringLiteral("0,5"));
        QCOMPARE(e_->TDecli->text(), QStringLiteral("0,04"));
        Digitar(e_->TDecli, QStringLiteral("0,05"));
        QCOMPARE(e_->Bst->text(), QStringLiteral("0,5"));
    }

    void TrocaDeCanalGuardaBEZ() {
        Digitar(e_->Bst, QStringLiteral("0,5"));
        Digitar(e_->Zsm, QStringLiteral("1,5"));
        Digitar(e_->TDecli, QStringLiteral("0,02"));
        EscolherCanal(*e_, 1);
        QCOMPARE(e_->LBst->text(), QStringLiteral("S&t:"));
        QCOMPARE(e_->LZsm->text(), QStringLiteral("S&m:"));
        QCOMPARE(e_->BSmZ->text(), QStringLiteral("Valores de S&m"));
        QCOMPARE(e_->Zsm->toolTip(), QStringLiteral("Declividade da parede de montante do canal"));
        QCOMPARE(ContextoAjuda(e_->Zsm), 138);
        QVERIFY(e_->UnidSm->isVisibleTo(e_));
        QCOMPARE(e_->Bst->text(), QStringLiteral("0,02"));
        QCOMPARE(e_->Zsm->text(), QString());
        Digitar(e_->Zsm, QStringLiteral("0,4"));

        EscolherCanal(*e_, 0);
        QCOMPARE(e_->Bst->text(), QStringLiteral("0,5"));
        QCOMPARE(e_->Zsm->text(), QStringLiteral("1,5"));
        QCOMPARE(e_->LBst->text(), QStringLiteral("&B:"));
        QCOMPARE(e_->UnidSt->text(), QStringLiteral("m"));
        QVERIFY(!e_->UnidSm->isVisibleTo(e_));
        QCOMPARE(ContextoAjuda(e_->Zsm), 137);
        QCOMPARE((*janela_)->CanalDrenagem.Sm.Valor, 0.4);  // the wall slope shown went into the model

        EscolherCanal(*e_, 1);
        QCOMPARE(e_->Zsm->text(), QStringLiteral("0,4"));
    }

    void TipoDeSistemaMostraOsCamposDoTipo() {
        EscolherSistema(*e_, 1);
        QCOMPARE(int((*janela_)->Sistema.Tipo), 3);
        QVERIFY(!e_->TTempo->isVisibleTo(e_));
        QVERIFY(e_->RugTer->isVisibleTo(e_));
        QVERIFY(e_->BRugTer->isVisibleTo(e_));
        EscolherSistema(*e_, 0);
        QCOMPARE(int((*janela_)->Sistema.Tipo), 2);
        QVERIFY(e_->TTempo->isVisibleTo(e_));
        QVERIFY(!e_->RugTer->isVisibleTo(e_));
        QVERIFY((*janela_)->GerenteSys1.Alterado);
    }

    void CamposParaOModelo_data() {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("canal");
        QTest::newRow("tipo 2, trapezoidal") << 0 << 0;
        QTest::newRow("tipo 3, triangular") << 1 << 1;
    }

    void CamposParaOModelo() {
        QFETCH(int, sistema);
        QFETCH(int, canal);
        TFPrincipal& j = *janela_->janela;
        j.Unidades = {"%", 100, "m/dia", 0.024};
        Novo();
        EscolherSistema(*e_, sistema);
        EscolherCanal(*e_, canal);
        for (auto [campo, texto] : {std::pair{e_->TTempo, "24"}, {e_->TTr, "10"}, {e_->PrecK, "1000"},
                                    {e_->PrecA, "0,2"}, {e_->PrecB, "10"}, {e_->PrecC, "0,8"}, {e_->Tsc, "0,2"},
                                    {e_->TComp, "12,5"}, {e_->RugCan, "0,03"}, {e_->RugTer, "0,1"},
                                    {e_->TDecli, "2"}, {e_->Teh, "20"}, {e_->TVib, "0,24"}, {e_->Zsm, "50"}})
            Digitar(campo, QString::fromLatin1(texto));
        if (canal == 0) Digitar(e_->Bst, QStringLiteral("0,5"));
        Digitar(j.Resultados->CoefUni, QStringLiteral("1,4"));
        e_->LerCamposDados();

        QCOMPARE(int(j.Sistema.Tipo), sistema + 2);
        QCOMPARE(int(j.CanalDrenagem.TipoCanal.Tipo), canal);
        QCOMPARE(j.Terreno.St(), 0.02);
        QCOMPARE(j.CanalDrenagem.Sc(), 0.002);
        QCOMPARE(j.Terreno.VIB(), 10.0);
        QCOMPARE(j.CanalDrenagem.Comprimento(), 12);  // halves go to the even number
        QCOMPARE(j.CanalDrenagem.EH(), 20.0);
        QCOMPARE(j.CanalDrenagem.EV(), 20 * 0.02);
        QCOMPARE(j.CanalDrenagem.CDu(), 1.4);
        QCOMPARE(j.Nimbal1.Precipitacao.C(), 0.8);
        // The field the system type hides keeps its value in the model too.
        QCOMPARE(j.CanalDrenagem.TD(), 24.0);
        QCOMPARE(j.Terreno.nt.Valor, 0.1);
        if (canal == 0) {
            QCOMPARE(j.CanalDrenagem.B(), 0.5);
            QCOMPARE(j.CanalDrenagem.Z.Valor, 50.0);
            QCOMPARE(j.CanalDrenagem.Sm.Valor, 0.0);
        } else {
            QCOMPARE(j.CanalDrenagem.B(), 0.0);
            QCOMPARE(j.CanalDrenagem.Sm.Valor, 0.5);
            QCOMPARE(j.CanalDrenagem.Z.Valor, 0.0);
        }
        Digitar(e_->TComp, QStringLiteral("13,5"));
        e_->LerCamposDados();
        QCOMPARE(j.CanalDrenagem.Comprimento(), 14);
    }

    void TextoQueNaoENumeroParaALeitura() {
        Digitar(e_->TVib, QStringLiteral("1,2,3"));
        QVERIFY_THROWS_EXCEPTION(Exception, e_->LerCamposDados());
    }

    void ModeloParaOsCampos() {
        TFPrincipal& j = *janela_->janela;
        j.Unidades = {"%", 100, "m/dia", 0.024};
        Novo();
        j.Sistema.Tipo = 3;
        j.CanalDrenagem.TipoCanal.Tipo = TTipoCanal::Triangular;
        j.Terreno.SetSt(0.02);
        j.Terreno.SetVIB(10);
        j.CanalDrenagem.Sm.Valor = 0.418;
        j.CanalDrenagem.SetEH(20);
        j.CanalDrenagem.SetEV(0.4);
        j.CanalDrenagem.SetTD(0);
        j.CanalDrenagem.SetComprimento(300);
        j.Nimbal1.Precipitacao.SetK(1234.5);
        j.Nimbal1.Latitude = "21°14'00\"";
        j.GerenteSys1.Alterado = true;
        e_->PreencherCamposDados();

        QCOMPARE(e_->CBSistema->currentIndex(), 1);
        QCOMPARE(e_->Canal->currentText(), QStringLiteral("Triangular"));
        QCOMPARE(e_->TDecli->text(), QStringLiteral("2,0"));
        QCOMPARE(e_->Bst->text(), QStringLiteral("2,0"));
        QCOMPARE(e_->Zsm->text(), QStringLiteral("41,8"));
        QCOMPARE(e_->Teh->text(), QStringLiteral("20,0"));
        QCOMPARE(e_->Tev->text(), QStringLiteral("0,4"));
        QCOMPARE(e_->TVib->text(), QStringLiteral("0,24"));
        QCOMPARE(e_->UnidVIB->text(), QStringLiteral("m/dia"));
        QCOMPARE(e_->UnidSm->text(), QStringLiteral("%"));
        QCOMPARE(e_->TComp->text(), QStringLiteral("300"));
        QCOMPARE(e_->TTempo->text(), QString());  // a value of 0 shows as an empty field
        QCOMPARE(e_->PrecK->text(), QStringLiteral("1234,5"));
        QCOMPARE(TPaginaEntrada::TextoCoordenada(*e_->PrecLa1), QStringLiteral("21°14'00\""));
        QVERIFY(e_->Teh->isEnabled());
        QVERIFY(!j.GerenteSys1.Alterado);
    }

    // Regression: the unit change and the channel-type switch show the same slope again, and used to
    // empty both spacings, so that Calcular then blamed the vertical spacing. A new slope still clears them.
    void EspacamentosFicamComAMesmaDeclividade() {
        TFPrincipal& j = *janela_->janela;
        const auto porcento = [&] {
            e_->GuardarValoresExibidos();
            j.Unidades = {"%", 100, "mm/h", 1.0};
            e_->ReexibirComNovasUnidades();
        };
        const auto triangular = [&] {
            Digitar(e_->Bst, QStringLiteral("0,5"));  // the base entered last: the switch copies St into Bst
            EscolherCanal(*e_, 1);
        };
        const auto novaDeclividade = [&] { e_->TDecli->setText(QStringLiteral("0,03")); };
        const TUnidades metro{"m/m", 1, "mm/h", 1.0}, cento{"%", 100, "mm/h", 1.0};
        struct Caso {
            const char* nome;
            TUnidades unidades;
            QString digitada;  // the slope typed, in the unit shown
            std::function<void()> mudar;
            QString declividade, horizontal, vertical;
        };
        const Caso casos[] = {
            {"unidades m/m para %", metro, "0,02", porcento, "2,0", "20", "0,4"},
            {"canal triangular, em %", cento, "2", triangular, "2,0", "20", "0,4"},
            {"unidades e canal", metro, "0,02", [&] { porcento(); triangular(); }, "2,0", "20", "0,4"},
            {"nova declividade", metro, "0,02", novaDeclividade, "0,03", "", ""},
        };
        for (const Caso& caso : casos) {
            j.Unidades = caso.unidades;
            j.GerenteSys1.Alterado = false;
            Novo();
            QCOMPARE(e_->Canal->currentIndex(), 0);
            Digitar(e_->TDecli, caso.digitada);
            Digitar(e_->Teh, QStringLiteral("20"));
            caso.mudar();
            QVERIFY2(e_->TDecli->text() == caso.declividade, caso.nome);
            QVERIFY2(e_->Teh->text() == caso.horizontal, caso.nome);
            QVERIFY2(e_->Tev->text() == caso.vertical, caso.nome);
            if (caso.horizontal.isEmpty()) continue;
            e_->LerCamposDados();
            QCOMPARE(j.CanalDrenagem.EH(), 20.0);
            QCOMPARE(j.CanalDrenagem.EV(), 20 * 0.02);
        }
        j.Unidades = metro;
    }

    // Regression: with partial flooding the terrain roughness was set to 0 (and without it the drainage
    // time), so that a save and a switch back lost it. Hidden values stay in the model and the file.
    void ValorOcultoPeloSistemaFicaNoArquivo_data() {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QString>("campo");
        QTest::newRow("rugosidade do terreno, sem inundação") << 1 << "RugTer";
        QTest::newRow("tempo de drenagem, com inundação") << 0 << "TTempo";
    }

    void ValorOcultoPeloSistemaFicaNoArquivo() {
        QFETCH(int, sistema);
        QFETCH(QString, campo);
        Usuario usuario;
        TFPrincipal& j = *janela_->janela;
        QLineEdit* oculto = campo == QStringLiteral("RugTer") ? e_->RugTer : e_->TTempo;
        EscolherSistema(*e_, sistema);
        Digitar(oculto, QStringLiteral("0,1"));
        EscolherSistema(*e_, 1 - sistema);
        QVERIFY(oculto->isHidden());
        const QString arquivo = janela_->Caminho(QStringLiteral("oculto.tvk"));
        usuario.arquivosSalvar.append(arquivo);
        j.SalvarComoClick();

        TProjeto gravado;
        LerProjeto(arquivo.toStdString(), gravado.Objetos());
        QCOMPARE(sistema == 1 ? gravado.Terreno.nt.Valor : gravado.CanalDrenagem.TD(), 0.1);
        EscolherSistema(*e_, sistema);
        QVERIFY(!oculto->isHidden());
        QCOMPARE(oculto->text(), QStringLiteral("0,1"));

        j.GerenteSys1.Alterado = false;
        usuario.arquivosAbrir.append(arquivo);
        j.AbrirClick();
        EscolherSistema(*e_, sistema);
        QCOMPARE(oculto->text(), QStringLiteral("0,1"));
    }

    void MudancaDeUnidades() {
        TFPrincipal& j = *janela_->janela;
        EscolherCanal(*e_, 1);
        Digitar(e_->TDecli, QStringLiteral("0,02"));
        Digitar(e_->Teh, QStringLiteral("20"));
        Digitar(e_->Zsm, QStringLiteral("0,5"));
        Digitar(e_->TVib, QStringLiteral("10"));
        e_->GuardarValoresExibidos();
        j.Unidades = {"%", 100, "m/dia", 0.024};  // what the configuration dialog confirmed
        e_->ReexibirComNovasUnidades();
        QCOMPARE(e_->TDecli->text(), QStringLiteral("2,0"));
        QCOMPARE(e_->Bst->text(), QStringLiteral("2,0"));
        QCOMPARE(e_->Zsm->text(), QStringLiteral("50,0"));
        QCOMPARE(e_->TVib->text(), QStringLiteral("0,24"));
        QCOMPARE(e_->Tsc->text(), QString());
        QCOMPARE(e_->UnidSc->text(), QStringLiteral("%"));  // the unit of an empty field follows too
        QCOMPARE(e_->UnidDecli->text(), QStringLiteral("%"));
        QCOMPARE(e_->UnidVIB->text(), QStringLiteral("m/dia"));
        QCOMPARE(e_->Teh->text(), QStringLiteral("20"));  // the same slope in another unit keeps the spacings

        Digitar(e_->TVib, QStringLiteral("0,3"));
        e_->GuardarValoresExibidos();
        j.Unidades = {"%", 100, "m/h", 0.001};
        e_->ReexibirComNovasUnidades();
        QCOMPARE(e_->TVib->text(), QStringLiteral("0,01"));  // 0.0125 m/h by "0.0#"
    }

    void ComprimentoMaximo_data() {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("depois");
        QTest::addColumn<bool>("mensagem");
        QTest::newRow("1500 passa") << "1500" << "1500" << false;
        QTest::newRow("1500,5") << "1500,5" << "1500" << true;
        QTest::newRow("vazio") << "" << "" << false;
    }

    void ComprimentoMaximo() {
        QFETCH(QString, digitado);
        QFETCH(QString, depois);
        QFETCH(bool, mensagem);
        Usuario usuario;
        Digitar(e_->TComp, digitado);
        e_->RugCan->setFocus(Qt::TabFocusReason);
        QCOMPARE(e_->TComp->text(), depois);
        QCOMPARE(usuario.caixas.size(), mensagem ? 1 : 0);
        if (!mensagem) return;
        QCOMPARE(usuario.caixas.first().texto,
                 QStringLiteral(" O comprimento máximo permitido para o canal é de 1500 metros. "));
        QCOMPARE(usuario.caixas.first().icone, Icone::Informacao);
        QTRY_COMPARE(QApplication::focusWidget(), e_->TComp);
    }

    // The spacing's limit on leaving its field, as the channel's.
    void EspacamentoMaximo() {
        Usuario usuario;
        Digitar(e_->TDecli, QStringLiteral("2"));
        Digitar(e_->Teh, QStringLiteral("1500,5"));
        e_->TVib->setFocus(Qt::TabFocusReason);
        QCOMPARE(e_->Teh->text(), QStringLiteral("1500"));
        QCOMPARE(usuario.Textos(), QStringList{" O espaçamento horizontal máximo permitido é de 1500 metros. "});
        QCOMPARE(usuario.caixas.first().icone, Icone::Informacao);
        QTRY_COMPARE(QApplication::focusWidget(), e_->Teh);
    }

    void VerificacaoDeCamposVazios_data() {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("canal");
        QTest::addColumn<QString>("vazio");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("VIB") << 0 << 0 << "TVib" << "Valor da velocidade de infiltração básica inconsistente.";
        QTest::newRow("Z") << 0 << 0 << "Zsm" << "Valor da inclinação da parede do canal inconsistente.";
        QTest::newRow("Sm") << 0 << 1 << "Zsm" << "Valor da inclinação do murundum inconsistente.";
        QTest::newRow("B") << 0 << 0 << "Bst" << "Valor da base do canal inconsistente.";
        QTest::newRow("K") << 1 << 0 << "PrecK" << "Valor do parâmetro \"K\" inconsistente.";
        QTest::newRow("tempo, tipo 2") << 0 << 0 << "TTempo" << "Valor do tempo de drenagem inconsistente.";
        QTest::newRow("tempo, tipo 3") << 1 << 0 << "TTempo" << "";
        QTest::newRow("rugosidade, tipo 2") << 0 << 0 << "RugTer" << "";
        QTest::newRow("rugosidade, tipo 3") << 1 << 0 << "RugTer" << "Valor da rugosidade do terreno inconsistente.";
        QTest::newRow("período, o primeiro") << 0 << 0 << "TTr" << "Valor do periodo de retorno inconsistente.";
    }

    void VerificacaoDeCamposVazios() {
        QFETCH(int, sistema);
        QFETCH(int, canal);
        QFETCH(QString, vazio);
        QFETCH(QString, mensagem);
        Usuario usuario;
        EscolherSistema(*e_, sistema);
        PreencherTudo(*e_);
        EscolherCanal(*e_, canal);
        if (canal == 1) Digitar(e_->Zsm, QStringLiteral("0,5"));
        auto* campo = e_->findChild<QLineEdit*>(vazio);
        QVERIFY(campo);
        campo->clear();
        e_->LerCamposDados();
        e_->BCalcular->setFocus();
        QCOMPARE(e_->DadosConsistentes(), mensagem.isEmpty());
        if (mensagem.isEmpty()) {
            QVERIFY(usuario.caixas.isEmpty());
            return;
        }
        QCOMPARE(usuario.Textos(), QStringList{mensagem});
        QCOMPARE(usuario.caixas.first().icone, Icone::Erro);
        QCOMPARE(QApplication::focusWidget(), campo);
    }

    // "Curvas IDF" of the page's K, a, b, c with the page's Tr emphasised; without K it says so.
    void CurvasIdfDosParametrosDaPagina() {
        PreencherTudo(*e_);
        bool aberta = false;
        AoAbrirModal<TfrmFoCurvasIdf>([&](TfrmFoCurvasIdf& curvas) {
            aberta = true;
            QCOMPARE(curvas.Intensidades->item(2, 1)->text(), QStringLiteral("144,3"));  // Tr 10, 10 min
            QVERIFY(curvas.Intensidades->item(2, 1)->font().bold());
            QVERIFY(!curvas.Intensidades->item(1, 1)->font().bold());
        });
        QTest::mouseClick(e_->BCurvasIdf, Qt::LeftButton);
        QVERIFY(aberta);

        Usuario usuario;
        e_->PrecK->clear();
        QTest::mouseClick(e_->BCurvasIdf, Qt::LeftButton);
        QCOMPARE(usuario.Textos(), QStringList{QStringLiteral("Valor do parâmetro \"K\" inconsistente.")});
    }

    void LimpezaEsvaziaEDesmarca() {
        PreencherTudo(*e_);
        e_->LimparCamposDados();
        for (QLineEdit* campo : {e_->Teh, e_->Tev, e_->Bst, e_->Zsm, e_->TTr, e_->PrecK, e_->TVib, e_->TDecli, e_->Tsc,
                                 e_->RugCan, e_->TComp, e_->TTempo})
            QCOMPARE(campo->text(), QString());
        QVERIFY(!(*janela_)->GerenteSys1.Alterado);
        QVERIFY(!e_->Teh->isEnabled());
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteEntradaDados)
#include "TesteEntradaDados.moc"
