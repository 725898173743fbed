// The IDF table and curves: every value is the storm's own average intensity and depth.
#include <gtest/gtest.h>

#include <cmath>

#include "model/TabelaIdf.h"
#include "model/uPrecipitacao.h"
#include "platform/Excecoes.h"

using namespace talvek;

TEST(TabelaIdf, ValoresSaoOsDaChuvaDeProjeto) {
    const TParametrosIdf p{1000, 0.2, 10, 0.8};
    const TTabelaIdf tabela = TabelaIdf(p);
    ASSERT_EQ(tabela.TrAnos, (std::vector<double>{2, 5, 10, 25, 50, 100}));
    ASSERT_EQ(tabela.DuracoesMin, (std::vector<double>{5, 10, 15, 30, 60, 120, 360, 720, 1440}));
    for (std::size_t i = 0; i < tabela.TrAnos.size(); ++i) {
        TPrecipitacaoExponencialNegativa chuva;
        chuva.SetTr(tabela.TrAnos[i]);
        chuva.SetK(p.K);
        chuva.SetA(p.A);
        chuva.SetB(p.B);
        chuva.SetC(p.C);
        for (std::size_t j = 0; j < tabela.DuracoesMin.size(); ++j) {
            EXPECT_EQ(tabela.IntensidadesMmH[i][j], chuva.IntensidadeMedia(tabela.DuracoesMin[j]));
            EXPECT_EQ(tabela.LaminasMm[i][j], chuva.Lamina(tabela.DuracoesMin[j]));
        }
    }
    // The worked storm: Tr 10 years, 10 min → 144.270 mm/h; 60 min → 52.957 mm.
    EXPECT_NEAR(tabela.IntensidadesMmH[2][1], 144.270, 5e-4);
    EXPECT_NEAR(tabela.LaminasMm[2][4], 52.957, 5e-4);
    EXPECT_THROW(TabelaIdf({1000, -0.2, 10, 0.8}), Exception);
}

TEST(TabelaIdf, CurvaDeCincoMinutosAVinteQuatroHorasEmEscalaLogaritmica) {
    const TParametrosIdf p{1000, 0.2, 10, 0.8};
    const std::vector<TPontoCurvaIdf> curva = CurvaIdf(p, 10, 5);
    ASSERT_EQ(curva.size(), 5u);
    EXPECT_EQ(curva.front().DuracaoMin, 5);
    EXPECT_EQ(curva.back().DuracaoMin, 1440);
    EXPECT_NEAR(curva[2].DuracaoMin, std::sqrt(5 * 1440.0), 1e-9);  // the geometric middle
    for (const TPontoCurvaIdf& ponto : curva)
        EXPECT_EQ(ponto.IntensidadeMmH, IntensidadeMediaIdf(p, 10, ponto.DuracaoMin));
}
