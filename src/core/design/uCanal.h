// The drain being designed and the design run. Units inside the model: lengths and depths in m, slopes
// in m/m (rise over run), Manning roughness in s/m^(1/3), flows in m³/s during a computation and L/s
// once a run has finished, the drainage time in h, the recommended height in cm.
#pragma once

#include <cstdint>
#include <string>

#include "design/uMaterialCanal.h"
#include "design/uCausaFalha.h"
#include "design/uCanalRoteamento.h"
#include "model/uEncostaCinematica.h"
#include "model/uHidrograma.h"
#include "model/uTerreno.h"
#include "platform/Excecoes.h"

namespace talvek {

class TPrecipitacao;

// A sizing that failed. The message is always "Erro no dimensinamento dos canais"; Causa says why in the
// user's words (uCausaFalha.h), empty where the failure is not yet diagnosed.
class EDimensionamento : public Exception {
public:
    explicit EDimensionamento(std::string causa = {});
    const std::string& Causa() const { return causa_; }

private:
    std::string causa_;
};

// Kind of drainage system; this program designs types 2 and 3.
class TTipoSistema {
public:
    std::uint8_t Tipo = 0;
    std::string Texto() const;

    // [TipoSistema] of a project file (uCanalArquivo.cpp); a stored type outside 0–3 reads as false.
    bool LerArquivo(const std::string& nomeArquivo);
    bool EscreverArquivo(const std::string& nomeArquivo) const;
};

// Cross-section type: 0 trapezoidal, 1 triangular.
class TTipoCanal {
public:
    static constexpr std::uint8_t Trapezoidal = 0;
    static constexpr std::uint8_t Triangular = 1;

    std::uint8_t Tipo = Triangular;
    void Limpar() { Tipo = Triangular; }
    std::string Texto() const;
};

// Newton solution of a trapezoid's uniform-flow depth: the depth, m, and the steps taken.
struct TNewtonProfundidade {
    double H;
    int Passos;
};

// Uniform-flow depth of a trapezoid of base B (m) and inverse face slope Z for the flow Q (m³/s), roughness
// n and slope Sc: Newton from `inicio` (m) on F(y) = Q·n·P^(2/3) − √Sc·A^(5/3), A = y·(B + Z·y),
// P = B + 2·y·√(1 + Z²), until a step is below 1e-7 m (AlturaEscoamento's Newton solves another form of
// the equation: the same root, other iterates). Arithmetic faults propagate; a section without a depth
// (B = 0 and Z = 0) raises EDimensionamento after 1000 steps.
TNewtonProfundidade ProfundidadeTrapezoidal(double Q, double n, double Sc, double B, double Z, double inicio);

// Section factors of the triangle between the field (slope St) and the ridge wall (slope Sm), both m/m: at
// depth y (m), wetted area A = kA·y² (m²) and perimeter P = kP·y (m), with the dimensionless
// kA = (1/St + 1/Sm)/2 and kP = √(1 + 1/St²) + √(1 + 1/Sm²). Arithmetic faults for a zero slope.
struct TFatoresTriangulo {
    double kA, kP;
};
TFatoresTriangulo FatoresTriangulo(double St, double Sm);

// Uniform-flow depth (m) of that triangle for the flow Q (m³/s), roughness n and slope Sc, in closed form.
double ProfundidadeTriangular(double Q, double n, double Sc, double St, double Sm);

// Recommended height of the real section, cm: √CDu · H (cm) + 10 cm of freeboard; H in m.
double AlturaRecomendada(double H, double CDu);

class TCanal {
public:
    TCanal();
    virtual ~TCanal() = default;
    void Limpar();

    // Project file (uCanalArquivo.cpp): each level reads or writes its parent's section first and gives
    // false when the parent does, or when its own version or a stored index does not fit. Values pass
    // through the setters; indices, nc, Z and Sm are stored as read. File errors propagate.
    bool LerArquivo(const std::string& nomeArquivo);
    bool EscreverArquivo(const std::string& nomeArquivo) const;

    void SetB(double valor);    // negative → 0
    void SetH(double valor);    // negative → 0
    void SetHr(double valor);   // zero or negative → 0
    void SetCDu(double valor);  // not greater than 1 → 1
    double B() const { return B_; }      // base width of the trapezoid, m
    double H() const { return H_; }      // theoretical flow height, m
    double Hr() const { return Hr_; }    // recommended height, cm
    double CDu() const { return CDu_; }  // non-uniformity coefficient of the real section, ≥ 1

    std::string Identificador;  // suffix of its sections in a project file
    TTipoCanal TipoCanal;
    TReal Sm;  // slope of the ridge wall of the triangular channel, m/m; row −1 when typed
    TReal Z;   // inverse slope of the trapezoid's faces, m horizontal per m vertical; row −1 when typed

protected:
    double B_ = 0.0;
    double H_ = 0.0;
    double Hr_ = 0.0;
    double CDu_ = 1.0;
};

class TCanalGradienteCustom : public TCanal {
public:
    TCanalGradienteCustom();
    void Limpar();
    bool LerArquivo(const std::string& nomeArquivo);
    bool EscreverArquivo(const std::string& nomeArquivo) const;

    void SetComprimento(std::int32_t valor);  // negative → 0
    void SetSc(double valor);                 // stored as given
    void SetQ(double valor);                  // negative → 0
    std::int32_t Comprimento() const { return Comprimento_; }  // channel length, whole m
    double Sc() const { return Sc_; }                          // channel slope, m/m
    double Q() const { return Q_; }  // design flow, L/s

