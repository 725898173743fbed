// The water-balance tables and the report's "BALANÇO HÍDRICO" section.
#include <gtest/gtest.h>

#include <string>

#include "../design/CanalExemplo.h"
#include "ChuvaExemplo.h"
#include "design/uBalancoHidrico.h"
#include "platform/Regional.h"
#include "project/Projeto.h"
#include "report/TextoBalanco.h"
#include "report/TextoRelatorio.h"

using namespace talvek;

namespace {

// The first worked hillslope (bare soil, VIB 20 mm/h, St 0.01, nt 0.1) beside the 100 m example drain.
TTerreno SemCultivo() {
    TTerreno t;
    t.SetVIB(20);
    t.SetSt(0.01);
    t.nt.Valor = 0.1;
    return t;
}

std::size_t Posicao(const std::string& texto, const std::string& trecho) { return texto.find(trecho); }

}  // namespace

TEST(TextoBalanco, TabelasDeCadaSistemaComUnidades) {
    const TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    const TTerreno terreno = SemCultivo();
    const struct {
        std::uint8_t sistema;
        std::vector<std::string> trechos;  // headers with units and values of the worked example
        std::vector<std::string> ausentes;
    } casos[] = {
        {2,
         {"Lâmina (mm)", "Volume a drenar por dreno (m³)", "Tempo de drenagem (h)", "Vazão de projeto (L/s)",
          "<TD ALIGN=RIGHT>31.81</TD>", "<TD ALIGN=RIGHT>63.628</TD>", "<TD ALIGN=RIGHT>0.74</TD>"},
         {"Volume (L/m)", "Incerteza (%)"}},
        {3,
         {"Lâmina (mm)", "Volume (L/m)", "Volume (m³)", "Fração da entrada (%)", "Incerteza (%)",
          "faixa de 20 m", "<TD ALIGN=RIGHT>31.28</TD>", "<TD ALIGN=RIGHT>30.84</TD>", "<TD ALIGN=RIGHT>0.27</TD>"},
         {"Volume a drenar por dreno (m³)"}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(int{caso.sistema});
        TCanalDrenagem canal = CanalExemplo(TTipoCanal::Trapezoidal);
        const std::string texto = TabelasBalanco(CalcularBalancoHidrico(canal, terreno, chuva, Sistema(caso.sistema)));
        for (const std::string& trecho : caso.trechos) EXPECT_NE(Posicao(texto, trecho), std::string::npos) << trecho;
        for (const std::string& trecho : caso.ausentes) EXPECT_EQ(Posicao(texto, trecho), std::string::npos) << trecho;
    }
}

TEST(TextoBalanco, SecaoDoRelatorioEntreResultadosESimulacao) {
    TProjeto p;
    LerProjeto(std::string(TALVEK_DADOS_TESTE) + "/Lavoura3.tvk", p.Objetos());
    // A 100 m drain on 100.5 mm/h: the outflow rises again after the design's first fall, and the flow
    // depends on the grid.
    p.CanalDrenagem.SetComprimento(100);
    p.Terreno.SetVIB(100.5);
    p.CanalDrenagem.Dimensionar(p.Terreno, p.Nimbal1.Precipitacao, p.Sistema);
    const TBalancoHidrico balanco =
        CalcularBalancoHidrico(p.CanalDrenagem, p.Terreno, p.Nimbal1.Precipitacao, p.Sistema);
    EXPECT_EQ(AvisosBalanco(balanco).size(), 2u);

    TDadosRelatorio dados{p.Sistema,    p.CanalDrenagem, p.Terreno, p.Nimbal1.Precipitacao,    {},
                          p.Identificacao, p.Unidades,  "",        "/", TTamanhoFigura{400, 300}, nullptr,
                          std::nullopt};
    EXPECT_EQ(Posicao(TextoRelatorio(dados), "BALANÇO HÍDRICO"), std::string::npos);
    dados.Balanco = &balanco;
    const std::string semFigura = TextoRelatorio(dados);
    EXPECT_EQ(Posicao(semFigura, kFiguraHidrograma), std::string::npos);
    dados.GraficoHidrograma = TTamanhoFigura{640, 420};
    const std::string texto = TextoRelatorio(dados);
    const std::size_t secao = Posicao(texto, "<FONT SIZE=3><B>BALANÇO HÍDRICO</B></FONT>");
    ASSERT_NE(secao, std::string::npos);
    EXPECT_LT(Posicao(texto, "RESULTADOS"), secao);
    EXPECT_LT(secao, Posicao(texto, "SIMULAÇÃO"));
    EXPECT_NE(Posicao(texto, "<IMG SRC=\"hidrograma.png\" HEIGHT=420 WIDTH=640>"), std::string::npos);
    EXPECT_NE(Posicao(texto, kAvisoMalha), std::string::npos);
    EXPECT_NE(Posicao(texto, kAvisoSubida), std::string::npos);
}

// The hydrograph page's table: each hydrograph keeps its own times, the shorter one's cells stay empty.
TEST(TextoBalanco, TabelaDosDoisHidrogramasComTemposProprios) {
    TBalancoSemInundacao b;
    for (const auto& [t, q] : {std::pair{0.0, 0.0}, {2.5, 0.125}, {5.0, 0.5}}) b.Encosta.Adicionar(t, q);
    b.Canal.Pontos = {{0.0, 0.0}, {3.0, 12.75}};
    RegionalTemporario virgula({.SeparadorDecimal = ','});
    EXPECT_EQ(TextoPlanilha(TabelaHidrogramas(b), TFormatoTabela::Texto),
              "Tempo da encosta (min)\tEncosta (L/s por m)\tTempo do dreno (min)\tDreno (L/s)\n"
              "0\t0\t0\t0\n2,5\t0,125\t3\t12,75\n5\t0,5\t\t\n");
}
