// Support of the tests of the help, pictures and small dialogs: the shared test doubles and the optional
// PNG of a window for a person to look at.
#pragma once

#include <QApplication>
#include <QDir>
#include <QList>
#include <QTimer>
#include <QString>
#include <QWidget>

#include "ApoioInterface.h"

#include <cstdio>
#include <cstdlib>

namespace talvek::gui::teste {

// With TALVEK_TELAS set to a folder, saves what the window shows as <nome>.png there.
inline void GuardarTela(QWidget& janela, const QString& nome) {
    const QString pasta = qEnvironmentVariable("TALVEK_TELAS");
    if (pasta.isEmpty()) return;
    QDir().mkpath(pasta);
    janela.grab().save(QDir(pasta).filePath(nome + QStringLiteral(".png")));
}


}  // namespace talvek::gui::teste
