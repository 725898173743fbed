// Talvek 2.0, the desktop program: the main window on the system's regional settings.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "common/RegionalQt.h"
#include "help/Ajuda.h"
#include "window/uPrincipal.h"

int main(int argc, char* argv[]) {
    QApplication aplicacao(argc, argv);
    talvek::DefinirRegional(talvek::gui::RegionalDoLocale(QLocale::system()));
    talvek::gui::InstalarTraducoesQt(aplicacao, QLocale::system());
    talvek::gui::InstalarTeclaF1(aplicacao);
    // A project named on the command line (a double click on a .tvk file), resolved before the window
    // makes the program's folder the working directory, opens once the window is up.
    const QStringList argumentos = QCoreApplication::arguments();
    const QString projeto = argumentos.size() > 1 ? QFileInfo(argumentos.at(1)).absoluteFilePath() : QString();
    talvek::gui::TFPrincipal principal(QCoreApplication::applicationDirPath());
    principal.show();
    if (!projeto.isEmpty())
        QTimer::singleShot(0, &principal, [&principal, projeto] { principal.AbrirProjetoDoArgumento(projeto); });
    return aplicacao.exec();
}
