// The configuration dialog, the project identification dialog and the about box.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "GravadoresAjuda.h"
#include "dialogs/ConfSistema.h"
#include "dialogs/IdentProjeto.h"
#include "dialogs/Sobre.h"
#include "project/ConfSistemaEstados.h"

using namespace talvek::gui;
using talvek::TIDProjeto;
using talvek::TUnidades;

namespace {

TUnidades Unidades(const char* udecli, int kdecli, const char* uvib, double kvib) {
    TUnidades unidades;
    unidades.UDecli = udecli;
    unidades.KDecli = kdecli;
    unidades.UVIB = uvib;
    unidades.KVIB = kvib;
    return unidades;
}

TIDProjeto Registro() {
    TIDProjeto registro;
    registro.Nome = "Várzea Norte";
    registro.Empresa = "Cooperativa";
    registro.Local = "Lavras";
    registro.Estado = "MG";
    registro.Tecnico = "Técnico A";
    registro.Data = "05/03/2024";
    return registro;
}

}  // namespace

class TesteDialogosProjeto : public QObject {
    Q_OBJECT

private slots:
    void ConfSistemaConfirmaUnidades_data() {
        QTest::addColumn<int>("declividade");
        QTest::addColumn<int>("vib");
        QTest::addColumn<QString>("udecli");
        QTest::addColumn<int>("kdecli");
        QTest::addColumn<QString>("uvib");
        QTest::addColumn<double>("kvib");
        QTest::newRow("m/m mm/h") << 0 << 0 << "m/m" << 1 << "mm/h" << 1.0;
        QTest::newRow("% m/h") << 1 << 1 << "%" << 100 << "m/h" << 0.001;
        QTest::newRow("% m/dia") << 1 << 2 << "%" << 100 << "m/dia" << 0.024;
    }
    void ConfSistemaConfirmaUnidades() {
        QFETCH(int, declividade);
        QFETCH(int, vib);
        QFETCH(QString, udecli);
        QFETCH(int, kdecli);
        QFETCH(QString, uvib);
        QFETCH(double, kvib);
        TUnidades unidades = Unidades("m/m", 1, "mm/h", 1.0);
        int indEstado = 0;
        if (declividade == 0 && vib == 0) unidades = Unidades("%", 100, "m/dia", 0.024);
        teste::AoAbrirModal<TFConfSistema>([&](TFConfSistema& d) {
            d.Uniddecli->setCurrentIndex(declividade);
            d.UnidVib->setCurrentIndex(vib);
            d.EstDefault->setCurrentIndex(10);
            QTest::mouseClick(d.BtnOk, Qt::LeftButton);
        });
        QVERIFY(ExecutarConfSistema(nullptr, unidades, indEstado));
        QCOMPARE(QString::fromStdString(unidades.UDecli), udecli);
        QCOMPARE(unidades.KDecli, kdecli);
        QCOMPARE(QString::fromStdString(unidades.UVIB), uvib);
        QCOMPARE(unidades.KVIB, kvib);
        QCOMPARE(indEstado, 10);
        QCOMPARE(QString::fromUtf8(talvek::kEstadosConfiguracao[indEstado]), QStringLiteral("Minas Gerais"));
    }

    void ConfSistemaCanceladoNaoMuda() {
        TUnidades unidades = Unidades("m/m", 1, "mm/h", 1.0);
        int indEstado = 3;
        teste::AoAbrirModal<TFConfSistema>([](TFConfSistema& d) {
            d.Uniddecli->setCurrentIndex(1);
            d.UnidVib->setCurrentIndex(2);
            d.EstDefault->setCurrentIndex(21);
            QTest::mouseClick(d.BtnCancelar, Qt::LeftButton);
        });
        QVERIFY(!ExecutarConfSistema(nullptr, unidades, indEstado));
        QCOMPARE(unidades.UDecli, std::string("m/m"));
        QCOMPARE(unidades.KDecli, 1);
        QCOMPARE(unidades.UVIB, std::string("mm/h"));
        QCOMPARE(unidades.KVIB, 1.0);
        QCOMPARE(indEstado, 3);
    }

