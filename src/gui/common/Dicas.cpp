#include "common/Dicas.h"

#include <QAction>
#include <QWidget>

namespace talvek::gui {

namespace {
QString ParteCurta(const QString& dica) { return dica.section(QLatin1Char('|'), 0, 0); }
QString ParteLonga(const QString& dica) {
    const qsizetype barra = dica.indexOf(QLatin1Char('|'));
    return barra < 0 ? dica : dica.mid(barra + 1);
}
}  // namespace

void DefinirDica(QWidget& controle, const QString& dica) {
    controle.setToolTip(ParteCurta(dica));
    controle.setStatusTip(ParteLonga(dica));
}

void DefinirDica(QAction& comando, const QString& dica) {
    comando.setToolTip(ParteCurta(dica));
    comando.setStatusTip(ParteLonga(dica));
}

}  // namespace talvek::gui
