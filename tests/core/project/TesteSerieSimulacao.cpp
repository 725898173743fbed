#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

#include "platform/Regional.h"
#include "project/Projeto.h"
#include "project/SerieSimulacao.h"
#include "project/TabelaSimulacao.h"

using namespace talvek;

namespace {

// The worked hillslope (20 m strip, land use 0, VIB 20 mm/h, St 0.01, nt 0.1) draining into a 100 m
// triangular drain (Sm 0.5, n 0.03, Sc 0.002), CDu 1.2.
const std::string kEncosta = std::string(TALVEK_DADOS_TESTE) + "/Encosta3Triangular.tvk";

void Abrir(TProjeto& projeto, const std::string& caminho) { LerProjeto(caminho, projeto.Objetos()); }

TSerieSimulacao Simular(TProjeto& p, TEntradaSimulacao entrada) {
    return talvek::Simular(entrada, p.CanalDrenagem, p.Terreno, p.Nimbal1.Precipitacao);
}

// The series on `threads` threads, with the rows its callback received, in the order received.
TSerieSimulacao SimularEmThreads(TProjeto& p, TEntradaSimulacao entrada, int threads, std::vector<int>& avisadas,
                                 std::int64_t limite = TContadorAtualizacoes::kMaximoAtualizacoes) {
    return talvek::Simular(
        entrada, p.CanalDrenagem, p.Terreno, p.Nimbal1.Precipitacao,
        [&avisadas](int indice, const TLinhaSimulacao&) { avisadas.push_back(indice); }, nullptr,
        {.Threads = threads, .Parar = {}, .LimiteAtualizacoes = limite});
}

// Every bit of every row, the error and its cause; the rows were announced 0, 1, 2… in order.
void EsperarIguais(const TSerieSimulacao& serie, const TSerieSimulacao& sequencial, const std::vector<int>& avisadas,
                   const std::string& caso) {
    ASSERT_EQ(serie.Linhas.size(), sequencial.Linhas.size()) << caso;
    for (std::size_t i = 0; i < serie.Linhas.size(); ++i) {
        const TLinhaSimulacao& a = serie.Linhas[i];
        const TLinhaSimulacao& b = sequencial.Linhas[i];
        EXPECT_TRUE(a.Valor == b.Valor && a.X == b.X && a.Texto == b.Texto && a.Q == b.Q && a.H == b.H &&
                    a.Hr == b.Hr && a.V == b.V)
            << caso << " row " << i;
    }
    EXPECT_EQ(serie.Erro, sequencial.Erro) << caso;
    EXPECT_EQ(serie.Causa, sequencial.Causa) << caso;
    std::vector<int> ordem(serie.Linhas.size());
    for (std::size_t i = 0; i < ordem.size(); ++i) ordem[i] = static_cast<int>(i);
    EXPECT_EQ(avisadas, ordem) << caso;
}

}  // namespace

