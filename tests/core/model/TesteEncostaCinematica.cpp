#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ChuvaExemplo.h"
#include "model/uEncostaCinematica.h"
#include "model/uPrecipitacao.h"
#include "platform/Excecoes.h"

using namespace talvek;

namespace {

TEncostaCinematica Encosta(int uso, int tratamento, int condicao, double vib, double st, double nt, int comprimento) {
    TEncostaCinematica encosta;
    encosta.Cobertura.UsoTerra.Indice = uso;
    encosta.Cobertura.Tratamento.Indice = tratamento;
    encosta.Cobertura.CondicaoHidrologica.Indice = condicao;
    encosta.SetVIB(vib);
    encosta.SetSt(st);
    encosta.nt.Valor = nt;
    encosta.SetComprimento(comprimento);
    return encosta;
}

// First example: bare soil, VIB 20 mm/h, St 0.01, nt 0.1, 20 m.
TEncostaCinematica EncostaSemCultivo() { return Encosta(0, 0, 0, 20, 0.01, 0.1, 20); }
// Second example: row crops, straight rows, good condition, VIB 60 mm/h, St 0.02, nt 0.05, 100 m.
TEncostaCinematica EncostaFileiras() { return Encosta(1, 1, 3, 60, 0.02, 0.05, 100); }

THidrograma Gerar(TEncostaCinematica& encosta, TPrecipitacaoExponencialNegativa& chuva) {
    return encosta.GerarHidrograma(encosta.NumeroTrechos(), chuva);
}

const TPontoHidrograma& Pico(const THidrograma& h) {
    return *std::max_element(h.Pontos().begin(), h.Pontos().end(),
                             [](const auto& a, const auto& b) { return a.Vazao < b.Vazao; });
}

bool RecessaoNaoSobe(const THidrograma& h) {
    const auto& p = h.Pontos();
    auto i = std::find_if(p.begin(), p.end(), [&](const auto& x) { return &x == &Pico(h); });
    return std::adjacent_find(i, p.end(), [](const auto& a, const auto& b) { return b.Vazao > a.Vazao; }) == p.end();
}

struct ProgressoGravado : IProgresso {
    std::vector<std::string> chamadas;
    void CursorOcupado(bool ocupado) override { chamadas.push_back(ocupado ? "ocupado" : "normal"); }
    void ProcessarEventos() override { chamadas.push_back("eventos"); }
};

}  // namespace

TEST(EncostaCinematica, ComprimentoNegativoERecusado) {
    TEncostaCinematica encosta;
    encosta.SetComprimento(30);
    try {
        encosta.SetComprimento(-1);
        ADD_FAILURE() << "a negative length was accepted";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "O Item do comprimento da encosta não pode ser menor ou igual a zero.");
    }
    EXPECT_EQ(encosta.Comprimento(), 30);
    encosta.SetComprimento(0);
    EXPECT_EQ(encosta.Comprimento(), 0);

    encosta.SetVIB(12);
    encosta.Limpar();
    EXPECT_EQ(encosta.VIB(), 0);
    EXPECT_EQ(encosta.Comprimento(), 0);
}

TEST(EncostaCinematica, MalhaPorComprimento) {
    const struct {
        int comprimento, trechos;
        double dx;
    } casos[] = {{1, 100, 0.01}, {20, 100, 0.2}, {50, 100, 0.5}, {51, 102, 0.5}, {100, 200, 0.5}, {210, 420, 0.5}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.comprimento);
        TEncostaCinematica encosta;
        encosta.SetComprimento(caso.comprimento);
        EXPECT_EQ(encosta.NumeroTrechos(), caso.trechos);
        const TMalhaEncosta malha = MalhaEncosta(caso.comprimento, 20);
        EXPECT_DOUBLE_EQ(malha.dx, caso.dx);
        EXPECT_EQ(malha.Nos, caso.trechos);
    }
}

TEST(EncostaCinematica, PassoDeTempoPelaInfiltracao) {
    const struct {
        double vib, dt;
    } casos[] = {{0, 0.35},  {10, 0.35}, {10.5, 0.3}, {30, 0.3},   {30.5, 0.25}, {60, 0.25},
                 {60.5, 0.2}, {90, 0.2},  {120, 0.15}, {120.5, 0.1}, {121, 0.1}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.vib);
        EXPECT_EQ(MalhaEncosta(20, caso.vib).dt, caso.dt);
    }
}

