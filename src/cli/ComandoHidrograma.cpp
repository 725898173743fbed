// talvek-calc hidrograma: the outflow hydrograph of the project's hillslope (the field strip between two
// drains, as wide as the horizontal spacing EH) under its design storm, or with --canal the drain's outlet
// hydrograph.
#include <ostream>

#include "ComandoProjeto.h"
#include "design/uBalancoHidrico.h"
#include "platform/Numeros.h"
#include "project/SerieSimulacao.h"

namespace talvek::cli {

namespace {

constexpr const char* kUso = "hidrograma PROJETO.tvk [--canal] [--json] [--csv]";
constexpr const char* kDescricao =
    "Mostra o hidrograma de saída da encosta do projeto (faixa de largura EH sob a chuva de projeto):\n"
    "tempo t (min) e vazão q (L/s por metro de dreno). Sem escoamento, o hidrograma não tem pontos.\n"
    "  --canal  o hidrograma na saída do dreno (sistema sem inundação parcial): t (min) e Q (L/s), até a\n"
    "           vazão cair abaixo de 0,1 % do máximo; o pico é o valor antes da primeira queda, a vazão\n"
    "           de projeto\n"
    "  --json   {\"pontos\":[[t,q],...]}, números com ponto decimal; com --canal também \"pico\" e\n"
    "           \"maximo\" ([t,Q]) e \"sobe_apos_pico\"\n"
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

constexpr const char* kSubidaAposPico =
    "A vazão volta a subir depois da primeira queda e passa a vazão de projeto, que é a da primeira queda.";

std::string Ponto(const TPontoHidrograma& ponto) {
    return '[' + NumeroJson(ponto.Tempo) + ',' + NumeroJson(ponto.Vazao) + ']';
}

void MostrarCanal(const THidrogramaCanal& canal, const TOpcoesProjeto& opcoes, std::ostream& saida) {
    if (opcoes.json) {
        saida << "{\"pontos\":[";
        const char* separador = "";
        for (const TPontoHidrograma& ponto : canal.Pontos) {
            saida << separador << Ponto(ponto);
            separador = ",";
        }
        saida << "]";
        if (!canal.Pontos.empty())
            saida << ",\"pico\":" << Ponto(canal.Pico) << ",\"maximo\":" << Ponto(canal.Maximo)
                  << ",\"sobe_apos_pico\":" << (canal.SobeAposPico() ? "true" : "false");
        saida << "}\n";
        return;
    }
    if (opcoes.csv) {
        saida << "t,q\n";
        for (const TPontoHidrograma& ponto : canal.Pontos)
            saida << NumeroJson(ponto.Tempo) << ',' << NumeroJson(ponto.Vazao) << '\n';
        return;
    }
    saida << "t (min)\tQ (L/s)\n";
    for (const TPontoHidrograma& ponto : canal.Pontos)
        saida << FormatarFloat("0.0###", ponto.Tempo) << '\t' << FormatarFloat("0.0###", ponto.Vazao) << '\n';
    if (canal.Pontos.empty()) return;
    saida << "Pico (vazão de projeto): " << FormatarFloat("0.0#", canal.Pico.Vazao) << " L/s em "
          << FormatarFloat("0.0#", canal.Pico.Tempo) << " min\n";
    if (canal.SobeAposPico())
        saida << kSubidaAposPico << " Máximo: " << FormatarFloat("0.0#", canal.Maximo.Vazao) << " L/s em "
              << FormatarFloat("0.0#", canal.Maximo.Tempo) << " min\n";
}

// --canal: the drain's outlet hydrograph, for the system without partial flooding only.
int ExecutarCanal(TProjeto& projeto, const TOpcoesProjeto& opcoes, std::ostream& saida, std::ostream& erros) {
    if (projeto.Sistema.Tipo != 3) {
        const TTipoSistema semInundacao{3};
        return Falhar("O hidrograma do canal existe só no sistema \"" + semInundacao.Texto() + "\".", opcoes.json,
                      saida, erros, kFalhaNoCalculo);
    }
    try {
        MostrarCanal(MedirSemInundacao(projeto.CanalDrenagem, projeto.Terreno, projeto.Nimbal1.Precipitacao).Canal,
                     opcoes, saida);
    } catch (const Exception& e) {
        return Falhar(e.what(), opcoes.json, saida, erros, kFalhaNoCalculo);
    }
    return kSucesso;
}

int ExecutarHidrograma(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros) {
    const auto inicio = IniciarComando(kComando, argumentos, {"--canal", "--json", "--csv"}, {}, saida, erros);
    if (const int* codigo = std::get_if<int>(&inicio)) return *codigo;
    const TOpcoesProjeto& opcoes = std::get<TOpcoesProjeto>(inicio);
    const bool json = opcoes.json;

    TProjeto projeto;
    if (const std::optional<int> falha = AbrirProjeto(opcoes, projeto, saida, erros)) return *falha;
    if (opcoes.marcas.contains("--canal")) return ExecutarCanal(projeto, opcoes, saida, erros);
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