TEST(SerieSimulacao, VinteEUmValoresDeCadaEntrada) {
    RegionalTemporario regional({.SeparadorDecimal = '.'});
    struct Caso {
        TEntradaSimulacao entrada;
        double primeiro, segundo, ultimo;  // model units
        const char* textoPrimeiro;
        const char* textoUltimo;  // the axis value by the input's picture
    };
    const Caso casos[] = {
        {TEntradaSimulacao::Comp, 50, 100, 1050, "50", "1050"},
        {TEntradaSimulacao::EH, 10, 20, 210, "10.0", "210.0"},
        {TEntradaSimulacao::nc, 0.01, 0.015, 0.11, "1.0", "11.0"},
        {TEntradaSimulacao::nt, 0.01, 0.04, 0.61, "1.0", "61.0"},
        {TEntradaSimulacao::Sc, 0.0005, 0.001, 0.0105, "5.0", "105.0"},
        {TEntradaSimulacao::St, 0.01, 0.03, 0.41, "1.0", "41.0"},
        {TEntradaSimulacao::VIB, 5, 10, 105, "5.0", "105.0"},
    };
    TProjeto p;
    Abrir(p, kEncosta);
    for (const Caso& caso : casos) {
        const TSerieSimulacao serie = Simular(p, caso.entrada);
        const char* nome = DescricaoEntrada(caso.entrada).Nome;
        ASSERT_EQ(serie.Linhas.size(), 21u) << nome << ": " << serie.Erro.value_or("");
        EXPECT_FALSE(serie.Erro) << nome;
        EXPECT_NEAR(serie.Linhas[0].Valor, caso.primeiro, 1e-12) << nome;
        EXPECT_NEAR(serie.Linhas[1].Valor, caso.segundo, 1e-12) << nome;
        EXPECT_NEAR(serie.Linhas[20].Valor, caso.ultimo, 1e-12) << nome;
        EXPECT_EQ(serie.Linhas[0].Texto, caso.textoPrimeiro) << nome;
        EXPECT_EQ(serie.Linhas[20].Texto, caso.textoUltimo) << nome;
        for (const TLinhaSimulacao& linha : serie.Linhas) {
            EXPECT_GT(linha.Q, 0) << nome << " " << linha.Texto;
            EXPECT_NEAR(linha.Hr, std::sqrt(1.2) * linha.H + 10, 1e-12) << nome << " " << linha.Texto;
            // V = Q/A of the triangle at H, its field side the row's own slope when St is varied.
            const double St = caso.entrada == TEntradaSimulacao::St ? linha.Valor : 0.01;
            const double A = (1 / St + 1 / 0.5) / 2 * std::pow(linha.H / 100, 2);  // m²
            EXPECT_NEAR(linha.V, linha.Q / 1000 / A, 1e-9 * linha.V) << nome << " " << linha.Texto;
        }
    }
}

// The row whose input equals the design's must give the design's own result, whichever sizing it uses.
TEST(SerieSimulacao, LinhaDoValorDoProjetoReproduzODimensionamento) {
    TProjeto p;
    Abrir(p, kEncosta);
    p.CanalDrenagem.Dimensionar(p.Terreno, p.Nimbal1.Precipitacao, p.Sistema);
    const double Q = p.CanalDrenagem.Q();
    const double Hcm = 100 * p.CanalDrenagem.H();
    ASSERT_GT(Q, 0);
    struct Caso {
        TEntradaSimulacao entrada;
        int linha;  // the row of the design's value: length 100 m, EH 20 m, n 0.03, nt 0.1, Sc 0.002, St 0.01, VIB 20
    };
    for (const Caso caso : {Caso{TEntradaSimulacao::Comp, 1}, Caso{TEntradaSimulacao::EH, 1},
                            Caso{TEntradaSimulacao::nc, 4}, Caso{TEntradaSimulacao::nt, 3},
                            Caso{TEntradaSimulacao::Sc, 3}, Caso{TEntradaSimulacao::St, 0},
                            Caso{TEntradaSimulacao::VIB, 3}}) {
        const TSerieSimulacao serie = Simular(p, caso.entrada);
        ASSERT_GT(serie.Linhas.size(), static_cast<std::size_t>(caso.linha));
        const TLinhaSimulacao& linha = serie.Linhas[caso.linha];
        EXPECT_NEAR(linha.Q, Q, 1e-9 * Q) << DescricaoEntrada(caso.entrada).Nome;
        EXPECT_NEAR(linha.H, Hcm, 1e-9 * Hcm) << DescricaoEntrada(caso.entrada).Nome;
    }
}

TEST(SerieSimulacao, TerrenoVoltaExatamenteAoQueEra) {
    TProjeto p;
    Abrir(p, kEncosta);
    p.Terreno.nt.Indice = 5;
    for (TEntradaSimulacao entrada : {TEntradaSimulacao::nt, TEntradaSimulacao::St, TEntradaSimulacao::VIB}) {
        Simular(p, entrada);
        EXPECT_EQ(p.Terreno.nt.Valor, 0.1);
        EXPECT_EQ(p.Terreno.nt.Indice, 5);
        EXPECT_EQ(p.Terreno.St(), 0.01);
        EXPECT_EQ(p.Terreno.VIB(), 20);
    }
}

