#include "design/uCausaFalha.h"

#include <limits>
#include <optional>

#include "model/uPrecipitacao.h"
#include "platform/Numeros.h"

namespace talvek {

namespace {

std::optional<std::string> Positivo(const char* nome, double valor) {
    if (valor > 0) return std::nullopt;
    return std::string(nome) + " = " + FormatarGeral(valor) + ": deve ser maior que zero.";
}

}  // namespace

std::string CausaDaFalha(const TEntradasDimensionamento& e, const std::string& motivo) {
    const bool semInundacao = e.Sistema == 3;
    const bool triangular = e.TipoCanal == 1;
    const std::optional<std::string> condicoes[] = {
        e.Chuva ? Positivo("Período de retorno", e.Chuva->Tr()) : std::nullopt,
        e.Chuva ? Positivo("Parâmetro K", e.Chuva->K()) : std::nullopt,
        // b = 0 makes the storm's initial intensity infinite; c = 0 a storm that never falls to the VIB.
        e.Chuva && semInundacao ? Positivo("Parâmetro b", e.Chuva->B()) : std::nullopt,
        e.Chuva && semInundacao ? Positivo("Parâmetro c", e.Chuva->C()) : std::nullopt,
        Positivo("Declividade do canal", e.Sc),
        Positivo("Comprimento do canal", static_cast<double>(e.Comprimento)),
        // The routing's grid counts the channel's metres in 16 bits.
        semInundacao && e.Comprimento > std::numeric_limits<std::uint16_t>::max()
            ? std::optional<std::string>("Comprimento do canal = " + std::to_string(e.Comprimento) +
                                         " m: deve ser no máximo 65535 m.")
            : std::nullopt,
        Positivo("Rugosidade do canal", e.nc),
        // The routing's power law of the trapezoid divides by Z; the sizing only needs B or Z.
        triangular                   ? Positivo("Inclinação do murundum (Sm)", e.Sm)
        : semInundacao || !(e.B > 0) ? Positivo("Inclinação da parede do canal (Z)", e.Z)
                                     : std::nullopt,
        e.Sistema == 2 ? Positivo("Tempo de drenagem", e.TD) : Positivo("Rugosidade do terreno", e.nt),
        triangular || semInundacao ? Positivo("Declividade do terreno", e.St) : std::nullopt,
        Positivo("Espaçamento horizontal", e.EH),
    };
    for (const std::optional<std::string>& condicao : condicoes)
        if (condicao) return *condicao;
    return motivo;
}

}  // namespace talvek
