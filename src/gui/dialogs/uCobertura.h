// The vegetation cover of the field: land use, treatment (conservation practice) and hydrologic
// condition, which select the curve number. Choosing a land use enables only the treatments and
// conditions it admits and preselects defaults.
#pragma once

#include <QDialog>

#include "model/uTerreno.h"

class QButtonGroup;

namespace talvek::gui {

class TFCober : public QDialog {
    Q_OBJECT

public:
    explicit TFCober(QWidget* pai = nullptr);

    // Values at show time: the help topic and the stored cover, shown as stored even where the rules of
    // its land use would disable a button.
    void Preparar(int helpContext, const TUsoTerra& usoTerra, const TTratamento& tratamento,
                  const TCondicaoHidrologica& condicao);

    // After OK: land use 0–5, treatment 0–3 and condition 0–3 (0 = none).
    const TUsoTerra& UsoTerra() const { return usoTerra_; }
    const TTratamento& Tratamento() const { return tratamento_; }
    const TCondicaoHidrologica& CondicaoHidrologica() const { return condicao_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FormShow();
    void RGUsoTerraClick(int usoTerra);
    void OKClick();

    QButtonGroup* RGUsoTerra_;
    QButtonGroup* RGTratamento_;
    QButtonGroup* RGCondicao_;
    TUsoTerra usoTerra_;
    TTratamento tratamento_;
    TCondicaoHidrologica condicao_;
};

}  // namespace talvek::gui