TEST(SerieSimulacao, FalhaDeDimensionamentoEncerraASerieEDevolveOTerreno) {
    TProjeto p;
    Abrir(p, std::string(TALVEK_DADOS_TESTE) + "/Falha3SemSecao.tvk");  // trapezoid without B or Z
    for (TEntradaSimulacao entrada : {TEntradaSimulacao::Comp, TEntradaSimulacao::St}) {
        int chamadas = 0;
        const TSerieSimulacao serie = talvek::Simular(entrada, p.CanalDrenagem, p.Terreno, p.Nimbal1.Precipitacao,
                                                      [&chamadas](int, const TLinhaSimulacao&) { ++chamadas; });
        EXPECT_EQ(serie.Erro, "Erro no dimensinamento dos canais");
        EXPECT_EQ(serie.Causa, "Inclinação da parede do canal (Z) = 0: deve ser maior que zero.");
        EXPECT_TRUE(serie.Linhas.empty());
        EXPECT_EQ(chamadas, 0);
        EXPECT_EQ(p.Terreno.St(), 0.01);
    }
}

// A series is bounded as a whole before anything runs: 21 hillslopes of 40 km would each pass as a design
// (some 13 million updates for their rain alone) but not all together.
TEST(SerieSimulacao, SerieLongaDemaisERecusadaAntesDaPrimeiraLinha) {
    TProjeto p;
    Abrir(p, kEncosta);
    p.CanalDrenagem.SetEH(40000);
    for (TEntradaSimulacao entrada : {TEntradaSimulacao::nt, TEntradaSimulacao::St}) {
        const TSerieSimulacao serie = Simular(p, entrada);
        EXPECT_EQ(serie.Erro, "Erro no dimensinamento dos canais");
        EXPECT_EQ(serie.Causa, "Espaçamento horizontal (comprimento da encosta) = 40000 m: os 21 cálculos da encosta "
                               "da simulação passariam de 200 milhões de passos da malha.");
        EXPECT_TRUE(serie.Linhas.empty());
    }
    p.CanalDrenagem.SetEH(20);
    EXPECT_FALSE(Simular(p, TEntradaSimulacao::nt).Erro);
}

TEST(SerieSimulacao, CadaLinhaEAvisadaNaOrdem) {
    TProjeto p;
    Abrir(p, kEncosta);
    std::vector<int> indices;
    std::vector<double> vazoes;
    const TSerieSimulacao serie =
        talvek::Simular(TEntradaSimulacao::Sc, p.CanalDrenagem, p.Terreno, p.Nimbal1.Precipitacao,
                        [&](int indice, const TLinhaSimulacao& linha) {
                            indices.push_back(indice);
                            vazoes.push_back(linha.Q);
                        });
    ASSERT_EQ(indices.size(), 21u);
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(indices[i], i);
        EXPECT_EQ(vazoes[i], serie.Linhas[i].Q);
    }
}

TEST(SerieSimulacao, SemEscoamentoAsLinhasTemVazaoZero) {
    TProjeto p;
    Abrir(p, std::string(TALVEK_DADOS_TESTE) + "/SemEscoamento3.tvk");
    for (TEntradaSimulacao entrada : {TEntradaSimulacao::Comp, TEntradaSimulacao::nc, TEntradaSimulacao::Sc}) {
        const TSerieSimulacao serie = Simular(p, entrada);
        ASSERT_EQ(serie.Linhas.size(), 21u);
        for (const TLinhaSimulacao& linha : serie.Linhas) {
            EXPECT_EQ(linha.Q, 0);
            EXPECT_EQ(linha.H, 0);  // triangular section
            EXPECT_NEAR(linha.Hr, 10, 1e-12);
        }
    }
}

