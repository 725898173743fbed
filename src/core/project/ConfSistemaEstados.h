// API: kEstadosConfiguracao (the 22 names, position = IndEstado); IndiceBancoDoEstado(indEstado) → state index of the rainfall database (0–26), −1 when none.
// The default state of the rainfall query is chosen from a list of 22 states, while the database numbers
// its 27 states its own way; the two meet by name.
#pragma once

#include <array>

namespace talvek {

inline constexpr std::array<const char*, 22> kEstadosConfiguracao = {
    "Acre",           "Alagoas",        "Amazonas",       "Bahia",          "Ceará",
    "Espírito Santo", "Goiás",          "Maranhão",       "Mato Grosso",    "Mato Grosso do Sul",
    "Minas Gerais",   "Pará",           "Paraíba",        "Paraná",         "Pernambuco",
    "Piauí",          "Rio de Janeiro", "Rio Grande do Norte", "Rio Grande do Sul", "Rondônia",
    "Santa Catarina", "São Paulo",
};

// The database index of the state at position `indEstado` of the list; −1 for a position outside 0–21
// (the rainfall query then asks for a state instead of opening on a wrong one).
int IndiceBancoDoEstado(int indEstado);

}  // namespace talvek
