// The evidence behind the query's parameters: the listed weights are the interpolation's own, the
// great-circle distances, the thin-evidence warnings and the line of the stations not listed.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "PastaTemporaria.h"
#include "platform/Regional.h"
#include "rainfall/EvidenciaChuva.h"
#include "rainfall/ImportacaoBD.h"

using namespace talvek;
using talvek::teste::PastaTemporaria;

namespace {

constexpr int kMinas = 12, kSaoPaulo = 24;

TEstacao Estacao(const std::string& nome, const std::string& latitude, const std::string& longitude, double k) {
    return {nome, k, 0.2, 10, 0.8, "ANA", latitude, longitude};
}

TBDPrecipitacao BancoEm(const PastaTemporaria& pasta, const TGruposEstacoes& grupos) {
    GravarEstacoes(pasta / formato_bd::kArquivoEstacoes, grupos);
    TBDPrecipitacao banco(pasta.ComoPasta());
    banco.LerEstacoes();
    return banco;
}

}  // namespace

// Recomputing K, a, b, c from the listed stations and weights gives what Interpolar gives.
TEST(EvidenciaChuva, PesosSaoOsDaInterpolacao) {
    TBDPrecipitacao banco(TALVEK_ARQUIVOS_COMUNS);
    banco.LerEstacoes();
    const std::pair<const char*, const char*> pontos[] = {
        {"21°14'23\"", "45°00'00\""}, {"19°55'00\"", "43°56'00\""}, {"07°00'00\"", "60°00'00\""},
        {"23°33'00\"", "46°38'00\""}, {"12°58'00\"", "38°30'00\""}};
    for (const auto& [latitude, longitude] : pontos) {
        const TEstacao r = banco.Interpolar(latitude, longitude);
        const TEvidenciaChuva e = EvidenciaInterpolacao(banco, latitude, longitude);
        ASSERT_GT(e.Estacoes.size(), 100u) << latitude;
        double soma = 0, k = 0, a = 0, b = 0, c = 0;
        for (std::size_t i = 0; i < e.Estacoes.size(); ++i) {
            const TEstacaoContribuinte& s = e.Estacoes[i];
            if (i > 0) {
                EXPECT_GE(e.Estacoes[i - 1].Peso, s.Peso) << latitude;
            }
            soma += s.Peso;
            k += s.Peso * s.K;
            a += s.Peso * s.A;
            b += s.Peso * s.B;
            c += s.Peso * s.C;
        }
        EXPECT_NEAR(soma, 1, 1e-12) << latitude;
        EXPECT_NEAR(k, r.K, 1e-12 * r.K) << latitude;
        EXPECT_NEAR(a, r.A, 1e-12 * r.A) << latitude;
        EXPECT_NEAR(b, r.B, 1e-12 * r.B) << latitude;
        EXPECT_NEAR(c, r.C, 1e-12 * r.C) << latitude;
    }
    // At a station: that station alone, 100 %.
    const TEstacao& estacao = banco.Estacoes(kMinas).at(3);
    const TEvidenciaChuva exata = EvidenciaInterpolacao(banco, estacao.Latitude, estacao.Longitude);
    ASSERT_EQ(exata.Estacoes.size(), 1u);
    EXPECT_EQ(exata.Estacoes[0].Nome, estacao.Nome);
    EXPECT_EQ(exata.Estacoes[0].Estado, "MG");
    EXPECT_EQ(exata.Estacoes[0].Peso, 1);
    EXPECT_EQ(exata.Estacoes[0].DistanciaKm, 0);
    EXPECT_TRUE(exata.Avisos.empty());
}

// Hand values by the spherical law of cosines on the 6371 km sphere.
TEST(EvidenciaChuva, DistanciaNoCirculoMaximo) {
    struct Caso {
        double lat1, lon1, lat2, lon2, km;
    };
    const Caso casos[] = {
        {23 + 33 / 60.0, 46 + 38 / 60.0, 22 + 54 / 60.0, 43 + 12 / 60.0, 358.19},  // São Paulo – Rio de Janeiro
        {19 + 55 / 60.0, 43 + 56 / 60.0, 15 + 47 / 60.0, 47 + 52 / 60.0, 620.04},  // Belo Horizonte – Brasília
        {20, 45, 20, 45, 0},
    };
    for (const Caso& c : casos) {
        EXPECT_NEAR(DistanciaKm(c.lat1, c.lon1, c.lat2, c.lon2), c.km, 0.5);
        EXPECT_NEAR(DistanciaKm(c.lat2, c.lon2, c.lat1, c.lon1), c.km, 0.5);
    }
}

// Two stations 30 km apart east–west: "Primeira" (K 1000) and "Segunda" (K as the case says).
TEST(EvidenciaChuva, AvisosDeEvidenciaFraca) {
    struct Caso {
        const char* latitude;
        const char* longitude;
        double kSegunda;
        bool avisoDistancia;
        bool avisoDivergencia;
    };
    const Caso casos[] = {
        {"20°00'30\"", "45°00'00\"", 2000, false, false},  // 0.9 km from Primeira, which carries the weight
        {"20°32'22\"", "45°00'00\"", 1100, true, false},   // 60.0 km south of it; the two agree within 10 %
        {"20°32'22\"", "45°00'00\"", 2000, true, true},    // the same, the two differ by 100 %
        {"20°00'30\"", "45°08'37\"", 2000, false, true},   // halfway, 15 km from each
    };
    for (const Caso& c : casos) {
        PastaTemporaria pasta;
        TGruposEstacoes grupos;
        grupos[kMinas] = {Estacao("Primeira", "20°00'00\"", "45°00'00\"", 1000)};
        grupos[kSaoPaulo] = {Estacao("Segunda", "20°00'00\"", "45°17'14\"", c.kSegunda)};
        RegionalTemporario regional({.SeparadorDecimal = '.'});
        const TEvidenciaChuva e = EvidenciaInterpolacao(BancoEm(pasta, grupos), c.latitude, c.longitude);
        std::string avisos;
        for (const std::string& aviso : e.Avisos) avisos += aviso + "\n";
        EXPECT_EQ(avisos.find("A estação mais próxima (Primeira) está a 60 km: a equação interpolada pode não "
                              "representar o local.") != std::string::npos,
                  c.avisoDistancia)
            << avisos;
        EXPECT_EQ(avisos.find("As estações próximas divergem: ") != std::string::npos, c.avisoDivergencia) << avisos;
        EXPECT_EQ(e.Avisos.size(), std::size_t{c.avisoDistancia} + c.avisoDivergencia) << avisos;
    }
}

TEST(EvidenciaChuva, LinhaDasOutrasEstacoes) {
    RegionalTemporario regional({.SeparadorDecimal = '.'});
    TEvidenciaChuva e;
    const auto comPeso = [](double peso) {
        TEstacaoContribuinte estacao;
        estacao.Peso = peso;
        return estacao;
    };
    for (int i = 0; i < 10; ++i) e.Estacoes.push_back(comPeso(0.09));
    EXPECT_FALSE(LinhaOutrasEstacoes(e));
    e.Estacoes.push_back(comPeso(0.04));
    EXPECT_EQ(LinhaOutrasEstacoes(e), "outra 1 estação: 4.0 %");
    e.Estacoes.push_back(comPeso(0.06));
    EXPECT_EQ(LinhaOutrasEstacoes(e), "outras 2 estações: 10.0 %");
}