    // Uniform-flow depth (m) of this channel's section type for the flow Q (m³/s), roughness n, channel
    // slope Sc and, for the triangle, the field slope St: the trapezoid by Newton from 1 m on the hydraulic
    // radius, the triangle in closed form, 0 for any other type. Arithmetic faults propagate (Z = 0,
    // Sc = 0); a trapezoid without a depth raises EDimensionamento.
    double AlturaEscoamento(double Q, double n, double Sc, double St) const;

    TReal nc;  // Manning roughness of the channel, s/m^(1/3)

protected:
    double Sc_ = 0.0;
    double Q_ = 0.0;
    std::int32_t Comprimento_ = 0;
};

struct TRoteamentoCanal {
    double Pico;  // outflow peak at the lower end, L/s
    long Passos;  // time steps taken before the outflow fell
};

class TCanalGradiente : public TCanalGradienteCustom {
public:
    // Kinematic-wave routing of the lateral inflow hidrograma (L/s per metre of channel vs. min) along
    // Comprimento m of this channel, on a field of infiltration rate VIB (mm/h, sets the time step) and
    // slope St, with channel slope Sc and roughness n. Faults of the section's coefficients propagate; any
    // later failure raises Exception "Ocorreu um erro em CalculaHidrogramaCanal.".
    // `refinamento` > 1 routes on MalhaCanalRefinada of the design's grid.
    TRoteamentoCanal CalculaHidrogramaCanal(std::uint16_t Comprimento, const THidrograma& hidrograma, double VIB,
                                            double St, double Sc, double n, int refinamento = 1) const;
    // The same routing, the same steps in the same order, carried past the first fall of the outflow: the
    // outlet hydrograph and the ledger. Faults as CalculaHidrogramaCanal; a routing that does not drain
    // within a week of simulated time after the inflow raises EDimensionamento with its own message.
    THidrogramaCanal HidrogramaCanal(std::uint16_t Comprimento, const THidrograma& hidrograma, double VIB, double St,
                                     double Sc, double n) const;

    TEncostaCinematica Encosta;  // the field strip that drains into the channel
    THidrograma Hidrograma;      // the strip's outflow, held only while a sizing runs
};

struct TDimensionamento {
    double Q = 0;  // design flow, L/s
    double H = 0;  // its uniform-flow depth, m
};

// The partial-flooding flow as the sizing computes it.
struct TVazaoComInundacao {
    double Excesso;  // rainfall excess of the field, mm (a rounding residue below 0 taken as 0)
    double Volume;   // that excess on the strip Comprimento × EH, m³: the water each drain removes
    double Vazao;    // the flow that removes it within TD, m³/s
};

class TCanalDrenagem : public TCanalGradiente {
public:
    TCanalDrenagem() = default;
    void Limpar();
    bool LerArquivo(const std::string& nomeArquivo);
    bool EscreverArquivo(const std::string& nomeArquivo) const;

    void SetEH(double valor);  // negative → 0
    void SetEV(double valor);  // negative → 0
    void SetTD(double valor);  // negative → 0
    double EH() const { return EH_; }  // horizontal spacing between drains (strip width), m
    double EV() const { return EV_; }  // vertical spacing between drains, m
    double TD() const { return TD_; }  // drainage time, h

    // The material of the drain's bed, for the hydraulic checks (uVerificacao.h); its own section
    // [Verificacao] follows [CanalDrenagem] in a project file.
    TMaterialCanal Material;

    // The design run: H and Q of the sizing for the system type; types 0 and 1 are not designed. H is 0
    // and Q as it was when the sizing fails.
    void Dimensionar(const TTerreno& terreno, const TPrecipitacao& precipitacao, const TTipoSistema& sistema);

    // No partial flooding: the outflow hydrograph of the hillslope of length EH (m) built from the field,
    // routed along Comprimento m of channel of slope Sc and roughness n. Any failure raises EDimensionamento.
    TDimensionamento DimensionarSemInundacao(const TTerreno& terreno, const TPrecipitacao& precipitacao, double EH,
                                             double Sc, double n, std::int32_t Comprimento);
    // The hillslope of the strip EH (m) wide from the field's cover, roughness value, VIB and slope, as
    // DimensionarSemInundacao builds it into Encosta; EDimensionamento for a field without slope.
    void PrepararEncosta(const TTerreno& terreno, double EH);
    // Partial flooding: the sizing's rainfall excess, volume and flow. The storm's faults propagate.
    TVazaoComInundacao VazaoComInundacao(const TTerreno& terreno, const TPrecipitacao& precipitacao) const;
    // The same routing and depth for a hillslope hydrograph the caller already has.
    TDimensionamento DimensionarHidrograma(const THidrograma& hidrograma, const TTerreno& terreno, double Sc, double n,
                                           std::int32_t Comprimento) const;

private:
    // The inputs of a sizing, for the diagnosis of its failure.
    TEntradasDimensionamento Entradas(const TTerreno& terreno, const TPrecipitacao* precipitacao, std::uint8_t sistema,
                                      double EH, double Sc, double n, std::int32_t Comprimento) const;
    // Partial flooding: the rainfall excess on the strip, removed within TD, and its uniform-flow depth.
    TDimensionamento DimensionarComInundacao(const TTerreno& terreno, const TPrecipitacao& precipitacao) const;

    double EH_ = 0.0;
    double EV_ = 0.0;
    double TD_ = 0.0;
};

}  // namespace talvek
