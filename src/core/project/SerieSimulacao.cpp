#include "project/SerieSimulacao.h"

#include <cmath>
#include <cstdint>

#include "design/uCanal.h"
#include "model/uEncostaCinematica.h"
#include "model/uTerreno.h"
#include "platform/Numeros.h"

namespace talvek {

namespace {

constexpr TDescricaoEntrada kEntradas[] = {
    {"Comp", "Comprimento (m)", "m", "Comprimento:", "0", "comprimento do dreno"},
    {"EH", "Espaçamento (m)", "m", "Espaçamento:", "0.0#", "espaçamento entre drenos"},
    {"nc", "Rugosidade do canal (10E-2)", "10E-2", "Rugosidade do canal:", "0.0#", "rugosidade do canal"},
    {"nt", "Rugosidade do terreno (10E-2)", "10E-2", "Rugosidade do terreno:", "0.0##", "rugosidade do terreno"},
    {"Sc", "Declividade do canal (10E-2 %)", "10E-2 %", "Declividade do canal:", "0.0###", "declividade do canal"},
    {"St", "Declividade do terreno (%)", "%", "Declividade do terreno:", "0.0##", "declividade do terreno"},
    {"VIB", "VIB (mm/h)", "mm/h", "VIB:", "0.0#", "VIB"},
};

constexpr TDescricaoSaida kSaidas[] = {
    {"Q", "Vazão (L/s)", "vazão"},
    {"H", "Altura teórica (cm)", "altura teórica"},
    {"Hr", "Altura recomendada (cm)", "altura recomendada"},
};

// The 21 values of an input: by multiplication (the i-th is passo · (i + 1)) or by repeated addition of
// the step to the first value; the axis shows the value times fatorEixo.
struct TValoresEntrada {
    double primeiro;
    double passo;
    bool porMultiplicacao;
    double fatorEixo;
};

constexpr TValoresEntrada kValores[] = {
    {50, 50, true, 1},              // length, m
    {10, 10, true, 1},              // spacing, m
    {0.01, 0.005, false, 100},      // channel roughness
    {0.01, 0.03, false, 100},       // terrain roughness
    {0.0005, 0.0005, false, 10000}, // channel slope, m/m
    {0.01, 0.02, false, 100},       // terrain slope, m/m
    {5, 5, false, 1},               // VIB, mm/h
};

// Puts back the terrain's roughness value, slope and VIB when the series ends, however it ends.
class TerrenoRestaurado {
public:
    explicit TerrenoRestaurado(TTerreno& terreno)
        : terreno_(terreno), nt_(terreno.nt.Valor), St_(terreno.St()), VIB_(terreno.VIB()) {}
    ~TerrenoRestaurado() {
        terreno_.nt.Valor = nt_;
        terreno_.SetSt(St_);
        terreno_.SetVIB(VIB_);
    }
    TerrenoRestaurado(const TerrenoRestaurado&) = delete;
    TerrenoRestaurado& operator=(const TerrenoRestaurado&) = delete;

private:
    TTerreno& terreno_;
    double nt_, St_, VIB_;
};

// Sizing from the field as it stands, with the channel's own spacing, slope, roughness and length.
TDimensionamento DimensionarDoTerreno(TCanalDrenagem& canal, const TTerreno& terreno,
                                      const TPrecipitacao& precipitacao) {
    return canal.DimensionarSemInundacao(terreno, precipitacao, canal.EH(), canal.Sc(), canal.nc.Valor,
                                         canal.Comprimento());
}

// One row's sizing: the inputs that leave the hillslope alone route the series' hydrograph; the others
// size from the field, with the terrain's own value written into it.
TDimensionamento Dimensionar(TEntradaSimulacao entrada, double valor, TCanalDrenagem& canal, TTerreno& terreno,
                             const TPrecipitacao& precipitacao, const THidrograma& hidrograma) {
    const double n = canal.nc.Valor;
    switch (entrada) {
        case TEntradaSimulacao::Comp:
            return canal.DimensionarHidrograma(hidrograma, terreno, canal.Sc(), n,
                                               static_cast<std::int32_t>(std::lround(valor)));
        case TEntradaSimulacao::nc:
            return canal.DimensionarHidrograma(hidrograma, terreno, canal.Sc(), valor, canal.Comprimento());
        case TEntradaSimulacao::Sc:
            return canal.DimensionarHidrograma(hidrograma, terreno, valor, n, canal.Comprimento());
        case TEntradaSimulacao::EH:
            return canal.DimensionarSemInundacao(terreno, precipitacao, valor, canal.Sc(), n, canal.Comprimento());
        case TEntradaSimulacao::nt:
            terreno.nt.Valor = valor;  // the table row stays
            return DimensionarDoTerreno(canal, terreno, precipitacao);
        case TEntradaSimulacao::St:
            terreno.SetSt(valor);
            return DimensionarDoTerreno(canal, terreno, precipitacao);
        case TEntradaSimulacao::VIB:
            terreno.SetVIB(valor);
            return DimensionarDoTerreno(canal, terreno, precipitacao);
    }
    return {};
}

}  // namespace

double ValorDoProjeto(TEntradaSimulacao entrada, const TCanalDrenagem& canal, const TTerreno& terreno) {
    switch (entrada) {
        case TEntradaSimulacao::Comp: return canal.Comprimento();
        case TEntradaSimulacao::EH: return canal.EH();
        case TEntradaSimulacao::nc: return canal.nc.Valor;
        case TEntradaSimulacao::nt: return terreno.nt.Valor;
        case TEntradaSimulacao::Sc: return canal.Sc();
        case TEntradaSimulacao::St: return terreno.St();
        case TEntradaSimulacao::VIB: return terreno.VIB();
    }
    return 0;
}

int LinhaDoProjeto(const std::vector<TLinhaSimulacao>& linhas, double valorProjeto) {
    constexpr double kTolerancia = 1e-9;  // relative
    for (std::size_t i = 0; i < linhas.size(); ++i)
        if (std::abs(linhas[i].Valor - valorProjeto) <= kTolerancia * std::abs(valorProjeto)) return static_cast<int>(i);
    return -1;
}

THidrograma HidrogramaDaEncosta(const TCanalDrenagem& canal, const TTerreno& terreno, const TPrecipitacao& precipitacao,
                                IProgresso* progresso) {
    TEncostaCinematica encosta;
    encosta.Progresso = progresso;
    encosta.Cobertura.Atribuir(terreno.Cobertura);
    encosta.SetComprimento(static_cast<std::int32_t>(std::nearbyint(canal.EH())));
    encosta.nt.Valor = terreno.nt.Valor;
    encosta.SetVIB(terreno.VIB());
    encosta.SetSt(terreno.St());
    return encosta.GerarHidrograma(encosta.NumeroTrechos(), precipitacao);
}

const TDescricaoEntrada& DescricaoEntrada(TEntradaSimulacao entrada) { return kEntradas[static_cast<int>(entrada)]; }

const TDescricaoSaida& DescricaoSaida(TSaidaSimulacao saida) { return kSaidas[static_cast<int>(saida)]; }

std::string MensagemSimulacao(TSaidaSimulacao saida, TEntradaSimulacao entrada) {
    // Two messages have always read differently from the rule and are kept as they are.
    if (saida == TSaidaSimulacao::Hr && entrada == TEntradaSimulacao::nc)
        return "rugosidade do canal x altura recomendada ";
    if (saida == TSaidaSimulacao::Hr && entrada == TEntradaSimulacao::nt)
        return "rugosidade do tereno x altura recomendada";
    return std::string(DescricaoEntrada(entrada).Frase) + " x " + DescricaoSaida(saida).Frase;
}

double ValorSaida(const TLinhaSimulacao& linha, TSaidaSimulacao saida) {
    switch (saida) {
        case TSaidaSimulacao::Q: return linha.Q;
        case TSaidaSimulacao::H: return linha.H;
        case TSaidaSimulacao::Hr: return linha.Hr;
    }
    return linha.Q;
}

TSerieSimulacao Simular(TEntradaSimulacao entrada, TCanalDrenagem& canal, TTerreno& terreno,
                        const TPrecipitacao& precipitacao, const TAoCalcularLinha& aoCalcularLinha,
                        IProgresso* progresso) {
    const THidrograma hidrograma = HidrogramaDaEncosta(canal, terreno, precipitacao, progresso);
    const TValoresEntrada& valores = kValores[static_cast<int>(entrada)];
    const char* formato = DescricaoEntrada(entrada).Formato;
    const TerrenoRestaurado restaurado(terreno);

    TSerieSimulacao serie;
    double valor = valores.primeiro;
    for (int i = 0; i < kLinhasSimulacao; ++i) {
        if (valores.porMultiplicacao) valor = valores.passo * (i + 1);
        TDimensionamento resultado;
        try {
            resultado = Dimensionar(entrada, valor, canal, terreno, precipitacao, hidrograma);
        } catch (const EDimensionamento& e) {
            serie.Erro = e.what();
            break;
        }
        const double x = valores.fatorEixo * valor;
        const double Hcm = 100 * resultado.H;
        serie.Linhas.push_back(
            {valor, x, FormatarFloat(formato, x), resultado.Q, Hcm, AlturaRecomendada(resultado.H, canal.CDu())});
        if (aoCalcularLinha) aoCalcularLinha(i, serie.Linhas.back());
        if (!valores.porMultiplicacao) valor += valores.passo;
    }
    return serie;
}

}  // namespace talvek
