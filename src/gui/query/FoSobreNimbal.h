// The about box of the rainfall query: a borderless picture that a click or any key closes.
#pragma once

#include <QDialog>

namespace talvek::gui {

class TfrmFoSobreNimbal : public QDialog {
public:
    explicit TfrmFoSobreNimbal(QWidget* pai = nullptr);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
};

}  // namespace talvek::gui
