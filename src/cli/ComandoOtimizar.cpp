// talvek-calc otimizar: the largest horizontal spacing, or the longest channel, whose recommended or
// theoretical height does not exceed a target (project/BuscaMeta.h), with its design; --gravar puts the
// answer and its results into the project as dimensionar --gravar writes them.
#include <optional>
#include <ostream>
#include <string>

#include "ComandoProjeto.h"
#include "platform/ArquivoIni.h"
#include "platform/Codificacao.h"
#include "platform/Numeros.h"
#include "project/BuscaMeta.h"

namespace talvek::cli {

namespace {

constexpr const char* kUso =
    "otimizar PROJETO.tvk --variavel EH|Comp --saida Hr|H --maximo CM [--gravar] [--json] [--threads N]";
constexpr const char* kDescricao =
    "Procura o maior espaçamento horizontal (EH) ou o maior comprimento do canal (Comp), em metros inteiros\n"
    "de 1 a 1500, cuja altura recomendada (Hr) ou teórica (H) não passa de --maximo cm; os demais dados\n"
    "ficam como no projeto. Mostra o valor, a vazão (L/s), a altura teórica (m), a altura recomendada (cm)\n"
    "e o número de dimensionamentos feitos.\n"
    "  --json      {\"variavel\",\"valor\",\"Q\",\"H\",\"Hr\",\"avaliacoes\",\"situacao\",\"mensagem\",...}\n"
    "  --gravar    grava o valor encontrado e os resultados no arquivo do projeto\n"
    "  --threads N dimensionamentos simultâneos";
constexpr TComandoProjeto kComando{"otimizar", kUso, kDescricao};

const char* NomeSituacao(TSituacaoMeta situacao) {
    switch (situacao) {
        case TSituacaoMeta::Atingida: return "atingida";
        case TSituacaoMeta::Nenhum: return "nenhum";
        case TSituacaoMeta::Todos: return "todos";
    }
    return "";
}

// A value of the answer's design, or null without an answer.
std::string NumeroOuNulo(const TResultadoMeta& r, double valor) { return r.Valor ? NumeroJson(valor) : "null"; }

void MostrarJson(const TPedidoMeta& pedido, const TResultadoMeta& r, std::ostream& saida) {
    saida << "{\"variavel\":" << TextoJson(NomeVariavelMeta(pedido.Variavel))
          << ",\"valor\":" << (r.Valor ? std::to_string(*r.Valor) : "null") << ",\"Q\":" << NumeroOuNulo(r, r.Q)
          << ",\"H\":" << NumeroOuNulo(r, r.H) << ",\"Hr\":" << NumeroOuNulo(r, r.Hr)
          << ",\"avaliacoes\":" << r.Avaliacoes << ",\"saida\":" << TextoJson(NomeSaidaMeta(pedido.Saida))
          << ",\"maximo\":" << NumeroJson(pedido.MaximoCm) << ",\"situacao\":" << TextoJson(NomeSituacao(r.Situacao))
          << ",\"mensagem\":" << TextoJson(r.Mensagem)
          << ",\"aviso\":" << (r.AvisoFalha.empty() ? "null" : TextoJson(r.AvisoFalha)) << "}\n";
}

void MostrarTexto(const TResultadoMeta& r, std::ostream& saida) {
    saida << r.Mensagem << '\n';
    if (r.Valor)
        saida << "Valor: " << *r.Valor << " m\n"
              << "Vazão (Q): " << FormatarFloat("0.0#", r.Q) << " L/s\n"
              << "Altura teórica (H): " << FormatarFloat("0.0###", r.H) << " m\n"
              << "Altura recomendada (Hr): " << FormatarFloat("0.0", r.Hr) << " cm\n";
    saida << "Dimensionamentos: " << r.Avaliacoes << '\n';
    if (!r.AvisoFalha.empty()) saida << "Aviso: " << r.AvisoFalha << '\n';
}

// The options of the search, or the problem with them.
std::variant<TPedidoMeta, std::string> LerPedido(const TOpcoesProjeto& opcoes) {
    for (const char* obrigatoria : {"--variavel", "--saida", "--maximo"})
        if (!opcoes.valores.contains(obrigatoria)) return std::string("falta ") + obrigatoria;
    TPedidoMeta pedido;
    const std::string& variavel = opcoes.valores.at("--variavel");
    const std::string& saida = opcoes.valores.at("--saida");
    const std::string& maximo = opcoes.valores.at("--maximo");
    if (const auto v = LerVariavelMeta(variavel)) pedido.Variavel = *v;
    else return "variável desconhecida: " + TrechoCitado(variavel);
    if (const auto s = LerSaidaMeta(saida)) pedido.Saida = *s;
    else return "saída desconhecida: " + TrechoCitado(saida);
    const std::optional<double> cm = LerNumeroQualquerSeparador(maximo);
    if (!cm || !(*cm > 0)) return "--maximo deve ser um número positivo (cm): " + TrechoCitado(maximo);
    pedido.MaximoCm = *cm;
    return pedido;
}

int ExecutarOtimizar(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros) {
    const auto inicio = IniciarComando(kComando, argumentos, {"--json", "--gravar"},
                                       {"--variavel", "--saida", "--maximo"}, saida, erros);
    if (const int* codigo = std::get_if<int>(&inicio)) return *codigo;
    const TOpcoesProjeto& opcoes = std::get<TOpcoesProjeto>(inicio);
    const bool json = opcoes.json;
    const auto lido = LerPedido(opcoes);
    if (const std::string* problema = std::get_if<std::string>(&lido)) return UsoIncorreto(kComando, *problema, erros);
    const TPedidoMeta& pedido = std::get<TPedidoMeta>(lido);

    // --gravar reads, searches and writes under the file's lock, as dimensionar --gravar does.
    const bool gravar = opcoes.marcas.contains("--gravar");
    std::optional<TEdicaoIni> edicao;
    if (gravar)
        if (const std::optional<int> falha = IniciarGravacao(opcoes, edicao, saida, erros)) return *falha;
    TProjeto projeto;
    if (const std::optional<int> falha = AbrirProjeto(opcoes, projeto, saida, erros)) return *falha;
    if (projeto.Sistema.Tipo != 2 && projeto.Sistema.Tipo != 3)
        return Falhar("O sistema \"" + projeto.Sistema.Texto() + "\" não é dimensionado.", json, saida, erros,
                      kFalhaNoCalculo);
    // The other inputs stay as they are in every probe: they must pass the checks of "Calcular".
    if (const std::optional<int> falha = VerificarEntradas(projeto, json, saida, erros)) return *falha;
    TCanalDrenagem& canal = projeto.CanalDrenagem;
    const TResultadoMeta resultado = BuscarMeta(
        {canal, projeto.Terreno, projeto.Nimbal1.Precipitacao, projeto.Sistema}, pedido, opcoes.threads);

    if (gravar && resultado.Valor) {
        if (pedido.Variavel == TVariavelMeta::EH) {
            canal.SetEH(*resultado.Valor);
            canal.SetEV(canal.EH() * projeto.Terreno.St());
        } else {
            canal.SetComprimento(*resultado.Valor);
        }
        if (const std::optional<int> falha = DimensionarProjeto(projeto, json, saida, erros)) return *falha;
        if (const std::optional<int> falha = GravarResultados(opcoes, canal, *edicao, saida, erros)) return *falha;
    }
    if (json)
        MostrarJson(pedido, resultado, saida);
    else
        MostrarTexto(resultado, saida);
    if (gravar && !resultado.Valor) erros << "Nenhum valor atende à meta: o projeto não foi alterado.\n";
    // No value found while sizings failed: the failures, not the target, may be why.
    if (!resultado.Valor && resultado.ValorFalha) {
        erros << resultado.AvisoFalha << '\n';
        return kFalhaNoCalculo;
    }
    return kSucesso;
}

}  // namespace

const Comando kComandoOtimizar{kComando.nome, kUso, ExecutarOtimizar};

}  // namespace talvek::cli
