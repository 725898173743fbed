// Kinematic-wave routing of the hillslope outflow along a graded drain. Every metre of the channel receives
// the hillslope hydrograph as lateral inflow q (m³/s per m); the section carries Q = α·A^m. The routing
// marches node by node from the upper end, with an explicit upwind step where the Courant number is below
// 1 and an implicit space-marching step where it is above, and stops as soon as the outflow at the lower
// end starts to fall: its last value is the design peak.
#include "design/uCanalRoteamento.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>
#include <vector>

#include "design/uCanal.h"
#include "model/uRegressao.h"
#include "platform/Aritmetica.h"

namespace talvek {

namespace {

const char* const kErroRoteamento = "Ocorreu um erro em CalculaHidrogramaCanal.";
const char* const kSemRecessao =
    "O hidrograma do canal não terminou de escoar em uma semana de simulação após o fim da contribuição da "
    "encosta.";

constexpr int kProfundidadesAjuste = 25;  // depths 0.2 m … 5 m of the trapezoid's power fit
// The outflow falls within a few steps of the end of the lateral inflow; a routing still rising a week of
// simulated time later (10080 min) is a failure.
constexpr double kTempoDrenagemMaximo = 10080;

// The routing of one call: wetted areas A (m²) and W = A^m = Q/α at the old and new time level, node 0
// at the upper end; times in min.
class OndaCanal {
public:
    OndaCanal(const TLeiCinematica& lei, const TMalhaCanal& malha)
        : alfa_(lei.alfa),
          m_(lei.m),
          inversoM_(1 / lei.m),
          dx_(malha.dx),
          dt_(malha.dt),
          dts_(60 * malha.dt),
          Cr_(alfa_ * dts_ / dx_),
          Ac2_(Dividir(2, Potencia(m_ * Cr_, Dividir(1, m_ - 1)))),
          Ao_(malha.Nos),
          An_(malha.Nos),
          Wo_(malha.Nos),
          Wn_(malha.Nos) {}

    // Routes the lateral inflow until `medidor` stops it (the design's stops at the first fall of the
    // outflow); the window's events run through `progresso`.
    template <class Medidor>
    TRoteamentoCanal Propagar(const THidrograma& hidrograma, IProgresso* progresso, Medidor& medidor) {
        TContadorAtualizacoes contador(progresso);
        const double tFim = hidrograma.Pontos().back().Tempo;
        double t = hidrograma.Pontos().front().Tempo;
        const std::size_t ultimo = Ao_.size() - 1;
        const double passosMaximos = (tFim - t + kTempoDrenagemMaximo) / dt_;
        for (long passos = 0;; ++passos) {
            if (passos > passosMaximos) medidor.Esgotado();
            const double q = t < tFim ? hidrograma.VazaoNoTempo(t) / 1000 : 0;  // m³/s per m
            medidor.Entrada(q * dx_ * static_cast<double>(ultimo), alfa_ * Wn_[0], dts_);
            for (std::size_t i = 1; i <= ultimo; ++i) {
                double a;
                if (An_[i] + Ao_[i - 1] > Ac2_) {
                    // Implicit: Q_i = Q_(i−1) + q·Δx − (A_(i−1)new − A_(i−1)old)·Δx/Δt, over α.
                    const double X = q * dx_ / alfa_ + (Ao_[i - 1] - An_[i - 1]) / Cr_ + Wn_[i - 1];
                    a = X > 0 ? Potencia(X, inversoM_) : 0;
                } else {
                    a = q * dts_ + Ao_[i] + Cr_ * (Wo_[i - 1] - Wo_[i]);
                }
                if (i == ultimo && a < Ao_[ultimo]) {
                    const TRoteamentoCanal pico{alfa_ * Potencia(Ao_[ultimo], m_) * 1000, passos};
                    if (medidor.Caiu(pico)) return pico;
                }
                if (a > 0) {
                    An_[i] = a;
                    Wn_[i] = Potencia(a, m_);
                } else {
                    An_[i] = Wn_[i] = 0;
                }
            }
            if (medidor.Saida(t, tFim, alfa_ * Wn_[ultimo] * 1000, dts_)) {
                medidor.Fim(An_, dx_);
                return {0, passos};
            }
            t += dt_;
            std::swap(Ao_, An_);
            std::swap(Wo_, Wn_);
            // Inflow of the upper end, m³/s per m; a negative value counts as none.
            const double entrada = hidrograma.VazaoNoTempo(t) / 1000;
            if (entrada > 0) {
                Wn_[0] = entrada * dx_ / alfa_;
                An_[0] = Potencia(Wn_[0], inversoM_);
            } else {
                An_[0] = Wn_[0] = 0;
            }
            std::fill(An_.begin() + 1, An_.end(), 0.0);
            std::fill(Wn_.begin() + 1, Wn_.end(), 0.0);
            contador.Somar(static_cast<std::int64_t>(ultimo));
        }
    }

private:
    const double alfa_, m_, inversoM_;
    const double dx_;   // m
    const double dt_;   // min
    const double dts_;  // s
    const double Cr_;   // α·Δt/Δx
    const double Ac2_;  // twice the area at which the explicit scheme's Courant number m·Cr·A^(m − 1) is 1
    std::vector<double> Ao_, An_, Wo_, Wn_;
};

// The design's routing: it stops at the first fall of the outflow and measures nothing.
struct AtePico {
    [[noreturn]] void Esgotado() { throw EDimensionamento(); }
    void Entrada(double, double, double) {}
    bool Caiu(const TRoteamentoCanal&) { return true; }
    bool Saida(double, double, double, double) { return false; }
    void Fim(const std::vector<double>&, double) {}
};

// The whole outlet hydrograph and the ledger of the routing (m³).
class HidrogramaCompleto {
public:
    explicit HidrogramaCompleto(THidrogramaCanal& resultado) : r_(resultado) {}

