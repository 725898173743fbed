// talvek-calc relatorio: the design report of a project file, sized first as "Calcular" does, as the HTML
// text the desktop program shows and prints (without the simulation chart).
#include <filesystem>
#include <ostream>

#include "ComandoProjeto.h"
#include "design/uBalancoHidrico.h"
#include "platform/ArquivosTexto.h"
#include "project/IDProjeto.h"
#include "report/TextoRelatorio.h"

namespace talvek::cli {

namespace {

constexpr const char* kUso = "relatorio PROJETO.tvk [--saida RELATORIO.html]";
constexpr const char* kDescricao =
    "Dimensiona o canal do projeto e escreve o relatório do projeto em HTML, como o programa o mostra e\n"
    "imprime (sem o gráfico da simulação).\n"
    "  --saida    grava o relatório neste arquivo (UTF-8, com a marca BOM para os navegadores) em vez de\n"
    "             escrevê-lo na saída padrão";
constexpr TComandoProjeto kComando{"relatorio", kUso, kDescricao};
constexpr const char* kBom = "\xEF\xBB\xBF";

// The folder of the report's header picture: the program's folder "Talvek2" beside talvek-calc in the
// build tree, else talvek-calc's own folder (installed in the program's folder).
std::string PastaProgramaPadrao() {
    const std::filesystem::path pasta = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    std::error_code erro;
    if (std::filesystem::exists(pasta / "Talvek2" / kFiguraCabecalho, erro))
        return (pasta / "Talvek2").generic_string() + "/";
    return pasta.generic_string() + "/";
}

int ExecutarRelatorio(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros) {
    const auto inicio = IniciarComando(kComando, argumentos, {}, {"--saida"}, saida, erros);
    if (const int* codigo = std::get_if<int>(&inicio)) return *codigo;
    const TOpcoesProjeto& opcoes = std::get<TOpcoesProjeto>(inicio);

    TProjeto projeto;
    if (const std::optional<int> falha = AbrirProjeto(opcoes, projeto, saida, erros)) return *falha;
    if (const std::optional<int> falha = DimensionarProjeto(projeto, false, saida, erros)) return *falha;
    const TNimbal21& chuva = projeto.Nimbal1;
    TDadosRelatorio dados{projeto.Sistema,
                          projeto.CanalDrenagem,
                          projeto.Terreno,
                          chuva.Precipitacao,
                          {chuva.StrEstado, chuva.StrCidade, chuva.Latitude, chuva.Longitude},
                          projeto.Identificacao,
                          projeto.Unidades,
                          TextoData(Hoje()),
                          PastaProgramaPadrao(),
                          std::nullopt,
                          nullptr,
                          std::nullopt};
    // The water balance section; a balance that cannot be computed leaves it out, and says why.
    std::optional<TBalancoHidrico> balanco;
    try {
        balanco = CalcularBalancoHidrico(projeto.CanalDrenagem, projeto.Terreno, chuva.Precipitacao, projeto.Sistema);
        dados.Balanco = &*balanco;
    } catch (const Exception& e) {
        erros << "Balanço hídrico: " << e.what() << '\n';
    }
    const std::string texto = TextoRelatorio(dados);
    if (!opcoes.valores.contains("--saida")) {
        saida << texto << '\n';
        return kSucesso;
    }
    try {
        GravarArquivoAtomicamente(opcoes.valores.at("--saida"), kBom + texto + '\n');
    } catch (const Exception& e) {
        return Falhar(e.what(), false, saida, erros, kFalhaNoArquivo);
    }
    return kSucesso;
}

}  // namespace

const Comando kComandoRelatorio{kComando.nome, kUso, ExecutarRelatorio};

}  // namespace talvek::cli
