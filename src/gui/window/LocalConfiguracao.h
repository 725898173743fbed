// Where the configuration file "Talvek2.ini" lives: beside the program while the program's folder is
// writable (the build tree, a copy unpacked in the user's own folder), as earlier versions kept it; in the
// user's configuration folder when it is not (a program installed under /usr, shared by every user).
#pragma once

#include <QString>

namespace talvek::gui {

// The path of "Talvek2.ini" for the program in `pastaPrograma`. The user's folder is Qt's
// AppConfigLocation, named after the application's name (set it first); it may not exist yet.
QString ArquivoConfiguracao(const QString& pastaPrograma);

}  // namespace talvek::gui
