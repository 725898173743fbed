// Component of the Z dialog: carries the side-wall value Z of a trapezoidal drain and the row of the
// reference table it came from into the dialog and, when the user confirms, back out.
#pragma once

#include <cstdint>

class QWidget;

namespace talvek::gui {

class TZ {
public:
    std::int16_t Indice = 0;   // table row 1–5, 6 = " Ou&tros" (a typed value); 0 = none
    double Valor = 0.0;        // Z, metres horizontal per metre vertical
    int HelpContext = 0;       // help topic of the dialog

    // Shows the dialog modally over `pai`, preset with the three values. True when the user confirmed
    // with OK: Indice and Valor then hold the choice. False (Cancel, closing): nothing changes.
    bool Executar(QWidget* pai);
};

}  // namespace talvek::gui
