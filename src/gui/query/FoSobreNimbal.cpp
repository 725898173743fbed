#include "query/FoSobreNimbal.h"

#include <QLinearGradient>
#include <QPainter>

#include "common/JanelasCentradas.h"

namespace talvek::gui {

TfrmFoSobreNimbal::TfrmFoSobreNimbal(QWidget* pai) : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint) {
    setFixedSize(559, 340);
    CentrarNaTela(*this);
}

// The picture: a rainy sky over a field, with the name of the query and what it offers.
void TfrmFoSobreNimbal::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    const int horizonte = height() * 3 / 4;
    QLinearGradient ceu(0, 0, 0, horizonte);
    ceu.setColorAt(0, QColor(32, 58, 110));
    ceu.setColorAt(1, QColor(120, 160, 210));
    pintor.fillRect(QRect(0, 0, width(), horizonte), ceu);
    QLinearGradient campo(0, horizonte, 0, height());
    campo.setColorAt(0, QColor(80, 140, 60));
    campo.setColorAt(1, QColor(40, 90, 40));
    pintor.fillRect(QRect(0, horizonte, width(), height() - horizonte), campo);

    pintor.setPen(QPen(QColor(220, 230, 255, 70), 1.2));
    for (int i = 0; i < 70; ++i) {
        const int x = (i * 97) % width();
        const int y = (i * 53) % (horizonte - 30) + 5;
        pintor.drawLine(x, y, x - 5, y + 14);
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
