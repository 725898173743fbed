#include "design/uAvisos.h"

#include <limits>

#include "design/uCanal.h"
#include "model/uEncostaCinematica.h"
#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"
#include "platform/Excecoes.h"
#include "platform/Numeros.h"

namespace talvek {

namespace {

constexpr const char* kChuvaNaoSuperaVIB = "Não há escoamento: a intensidade da chuva não supera a VIB.";
constexpr const char* kAbstracaoNaoSatisfeita =
    "Não há escoamento: a abstração inicial não é satisfeita antes do fim da chuva efetiva.";

constexpr double kSemLimite = std::numeric_limits<double>::quiet_NaN();

// The usual range of an input in field practice; a bound of kSemLimite is open.
struct TFaixaUsual {
    const char* nome;
    const char* unidade;  // with its leading blank, or empty
    double minimo;
    double maximo;
};

// The ranges, from the design literature of surface drainage and from the inputs the program's own tables
// offer:
// - Manning's n of earth drains runs from about 0.01 (smooth, bare) to 0.20 (dense weeds, brush), the
//   span of the channel-roughness table; overland flow on a field runs from 0.01 (smooth bare soil) to
//   0.80 (dense grass, litter), that of the terrain-roughness table.
// - Field drains are small earth channels: a base beyond 10 m or side faces flatter than 10:1 are canals
//   or reshaped land, not field drains.
// - Surface drainage is laid out on farmland: channel and terrain slopes above 0.30 m/m (30 %) are not
//   cropped or drained this way.
// - A basic infiltration rate above 300 mm/h is gravel, not soil.
// - IDF equations are fitted to a few decades of records: return periods above 500 years extrapolate far
//   beyond them; drainage designs use 2 to 50 years.
// - A drain shorter than 10 m or drains closer than 2 m are no drained field.
constexpr TFaixaUsual kRugosidadeCanal{"Rugosidade do canal", "", 0.01, 0.20};
constexpr TFaixaUsual kRugosidadeTerreno{"Rugosidade do terreno", "", 0.01, 0.80};
constexpr TFaixaUsual kBase{"Base do canal", " m", kSemLimite, 10};
constexpr TFaixaUsual kZ{"Inverso da declividade das faces laterais (Z)", "", kSemLimite, 10};
constexpr TFaixaUsual kDeclividadeCanal{"Declividade do canal", " m/m", kSemLimite, 0.30};
constexpr TFaixaUsual kDeclividadeTerreno{"Declividade do terreno", " m/m", kSemLimite, 0.30};
constexpr TFaixaUsual kVIB{"VIB", " mm/h", kSemLimite, 300};
constexpr TFaixaUsual kTr{"Período de retorno", " anos", kSemLimite, 500};
constexpr TFaixaUsual kComprimento{"Comprimento do canal", " m", 10, kSemLimite};
constexpr TFaixaUsual kEspacamento{"Espaçamento horizontal", " m", 2, kSemLimite};

void Verificar(const TFaixaUsual& faixa, double valor, std::vector<std::string>& avisos) {
    const bool abaixo = valor < faixa.minimo;  // false against an open bound
    const bool acima = valor > faixa.maximo;
    if (!abaixo && !acima) return;
    std::string usual;
    if (faixa.minimo == faixa.minimo && faixa.maximo == faixa.maximo)
        usual = "fora da faixa usual, de " + FormatarGeral(faixa.minimo) + " a " + FormatarGeral(faixa.maximo);
    else if (acima)
        usual = "acima do usual, até " + FormatarGeral(faixa.maximo);
    else
        usual = "abaixo do usual, a partir de " + FormatarGeral(faixa.minimo);
    avisos.push_back(std::string(faixa.nome) + " = " + FormatarGeral(valor) + faixa.unidade + ": " + usual +
                     faixa.unidade + ".");
}

}  // namespace

std::optional<std::string> MotivoSemEscoamento(const TTerreno& terreno, const TPrecipitacaoExponencialNegativa& chuva,
                                               const TTipoSistema& sistema) {
    try {
        // The storm's intensity is highest at its start.
        const bool chuvaNaoSupera = IntensidadeInicial(chuva) < terreno.VIB();
        if (sistema.Tipo == 2) {
            if (terreno.PrecipitacaoEfetiva(chuva) > 0) return std::nullopt;
            return chuvaNaoSupera ? kChuvaNaoSuperaVIB : kAbstracaoNaoSatisfeita;
        }
        // As the hillslope decides it.
        if (chuvaNaoSupera) return kChuvaNaoSuperaVIB;
        if (terreno.TempoAbstracao(chuva) > TempoFinalEscoamento(chuva, terreno.VIB())) return kAbstracaoNaoSatisfeita;
    } catch (const Exception&) {
        // A storm the model cannot evaluate has no reason to give; its sizing reports it.
    }
    return std::nullopt;
}

std::vector<std::string> AvisosDimensionamento(const TCanalDrenagem& canal, const TTerreno& terreno,
                                               const TPrecipitacaoExponencialNegativa& chuva,
                                               const TTipoSistema& sistema) {
    std::vector<std::string> avisos;
    if (canal.Q() == 0)
        if (const std::optional<std::string> motivo = MotivoSemEscoamento(terreno, chuva, sistema))
            avisos.push_back(*motivo);
    Verificar(kTr, chuva.Tr(), avisos);
    Verificar(kDeclividadeCanal, canal.Sc(), avisos);
    Verificar(kComprimento, canal.Comprimento(), avisos);
    Verificar(kRugosidadeCanal, canal.nc.Valor, avisos);
    if (canal.TipoCanal.Tipo == TTipoCanal::Trapezoidal) {
        Verificar(kZ, canal.Z.Valor, avisos);
        Verificar(kBase, canal.B(), avisos);
    }
    if (sistema.Tipo != 2) Verificar(kRugosidadeTerreno, terreno.nt.Valor, avisos);
    Verificar(kDeclividadeTerreno, terreno.St(), avisos);
    Verificar(kEspacamento, canal.EH(), avisos);
    Verificar(kVIB, terreno.VIB(), avisos);
    return avisos;
}

}  // namespace talvek
