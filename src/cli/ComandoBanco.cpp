// talvek-calc banco: builds the rainfall database files from CSV tables (format in README.md), for
// users who have their own IDF equations or town lists.
#include <iomanip>
#include <string>
#include <variant>
#include <ostream>

#include "ComandoProjeto.h"
#include "Comandos.h"
#include "platform/ArquivosTexto.h"
#include "platform/Codificacao.h"
#include "rainfall/ImportacaoBD.h"

namespace talvek::cli {

namespace {

constexpr const char* kUso = "banco [--estacoes TABELA.csv] [--localidades TABELA.csv] --saida PASTA";

struct OpcoesBanco {
    std::string estacoes, localidades, saida;
};

// The options, or an error text.
std::variant<OpcoesBanco, std::string> LerOpcoes(const Argumentos& argumentos) {
    OpcoesBanco opcoes;
    for (std::size_t i = 0; i < argumentos.size(); i += 2) {
        const std::string& nome = argumentos[i];
        if (i + 1 >= argumentos.size()) return "falta o valor de " + nome;
        const std::string& valor = argumentos[i + 1];
        if (nome == "--estacoes") opcoes.estacoes = valor;
        else if (nome == "--localidades") opcoes.localidades = valor;
        else if (nome == "--saida") opcoes.saida = valor;
        else return "opção desconhecida: " + TrechoCitado(nome);
    }
    if (opcoes.saida.empty()) return "falta --saida";
    if (opcoes.estacoes.empty() && opcoes.localidades.empty()) return "falta --estacoes ou --localidades";
    return opcoes;
}

void MostrarResumo(const OpcoesBanco& opcoes, const TResumoImportacao& resumo, std::ostream& saida) {
    saida << "Estado  Estações  Localidades\n";
    std::size_t totalEstacoes = 0, totalLocalidades = 0;
    auto coluna = [](bool gravada, std::size_t n) { return gravada ? std::to_string(n) : std::string("-"); };
    for (int s = 0; s < kNumeroEstados; ++s) {
        saida << kEstados[s].Sigla << "      " << std::setw(8) << coluna(!opcoes.estacoes.empty(), resumo.Estacoes[s])
              << "  " << std::setw(11) << coluna(!opcoes.localidades.empty(), resumo.Localidades[s]) << '\n';
        totalEstacoes += resumo.Estacoes[s];
        totalLocalidades += resumo.Localidades[s];
    }
    saida << "Total   " << std::setw(8) << coluna(!opcoes.estacoes.empty(), totalEstacoes) << "  " << std::setw(11)
          << coluna(!opcoes.localidades.empty(), totalLocalidades) << '\n';
}

int ExecutarBanco(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros) {
    const auto opcoes = LerOpcoes(argumentos);
    if (const std::string* erro = std::get_if<std::string>(&opcoes)) {
        erros << "talvek-calc banco: " << *erro << "\nUso: talvek-calc " << kUso << '\n';
        return 1;
    }
    const OpcoesBanco& o = std::get<OpcoesBanco>(opcoes);
    TResumoImportacao resumo;
    try {
        resumo = ImportarBanco(o.estacoes, o.localidades, o.saida);
    } catch (const EGravacaoArquivo& e) {  // the tables were sound; the database could not be written
        erros << "talvek-calc: " << e.what() << '\n';
        return kFalhaNoArquivo;
    }
    MostrarResumo(o, resumo, saida);
    return 0;
}

}  // namespace

const Comando kComandoBanco{"banco", kUso, ExecutarBanco};

}  // namespace talvek::cli
