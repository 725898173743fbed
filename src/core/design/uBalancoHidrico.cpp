#include "design/uBalancoHidrico.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"

namespace talvek {

namespace {

constexpr int kRefinamentoIncerteza = 2;

// The routing takes lengths up to 65535 m, as the design's.
std::uint16_t ComprimentoRoteamento(std::int32_t Comprimento) {
    if (Comprimento < 0 || Comprimento > std::numeric_limits<std::uint16_t>::max()) throw EDimensionamento();
    return static_cast<std::uint16_t>(Comprimento);
}

}  // namespace

TBalancoChuva BalancoChuva(const TTerreno& terreno, const TPrecipitacao& precipitacao, double duracao) {
    TBalancoChuva b;
    b.Duracao = duracao;
    b.Precipitacao = precipitacao.Lamina(duracao);
    b.ChuvaEfetiva = std::max(0.0, terreno.PrecipitacaoEfetiva(precipitacao));
    if (b.ChuvaEfetiva > 0) {
        // Runoff from Ta to tf: Ia filled by Ta, VIB infiltrated until tf, every drop of rain after it.
        const double tf = precipitacao.TempoIntensidade(terreno.VIB());
        const double ta = terreno.TempoAbstracao(precipitacao);
        b.AbstracaoInicial = terreno.AbstracaoInicial();
        b.Infiltracao = terreno.VIB() * (tf - ta) / 60 + (duracao > tf ? precipitacao.LaminaIntervalo(tf, duracao) : 0);
    } else {
        b.AbstracaoInicial = std::min(terreno.AbstracaoInicial(), b.Precipitacao);
        b.Infiltracao = b.Precipitacao - b.AbstracaoInicial;
    }
    return b;
}

TDetalheComInundacao DetalharComInundacao(const TCanalDrenagem& canal, const TTerreno& terreno,
                                          const TPrecipitacao& precipitacao) {
    try {
        const TVazaoComInundacao v = canal.VazaoComInundacao(terreno, precipitacao);
        TDetalheComInundacao d;
        d.Chuva = BalancoChuva(terreno, precipitacao, precipitacao.TempoIntensidade(terreno.VIB()));
        d.Volume = v.Volume;
        d.TD = canal.TD();
        d.Q = v.Vazao * 1000;  // as DimensionarComInundacao states it
        return d;
    } catch (const std::exception&) {
        throw EDimensionamento();
    }
}

TBalancoSemInundacao MedirSemInundacao(TCanalDrenagem& canal, const TTerreno& terreno,
                                       const TPrecipitacao& precipitacao) {
    try {
        TBalancoSemInundacao b;
        canal.PrepararEncosta(terreno, canal.EH());
        TEscoamentoMedido encosta = canal.Encosta.GerarHidrogramaMedido(precipitacao);
        b.Encosta = std::move(encosta.Hidrograma);
        b.BalancoEncosta = encosta.Balanco;
        // Fewer than 3 points: no runoff reaches the drain, as in the design.
        if (b.Encosta.NumeroPontos() >= 3)
            b.Canal = canal.HidrogramaCanal(ComprimentoRoteamento(canal.Comprimento()), b.Encosta, terreno.VIB(),
                                            terreno.St(), canal.Sc(), canal.nc.Valor);
        const double fim = b.Encosta.NumeroPontos() > 0 ? b.Encosta.Pontos().back().Tempo
                                                        : precipitacao.TempoIntensidade(terreno.VIB());
        b.Chuva = BalancoChuva(terreno, precipitacao, fim);
        return b;
    } catch (const EDimensionamento&) {
        throw;
    } catch (const std::exception&) {
        throw EDimensionamento();
    }
}

TIncerteza IncertezaNumerica(TCanalDrenagem& canal, const TTerreno& terreno, const TPrecipitacao& precipitacao,
                             double Q) {
    TIncerteza r;
    r.Q = Q;
    try {
        canal.PrepararEncosta(terreno, canal.EH());
        const THidrograma encosta = canal.Encosta.GerarHidrogramaMedido(precipitacao, kRefinamentoIncerteza).Hidrograma;
        if (encosta.NumeroPontos() >= 3)
            r.QRefinado = VazaoDeProjeto(canal.CalculaHidrogramaCanal(ComprimentoRoteamento(canal.Comprimento()),
                                                                       encosta, terreno.VIB(), terreno.St(), canal.Sc(),
                                                                       canal.nc.Valor, kRefinamentoIncerteza)
                                             .Pico);
    } catch (const std::exception&) {
        throw EDimensionamento();
    }
    if (Q > 0) r.Pct = 100 * std::fabs(r.QRefinado - Q) / Q;
    else if (r.QRefinado > 0) r.Pct = 100;
    return r;
}

TBalancoHidrico CalcularBalancoHidrico(TCanalDrenagem& canal, const TTerreno& terreno,
                                       const TPrecipitacao& precipitacao, const TTipoSistema& sistema) {
    TBalancoHidrico b;
    if (sistema.Tipo == 2) {
        b.ComInundacao = DetalharComInundacao(canal, terreno, precipitacao);
    } else if (sistema.Tipo == 3) {
        b.SemInundacao = MedirSemInundacao(canal, terreno, precipitacao);
        const THidrogramaCanal& saida = b.SemInundacao->Canal;
        try {
            b.Incerteza = IncertezaNumerica(canal, terreno, precipitacao, saida.Pontos.empty() ? 0 : saida.Pico.Vazao);
        } catch (const EDimensionamento& e) {
            b.FalhaIncerteza = e.what();
        }
    }
    return b;
}

}  // namespace talvek
