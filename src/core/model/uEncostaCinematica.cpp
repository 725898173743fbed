#include "model/uEncostaCinematica.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "model/uPrecipitacao.h"
#include "platform/Aritmetica.h"
#include "platform/Excecoes.h"

namespace talvek {

namespace {

const char* const kComprimentoNegativo = "O Item do comprimento da encosta não pode ser menor ou igual a zero.";
const char* const kSemEscoamento = "Para as condições especificadas, não há ocorrência de escoamento.";
const char* const kSemConvergencia =
    "Não houve convergência quando calculando o tempo final do escoamento.\n"
    "Por favor, informe as condições desta simulação (chuva, solo, declividade, rugosidade e comprimento da "
    "encosta) à equipe de desenvolvimento do Talvek 2.0:\n"
    "suporte@talvek.example";

constexpr int kMaximoPassosTempoFinal = 200;

// x^y, 0 for a zero base whatever the exponent.
double PotenciaNula(double x, double y) { return x == 0 ? 0 : Potencia(x, y); }

// The spacing in the messages of the bounds: the strip between two drains is as long as they are apart.
std::string Espacamento(std::int32_t Comprimento) {
    return "Espaçamento horizontal (comprimento da encosta) = " + std::to_string(Comprimento) + " m: ";
}

// Time step (min) by the infiltration rate (mm/h).
double PassoTempo(double VIB) {
    if (VIB <= 10) return 0.35;
    if (VIB <= 30) return 0.3;
    if (VIB <= 60) return 0.25;
    if (VIB <= 90) return 0.2;
    if (VIB <= 120) return 0.15;
    return 0.1;
}

// Kinematic-wave routing of the rainfall excess down the slope, appending the outflow of the lowest node
// (L/s per metre) to the hydrograph at every time step until the outlet dries. Depths y in m at the old and
// new time level, with Z = y^(5/3); α in m^(1/3)/s; times in min.
class OndaEncosta {
public:
    OndaEncosta(const TPrecipitacaoExponencialNegativa& chuva, double VIB, const TMalhaEncosta& malha, double alfa)
        : chuva_(chuva),
          vib_(VIB),
          dx_(malha.dx),
          dt_(malha.dt),
          alfa_(alfa),
          yo_(malha.Nos),
          yn_(malha.Nos),
          Zo_(malha.Nos),
          Zn_(malha.Nos) {}

    // `medidor` watches the steps without taking part in them (SemMedicao for the design).
    template <class Medidor>
    void Propagar(double t, THidrograma& hidrograma, TContadorAtualizacoes& contador, Medidor& medidor) {
        double q0 = NoSuperior(t);
        const double ds = 60 * dt_;  // s
        const double Cd = Dividir(dx_, alfa_ * ds);
        const double Ce = alfa_ * ds / dx_;
        const double yCritico = Potencia((5.0 / 3.0) * Ce, -1.5);
        const std::size_t ultimo = yn_.size() - 1;
        bool parar = q0 < 0;
        while (!parar) {
            const double r = (chuva_.IntensidadeInstantanea(t) - vib_) / 3600000;  // excess, m/s
            medidor.Excesso(q0, r, ds);
            double y = 0;
            for (std::size_t i = 1; i <= ultimo; ++i) {
                if (yn_[i - 1] + yo_[i] > yCritico) {
                    // Space marching: continuity over the cell i − 1 … i solved for the new flow at i.
                    const double W = (yo_[i - 1] - yn_[i - 1]) * Cd + r * dx_ / alfa_ + Zn_[i - 1];
                    y = W > 0 ? Potencia(W, 0.6) : 0;
                    medidor.InfiltracaoMarcha(W, r, ds);
                } else {
                    // Explicit upwind step at node i.
                    y = r * ds + yo_[i] + Ce * (Zo_[i - 1] - Zo_[i]);
                    medidor.InfiltracaoExplicita(y, r, ds);
                }
                if (y <= 0 && i == ultimo) parar = true;
                if (y > 0) {
                    yn_[i] = y;
                    Zn_[i] = Potencia(y, 5.0 / 3.0);
                } else {
                    yn_[i] = Zn_[i] = 0;
                }
            }
            t += dt_;
            if (y > 0) hidrograma.Adicionar(t - dt_, 1000 * alfa_ * Zn_[ultimo]);
            std::swap(yo_, yn_);
            std::swap(Zo_, Zn_);
            q0 = NoSuperior(t);
            std::fill(yn_.begin() + 1, yn_.end(), 0.0);
            std::fill(Zn_.begin() + 1, Zn_.end(), 0.0);
            contador.Somar(static_cast<std::int64_t>(ultimo));
        }
        medidor.Fim(yo_);
    }

private:
    // Depth of the top node at time t from the excess of one cell of length dx; returns that inflow
    // (L/s per metre of width).
    double NoSuperior(double t) {
        const double q0 = (chuva_.IntensidadeInstantanea(t) - vib_) * dx_ / 3600;
        if (q0 > 0) {
            Zn_[0] = Dividir(q0, 1000 * alfa_);
            yn_[0] = Potencia(Zn_[0], 0.6);
        } else {
            yn_[0] = Zn_[0] = 0;
        }
        return q0;
    }

