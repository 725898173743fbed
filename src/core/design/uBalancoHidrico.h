// Where the design flow comes from: the water balance of a design run and the numerical uncertainty of its
// flow. Everything here measures the design's own computations — the same hillslope and routing code, the
// same steps in the same order — and changes none of them. Depths in mm, volumes in L per metre of drain
// (hillslope) or m³ (channel), flows in L/s, times in min.
#pragma once

#include <optional>
#include <string>

#include "design/uCanal.h"
#include "design/uCanalRoteamento.h"
#include "model/uEncostaCinematica.h"
#include "model/uHidrograma.h"

namespace talvek {

class TPrecipitacao;
class TTerreno;

// The storm on the field over its first Duracao minutes, in mm: Precipitacao = AbstracaoInicial +
// Infiltracao + ChuvaEfetiva.
struct TBalancoChuva {
    double Duracao = 0;           // min from the start of the storm
    double Precipitacao = 0;      // depth fallen until Duracao
    double AbstracaoInicial = 0;  // the curve-number abstraction Ia (what of it is filled, without runoff)
    double Infiltracao = 0;       // infiltrated at VIB while the rain exceeds it, all the rain afterwards
    double ChuvaEfetiva = 0;      // the field's curve-number rainfall excess (0 without runoff)
};
TBalancoChuva BalancoChuva(const TTerreno& terreno, const TPrecipitacao& precipitacao, double duracao);

// Partial flooding (system type 2): the sizing laid open. The storm is counted until the end of runoff, the
// moment its intensity falls to VIB, as the rainfall excess is.
struct TDetalheComInundacao {
    TBalancoChuva Chuva;
    double Volume = 0;  // m³ of excess each drain removes
    double TD = 0;      // drainage time, h
    double Q = 0;       // design flow, L/s, as the sizing states it
};
// EDimensionamento when the sizing would fail.
TDetalheComInundacao DetalharComInundacao(const TCanalDrenagem& canal, const TTerreno& terreno,
                                          const TPrecipitacao& precipitacao);

// No partial flooding (system type 3): the design's hillslope and routing measured.
struct TBalancoSemInundacao {
    THidrograma Encosta;             // hillslope outflow, L/s per metre of drain; empty without runoff
    TBalancoEncosta BalancoEncosta;  // L/m
    THidrogramaCanal Canal;          // outlet hydrograph and ledger; empty without runoff
    TBalancoChuva Chuva;             // until the end of the hillslope hydrograph (of runoff, without one)
};
// Builds the channel's hillslope as the design does (Encosta changes); EDimensionamento when the design
// would fail, or with its own message when the outflow does not drain.
TBalancoSemInundacao MedirSemInundacao(TCanalDrenagem& canal, const TTerreno& terreno,
                                       const TPrecipitacao& precipitacao);

// Above this relative difference (%) the design flow depends on the grid.
inline constexpr double kIncertezaMaxima = 5;

struct TIncerteza {
    double Q = 0;          // design flow, L/s
    double QRefinado = 0;  // the same design with every time and space step of both schemes halved, L/s
    double Pct = 0;        // |QRefinado − Q| / Q, %; 0 when both are 0

    bool DependeDaMalha() const { return Pct > kIncertezaMaxima; }
};
// The numerical uncertainty of the design flow Q (L/s) of the channel's type-3 design: the design again on
// the halved grids (the Courant numbers stay as they are). EDimensionamento when the finer design fails.
TIncerteza IncertezaNumerica(TCanalDrenagem& canal, const TTerreno& terreno, const TPrecipitacao& precipitacao,
                             double Q);

// The water balance of a design as the results page, the hydrograph page and the report show it: the
// partial-flooding sizing for system type 2; the measured run and the uncertainty for type 3 (its flow the
// measured peak, which is the design flow); nothing for the types that are not designed.
struct TBalancoHidrico {
    std::optional<TDetalheComInundacao> ComInundacao;
    std::optional<TBalancoSemInundacao> SemInundacao;
    std::optional<TIncerteza> Incerteza;
    std::string FalhaIncerteza;  // why the finer design failed, when it did (the rest of the balance stands)
};
// EDimensionamento (or the measured run's own message) when it cannot be computed.
TBalancoHidrico CalcularBalancoHidrico(TCanalDrenagem& canal, const TTerreno& terreno,
                                       const TPrecipitacao& precipitacao, const TTipoSistema& sistema);

}  // namespace talvek
