// Component of the terrain-roughness dialog: carries a Manning roughness of the field surface and the
// row of the reference table it came from into the dialog and, when the user confirms, back out.
#pragma once

#include <cstdint>

class QWidget;

namespace talvek::gui {

class TRugTer {
public:
    int HelpContext = 0;       // help topic of the dialog (the data-entry page uses 111)
    std::int16_t Indice = 0;   // table row 1–19; 0 = value typed by the user, or none chosen
    double Valor = 0.0;        // Manning roughness of the surface, s/m^(1/3)

    // Shows the dialog modally over `pai`, preset with the three values. True when the user confirmed
    // with OK: Indice and Valor then hold the choice. False (Cancel, closing): nothing changes.
    bool Executar(QWidget* pai);
};

}  // namespace talvek::gui
