// Design storm from the local intensity–duration–frequency equation i = K · Tr^A / (t + B)^C.
// Units: time and durations in minutes from the start of the storm, intensities in mm/h, depths in mm,
// the return period Tr in years.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Progresso.h"

namespace talvek {

// Abstract design storm: the rainfall quantities that the field surface and the hillslope need.
class TPrecipitacao {
public:
    TPrecipitacao() = default;
    explicit TPrecipitacao(const std::string& identificador) : Identificador(identificador) {}
    virtual ~TPrecipitacao() = default;

    virtual void DefinirIdentificador(const std::string& identificador);
    virtual void Limpar();  // Duracao and PrecipitacaoTotal to 0

    // The storm's sections of a project file (uPrecipitacaoArquivo.cpp). LerArquivo clears the storm first,
    // converts a file of the earlier layout on disk, and returns false when its section's version is not
    // known or reading fails; EscreverArquivo returns false when writing fails.
    virtual bool LerArquivo(const std::string& nomeArquivo);
    virtual bool EscreverArquivo(const std::string& nomeArquivo);

    virtual void TracarIntensidade(ISerieGrafico& serie) const = 0;  // instantaneous intensity, mm/h vs. min
    virtual double IntensidadeInstantanea(double t) const = 0;       // mm/h at minute t
    virtual double IntensidadeMedia(double t) const = 0;             // mm/h of a storm lasting t min
    virtual double TempoIntensidade(double i) const = 0;             // minute at which the intensity falls to i
    virtual double DuracaoLamina(double P) const = 0;                // minutes until P mm have fallen
    virtual double Lamina(double t) const = 0;                       // mm fallen from minute 0 to t
    virtual double LaminaIntervalo(double t1, double t2) const = 0;  // mm fallen between t1 and t2

    // Newton steps of the last inverse computation (TempoIntensidade, DuracaoLamina); 200 marks a failed
    // Newton phase.
    std::int32_t Iteracoes() const { return Iteracoes_; }

    std::string Identificador;       // suffix of the storm's sections in a project file
    double Duracao = 0.0;            // storm duration, min; 0 when not given
    double PrecipitacaoTotal = 0.0;  // total storm depth, mm; 0 when not given

protected:
    mutable std::int32_t Iteracoes_ = 0;
};

// The IDF equation with a negative exponent on the duration.
class TPrecipitacaoExponencialNegativa : public TPrecipitacao {
public:
    using TPrecipitacao::TPrecipitacao;

    void Limpar() override;  // also Tr, K, A, B, C to 0 and Numerador to −1
    bool LerArquivo(const std::string& nomeArquivo) override;       // also Tr, K, A, B, C, without checks
    bool EscreverArquivo(const std::string& nomeArquivo) override;

    void TracarIntensidade(ISerieGrafico& serie) const override;
    double IntensidadeInstantanea(double t) const override;
    double IntensidadeMedia(double t) const override;
    double TempoIntensidade(double i) const override;
    double DuracaoLamina(double P) const override;
    double Lamina(double t) const override;
    double LaminaIntervalo(double t1, double t2) const override;

    // Setters refuse negative values with a message and leave the field unchanged; zero is accepted.
    void SetTr(double valor);
    void SetK(double valor);
    void SetA(double valor);
    void SetB(double valor);
    void SetC(double valor);
    // Raises the setters' message for the first negative parameter: values read from a file skip the setters.
    void VerificarParametros() const;

    double Numerador() const { return Numerador_; }  // K · Tr^A, or −1 while one of them is not positive
    double Tr() const { return Tr_; }                // return period, years
    double K() const { return K_; }
    double A() const { return A_; }                  // exponent of the return period
    double B() const { return B_; }                  // time offset, min
    double C() const { return C_; }                  // exponent of the duration

private:
    void AtualizarNumerador();

    double Numerador_ = -1.0;
    double Tr_ = 0.0;
    double K_ = 0.0;
    double A_ = 0.0;
    double B_ = 0.0;
    double C_ = 0.0;
};

}  // namespace talvek