// The rows on the thread pool are those of the series on one thread, bit for bit, on inputs that route the
// design's hydrograph (Comp, Sc) and that rebuild the hillslope on each row (EH, VIB, nt, St), and on a
// series that fails.
TEST(SerieSimulacao, MesmasLinhasEmQualquerNumeroDeThreads) {
    struct Caso {
        const char* projeto;
        TEntradaSimulacao entrada;
    };
    const Caso casos[] = {
        {"Encosta3Triangular", TEntradaSimulacao::EH}, {"Encosta3Triangular", TEntradaSimulacao::VIB},
        {"Encosta3Triangular", TEntradaSimulacao::nt}, {"Encosta3Triangular", TEntradaSimulacao::Comp},
        {"Encosta3Triangular", TEntradaSimulacao::Sc}, {"Encosta3Trapezio", TEntradaSimulacao::St},
        {"Lavoura3", TEntradaSimulacao::VIB},          {"Falha3SemSecao", TEntradaSimulacao::EH},
    };
    for (const Caso& caso : casos) {
        TProjeto p;
        Abrir(p, std::string(TALVEK_DADOS_TESTE) + "/" + caso.projeto + ".tvk");
        std::vector<int> avisadas;
        const TSerieSimulacao sequencial = SimularEmThreads(p, caso.entrada, 1, avisadas);
        EXPECT_EQ(sequencial.Linhas.size(), sequencial.Erro ? 0u : 21u) << caso.projeto;
        for (int threads : {2, 8}) {
            std::vector<int> avisadasEmThreads;
            const TSerieSimulacao serie = SimularEmThreads(p, caso.entrada, threads, avisadasEmThreads);
            EsperarIguais(serie, sequencial, avisadasEmThreads,
                          std::string(caso.projeto) + " " + DescricaoEntrada(caso.entrada).Nome + " on " +
                              std::to_string(threads));
        }
    }
}

// The update budget is shared by the whole series and counted in row order: on any number of threads the
// series ends at the row where one thread ends it, with the same rows before it. A 300 m strip gives the
// first VIB rows several events each, so that the limits below fall inside hillslopes, some of them in
// rows whose neighbours run at the same time.
TEST(SerieSimulacao, OrcamentoDaSerieTerminaNaMesmaLinhaEmQualquerNumeroDeThreads) {
    TProjeto p;
    Abrir(p, kEncosta);
    p.CanalDrenagem.SetEH(300);
    std::size_t anteriores = 0;
    int parciais = 0;
    for (int eventos : {1, 3, 4, 6, 9, 14, 20, 26, 40}) {
        const std::int64_t limite = eventos * TContadorAtualizacoes::kAtualizacoesEntreEventos;
        std::vector<int> avisadas;
        const TSerieSimulacao sequencial = SimularEmThreads(p, TEntradaSimulacao::VIB, 1, avisadas, limite);
        const std::size_t n = sequencial.Linhas.size();
        EXPECT_GE(n, anteriores) << eventos;  // a larger budget never ends the series earlier
        EXPECT_EQ(sequencial.Erro.has_value(), n < 21) << eventos;
        if (n > 0 && n < 21) ++parciais;
        anteriores = n;
        for (int threads : {2, 8}) {
            std::vector<int> avisadasEmThreads;
            EsperarIguais(SimularEmThreads(p, TEntradaSimulacao::VIB, threads, avisadasEmThreads, limite), sequencial,
                          avisadasEmThreads, std::to_string(eventos) + " events on " + std::to_string(threads));
        }
    }
    EXPECT_EQ(anteriores, 21u);
    EXPECT_GE(parciais, 5);
}

// A stop before the series starts gives no row and no error; the objects given are left as they were.
TEST(SerieSimulacao, SerieParadaNaoTemErro) {
    TProjeto p;
    Abrir(p, kEncosta);
    std::stop_source parar;
    parar.request_stop();
    for (int threads : {1, 8}) {
        const TSerieSimulacao serie = talvek::Simular(TEntradaSimulacao::VIB, p.CanalDrenagem, p.Terreno,
                                                      p.Nimbal1.Precipitacao, {}, nullptr,
                                                      {.Threads = threads, .Parar = parar.get_token()});
        EXPECT_TRUE(serie.Linhas.empty()) << threads;
        EXPECT_FALSE(serie.Erro) << threads;
    }
    EXPECT_EQ(p.Terreno.VIB(), 20);
}

