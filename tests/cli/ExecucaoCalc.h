// Runs talvek-calc as a user would, capturing its exit code and what it prints.
#pragma once

#include <sys/wait.h>

#include <cstdio>
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

inline ExecucaoCalc ExecutarCalc(const std::vector<std::string>& argumentos, const std::string& arquivoErros) {
    std::string comando = "LC_ALL=C " + ParaShell(TALVEK_CALC);
    for (const std::string& a : argumentos) comando += " " + ParaShell(a);
    comando += " 2>" + ParaShell(arquivoErros);
    ExecucaoCalc e;
    FILE* processo = popen(comando.c_str(), "r");
    if (!processo) return e;
    char bloco[4096];
    for (std::size_t n; (n = std::fread(bloco, 1, sizeof bloco, processo)) > 0;) e.saida.append(bloco, n);
    const int estado = pclose(processo);
    e.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    if (FILE* erros = std::fopen(arquivoErros.c_str(), "rb")) {
        for (std::size_t n; (n = std::fread(bloco, 1, sizeof bloco, erros)) > 0;) e.erros.append(bloco, n);
        std::fclose(erros);
    }
    return e;
}

}  // namespace talvek::teste
