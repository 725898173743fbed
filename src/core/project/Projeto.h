// A whole project held in one object, for callers without a main window (talvek-calc, tests): the
// design objects that the window otherwise owns one by one.
#pragma once

#include "design/uCanal.h"
#include "model/uTerreno.h"
#include "project/ArquivoProjeto.h"
#include "project/IDProjeto.h"
#include "rainfall/Nimbal21Comp.h"

namespace talvek {

struct TProjeto {
    TIDProjeto Identificacao;
    TTipoSistema Sistema;
    TNimbal21 Nimbal1;  // owns the design storm
    TTerreno Terreno;
    TCanalDrenagem CanalDrenagem;
    TUnidades Unidades;

    TObjetosProjeto Objetos() { return {Identificacao, Sistema, Nimbal1, Terreno, CanalDrenagem, Unidades}; }
};

}  // namespace talvek
