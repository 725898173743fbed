// Subcommands of talvek-calc. Each takes its own arguments (after the subcommand's name), writes its
// results to `saida` and its messages to `erros`, and returns the process exit code.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace talvek::cli {

using Argumentos = std::vector<std::string>;

struct Comando {
    const char* nome;
    const char* uso;  // one line shown by --help
    int (*executar)(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros);
};

// The subcommands, each defined in its own file (ComandoX.cpp).
extern const Comando kComandoBanco;
extern const Comando kComandoIdf;
extern const Comando kComandoDimensionar;
extern const Comando kComandoHidrograma;
extern const Comando kComandoBalanco;
extern const Comando kComandoSimular;
extern const Comando kComandoOtimizar;
extern const Comando kComandoRelatorio;
extern const Comando kComandoLote;

}  // namespace talvek::cli
