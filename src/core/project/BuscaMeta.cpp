#include "project/BuscaMeta.h"

#include <algorithm>
#include <map>
#include <vector>

#include "design/uCanal.h"
#include "design/uVerificacaoEntradas.h"
#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"
#include "platform/Excecoes.h"
#include "platform/Numeros.h"
#include "platform/Paralelo.h"

namespace talvek {

namespace {

struct TPalavrasVariavel {
    const char* Nome;
    const char* Singular;
    const char* Plural;
};

constexpr TPalavrasVariavel kVariaveis[] = {
    {"EH", "espaçamento horizontal", "espaçamentos horizontais"},
    {"Comp", "comprimento do canal", "comprimentos do canal"},
};

struct TPalavrasSaida {
    const char* Nome;
    const char* Texto;
};

constexpr TPalavrasSaida kSaidas[] = {
    {"Hr", "altura recomendada"},
    {"H", "altura teórica"},
};

const TPalavrasVariavel& Palavras(TVariavelMeta v) { return kVariaveis[static_cast<int>(v)]; }
const TPalavrasSaida& Palavras(TSaidaMeta s) { return kSaidas[static_cast<int>(s)]; }

// The sizings of one search, each value sized once.
class TSondagens {
public:
    TSondagens(const TCasoMeta& caso, const TPedidoMeta& pedido, int threads)
        : caso_(caso), pedido_(pedido), threads_(threads) {}

    // Sizes the values not sized yet, on the pool; each task writes only its own slot.
    void Sondar(const std::vector<int>& valores) {
        std::vector<int> novos;
        for (int v : valores)
            if (!feitas_.contains(v)) novos.push_back(v);
        std::vector<TSondagemMeta> resultados(novos.size());
        ExecutarEmParalelo(novos.size(), threads_, [&](std::size_t i) {
            resultados[i] = SondarMeta(caso_, pedido_.Variavel, novos[i]);
        });
        for (std::size_t i = 0; i < novos.size(); ++i) feitas_.emplace(novos[i], std::move(resultados[i]));
    }

    bool Atende(int valor) {
        Sondar({valor});
        const std::optional<double> saida = SaidaMetaCm(feitas_.at(valor), pedido_.Saida);
        return saida && *saida <= pedido_.MaximoCm;
    }

    // The smallest value sized above `valor` that does not meet the target; `padrao` when there is none.
    int PrimeiroAcimaDaMeta(int valor, int padrao) {
        for (auto it = feitas_.upper_bound(valor); it != feitas_.end(); ++it)
            if (!Atende(it->first)) return it->first;
        return padrao;
    }

    const TSondagemMeta& At(int valor) const { return feitas_.at(valor); }
    int Quantidade() const { return static_cast<int>(feitas_.size()); }

