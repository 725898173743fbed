#include "dialogs/Sobre.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "common/Figuras.h"
#include "common/JanelasCentradas.h"

namespace talvek::gui {

TFSobre::TFSobre(QWidget* pai) : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Sobre"));
    setFixedSize(TamanhoNatural(Figura::Sobre));
    setCursor(Qt::PointingHandCursor);
}

void TFSobre::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(CaminhoFigura(Figura::Sobre)).render(&pintor, rect());
}

void TFSobre::mouseReleaseEvent(QMouseEvent*) { accept(); }

void TFSobre::keyPressEvent(QKeyEvent*) { accept(); }

void TFSobre::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentrarNaTela(*this);
}

}  // namespace talvek::gui
