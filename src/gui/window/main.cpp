// Talvek 2.0, the desktop program: the main window on the system's regional settings.
#include <QApplication>

#include "common/RegionalQt.h"
#include "help/Ajuda.h"
#include "window/uPrincipal.h"

int main(int argc, char* argv[]) {
    QApplication aplicacao(argc, argv);
    talvek::DefinirRegional(talvek::gui::RegionalDoLocale(QLocale::system()));
    talvek::gui::InstalarTeclaF1(aplicacao);
    talvek::gui::TFPrincipal principal(QCoreApplication::applicationDirPath());
    principal.show();
    return aplicacao.exec();
}
