// Upward interfaces of the core: the long computations report progress through IProgresso, and plots
// are drawn into an ISerieGrafico. The desktop program implements them with its toolkit; the batch
// calculator and the tests with nothing or with recorders.
#pragma once

#include <cstdint>

namespace talvek {

class IProgresso {
public:
    virtual ~IProgresso() = default;
    virtual void CursorOcupado(bool ocupado) = 0;  // busy pointer on or off
    virtual void ProcessarEventos() = 0;           // let pending window events run once
};

// The work of one hillslope or routing run, counted in node updates. Lets the window's pending events run
// every kAtualizacoesEntreEventos updates (about a hundredth of a second), and ends a run that passes
// kMaximoAtualizacoes (about ten seconds here) with an Exception, so that a strip or a channel of many
// kilometres read from a file fails as a sizing error instead of keeping the window busy for minutes.
class TContadorAtualizacoes {
public:
    static constexpr std::int64_t kAtualizacoesEntreEventos = 250'000;
    static constexpr std::int64_t kMaximoAtualizacoes = 200'000'000;

    explicit TContadorAtualizacoes(IProgresso* progresso) : progresso_(progresso) {}

    // Counts one time step over `nos` nodes.
    void Somar(std::int64_t nos);

private:
    IProgresso* progresso_;
    std::int64_t total_ = 0;
    std::int64_t desdeEventos_ = 0;
};

// The busy pointer of `progresso` for the lifetime of the guard, or until Restaurar; a null hook shows
// nothing.
class TCursorOcupado {
public:
    explicit TCursorOcupado(IProgresso* progresso) : progresso_(progresso) {
        if (progresso_) progresso_->CursorOcupado(true);
    }
    ~TCursorOcupado() { Restaurar(); }
    TCursorOcupado(const TCursorOcupado&) = delete;
    TCursorOcupado& operator=(const TCursorOcupado&) = delete;

    void Restaurar() {
        if (progresso_) progresso_->CursorOcupado(false);
        progresso_ = nullptr;
    }

private:
    IProgresso* progresso_;
};

class ISerieGrafico {
public:
    virtual ~ISerieGrafico() = default;
    virtual void Limpar() = 0;
    virtual void Adicionar(double x, double y) = 0;
};

}  // namespace talvek
