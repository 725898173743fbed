#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "CanalExemplo.h"
#include "ChuvaExemplo.h"
#include "design/uBalancoHidrico.h"
#include "design/uCanal.h"
#include "model/uPrecipitacao.h"
#include "project/Projeto.h"

using namespace talvek;

namespace {

TTerreno Terreno(std::uint8_t uso, std::uint8_t tratamento, std::uint8_t condicao, double VIB, double St, double nt) {
    TTerreno t;
    t.Cobertura.UsoTerra.Indice = uso;
    t.Cobertura.Tratamento.Indice = tratamento;
    t.Cobertura.CondicaoHidrologica.Indice = condicao;
    t.SetVIB(VIB);
    t.SetSt(St);
    t.nt.Valor = nt;
    return t;
}

// The two worked hillslopes: bare soil over 20 m, and row crops over 100 m.
TTerreno SemCultivo() { return Terreno(0, 0, 0, 20, 0.01, 0.1); }
TTerreno Fileiras() { return Terreno(1, 1, 3, 60, 0.02, 0.05); }

// Lavoura3 with a 100 m drain on a soil of `VIB` mm/h: above 100 mm/h the channel's grid is the finest tier.
void LerLavoura(TProjeto& p, double VIB) {
    LerProjeto(std::string(TALVEK_DADOS_TESTE) + "/Lavoura3.tvk", p.Objetos());
    p.CanalDrenagem.SetComprimento(100);
    p.Terreno.SetVIB(VIB);
}

struct Caso {
    const char* nome;
    TTerreno terreno;
    double EH;
    std::uint8_t tipo;
    bool sobeAposPico;
};

std::vector<Caso> Casos() {
    return {
        {"primeiro exemplo, trapézio", SemCultivo(), 20, TTipoCanal::Trapezoidal, false},
        {"primeiro exemplo, triângulo", SemCultivo(), 20, TTipoCanal::Triangular, false},
        {"segundo exemplo, trapézio", Fileiras(), 100, TTipoCanal::Trapezoidal, false},
        {"segundo exemplo, triângulo", Fileiras(), 100, TTipoCanal::Triangular, false},
    };
}

TCanalDrenagem Canal(const Caso& caso) {
    TCanalDrenagem canal = CanalExemplo(caso.tipo);
    canal.SetEH(caso.EH);
    return canal;
}

// Index of the point just before the first fall of the outflow.
std::size_t AntesDaPrimeiraQueda(const std::vector<TPontoHidrograma>& pontos) {
    std::size_t k = 0;
    while (k + 1 < pontos.size() && !(pontos[k + 1].Vazao < pontos[k].Vazao)) ++k;
    return k;
}

void ExpectHidrogramaCompleto(const TBalancoSemInundacao& b, double Q, bool sobeAposPico) {
    const std::vector<TPontoHidrograma>& pontos = b.Canal.Pontos;
    ASSERT_GT(pontos.size(), 2u);
    EXPECT_EQ(b.Canal.Pico.Vazao, Q);  // bit for bit
    const std::size_t k = AntesDaPrimeiraQueda(pontos);
    EXPECT_EQ(pontos[k].Vazao, Q);
    EXPECT_EQ(pontos[k].Tempo, b.Canal.Pico.Tempo);
    EXPECT_EQ(b.Canal.SobeAposPico(), sobeAposPico);
    EXPECT_GE(b.Canal.Maximo.Vazao, Q);
    // It ends once the lateral inflow has ended and the outflow is below 0.1 % of its highest value, not before.
    EXPECT_GE(pontos.back().Tempo, b.Encosta.Pontos().back().Tempo);
    EXPECT_LT(pontos.back().Vazao, 0.001 * b.Canal.Maximo.Vazao);
    EXPECT_GE(pontos[pontos.size() - 2].Vazao, 0.001 * b.Canal.Maximo.Vazao);
}

}  // namespace

TEST(BalancoSemInundacao, PicoDoHidrogramaDoCanalEhAVazaoDeProjeto) {
    const TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    for (const Caso& caso : Casos()) {
        SCOPED_TRACE(caso.nome);
        TCanalDrenagem projeto = Canal(caso);
        projeto.Dimensionar(caso.terreno, chuva, Sistema(3));
        TCanalDrenagem canal = Canal(caso);
        const TBalancoSemInundacao b = MedirSemInundacao(canal, caso.terreno, chuva);
        ExpectHidrogramaCompleto(b, projeto.Q(), caso.sobeAposPico);
        // The measured hillslope is the design's own hydrograph, point for point.
        const THidrograma encosta = canal.Encosta.GerarHidrograma(canal.Encosta.NumeroTrechos(), chuva);
        ASSERT_EQ(b.Encosta.NumeroPontos(), encosta.NumeroPontos());
        for (std::size_t i = 0; i < encosta.Pontos().size(); ++i) {
            EXPECT_EQ(b.Encosta.Pontos()[i].Tempo, encosta.Pontos()[i].Tempo);
            EXPECT_EQ(b.Encosta.Pontos()[i].Vazao, encosta.Pontos()[i].Vazao);
        }
    }
    // A channel whose outflow falls once early and later rises above that first value.
    TProjeto p;
    LerLavoura(p, 100.5);
    p.CanalDrenagem.Dimensionar(p.Terreno, p.Nimbal1.Precipitacao, p.Sistema);
    const double Q = p.CanalDrenagem.Q();
    ExpectHidrogramaCompleto(MedirSemInundacao(p.CanalDrenagem, p.Terreno, p.Nimbal1.Precipitacao), Q, true);
}

