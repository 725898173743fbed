// Runs talvek-calc as a user would, capturing its exit code and what it prints.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace talvek::teste {

struct ExecucaoCalc {
    int codigo = -1;
    std::string saida;  // standard output
    std::string erros;  // standard error
};

inline std::string ParaShell(const std::string& texto) {
    std::string resultado = "'";
    for (const char c : texto) resultado += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return resultado + "'";
}

inline std::string LerTudo(FILE* arquivo) {
    std::string texto;
    char bloco[4096];
    for (std::size_t n; (n = std::fread(bloco, 1, sizeof bloco, arquivo)) > 0;) texto.append(bloco, n);
    return texto;
}

// A run started with its standard error going to `arquivoErros`; Terminar waits for it.
struct ExecucaoIniciada {
    FILE* processo = nullptr;
    std::string arquivoErros;
};

inline ExecucaoIniciada IniciarCalc(const std::vector<std::string>& argumentos, const std::string& arquivoErros) {
    std::string comando = "LC_ALL=C " + ParaShell(TALVEK_CALC);
    for (const std::string& a : argumentos) comando += " " + ParaShell(a);
    comando += " 2>" + ParaShell(arquivoErros);
    return {popen(comando.c_str(), "r"), arquivoErros};
}

inline ExecucaoCalc TerminarCalc(const ExecucaoIniciada& iniciada) {
    ExecucaoCalc e;
    if (!iniciada.processo) return e;
    e.saida = LerTudo(iniciada.processo);
    const int estado = pclose(iniciada.processo);
    e.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    if (FILE* erros = std::fopen(iniciada.arquivoErros.c_str(), "rb")) {
        e.erros = LerTudo(erros);
        std::fclose(erros);
    }
    return e;
}

inline ExecucaoCalc ExecutarCalc(const std::vector<std::string>& argumentos, const std::string& arquivoErros) {
    return TerminarCalc(IniciarCalc(argumentos, arquivoErros));
}

// Runs talvek-calc in a child process in which no file may grow beyond `limiteBytes` bytes, as on a disk
// that fills at that byte (the outputs go through pipes, which the limit does not touch).
inline ExecucaoCalc ExecutarCalcComDiscoCheio(const std::vector<std::string>& argumentos, rlim_t limiteBytes) {
    int saida[2], erros[2];
    ExecucaoCalc e;
    if (::pipe(saida) != 0 || ::pipe(erros) != 0) return e;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(saida[1], STDOUT_FILENO);
        ::dup2(erros[1], STDERR_FILENO);
        for (const int p : {saida[0], saida[1], erros[0], erros[1]}) ::close(p);
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead of ending the run
        rlimit limite{};
        ::getrlimit(RLIMIT_FSIZE, &limite);
        limite.rlim_cur = limiteBytes;
        ::setrlimit(RLIMIT_FSIZE, &limite);
        ::setenv("LC_ALL", "C", 1);
        std::vector<char*> argv{const_cast<char*>(TALVEK_CALC)};
        for (const std::string& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(TALVEK_CALC, argv.data());
        ::_exit(127);
    }
    ::close(saida[1]);
    ::close(erros[1]);
    FILE* fluxoSaida = ::fdopen(saida[0], "rb");
    FILE* fluxoErros = ::fdopen(erros[0], "rb");
    e.saida = LerTudo(fluxoSaida);
    e.erros = LerTudo(fluxoErros);
    std::fclose(fluxoSaida);
    std::fclose(fluxoErros);
    int estado = 0;
    ::waitpid(pid, &estado, 0);
    e.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    return e;
}

}  // namespace talvek::teste
