#include "project/SerieSimulacao.h"

#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <exception>
#include <functional>
#include <thread>
#include <utility>

#include "design/uCanal.h"
#include "design/uHidraulica.h"
#include "model/uEncostaCinematica.h"
#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"
#include "platform/Excecoes.h"
#include "platform/Numeros.h"
#include "platform/Paralelo.h"
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

// The 21 values of an input in model units, each produced as the sequential series always produced it
// (the added steps carry their rounding from row to row).
std::vector<double> ValoresDaEntrada(TEntradaSimulacao entrada) {
    const TValoresEntrada& valores = kValores[static_cast<int>(entrada)];
    std::vector<double> resultado;
    double valor = valores.primeiro;
    for (int i = 0; i < kLinhasSimulacao; ++i) {
        if (valores.porMultiplicacao) valor = valores.passo * (i + 1);
        resultado.push_back(valor);
        if (!valores.porMultiplicacao) valor += valores.passo;
    }
    return resultado;
}

// The one update budget of a series, shared by the design's hillslope (slot 0) and the rows (slot i + 1),
// each slot counting the updates of its own runs by the events their TContadorAtualizacoes ask for, one
// per kAtualizacoesEntreEventos. Taken one slot after the other, the series passes the limit in the first
// slot whose updates, added to those of all slots before it, pass it.
class TOrcamentoSerie {
public:
    TOrcamentoSerie(std::int64_t limite, std::string causa) : limite_(limite), causa_(std::move(causa)) {}

    std::int64_t Limite() const { return limite_; }
    const std::string& Causa() const { return causa_; }  // the message of a series that passes the limit
    std::int64_t Gasto(std::size_t slot) const { return gastos_[slot].load(std::memory_order_relaxed); }
    // The updates of the slots before `slot` as they stand: while some still run, a lower bound.
    std::int64_t GastoAntes(std::size_t slot) const {
        std::int64_t soma = 0;
        for (std::size_t s = 0; s < slot; ++s) soma += Gasto(s);
        return soma;
    }
    // One event of `slot`'s runs (written by the slot's own thread only); its updates so far.
    std::int64_t Somar(std::size_t slot) {
        return gastos_[slot].fetch_add(TContadorAtualizacoes::kAtualizacoesEntreEventos, std::memory_order_relaxed) +
               TContadorAtualizacoes::kAtualizacoesEntreEventos;
    }
    void Zerar(std::size_t slot) { gastos_[slot].store(0, std::memory_order_relaxed); }

private:
    std::int64_t limite_;
    std::string causa_;
    std::atomic<std::int64_t> gastos_[kLinhasSimulacao + 1] = {};
};

// A row stopped by the series' stop: not derived from std::exception, so that no sizing wraps it as its
// own failure on the way out.
struct TLinhaInterrompida {};

// The progress hook of one slot's runs. An event adds to the slot's updates and ends the run in progress
// with EDimensionamento when the budget is passed: against the exact updates of the slots before it
// (`anteriores`, known once they have all finished) or, while they run, against their lower bound, which
// can stop a row later than the sequential series would, never earlier. A requested stop ends the run
// with TLinhaInterrompida. The window's hook `progresso` hears only the events of the thread that started
// the series.
class TContaSlot : public IProgresso {
public:
    TContaSlot(TOrcamentoSerie& orcamento, std::size_t slot, std::optional<std::int64_t> anteriores,
               std::stop_token parar, IProgresso* progresso, std::thread::id chamador)
        : orcamento_(orcamento),
          slot_(slot),
          anteriores_(anteriores),
          parar_(std::move(parar)),
          progresso_(std::this_thread::get_id() == chamador ? progresso : nullptr) {}