TEST(BalancoSemInundacao, TermosDeCadaLivroSomamAEntrada) {
    const TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    for (const Caso& caso : Casos()) {
        SCOPED_TRACE(caso.nome);
        TCanalDrenagem canal = Canal(caso);
        const TBalancoSemInundacao b = MedirSemInundacao(canal, caso.terreno, chuva);
        const TBalancoEncosta& e = b.BalancoEncosta;
        EXPECT_NEAR(e.Saida + e.Infiltrada + e.Armazenada + e.Erro(), e.Entrada, 1e-9 * e.Entrada);
        EXPECT_EQ(e.Saida, b.Encosta.Volume());
        EXPECT_EQ(e.Comprimento, caso.EH);
        // The excess the scheme adds is the curve-number excess of the field, but for the sampling of its
        // falling rate at the end of every step.
        EXPECT_NEAR(e.Mm(e.Entrada), b.Chuva.ChuvaEfetiva, 0.03 * b.Chuva.ChuvaEfetiva);
        EXPECT_LT(e.Mm(e.Entrada), b.Chuva.ChuvaEfetiva);
        EXPECT_GT(e.Infiltrada, 0);

        const TBalancoCanal& c = b.Canal.Balanco;
        EXPECT_NEAR(c.Saida + c.Armazenada + c.Erro(), c.Entrada(), 1e-9 * c.Entrada());
        // Every metre of the drain receives the hillslope's outflow: 100 m × L/m = m³ / 10.
        EXPECT_NEAR(c.Entrada(), 100 * b.Encosta.Volume() / 1000, 1e-3 * c.Entrada());
        EXPECT_GT(c.Montante, 0);

        const TBalancoChuva& s = b.Chuva;
        EXPECT_EQ(s.Duracao, b.Encosta.Pontos().back().Tempo);
        EXPECT_NEAR(s.AbstracaoInicial + s.Infiltracao + s.ChuvaEfetiva, s.Precipitacao, 1e-9 * s.Precipitacao);
        EXPECT_DOUBLE_EQ(s.Precipitacao, chuva.Lamina(s.Duracao));
    }
}

// The worked hillslopes lose 3 % and 19 % of the curve-number excess on their way out: the scheme adds a
// little less than the formula (it samples the falling excess rate at the end of each step), the water still
// on the slope after the end of runoff infiltrates, and the continuity error is small.
TEST(BalancoSemInundacao, LivroDasEncostasDosExemplos) {
    const TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    const struct {
        TTerreno terreno;
        int comprimento;
        double entrada, saida, infiltrada, erroPct;  // mm over the strip, and % of the inflow
    } casos[] = {
        {SemCultivo(), 20, 31.277, 30.841, 0.351, 0.27},
        {Fileiras(), 100, 10.762, 8.995, 1.765, 0.02},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.comprimento);
        TEncostaCinematica encosta;
        encosta.Atribuir(caso.terreno);
        encosta.SetComprimento(caso.comprimento);
        const TBalancoEncosta e = encosta.GerarHidrogramaMedido(chuva).Balanco;
        EXPECT_NEAR(e.Mm(e.Entrada), caso.entrada, 0.001);
        EXPECT_NEAR(e.Mm(e.Saida), caso.saida, 0.001);
        EXPECT_NEAR(e.Mm(e.Infiltrada), caso.infiltrada, 0.001);
        EXPECT_NEAR(e.Mm(e.Armazenada), 0, 1e-6);
        EXPECT_NEAR(e.ErroPct(), caso.erroPct, 0.005);
    }
}

