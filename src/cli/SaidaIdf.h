// What talvek-calc idf adds to its answer on request: the contributing stations and the warnings
// (--detalhes), and the table of intensities and depths (--tabela), as JSON members or as text.
#pragma once

#include <iosfwd>
#include <string>

#include "model/TabelaIdf.h"
#include "rainfall/EvidenciaChuva.h"

namespace talvek::cli {

// "\"estacoes\":[{…},…],\"avisos\":[…]" (every station of the evidence, heaviest first).
std::string JsonEvidencia(const TEvidenciaChuva& evidencia);
// "\"tabela\":{\"duracoes_min\":[…],\"Tr\":[…],\"intensidades_mm_h\":[[…],…],\"laminas_mm\":[[…],…]}",
// one inner list per return period.
std::string JsonTabela(const TTabelaIdf& tabela);

// The warnings, one "Aviso: …" line each.
void MostrarAvisos(const TEvidenciaChuva& evidencia, std::ostream& saida);
// The first stations with distance, weight and parameters, and the line of the others.
void MostrarEstacoes(const TEvidenciaChuva& evidencia, std::ostream& saida);
// Intensities (mm/h) and depths (mm), one line per return period.
void MostrarTabela(const TTabelaIdf& tabela, std::ostream& saida);

}  // namespace talvek::cli
