// The field surface that drains into the channels: basic infiltration rate, slope, Manning roughness and
// vegetation cover, with the curve-number initial abstraction and the rainfall excess of a design storm.
// Units: VIB in mm/h, slope in m/m, roughness in s/m^(1/3), depths in mm, times in minutes.
#pragma once

#include <cstdint>
#include <string>

namespace talvek {

class TPrecipitacao;

// A value taken from a reference table, with the table row it came from.
struct TReal {
    double Valor = 0.0;
    std::int8_t Indice = 0;  // row of the reference table; the "typed value" mark depends on the table

    void Atribuir(const TReal& origem) { *this = origem; }
};

// A selector: an index into a constant table of texts.
class TSeletor {
public:
    std::uint8_t Indice = 0;

    void Limpar() { Indice = 0; }
    void Atribuir(const TSeletor& origem) { Indice = origem.Indice; }
};

class TUsoTerra : public TSeletor {  // land use
public:
    std::string Texto() const;
};

class TTratamento : public TSeletor {  // treatment or conservation practice; 0 = none
public:
    std::string Texto() const;
};

class TCondicaoHidrologica : public TSeletor {  // hydrologic condition; 0 = none
public:
    std::string Texto() const;
};

// Vegetation cover: land use, treatment and hydrologic condition, which select the curve number.
class TCobertura {
public:
    void Atribuir(const TCobertura& origem);
    void Limpar();

    // Its section of a project file (uTerrenoArquivo.cpp). LerArquivo returns false for another version or
    // an index out of range (land use 0–5, condition and treatment 0–3, read in that order; those read before
    // a bad one keep their new values). File errors propagate.
    bool LerArquivo(const std::string& nomeArquivo);
    bool EscreverArquivo(const std::string& nomeArquivo) const;

    std::string Identificador;  // suffix of its section in a project file
    TUsoTerra UsoTerra;
    TTratamento Tratamento;
    TCondicaoHidrologica CondicaoHidrologica;
};

class TTerreno {
public:
    virtual ~TTerreno() = default;

    virtual void Atribuir(const TTerreno& origem);  // all but the identifier
    void Limpar();

    // Its section and its cover's in a project file (uTerrenoArquivo.cpp). LerArquivo returns false for
    // another version, a cover that fails or a negative roughness row. File errors propagate.
    bool LerArquivo(const std::string& nomeArquivo);
    bool EscreverArquivo(const std::string& nomeArquivo) const;

    void SetVIB(double valor);  // mm/h; a negative value stores 0
    void SetSt(double valor);   // m/m, stored as given
    double VIB() const { return VIB_; }
    double St() const { return St_; }

    int CurvaNumero() const;  // CN of the cover and the VIB column; 0 when the table has no row
    double AbstracaoInicial() const;                                      // Ia = 0.2 · S, mm
    double TempoAbstracao(const TPrecipitacao& precipitacao) const;       // min until the storm has filled Ia
    double PrecipitacaoEfetiva(const TPrecipitacao& precipitacao) const;  // rainfall excess, mm (not clamped)

    std::string Identificador;  // suffix of its section in a project file
    TCobertura Cobertura;
    TReal nt;  // Manning roughness of the surface, s/m^(1/3)

private:
    double VIB_ = 0.0;
    double St_ = 0.0;
};

}  // namespace talvek