    // A unit text from a project file outside the lists opens with no selection; confirming empties the
    // text and keeps the factor.
    void ConfSistemaUnidadeDesconhecida() {
        TFConfSistema dialogo(Unidades("graus", 100, "cm/h", 0.1), 30);
        QCOMPARE(dialogo.Uniddecli->currentIndex(), -1);
        QCOMPARE(dialogo.UnidVib->currentIndex(), -1);
        QCOMPARE(dialogo.EstDefault->currentIndex(), -1);
        QTest::mouseClick(dialogo.BtnOk, Qt::LeftButton);
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
        QCOMPARE(dialogo.Unidades().UDecli, std::string());
        QCOMPARE(dialogo.Unidades().KDecli, 100);
        QCOMPARE(dialogo.Unidades().UVIB, std::string());
        QCOMPARE(dialogo.Unidades().KVIB, 0.1);
        QCOMPARE(dialogo.IndEstado(), -1);
    }

    void ConfSistemaAparencia() {
        teste::AjudaPedida ajuda;
        TFConfSistema dialogo(Unidades("%", 100, "m/dia", 0.024), 10);
        QCOMPARE(dialogo.windowTitle(), QStringLiteral("Configuração do Sistema"));
        QCOMPARE(dialogo.Uniddecli->currentText(), QStringLiteral("%"));
        QCOMPARE(dialogo.UnidVib->currentText(), QStringLiteral("m/dia"));
        QCOMPARE(dialogo.EstDefault->currentText(), QStringLiteral("Minas Gerais"));
        QCOMPARE(dialogo.EstDefault->count(), 22);
        QVERIFY(dialogo.BtnOk->isDefault());
        QCOMPARE(dialogo.layout()->sizeConstraint(), QLayout::SetFixedSize);
        QCOMPARE(ContextoAjuda(dialogo.EstDefault), 112);
        QTest::mouseClick(dialogo.BtnAjuda, Qt::LeftButton);
        QCOMPARE(ajuda.pedidos, QStringList{"topico 112"});
        dialogo.show();
        teste::GuardarTela(dialogo, QStringLiteral("conf_sistema"));
    }

    void IdentProjetoMostraEConfirma() {
        TFIdentProjeto dialogo;
        TIDProjeto registro = Registro();
        teste::AoAbrirModal<TFIdentProjeto>([](TFIdentProjeto& d) {
            QVERIFY(QTest::qWaitForWindowActive(&d));
            QCOMPARE(QApplication::focusWidget(), d.EdNome);
            QCOMPARE(d.EdNome->text(), QStringLiteral("Várzea Norte"));
            QCOMPARE(d.EdData->text(), QStringLiteral("05/03/2024"));
            teste::GuardarTela(d, QStringLiteral("ident_projeto"));
            // Each field goes to its own record field: distinct texts catch a swap.
            const QStringList novos{"N", "E", "L", "S", "T", "D"};
            const QList<QLineEdit*> campos{d.EdNome, d.EdEmpresa, d.EdLocal, d.EdEstado, d.EdTecnico, d.EdData};
            for (int i = 0; i < 6; ++i) campos[i]->setText(novos[i]);
            QTest::mouseClick(d.BtnOk, Qt::LeftButton);
        });
        QCOMPARE(dialogo.Executar(registro), int(QDialog::Accepted));
        QCOMPARE(registro.Nome, std::string("N"));
        QCOMPARE(registro.Empresa, std::string("E"));
        QCOMPARE(registro.Local, std::string("L"));
        QCOMPARE(registro.Estado, std::string("S"));
        QCOMPARE(registro.Tecnico, std::string("T"));
        QCOMPARE(registro.Data, std::string("D"));
    }

