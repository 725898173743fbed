// Reference table of Manning roughness coefficients of field surfaces for overland flow: each row is a
// radio button with its range and recommended value; choosing a row puts the recommended value in the
// value box, and any value may be typed instead.
#pragma once

#include <QDialog>

#include <cstdint>

class QButtonGroup;
class QPushButton;

namespace talvek::gui {

class TCampoNumerico;

class TFRugTer : public QDialog {
    Q_OBJECT

public:
    static constexpr int kLinhas = 19;

    explicit TFRugTer(QWidget* pai = nullptr);

    // Values at show time: the help topic, the row to check (1–19; 0 or any other number checks
    // none) and the roughness in s/m^(1/3) to show (0 shows the row's recommended value or nothing).
    void Preparar(int helpContext, std::int16_t indice, double valor);

    // After OK: the row of the chosen value (0 when it was typed) and the value, s/m^(1/3).
    std::int16_t Indice() const { return indice_; }
    double Valor() const { return valor_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FormShow();
    void OpcaoClick(int linha);
    void eRugTerKeyPress(bool aceito);
    void eRugTerChange();
    void OKClick();

    QButtonGroup* opcoes_;
    TCampoNumerico* eRugTer_;
    QPushButton* ok_;
    std::int16_t indice_ = 0;
    double valor_ = 0.0;
};

}  // namespace talvek::gui
