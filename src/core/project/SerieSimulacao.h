// Sensitivity series of a design without partial flooding: the sizing repeated for 21 values of one
// input, every other input held at the current design, giving the flow, the two heights and the mean
// velocity of each.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "model/uHidrograma.h"
#include "platform/Progresso.h"

namespace talvek {

class TCanalDrenagem;
class TPrecipitacao;
class TTerreno;

enum class TSaidaSimulacao { Q = 0, H = 1, Hr = 2, V = 3 };
enum class TEntradaSimulacao { Comp = 0, EH = 1, nc = 2, nt = 3, Sc = 4, St = 5, VIB = 6 };

inline constexpr int kLinhasSimulacao = 21;

// The texts of an input: its short name, the chart's bottom-axis title, the unit and label of its list,
// the picture of its values and its phrase in the status message. The unit is that of the values listed,
// whatever the display units of the data-entry page (VIB in mm/h).
struct TDescricaoEntrada {
    const char* Nome;
    const char* TituloEixo;
    const char* Unidade;
    const char* Rotulo;
    const char* Formato;
    const char* Frase;
};

struct TDescricaoSaida {
    const char* Nome;
    const char* TituloEixo;  // left-axis title
    const char* Frase;
};

const TDescricaoEntrada& DescricaoEntrada(TEntradaSimulacao entrada);
const TDescricaoSaida& DescricaoSaida(TSaidaSimulacao saida);

// The status message of a series, without "Simulando " and " ...".
std::string MensagemSimulacao(TSaidaSimulacao saida, TEntradaSimulacao entrada);

struct TLinhaSimulacao {
    double Valor;       // the input in model units (m, s/m^(1/3), m/m, mm/h)
    double X;           // the input in the unit of the chart's axis
    std::string Texto;  // X formatted by the input's picture, as the axis and the list show it
    double Q;           // flow, L/s
    double H;           // theoretical height, cm
    double Hr;          // recommended height √CDu · H + 10, cm, with the channel's CDu
    double V;           // mean velocity of Q at H, m/s (0 for a dry section)
};

// Q, H, Hr or V of the row.
double ValorSaida(const TLinhaSimulacao& linha, TSaidaSimulacao saida);

struct TSerieSimulacao {
    std::vector<TLinhaSimulacao> Linhas;  // up to 21
    std::optional<std::string> Erro;      // message of the sizing failure that ended the series early
    std::string Causa;                    // why it failed, in the user's words (EDimensionamento::Causa)
};

// The outflow hydrograph (L/s per metre of drain vs. min) of the design's hillslope: the field's cover,
// roughness value, VIB and slope over the channel's spacing EH, rounded to whole metres (halves to even).
// Empty when there is no runoff; the hillslope's errors propagate.
THidrograma HidrogramaDaEncosta(const TCanalDrenagem& canal, const TTerreno& terreno, const TPrecipitacao& precipitacao,
                                IProgresso* progresso = nullptr);

// The design's own value of `entrada`, in model units (as TLinhaSimulacao::Valor), read before a series
// writes the terrain's values.
double ValorDoProjeto(TEntradaSimulacao entrada, const TCanalDrenagem& canal, const TTerreno& terreno);

// The row whose input equals `valorProjeto`, to a relative 1e-9 (the rows of an added step carry its
// rounding), or -1 when the design sits between rows or outside them.
int LinhaDoProjeto(const std::vector<TLinhaSimulacao>& linhas, double valorProjeto);

// Called with each row, index 0–20, in row order as the rows finish; never two at once, but on whichever
// thread of the series finished the row (a window hands the row to its own thread).
using TAoCalcularLinha = std::function<void(int indice, const TLinhaSimulacao& linha)>;

struct TOpcoesSerie {
    int Threads = 1;  // rows sized at once, on the core's thread pool
    // A requested stop ends the series at the first row that it interrupts or skips: the rows before it
    // are returned, without an error.
    std::stop_token Parar;
    // The node updates that the design's hillslope and all the rows may take together.
    std::int64_t LimiteAtualizacoes = TContadorAtualizacoes::kMaximoAtualizacoes;
};

// Computes the series. A temporary hillslope of the channel's spacing gives the hydrograph that the length,
// channel-roughness and channel-slope rows route; the other inputs rebuild the hillslope for each row, the
// terrain roughness, terrain slope and VIB written into the row's own copy of the field. Every row sizes
// on its own copies of the channel, the field and the storm, so that the objects given are never written
// and the rows give the same bits on any number of threads. A sizing failure ends the series with the
// rows before it, its message and its cause; a failure of the temporary hillslope itself propagates. A
// series whose hillslopes would pass the update limit of one run all together ends so before its first
// row; one whose runs pass it while they go ends at the row that passes it, counted in row order. The
// window's hook `progresso` hears only the runs on the calling thread.
TSerieSimulacao Simular(TEntradaSimulacao entrada, const TCanalDrenagem& canal, const TTerreno& terreno,
                        const TPrecipitacao& precipitacao, const TAoCalcularLinha& aoCalcularLinha = {},
                        IProgresso* progresso = nullptr, const TOpcoesSerie& opcoes = {});

}  // namespace talvek
