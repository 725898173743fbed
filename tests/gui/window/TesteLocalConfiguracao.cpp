// Where "Talvek2.ini" lives: beside a program whose folder is writable, in the user's configuration folder
// for an installed program whose folder is read-only (a folder protected by chmod; root writes into it
// anyway, so those cases are skipped when the tests run as root).
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

#include "ApoioJanela.h"
#include "platform/ArquivoIni.h"
#include "window/LocalConfiguracao.h"

namespace talvek::gui::teste {

namespace {

// A folder whose owner may read and enter it but not write in it, writable again when the test ends.
struct PastaProtegida {
    QTemporaryDir pasta;
    PastaProtegida() { QFile::setPermissions(pasta.path(), QFile::ReadOwner | QFile::ExeOwner); }
    ~PastaProtegida() { QFile::setPermissions(pasta.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
    QString path() const { return pasta.path(); }
};

QString PastaDoUsuario() { return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation); }

}  // namespace

class TesteLocalConfiguracao : public QObject {
    Q_OBJECT

    QTemporaryDir casa_;  // the user's home folder for the whole test

private slots:
    void initTestCase() {
        qputenv("HOME", casa_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        DefinirRegional(Virgula());
    }

    void PastaDoArquivo_data() {
        QTest::addColumn<int>("pasta");  // 0 writable, 1 protected, 2 missing
        QTest::addColumn<bool>("aoLadoDoPrograma");
        QTest::newRow("pasta gravável") << 0 << true;
        QTest::newRow("pasta protegida") << 1 << false;
        QTest::newRow("pasta que não existe") << 2 << false;
    }

    void PastaDoArquivo() {
        QFETCH(int, pasta);
        QFETCH(bool, aoLadoDoPrograma);
        if (pasta == 1 && ::geteuid() == 0) QSKIP("root writes into a protected folder");
        QTemporaryDir gravavel;
        PastaProtegida protegida;
        const QString programa = pasta == 0   ? gravavel.path()
                                 : pasta == 1 ? protegida.path()
                                              : gravavel.filePath(QStringLiteral("falta"));
        const QString esperado = QDir(aoLadoDoPrograma ? programa : PastaDoUsuario()).filePath("Talvek2.ini");
        QCOMPARE(ArquivoConfiguracao(programa), esperado);
    }

    // The installed program keeps the user's settings in the user's folder, created on the first exit, and
    // reads them back at the next start; its file dialogs start in the user's home.
    void ProgramaInstaladoGuardaAConfiguracaoDoUsuario() {
        if (::geteuid() == 0) QSKIP("root writes into a protected folder");
        PastaProtegida programa;
        Usuario usuario;
        auto janela = std::make_unique<TFPrincipal>(programa.path());
        QDir(PastaDoUsuario()).removeRecursively();
        const QString arquivo = QDir(PastaDoUsuario()).filePath(QStringLiteral("Talvek2.ini"));
        QCOMPARE(janela->ArquivoConfiguracao(), arquivo);
        QCOMPARE(janela->GerenteSys1.OpenDialog.pastaInicial, QDir::homePath());
        janela->Unidades = {"%", 100, "m/dia", 0.024};
        QVERIFY(janela->close());
        QVERIFY(usuario.caixas.isEmpty());
        QVERIFY(!QFile::exists(QDir(programa.path()).filePath(QStringLiteral("Talvek2.ini"))));
        QCOMPARE(TArquivoIni(arquivo.toStdString()).LerTexto("PRINCIPAL", "UVIB", ""), std::string("m/dia"));

        janela = std::make_unique<TFPrincipal>(programa.path());
        QCOMPARE(janela->Unidades.KDecli, 100);
        QVERIFY(janela->close());
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteLocalConfiguracao)
#include "TesteLocalConfiguracao.moc"
