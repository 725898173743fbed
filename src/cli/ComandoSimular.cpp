// talvek-calc simular: the sensitivity series of a design without partial flooding, the sizing repeated
// for 21 values of one input, as the desktop program's simulation page charts it.
#include <optional>
#include <ostream>

#include "ComandoProjeto.h"
#include "platform/Codificacao.h"
#include "platform/Numeros.h"
#include "project/SerieSimulacao.h"

namespace talvek::cli {

namespace {

constexpr const char* kUso =
    "simular PROJETO.tvk --saida Q|H|Hr --entrada Comp|EH|nc|nt|Sc|St|VIB [--json] [--csv] [--threads N]";
constexpr const char* kDescricao =
    "Repete o dimensionamento do sistema sem inundação parcial para 21 valores de uma entrada (comprimento,\n"
    "espaçamento, rugosidade do canal ou do terreno, declividade do canal ou do terreno, VIB) e mostra a\n"
    "saída escolhida: vazão Q (L/s), altura teórica H (cm) ou altura recomendada Hr (cm).\n"
    "  --json   {\"linhas\":[{\"x\":...,\"Q\":...,\"H\":...,\"Hr\":...},...]}, x no eixo do gráfico\n"
    "  --csv    linhas x,Q,H,Hr com ponto decimal\n"
    "  --threads N   linhas calculadas ao mesmo tempo (padrão: TALVEK_THREADS ou as threads da máquina)";
constexpr TComandoProjeto kComando{"simular", kUso, kDescricao};

template <typename Enum, int N>
std::optional<Enum> PorNome(const std::string& nome, const char* (*nomeDe)(Enum)) {
    for (int i = 0; i < N; ++i)
        if (nome == nomeDe(static_cast<Enum>(i))) return static_cast<Enum>(i);
    return std::nullopt;
}

const char* NomeEntrada(TEntradaSimulacao entrada) { return DescricaoEntrada(entrada).Nome; }
const char* NomeSaida(TSaidaSimulacao saida) { return DescricaoSaida(saida).Nome; }

void MostrarTexto(const TSerieSimulacao& serie, TSaidaSimulacao saida, TEntradaSimulacao entrada,
                  std::ostream& texto) {
    texto << DescricaoEntrada(entrada).TituloEixo << '\t' << DescricaoSaida(saida).TituloEixo << '\n';
    for (const TLinhaSimulacao& linha : serie.Linhas)
        texto << linha.Texto << '\t' << FormatarFloat("0.0", ValorSaida(linha, saida)) << '\n';
}

void MostrarCsv(const TSerieSimulacao& serie, std::ostream& texto) {
    texto << "x,Q,H,Hr\n";
    for (const TLinhaSimulacao& linha : serie.Linhas)
        texto << NumeroJson(linha.X) << ',' << NumeroJson(linha.Q) << ',' << NumeroJson(linha.H) << ','
              << NumeroJson(linha.Hr) << '\n';
}

void MostrarJson(const TSerieSimulacao& serie, std::ostream& texto) {
    texto << "{\"linhas\":[";
    const char* separador = "";
    for (const TLinhaSimulacao& linha : serie.Linhas) {
        texto << separador << "{\"x\":" << NumeroJson(linha.X) << ",\"Q\":" << NumeroJson(linha.Q)
              << ",\"H\":" << NumeroJson(linha.H) << ",\"Hr\":" << NumeroJson(linha.Hr) << '}';
        separador = ",";
    }
    texto << ']';
    if (serie.Erro) texto << ",\"erro\":" << TextoJson(*serie.Erro);
    if (serie.Erro && !serie.Causa.empty()) texto << ",\"causa\":" << TextoJson(serie.Causa);
    texto << "}\n";
}

int ExecutarSimular(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros) {
    const auto inicio = IniciarComando(kComando, argumentos, {"--json", "--csv"}, {"--saida", "--entrada"}, saida, erros);
    if (const int* codigo = std::get_if<int>(&inicio)) return *codigo;
    const TOpcoesProjeto& opcoes = std::get<TOpcoesProjeto>(inicio);
    const bool json = opcoes.json;
    if (!opcoes.valores.contains("--saida") || !opcoes.valores.contains("--entrada"))
        return UsoIncorreto(kComando, "faltam --saida e --entrada", erros);
    const auto saidaEscolhida = PorNome<TSaidaSimulacao, 3>(opcoes.valores.at("--saida"), NomeSaida);
    const auto entrada = PorNome<TEntradaSimulacao, 7>(opcoes.valores.at("--entrada"), NomeEntrada);
    if (!saidaEscolhida)
        return UsoIncorreto(kComando, "saída desconhecida: " + TrechoCitado(opcoes.valores.at("--saida")), erros);
    if (!entrada)
        return UsoIncorreto(kComando, "entrada desconhecida: " + TrechoCitado(opcoes.valores.at("--entrada")), erros);

    TProjeto projeto;
    if (const std::optional<int> falha = AbrirProjeto(opcoes, projeto, saida, erros)) return *falha;
    if (projeto.Sistema.Tipo != 3)
        return Falhar("A simulação só se aplica ao sistema \"Drenagem de Superfície sem Inundação Parcial\".", json,
                      saida, erros, kFalhaNoCalculo);
    if (const std::optional<int> falha = VerificarEntradas(projeto, json, saida, erros)) return *falha;
    TSerieSimulacao serie;
    try {
        serie = Simular(*entrada, projeto.CanalDrenagem, projeto.Terreno, projeto.Nimbal1.Precipitacao, {}, nullptr,
                        {.Threads = opcoes.threads, .Parar = {}});
    } catch (const Exception& e) {  // the design's own hillslope failed before the first row
        return Falhar(e.what(), json, saida, erros, kFalhaNoCalculo);
    }
    if (json)
        MostrarJson(serie, saida);
    else if (opcoes.csv)
        MostrarCsv(serie, saida);
    else
        MostrarTexto(serie, *saidaEscolhida, *entrada, saida);
    if (!serie.Erro) return kSucesso;
    erros << *serie.Erro << '\n';
    if (!serie.Causa.empty()) erros << serie.Causa << '\n';
    return kFalhaNoCalculo;
}

}  // namespace

const Comando kComandoSimular{kComando.nome, kUso, ExecutarSimular};

}  // namespace talvek::cli
