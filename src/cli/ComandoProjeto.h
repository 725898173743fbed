// What the subcommands that work on a project file (dimensionar, hidrograma, simular) share: their
// options, exit codes, regional settings, the opening of the project and the JSON texts.
#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>

#include "Comandos.h"
#include "platform/ArquivoIni.h"
#include "project/Projeto.h"

namespace talvek {
struct TVerificacao;
}

namespace talvek::cli {

// Exit codes.
inline constexpr int kSucesso = 0;
inline constexpr int kArgumentosInvalidos = 1;
inline constexpr int kFalhaNoCalculo = 2;   // a sizing or hillslope that failed
inline constexpr int kFalhaNoArquivo = 3;   // a project that does not open or cannot be written

// A subcommand on a project file: its name, its usage line and what --help says of it.
struct TComandoProjeto {
    const char* nome;
    const char* uso;
    const char* descricao;
};

struct TOpcoesProjeto {
    std::string projeto;                          // the one positional argument
    std::set<std::string> marcas;                 // flags given, such as "--gravar"
    std::map<std::string, std::string> valores;  // options with a value, such as "--saida" → "Q"
    bool json = false;                            // results as JSON (--json)
    bool csv = false;                             // results as CSV (--csv)
    int threads = 1;                              // threads for independent designs (--threads N)
};

// The common start of a subcommand on a project: reads PROJETO.tvk and the options (`marcas` the flags it
// takes, `comValor` the options with a value, and --threads N that every one of them takes), refusing
// --json with --csv. Gives the options, or the exit
// code when the subcommand ends here: the usage printed for a wrong argument, the help for --help.
std::variant<TOpcoesProjeto, int> IniciarComando(const TComandoProjeto& comando, const Argumentos& argumentos,
                                                 std::initializer_list<const char*> marcas,
                                                 std::initializer_list<const char*> comValor, std::ostream& saida,
                                                 std::ostream& erros);

// Opens the project named in the options and checks its storm parameters, which a file edited by hand can
// hold negative (the desktop program refuses them on "Calcular"). On failure the message is reported as
// Falhar does and its exit code returned: kFalhaNoArquivo for the file, kFalhaNoCalculo for the storm.
// A project of the earlier layout is converted in memory only: a subcommand writes a project only inside
// an edit of its own (dimensionar --gravar).
std::optional<int> AbrirProjeto(const TOpcoesProjeto& opcoes, TProjeto& projeto, std::ostream& saida,
                                std::ostream& erros);

// Sizes the project's drain as the desktop program's "Calcular" does, with the recommended height of the
// project's non-uniformity coefficient. A system type that is not sized, an input that VerificarEntradas
// refuses, or a failed sizing (with its cause), is reported as Falhar does; its exit code, kFalhaNoCalculo,
// is returned.
std::optional<int> DimensionarProjeto(TProjeto& projeto, bool json, std::ostream& saida, std::ostream& erros);

// The checks of the desktop program's "Calcular" on the project's inputs (uVerificacaoEntradas.h): the
// first that fails is reported as Falhar does and kFalhaNoCalculo returned.
std::optional<int> VerificarEntradas(const TProjeto& projeto, bool json, std::ostream& saida, std::ostream& erros);

// --gravar: the edit of the project file that holds its lock from before it is read until its one
// replacement, started in `edicao`; a file that cannot be locked is reported as Falhar does and
// kFalhaNoArquivo returned.
std::optional<int> IniciarGravacao(const TOpcoesProjeto& opcoes, std::optional<TEdicaoIni>& edicao,
                                   std::ostream& saida, std::ostream& erros);

// Writes the sized channel's results into the project file of `edicao` and replaces the file once; a failure
// is reported as Falhar does and kFalhaNoArquivo returned.
std::optional<int> GravarResultados(const TOpcoesProjeto& opcoes, const TCanalDrenagem& canal, TEdicaoIni& edicao,
                                    std::ostream& saida, std::ostream& erros);

// Prints the problem and the usage to `erros`; returns kArgumentosInvalidos.
int UsoIncorreto(const TComandoProjeto& comando, const std::string& problema, std::ostream& erros);

// A failure: the message on `erros`, and for --json also {"erro":"…"} on `saida`; returns `codigo`. A
// `causa` (why a sizing failed) follows as "causa" beside "erro", and as a second line on `erros`.
int Falhar(const std::string& mensagem, bool json, std::ostream& saida, std::ostream& erros, int codigo,
           const std::string& causa = {});

// Decimal and thousands separators from the environment's numeric locale (LC_ALL, LC_NUMERIC, LANG); the
// settings' defaults when it names no locale installed here.
void DefinirRegionalDoAmbiente();

// A number that reads back exactly, with "." ("null" when it is not finite), and a quoted JSON text (bytes
// that are not UTF-8, as in a path, become U+FFFD: JSON is always UTF-8).
std::string NumeroJson(double valor);
std::string TextoJson(const std::string& texto);

// "verificacao" of dimensionar --json and lote --json: the checks in the core's units (m, m², m/s, Pa, m³/m,
// m/ha, m³/ha, %); a quantity that is not defined (no material, no shear limit, no ridge) is null.
std::string JsonVerificacao(const TVerificacao& v);

}  // namespace talvek::cli
