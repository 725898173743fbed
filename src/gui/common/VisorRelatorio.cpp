#include "common/VisorRelatorio.h"

#include <QEvent>
#include <QTextBrowser>

namespace talvek::gui {

namespace {

constexpr int kFolga = 1;  // px between the wrapping width and the viewport's edge

class TQuebraAntesDaBorda : public QObject {
public:
    explicit TQuebraAntesDaBorda(QTextBrowser& visor) : QObject(&visor), visor_(visor) {
        visor_.setLineWrapMode(QTextEdit::FixedPixelWidth);
        Ajustar();
        visor_.viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Resize) Ajustar();
        return false;
    }

private:
    void Ajustar() { visor_.setLineWrapColumnOrWidth(visor_.viewport()->width() - kFolga); }

    QTextBrowser& visor_;
};

}  // namespace

void QuebrarAntesDaBorda(QTextBrowser& visor) { new TQuebraAntesDaBorda(visor); }

}  // namespace talvek::gui
