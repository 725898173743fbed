// Building the rainfall database: reads stations and localities from CSV tables and writes the binary
// files "Estados_Nim21.bin" and "Localidades_Nim21.bin", each state's records in the name order of the
// query lists (NomeAntes).
//
// CSV tables: UTF-8 (a leading BOM is accepted), fields separated by ";", a field may be quoted with
// double quotes ("" inside stands for one). First line the header, exactly
//   stations:   Estado;Nome;Latitude;Longitude;K;a;b;c;Autor
//   localities: Estado;Nome;Latitude;Longitude
// Estado is the two-letter abbreviation; Latitude and Longitude are decimal degrees with south and west
// negative ("-22.9" or "-22,9") or coordinate texts ("22°54'00\""); numbers take "." or "," as decimal
// separator. Names have at most 68 characters, citation keys at most 30, all representable in
// Windows-1252; K > 0 and a, b, c ≥ 0.
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

#include "rainfall/UnBD.h"

namespace talvek {

using TGruposEstacoes = std::array<std::vector<TEstacao>, kNumeroEstados>;
using TGruposLocalidades = std::array<std::vector<TLocalidade>, kNumeroEstados>;

// Reads a CSV table into groups by state, each sorted by NomeAntes (equal names keep the table's order).
// Exception naming `nomeArquivo` and the line at the first fault.
TGruposEstacoes LerCsvEstacoes(std::istream& entrada, const std::string& nomeArquivo);
TGruposLocalidades LerCsvLocalidades(std::istream& entrada, const std::string& nomeArquivo);

// Writes a database file, records in the order given. The file is replaced only once it is complete.
// Exception when a record does not fit the format (text too long or not Windows-1252, more than 65535
// records in a state).
void GravarEstacoes(const std::string& caminho, const TGruposEstacoes& grupos);
void GravarLocalidades(const std::string& caminho, const TGruposLocalidades& grupos);

struct TResumoImportacao {
    std::array<std::size_t, kNumeroEstados> Estacoes{};     // records written per state
    std::array<std::size_t, kNumeroEstados> Localidades{};  // records written per state
};

// Builds the database files in `pastaSaida` (created when missing) from the tables given; an empty
// path leaves that file alone. Nothing is written unless every given table is sound and holds at least one
// record. EGravacaoArquivo when the folder or a file cannot be written.
TResumoImportacao ImportarBanco(const std::string& csvEstacoes, const std::string& csvLocalidades,
                                const std::string& pastaSaida);

}  // namespace talvek
