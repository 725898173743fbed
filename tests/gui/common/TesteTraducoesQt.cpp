// Qt's own dialogs speak the system's language when Qt's translations for it are installed, and stay in
// English, without a message, when they are not.
#include <QAbstractButton>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QTest>

#include "common/RegionalQt.h"

namespace talvek::gui::teste {

class TesteTraducoesQt : public QObject {
    Q_OBJECT

private slots:
    void DialogosDoQtNaLinguaDoSistema() {
        struct Caso {
            QLocale locale;
            bool instalou;
            const char* cancelar;
            const char* fechar;
            const char* tituloSalvar;
        };
        // In this order: a language Qt has no translation for leaves the English texts first.
        const Caso casos[] = {
            {QLocale(QLocale::Swahili, QLocale::Kenya), false, "Cancel", "Close", "Save As"},
            {QLocale(QLocale::Portuguese, QLocale::Brazil), true, "Cancelar", "Fechar", "Salvar como"},
        };
        for (const Caso& caso : casos) {
            QCOMPARE(InstalarTraducoesQt(*qApp, caso.locale), caso.instalou);
            QMessageBox caixa;
            caixa.setStandardButtons(QMessageBox::Cancel | QMessageBox::Close);
            QCOMPARE(caixa.button(QMessageBox::Cancel)->text(), QString::fromUtf8(caso.cancelar));
            QCOMPARE(caixa.button(QMessageBox::Close)->text(), QString::fromUtf8(caso.fechar));
            QFileDialog dialogo;
            dialogo.setOption(QFileDialog::DontUseNativeDialog);
            dialogo.setAcceptMode(QFileDialog::AcceptSave);
            QCOMPARE(dialogo.windowTitle(), QString::fromUtf8(caso.tituloSalvar));
        }
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteTraducoesQt)
#include "TesteTraducoesQt.moc"
