#include "rainfall/FoSobreNimbal.h"

#include <QLinearGradient>
#include <QPainter>

#include "dialogs/JanelasCentradas.h"

namespace talvek::gui {

TfrmFoSobreNimbal::TfrmFoSobreNimbal(QWidget* pai) : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint) {
    setFixedSize(559, 340);
    CentrarNaTela(*this);
}

// The picture: a rainy sky over a field, with the name of the query and what it offers.
void TfrmFoSobreNimbal::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ceu(0, 0, 0, height());
    ceu.setColorAt(0, QColor(32, 58, 110));
    ceu.setColorAt(0.75, QColor(120, 160, 210));
    ceu.setColorAt(0.75, QColor(70, 130, 60));
    ceu.setColorAt(1, QColor(40, 90, 40));
    pintor.fillRect(rect(), ceu);

    pintor.setPen(QPen(QColor(200, 220, 255, 150), 1.5));
    for (int i = 0; i < 60; ++i) {
        const int x = (i * 97) % width();
        const int y = (i * 53) % 220 + 10;
        pintor.drawLine(x, y, x - 6, y + 16);
    }

    pintor.setPen(Qt::white);
    QFont fonte = font();
    fonte.setPointSize(36);
    fonte.setBold(true);
    pintor.setFont(fonte);
    pintor.drawText(QRect(0, 60, width(), 70), Qt::AlignCenter, QStringLiteral("Nimbal 2.1"));
    fonte.setPointSize(12);
    fonte.setBold(false);
    pintor.setFont(fonte);
    pintor.drawText(QRect(20, 140, width() - 40, 60), Qt::AlignCenter | Qt::TextWordWrap,
                    QStringLiteral("Parâmetros da equação de intensidade, duração e frequência da precipitação"));
    fonte.setPointSize(9);
    pintor.setFont(fonte);
    pintor.drawText(QRect(0, height() - 40, width(), 30), Qt::AlignCenter,
                    QStringLiteral("Talvek 2.0 — drenagem superficial"));
}

void TfrmFoSobreNimbal::mouseReleaseEvent(QMouseEvent*) { accept(); }

void TfrmFoSobreNimbal::keyPressEvent(QKeyEvent*) { accept(); }

}  // namespace talvek::gui
