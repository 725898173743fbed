// API: TFConfSistema(unidades, indEstado, pai); exec() == Accepted → Unidades(), IndEstado(). ExecutarConfSistema(pai, unidades&, indEstado&) → bool.
// The system configuration dialog: display units of slopes and of the basic infiltration rate, and the
// default state of the rainfall query.
#pragma once

#include <QDialog>

#include "project/ArquivoProjeto.h"

class QComboBox;
class QPushButton;

namespace talvek::gui {

inline constexpr int kAjudaConfSistema = 112;

class TFConfSistema : public QDialog {
public:
    // Shows `unidades` and `indEstado`; a unit text outside the lists, or a state outside 0–21, shows no
    // selection.
    TFConfSistema(const TUnidades& unidades, int indEstado, QWidget* pai = nullptr);

    // The settings as they stand: those given, replaced on "&Ok" by the choices.
    const TUnidades& Unidades() const { return unidades_; }
    int IndEstado() const { return indEstado_; }

    QComboBox* Uniddecli;
    QComboBox* UnidVib;
    QComboBox* EstDefault;
    QPushButton* BtnOk;
    QPushButton* BtnCancelar;
    QPushButton* BtnAjuda;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FormShow();
    void OkClick();

    TUnidades unidades_;
    int indEstado_;
};

// Runs the dialog modally; on "&Ok" replaces `unidades` and `indEstado` and returns true.
bool ExecutarConfSistema(QWidget* pai, TUnidades& unidades, int& indEstado);

}  // namespace talvek::gui