    const TPrecipitacaoExponencialNegativa& chuva_;
    const double vib_;   // mm/h
    const double dx_;    // m
    const double dt_;    // min
    const double alfa_;  // q = α·y^(5/3)
    std::vector<double> yo_, yn_, Zo_, Zn_;
};

// The design's run: nothing is measured.
struct SemMedicao {
    void Excesso(double, double, double) {}
    void InfiltracaoMarcha(double, double, double) {}
    void InfiltracaoExplicita(double, double, double) {}
    void Fim(const std::vector<double>&) {}
};

// The continuity ledger of a run, in m³ per metre of width (m²) while it runs, L/m in the result.
class MedidorBalanco {
public:
    MedidorBalanco(TBalancoEncosta& balanco, const TMalhaEncosta& malha, double alfa)
        : balanco_(balanco), dx_(malha.dx), alfa_(alfa), nosLaterais_(malha.Nos - 1) {}

    // One step's excess while it is positive: the top node's inflow q0 (L/s per m, the excess of one cell)
    // and the lateral inflow r (m/s) of the other nodes' cells, over the step of ds s.
    void Excesso(double q0, double r, double ds) {
        if (r > 0) entrada_ += (q0 / 1000 + r * dx_ * nosLaterais_) * ds;
    }
    // After the end of runoff (r < 0) the excess removes ponded water: at most what the step would leave
    // there without it. The space-marching form removes it from the flow W = q/α of the cell,
    void InfiltracaoMarcha(double W, double r, double ds) {
        if (r < 0) infiltrada_ += alfa_ * std::min(-r * dx_ / alfa_, std::max(W - r * dx_ / alfa_, 0.0)) * ds;
    }
    // the explicit form from the depth y of the node.
    void InfiltracaoExplicita(double y, double r, double ds) {
        if (r < 0) infiltrada_ += std::min(-r * ds, std::max(y - r * ds, 0.0)) * dx_;
    }
    // The depths (m) left when the outlet dries; node 0 is the inflow boundary.
    void Fim(const std::vector<double>& y) {
        double volume = 0;
        for (std::size_t i = 1; i < y.size(); ++i) volume += y[i] * dx_;
        balanco_.Entrada = 1000 * entrada_;
        balanco_.Infiltrada = 1000 * infiltrada_;
        balanco_.Armazenada = 1000 * volume;
    }

private:
    TBalancoEncosta& balanco_;
    const double dx_;    // m
    const double alfa_;  // q = α·y^(5/3)
    const double nosLaterais_;
    double entrada_ = 0, infiltrada_ = 0;  // m²
};

}  // namespace

double IntensidadeInicial(const TPrecipitacaoExponencialNegativa& chuva) {
    return Dividir(chuva.K() * PotenciaNula(chuva.Tr(), chuva.A()), PotenciaNula(chuva.B(), chuva.C()));
}

TMalhaEncosta MalhaEncosta(std::int32_t Comprimento, double VIB) {
    const double dx = std::min(Comprimento / 100.0, 0.5);
    return {dx, static_cast<int>(std::nearbyint(Dividir(Comprimento, dx))), PassoTempo(VIB)};
}

TMalhaEncosta MalhaRefinada(const TMalhaEncosta& malha, int fator) {
    return {malha.dx / fator, malha.Nos * fator, malha.dt / fator};
}

double TBalancoEncosta::ErroPct() const { return Entrada > 0 ? 100 * Erro() / Entrada : 0; }

double TBalancoEncosta::Mm(double litrosPorMetro) const {
    return Comprimento > 0 ? litrosPorMetro / Comprimento : 0;
}

double ProfundidadeCritica(double alfa, const TMalhaEncosta& malha) {
    const double Ce = alfa * (60 * malha.dt) / malha.dx;
    return Potencia((5.0 / 3.0) * Ce, -1.5);
}

double TempoFinalEscoamento(const TPrecipitacaoExponencialNegativa& chuva, double VIB) {
    if (IntensidadeInicial(chuva) <= VIB) throw Exception(kSemEscoamento);
    const double B = chuva.B();
    const double C = chuva.C();
    double t = 1;
    double delta;
    int passos = 0;
    do {
        if (t <= 0) t = 0;
        const double residuo = chuva.IntensidadeInstantanea(t) - VIB;
        const double derivada =
            (chuva.IntensidadeInstantanea(t) + Dividir(chuva.IntensidadeMedia(t) * B, t + B)) * Dividir(-C, t + B);
        delta = Dividir(residuo, derivada);
        t -= delta;
        ++passos;
    } while (!(std::fabs(delta) <= 1e-10 || passos > kMaximoPassosTempoFinal));
    if (passos > kMaximoPassosTempoFinal) throw Exception(kSemConvergencia);
    return t;
}

void TEncostaCinematicaCustom::Limpar() {
    TTerreno::Limpar();
    Comprimento_ = 0;
}

void TEncostaCinematicaCustom::SetComprimento(std::int32_t valor) {
    if (valor < 0) throw Exception(kComprimentoNegativo);
    Comprimento_ = valor;
}

int TEncostaCinematicaCustom::NumeroTrechos() const {
    if (Comprimento_ <= 50) return 100;
    const double nos = std::nearbyint(Comprimento_ / 0.5);
    if (nos > kMaximoNosEncosta)
        throw Exception(Espacamento(Comprimento_) + "a malha da encosta passaria de 1 milhão de nós.");
    return static_cast<int>(nos);
}

double TEncostaCinematicaCustom::AtualizacoesEstimadas(const TPrecipitacao& precipitacao) const {
    const auto& chuva = dynamic_cast<const TPrecipitacaoExponencialNegativa&>(precipitacao);
    if (IntensidadeInicial(chuva) < VIB()) return 0;
    const double tf = TempoFinalEscoamento(chuva, VIB());
    const double ta = TempoAbstracao(chuva);
    if (ta > tf) return 0;
    // Rain falls on every node until tf, so the outlet stays wet at least that long; the routing starts one
    // step after ta, and the last step may already be dry.
    const double passos = std::max(0.0, std::floor((tf - ta) / PassoTempo(VIB())) - 1);
    return (NumeroTrechos() - 1) * passos;
}

THidrograma TEncostaCinematicaCustom::GerarHidrograma(int N, const TPrecipitacao& precipitacao) {
    SemEscoamento_ = false;
    const TCursorOcupado cursor(Progresso);
    const auto& chuva = dynamic_cast<const TPrecipitacaoExponencialNegativa&>(precipitacao);
    const double alfa = Dividir(Raiz(St()), nt.Valor);
    return Escoamento(N, chuva, alfa);
}

TEscoamentoMedido TEncostaCinematicaCustom::GerarHidrogramaMedido(const TPrecipitacao& precipitacao, int refinamento) {
    SemEscoamento_ = false;
    const TCursorOcupado cursor(Progresso);
    const auto& chuva = dynamic_cast<const TPrecipitacaoExponencialNegativa&>(precipitacao);
    const double alfa = Dividir(Raiz(St()), nt.Valor);
    TEscoamentoMedido medido;
    medido.Balanco.Comprimento = Comprimento_;
    medido.Hidrograma = Escoamento(NumeroTrechos() * refinamento, chuva, alfa, refinamento, &medido.Balanco);
    medido.Balanco.Saida = medido.Hidrograma.Volume();
    return medido;
}

THidrograma TEncostaCinematicaCustom::Escoamento(int N, const TPrecipitacaoExponencialNegativa& chuva, double alfa,
                                                 int refinamento, TBalancoEncosta* balanco) {
    THidrograma hidrograma;
    if (IntensidadeInicial(chuva) < VIB()) {
        SemEscoamento_ = true;
        return hidrograma;
    }
    const double tf = TempoFinalEscoamento(chuva, VIB());
    const double ta = TempoAbstracao(chuva);
    if (ta > tf) {
        SemEscoamento_ = true;
        return hidrograma;
    }
    if (AtualizacoesEstimadas(chuva) > TContadorAtualizacoes::kMaximoAtualizacoes)
        throw Exception(Espacamento(Comprimento_) + "o cálculo da encosta passaria de 200 milhões de passos da malha.");
    const TMalhaEncosta malha = MalhaRefinada(MalhaEncosta(Comprimento_, VIB()), refinamento);
    if (N != malha.Nos) throw std::invalid_argument("GerarHidrograma: N is not NumeroTrechos");
    if (Progresso) Progresso->ProcessarEventos();

    hidrograma.Adicionar(ta, 0);
    try {
        TContadorAtualizacoes contador(Progresso);
        OndaEncosta onda(chuva, VIB(), malha, alfa);
        if (balanco) {
            MedidorBalanco medidor(*balanco, malha, alfa);
            onda.Propagar(ta + malha.dt, hidrograma, contador, medidor);
        } else {
            SemMedicao nada;
            onda.Propagar(ta + malha.dt, hidrograma, contador, nada);
        }
        const TPontoHidrograma fim = hidrograma.Pontos().back();
        if (fim.Vazao != 0) hidrograma.Adicionar(fim.Tempo + malha.dt, 0);
    } catch (const EAritmetica&) {
        // A fault inside the routing ends the hydrograph where it stands, without its closing point.
    }
    if (hidrograma.NumeroPontos() <= 2)
        hidrograma.Limpar();
    else
        hidrograma.AjustarRecessao();
    return hidrograma;
}

}  // namespace talvek
