// talvek-calc lote: the drains of a whole farm at once, one row of a sheet per drain, each sized as
// dimensionar sizes a project, the rows spread over the thread pool and written back in their order.
#include <unistd.h>

#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "ComandoProjeto.h"
#include "platform/ArquivosTexto.h"
#include "platform/TravaArquivo.h"
#include "project/Lote.h"

namespace talvek::cli {

namespace {

constexpr const char* kUso = "lote PLANILHA.csv [--projeto BASE.tvk] [--saida RESULTADOS.csv] [--json] [--threads N]";
constexpr const char* kDescricao =
    "Dimensiona um dreno por linha da planilha (CSV com \",\" ou \";\"). As colunas têm os nomes das chaves do\n"
    "arquivo de projeto (Tipo, Tr, K, A, Bchuva, C, IndUso, IndCond, IndTrat, VIB, St, nt, Bcanal, CDu, Z, Sm,\n"
    "TipoCanal, Comprimento, Sc, nc, EH, EV, TD, IndMaterial, Vadm e Nome); o que falta vem do projeto-base.\n"
    "A saída repete as colunas da planilha e acrescenta Q (L/s), H (cm), Hr (cm), a verificação hidráulica,\n"
    "os avisos e o erro de cada linha que não foi dimensionada, no separador e no decimal da planilha.\n"
    "  --projeto  projeto-base dos valores que a planilha não dá (sem ele, os de um projeto novo)\n"
    "  --saida    grava os resultados neste arquivo em vez de escrevê-los na saída padrão\n"
    "  --json     resultados em JSON, uma lista com um objeto por linha\n"
    "  --threads  número de threads (padrão: TALVEK_THREADS ou os do processador)";
constexpr TComandoProjeto kComando{"lote", kUso, kDescricao};

// The columns added after the sheet's own.
const char* const kColunasResultado[] = {
    "Q (L/s)",     "H (cm)",       "Hr (cm)",          "V (m/s)",          "Froude",      "tau (Pa)", "Vadm (m/s)",
    "tau_adm (Pa)", "escavacao (m³/m)", "area ocupada (%)", "verificacao", "avisos",   "erro",
};

std::string Juntar(const std::vector<std::string>& textos) {
    std::string junto;
    for (const std::string& texto : textos) junto += (junto.empty() ? "" : " | ") + texto;
    return junto;
}

// The verdict lines of the checks, and the line of a drain that holds them.
std::vector<std::string> Veredito(const TVerificacao& v) {
    std::vector<std::string> linhas;
    for (const TAvisoVerificacao& aviso : v.Avisos) linhas.push_back(aviso.Texto);
    if (v.Atendida) linhas.push_back(TextoAtendida(v));
    return linhas;
}

std::vector<std::string> CamposDoResultado(const TResultadoLote& r, const TFormatoPlanilha& formato) {
    if (!r.Verificacao)
        return {"", "", "", "", "", "", "", "", "", "", "", "", r.Erro + (r.Causa.empty() ? "" : " | " + r.Causa)};
    const TVerificacao& v = *r.Verificacao;
    const auto numero = [&formato](double valor) { return CampoDoNumero(valor, formato); };
    return {numero(r.Q),
            numero(r.H * 100),
            numero(r.Hr),
            numero(v.Hidraulica.V),
            numero(v.Hidraulica.Froude),
            numero(v.Hidraulica.Tau),
            numero(v.Vadm),
            numero(v.TauAdm),
            numero(v.Terraplenagem.TerraPorMetro),
            numero(v.Terraplenagem.OcupadaPercentual),
            Juntar(Veredito(v)),
            Juntar(r.Avisos),
            ""};
}

std::string Csv(const TLote& lote, const std::vector<TResultadoLote>& resultados) {
    const TPlanilha& planilha = lote.Planilha;
    std::vector<std::vector<std::string>> linhas{planilha.Cabecalho};
    for (const char* nome : kColunasResultado) linhas.front().push_back(nome);
    for (std::size_t i = 0; i < resultados.size(); ++i) {
        std::vector<std::string> campos = planilha.Linhas[i].Campos;
        campos.resize(planilha.Cabecalho.size());
        for (std::string& campo : CamposDoResultado(resultados[i], planilha.Formato)) campos.push_back(std::move(campo));
        linhas.push_back(std::move(campos));
    }
    return EscreverPlanilha(linhas, planilha.Formato);
}

// A field of the sheet in JSON: a number when it reads as one, the text as typed otherwise, null when empty.
std::string CampoJson(const TColunaLote& coluna, const std::string& campo) {
    if (coluna.Tipo == TTipoColuna::Texto) return TextoJson(campo);
    if (campo.find_first_not_of(" \t") == std::string::npos) return "null";
    if (const std::optional<double> valor = NumeroDoCampo(campo)) return NumeroJson(*valor);
    return TextoJson(campo);
}

std::string Json(const TLote& lote, const std::vector<TResultadoLote>& resultados) {
    std::string json = "[";
    for (std::size_t i = 0; i < resultados.size(); ++i) {
        const TLinhaPlanilha& linha = lote.Planilha.Linhas[i];
        const TResultadoLote& r = resultados[i];
        json += (i ? ",\n" : "") + std::string("{\"linha\":") + std::to_string(linha.Numero);
        for (std::size_t c = 0; c < lote.Colunas.size(); ++c)
            json += "," + TextoJson(lote.Colunas[c]->Nome) + ":" +
                    (c < linha.Campos.size() ? CampoJson(*lote.Colunas[c], linha.Campos[c]) : "null");
        if (r.Verificacao) {
            std::string avisos;
            for (const std::string& aviso : r.Avisos) avisos += (avisos.empty() ? "" : ",") + TextoJson(aviso);
            json += ",\"Q\":" + NumeroJson(r.Q) + ",\"H\":" + NumeroJson(r.H) + ",\"Hr\":" + NumeroJson(r.Hr) +
                    ",\"avisos\":[" + avisos + "],\"verificacao\":" + JsonVerificacao(*r.Verificacao);
        } else {
            json += ",\"erro\":" + TextoJson(r.Erro);
            if (!r.Causa.empty()) json += ",\"causa\":" + TextoJson(r.Causa);
        }
        json += "}";
    }
    return json + "]\n";
}

// The percentage of rows done, rewritten in place, only for a person watching a terminal.
class TProgressoLote {
public:
    TProgressoLote(std::size_t total, std::ostream& erros)
        : total_(total), erros_(erros), ativo_(&erros == &std::cerr && ::isatty(STDERR_FILENO)) {}
    ~TProgressoLote() {
        if (ativo_ && total_ > 0) erros_ << '\n';
    }
    void Entregue(std::size_t i) {
        const std::size_t pct = (i + 1) * 100 / total_;
        if (!ativo_ || pct == mostrado_) return;
        mostrado_ = pct;
        erros_ << "\rlote: " << pct << '%' << std::flush;
    }

private:
    std::size_t total_;
    std::ostream& erros_;
    bool ativo_;
    std::size_t mostrado_ = 101;
};

// No sheet among the arguments: IniciarComando would call the missing argument a project.
bool FaltaPlanilha(const Argumentos& argumentos) {
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& argumento = argumentos[i];
        if (argumento == "--help" || argumento == "-h") return false;
        if (argumento == "--projeto" || argumento == "--saida" || argumento == "--threads")
            ++i;
        else if (!argumento.starts_with("--"))
            return false;
    }
    return true;
}

int ExecutarLote(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros) {
    if (FaltaPlanilha(argumentos)) return UsoIncorreto(kComando, "falta a planilha", erros);
    const auto inicio = IniciarComando(kComando, argumentos, {"--json"}, {"--projeto", "--saida"}, saida, erros);
    if (const int* codigo = std::get_if<int>(&inicio)) return *codigo;
    const TOpcoesProjeto& opcoes = std::get<TOpcoesProjeto>(inicio);
    const std::string& caminhoPlanilha = opcoes.projeto;  // the one positional argument is the sheet
    const bool json = opcoes.json;

    // The base: its storm is checked row by row, where a row may give the parameters.
    TProjeto projeto;
    if (const auto base = opcoes.valores.find("--projeto"); base != opcoes.valores.end()) {
        try {
            LerProjeto(base->second, projeto.Objetos(), TConversao::NaMemoria);
        } catch (const Exception& e) {
            return Falhar(e.what(), json, saida, erros, kFalhaNoArquivo);
        }
    }
    const std::optional<std::string> bytes = LerArquivoInteiro(caminhoPlanilha);
    if (!bytes)
        return Falhar("Não foi possível abrir a planilha " + caminhoPlanilha + ".", json, saida, erros,
                      kFalhaNoArquivo);
    std::optional<TLote> lote;
    try {
        lote = PrepararLote(LerPlanilha(*bytes));
    } catch (const EPlanilha& e) {
        return Falhar(caminhoPlanilha + ": " + e.what(), json, saida, erros, kFalhaNoArquivo);
    }

    std::vector<TResultadoLote> resultados;
    {
        TProgressoLote progresso(lote->Planilha.Linhas.size(), erros);
        resultados = talvek::ExecutarLote(CasoDoProjeto(projeto), *lote, opcoes.threads,
                                          [&progresso](std::size_t i) { progresso.Entregue(i); });
    }
    std::size_t falhas = 0;
    for (const TResultadoLote& r : resultados) {
        if (r.Erro.empty()) continue;
        ++falhas;
        erros << r.Erro << '\n';
        if (!r.Causa.empty()) erros << r.Causa << '\n';
    }
    if (falhas)
        erros << falhas << " de " << resultados.size() << " linhas não foram dimensionadas.\n";

    const std::string texto = json ? Json(*lote, resultados) : Csv(*lote, resultados);
    if (const auto destino = opcoes.valores.find("--saida"); destino != opcoes.valores.end()) {
        // One replacement under the file's lock, as a project is saved: a reader sees the old results or these.
        try {
            const TTravaArquivo trava(destino->second);
            GravarArquivoAtomicamente(destino->second, texto);
        } catch (const Exception& e) {
            return Falhar(e.what(), json, saida, erros, kFalhaNoArquivo);
        }
    } else {
        saida << texto;
    }
    return falhas ? kFalhaNoCalculo : kSucesso;
}

}  // namespace

const Comando kComandoLote{kComando.nome, kUso, ExecutarLote};

}  // namespace talvek::cli
