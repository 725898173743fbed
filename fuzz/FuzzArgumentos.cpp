// talvek-calc's arguments: a subcommand chosen by the first byte, then random arguments (separated by NUL
// bytes) run in a scratch folder that holds a sound project "p.tvk". Arguments naming other folders (with
// "/") are skipped, so that every file the run reads or writes is inside the scratch folder.
// Invariants:
// - only the program's own exceptions leave a subcommand (talvek-calc reports those with exit code 1);
// - the exit code is 0, 1 (bad arguments), 2 (failed computation) or 3 (file problem);
// - bad arguments print nothing on the standard output and the problem with the usage line on the error
//   output; a success prints nothing on the error output;
// - a JSON answer is well formed: balanced, and every text properly escaped, whatever the arguments echo;
//   it is valid UTF-8 (bytes of an argument that are not become U+FFFD), and a failure reported in it is
//   reported on the error output as well;
// - the project file changes only when "--gravar" was given.
#include <sstream>
#include <string>
#include <vector>

#include "Comandos.h"
#include "ComumFuzz.h"
#include "platform/Codificacao.h"

using namespace talvek;
using namespace talvek::fuzz;

namespace {

const cli::Comando* const kComandos[] = {&cli::kComandoBanco, &cli::kComandoIdf, &cli::kComandoDimensionar,
                                         &cli::kComandoHidrograma, &cli::kComandoSimular,
                                         &cli::kComandoRelatorio};

const std::string& ProjetoExemplo() {
    static const std::string bytes = LerBytes(TALVEK_PROJETO_EXEMPLO);
    return bytes;
}

// Whether `texto` is one JSON object or array followed by a line break: brackets balanced outside
// texts, no control character inside a text, only the escapes JSON knows.
bool JsonBemFormado(const std::string& texto) {
    if (texto.size() < 3 || texto.back() != '\n') return false;
    std::string pilha;
    for (std::size_t i = 0; i + 1 < texto.size(); ++i) {
        const char c = texto[i];
        if (c == '"') {
            for (++i;; ++i) {
                if (i + 1 >= texto.size()) return false;
                const unsigned char d = static_cast<unsigned char>(texto[i]);
                if (d == '"') break;
                if (d < 0x20) return false;
                if (d == '\\') {
                    const char e = texto[++i];
                    if (e == 'u') {
                        if (i + 4 >= texto.size()) return false;
                        for (int k = 1; k <= 4; ++k)
                            if (!std::isxdigit(static_cast<unsigned char>(texto[i + k]))) return false;
                        i += 4;
                    } else if (std::string("\"\\/bfnrt").find(e) == std::string::npos) {
                        return false;
                    }
                }
            }
        } else if (c == '{' || c == '[') {
            pilha += c;
        } else if (c == '}' || c == ']') {
            if (pilha.empty() || pilha.back() != (c == '}' ? '{' : '[')) return false;
            pilha.pop_back();
            if (pilha.empty() && i + 2 != texto.size()) return false;  // one value only
        }
    }
    return pilha.empty() && (texto[0] == '{' || texto[0] == '[');
}

void LimparRascunho() {
    const PastaRascunho& pasta = PastaRascunho::Instancia();
    std::error_code erro;
    for (const auto& entrada : std::filesystem::directory_iterator(pasta.Caminho(), erro))
        std::filesystem::remove_all(entrada.path(), erro);
    GravarBytes(pasta / "p.tvk", ProjetoExemplo());
}

// Runs the subcommand with the scratch folder as working folder, and gives the fuzzer its own folder back
// before it reads or writes its corpus again.
int ExecutarNoRascunho(const cli::Comando& comando, const cli::Argumentos& argumentos, std::ostream& saida,
                       std::ostream& erros) {
    const std::filesystem::path anterior = std::filesystem::current_path();
    std::filesystem::current_path(PastaRascunho::Instancia().Caminho());
    int codigo = 1;
    Executar([&] { codigo = comando.executar(argumentos, saida, erros); });
    std::filesystem::current_path(anterior);
    return codigo;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Exigir(!ProjetoExemplo().empty(), "projeto de exemplo", TALVEK_PROJETO_EXEMPLO);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0) return 0;
    const cli::Comando& comando = *kComandos[dados[0] % std::size(kComandos)];
    cli::Argumentos argumentos;
    std::string atual;
    bool gravar = false;
    for (std::size_t i = 1; i <= tamanho; ++i) {
        if (i == tamanho || dados[i] == 0) {
            if (atual.find('/') != std::string::npos) return 0;
            gravar = gravar || atual == "--gravar";
            argumentos.push_back(atual);
            atual.clear();
        } else {
            atual += static_cast<char>(dados[i]);
        }
    }
    if (tamanho == 1) argumentos.clear();

    LimparRascunho();
    std::ostringstream saida, erros;
    const int codigo = ExecutarNoRascunho(comando, argumentos, saida, erros);
    const std::string descricao = std::string(comando.nome) + " " + Visivel(saida.str()) + " | " + Visivel(erros.str());

    Exigir(codigo >= 0 && codigo <= 3, "código de saída 0 a 3", std::to_string(codigo) + ": " + descricao);
    if (codigo == 1 && !erros.str().empty()) {
        Exigir(saida.str().empty(), "argumentos errados não escrevem na saída", descricao);
        Exigir(erros.str().starts_with(std::string("talvek-calc ") + comando.nome + ": "), "o erro nomeia o comando",
               descricao);
        Exigir(erros.str().find("\nUso: talvek-calc ") != std::string::npos, "o erro mostra o uso", descricao);
    }
    if (codigo == 0) Exigir(erros.str().empty(), "um sucesso não escreve erros", descricao);
    if (saida.str().starts_with("{") || saida.str().starts_with("[")) {
        Exigir(JsonBemFormado(saida.str()), "JSON bem formado", descricao);
        Exigir(EUtf8Valido(saida.str()), "JSON em UTF-8 válido", descricao);
        if (saida.str().find("\"erro\":") != std::string::npos)
            Exigir(!erros.str().empty(), "a falha em JSON também vai para a saída de erros", descricao);
    }
    if (!gravar)
        Exigir(LerBytes(PastaRascunho::Instancia() / "p.tvk") == ProjetoExemplo(), "o projeto só muda com --gravar",
               descricao);
    return 0;
}
