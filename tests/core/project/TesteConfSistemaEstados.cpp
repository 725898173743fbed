// The default state's position in the configuration list and its number in the rainfall database.
#include <gtest/gtest.h>

#include <cstring>

#include "project/ConfSistemaEstados.h"
#include "rainfall/UnBD.h"

namespace talvek {
namespace {

TEST(EstadosConfiguracao, IndiceNoBancoPeloNome) {
    struct Caso {
        int indEstado;
        int indiceBanco;
    };
    // Amapá, Distrito Federal, Roraima, Sergipe and Tocantins are in the database but not in the list,
    // so the numbers part after Alagoas (Amapá), Ceará (Distrito Federal) and Rondônia (Roraima).
    const Caso casos[] = {{0, 0},   {1, 1},   {2, 3},   {3, 4},   {4, 5},   {5, 7},
                          {10, 12}, {13, 15}, {19, 21}, {20, 23}, {21, 24}, {-1, -1}, {22, -1}};
    for (const Caso& caso : casos)
        EXPECT_EQ(IndiceBancoDoEstado(caso.indEstado), caso.indiceBanco) << "IndEstado " << caso.indEstado;
}

TEST(EstadosConfiguracao, CadaEstadoDaListaExisteNoBanco) {
    for (int i = 0; i < static_cast<int>(kEstadosConfiguracao.size()); ++i) {
        const int indice = IndiceBancoDoEstado(i);
        ASSERT_GE(indice, 0) << kEstadosConfiguracao[i];
        EXPECT_STREQ(kEstados[indice].Nome, kEstadosConfiguracao[i]);
    }
}

}  // namespace
}  // namespace talvek