TEST(SerieSimulacao, MensagensDeStatus) {
    struct Caso {
        TSaidaSimulacao saida;
        TEntradaSimulacao entrada;
        const char* mensagem;
    };
    const Caso casos[] = {
        {TSaidaSimulacao::Q, TEntradaSimulacao::Comp, "comprimento do dreno x vazão"},
        {TSaidaSimulacao::H, TEntradaSimulacao::EH, "espaçamento entre drenos x altura teórica"},
        {TSaidaSimulacao::Q, TEntradaSimulacao::nc, "rugosidade do canal x vazão"},
        {TSaidaSimulacao::Hr, TEntradaSimulacao::nc, "rugosidade do canal x altura recomendada "},
        {TSaidaSimulacao::Hr, TEntradaSimulacao::nt, "rugosidade do tereno x altura recomendada"},
        {TSaidaSimulacao::H, TEntradaSimulacao::nt, "rugosidade do terreno x altura teórica"},
        {TSaidaSimulacao::Hr, TEntradaSimulacao::St, "declividade do terreno x altura recomendada"},
        {TSaidaSimulacao::H, TEntradaSimulacao::VIB, "VIB x altura teórica"},
    };
    for (const Caso& caso : casos) EXPECT_EQ(MensagemSimulacao(caso.saida, caso.entrada), caso.mensagem);
}

// The design's row is found among added steps despite their rounding; a design between rows has none.
TEST(SerieSimulacao, LinhaDoProjetoEntreOsPassosSomados) {
    std::vector<TLinhaSimulacao> linhas;
    double Sc = 0.0005;  // the channel-slope rows: 0.0005 plus 0.0005 per row
    for (int i = 0; i < kLinhasSimulacao; ++i, Sc += 0.0005) linhas.push_back({Sc, 1e4 * Sc, "", 0, 0, 0, 0});
    for (const auto& [projeto, linha] : {std::pair{0.002, 3}, {0.0005, 0}, {0.0105, 20}, {0.00225, -1}, {0.011, -1}})
        EXPECT_EQ(LinhaDoProjeto(linhas, projeto), linha) << projeto;
}

// The table for spreadsheets: clipboard text with tabs, CSV with ";" under a decimal comma and "," under a
// decimal point, a BOM and CRLF; the header names the input's axis and Q, H, Hr with their units.
TEST(SerieSimulacao, TabelaParaPlanilhas) {
    const std::vector<TLinhaSimulacao> linhas = {{0.0035, 35, "35", 1.25, 7.5, 17.5, 0}, {0.004, 40, "40", 2, 8, 18.25, 0}};
    const std::string cabecalho = "Declividade do canal (10E-2 %)";
    struct Caso {
        char decimal;
        TFormatoTabela formato;
        std::string esperado;
    };
    const Caso casos[] = {
        {',', TFormatoTabela::Texto,
         cabecalho + "\tVazão (L/s)\tAltura teórica (cm)\tAltura recomendada (cm)\n35\t1,25\t7,5\t17,5\n40\t2\t8\t18,25\n"},
        {',', TFormatoTabela::Csv,
         "\xEF\xBB\xBF" + cabecalho +
             ";Vazão (L/s);Altura teórica (cm);Altura recomendada (cm)\r\n35;1,25;7,5;17,5\r\n40;2;8;18,25\r\n"},
        {'.', TFormatoTabela::Csv,
         "\xEF\xBB\xBF" + cabecalho +
             ",Vazão (L/s),Altura teórica (cm),Altura recomendada (cm)\r\n35,1.25,7.5,17.5\r\n40,2,8,18.25\r\n"},
    };
    for (const Caso& caso : casos) {
        RegionalTemporario regional({.SeparadorDecimal = caso.decimal});
        EXPECT_EQ(TabelaSimulacao(linhas, TEntradaSimulacao::Sc, caso.formato), caso.esperado) << caso.decimal;
    }
    // 15 significant digits: the rounding of an added step does not reach the table.
    RegionalTemporario ponto({.SeparadorDecimal = '.'});
    EXPECT_NE(TabelaSimulacao({{0, 100 * (0.01 + 0.005 * 5), "", 0, 0, 0, 0}}, TEntradaSimulacao::nc, TFormatoTabela::Texto)
                  .find("\n3.5\t0\t0\t0\n"),
              std::string::npos);
}
