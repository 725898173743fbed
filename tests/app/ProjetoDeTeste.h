// The design objects of one project, owned together, for the tests of the project and simulation layers.
#pragma once

#include "app/ArquivoProjeto.h"
#include "app/IDProjeto.h"
#include "design/uCanal.h"
#include "model/uTerreno.h"
#include "rainfall/Nimbal21Comp.h"

namespace talvek::teste {

struct ProjetoDeTeste {
    TIDProjeto Identificacao;
    TTipoSistema Sistema;
    TNimbal21 Nimbal1;
    TTerreno Terreno;
    TCanalDrenagem CanalDrenagem;
    TUnidades Unidades;

    TObjetosProjeto Objetos() { return {Identificacao, Sistema, Nimbal1, Terreno, CanalDrenagem, Unidades}; }
};

}  // namespace talvek::teste
