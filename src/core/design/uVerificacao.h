// Will the drain hold? The hydraulic checks of a finished design: the uniform flow of the design flow at
// the theoretical height H (uHidraulica.h) against the permissible limits of the channel's material
// (uMaterialCanal.h), the stability of the water surface, and the earthwork at the recommended height Hr
// (uTerraplenagem.h). Without a material the numbers come without a verdict.
#pragma once

#include <string>
#include <vector>

#include "design/uHidraulica.h"
#include "design/uMaterialCanal.h"
#include "design/uTerraplenagem.h"

namespace talvek {

// Froude number above which the flow is taken as near critical, with an unstable, wavy surface.
inline constexpr double kFroudeInstavel = 0.8;
// Mean velocity below which sediment may settle in a bare-earth drain, m/s.
inline constexpr double kVelocidadeSedimentacao = 0.3;

// One line of the verdict: a check that fails (Alerta), or information.
struct TAvisoVerificacao {
    std::string Texto;
    bool Alerta;
};

struct TVerificacao {
    THidraulica Hidraulica;        // at H, with the design flow
    TTerraplenagem Terraplenagem;  // at Hr
    TMaterialCanal Material;
    double Vadm;    // permissible mean velocity, m/s; NaN without a material
    double TauAdm;  // permissible boundary shear, Pa; NaN without a limit
    std::vector<TAvisoVerificacao> Avisos;
    bool Atendida;  // a material was chosen and no check fails
};

// The verdict of the flow `h` in a drain of `material`, one line per check that speaks, in this order:
// the velocity and the shear above their limits, a near-critical flow, a slow flow in bare earth. Empty
// without a material. Numbers with the regional decimal separator.
std::vector<TAvisoVerificacao> Veredito(const THidraulica& h, const TMaterialCanal& material);

// The checks of a designed channel (its Q in L/s, H in m, Hr in cm, slope, spacing, section and material)
// on a field of slope St (m/m).
TVerificacao VerificarCanal(const TCanalDrenagem& canal, double St);

// The line shown, in green, when every check holds ("Canal estável: …"); empty otherwise.
std::string TextoAtendida(const TVerificacao& verificacao);

}  // namespace talvek
