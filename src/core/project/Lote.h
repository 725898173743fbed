// A batch of drains (talvek-calc lote): one row of a sheet per drain, its columns named after the project-file
// keys they set, every row sized on its own copies of a base project's objects, the rows spread over the
// thread pool. A row's values are stored as the project-file reader stores those keys, through the same
// setters and in the same units, so a row sizes exactly as the base project with those keys written in.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "design/uCanal.h"
#include "design/uVerificacao.h"
#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"
#include "project/Planilha.h"

namespace talvek {

struct TProjeto;

// The design objects of one drain, copied for each row, so that no two rows share a storm (its Newton
// counter), a field or a channel (its hillslope and hydrograph).
struct TCasoLote {
    TTipoSistema Sistema;
    TTerreno Terreno;
    TCanalDrenagem Canal;
    TPrecipitacaoExponencialNegativa Chuva;
};

// The base of the rows: copies of the project's objects, without the window's progress hook.
TCasoLote CasoDoProjeto(const TProjeto& projeto);

enum class TTipoColuna {
    Real,     // a number, "." or "," decimal
    Inteiro,  // a whole number
    Texto,    // kept as typed, for the output only
};

// A column of the sheet and the project-file key it sets.
struct TColunaLote {
    const char* Nome;   // column header
    const char* Secao;  // section of the project file
    const char* Chave;  // key of that section
    TTipoColuna Tipo;
    // Stores the value as the project-file reader stores the key; raises Exception with the reason for a
    // value the reader refuses (a class out of its range, a negative storm parameter). Null for Texto.
    void (*Aplicar)(TCasoLote& caso, double valor);
};

// Every column a sheet may have, in the order of the project file.
std::span<const TColunaLote> ColunasLote();

// The sheet's columns, each resolved to its entry of ColunasLote.
struct TLote {
    TPlanilha Planilha;
    std::vector<const TColunaLote*> Colunas;  // one per header field
};

// Resolves the header (names matched without regard to letter case). Raises EPlanilha for a column without
// a name, one the program does not know, or one given twice.
TLote PrepararLote(TPlanilha planilha);

// What one row gave.
struct TResultadoLote {
    std::string Erro;   // why the row was not sized ("linha 4, coluna 3 (VIB): …"); empty when it was
    std::string Causa;  // a line that says more about a failed sizing, or empty
    double Q = 0;       // design flow, L/s
    double H = 0;       // theoretical height, m
    double Hr = 0;      // recommended height, cm
    std::vector<std::string> Avisos;          // AvisosDimensionamento
    std::optional<TVerificacao> Verificacao;  // the hydraulic checks of a sized row
};

// One row on a copy of `base`: the row's values stored, the storm's parameters checked, then the sizing of
// talvek-calc dimensionar — system types 2 and 3, the checks of "Calcular", the recommended height of the
// row's CDu — the warnings and the hydraulic checks. A failure of any of these is the row's Erro.
TResultadoLote DimensionarLinha(const TCasoLote& base, const TLote& lote, const TLinhaPlanilha& linha);

// Every row on `threads` threads, results in the rows' order. `entregue`(i) follows each row in that order
// as soon as it and those before it are done, never two at once (a progress display).
std::vector<TResultadoLote> ExecutarLote(const TCasoLote& base, const TLote& lote, int threads,
                                         const std::function<void(std::size_t)>& entregue = {});

}  // namespace talvek
