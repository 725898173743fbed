// talvek-calc: the batch calculator. Runs the design computations of Talvek 2.0 on project files and
// the rainfall database, without the window.
#include <cstring>
#include <iostream>
#include <span>

#include "ComandoProjeto.h"
#include "Comandos.h"
#include "platform/Codificacao.h"
#include "platform/Excecoes.h"

namespace talvek::cli {
namespace {

// Registered subcommands, in the order --help lists them.
const Comando kComandos[] = {
    kComandoBanco,
    kComandoIdf,
    kComandoDimensionar,
    kComandoHidrograma,
    kComandoBalanco,
    kComandoSimular,
    kComandoOtimizar,
    kComandoRelatorio,
    kComandoLote,
};

std::span<const Comando> Comandos() { return kComandos; }

void MostrarAjuda(std::ostream& saida) {
    saida << "talvek-calc — calculadora em lote do Talvek 2.0\n\n"
             "Uso: talvek-calc <comando> [opções]\n\n"
             "Comandos:\n";
    for (const Comando& comando : Comandos()) saida << "  " << comando.uso << '\n';
    saida << "  --help    mostra esta ajuda\n";
}

}  // namespace
}  // namespace talvek::cli

int main(int argc, char** argv) {
    using namespace talvek::cli;
    if (argc < 2) {  // no subcommand: a wrong call, the usage goes with the errors
        MostrarAjuda(std::cerr);
        return kArgumentosInvalidos;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        MostrarAjuda(std::cout);
        return kSucesso;
    }
    DefinirRegionalDoAmbiente();
    const Argumentos argumentos(argv + 2, argv + argc);
    for (const Comando& comando : Comandos()) {
        if (std::strcmp(argv[1], comando.nome) != 0) continue;
        try {
            return comando.executar(argumentos, std::cout, std::cerr);
        } catch (const talvek::Exception& e) {
            std::cerr << "talvek-calc: " << e.what() << '\n';
            return kArgumentosInvalidos;
        }
    }
    std::cerr << "talvek-calc: comando desconhecido: " << talvek::TrechoCitado(argv[1]) << "\n";
    MostrarAjuda(std::cerr);
    return kArgumentosInvalidos;
}