    // Typing then cancelling leaves the record as it was but the project marked modified.
    void IdentProjetoCanceladoMantemRegistroEMarca() {
        TFIdentProjeto dialogo;
        int marcas = 0;
        dialogo.SetAoDigitar([&] { ++marcas; });
        TIDProjeto registro = Registro();
        teste::AoAbrirModal<TFIdentProjeto>([](TFIdentProjeto& d) {
            QTest::keyClicks(d.EdTecnico, QStringLiteral("xy"));
            QTest::mouseClick(d.BtnCancelar, Qt::LeftButton);
        });
        QCOMPARE(dialogo.Executar(registro), int(QDialog::Rejected));
        QCOMPARE(registro.Tecnico, std::string("Técnico A"));
        QVERIFY(marcas >= 2);
    }

    void IdentProjetoTeclasQueMarcam_data() {
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("marca");
        QTest::newRow("letra") << int(Qt::Key_A) << true;
        QTest::newRow("backspace sem texto") << int(Qt::Key_Backspace) << true;
        // Regression: erasing with Delete changed the text without marking the project, so Close
        // discarded the change without asking.
        QTest::newRow("delete") << int(Qt::Key_Delete) << true;
        QTest::newRow("seta") << int(Qt::Key_Left) << false;
        QTest::newRow("tab") << int(Qt::Key_Tab) << false;
    }
    void IdentProjetoTeclasQueMarcam() {
        QFETCH(int, tecla);
        QFETCH(bool, marca);
        TFIdentProjeto dialogo;
        int marcas = 0;
        dialogo.SetAoDigitar([&] { ++marcas; });
        dialogo.EdLocal->setText(tecla == Qt::Key_Backspace ? QString() : QStringLiteral("abc"));
        dialogo.EdLocal->setCursorPosition(1);
        QTest::keyClick(dialogo.EdLocal, Qt::Key(tecla));
        QCOMPARE(marcas > 0, marca);
    }

    void IdentProjetoAparencia() {
        teste::AjudaPedida ajuda;
        TFIdentProjeto dialogo;
        QCOMPARE(dialogo.windowTitle(), QStringLiteral("Identificação do Projeto"));
        QVERIFY(dialogo.BtnOk->isDefault());
        QCOMPARE(dialogo.layout()->sizeConstraint(), QLayout::SetFixedSize);
        QCOMPARE(ContextoAjuda(dialogo.EdData), 134);
        QTest::mouseClick(dialogo.BtnAjuda, Qt::LeftButton);
        QCOMPARE(ajuda.pedidos, QStringList{"topico 134"});
    }

    void SobreFechaComCliqueOuTecla_data() {
        QTest::addColumn<bool>("clique");
        QTest::newRow("clique") << true;
        QTest::newRow("tecla") << false;
    }
    void SobreFechaComCliqueOuTecla() {
        QFETCH(bool, clique);
        TFSobre sobre;
        QCOMPARE(sobre.size(), QSize(559, 340));
        QCOMPARE(sobre.windowTitle(), QStringLiteral("Sobre"));
        QVERIFY(sobre.windowFlags() & Qt::FramelessWindowHint);
        teste::AoAbrirModal<TFSobre>([clique](TFSobre& d) {
            teste::GuardarTela(d, QStringLiteral("sobre"));
            if (clique) QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(100, 100));
            else QTest::keyClick(&d, Qt::Key_Space);
            QVERIFY(!d.isVisible());
        });
        sobre.exec();
    }

    // The data's sources and licences, CC BY's attribution among them, fit their panel over the picture.
    void SobreCreditaAsFontesDosDados() {
        TFSobre sobre;
        QCOMPARE(sobre.Fontes->text(), TextoFontesDados());
        for (const char* credito : {"GRIDF-BR", "licença MIT", "GeoNames", "CC BY 4.0", "Natural Earth", "domínio público"})
            QVERIFY2(TextoFontesDados().contains(QString::fromUtf8(credito)), credito);
        sobre.show();  // the panel's style applies from the first show
        QVERIFY(sobre.rect().contains(sobre.Fontes->geometry()));
        QVERIFY(sobre.Fontes->heightForWidth(sobre.Fontes->width()) <= sobre.Fontes->height());
        teste::GuardarTela(sobre, QStringLiteral("sobre_fontes"));
    }
};

QTEST_MAIN(TesteDialogosProjeto)
#include "TesteDialogosProjeto.moc"
