// Component of the reference-value dialogs: carries a value and the row of the reference table it came
// from into the dialog of a table description and, when the user confirms, back out.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/DescricaoReferencia.h"

class QWidget;

namespace talvek::gui {

class TReferencia {
public:
    // `tabela` (one of the descriptions of DescricaoReferencia.h) must outlive the component.
    explicit TReferencia(const DescricaoReferencia& tabela) : tabela_(tabela) {}

    int HelpContext = 0;      // help topic of the dialog
    std::int16_t Indice = 0;  // table row 1, 2, …, or the table's index of a typed value; 0: none chosen
    double Valor = 0.0;       // in the unit of the table; for a table of slopes, in UDeclive
    std::string UDeclive;     // tables of slopes: the slope unit, "%" or "m/m"
    int KDeclive = 0;         // its multiplier: 100 for "%", 1 for "m/m"

    // Shows the dialog modally over `pai`, preset with the values. True when the user confirmed with
    // OK: Indice and Valor then hold the choice. False (Cancel, closing): nothing changes. For a table of
    // slopes, raises talvek::Exception, before anything is shown, when UDeclive or KDeclive is not one of
    // the above.
    bool Executar(QWidget* pai);

private:
    const DescricaoReferencia& tabela_;
};

}  // namespace talvek::gui