TEST(BalancoSemInundacao, RoteamentoDoExemploCompleto) {
    // Lateral inflow rising to 0.5 L/s per metre at 10 min and back to 0 at 30 min: 45 m³ over 100 m.
    THidrograma h;
    h.Adicionar(0, 0);
    h.Adicionar(10, 0.5);
    h.Adicionar(30, 0);
    const TCanalDrenagem canal = CanalExemplo(TTipoCanal::Trapezoidal);
    const THidrogramaCanal r = canal.HidrogramaCanal(100, h, 20, 0.02, 0.002, 0.03);
    const TRoteamentoCanal projeto = canal.CalculaHidrogramaCanal(100, h, 20, 0.02, 0.002, 0.03);
    EXPECT_EQ(r.Pico.Vazao, VazaoDeProjeto(projeto.Pico));
    EXPECT_NEAR(r.Pico.Tempo, 0.32 * (projeto.Passos - 1), 1e-9);
    EXPECT_NEAR(r.Balanco.Entrada(), 45, 0.01);
    EXPECT_NEAR(r.Balanco.Saida + r.Balanco.Armazenada + r.Balanco.Erro(), r.Balanco.Entrada(), 1e-9 * 45);
    EXPECT_NEAR(r.Balanco.ErroPct(), -0.0012, 0.0002);  // −0.5 L of 45 m³
}

TEST(DetalheComInundacao, NumerosDoProprioDimensionamento) {
    const TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    const TTerreno terreno = SemCultivo();
    for (const std::uint8_t tipo : {TTipoCanal::Trapezoidal, TTipoCanal::Triangular}) {
        SCOPED_TRACE(int{tipo});
        TCanalDrenagem canal = CanalExemplo(tipo);
        canal.Dimensionar(terreno, chuva, Sistema(2));
        const TDetalheComInundacao d = DetalharComInundacao(canal, terreno, chuva);
        EXPECT_EQ(d.Q, canal.Q());
        EXPECT_EQ(d.Chuva.ChuvaEfetiva, terreno.PrecipitacaoEfetiva(chuva));
        EXPECT_NEAR(d.Chuva.ChuvaEfetiva, 31.8138, 1e-4);
        EXPECT_NEAR(d.Volume, 31.8138 * 100 * 20 / 1000, 1e-3);  // mm × m² → m³
        EXPECT_EQ(d.TD, 24);
        EXPECT_NEAR(d.Volume / (d.TD * 3600) * 1000, d.Q, 1e-12);
        EXPECT_EQ(d.Chuva.Duracao, chuva.TempoIntensidade(20));
        EXPECT_NEAR(d.Chuva.AbstracaoInicial, 1.5711, 1e-4);
        EXPECT_NEAR(d.Chuva.AbstracaoInicial + d.Chuva.Infiltracao + d.Chuva.ChuvaEfetiva, d.Chuva.Precipitacao, 1e-9);
    }
    TCanalDrenagem semTempo = CanalExemplo(TTipoCanal::Triangular);
    semTempo.SetTD(0);
    EXPECT_THROW(DetalharComInundacao(semTempo, terreno, chuva), EDimensionamento);
}

// Above 100 mm/h the routing's steps are the finest tier: on Lavoura3's 100 m drain the design takes an early
// first fall of the outflow that the halved grids do not have, and the flow depends on the grid; at 100 mm/h
// it does not.
TEST(IncertezaNumerica, DependeDaMalhaOndeOsDegrausMudam) {
    const struct {
        double VIB;
        bool dependeDaMalha;
    } casos[] = {{100, false}, {100.5, true}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.VIB);
        TProjeto p;
        LerLavoura(p, caso.VIB);
        p.CanalDrenagem.Dimensionar(p.Terreno, p.Nimbal1.Precipitacao, p.Sistema);
        const double Q = p.CanalDrenagem.Q();
        const TIncerteza inc = IncertezaNumerica(p.CanalDrenagem, p.Terreno, p.Nimbal1.Precipitacao, Q);
        EXPECT_EQ(inc.Q, Q);
        EXPECT_NEAR(inc.Pct, 100 * std::abs(inc.QRefinado - Q) / Q, 1e-12);
        EXPECT_EQ(inc.DependeDaMalha(), caso.dependeDaMalha);
        // The finer design is a design: its flow is of the same order, and not the coarse one again.
        EXPECT_NE(inc.QRefinado, Q);
        EXPECT_NEAR(inc.QRefinado, Q, 0.6 * Q);
    }
    const TMalhaCanal malha = MalhaCanal(100, 100.5);
    const TMalhaCanal fina = MalhaCanalRefinada(malha, 2);
    EXPECT_EQ(fina.Nos, 2 * malha.Nos);
    EXPECT_EQ(fina.dt, malha.dt / 2);
    EXPECT_EQ(fina.dx, malha.dx / 2);
    const TMalhaEncosta encosta = MalhaEncosta(20, 100.5);
    const TMalhaEncosta encostaFina = MalhaRefinada(encosta, 2);
    EXPECT_EQ(encostaFina.Nos, 2 * encosta.Nos);
    EXPECT_EQ(encostaFina.dt, encosta.dt / 2);
    EXPECT_EQ(encostaFina.dx, encosta.dx / 2);
}
