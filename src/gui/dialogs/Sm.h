// Component of the Sm dialog: carries the upstream wall slope Sm of a triangular drain, in the slope unit
// of the program, and the row of the reference table it came from into the dialog and, when the user
// confirms, back out.
#pragma once

#include <cstdint>
#include <string>

class QWidget;

namespace talvek::gui {

class TSm {
public:
    std::int16_t Indice = 0;   // table row 1–8; 0 = none; −1 = a value typed by the user
    double Valor = 0.0;        // Sm in the unit UDeclive (shown value = m/m × KDeclive)
    int HelpContext = 0;       // help topic of the dialog
    std::string UDeclive;      // slope unit: "%" or "m/m"
    int KDeclive = 0;          // its multiplier: 100 for "%", 1 for "m/m"

    // Shows the dialog modally over `pai`, preset with the values. True when the user confirmed with
    // OK: Indice and Valor then hold the choice. False (Cancel, closing): nothing changes. Raises
    // talvek::Exception, before anything is shown, when UDeclive or KDeclive is not one of the above.
    bool Executar(QWidget* pai);
};

}  // namespace talvek::gui
