// The reference table of the channel material (TabelaMateriais of the core) as a reference-value dialog:
// bare earth by texture and water, grass linings by cover, slope and soil, each row with its Manning's n,
// permissible mean velocity (m/s, the value chosen) and, for bare earth, permissible shear (Pa). A typed
// velocity carries the index TMaterialCanal::kDigitado.
#pragma once

#include "dialogs/DescricaoReferencia.h"

namespace talvek::gui {

const DescricaoReferencia& TabelaMaterialCanal();

}  // namespace talvek::gui
