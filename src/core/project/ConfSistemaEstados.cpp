#include "project/ConfSistemaEstados.h"

#include <cstring>

#include "rainfall/UnBD.h"

namespace talvek {

int IndiceBancoDoEstado(int indEstado) {
    if (indEstado < 0 || indEstado >= static_cast<int>(kEstadosConfiguracao.size())) return -1;
    for (int indice = 0; indice < kNumeroEstados; ++indice)
        if (std::strcmp(kEstados[indice].Nome, kEstadosConfiguracao[indEstado]) == 0) return indice;
    return -1;
}

}  // namespace talvek