    [[noreturn]] void Esgotado() { throw EDimensionamento(kSemRecessao); }
    // Lateral inflow of the nodes below the upper end and inflow of the upper end (m³/s) over dts s.
    void Entrada(double lateral, double montante, double dts) {
        r_.Balanco.Lateral += lateral * dts;
        r_.Balanco.Montante += montante * dts;
    }
    // The design's stop: its peak is the point recorded last, and the routing goes on.
    bool Caiu(const TRoteamentoCanal& pico) {
        if (!caiu_) r_.Pico = {r_.Pontos.back().Tempo, VazaoDeProjeto(pico.Pico)};
        caiu_ = true;
        return false;
    }
    // The outflow (L/s) of the step at clock t; true once the inflow has ended (t ≥ tFim) and the outflow
    // is below 0.1 % of its highest value.
    bool Saida(double t, double tFim, double vazao, double dts) {
        r_.Balanco.Saida += vazao / 1000 * dts;
        r_.Pontos.push_back({t, VazaoDeProjeto(vazao)});
        if (r_.Pontos.back().Vazao > r_.Maximo.Vazao) r_.Maximo = r_.Pontos.back();
        return caiu_ && t >= tFim && r_.Pontos.back().Vazao < kFracaoFinal * r_.Maximo.Vazao;
    }
    // The wetted areas (m²) at the end; node 0 is the inflow boundary.
    void Fim(const std::vector<double>& A, double dx) {
        for (std::size_t i = 1; i < A.size(); ++i) r_.Balanco.Armazenada += A[i] * dx;
    }

private:
    static constexpr double kFracaoFinal = 0.001;
    THidrogramaCanal& r_;
    bool caiu_ = false;
};

}  // namespace

TLeiCinematica LeiTriangular(double St, double Sm, double Sc, double n) {
    const TFatoresTriangulo f = FatoresTriangulo(St, Sm);
    return {Dividir(Raiz(Sc), n) * Potencia(Dividir(f.kA, f.kP * f.kP), 1.0 / 3.0), 4.0 / 3.0};
}

TLeiCinematica LeiTrapezoidal(double B, double Z, double Sc, double n) {
    TRegressao ajuste(kProfundidadesAjuste);
    for (int i = 1; i <= kProfundidadesAjuste; ++i) {
        const double y = 0.2 * i;
        ajuste.X[i - 1] = y * (B + Z * y);
        ajuste.Y[i - 1] = B + 2 * y * Raiz(1 + Z * Z);
    }
    double a, b;  // P = a·A^b
    ajuste.RegressaoPotencia(a, b);
    return {Dividir(Raiz(Sc), Potencia(a, 2.0 / 3.0) * n), 5.0 / 3.0 - (2.0 / 3.0) * b};
}

TMalhaCanal MalhaCanal(std::uint16_t Comprimento, double VIB) {
    const double L = Comprimento;
    double dx = std::min(L / 100, 5.0);
    const double trechos = std::nearbyint(Dividir(L, dx) + 0.4);  // halves to even
    dx = Dividir(L, trechos);
    double passo;  // min; the finer time steps of the wetter fields come with finer space steps
    if (VIB <= 10) {
        passo = 0.1;
    } else if (VIB <= 20) {
        passo = 0.08;
    } else if (VIB <= 30) {
        passo = 0.06;
    } else if (VIB <= 40) {
        passo = 0.04;
    } else if (VIB <= 50) {
        passo = 0.02;
    } else if (VIB <= 100) {
        passo = 0.01;
        dx = dx / 2;
    } else {
        passo = 0.005;
        dx = dx / 5;
    }
    return {static_cast<int>(trechos), dx, 4 * passo, static_cast<int>(std::nearbyint(Dividir(L, dx)))};
}

double VazaoDeProjeto(double litrosPorSegundo) {
    const double vazao = litrosPorSegundo / 1000;  // m³/s
    return vazao * 1000;
}

TMalhaCanal MalhaCanalRefinada(const TMalhaCanal& malha, int fator) {
    return {malha.Trechos, malha.dx / fator, malha.dt / fator, malha.Nos * fator};
}

TRoteamentoCanal TCanalGradiente::CalculaHidrogramaCanal(std::uint16_t Comprimento, const THidrograma& hidrograma,
                                                         double VIB, double St, double Sc, double n,
                                                         int refinamento) const {
    const TLeiCinematica lei = TipoCanal.Tipo == TTipoCanal::Triangular ? LeiTriangular(St, Sm.Valor, Sc, n)
                                                                         : LeiTrapezoidal(B_, Z.Valor, Sc, n);
    try {
        if (hidrograma.NumeroPontos() == 0) throw Exception(kErroRoteamento);
        AtePico medidor;
        return OndaCanal(lei, MalhaCanalRefinada(MalhaCanal(Comprimento, VIB), refinamento))
            .Propagar(hidrograma, Encosta.Progresso, medidor);
    } catch (const std::exception&) {
        throw Exception(kErroRoteamento);
    }
}

THidrogramaCanal TCanalGradiente::HidrogramaCanal(std::uint16_t Comprimento, const THidrograma& hidrograma, double VIB,
                                                  double St, double Sc, double n) const {
    const TLeiCinematica lei = TipoCanal.Tipo == TTipoCanal::Triangular ? LeiTriangular(St, Sm.Valor, Sc, n)
                                                                         : LeiTrapezoidal(B_, Z.Valor, Sc, n);
    THidrogramaCanal resultado;
    try {
        if (hidrograma.NumeroPontos() == 0) throw Exception(kErroRoteamento);
        HidrogramaCompleto medidor(resultado);
        OndaCanal(lei, MalhaCanal(Comprimento, VIB)).Propagar(hidrograma, Encosta.Progresso, medidor);
    } catch (const EDimensionamento&) {
        throw;  // the routing that does not drain, with its own message
    } catch (const std::exception&) {
        throw Exception(kErroRoteamento);
    }
    return resultado;
}

}  // namespace talvek
