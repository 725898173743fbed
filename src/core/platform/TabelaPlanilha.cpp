#include "platform/TabelaPlanilha.h"

#include <cstdio>

#include "platform/Regional.h"

namespace talvek {

namespace {

std::string Numero(double valor, char separadorDecimal) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.15g", valor);
    std::string numero(texto);
    for (char& c : numero)
        if (c == '.') c = separadorDecimal;
    return numero;
}

}  // namespace

std::string TextoPlanilha(const TTabelaPlanilha& tabela, TFormatoTabela formato) {
    const char decimal = Regional().SeparadorDecimal;
    const bool csv = formato == TFormatoTabela::Csv;
    const char campo = !csv ? '\t' : (decimal == ',' ? ';' : ',');
    const std::string fim = csv ? "\r\n" : "\n";
    std::string texto = csv ? "\xEF\xBB\xBF" : "";
    for (std::size_t k = 0; k < tabela.Colunas.size(); ++k) {
        if (k) texto += campo;
        texto += tabela.Colunas[k];
    }
    texto += fim;
    for (const auto& linha : tabela.Linhas) {
        for (std::size_t k = 0; k < linha.size(); ++k) {
            if (k) texto += campo;
            if (linha[k]) texto += Numero(*linha[k], decimal);
        }
        texto += fim;
    }
    return texto;
}

}  // namespace talvek
