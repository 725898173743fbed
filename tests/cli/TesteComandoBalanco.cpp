// End-to-end runs of talvek-calc balanco and hidrograma --canal on the project files of tests/data.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "ExecucaoCalc.h"
#include "PastaTemporaria.h"

using namespace talvek::teste;

namespace {

std::string Dados(const std::string& nome) { return std::string(TALVEK_DADOS_TESTE) + "/" + nome; }

// The number after "chave": in the JSON text `json`, from the first occurrence of `objeto` on.
double Campo(const std::string& json, const std::string& objeto, const std::string& chave) {
    const std::size_t inicio = json.find("\"" + objeto + "\"");
    const std::size_t p = json.find("\"" + chave + "\":", inicio == std::string::npos ? 0 : inicio);
    return p == std::string::npos ? NAN : std::strtod(json.c_str() + p + chave.size() + 3, nullptr);
}

class ComandoBalanco : public ::testing::Test {
protected:
    ExecucaoCalc Executar(const std::vector<std::string>& argumentos) {
        return ExecutarCalc(argumentos, pasta / "erros.txt");
    }
    PastaTemporaria pasta;
};

}  // namespace

TEST_F(ComandoBalanco, LivrosDoSistemaSemInundacaoFecham) {
    const ExecucaoCalc r = Executar({"balanco", Dados("Encosta3Trapezio.tvk"), "--json"});
    ASSERT_EQ(r.codigo, 0) << r.erros;
    const std::string& j = r.saida;
    const double P = Campo(j, "chuva", "precipitacao_mm");
    EXPECT_NEAR(Campo(j, "chuva", "abstracao_inicial_mm") + Campo(j, "chuva", "infiltracao_mm") +
                    Campo(j, "chuva", "chuva_efetiva_mm"),
                P, 1e-9 * P);
    EXPECT_NEAR(Campo(j, "chuva", "chuva_efetiva_mm"), 31.8138, 1e-4);
    const double entrada = Campo(j, "encosta", "entrada_mm");
    EXPECT_NEAR(Campo(j, "encosta", "saida_mm") + Campo(j, "encosta", "infiltrada_mm") +
                    Campo(j, "encosta", "armazenada_mm") + Campo(j, "encosta", "erro_mm"),
                entrada, 1e-9 * entrada);
    EXPECT_NEAR(Campo(j, "encosta", "erro_pct"), 100 * Campo(j, "encosta", "erro_mm") / entrada, 1e-9);
    const double m3 = Campo(j, "canal", "entrada_m3");
    EXPECT_NEAR(Campo(j, "canal", "saida_m3") + Campo(j, "canal", "armazenada_m3") + Campo(j, "canal", "erro_m3"), m3,
                1e-9 * m3);
    // 100 m of drain, each receiving the strip's 30.84 mm × 20 m.
    EXPECT_NEAR(m3, 100 * 20 * Campo(j, "encosta", "saida_mm") / 1000, 1e-3 * m3);
    EXPECT_GT(Campo(j, "incerteza_pct", "incerteza_pct"), 0);
    EXPECT_NE(j.find("\"depende_da_malha\":false"), std::string::npos);

    const ExecucaoCalc texto = Executar({"balanco", Dados("Encosta3Trapezio.tvk")});
    EXPECT_EQ(texto.codigo, 0);
    EXPECT_NE(texto.saida.find("Incerteza numérica da vazão: "), std::string::npos) << texto.saida;
}

TEST_F(ComandoBalanco, SistemaComInundacaoMostraONumerosDoDimensionamento) {
    const std::string projeto = Dados("Inundacao2Trapezio.tvk");
    const ExecucaoCalc r = Executar({"balanco", projeto, "--json"});
    ASSERT_EQ(r.codigo, 0) << r.erros;
    const ExecucaoCalc dimensionado = Executar({"dimensionar", projeto, "--json"});
    EXPECT_EQ(Campo(r.saida, "dimensionamento", "Q"), Campo(dimensionado.saida, "Q", "Q"));
    EXPECT_NEAR(Campo(r.saida, "dimensionamento", "volume_m3"), 31.8138 * 100 * 20 / 1000, 1e-3);
    EXPECT_EQ(Campo(r.saida, "dimensionamento", "tempo_drenagem_h"), 24);
    EXPECT_EQ(r.saida.find("\"encosta\""), std::string::npos);

    const ExecucaoCalc falha = Executar({"balanco", Dados("Falha3SemSecao.tvk"), "--json"});
    EXPECT_EQ(falha.codigo, 2);
    EXPECT_EQ(falha.saida, "{\"erro\":\"Erro no dimensinamento dos canais\",\"causa\":\"Inclinação da parede do canal "
                           "(Z) = 0: deve ser maior que zero.\"}\n");
}

TEST_F(ComandoBalanco, HidrogramaDoCanalTemOPicoDoDimensionamento) {
    const std::string projeto = Dados("Encosta3Trapezio.tvk");
    const ExecucaoCalc json = Executar({"hidrograma", projeto, "--canal", "--json"});
    ASSERT_EQ(json.codigo, 0) << json.erros;
    ASSERT_EQ(json.saida.rfind("{\"pontos\":[[", 0), 0u);
    const double Q = Campo(Executar({"dimensionar", projeto, "--json"}).saida, "Q", "Q");
    const std::size_t pico = json.saida.find("\"pico\":[");
    ASSERT_NE(pico, std::string::npos);
    const std::size_t virgula = json.saida.find(',', pico);
    EXPECT_EQ(std::strtod(json.saida.c_str() + virgula + 1, nullptr), Q);  // the design flow, to the last digit
    EXPECT_NE(json.saida.find("\"sobe_apos_pico\":false}"), std::string::npos);

    const ExecucaoCalc csv = Executar({"hidrograma", projeto, "--canal", "--csv"});
    // It starts with the hillslope hydrograph, at the end of the abstraction (0.38686 min), without flow.
    EXPECT_EQ(csv.saida.rfind("t,q\n0.3868", 0), 0u) << csv.saida.substr(0, 40);
    EXPECT_NE(csv.saida.find(",0\n"), std::string::npos);
    const ExecucaoCalc tipo2 = Executar({"hidrograma", Dados("Inundacao2Trapezio.tvk"), "--canal"});
    EXPECT_EQ(tipo2.codigo, 2);
    EXPECT_NE(tipo2.erros.find("sem Inundação Parcial"), std::string::npos) << tipo2.erros;
}
