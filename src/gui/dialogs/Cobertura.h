// Component of the vegetation-cover dialog (not the cover of the field-surface model, talvek::TCobertura):
// carries the land use, treatment and hydrologic condition into the dialog and, when the user confirms,
// back out. The component keeps its own three selectors; the setters copy the index of the one given.
#pragma once

#include "model/uTerreno.h"

class QWidget;

namespace talvek::gui {

class TCobertura {
public:
    int HelpContext = 0;  // help topic of the dialog (the data-entry page uses 120)

    const TTratamento& Tratamento() const { return tratamento_; }                     // 0–3, 0 = none
    const TCondicaoHidrologica& CondicaoHidrologica() const { return condicao_; }  // 0–3, 0 = none
    const TUsoTerra& UsoTerra() const { return usoTerra_; }                           // 0–5
    void SetTratamento(const TTratamento& tratamento) { tratamento_.Atribuir(tratamento); }
    void SetCondicaoHidrologica(const TCondicaoHidrologica& condicao) { condicao_.Atribuir(condicao); }
    void SetUsoTerra(const TUsoTerra& usoTerra) { usoTerra_.Atribuir(usoTerra); }

    // Shows the dialog modally over `pai`, preset with the cover. True when the user confirmed with OK:
    // the three indices then hold the choice. False (Cancel, closing): nothing changes.
    bool Executar(QWidget* pai);

private:
    TTratamento tratamento_;
    TCondicaoHidrologica condicao_;
    TUsoTerra usoTerra_;
};

}  // namespace talvek::gui
