#include "design/uCanal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <limits>
#include <utility>

#include "design/uCausaFalha.h"
#include "model/uPrecipitacao.h"
#include "platform/Aritmetica.h"
#include "platform/Numeros.h"

namespace talvek {

namespace {

constexpr std::array<const char*, 4> kSistemas = {
    "Terraços em Nível (sem drenagem)",
    "Terraços com Gradiente (com drenagem)",
    "Drenagem de Superfície com Inundação Parcial",
    "Drenagem de Superfície sem Inundação Parcial",
};
constexpr std::array<const char*, 2> kTiposCanal = {"Trapezoidal", "Triangular"};

// Newton steps allowed for the trapezoid's depth; the iteration converges in a few dozen steps
// whenever a depth exists (B = 0 with Z = 0 has none).
constexpr int kMaximoPassosProfundidade = 1000;

double NaoNegativo(double valor) { return valor < 0 ? 0 : valor; }

// Newton on the trapezoid's depth y (m) from `inicio`: y ← y − δ with the step δ = F(y)/F'(y) that
// `passo(y)` gives for one form of Manning's equation, until |δ| < 1e-7 m.
template <class Passo>
TNewtonProfundidade NewtonProfundidade(double inicio, Passo passo) {
    double y = inicio;
    double delta;
    int passos = 0;
    do {
        if (++passos > kMaximoPassosProfundidade) throw EDimensionamento();
        delta = passo(y);
        y -= delta;
    } while (!(std::fabs(delta) < 1e-7));
    return {y, passos};
}

// The routing's depth: Manning's equation on the hydraulic radius, written with k = 1/Z:
// A' = A/Z = (k·B + y)·y and P' = P/Z = y·s + k·B, s = 2·√(k² + 1), so F(y) = (A'/P')^(2/3)·A'/k − Q·n/√Sc.
double ProfundidadePeloRaio(double Q, double Z, double B, double n, double Sc) {
    const double k = Dividir(1, Z);
    const double s = 2 * Raiz(k * k + 1);
    const double alvo = Dividir(Q * n, Raiz(Sc));
    return NewtonProfundidade(1.0, [&](double y) {
        const double T = 2 * y + k * B;  // top width over Z, the derivative of A'
        const double A = (k * B + y) * y;
        const double P = y * s + k * B;
        const double raio = Potencia(Dividir(A, P), 2.0 / 3.0);
        const double F = raio * A / k - alvo;
        const double dF = (raio / k) * (T + Dividir((2.0 / 3.0) * (P * T - A * s), P));
        return Dividir(F, dF);
    }).H;
}

// Whole metres nearest to a length in m, halves to the even one.
std::int32_t MetrosInteiros(double metros) {
    const double inteiro = std::nearbyint(metros);
    if (!(inteiro >= std::numeric_limits<std::int32_t>::min() && inteiro <= std::numeric_limits<std::int32_t>::max()))
        throw EDimensionamento("Espaçamento horizontal (comprimento da encosta) = " + FormatarGeral(metros) +
                               " m: a malha da encosta passaria de 1 milhão de nós.");
    return static_cast<std::int32_t>(inteiro);
}

// The routing takes lengths up to 65535 m; a longer channel is refused instead of wrapped around.
std::uint16_t ComprimentoRoteamento(std::int32_t Comprimento) {
    if (Comprimento < 0 || Comprimento > std::numeric_limits<std::uint16_t>::max()) throw EDimensionamento();
    return static_cast<std::uint16_t>(Comprimento);
}

// The message of the error that ended a sizing: an inner sizing's own cause, else the error's text.
std::string Motivo(const std::exception& erro) {
    const auto* interno = dynamic_cast<const EDimensionamento*>(&erro);
    return interno && !interno->Causa().empty() ? interno->Causa() : erro.what();
}

// Releases the hillslope hydrograph of a sizing on every path.
class LiberarAoSair {
public:
    explicit LiberarAoSair(THidrograma& hidrograma) : hidrograma_(hidrograma) {}
    ~LiberarAoSair() { hidrograma_.Limpar(); }
    LiberarAoSair(const LiberarAoSair&) = delete;
    LiberarAoSair& operator=(const LiberarAoSair&) = delete;

private:
    THidrograma& hidrograma_;
};

}  // namespace

// The sizing's form of Manning's equation; the routing's is ProfundidadePeloRaio.
TNewtonProfundidade ProfundidadeTrapezoidal(double Q, double n, double Sc, double B, double Z, double inicio) {
    const double raizSc = Raiz(Sc);
    const double lado = Raiz(1 + Z * Z);  // wetted length of a face per metre of depth
    return NewtonProfundidade(inicio, [&](double y) {
        const double area = y * (B + Z * y);
        const double perimetro = B + 2 * y * lado;
        const double F = Q * n * Potencia(perimetro, 2.0 / 3.0) - raizSc * Potencia(area, 5.0 / 3.0);
        const double dF = (2.0 / 3.0) * Q * n * Potencia(perimetro, -1.0 / 3.0) * 2 * lado -
                          raizSc * (5.0 / 3.0) * Potencia(area, 2.0 / 3.0) * (B + 2 * Z * y);
        return Dividir(F, dF);
    });
}

TFatoresTriangulo FatoresTriangulo(double St, double Sm) {
    const double kA = (Dividir(1, St) + Dividir(1, Sm)) / 2;
    return {kA, Raiz(1 + Dividir(1, St * St)) + Raiz(1 + Dividir(1, Sm * Sm))};
}

double ProfundidadeTriangular(double Q, double n, double Sc, double St, double Sm) {
    const TFatoresTriangulo f = FatoresTriangulo(St, Sm);
    return Potencia(Dividir(Q * n, Raiz(Sc)) * Potencia(f.kP, 2.0 / 3.0) / Potencia(f.kA, 5.0 / 3.0), 3.0 / 8.0);
}

EDimensionamento::EDimensionamento(std::string causa)
    : Exception("Erro no dimensinamento dos canais"), causa_(std::move(causa)) {}

std::string TTipoSistema::Texto() const { return Tipo < kSistemas.size() ? kSistemas[Tipo] : ""; }

std::string TTipoCanal::Texto() const { return Tipo < kTiposCanal.size() ? kTiposCanal[Tipo] : ""; }

double AlturaRecomendada(double H, double CDu) { return std::sqrt(CDu) * (100 * H) + 10; }

TCanal::TCanal() { Limpar(); }

void TCanal::Limpar() {
    TipoCanal.Limpar();
    Sm = {0.0, -1};
    Z = {0.0, -1};
    B_ = H_ = Hr_ = 0.0;
    CDu_ = 1.0;
}

void TCanal::SetB(double valor) { B_ = NaoNegativo(valor); }
void TCanal::SetH(double valor) { H_ = NaoNegativo(valor); }
void TCanal::SetHr(double valor) { Hr_ = valor > 0 ? valor : 0; }
void TCanal::SetCDu(double valor) { CDu_ = valor > 1 ? valor : 1; }

TCanalGradienteCustom::TCanalGradienteCustom() { TipoCanal.Tipo = TTipoCanal::Trapezoidal; }

void TCanalGradienteCustom::Limpar() {
    nc = TReal{};
    Comprimento_ = 0;
    Sc_ = Q_ = 0.0;
    TCanal::Limpar();
    TipoCanal.Tipo = TTipoCanal::Trapezoidal;
}

void TCanalGradienteCustom::SetComprimento(std::int32_t valor) { Comprimento_ = std::max(valor, 0); }
void TCanalGradienteCustom::SetSc(double valor) { Sc_ = valor; }
void TCanalGradienteCustom::SetQ(double valor) { Q_ = NaoNegativo(valor); }

double TCanalGradienteCustom::AlturaEscoamento(double Q, double n, double Sc, double St) const {
    switch (TipoCanal.Tipo) {
        case TTipoCanal::Trapezoidal:
            return ProfundidadePeloRaio(Q, Z.Valor, B_, n, Sc);
        case TTipoCanal::Triangular:
            return ProfundidadeTriangular(Q, n, Sc, St, Sm.Valor);
        default:
            return 0;
    }
}

void TCanalDrenagem::Limpar() {
    EH_ = EV_ = TD_ = 0.0;
    Material = {};
    TCanalGradienteCustom::Limpar();
}

void TCanalDrenagem::SetEH(double valor) { EH_ = NaoNegativo(valor); }
void TCanalDrenagem::SetEV(double valor) { EV_ = NaoNegativo(valor); }
void TCanalDrenagem::SetTD(double valor) { TD_ = NaoNegativo(valor); }

TEntradasDimensionamento TCanalDrenagem::Entradas(const TTerreno& terreno, const TPrecipitacao* precipitacao,
                                                  std::uint8_t sistema, double EH, double Sc, double n,
                                                  std::int32_t Comprimento) const {
    return {dynamic_cast<const TPrecipitacaoExponencialNegativa*>(precipitacao),
            sistema,
            TipoCanal.Tipo,
            Sc,
            Comprimento,
            n,
            B_,
            Z.Valor,
            Sm.Valor,
            terreno.St(),
            terreno.nt.Valor,
            EH,
            TD_};
}

void TCanalDrenagem::Dimensionar(const TTerreno& terreno, const TPrecipitacao& precipitacao,
                                 const TTipoSistema& sistema) {
    SetH(0);
    if (sistema.Tipo != 2 && sistema.Tipo != 3) return;
    const TDimensionamento r = sistema.Tipo == 2
                                   ? DimensionarComInundacao(terreno, precipitacao)
                                   : DimensionarSemInundacao(terreno, precipitacao, EH_, Sc_, nc.Valor, Comprimento_);
    Q_ = r.Q;
    H_ = r.H;
}

TVazaoComInundacao TCanalDrenagem::VazaoComInundacao(const TTerreno& terreno,
                                                     const TPrecipitacao& precipitacao) const {
    // A field without runoff can leave a rounding residue just below zero: it is no flow.
    const double excesso = std::max(0.0, terreno.PrecipitacaoEfetiva(precipitacao));  // mm
    // The excess on the strip Comprimento × EH, removed within TD hours (mm → m, h → s), m³/s.
    const double vazao = Dividir(excesso * Comprimento_ * EH_, TD_ * 1000 * 3600);
    return {excesso, excesso * Comprimento_ * EH_ / 1000, vazao};
}

TDimensionamento TCanalDrenagem::DimensionarComInundacao(const TTerreno& terreno,
                                                         const TPrecipitacao& precipitacao) const {
    try {
        const double vazao = VazaoComInundacao(terreno, precipitacao).Vazao;  // m³/s
        const double H = TipoCanal.Tipo == TTipoCanal::Trapezoidal
                             ? ProfundidadeTrapezoidal(vazao, nc.Valor, Sc_, B_, Z.Valor, 10.0).H
                             : ProfundidadeTriangular(vazao, nc.Valor, Sc_, terreno.St(), Sm.Valor);
        return {vazao * 1000, H};
    } catch (const Exception& erro) {
        throw EDimensionamento(
            CausaDaFalha(Entradas(terreno, &precipitacao, 2, EH_, Sc_, nc.Valor, Comprimento_), Motivo(erro)));
    }
}

void TCanalDrenagem::PrepararEncosta(const TTerreno& terreno, double EH) {
    // A strip without slope has no kinematic-wave flow (α = √St / nt = 0): the method cannot size
    // its drain, and a zero flow would be a wrong answer, not a dry field.
    if (!(terreno.St() > 0)) throw EDimensionamento();
    // The strip between two drains, EH wide, as a hillslope draining into this channel.
    Encosta.Cobertura.Atribuir(terreno.Cobertura);
    Encosta.SetComprimento(MetrosInteiros(EH));
    Encosta.nt.Valor = terreno.nt.Valor;
    Encosta.SetVIB(terreno.VIB());
    Encosta.SetSt(terreno.St());
}

TDimensionamento TCanalDrenagem::DimensionarSemInundacao(const TTerreno& terreno, const TPrecipitacao& precipitacao,
                                                         double EH, double Sc, double n, std::int32_t Comprimento) {
    try {
        PrepararEncosta(terreno, EH);
        const int N = Encosta.NumeroTrechos();
        const LiberarAoSair liberar(Hidrograma);
        Hidrograma = Encosta.GerarHidrograma(N, precipitacao);
        return DimensionarHidrograma(Hidrograma, terreno, Sc, n, Comprimento);
    } catch (const std::exception& erro) {
        throw EDimensionamento(CausaDaFalha(Entradas(terreno, &precipitacao, 3, EH, Sc, n, Comprimento), Motivo(erro)));
    }
}

TDimensionamento TCanalDrenagem::DimensionarHidrograma(const THidrograma& hidrograma, const TTerreno& terreno,
                                                       double Sc, double n, std::int32_t Comprimento) const {
    try {
        double pico = 0;  // L/s; fewer than 3 points: no runoff reaches the drain
        if (hidrograma.NumeroPontos() >= 3) {
            const std::uint16_t L = ComprimentoRoteamento(Comprimento);
            pico = CalculaHidrogramaCanal(L, hidrograma, terreno.VIB(), terreno.St(), Sc, n).Pico;
        }
        const double vazao = pico / 1000;  // m³/s
        // The design flow in L/s is the m³/s value scaled back, not `pico`: the two can differ in the last bit.
        return {vazao * 1000, AlturaEscoamento(vazao, n, Sc, terreno.St())};
    } catch (const std::exception& erro) {
        throw EDimensionamento(CausaDaFalha(Entradas(terreno, nullptr, 3, EH_, Sc, n, Comprimento), Motivo(erro)));
    }
}

}  // namespace talvek
