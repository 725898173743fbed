// Upward interfaces of the core: the long computations report progress through IProgresso, and plots
// are drawn into an ISerieGrafico. The desktop program implements them with Qt; the batch calculator
// and the tests with nothing or with recorders.
#pragma once

namespace talvek {

class IProgresso {
public:
    virtual ~IProgresso() = default;
    virtual void CursorOcupado(bool ocupado) = 0;  // busy pointer on or off
    virtual void ProcessarEventos() = 0;           // let pending window events run once
};

class ISerieGrafico {
public:
    virtual ~ISerieGrafico() = default;
    virtual void Limpar() = 0;
    virtual void Adicionar(double x, double y) = 0;
};

}  // namespace talvek
