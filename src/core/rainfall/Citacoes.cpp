#include "rainfall/Citacoes.h"

#include <array>

namespace talvek {

namespace {

// Every shipped equation comes from one compilation; the key tells the operator of the gauge, which is
// all that the compilation says about each equation's origin.
constexpr const char* kCompilador = "Marcus N. Gomes Jr. (compilação GRIDF-BR)";
constexpr const char* kPublicacao =
    "GRIDF-BR, arquivo Existing_IDFs/IDF_metrics_by_station.csv (repositório marcusnobrega-eng/GRIDF), "
    "licença MIT declarada pelo autor. A compilação não indica a publicação original de cada equação.";

constexpr std::array<TCitacao, 8> kCitacoes = {{
    {"ANA", kCompilador,
     "Equações IDF publicadas para postos pluviográficos operados pela Agência Nacional de Águas (ANA)",
     kPublicacao, false},
    {"INMET", kCompilador,
     "Equações IDF publicadas para estações do Instituto Nacional de Meteorologia (INMET)", kPublicacao, false},
    {"DAEE-SP", kCompilador,
     "Equações IDF publicadas para postos do Departamento de Águas e Energia Elétrica de São Paulo (DAEE-SP)",
     kPublicacao, false},
    {"Geo-Rio", kCompilador, "Equações IDF publicadas para pluviômetros da Geo-Rio (Rio de Janeiro)",
     kPublicacao, false},
    {"Alerta Rio", kCompilador, "Equação IDF publicada para um pluviômetro do sistema Alerta Rio",
     kPublicacao, false},
    {"SUDENE", kCompilador,
     "Equação IDF publicada para um posto da Superintendência do Desenvolvimento do Nordeste (SUDENE)",
     kPublicacao, false},
    {"Cindacta III", kCompilador, "Equação IDF publicada para uma estação do CINDACTA III", kPublicacao, false},
    {"GRIDF-BR", kCompilador, "Equações IDF publicadas para postos cujo operador a compilação não informa",
     kPublicacao, false},
}};

}  // namespace

std::span<const TCitacao> Citacoes() { return kCitacoes; }

std::optional<TCitacao> ProcurarCitacao(const std::string& chave) {
    for (const TCitacao& citacao : kCitacoes)
        if (chave == citacao.Chave) return citacao;
    return std::nullopt;
}

}  // namespace talvek