TEST(EncostaCinematica, PrimeiroExemplo) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TEncostaCinematica encosta = EncostaSemCultivo();
    EXPECT_NEAR(TempoFinalEscoamento(chuva, 20), 49.9227, 1e-4);
    const TMalhaEncosta malha = MalhaEncosta(20, 20);
    EXPECT_DOUBLE_EQ(malha.dx, 0.2);
    EXPECT_EQ(malha.Nos, 100);
    EXPECT_EQ(malha.dt, 0.3);
    EXPECT_NEAR(ProfundidadeCritica(1.0, malha), 0.00054433, 1e-8);  // α = √0.01 / 0.1 = 1

    const THidrograma h = Gerar(encosta, chuva);
    EXPECT_FALSE(encosta.SemEscoamento());
    const auto& p = h.Pontos();
    ASSERT_GT(p.size(), 3u);
    EXPECT_NEAR(p[0].Tempo, 0.38686, 1e-5);  // Ta
    EXPECT_EQ(p[0].Vazao, 0);
    EXPECT_NEAR(p[1].Tempo, 0.68686, 1e-5);
    EXPECT_NEAR(p[1].Vazao, 0.010500, 1e-6);
    EXPECT_NEAR(p[2].Tempo, 0.98686, 1e-5);
    EXPECT_NEAR(p[2].Vazao, 0.032036, 1e-6);
    EXPECT_NEAR(Pico(h).Vazao, 0.66123, 1e-5);
    EXPECT_NEAR(Pico(h).Tempo, 6.3869, 1e-4);
    EXPECT_EQ(h.NumeroPontos(), 219);
    EXPECT_NEAR(p.back().Tempo, 65.8, 0.05);
    EXPECT_EQ(p.back().Vazao, 0);
    EXPECT_NEAR(h.Volume(), 617, 0.5);  // L per metre of drain: ≈ 30.8 mm over the strip
    EXPECT_TRUE(RecessaoNaoSobe(h));
    // The re-rise near the end was straightened: the last points fall on one line to zero at the end.
    const double taxa = p[p.size() - 6].Vazao / (p.back().Tempo - p[p.size() - 6].Tempo);
    for (std::size_t i = p.size() - 5; i < p.size(); ++i)
        EXPECT_NEAR(p[i].Vazao, (p.back().Tempo - p[i].Tempo) * taxa, 1e-12);
}

TEST(EncostaCinematica, SegundoExemplo) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TEncostaCinematica encosta = EncostaFileiras();
    EXPECT_NEAR(encosta.AbstracaoInicial(), 5.6444, 1e-4);
    EXPECT_NEAR(TempoFinalEscoamento(chuva, 60), 15.808, 1e-3);
    const TMalhaEncosta malha = MalhaEncosta(100, 60);
    EXPECT_EQ(malha.dx, 0.5);
    EXPECT_EQ(malha.Nos, 200);
    EXPECT_EQ(malha.dt, 0.25);

    const THidrograma h = Gerar(encosta, chuva);
    const auto& p = h.Pontos();
    ASSERT_GT(p.size(), 3u);
    EXPECT_NEAR(p[0].Tempo, 1.5087, 1e-4);  // Ta
    EXPECT_NEAR(p[1].Tempo, 1.7587, 1e-4);
    EXPECT_NEAR(p[1].Vazao, 0.010742, 1e-6);
    EXPECT_NEAR(Pico(h).Vazao, 1.2667, 1e-4);
    EXPECT_NEAR(Pico(h).Tempo, 11.009, 1e-3);
    EXPECT_EQ(h.NumeroPontos(), 111);
    EXPECT_NEAR(p.back().Tempo, 29.0, 0.05);
    EXPECT_EQ(p.back().Vazao, 0);
    EXPECT_NEAR(h.Volume(), 899, 0.5);  // ≈ 9.0 mm over the strip
    EXPECT_TRUE(RecessaoNaoSobe(h));
    // No re-rise: the tail keeps its curvature instead of a straight line.
    const double taxa = p[p.size() - 6].Vazao / (p.back().Tempo - p[p.size() - 6].Tempo);
    EXPECT_GT(std::fabs(p[p.size() - 3].Vazao - (p.back().Tempo - p[p.size() - 3].Tempo) * taxa), 1e-4);
}

