// The value box of the reference dialogs: a one-line field for a number typed with the regional
// settings. A typed thousands separator becomes the decimal separator; only the digits, the decimal
// separator and Backspace reach the text, every other character is dropped. Keys that carry no
// character (arrows, Delete, Tab, Enter, shortcuts such as Ctrl+V) work as in any field.
#pragma once

#include <QLineEdit>

#include <optional>

namespace talvek::gui {

class TCampoNumerico : public QLineEdit {
    Q_OBJECT

public:
    explicit TCampoNumerico(QWidget* pai = nullptr);

    // The text read as a number with the decimal separator of the regional settings (blanks around it
    // allowed). A text that is not a number shows the conversion error, gives the field the focus back
    // and returns no value.
    std::optional<double> LerValor();

signals:
    // For each character key, Backspace included, before an accepted character reaches the text.
    void CaractereDigitado(bool aceito);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
};

}  // namespace talvek::gui
