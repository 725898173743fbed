#include "SaidaIdf.h"

#include <ostream>
#include <vector>

#include "ComandoProjeto.h"
#include "platform/Numeros.h"

namespace talvek::cli {

namespace {

std::string ListaJson(const std::vector<double>& valores) {
    std::string texto = "[";
    for (std::size_t i = 0; i < valores.size(); ++i) texto += (i ? "," : "") + NumeroJson(valores[i]);
    return texto + "]";
}

std::string MatrizJson(const std::vector<std::vector<double>>& linhas) {
    std::string texto = "[";
    for (std::size_t i = 0; i < linhas.size(); ++i) texto += (i ? "," : "") + ListaJson(linhas[i]);
    return texto + "]";
}

// A number right-aligned in a column of `largura` characters.
std::string Coluna(const std::string& texto, std::size_t largura) {
    return std::string(texto.size() < largura ? largura - texto.size() : 0, ' ') + texto;
}

void MostrarGrade(const char* titulo, const TTabelaIdf& tabela, const std::vector<std::vector<double>>& valores,
                  std::ostream& saida) {
    saida << titulo << "\nTr (anos) \\ t (min)";
    for (const double t : tabela.DuracoesMin) saida << Coluna(FormatarGeral(t), 9);
    saida << '\n';
    for (std::size_t i = 0; i < tabela.TrAnos.size(); ++i) {
        saida << Coluna(FormatarGeral(tabela.TrAnos[i]), 19);
        for (const double v : valores[i]) saida << Coluna(FormatarFloat("0.0", v), 9);
        saida << '\n';
    }
}

}  // namespace

std::string JsonEvidencia(const TEvidenciaChuva& evidencia) {
    std::string texto = "\"estacoes\":[";
    for (std::size_t i = 0; i < evidencia.Estacoes.size(); ++i) {
        const TEstacaoContribuinte& e = evidencia.Estacoes[i];
        texto += std::string(i ? "," : "") + "{\"Nome\":" + TextoJson(e.Nome) + ",\"Estado\":" + TextoJson(e.Estado) +
                 ",\"Latitude\":" + TextoJson(e.Latitude) + ",\"Longitude\":" + TextoJson(e.Longitude) +
                 ",\"DistanciaKm\":" + NumeroJson(e.DistanciaKm) + ",\"Peso\":" + NumeroJson(e.Peso) +
                 ",\"K\":" + NumeroJson(e.K) + ",\"a\":" + NumeroJson(e.A) + ",\"b\":" + NumeroJson(e.B) +
                 ",\"c\":" + NumeroJson(e.C) + "}";
    }
    texto += "],\"avisos\":[";
    for (std::size_t i = 0; i < evidencia.Avisos.size(); ++i) texto += (i ? "," : "") + TextoJson(evidencia.Avisos[i]);
    return texto + "]";
}

std::string JsonTabela(const TTabelaIdf& tabela) {
    return "\"tabela\":{\"duracoes_min\":" + ListaJson(tabela.DuracoesMin) + ",\"Tr\":" + ListaJson(tabela.TrAnos) +
           ",\"intensidades_mm_h\":" + MatrizJson(tabela.IntensidadesMmH) +
           ",\"laminas_mm\":" + MatrizJson(tabela.LaminasMm) + "}";
}

void MostrarAvisos(const TEvidenciaChuva& evidencia, std::ostream& saida) {
    for (const std::string& aviso : evidencia.Avisos) saida << "Aviso: " << aviso << '\n';
}

void MostrarEstacoes(const TEvidenciaChuva& evidencia, std::ostream& saida) {
    saida << "Estações (distância, peso, K, a, b, c):\n";
    for (std::size_t i = 0; i < evidencia.Estacoes.size() && i < kEstacoesListadas; ++i) {
        const TEstacaoContribuinte& e = evidencia.Estacoes[i];
        saida << "  " << e.Nome << " (" << e.Estado << "): " << TextoDistancia(e.DistanciaKm) << ", "
              << TextoPeso(e.Peso) << ", " << FormatarGeral(e.K) << ", " << FormatarGeral(e.A) << ", "
              << FormatarGeral(e.B) << ", " << FormatarGeral(e.C) << '\n';
    }
    if (const auto outras = LinhaOutrasEstacoes(evidencia)) saida << "  " << *outras << '\n';
}

void MostrarTabela(const TTabelaIdf& tabela, std::ostream& saida) {
    MostrarGrade("Intensidades (mm/h):", tabela, tabela.IntensidadesMmH, saida);
    MostrarGrade("Lâminas (mm):", tabela, tabela.LaminasMm, saida);
}

}  // namespace talvek::cli
