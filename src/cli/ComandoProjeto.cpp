#include "ComandoProjeto.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ostream>

#include "platform/Codificacao.h"
#include "design/uVerificacao.h"
#include "design/uVerificacaoEntradas.h"
#include "platform/Paralelo.h"
#include "platform/Regional.h"

namespace talvek::cli {

namespace {

bool Contem(std::initializer_list<const char*> lista, const std::string& nome) {
    return std::any_of(lista.begin(), lista.end(), [&nome](const char* item) { return nome == item; });
}

struct TPedidoDeAjuda {};  // --help: nothing else is checked

// Reads PROJETO.tvk and the options; the text of the first problem when they are not right.
std::variant<TOpcoesProjeto, std::string, TPedidoDeAjuda> LerOpcoes(const Argumentos& argumentos,
                                                                    std::initializer_list<const char*> marcas,
                                                                    std::initializer_list<const char*> comValor) {
    TOpcoesProjeto opcoes;
    opcoes.threads = NumeroDeThreads();
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& argumento = argumentos[i];
        if (argumento == "--help" || argumento == "-h") return TPedidoDeAjuda{};
        if (argumento == "--threads") {
            if (i + 1 >= argumentos.size()) return "falta o valor de --threads";
            const std::optional<int> threads = LerNumeroDeThreads(argumentos[++i]);
            if (!threads)
                return "--threads deve ser um número inteiro de 1 a " + std::to_string(kMaximoThreads) + ": " +
                       TrechoCitado(argumentos[i]);
            opcoes.threads = *threads;
        } else if (Contem(marcas, argumento)) {
            opcoes.marcas.insert(argumento);
        } else if (Contem(comValor, argumento)) {
            if (i + 1 >= argumentos.size()) return "falta o valor de " + argumento;
            opcoes.valores[argumento] = argumentos[++i];
        } else if (argumento.starts_with("--")) {
            return "opção desconhecida: " + TrechoCitado(argumento);
        } else if (opcoes.projeto.empty()) {
            opcoes.projeto = argumento;
        } else {
            return "mais de um projeto: " + TrechoCitado(argumento);
        }
    }
    if (opcoes.projeto.empty()) return "falta o arquivo do projeto";
    return opcoes;
}

}  // namespace

std::variant<TOpcoesProjeto, int> IniciarComando(const TComandoProjeto& comando, const Argumentos& argumentos,
                                                 std::initializer_list<const char*> marcas,
                                                 std::initializer_list<const char*> comValor, std::ostream& saida,
                                                 std::ostream& erros) {
    auto lidas = LerOpcoes(argumentos, marcas, comValor);
    if (const std::string* problema = std::get_if<std::string>(&lidas))
        return UsoIncorreto(comando, *problema, erros);
    if (std::holds_alternative<TPedidoDeAjuda>(lidas)) {
        saida << "Uso: talvek-calc " << comando.uso << "\n\n" << comando.descricao << '\n';
        return kSucesso;
    }
    TOpcoesProjeto& opcoes = std::get<TOpcoesProjeto>(lidas);
    opcoes.json = opcoes.marcas.contains("--json");
    opcoes.csv = opcoes.marcas.contains("--csv");
    if (opcoes.json && opcoes.csv)
        return UsoIncorreto(comando, "--json e --csv não podem ser usados juntos", erros);
    return std::move(opcoes);
}

std::optional<int> AbrirProjeto(const TOpcoesProjeto& opcoes, TProjeto& projeto, std::ostream& saida,
                                std::ostream& erros) {
    try {
        LerProjeto(opcoes.projeto, projeto.Objetos(), TConversao::NaMemoria);
    } catch (const Exception& e) {
        return Falhar(e.what(), opcoes.json, saida, erros, kFalhaNoArquivo);
    }
    try {
        projeto.Nimbal1.Precipitacao.VerificarParametros();
    } catch (const Exception& e) {
        return Falhar(e.what(), opcoes.json, saida, erros, kFalhaNoCalculo);
    }
    return std::nullopt;
}

std::optional<int> DimensionarProjeto(TProjeto& projeto, bool json, std::ostream& saida, std::ostream& erros) {
    if (projeto.Sistema.Tipo != 2 && projeto.Sistema.Tipo != 3)
        return Falhar("O sistema \"" + projeto.Sistema.Texto() + "\" não é dimensionado.", json, saida, erros,
                      kFalhaNoCalculo);
    if (const std::optional<int> falha = VerificarEntradas(projeto, json, saida, erros)) return falha;
    TCanalDrenagem& canal = projeto.CanalDrenagem;
    try {
        canal.Dimensionar(projeto.Terreno, projeto.Nimbal1.Precipitacao, projeto.Sistema);
    } catch (const EDimensionamento& e) {
        return Falhar(e.what(), json, saida, erros, kFalhaNoCalculo, e.Causa());
    }
    canal.SetHr(AlturaRecomendada(canal.H(), canal.CDu()));
    return std::nullopt;
}

