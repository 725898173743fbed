// API: TFSobre(pai).exec() — the about box; a click on the picture or any key closes it.
// The about box: the program's presentation picture, 559 × 340 pixels, without a frame, centred on the
// screen.
#pragma once

#include <QDialog>

namespace talvek::gui {

class TFSobre : public QDialog {
public:
    explicit TFSobre(QWidget* pai = nullptr);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
};

}  // namespace talvek::gui
