// Goal seeking on a design: the largest horizontal spacing EH, or the longest channel length, in whole
// metres, for which the recommended height Hr (or the theoretical height H) does not exceed a target in
// cm, every other input held at the design's value. The sizing is not a smooth function of either length
// (the hillslope and channel grids change with them and their flows jump), so the search brackets the
// domain, bisects on whole metres, and then checks the metres above the answer, resuming the bisection
// from any of them that still meets the target. Every probe sizes its own copies of the channel, the
// field and the storm; the caller's objects are never touched.
#pragma once

#include <optional>
#include <string>

namespace talvek {

class TCanalDrenagem;
class TPrecipitacaoExponencialNegativa;
class TTerreno;
class TTipoSistema;

enum class TVariavelMeta { EH, Comp };  // horizontal spacing between drains / channel length, m
enum class TSaidaMeta { Hr, H };        // recommended / theoretical height, cm
enum class TSituacaoMeta {
    Atingida,  // the answer is a value below the domain's limit
    Nenhum,    // no value of the domain meets the target (not even 1 m)
    Todos,     // the target is met at both ends of the domain: the limit binds, not the target
};

// Whole metres searched: from 1 m (a strip or a channel of no length has no design) to the limits of the
// input checks (kEspacamentoMaximo, kComprimentoMaximoCanal).
inline constexpr int kMinimoMeta = 1;
int MaximoMeta(TVariavelMeta variavel);

// Metres above a bisection's answer that are sized before the answer is taken (see BuscaMeta.cpp).
inline constexpr int kVizinhancaMeta = 10;

// The design a search starts from (read only).
struct TCasoMeta {
    const TCanalDrenagem& Canal;
    const TTerreno& Terreno;
    const TPrecipitacaoExponencialNegativa& Chuva;
    const TTipoSistema& Sistema;  // types 2 and 3 are sized; any other raises Exception
};

struct TPedidoMeta {
    TVariavelMeta Variavel = TVariavelMeta::EH;
    TSaidaMeta Saida = TSaidaMeta::Hr;
    double MaximoCm = 0;  // the target: the height must not exceed it, cm
};

// One sizing of the design with the variable set to `valor` m (and, for EH, EV = EH · St).
struct TSondagemMeta {
    bool Falhou = false;
    std::string Causa;  // why the sizing failed, in the user's words
    double Q = 0;       // design flow, L/s
    double H = 0;       // theoretical height, m
    double Hr = 0;      // recommended height with the channel's CDu, cm
};
TSondagemMeta SondarMeta(const TCasoMeta& caso, TVariavelMeta variavel, int valor);

// The height the target limits, cm; a failed sizing has none.
std::optional<double> SaidaMetaCm(const TSondagemMeta& sondagem, TSaidaMeta saida);

struct TResultadoMeta {
    TSituacaoMeta Situacao = TSituacaoMeta::Nenhum;
    std::optional<int> Valor;  // m: the answer, none for Nenhum
    double Q = 0, H = 0, Hr = 0;  // the design at Valor (L/s, m, cm); all 0 without an answer
    int Avaliacoes = 0;           // sizings run
    std::string Mensagem;         // the answer in one sentence for the user
    // A sizing failed during the search: the smallest value where one did, and a sentence with its cause.
    // A failed sizing counts as not meeting the target.
    std::optional<int> ValorFalha;
    std::string AvisoFalha;
};

// The search. `threads` runs the two ends of the domain and the metres checked above an answer on the
// thread pool; the result does not depend on it. Raises Exception for a system type that is not sized.
TResultadoMeta BuscarMeta(const TCasoMeta& caso, const TPedidoMeta& pedido, int threads = 1);

// Short names used by talvek-calc and JSON ("EH", "Comp", "Hr", "H") and the user's words for them.
const char* NomeVariavelMeta(TVariavelMeta variavel);
const char* NomeSaidaMeta(TSaidaMeta saida);
std::optional<TVariavelMeta> LerVariavelMeta(const std::string& nome);
std::optional<TSaidaMeta> LerSaidaMeta(const std::string& nome);

}  // namespace talvek
