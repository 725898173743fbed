#include "project/TabelaSimulacao.h"

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

std::string TabelaSimulacao(const std::vector<TLinhaSimulacao>& linhas, TEntradaSimulacao entrada,
                            TFormatoTabela formato) {
    const char decimal = Regional().SeparadorDecimal;
    const bool csv = formato == TFormatoTabela::Csv;
    const char campo = !csv ? '\t' : (decimal == ',' ? ';' : ',');
    const std::string fim = csv ? "\r\n" : "\n";
    std::string tabela = csv ? "\xEF\xBB\xBF" : "";
    tabela += DescricaoEntrada(entrada).TituloEixo;
    for (TSaidaSimulacao saida : {TSaidaSimulacao::Q, TSaidaSimulacao::H, TSaidaSimulacao::Hr})
        tabela += campo + std::string(DescricaoSaida(saida).TituloEixo);
    tabela += fim;
    for (const TLinhaSimulacao& linha : linhas) {
        tabela += Numero(linha.X, decimal);
        for (double valor : {linha.Q, linha.H, linha.Hr}) tabela += campo + Numero(valor, decimal);
        tabela += fim;
    }
    return tabela;
}

}  // namespace talvek