    void CursorOcupado(bool ocupado) override {
        if (progresso_) progresso_->CursorOcupado(ocupado);
    }
    void ProcessarEventos() override {
        const std::int64_t gasto = orcamento_.Somar(slot_);
        if (parar_.stop_requested()) throw TLinhaInterrompida();
        const std::int64_t antes = anteriores_ ? *anteriores_ : orcamento_.GastoAntes(slot_);
        if (antes + gasto > orcamento_.Limite()) throw EDimensionamento(orcamento_.Causa());
        if (progresso_) progresso_->ProcessarEventos();
    }

private:
    TOrcamentoSerie& orcamento_;
    std::size_t slot_;
    std::optional<std::int64_t> anteriores_;
    std::stop_token parar_;
    IProgresso* progresso_;
};

// How one row ended: its row, or the failure that the sequential series would have stopped at, or a stop.
struct TResultadoLinha {
    std::optional<TLinhaSimulacao> Linha;
    std::exception_ptr Falha;
    bool Interrompida = false;
};

// The rows of one series on the thread pool. Each row sizes on its own copies of the channel, the field
// and the storm (the storm's Newton counter and the channel's hillslope and hydrograph are written by a
// sizing) and routes the shared, read-only hydrograph of the design's hillslope. The rows are handed over in
// order; the first that fails, passes the budget or is stopped ends the series, and the rows after it are
// dropped.
class TSerieEmCurso {
public:
    struct TDados {
        TEntradaSimulacao Entrada;
        const TCanalDrenagem& Canal;
        const TTerreno& Terreno;
        const TPrecipitacaoExponencialNegativa& Precipitacao;
        const THidrograma& Hidrograma;  // of the temporary hillslope of the channel's spacing
        IProgresso* Progresso;
        std::thread::id Chamador;  // the thread that started the series
    };

    TSerieEmCurso(const TDados& dados, TOrcamentoSerie& orcamento, std::stop_token parar)
        : dados_(dados),
          orcamento_(orcamento),
          valores_(ValoresDaEntrada(dados.Entrada)),
          pararPedido_(std::move(parar)),
          repassarParada_(pararPedido_, [this] { pararLinhas_.request_stop(); }) {}

    TSerieSimulacao Executar(int threads, const TAoCalcularLinha& aoCalcularLinha) {
        aoCalcularLinha_ = &aoCalcularLinha;
        ExecutarEmParalelo(
            resultados_.size(), threads,
            [this](std::size_t i) { resultados_[i] = CalcularLinha(i, std::nullopt, pararLinhas_.get_token()); },
            [this](std::size_t i) { Entregar(i); }, pararLinhas_.get_token());
        if (excecao_) std::rethrow_exception(excecao_);
        return std::move(serie_);
    }

private:
    // Row i, its budget checked against `anteriores` when given, else against the rows still running.
    TResultadoLinha CalcularLinha(std::size_t i, std::optional<std::int64_t> anteriores, std::stop_token parar) {
        TCanalDrenagem canal = dados_.Canal;
        TTerreno terreno = dados_.Terreno;
        const TPrecipitacaoExponencialNegativa precipitacao = dados_.Precipitacao;
        TContaSlot conta(orcamento_, i + 1, anteriores, std::move(parar), dados_.Progresso, dados_.Chamador);
        canal.Encosta.Progresso = &conta;
        TResultadoLinha resultado;
        try {
            const double valor = valores_[i];
            const TValoresEntrada& entrada = kValores[static_cast<int>(dados_.Entrada)];
            const TDimensionamento r = Dimensionar(dados_.Entrada, valor, canal, terreno, precipitacao, dados_.Hidrograma);
            const double x = entrada.fatorEixo * valor;
            // Mean velocity Q/A at H, m/s; the terrain holds the row's slope, the triangle's field side.
            const double A = GeometriaSecao(canal, terreno.St(), r.H).A;  // m²
            const double V = A > 0 ? r.Q / 1000 / A : 0;
            resultado.Linha = TLinhaSimulacao{valor, x, FormatarFloat(DescricaoEntrada(dados_.Entrada).Formato, x),
                                              r.Q, 100 * r.H, AlturaRecomendada(r.H, canal.CDu()), V};
        } catch (const TLinhaInterrompida&) {
            resultado.Interrompida = true;
        } catch (...) {
            resultado.Falha = std::current_exception();
        }
        return resultado;
    }

