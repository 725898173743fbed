// API: TFSobre(pai).exec() — the about box; a click on the picture or any key closes it.
// The about box: the program's presentation picture, 559 × 340 pixels, without a frame, centred on the
// screen, with the sources of the shipped data and their licences in a panel over the picture.
#pragma once

#include <QDialog>

class QLabel;

namespace talvek::gui {

// The sources of the rainfall database and of the maps with their licences and the attribution CC BY
// asks for, in HTML; the help's topic "Fontes dos dados" shows the same text.
QString TextoFontesDados();

class TFSobre : public QDialog {
public:
    explicit TFSobre(QWidget* pai = nullptr);

    QLabel* Fontes;  // TextoFontesDados, over the lower part of the picture

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
};

}  // namespace talvek::gui
