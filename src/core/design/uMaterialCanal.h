// The material of the drain's bed and its permissible limits, for the erosion checks of a design. Two
// classic tables, as Chow reproduces them (Open-channel hydraulics, 1959): bare earth by texture after
// Fortier and Scobey (1926), with the permissible mean velocity and the permissible boundary shear that the
// U.S. Bureau of Reclamation derived from them (Table 7-3), for clear water and for water carrying colloidal
// silt; and grass linings by cover, channel slope and soil after the U.S. Soil Conservation Service,
// SCS-TP-61 (Table 7-6), with the permissible velocity only. The rows are the text of
// data/materiais/velocidades_admissiveis.csv (tools/materiais/gerar.py), compiled into the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace talvek {

enum class TRevestimento { TerraNua, Grama };

struct TLinhaMaterial {
    TRevestimento Revestimento;
    std::string Nome;      // in Portuguese
    std::string Condicao;  // the water (bare earth) or the slope and soil (grass)
    double n;              // Manning's n the table gives for the material, s/m^(1/3); 0 for grass
    double Vadm;           // permissible mean velocity, m/s
    double TauAdm;         // permissible boundary shear, Pa; 0 where the table gives none (grass)
    std::string Original;  // the name as published, in English
};

// The rows of a table text: a header line, then "terra|grama;Nome;Condicao;n;Vadm;TauAdm;Original" with
// "." decimals (empty n and TauAdm read as 0). A line that does not fit raises Exception naming its number.
std::vector<TLinhaMaterial> LerTabelaMateriais(const std::string& texto);

// The shipped table, rows numbered from 1 as the material dialog and the project file number them.
const std::vector<TLinhaMaterial>& TabelaMateriais();

// The material chosen for a drain: a row of the table with its velocity, a velocity typed by the user
// (kDigitado) or none (kNenhum, the default: the checks then give numbers without a verdict).
struct TMaterialCanal {
    static constexpr std::int16_t kNenhum = 0;
    static constexpr std::int16_t kDigitado = -1;

    std::int16_t Indice = kNenhum;
    double Vadm = 0.0;  // permissible mean velocity, m/s

    // A row or a typed velocity, with a velocity above 0.
    bool Escolhido() const;
    // The table row, or nullptr for a typed velocity or none.
    const TLinhaMaterial* Linha() const;
    // Permissible boundary shear, Pa; 0 when there is no limit (grass, a typed velocity, none).
    double TauAdm() const;
    bool TerraNua() const;
    // "Nome (condição)" of a row, "o material informado" for a typed velocity, empty for none.
    std::string Descricao() const;

    // Section [Verificacao] of a project file: Versao "1", IndMaterial (−1 typed, 0 none, a row) and Vadm
    // (m/s). A file without the section (written before it existed) reads as no material. Another version
    // or an index outside the table reads as false, as the other sections do. No material is written only
    // over a file that has the section, so that a project without one keeps the earlier layout.
    bool LerArquivo(const std::string& nomeArquivo);
    bool EscreverArquivo(const std::string& nomeArquivo) const;
};

}  // namespace talvek
