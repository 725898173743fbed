#include "project/TabelaSimulacao.h"

namespace talvek {

std::string TabelaSimulacao(const std::vector<TLinhaSimulacao>& linhas, TEntradaSimulacao entrada,
                            TFormatoTabela formato) {
    TTabelaPlanilha tabela;
    tabela.Colunas.push_back(DescricaoEntrada(entrada).TituloEixo);
    for (TSaidaSimulacao saida : {TSaidaSimulacao::Q, TSaidaSimulacao::H, TSaidaSimulacao::Hr})
        tabela.Colunas.push_back(DescricaoSaida(saida).TituloEixo);
    for (const TLinhaSimulacao& linha : linhas) tabela.Linhas.push_back({linha.X, linha.Q, linha.H, linha.Hr});
    return TextoPlanilha(tabela, formato);
}

}  // namespace talvek