    // The smallest value whose sizing failed, if any did.
    std::optional<int> PrimeiraFalhaDeDimensionamento() const {
        for (const auto& [valor, sondagem] : feitas_)
            if (sondagem.Falhou) return valor;
        return std::nullopt;
    }

private:
    const TCasoMeta& caso_;
    const TPedidoMeta& pedido_;
    int threads_;
    std::map<int, TSondagemMeta> feitas_;
};

// Bisection on whole metres between `atende` (meets the target) and `naoAtende` (does not, above it):
// the last value that meets it before the first that does not, found between them.
int Bisseccao(TSondagens& sondagens, int atende, int naoAtende) {
    while (naoAtende - atende > 1) {
        const int meio = atende + (naoAtende - atende) / 2;
        (sondagens.Atende(meio) ? atende : naoAtende) = meio;
    }
    return atende;
}

std::string Mensagem(const TPedidoMeta& pedido, TSituacaoMeta situacao, int valor) {
    const TPalavrasVariavel& v = Palavras(pedido.Variavel);
    const std::string meta = std::string(Palavras(pedido.Saida).Texto) + " de até " +
                             FormatarGeral(pedido.MaximoCm) + " cm";
    const std::string faixa = "de " + std::to_string(kMinimoMeta) + " a " +
                              std::to_string(MaximoMeta(pedido.Variavel)) + " m";
    switch (situacao) {
        case TSituacaoMeta::Atingida:
            return "Maior " + std::string(v.Singular) + " com " + meta + ": " + std::to_string(valor) + " m.";
        case TSituacaoMeta::Nenhum:
            return "Nenhum " + std::string(v.Singular) + " " + faixa + " dá " + meta + ".";
        case TSituacaoMeta::Todos:
            return "Todos os " + std::string(v.Plural) + " " + faixa + " dão " + meta + ": vale o máximo, " +
                   std::to_string(valor) + " m.";
    }
    return {};
}

}  // namespace

int MaximoMeta(TVariavelMeta variavel) {
    return static_cast<int>(variavel == TVariavelMeta::EH ? kEspacamentoMaximo : kComprimentoMaximoCanal);
}

const char* NomeVariavelMeta(TVariavelMeta variavel) { return Palavras(variavel).Nome; }
const char* NomeSaidaMeta(TSaidaMeta saida) { return Palavras(saida).Nome; }

std::optional<TVariavelMeta> LerVariavelMeta(const std::string& nome) {
    for (TVariavelMeta v : {TVariavelMeta::EH, TVariavelMeta::Comp})
        if (nome == Palavras(v).Nome) return v;
    return std::nullopt;
}

std::optional<TSaidaMeta> LerSaidaMeta(const std::string& nome) {
    for (TSaidaMeta s : {TSaidaMeta::Hr, TSaidaMeta::H})
        if (nome == Palavras(s).Nome) return s;
    return std::nullopt;
}

TSondagemMeta SondarMeta(const TCasoMeta& caso, TVariavelMeta variavel, int valor) {
    // The probe's own objects: the sizing writes the channel's hillslope, hydrograph and results, and the
    // storm counts its Newton steps.
    TCanalDrenagem canal = caso.Canal;
    canal.Encosta.Progresso = nullptr;  // no window to report to from a worker thread
    const TTerreno terreno = caso.Terreno;
    const TPrecipitacaoExponencialNegativa chuva = caso.Chuva;
    if (variavel == TVariavelMeta::EH) {
        canal.SetEH(valor);
        canal.SetEV(canal.EH() * terreno.St());  // the data page keeps EV = EH · St
    } else {
        canal.SetComprimento(valor);
    }
    TSondagemMeta sondagem;
    try {
        canal.Dimensionar(terreno, chuva, caso.Sistema);
    } catch (const EDimensionamento& e) {
        sondagem.Falhou = true;
        sondagem.Causa = e.Causa().empty() ? e.what() : e.Causa();
        return sondagem;
    }
    sondagem.Q = canal.Q();
    sondagem.H = canal.H();
    sondagem.Hr = AlturaRecomendada(canal.H(), canal.CDu());
    return sondagem;
}

std::optional<double> SaidaMetaCm(const TSondagemMeta& sondagem, TSaidaMeta saida) {
    if (sondagem.Falhou) return std::nullopt;
    return saida == TSaidaMeta::Hr ? sondagem.Hr : 100 * sondagem.H;
}

// The output rises with either length as a rule (a wider strip or a longer channel drains more water),
// but not strictly: the grids and the peak's time step change with the lengths, and a metre more can give
// a lower height. The bracket sizes both ends of the domain; the bisection keeps a value that meets the
// target below one that does not, so its answer and the next metre are already sized and verified by
// construction. What it cannot see is the output falling back under the target further up, so the
// kVizinhancaMeta metres above the answer are sized too (on the pool); one of them that meets the target
// resumes the bisection from there, up to the first value known not to meet it. The answer is the largest
// value of the domain that meets the target provided that the output never stays above the target for
// kVizinhancaMeta metres in a row and then falls back under it. Where that fails (the flat, rippled
// heights of a long triangular channel: ripples of a few hundredths of a cm over tens of metres) the answer
// still meets the target but a larger value may too. The tests compare the answer with a scan of every metre.
TResultadoMeta BuscarMeta(const TCasoMeta& caso, const TPedidoMeta& pedido, int threads) {
    if (caso.Sistema.Tipo != 2 && caso.Sistema.Tipo != 3)
        throw Exception("O sistema \"" + caso.Sistema.Texto() + "\" não é dimensionado.");
    const int maximo = MaximoMeta(pedido.Variavel);
    TSondagens sondagens(caso, pedido, threads);
    sondagens.Sondar({kMinimoMeta, maximo});  // the bracket

    TResultadoMeta resultado;
    int resposta = 0;  // 0: no value known to meet the target
    if (sondagens.Atende(maximo)) {
        resposta = maximo;
        resultado.Situacao = sondagens.Atende(kMinimoMeta) ? TSituacaoMeta::Todos : TSituacaoMeta::Atingida;
    } else {
        if (sondagens.Atende(kMinimoMeta)) resposta = Bisseccao(sondagens, kMinimoMeta, maximo);
        for (;;) {
            const int fim = std::min(resposta + kVizinhancaMeta, maximo - 1);
            std::vector<int> vizinhanca;
            for (int v = resposta + 1; v <= fim; ++v) vizinhanca.push_back(v);
            sondagens.Sondar(vizinhanca);
            int reinicio = 0;
            for (int v = fim; v > resposta && !reinicio; --v)
                if (sondagens.Atende(v)) reinicio = v;
            if (!reinicio) break;
            resposta = Bisseccao(sondagens, reinicio, sondagens.PrimeiroAcimaDaMeta(reinicio, maximo));
        }
        resultado.Situacao = resposta ? TSituacaoMeta::Atingida : TSituacaoMeta::Nenhum;
    }
    if (resposta) {
        const TSondagemMeta& s = sondagens.At(resposta);
        resultado.Valor = resposta;
        resultado.Q = s.Q;
        resultado.H = s.H;
        resultado.Hr = s.Hr;
    }
    resultado.Avaliacoes = sondagens.Quantidade();
    resultado.Mensagem = Mensagem(pedido, resultado.Situacao, resposta);
    if (const std::optional<int> falha = sondagens.PrimeiraFalhaDeDimensionamento()) {
        resultado.ValorFalha = falha;
        resultado.AvisoFalha = "O dimensionamento falhou com " + std::string(Palavras(pedido.Variavel).Singular) +
                               " de " + std::to_string(*falha) + " m (contado como acima da meta): " +
                               sondagens.At(*falha).Causa;
    }
    return resultado;
}

}  // namespace talvek
