// The drain being designed and the design run. Units inside the model: lengths and depths in m, slopes
// in m/m (rise over run), Manning roughness in s/m^(1/3), flows in m³/s during a computation and L/s
// once a run has finished, the drainage time in h, the recommended height in cm.
#pragma once

#include <cstdint>
#include <string>

#include "model/uTerreno.h"
#include "platform/Excecoes.h"

namespace talvek {

class TPrecipitacao;

// A sizing that failed, whatever the cause.
class EDimensionamento : public Exception {
public:
    EDimensionamento();
};

// Kind of drainage system; this program designs types 2 and 3.
class TTipoSistema {
public:
    std::uint8_t Tipo = 0;
    std::string Texto() const;
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

// Uniform-flow depth (m) of a trapezoid of base B (m) and inverse face slope Z for the flow Q (m³/s),
// roughness n and slope Sc: Newton from `inicio` (m) on F(y) = Q·n·P^(2/3) − √Sc·A^(5/3), with
// A = y·(B + Z·y) and P = B + 2·y·√(1 + Z²), until a step is below 1e-7 m. Every iterate is written to H;
// returns the number of steps. Arithmetic faults propagate; a section without a depth (B = 0 and Z = 0)
// raises EDimensionamento after 1000 steps.
int ProfundidadeTrapezoidal(double& H, double Q, double n, double Sc, double B, double Z, double inicio);

// Uniform-flow depth (m) of the triangle formed by the field (slope St) and the ridge wall (slope Sm),
// closed form of Manning's equation with A = kA·y², P = kP·y, kA = (1/St + 1/Sm)/2 and
// kP = √(1 + 1/St²) + √(1 + 1/Sm²).
double ProfundidadeTriangular(double Q, double n, double Sc, double St, double Sm);

// Recommended height of the real section, cm: √CDu · H (cm) + 10 cm of freeboard; H in m.
double AlturaRecomendada(double H, double CDu);

class TCanal {
public:
    TCanal();
    virtual ~TCanal() = default;
    void Limpar();

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

    void SetComprimento(std::int32_t valor);  // negative → 0
    void SetSc(double valor);                 // stored as given
    void SetQ(double valor);                  // negative → 0
    std::int32_t Comprimento() const { return Comprimento_; }  // channel length, whole m
    double Sc() const { return Sc_; }                          // channel slope, m/m
    double Q() const { return Q_; }  // design flow: m³/s during a run, L/s after it

    TReal nc;  // Manning roughness of the channel, s/m^(1/3)

protected:
    double Sc_ = 0.0;
    double Q_ = 0.0;
    std::int32_t Comprimento_ = 0;
};

class TCanalGradiente : public TCanalGradienteCustom {};

class TCanalDrenagem : public TCanalGradiente {
public:
    TCanalDrenagem() = default;
    void Limpar();

    void SetEH(double valor);  // negative → 0
    void SetEV(double valor);  // negative → 0
    void SetTD(double valor);  // negative → 0
    double EH() const { return EH_; }  // horizontal spacing between drains (strip width), m
    double EV() const { return EV_; }  // vertical spacing between drains, m
    double TD() const { return TD_; }  // drainage time, h

    // The design run: H in m and Q in L/s for the system type; types 0 and 1 are not designed.
    void Dimensionar(const TTerreno& terreno, TPrecipitacao& precipitacao, const TTipoSistema& sistema);

    // Partial flooding: the rainfall excess on the strip, removed within TD, and its uniform-flow depth.
    void DimensionarComInundacao(double& H, double& Q, const TTerreno& terreno, TPrecipitacao& precipitacao,
                                 double EH, double Sc, double n, std::int32_t Comprimento);

private:
    double EH_ = 0.0;
    double EV_ = 0.0;
    double TD_ = 0.0;
};

}  // namespace talvek
