// The rainfall parameter database: the state table, the station and locality records of the two
// binary files "Estados_Nim21.bin" and "Localidades_Nim21.bin", their reader, and the inverse-distance
// interpolation of the IDF parameters K, a, b, c of i = K·Tr^a / (t + b)^c (i in mm/h, Tr in years,
// t in minutes) over the stations of eight states.
//
// Coordinates are latitudes south and longitudes west, without sign. In memory they are 9-character
// texts "DD°MM'SS\"" (UTF-8, like every text of the program); in the files they are Windows-1252.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Excecoes.h"

namespace talvek {

// ---- The state table -------------------------------------------------------------------------

inline constexpr int kNumeroEstados = 27;

struct TEntradaEstado {
    const char* Nome;    // display name, "São Paulo"
    const char* Sigla;   // two letters; also names the state map file ("SP" → "SP.bmp")
    bool Interpolacao;   // its stations take part in Interpolar
    bool Mapa;           // has a state map
};

// Index 0 (Acre) to 26 (Tocantins): the state number of files, lists and project files.
extern const std::array<TEntradaEstado, kNumeroEstados> kEstados;

// ---- Exceptions ------------------------------------------------------------------------------

// A database or map file is missing; the message names the full path as built.
class EArquivoNaoExiste : public Exception {
public:
    using Exception::Exception;
};

// A state index outside 0–26.
class ENumeroEstado : public Exception {
public:
    using Exception::Exception;
};

// A database file that is shorter than its counts announce or otherwise malformed.
class EArquivoInvalido : public Exception {
public:
    using Exception::Exception;
};

// ---- Records ---------------------------------------------------------------------------------

// One rain gauge with its IDF parameters.
struct TEstacao {
    std::string Nome;       // at most 68 characters
    double K = 0;           // mm/h · min^c / year^a
    double A = 0;           // exponent of the return period (-)
    double B = 0;           // time offset (min)
    double C = 0;           // exponent of the duration (-)
    std::string Autor;      // citation key (at most 30 characters); "Interpolação" when interpolated
    std::string Latitude;   // coordinate text, degrees south
    std::string Longitude;  // coordinate text, degrees west

    bool operator==(const TEstacao&) const = default;
};

// One town with its position.
struct TLocalidade {
    std::string Nome;       // at most 68 characters
    std::string Latitude;   // coordinate text, degrees south
    std::string Longitude;  // coordinate text, degrees west

    bool operator==(const TLocalidade&) const = default;
};

// Binary layout of the files: a leading byte, then for each state 0–26 a little-endian uint16 count
// N and N packed records. Texts are one length byte and a fixed capacity of Windows-1252 bytes.
namespace formato_bd {
inline constexpr std::size_t kCapacidadeNome = 68;
inline constexpr std::size_t kCapacidadeAutor = 30;
inline constexpr std::size_t kCapacidadeCoordenada = 9;
inline constexpr std::size_t kTamanhoEstacao = 152;     // bytes
inline constexpr std::size_t kTamanhoLocalidade = 89;   // bytes
inline constexpr std::size_t kMaximoPorEstado = 65535;  // records of one state
inline constexpr const char* kArquivoEstacoes = "Estados_Nim21.bin";
inline constexpr const char* kArquivoLocalidades = "Localidades_Nim21.bin";
}  // namespace formato_bd

// ---- Names and coordinates -------------------------------------------------------------------

// Order of names in the files and in the query lists: case and accents folded, then byte order.
bool NomeAntes(const std::string& a, const std::string& b);

// Coordinate text → decimal degrees, DD + (MM + SS/60)/60 from the characters at positions 1–2, 4–5
// and 7–8 (blanks around the digits accepted). Exception when a part is not a number.
double CoordenadaParaGraus(const std::string& texto);

// Decimal degrees (≥ 0) → coordinate text with whole degrees, minutes and truncated seconds
// (20.5 → "20°30'00\"").
std::string TextoCoordenada(double graus);

// The shared data folder "<folder of the executable>/../Arquivos Comuns/" (with its ".." step),
// from the executable's path.
std::string PastaDadosCompartilhada(const std::string& caminhoExecutavel);

// ---- State index holder ----------------------------------------------------------------------

class TEstado {
public:
    int16_t Indice() const { return indice_; }
    // ENumeroEstado for an index outside 0–26; the index then stays as it was.
    void SetIndice(int indice);
    std::string Nome() const;

private:
    int16_t indice_ = 0;
};

// ENumeroEstado unless 0 ≤ indice ≤ 26.
void VerificarIndiceEstado(int indice);

// ---- The database ----------------------------------------------------------------------------

// One station's weight in an interpolation: 1/d⁵, d the distance in plain degrees (extended precision).
struct TPesoEstacao {
    const TEstacao* Estacao;  // a station of the database that computed the weights
    int Estado;               // its state index
    long double Peso;
};

// The weights of the inverse-distance interpolation at a point, in the order the stations are visited;
// or, when a station stands exactly at the point, that station alone (`Exata`) and no weights.
struct TPonderacao {
    const TEstacao* Exata = nullptr;
    int EstadoExata = -1;
    std::vector<TPesoEstacao> Pesos;
    long double SomaPesos = 0;
};

class TBDPrecipitacao {
public:
    // `pastaDados`: the folder of the two files, ending with a separator (see PastaDadosCompartilhada).
    explicit TBDPrecipitacao(std::string pastaDados);

    // Reads the whole stations file. EArquivoNaoExiste / EArquivoInvalido leave the stations as they were.
    void LerEstacoes();
    // Replaces the localities with those of one state. Same failures as LerEstacoes, and ENumeroEstado.
    void LerLocalidades(int estado);
    void LimparLocalidades() { localidades_.clear(); }

    // The stations of a state in file order (empty before LerEstacoes); ENumeroEstado for a bad index.
    const std::vector<TEstacao>& Estacoes(int estado) const;
    // The localities of the state last read.
    const std::vector<TLocalidade>& Localidades() const { return localidades_; }

    // IDF parameters at a point: the record of a station standing exactly there, or the weighted mean
    // (weights 1/d⁵, d in plain degrees) over the stations of the interpolation set.
    TEstacao Interpolar(const std::string& latitude, const std::string& longitude) const;
    // The station standing at the point, or the weights that Interpolar averages with.
    TPonderacao Ponderar(const std::string& latitude, const std::string& longitude) const;

    std::string CaminhoEstacoes() const;
    std::string CaminhoLocalidades() const;

private:
    std::string pasta_;
    std::array<std::vector<TEstacao>, kNumeroEstados> estacoes_;
    std::vector<TLocalidade> localidades_;
};

}  // namespace talvek
