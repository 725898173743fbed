// Kinematic-wave hillslope: the overland flow that the field strip between two drains delivers to a drain
// during the design storm. The strip is a plane of length Comprimento (the drain spacing), slope St and
// Manning roughness nt, with the field's infiltration rate VIB and cover; the rainfall in excess of VIB,
// once the initial abstraction is filled, runs down it as a sheet q = α·y^(5/3) (α = √St / nt, q in m²/s,
// y in m), routed on a grid of nodes. The result is the outflow hydrograph of the lowest node in L/s per
// metre of drain against minutes from the start of the storm.
#pragma once

#include <cstdint>

#include "model/uHidrograma.h"
#include "model/uTerreno.h"
#include "platform/Progresso.h"

namespace talvek {

class TPrecipitacao;
class TPrecipitacaoExponencialNegativa;

// Node grid and time step of one hillslope computation.
struct TMalhaEncosta {
    double dx;  // node spacing, m: a hundredth of the length, at most 0.5 m
    int Nos;    // number of nodes; node 0 at the top, Nos − 1 at the drain
    double dt;  // time step, min, by the infiltration rate
};

// The grid of a hillslope of Comprimento m (> 0; 0 raises EAritmetica) on a soil of VIB mm/h.
TMalhaEncosta MalhaEncosta(std::int32_t Comprimento, double VIB);

// The same grid with dx and dt divided by `fator` (≥ 1) and `fator` times the nodes: the Courant numbers
// stay as they are. A factor of 1 leaves it exactly as it is.
TMalhaEncosta MalhaRefinada(const TMalhaEncosta& malha, int fator);

// Continuity ledger of one hillslope computation, per metre of drain, in L/m (÷ Comprimento: mm over the
// strip), each term measured from the scheme's own state.
struct TBalancoEncosta {
    double Entrada = 0;     // rainfall excess added: top node and lateral inflow of every step while it is positive
    double Saida = 0;       // the outflow hydrograph's volume
    double Infiltrada = 0;  // ponded water the negative excess removes after the end of runoff (at most what is there)
    double Armazenada = 0;  // water left on the slope when the outlet dries, Σ y·dx
    double Comprimento = 0; // m, the strip's length

    double Erro() const { return Entrada - Saida - Infiltrada - Armazenada; }  // L/m
    double ErroPct() const;                                                   // % of Entrada; 0 without inflow
    double Mm(double litrosPorMetro) const;                                   // the term in mm over the strip
};

// A hillslope hydrograph and the ledger of the computation that made it.
struct TEscoamentoMedido {
    THidrograma Hidrograma;  // L/s per metre of drain vs. min
    TBalancoEncosta Balanco;
};

// Depth y* (m) at which the wave's Courant number (5/3)·α·y^(2/3)·Δs/dx reaches 1: above it the routing
// marches in space, below it it steps explicitly in time.
double ProfundidadeCritica(double alfa, const TMalhaEncosta& malha);

// Instantaneous intensity of the storm at its start, its highest, mm/h.
double IntensidadeInicial(const TPrecipitacaoExponencialNegativa& chuva);

// Bounds of one hillslope run, checked before its grid is allocated: the nodes (four arrays of doubles, 32 MB
// at the bound) and the node updates of TContadorAtualizacoes (about ten seconds).
inline constexpr double kMaximoNosEncosta = 1'000'000;

// End of runoff tf (min): the moment the storm's instantaneous intensity falls to VIB (mm/h), by Newton from
// 1 min. Raises Exception when the initial intensity does not exceed VIB, or when Newton does not converge
// within 201 steps.
double TempoFinalEscoamento(const TPrecipitacaoExponencialNegativa& chuva, double VIB);

class TEncostaCinematicaCustom : public TTerreno {
public:
    void Limpar();  // the field surface, and Comprimento 0

    // Length along the flow, whole m; a negative value raises Exception and leaves it unchanged.
    void SetComprimento(std::int32_t valor);
    std::int32_t Comprimento() const { return Comprimento_; }

    // Number of nodes of the grid: 100 up to 50 m, otherwise one per half metre. A strip of more than
    // kMaximoNosEncosta nodes raises Exception naming the spacing.
    int NumeroTrechos() const;

    // Node updates that the routing of the storm's excess on this surface takes at least, estimated before
    // anything is allocated: the nodes times the time steps from the filled abstraction to the end of
    // runoff, while rain still falls on every node (the recession comes on top); 0 without runoff. Raises
    // the errors of TempoFinalEscoamento and of NumeroTrechos.
    double AtualizacoesEstimadas(const TPrecipitacao& precipitacao) const;

    // Outflow hydrograph (L/s per metre of drain vs. min) of the storm on this surface; empty when there is
    // no runoff. N must be NumeroTrechos. A run whose AtualizacoesEstimadas pass the update limit raises
    // Exception naming the spacing before anything is allocated. Raises the errors of TempoFinalEscoamento,
    // EAritmetica for a length or roughness of 0 or a storm with B = 0, and Exception when the hydrograph
    // would exceed its point counter; an arithmetic fault inside the routing only ends the hydrograph early.
    THidrograma GerarHidrograma(int N, const TPrecipitacao& precipitacao);

    // The same computation measured: its hydrograph and continuity ledger, on the design's grid
    // (refinamento 1, the very hydrograph GerarHidrograma gives) or on MalhaRefinada(…, refinamento).
    // The errors of GerarHidrograma.
    TEscoamentoMedido GerarHidrogramaMedido(const TPrecipitacao& precipitacao, int refinamento = 1);

    // Whether the last GerarHidrograma found no runoff (the storm never exceeds VIB, or the abstraction is
    // not filled before the end of runoff).
    bool SemEscoamento() const { return SemEscoamento_; }

    IProgresso* Progresso = nullptr;  // busy cursor and event pump of the window that runs us; may be null

private:
    THidrograma Escoamento(int N, const TPrecipitacaoExponencialNegativa& chuva, double alfa, int refinamento = 1,
                           TBalancoEncosta* balanco = nullptr);

    std::int32_t Comprimento_ = 0;
    bool SemEscoamento_ = false;
};

class TEncostaCinematica : public TEncostaCinematicaCustom {};

}  // namespace talvek
