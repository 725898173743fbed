#include "common/ProgressoQt.h"

#include <QApplication>
#include <QCursor>

namespace talvek::gui {

void ProgressoQt::CursorOcupado(bool ocupado) {
    if (ocupado)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QApplication::restoreOverrideCursor();
}

void ProgressoQt::ProcessarEventos() { QCoreApplication::processEvents(); }

}  // namespace talvek::gui
