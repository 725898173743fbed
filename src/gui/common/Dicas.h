// Hints of controls and commands: the short part (before a "|") is the tool tip, the long part (after it,
// or the whole hint) is shown in the status bar.
#pragma once

#include <QString>

class QAction;
class QWidget;

namespace talvek::gui {

void DefinirDica(QWidget& controle, const QString& dica);
void DefinirDica(QAction& comando, const QString& dica);

}  // namespace talvek::gui