TEST(EncostaCinematica, SemEscoamentoDaHidrogramaVazio) {
    const struct {
        const char* nome;
        double K, Tr, vib;
        int uso, tratamento, condicao;
    } casos[] = {
        // Ta ≈ 30.242 min after tf ≈ 21.777 min: the abstraction is never filled.
        {"abstraction", 1000, 10, 45, 4, 2, 3},
        // i0 below VIB: tf is not computed (it would raise the no-runoff message).
        {"intensity below VIB", 1000, 10, 300, 0, 0, 0},
        {"K = 0", 0, 10, 5, 0, 0, 0},
        {"Tr = 0", 1000, 0, 5, 0, 0, 0},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
        chuva.SetK(caso.K);
        chuva.SetTr(caso.Tr);
        TEncostaCinematica encosta = Encosta(caso.uso, caso.tratamento, caso.condicao, caso.vib, 0.02, 0.05, 100);
        const THidrograma h = Gerar(encosta, chuva);
        EXPECT_EQ(h.NumeroPontos(), 0);
        EXPECT_TRUE(encosta.SemEscoamento());
    }
    // The flag is cleared by the next computation.
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TEncostaCinematica encosta = EncostaFileiras();
    encosta.SetVIB(300);
    Gerar(encosta, chuva);
    encosta.SetVIB(60);
    EXPECT_GT(Gerar(encosta, chuva).NumeroPontos(), 100);
    EXPECT_FALSE(encosta.SemEscoamento());
}

TEST(EncostaCinematica, IntensidadeInicialIgualAVIBEAvisada) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    chuva.SetK(0);  // i0 = 0
    TEncostaCinematica encosta = EncostaFileiras();
    encosta.SetVIB(0);
    try {
        Gerar(encosta, chuva);
        ADD_FAILURE() << "no message";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Para as condições especificadas, não há ocorrência de escoamento.");
    }
}

TEST(EncostaCinematica, TempoFinalSemConvergenciaPedeORelato) {
    // With VIB = 0 the intensity only tends to 0: Newton runs off to ever later times.
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TEncostaCinematica encosta = EncostaFileiras();
    encosta.SetVIB(0);
    try {
        Gerar(encosta, chuva);
        ADD_FAILURE() << "no message";
    } catch (const Exception& e) {
        const std::string mensagem = e.what();
        const std::string inicio = "Não houve convergência quando calculando o tempo final do escoamento.\n";
        EXPECT_EQ(mensagem.substr(0, inicio.size()), inicio);
        EXPECT_NE(mensagem.find("Talvek 2.0"), std::string::npos);
        EXPECT_NE(mensagem.find("suporte@talvek.example"), std::string::npos);
    }
}

TEST(EncostaCinematica, FalhasAritmeticasAntesDaPropagacaoChegamAoChamador) {
    const struct {
        const char* nome;
        void (*estragar)(TEncostaCinematica&, TPrecipitacaoExponencialNegativa&);
    } casos[] = {
        {"length 0", [](TEncostaCinematica& e, TPrecipitacaoExponencialNegativa&) { e.SetComprimento(0); }},
        {"roughness 0", [](TEncostaCinematica& e, TPrecipitacaoExponencialNegativa&) { e.nt.Valor = 0; }},
        {"negative slope", [](TEncostaCinematica& e, TPrecipitacaoExponencialNegativa&) { e.SetSt(-0.01); }},
        {"storm with B = 0", [](TEncostaCinematica&, TPrecipitacaoExponencialNegativa& c) { c.SetB(0); }},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
        TEncostaCinematica encosta = EncostaFileiras();
        caso.estragar(encosta, chuva);
        EXPECT_THROW(encosta.GerarHidrograma(100, chuva), EAritmetica);
    }
}

TEST(EncostaCinematica, FalhaAritmeticaNaPropagacaoSoEncerraOHidrograma) {
    // A flat field has α = 0: the top-node inflow divides by zero at the first step of the routing, which
    // ends there with the single starting point; the hydrograph is then empty.
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TEncostaCinematica encosta = EncostaFileiras();
    encosta.SetSt(0);
    THidrograma h;
    ASSERT_NO_THROW(h = Gerar(encosta, chuva));
    EXPECT_EQ(h.NumeroPontos(), 0);
    EXPECT_FALSE(encosta.SemEscoamento());
}

// Regression: a runoff longer than the hydrograph's 16-bit point counter must fail the computation with a
// clear message, not wrap the counter, and the routing must not swallow that failure as an arithmetic one.
TEST(EncostaCinematica, EscoamentoAlemDe65535PontosFalha) {
    TPrecipitacaoExponencialNegativa chuva;  // slow storm: runoff over VIB 1 mm/h lasts about 30000 min
    chuva.SetTr(1);
    chuva.SetK(346);
    chuva.SetA(0.2);
    chuva.SetB(10);
    chuva.SetC(0.5);
    TEncostaCinematica encosta = Encosta(0, 0, 0, 1, 0.01, 0.1, 1);
    try {
        Gerar(encosta, chuva);
        ADD_FAILURE() << "the hydrograph overflowed silently";
    } catch (const EAritmetica&) {
        ADD_FAILURE() << "reported as an arithmetic fault";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "O hidrograma atingiu o limite de 65535 pontos.");
    }
}

