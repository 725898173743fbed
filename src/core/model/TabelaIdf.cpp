#include "model/TabelaIdf.h"

#include <cmath>

#include "model/uPrecipitacao.h"
#include "platform/Numeros.h"

namespace talvek {

namespace {

TPrecipitacaoExponencialNegativa Tormenta(const TParametrosIdf& p, double trAnos) {
    TPrecipitacaoExponencialNegativa precipitacao;
    precipitacao.SetTr(trAnos);
    precipitacao.SetK(p.K);
    precipitacao.SetA(p.A);
    precipitacao.SetB(p.B);
    precipitacao.SetC(p.C);
    return precipitacao;
}

}  // namespace

TParametrosIdf ParametrosDe(const TPrecipitacaoExponencialNegativa& precipitacao) {
    return {precipitacao.K(), precipitacao.A(), precipitacao.B(), precipitacao.C()};
}

double IntensidadeMediaIdf(const TParametrosIdf& p, double trAnos, double duracaoMin) {
    return Tormenta(p, trAnos).IntensidadeMedia(duracaoMin);
}

TTabelaIdf TabelaIdf(const TParametrosIdf& p, const std::vector<double>& trAnos) {
    TTabelaIdf tabela;
    tabela.DuracoesMin.assign(kDuracoesTabelaMin.begin(), kDuracoesTabelaMin.end());
    tabela.TrAnos = trAnos;
    for (const double tr : trAnos) {
        const TPrecipitacaoExponencialNegativa precipitacao = Tormenta(p, tr);
        std::vector<double>& intensidades = tabela.IntensidadesMmH.emplace_back();
        std::vector<double>& laminas = tabela.LaminasMm.emplace_back();
        for (const double t : tabela.DuracoesMin) {
            intensidades.push_back(precipitacao.IntensidadeMedia(t));
            laminas.push_back(precipitacao.Lamina(t));
        }
    }
    return tabela;
}

std::vector<TPontoCurvaIdf> CurvaIdf(const TParametrosIdf& p, double trAnos, int pontos) {
    const TPrecipitacaoExponencialNegativa precipitacao = Tormenta(p, trAnos);
    const double razao = std::log(kDuracaoMaximaCurvaMin / kDuracaoMinimaCurvaMin);
    std::vector<TPontoCurvaIdf> curva;
    for (int k = 0; k < pontos; ++k) {
        const double t = k + 1 == pontos ? kDuracaoMaximaCurvaMin
                                         : kDuracaoMinimaCurvaMin * std::exp(razao * k / (pontos - 1));
        curva.push_back({t, precipitacao.IntensidadeMedia(t)});
    }
    return curva;
}

TTabelaPlanilha TabelaCurvasIdf(const TParametrosIdf& p, const std::vector<double>& trAnos) {
    TTabelaPlanilha tabela{{"Duração (min)"}, {}};
    for (const double tr : trAnos) {
        tabela.Colunas.push_back("Intensidade para Tr = " + FormatarGeral(tr) + " anos (mm/h)");
        const std::vector<TPontoCurvaIdf> curva = CurvaIdf(p, tr);
        tabela.Linhas.resize(curva.size());
        for (std::size_t k = 0; k < curva.size(); ++k) {
            if (tabela.Linhas[k].empty()) tabela.Linhas[k].push_back(curva[k].DuracaoMin);
            tabela.Linhas[k].push_back(curva[k].IntensidadeMmH);
        }
    }
    return tabela;
}

}  // namespace talvek
