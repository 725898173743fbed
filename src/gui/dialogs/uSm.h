// Reference table of Sm, the slope of the upstream wall of a triangular drain, for typical terrace
// cross-sections built with given machines. Values are shown in the slope unit of the program ("%" or
// "m/m"); row 7 is a range, and a value typed over it must lie in that range.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

class QButtonGroup;
class QLabel;
class QPushButton;

namespace talvek::gui {

class TCampoNumerico;

class TFSm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kOpcoes = 8;
    static constexpr int kFaixa = 7;         // the row whose value is a range
    static constexpr int kDigitado = -1;     // the option of a typed value

    explicit TFSm(QWidget* pai = nullptr);

    // Values at show time: the help topic; the slope unit, "%" or "m/m", and its multiplier, 100 or 1;
    // the option to select (1–8; 0 none; −1 a typed value) and the Sm to show, in that unit (0 shows the
    // option's value or nothing).
    void Preparar(int helpContext, const std::string& unidade, int multiplicador, std::int16_t opcao,
                  double valor);

    // After OK: the option (−1 for a typed value, 7 for a value typed over the range of row 7) and Sm in
    // the slope unit given.
    std::int16_t OpcaoAtual() const { return opcaoAtual_; }
    double Valor() const { return valor_; }

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void FormShow();
    QString TextoValor(double valorBase) const;
    void OpcaoClick(int opcao);
    void Edit1Enter();
    void Edit1KeyPress();
    void Edit1Change();
    void OKClick();
    void CancelaClick();

    QButtonGroup* opcoes_;
    QLabel* valores_[kOpcoes];
    TCampoNumerico* Edit1_;
    QPushButton* ok_;
    std::string unidade_;
    int multiplicador_ = 1;
    std::int16_t opcaoPreparada_ = 0;
    std::int16_t opcaoAtual_ = 0;
    double valor_ = 0.0;
};

}  // namespace talvek::gui
