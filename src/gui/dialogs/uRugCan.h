// Reference table of Manning roughness coefficients of excavated earth channels: each row is a radio
// button with the minimum, normal and maximum values; choosing a row puts the normal value in the value
// box, and any value may be typed instead.
#pragma once

#include <QDialog>

#include <cstdint>

class QButtonGroup;
class QPushButton;

namespace talvek::gui {

class TCampoNumerico;

class TFRugCan : public QDialog {
    Q_OBJECT

public:
    static constexpr int kLinhas = 9;

    explicit TFRugCan(QWidget* pai = nullptr);

    // Values at show time: the help topic, the row to check (1–9; 0 or any other number checks none)
    // and the roughness in s/m^(1/3) to show (0 shows the row's normal value or nothing).
    void Preparar(int helpContext, std::int16_t indice, double valor);

    // After OK: the row of the chosen value (0 when it was typed) and the value, s/m^(1/3).
    std::int16_t Indice() const { return indice_; }
    double Valor() const { return valor_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FormShow();
    void RadioButtonClick(int linha);
    void eRugCanKeyPress(bool aceito);
    void eRugCanChange();
    void OKClick();

    QButtonGroup* opcoes_;
    TCampoNumerico* eRugCan_;
    QPushButton* ok_;
    std::int16_t indice_ = 0;
    double valor_ = 0.0;
};

}  // namespace talvek::gui
