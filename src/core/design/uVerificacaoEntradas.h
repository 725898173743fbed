// The checks a design's inputs pass before a sizing runs, the same for the desktop program's "Calcular" and
// for talvek-calc: a required value missing (a field left empty), a value no field can hold (negative, as a
// file edited by hand may have it), a roughness that is not positive, a terrain slope of zero (the spacings
// cannot be given then), and the lengths beyond the program's limits. The first failing input is named
// with its field's message.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace talvek {

class TCanalDrenagem;
class TPrecipitacaoExponencialNegativa;
class TTerreno;
class TTipoSistema;

// Longest channel and widest spacing between drains the program designs, m. The channel's limit is the
// program's own; the spacing's keeps the hillslope grid (two nodes per metre) at 3000 nodes, so that a
// design takes well under a second and a whole simulation series a few seconds.
inline constexpr double kComprimentoMaximoCanal = 1500;
inline constexpr double kEspacamentoMaximo = 1500;
inline constexpr const char* kComprimentoExcedido = " O comprimento máximo permitido para o canal é de 1500 metros. ";
// The message of an empty K, which the IDF curves of the data page also give.
inline constexpr const char* kMensagemK = "Valor do parâmetro \"K\" inconsistente.";
inline constexpr const char* kEspacamentoExcedido = " O espaçamento horizontal máximo permitido é de 1500 metros. ";

// The inputs in the order of the data-entry page; ZSm is Z (trapezoid) or Sm (triangle), BaseSt the base B
// or the terrain slope St, Tempo the drainage time (with partial flooding).
enum class TCampoEntrada {
    Tr, K, A, B, C, Sc, Comprimento, nc, ZSm, BaseSt, Tempo, nt, St, EV, EH, VIB,
};
inline constexpr std::size_t kNumeroCamposEntrada = 16;

// The values in internal units (m/m, m, mm/h, h); an empty field holds none.
struct TEntradasProjeto {
    bool ComInundacao = false;  // system type 2: the drainage time is read, the terrain roughness is not
    bool Triangular = false;
    std::array<std::optional<double>, kNumeroCamposEntrada> Valores;

    std::optional<double>& operator[](TCampoEntrada campo) { return Valores[static_cast<std::size_t>(campo)]; }
    const std::optional<double>& operator[](TCampoEntrada campo) const {
        return Valores[static_cast<std::size_t>(campo)];
    }
};

struct TEntradaInvalida {
    TCampoEntrada Campo;
    std::string Mensagem;  // the field's message
    std::string Causa;     // a line that says more, or empty
};

// Every value of the model, as a project file gives them (a file holds numbers, never an empty field).
TEntradasProjeto EntradasDoModelo(const TCanalDrenagem& canal, const TTerreno& terreno,
                                  const TPrecipitacaoExponencialNegativa& chuva, const TTipoSistema& sistema);

// The first input that fails, in this order: the channel length and the spacing beyond their limits, then
// each field in the order of the page.
std::optional<TEntradaInvalida> PrimeiraEntradaInvalida(const TEntradasProjeto& entradas);

}  // namespace talvek
