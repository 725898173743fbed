// Number reading and writing: random texts read under both decimal separators, random values written in
// the general format and by pictures.
// Invariants:
// - a text read as a number gives a finite value;
// - the two separators are symmetric: a text read under "." means what the text with "." and ","
//   exchanged means under ",", and reading stored values with either separator agrees with both;
// - the general format reads back to the same 15 significant digits (values up to 1E300);
// - a picture's text reads back within half a unit of its last decimal place.
#include <cmath>
#include <optional>
#include <string>

#include "ComumFuzz.h"
#include "platform/Numeros.h"
#include "platform/Regional.h"

using namespace talvek;
using namespace talvek::fuzz;

namespace {

ConfiguracaoRegional ComSeparador(char decimal) {
    ConfiguracaoRegional c;
    c.SeparadorDecimal = decimal;
    c.SeparadorMilhar = decimal == ',' ? '.' : ',';
    return c;
}

std::optional<double> LerSob(char separador, const std::string& texto) {
    const RegionalTemporario emVigor(ComSeparador(separador));
    return LerNumero(texto);
}

std::string TrocarSeparadores(std::string texto) {
    for (char& c : texto) c = c == '.' ? ',' : c == ',' ? '.' : c;
    return texto;
}

std::string Texto(const std::optional<double>& valor) { return valor ? FormatarGeral(*valor) : "(nenhum)"; }

void ConferirLeitura(const std::string& texto) {
    const std::optional<double> ponto = LerSob('.', texto);
    const std::optional<double> virgula = LerSob(',', TrocarSeparadores(texto));
    if (ponto) Exigir(std::isfinite(*ponto), "um número lido é finito", Visivel(texto));
    Exigir(ponto == virgula || (ponto && virgula && std::isnan(*ponto) && std::isnan(*virgula)),
           "os dois separadores decimais são simétricos", Visivel(texto) + ": " + Texto(ponto) + " / " + Texto(virgula));

    const std::optional<double> qualquer = LerNumeroQualquerSeparador(texto);
    if (texto.find(',') == std::string::npos)
        Exigir(qualquer == ponto, "ler com qualquer separador concorda com \".\"", Visivel(texto));
    if (texto.find('.') == std::string::npos)
        Exigir(qualquer == LerSob(',', texto), "ler com qualquer separador concorda com \",\"", Visivel(texto));
}

void ConferirGeral(char separador, double valor) {
    if (!std::isfinite(valor) || std::fabs(valor) > 1e300) return;
    const RegionalTemporario emVigor(ComSeparador(separador));
    const std::string escrito = FormatarGeral(valor);
    const std::optional<double> lido = LerNumero(escrito);
    Exigir(lido.has_value(), "o formato geral é lido de volta", escrito);
    Exigir(FormatarGeral(*lido) == escrito, "o formato geral guarda 15 algarismos", escrito + " -> " + Texto(lido));
}

// A picture like the program's: an optional leading blank, integer digits, optionally decimals.
std::string Picture(FuzzedDataProvider& dados, int& decimais) {
    std::string picture = dados.ConsumeBool() ? " " : "";
    const int inteiros = dados.ConsumeIntegralInRange(1, 4);
    for (int i = 0; i < inteiros; ++i) picture += i == inteiros - 1 || dados.ConsumeBool() ? '0' : '#';
    decimais = dados.ConsumeIntegralInRange(0, 8);
    if (decimais > 0) picture += '.';
    for (int i = 0; i < decimais; ++i) picture += dados.ConsumeBool() ? '0' : '#';
    return picture;
}

void ConferirPicture(FuzzedDataProvider& dados, char separador, double valor) {
    int decimais = 0;
    const std::string picture = Picture(dados, decimais);
    const RegionalTemporario emVigor(ComSeparador(separador));
    const std::string texto = FormatarFloat(picture, valor);
    if (!std::isfinite(valor) || std::fabs(valor) > 1e300) return;
    const std::optional<double> lido = LerNumero(texto);
    Exigir(lido.has_value(), "o texto de uma picture é um número", picture + ": " + texto);
    const double tolerancia = 0.5 * std::pow(10.0, -decimais) * (1 + 1e-9) + std::fabs(valor) * 1e-14;
    Exigir(std::fabs(*lido - valor) <= tolerancia, "uma picture arredonda à sua última casa",
           picture + " " + FormatarGeral(valor) + " -> " + texto);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider dados(data, size);
    const char separador = dados.ConsumeBool() ? ',' : '.';
    const double valor = dados.ConsumeBool() ? dados.ConsumeFloatingPoint<double>()
                                             : dados.ConsumeIntegral<int>() / std::pow(10.0, dados.ConsumeIntegralInRange(0, 9));
    ConferirGeral(separador, valor);
    ConferirPicture(dados, separador, valor);
    ConferirLeitura(dados.ConsumeRemainingBytesAsString());
    return 0;
}
