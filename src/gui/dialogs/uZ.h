// Reference table of Z, the inverse of the slope of the side walls of an unlined trapezoidal channel
// (metres horizontal per metre vertical), by wall material. Choosing a row puts its value in the value
// box; typing a value selects the row " Ou&tros".
#pragma once

#include <QDialog>

#include <cstdint>

class QButtonGroup;
class QLabel;
class QPushButton;

namespace talvek::gui {

class TCampoNumerico;

class TFZ : public QDialog {
    Q_OBJECT

public:
    static constexpr int kOpcoes = 6;
    static constexpr int kOutros = 6;  // the row of a typed value

    explicit TFZ(QWidget* pai = nullptr);

    // Values at show time: the help topic, the option to select (1–6; 0 none) and the Z to show (0
    // shows the option's value or nothing).
    void Preparar(int helpContext, std::int16_t opcao, double valor);

    // After OK: the option (6 for a typed value) and Z, m/m.
    std::int16_t OpcaoAtual() const { return opcaoAtual_; }
    double Valor() const { return valor_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FormShow();
    void OpcaoClick(int opcao);
    void Edit1KeyPress(bool aceito);
    void Edit1Change();
    void OKClick();
    void CancelaClick();

    QButtonGroup* opcoes_;
    QLabel* valores_[kOpcoes];
    TCampoNumerico* Edit1_;
    QPushButton* ok_;
    std::int16_t opcaoAtual_ = 0;
    std::int16_t opcaoInicial_ = 0;
    double valor_ = 0.0;
};

}  // namespace talvek::gui
