#include "design/uVerificacao.h"

#include <limits>

#include "platform/Numeros.h"

namespace talvek {

namespace {

constexpr double kNaoDefinido = std::numeric_limits<double>::quiet_NaN();

std::string Numero(const char* formato, double valor) { return FormatarFloat(formato, valor); }

}  // namespace

std::vector<TAvisoVerificacao> Veredito(const THidraulica& h, const TMaterialCanal& material) {
    std::vector<TAvisoVerificacao> avisos;
    if (!material.Escolhido()) return avisos;
    const std::string nome = material.Descricao();
    if (h.V > material.Vadm)
        avisos.push_back({"Risco de erosão: V = " + Numero("0.00", h.V) + " m/s acima do limite de " +
                              Numero("0.00#", material.Vadm) + " m/s para " + nome + ".",
                          true});
    const double tauAdm = material.TauAdm();
    if (tauAdm > 0 && h.Tau > tauAdm)
        avisos.push_back({"Risco de erosão: τ = " + Numero("0.00", h.Tau) + " Pa acima do limite de " +
                              Numero("0.00", tauAdm) + " Pa para " + nome + ".",
                          true});
    if (h.Froude > kFroudeInstavel)
        avisos.push_back(
            {"Escoamento próximo do regime crítico (F = " + Numero("0.00", h.Froude) + "): superfície instável.",
             true});
    // A dry drain (no runoff) carries no sediment to settle.
    if (material.TerraNua() && h.V > 0 && h.V < kVelocidadeSedimentacao)
        avisos.push_back({"Velocidade baixa (V = " + Numero("0.00", h.V) + " m/s, abaixo de " +
                              Numero("0.0", kVelocidadeSedimentacao) +
                              " m/s): os sedimentos podem se depositar no canal.",
                          false});
    return avisos;
}

TVerificacao VerificarCanal(const TCanalDrenagem& canal, double St) {
    TVerificacao v;
    v.Hidraulica = HidraulicaNaAltura(canal, St, canal.Q() / 1000, canal.Sc(), canal.H());
    v.Terraplenagem = Terraplenagem(canal, St);
    v.Material = canal.Material;
    const bool escolhido = canal.Material.Escolhido();
    v.Vadm = escolhido ? canal.Material.Vadm : kNaoDefinido;
    v.TauAdm = escolhido && canal.Material.TauAdm() > 0 ? canal.Material.TauAdm() : kNaoDefinido;
    v.Avisos = Veredito(v.Hidraulica, canal.Material);
    v.Atendida = escolhido;
    for (const TAvisoVerificacao& aviso : v.Avisos)
        if (aviso.Alerta) v.Atendida = false;
    return v;
}

std::string TextoAtendida(const TVerificacao& v) {
    if (!v.Atendida) return "";
    return v.Material.TauAdm() > 0
               ? "Canal estável: velocidade, tensão de arraste e número de Froude dentro dos limites."
               : "Canal estável: velocidade e número de Froude dentro dos limites.";
}

}  // namespace talvek