std::optional<int> VerificarEntradas(const TProjeto& projeto, bool json, std::ostream& saida, std::ostream& erros) {
    const std::optional<TEntradaInvalida> invalida = PrimeiraEntradaInvalida(EntradasDoModelo(
        projeto.CanalDrenagem, projeto.Terreno, projeto.Nimbal1.Precipitacao, projeto.Sistema));
    if (!invalida) return std::nullopt;
    return Falhar(invalida->Mensagem, json, saida, erros, kFalhaNoCalculo, invalida->Causa);
}

std::optional<int> IniciarGravacao(const TOpcoesProjeto& opcoes, std::optional<TEdicaoIni>& edicao,
                                   std::ostream& saida, std::ostream& erros) {
    try {
        edicao.emplace(opcoes.projeto, TEdicaoIni::Modo::Gravacao);
    } catch (const Exception& e) {
        return Falhar(e.what(), opcoes.json, saida, erros, kFalhaNoArquivo);
    }
    return std::nullopt;
}

std::optional<int> GravarResultados(const TOpcoesProjeto& opcoes, const TCanalDrenagem& canal, TEdicaoIni& edicao,
                                    std::ostream& saida, std::ostream& erros) {
    try {
        if (!canal.EscreverArquivo(opcoes.projeto))
            throw EArquivoProjeto("Não foi possível gravar o arquivo " + opcoes.projeto + ".");
        edicao.Concluir();
    } catch (const Exception& e) {
        return Falhar(e.what(), opcoes.json, saida, erros, kFalhaNoArquivo);
    }
    return std::nullopt;
}

int UsoIncorreto(const TComandoProjeto& comando, const std::string& problema, std::ostream& erros) {
    erros << "talvek-calc " << comando.nome << ": " << problema << "\nUso: talvek-calc " << comando.uso << '\n';
    return kArgumentosInvalidos;
}

int Falhar(const std::string& mensagem, bool json, std::ostream& saida, std::ostream& erros, int codigo,
           const std::string& causa) {
    if (json) {
        saida << "{\"erro\":" << TextoJson(mensagem);
        if (!causa.empty()) saida << ",\"causa\":" << TextoJson(causa);
        saida << "}\n";
    }
    erros << mensagem << '\n';
    if (!causa.empty()) erros << causa << '\n';
    return codigo;
}

void DefinirRegionalDoAmbiente() {
    const locale_t local = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (local == static_cast<locale_t>(0)) return;
    ConfiguracaoRegional regional = Regional();
    const std::string decimal = nl_langinfo_l(RADIXCHAR, local);
    const std::string milhar = nl_langinfo_l(THOUSEP, local);
    freelocale(local);
    if (decimal.size() == 1) regional.SeparadorDecimal = decimal[0];
    // A locale without a one-byte thousands separator keeps the other of "." and ",".
    regional.SeparadorMilhar = milhar.size() == 1 ? milhar[0] : (regional.SeparadorDecimal == ',' ? '.' : ',');
    DefinirRegional(regional);
}

std::string NumeroJson(double valor) {
    if (!std::isfinite(valor)) return "null";
    char texto[32];
    const auto fim = std::to_chars(texto, texto + sizeof texto, valor).ptr;
    return std::string(texto, fim);
}

std::string TextoJson(const std::string& texto) {
    std::string json = "\"";
    for (const char c : Utf8ComSubstitutos(texto)) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            json += escape;
        } else {
            json += c;
        }
    }
    return json + '"';
}

std::string JsonVerificacao(const TVerificacao& v) {
    const THidraulica& h = v.Hidraulica;
    const TTerraplenagem& t = v.Terraplenagem;
    std::string avisos;
    for (const TAvisoVerificacao& aviso : v.Avisos) avisos += (avisos.empty() ? "" : ",") + TextoJson(aviso.Texto);
    return "{\"A\":" + NumeroJson(h.A) + ",\"P\":" + NumeroJson(h.P) + ",\"R\":" + NumeroJson(h.R) +
           ",\"T\":" + NumeroJson(h.T) + ",\"V\":" + NumeroJson(h.V) + ",\"Froude\":" + NumeroJson(h.Froude) +
           ",\"tau\":" + NumeroJson(h.Tau) + ",\"Vadm\":" + NumeroJson(v.Vadm) +
           ",\"tau_adm\":" + NumeroJson(v.TauAdm) + ",\"escavacao_m3_m\":" + NumeroJson(t.TerraPorMetro) +
           ",\"escavacao_m3_ha\":" + NumeroJson(t.TerraHectare) +
           ",\"comprimento_m_ha\":" + NumeroJson(t.ComprimentoHectare) +
           ",\"area_ocupada_pct\":" + NumeroJson(t.OcupadaPercentual) + ",\"avisos\":[" + avisos + "]" +
           ",\"material\":" + TextoJson(v.Material.Escolhido() ? v.Material.Descricao() : "") +
           ",\"T_Hr\":" + NumeroJson(t.T) + ",\"area_Hr\":" + NumeroJson(t.Area) +
           ",\"area_ocupada_m2_ha\":" + NumeroJson(t.OcupadaHectare) +
           ",\"atendida\":" + (v.Atendida ? "true" : "false") + "}";
}

}  // namespace talvek::cli