TEST(EncostaCinematica, CursorOcupadoEEventosPeloGanchoDeProgresso) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TEncostaCinematica encosta = EncostaFileiras();
    ProgressoGravado progresso;
    encosta.Progresso = &progresso;
    Gerar(encosta, chuva);
    EXPECT_EQ(progresso.chamadas, (std::vector<std::string>{"ocupado", "eventos", "normal"}));

    progresso.chamadas.clear();  // a failure restores the cursor too
    encosta.SetVIB(0);
    EXPECT_THROW(Gerar(encosta, chuva), Exception);
    EXPECT_EQ(progresso.chamadas, (std::vector<std::string>{"ocupado", "normal"}));

    encosta.Progresso = nullptr;
    encosta.SetVIB(60);
    EXPECT_EQ(Gerar(encosta, chuva).NumeroPontos(), 111);
}

// A long strip (5 km: 10 000 nodes) lets the window's events run while it is routed, not only before, once
// per 250 000 node updates.
TEST(EncostaCinematica, FaixaLongaDeixaOsEventosCorrerDuranteAPropagacao) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TEncostaCinematica encosta = Encosta(1, 1, 3, 60, 0.02, 0.05, 5000);
    ProgressoGravado progresso;
    encosta.Progresso = &progresso;
    const THidrograma h = Gerar(encosta, chuva);
    const std::int64_t atualizacoes = std::int64_t(encosta.NumeroTrechos() - 1) * (h.NumeroPontos() - 2);
    const auto eventos = std::count(progresso.chamadas.begin(), progresso.chamadas.end(), "eventos");
    EXPECT_GE(eventos, 1 + atualizacoes / 250'000 - 1) << atualizacoes;
    EXPECT_LE(eventos, 1 + atualizacoes / 250'000 + 1) << atualizacoes;
    EXPECT_GT(eventos, 5);
    EXPECT_EQ(progresso.chamadas.front(), "ocupado");
    EXPECT_EQ(progresso.chamadas.back(), "normal");
}

// The work of a run is estimated from below before the grid is allocated: never above what the run takes
// (a run that fits is never refused), and a strip far beyond the limits is refused at once, without its
// memory (10⁹ m would need 64 GB) or its ten seconds of routing (400 km).
TEST(EncostaCinematica, TrabalhoEstimadoAntesDaMalha) {
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    for (const int comprimento : {20, 500, 5000}) {
        for (TEncostaCinematica encosta : {Encosta(0, 0, 0, 20, 0.01, 0.1, comprimento),
                                           Encosta(1, 1, 3, 60, 0.02, 0.05, comprimento)}) {
            const double estimado = encosta.AtualizacoesEstimadas(chuva);
            const THidrograma h = Gerar(encosta, chuva);  // one point per time step, and the two ends
            const double feito = double(encosta.NumeroTrechos() - 1) * (h.NumeroPontos() - 2);
            EXPECT_GT(estimado, 0) << comprimento;
            EXPECT_LE(estimado, feito) << comprimento;
        }
    }
    const struct {
        int comprimento;
        const char* mensagem;
    } recusas[] = {
        {1'000'000'000,
         "Espaçamento horizontal (comprimento da encosta) = 1000000000 m: a malha da encosta passaria de 1 milhão de "
         "nós."},
        {400'000,
         "Espaçamento horizontal (comprimento da encosta) = 400000 m: o cálculo da encosta passaria de 200 milhões de "
         "passos da malha."},
    };
    for (const auto& recusa : recusas) {
        TEncostaCinematica encosta = Encosta(0, 0, 0, 5, 0.01, 0.1, recusa.comprimento);  // 200 min of rain
        ProgressoGravado progresso;
        encosta.Progresso = &progresso;
        try {
            Gerar(encosta, chuva);
            ADD_FAILURE() << recusa.comprimento;
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), recusa.mensagem);
        }
        EXPECT_EQ(std::count(progresso.chamadas.begin(), progresso.chamadas.end(), "eventos"), 0)
            << "refused before the routing";
    }
}