    // Row i once it and every row before it have finished: the updates before it are then exact. A row
    // whose own updates pass the budget with them is where the sequential series ends; it is sized again
    // against that exact count, so that it fails at the very step, and with the very message, it would.
    void Entregar(std::size_t i) {
        if (encerrada_) return;
        TResultadoLinha& resultado = resultados_[i];
        const std::int64_t anteriores = orcamento_.GastoAntes(i + 1);
        if (!resultado.Interrompida && anteriores + orcamento_.Gasto(i + 1) > orcamento_.Limite()) {
            pararLinhas_.request_stop();
            orcamento_.Zerar(i + 1);
            resultado = CalcularLinha(i, anteriores, pararPedido_);
        }
        if (resultado.Interrompida) return Encerrar();
        if (resultado.Falha) {
            try {
                std::rethrow_exception(resultado.Falha);
            } catch (const EDimensionamento& e) {
                serie_.Erro = e.what();
                serie_.Causa = e.Causa();
            } catch (...) {
                excecao_ = std::current_exception();
            }
            return Encerrar();
        }
        serie_.Linhas.push_back(*resultado.Linha);
        try {
            if (*aoCalcularLinha_) (*aoCalcularLinha_)(static_cast<int>(i), serie_.Linhas.back());
        } catch (...) {
            excecao_ = std::current_exception();
            Encerrar();
        }
    }

    void Encerrar() {
        encerrada_ = true;
        pararLinhas_.request_stop();
    }

    TDados dados_;
    TOrcamentoSerie& orcamento_;
    const std::vector<double> valores_;
    std::array<TResultadoLinha, kLinhasSimulacao> resultados_;
    std::stop_token pararPedido_;      // the caller's stop
    std::stop_source pararLinhas_;     // the caller's stop, or the end of the series at a row
    std::stop_callback<std::function<void()>> repassarParada_;
    const TAoCalcularLinha* aoCalcularLinha_ = nullptr;
    // Written by the deliveries, one at a time.
    TSerieSimulacao serie_;
    bool encerrada_ = false;
    std::exception_ptr excecao_;  // a failure other than a sizing's, rethrown as the sequential series would
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

TSerieSimulacao Simular(TEntradaSimulacao entrada, const TCanalDrenagem& canal, const TTerreno& terreno,
                        const TPrecipitacao& precipitacao, const TAoCalcularLinha& aoCalcularLinha,
                        IProgresso* progresso, const TOpcoesSerie& opcoes) {
    TSerieSimulacao serie;
    if (std::optional<std::string> causa = SerieLongaDemais(entrada, canal, terreno, precipitacao)) {
        serie.Erro = EDimensionamento().what();
        serie.Causa = std::move(*causa);
        return serie;
    }
    TOrcamentoSerie orcamento(opcoes.LimiteAtualizacoes, SerieLonga(canal));
    const std::thread::id chamador = std::this_thread::get_id();
    THidrograma hidrograma;
    try {
        TContaSlot conta(orcamento, 0, 0, opcoes.Parar, progresso, chamador);
        hidrograma = HidrogramaDaEncosta(canal, terreno, precipitacao, &conta);
    } catch (const EDimensionamento& e) {  // the budget, spent by the design's own hillslope
        serie.Erro = e.what();
        serie.Causa = e.Causa();
        return serie;
    } catch (const TLinhaInterrompida&) {
        return serie;
    }
    TSerieEmCurso execucao({entrada, canal, terreno, dynamic_cast<const TPrecipitacaoExponencialNegativa&>(precipitacao),
                            hidrograma, progresso, chamador},
                           orcamento, opcoes.Parar);
    return execucao.Executar(opcoes.Threads, aoCalcularLinha);
}

}  // namespace talvek
