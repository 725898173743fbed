// talvek-calc dimensionar: the design run of a project file, as the desktop program's "Calcular" does it,
// with the recommended height of the project's non-uniformity coefficient.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ComandoProjeto.h"
#include "design/uVerificacao.h"
#include "platform/ArquivoIni.h"
#include "design/uAvisos.h"
#include "platform/Numeros.h"
#include "report/RelatorioVerificacao.h"

namespace talvek::cli {

namespace {

constexpr const char* kUso = "dimensionar PROJETO.tvk [--json] [--gravar]";
constexpr const char* kDescricao =
    "Dimensiona o canal do projeto (sistema com ou sem inundação parcial) e mostra a vazão de projeto (L/s),\n"
    "a altura teórica (m), a altura recomendada (cm) e os espaçamentos horizontal e vertical (m), com os\n"
    "avisos de escoamento nulo e de valores fora da faixa usual, e a verificação hidráulica: escoamento na\n"
    "altura teórica, limites do material do canal e terraplenagem.\n"
    "  --json     resultado em JSON, números com ponto decimal\n"
    "  --gravar   grava os resultados no arquivo do projeto";
constexpr TComandoProjeto kComando{"dimensionar", kUso, kDescricao};

// The hydraulic checks under the results: the labelled values of each block, then the verdict lines.
void MostrarVerificacao(const TVerificacao& v, std::ostream& saida) {
    saida << "Verificação hidráulica\n";
    for (const TBlocoVerificacao& bloco : BlocosVerificacao(v)) {
        saida << "  " << bloco.Titulo << '\n';
        for (const TValorVerificacao& valor : bloco.Valores)
            saida << "    " << valor.Rotulo << ' ' << valor.Valor << '\n';
    }
    for (const TAvisoVerificacao& aviso : v.Avisos) saida << "  " << aviso.Texto << '\n';
    if (v.Atendida) saida << "  " << TextoAtendida(v) << '\n';
}

std::vector<std::string> Avisos(const TProjeto& p) {
    return AvisosDimensionamento(p.CanalDrenagem, p.Terreno, p.Nimbal1.Precipitacao, p.Sistema);
}

void MostrarTexto(const TProjeto& p, std::ostream& saida) {
    const TCanalDrenagem& c = p.CanalDrenagem;
    saida << "Sistema: " << p.Sistema.Texto() << '\n'
          << "Vazão (Q): " << FormatarFloat("0.0#", c.Q()) << " L/s\n"
          << "Altura teórica (H): " << FormatarFloat("0.0###", c.H()) << " m\n"
          << "Altura recomendada (Hr): " << FormatarFloat("0.0", c.Hr()) << " cm\n"
          << "Espaçamento horizontal (EH): " << FormatarFloat("0.0#", c.EH()) << " m\n"
          << "Espaçamento vertical (EV): " << FormatarFloat("0.0#", c.EV()) << " m\n"
          << "Coeficiente de desuniformidade (CDu): " << FormatarFloat("0.0#", c.CDu()) << '\n';
    for (const std::string& aviso : Avisos(p)) saida << "Aviso: " << aviso << '\n';
    MostrarVerificacao(VerificarCanal(c, p.Terreno.St()), saida);
}

void MostrarJson(const TProjeto& p, std::ostream& saida) {
    const TCanalDrenagem& c = p.CanalDrenagem;
    saida << "{\"Tipo\":" << int{p.Sistema.Tipo} << ",\"Q\":" << NumeroJson(c.Q()) << ",\"H\":" << NumeroJson(c.H())
          << ",\"Hr\":" << NumeroJson(c.Hr()) << ",\"EH\":" << NumeroJson(c.EH()) << ",\"EV\":" << NumeroJson(c.EV())
          << ",\"CDu\":" << NumeroJson(c.CDu()) << ",\"avisos\":[";
    const char* separador = "";
    for (const std::string& aviso : Avisos(p)) {
        saida << separador << TextoJson(aviso);
        separador = ",";
    }
    saida << "],\"verificacao\":" << JsonVerificacao(VerificarCanal(c, p.Terreno.St())) << "}\n";
}

int ExecutarDimensionar(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros) {
    const auto inicio = IniciarComando(kComando, argumentos, {"--json", "--gravar"}, {}, saida, erros);
    if (const int* codigo = std::get_if<int>(&inicio)) return *codigo;
    const TOpcoesProjeto& opcoes = std::get<TOpcoesProjeto>(inicio);
    const bool json = opcoes.json;

    // --gravar reads, sizes and writes under the file's lock, and replaces the file once with the results
    // (and the conversion of an earlier layout): a run at the same time reads this run's file or the old one.
    const bool gravar = opcoes.marcas.contains("--gravar");
    std::optional<TEdicaoIni> edicao;
    if (gravar)
        if (const std::optional<int> falha = IniciarGravacao(opcoes, edicao, saida, erros)) return *falha;
    TProjeto projeto;
    if (const std::optional<int> falha = AbrirProjeto(opcoes, projeto, saida, erros)) return *falha;
    if (const std::optional<int> falha = DimensionarProjeto(projeto, json, saida, erros)) return *falha;
    TCanalDrenagem& canal = projeto.CanalDrenagem;

    if (gravar)
        if (const std::optional<int> falha = GravarResultados(opcoes, canal, *edicao, saida, erros)) return *falha;
    if (json)
        MostrarJson(projeto, saida);
    else
        MostrarTexto(projeto, saida);
    return kSucesso;
}

}  // namespace

const Comando kComandoDimensionar{kComando.nome, kUso, ExecutarDimensionar};

}  // namespace talvek::cli
