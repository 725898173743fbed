#include "project/SerieSimulacao.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "design/uCanal.h"
#include "design/uHidraulica.h"
#include "model/uEncostaCinematica.h"
#include "model/uTerreno.h"
#include "platform/Excecoes.h"
#include "platform/Numeros.h"
#include "platform/Progresso.h"

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
    {"V", "Velocidade média (m/s)", "velocidade média"},
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

// The hillslope of one row, as DimensionarSemInundacao builds it from the field and the spacing.
TEncostaCinematica EncostaDaLinha(TEntradaSimulacao entrada, double valor, const TCanalDrenagem& canal,
                                  const TTerreno& terreno) {
    TEncostaCinematica encosta;
    encosta.Cobertura.Atribuir(terreno.Cobertura);
    const double EH = entrada == TEntradaSimulacao::EH ? valor : canal.EH();  // m
    encosta.SetComprimento(static_cast<std::int32_t>(std::nearbyint(EH)));
    encosta.nt.Valor = entrada == TEntradaSimulacao::nt ? valor : terreno.nt.Valor;
    encosta.SetVIB(entrada == TEntradaSimulacao::VIB ? valor : terreno.VIB());
    encosta.SetSt(entrada == TEntradaSimulacao::St ? valor : terreno.St());
    return encosta;
}

std::string SerieLonga(const TCanalDrenagem& canal) {
    return "Espaçamento horizontal (comprimento da encosta) = " + FormatarGeral(canal.EH()) +
           " m: os 21 cálculos da encosta da simulação passariam de 200 milhões de passos da malha.";
}

// A series is held as a whole to the update limit of one run (about ten seconds). The hillslopes its rows
// rebuild are estimated from below (AtualizacoesEstimadas) before anything runs: SerieLongaDemais. As the
// recession of a long strip can take far longer than its rain, the runs also share one budget while they
// go: TOrcamentoSerie. The cause of the refusal, or nullopt. The rows of the
// channel's inputs route one hydrograph and are bounded by the routing of each row.
std::optional<std::string> SerieLongaDemais(TEntradaSimulacao entrada, const TCanalDrenagem& canal,
                                            const TTerreno& terreno, const TPrecipitacao& precipitacao) {
    if (entrada == TEntradaSimulacao::Comp || entrada == TEntradaSimulacao::nc || entrada == TEntradaSimulacao::Sc)
        return std::nullopt;
    const TValoresEntrada& valores = kValores[static_cast<int>(entrada)];
    double atualizacoes = 0;
    for (int i = 0; i < kLinhasSimulacao; ++i) {
        const double valor = valores.porMultiplicacao ? valores.passo * (i + 1) : valores.primeiro + i * valores.passo;
        try {
            atualizacoes += EncostaDaLinha(entrada, valor, canal, terreno).AtualizacoesEstimadas(precipitacao);
        } catch (const Exception&) {
            // A row whose hillslope cannot run fails in its own sizing, with its own cause.
        }
    }
    if (atualizacoes <= TContadorAtualizacoes::kMaximoAtualizacoes) return std::nullopt;
    return SerieLonga(canal);
}

// The progress hook of a series' runs: it passes everything on to the window's hook (which may be null)
// and counts the updates by the events that every run's TContadorAtualizacoes asks for, one per
// kAtualizacoesEntreEventos; past the limit the run in progress ends with EDimensionamento. While it
// lives, the channel's hillslope reports to it.
class TOrcamentoSerie : public IProgresso {
public:
    TOrcamentoSerie(TCanalDrenagem& canal, IProgresso* progresso)
        : canal_(canal), progresso_(progresso), anterior_(canal.Encosta.Progresso) {
        canal_.Encosta.Progresso = this;
    }
    ~TOrcamentoSerie() override { canal_.Encosta.Progresso = anterior_; }
    TOrcamentoSerie(const TOrcamentoSerie&) = delete;
    TOrcamentoSerie& operator=(const TOrcamentoSerie&) = delete;

    void CursorOcupado(bool ocupado) override {
        if (progresso_) progresso_->CursorOcupado(ocupado);
    }
    void ProcessarEventos() override {
        atualizacoes_ += TContadorAtualizacoes::kAtualizacoesEntreEventos;
        if (atualizacoes_ > TContadorAtualizacoes::kMaximoAtualizacoes) throw EDimensionamento(SerieLonga(canal_));
        if (progresso_) progresso_->ProcessarEventos();
    }

private:
    TCanalDrenagem& canal_;
    IProgresso* progresso_;
    IProgresso* anterior_;
    std::int64_t atualizacoes_ = 0;
};

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
        case TSaidaSimulacao::V: return linha.V;
    }
    return linha.Q;
}

TSerieSimulacao Simular(TEntradaSimulacao entrada, TCanalDrenagem& canal, TTerreno& terreno,
                        const TPrecipitacao& precipitacao, const TAoCalcularLinha& aoCalcularLinha,
                        IProgresso* progresso) {
    TSerieSimulacao serie;
    if (std::optional<std::string> causa = SerieLongaDemais(entrada, canal, terreno, precipitacao)) {
        serie.Erro = EDimensionamento().what();
        serie.Causa = std::move(*causa);
        return serie;
    }
    TOrcamentoSerie orcamento(canal, progresso);
    THidrograma hidrograma;
    try {
        hidrograma = HidrogramaDaEncosta(canal, terreno, precipitacao, &orcamento);
    } catch (const EDimensionamento& e) {  // the budget, spent by the design's own hillslope
        serie.Erro = e.what();
        serie.Causa = e.Causa();
        return serie;
    }
    const TValoresEntrada& valores = kValores[static_cast<int>(entrada)];
    const char* formato = DescricaoEntrada(entrada).Formato;
    const TerrenoRestaurado restaurado(terreno);
    double valor = valores.primeiro;
    for (int i = 0; i < kLinhasSimulacao; ++i) {
        if (valores.porMultiplicacao) valor = valores.passo * (i + 1);
        TDimensionamento resultado;
        try {
            resultado = Dimensionar(entrada, valor, canal, terreno, precipitacao, hidrograma);
        } catch (const EDimensionamento& e) {
            serie.Erro = e.what();
            serie.Causa = e.Causa();
            break;
        }
        const double x = valores.fatorEixo * valor;
        const double Hcm = 100 * resultado.H;
        // Mean velocity Q/A at H, m/s; the terrain holds the row's slope, the triangle's field side.
        const double A = GeometriaSecao(canal, terreno.St(), resultado.H).A;  // m²
        const double V = A > 0 ? resultado.Q / 1000 / A : 0;
        serie.Linhas.push_back({valor, x, FormatarFloat(formato, x), resultado.Q, Hcm,
                                AlturaRecomendada(resultado.H, canal.CDu()), V});
        if (aoCalcularLinha) aoCalcularLinha(i, serie.Linhas.back());
        if (!valores.porMultiplicacao) valor += valores.passo;
    }
    return serie;
}

}  // namespace talvek
