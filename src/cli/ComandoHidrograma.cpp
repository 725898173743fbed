// talvek-calc hidrograma: the outflow hydrograph of the project's hillslope (the field strip between two
// drains, as wide as the horizontal spacing EH) under its design storm.
#include <ostream>

#include "ComandoProjeto.h"
#include "platform/Numeros.h"
#include "project/SerieSimulacao.h"

namespace talvek::cli {

namespace {

constexpr const char* kUso = "hidrograma PROJETO.tvk [--json] [--csv]";
constexpr const char* kDescricao =
    "Mostra o hidrograma de saída da encosta do projeto (faixa de largura EH sob a chuva de projeto):\n"
    "tempo t (min) e vazão q (L/s por metro de dreno). Sem escoamento, o hidrograma não tem pontos.\n"
    "  --json   {\"pontos\":[[t,q],...]}, números com ponto decimal\n"
    "  --csv    linhas t,q com ponto decimal";
constexpr TComandoProjeto kComando{"hidrograma", kUso, kDescricao};

void MostrarTexto(const THidrograma& hidrograma, std::ostream& saida) {
    saida << "t (min)\tq (L/s/m)\n";
    for (const TPontoHidrograma& ponto : hidrograma.Pontos())
        saida << FormatarFloat("0.0###", ponto.Tempo) << '\t' << FormatarFloat("0.0#####", ponto.Vazao) << '\n';
}

void MostrarCsv(const THidrograma& hidrograma, std::ostream& saida) {
    saida << "t,q\n";
    for (const TPontoHidrograma& ponto : hidrograma.Pontos())
        saida << NumeroJson(ponto.Tempo) << ',' << NumeroJson(ponto.Vazao) << '\n';
}

void MostrarJson(const THidrograma& hidrograma, std::ostream& saida) {
    saida << "{\"pontos\":[";
    const char* separador = "";
    for (const TPontoHidrograma& ponto : hidrograma.Pontos()) {
        saida << separador << '[' << NumeroJson(ponto.Tempo) << ',' << NumeroJson(ponto.Vazao) << ']';
        separador = ",";
    }
    saida << "]}\n";
}

int ExecutarHidrograma(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros) {
    const auto inicio = IniciarComando(kComando, argumentos, {"--json", "--csv"}, {}, saida, erros);
    if (const int* codigo = std::get_if<int>(&inicio)) return *codigo;
    const TOpcoesProjeto& opcoes = std::get<TOpcoesProjeto>(inicio);
    const bool json = opcoes.json;

    TProjeto projeto;
    if (const std::optional<int> falha = AbrirProjeto(opcoes, projeto, saida, erros)) return *falha;
    THidrograma hidrograma;
    try {
        hidrograma = HidrogramaDaEncosta(projeto.CanalDrenagem, projeto.Terreno, projeto.Nimbal1.Precipitacao);
    } catch (const Exception& e) {
        return Falhar(e.what(), json, saida, erros, kFalhaNoCalculo);
    }
    if (json)
        MostrarJson(hidrograma, saida);
    else if (opcoes.csv)
        MostrarCsv(hidrograma, saida);
    else
        MostrarTexto(hidrograma, saida);
    return kSucesso;
}

}  // namespace

const Comando kComandoHidrograma{kComando.nome, kUso, ExecutarHidrograma};

}  // namespace talvek::cli
