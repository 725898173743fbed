// The goal seek against a scan of every metre, its three outcomes and its independence of the threads.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Paralelo.h"
#include "platform/Regional.h"
#include "project/BuscaMeta.h"
#include "project/Projeto.h"

using namespace talvek;

namespace {

std::string Dados(const std::string& nome) { return std::string(TALVEK_DADOS_TESTE) + "/" + nome; }

struct TDesenho {
    bool Falhou = false;
    double Q = 0, H = 0, Hr = 0;
};

// The design with the variable set to `valor`, sized as "Calcular" sizes it, on copies of the project.
TDesenho Dimensionar(const TProjeto& p, TVariavelMeta variavel, int valor) {
    TCanalDrenagem canal = p.CanalDrenagem;
    TTerreno terreno = p.Terreno;
    TPrecipitacaoExponencialNegativa chuva = p.Nimbal1.Precipitacao;
    if (variavel == TVariavelMeta::EH) {
        canal.SetEH(valor);
        canal.SetEV(valor * terreno.St());
    } else {
        canal.SetComprimento(valor);
    }
    try {
        canal.Dimensionar(terreno, chuva, p.Sistema);
    } catch (const EDimensionamento&) {
        return {true};
    }
    return {false, canal.Q(), canal.H(), AlturaRecomendada(canal.H(), canal.CDu())};
}

// Every metre from 1 to `ate`: the largest that meets the target, with its design.
std::optional<std::pair<int, TDesenho>> Varredura(const TProjeto& p, const TPedidoMeta& pedido, int ate) {
    std::vector<TDesenho> desenhos(ate);
    ExecutarEmParalelo(ate, NumeroDeThreads(),
                       [&](std::size_t i) { desenhos[i] = Dimensionar(p, pedido.Variavel, static_cast<int>(i) + 1); });
    for (int v = ate; v >= 1; --v) {
        const TDesenho& d = desenhos[v - 1];
        const double saida = pedido.Saida == TSaidaMeta::Hr ? d.Hr : 100 * d.H;
        if (!d.Falhou && saida <= pedido.MaximoCm) return std::pair{v, d};
    }
    return std::nullopt;
}

TCasoMeta CasoDe(const TProjeto& p) { return {p.CanalDrenagem, p.Terreno, p.Nimbal1.Precipitacao, p.Sistema}; }

}  // namespace

// Scans of the whole domain for the design with partial flooding, and of a part of it (the answer and the
// grid changes around it) for the hillslope design. Triangular channel length, Hr ≤ 21.9525 cm: the height
// falls back under the target above the first crossing (at 690 m the bisection stops; 695 m meets it
// again), so the answer needs the check of the metres above.
TEST(BuscaMeta, IgualAVarreduraDeCadaMetro) {
    struct Caso {
        const char* projeto;
        TPedidoMeta pedido;
        int ate;  // m scanned from 1
    };
    const Caso casos[] = {
        {"Inundacao2Trapezio.tvk", {TVariavelMeta::EH, TSaidaMeta::Hr, 25}, 1500},
        {"Inundacao2Triangular.tvk", {TVariavelMeta::Comp, TSaidaMeta::H, 4}, 1500},
        {"Encosta3Triangular.tvk", {TVariavelMeta::EH, TSaidaMeta::Hr, 20}, 120},
        {"Encosta3Triangular.tvk", {TVariavelMeta::Comp, TSaidaMeta::Hr, 21.9525}, 800},
    };
    for (const Caso& caso : casos) {
        TProjeto p;
        LerProjeto(Dados(caso.projeto), p.Objetos());
        const double EH = p.CanalDrenagem.EH(), Q = p.CanalDrenagem.Q();
        const auto esperado = Varredura(p, caso.pedido, caso.ate);
        ASSERT_TRUE(esperado) << caso.projeto;
        ASSERT_LT(esperado->first, caso.ate) << caso.projeto << ": the scan must reach past the answer";
        const TResultadoMeta r = BuscarMeta(CasoDe(p), caso.pedido, 2);
        EXPECT_EQ(r.Situacao, TSituacaoMeta::Atingida) << caso.projeto;
        EXPECT_EQ(r.Valor, esperado->first) << caso.projeto;
        EXPECT_EQ(r.Q, esperado->second.Q) << caso.projeto;
        EXPECT_EQ(r.H, esperado->second.H) << caso.projeto;
        EXPECT_EQ(r.Hr, esperado->second.Hr) << caso.projeto;
        EXPECT_LT(r.Avaliacoes, 40) << caso.projeto << ": a search, not a scan";
        EXPECT_FALSE(r.ValorFalha) << caso.projeto;
        EXPECT_EQ(p.CanalDrenagem.EH(), EH) << caso.projeto << ": the caller's channel is not touched";
        EXPECT_EQ(p.CanalDrenagem.Q(), Q) << caso.projeto;
    }
}

TEST(BuscaMeta, MesmoResultadoComQualquerNumeroDeThreads) {
    TProjeto p;
    LerProjeto(Dados("Encosta3Triangular.tvk"), p.Objetos());
    const TPedidoMeta pedido{TVariavelMeta::Comp, TSaidaMeta::Hr, 21.9525};
    const TResultadoMeta um = BuscarMeta(CasoDe(p), pedido, 1);
    for (int threads : {2, 8}) {
        const TResultadoMeta r = BuscarMeta(CasoDe(p), pedido, threads);
        EXPECT_EQ(r.Valor, um.Valor) << threads;
        EXPECT_EQ(r.Q, um.Q) << threads;
        EXPECT_EQ(r.H, um.H) << threads;
        EXPECT_EQ(r.Hr, um.Hr) << threads;
        EXPECT_EQ(r.Avaliacoes, um.Avaliacoes) << threads;
    }
}

// Hr is never below its 10 cm of freeboard; the partial-flooding drain of 1500 m spacing needs 32.2 cm; a
// drain without a section fails at every value, which counts as not meeting the target.
TEST(BuscaMeta, NenhumETodos) {
    RegionalTemporario regional({.SeparadorDecimal = ','});
    struct Caso {
        const char* projeto;
        TPedidoMeta pedido;
        TSituacaoMeta situacao;
        std::optional<int> valor;
        const char* mensagem;
        std::optional<int> valorFalha;
    };
    const Caso casos[] = {
        {"Inundacao2Trapezio.tvk", {TVariavelMeta::EH, TSaidaMeta::Hr, 10}, TSituacaoMeta::Nenhum, std::nullopt,
         "Nenhum espaçamento horizontal de 1 a 1500 m dá altura recomendada de até 10 cm.", std::nullopt},
        {"Inundacao2Trapezio.tvk", {TVariavelMeta::EH, TSaidaMeta::Hr, 32.5}, TSituacaoMeta::Todos, 1500,
         "Todos os espaçamentos horizontais de 1 a 1500 m dão altura recomendada de até 32,5 cm: vale o máximo, "
         "1500 m.",
         std::nullopt},
        {"Encosta3Triangular.tvk", {TVariavelMeta::Comp, TSaidaMeta::H, 5}, TSituacaoMeta::Atingida, 26,
         "Maior comprimento do canal com altura teórica de até 5 cm: 26 m.", std::nullopt},
        {"Falha3SemSecao.tvk", {TVariavelMeta::Comp, TSaidaMeta::Hr, 50}, TSituacaoMeta::Nenhum, std::nullopt,
         "Nenhum comprimento do canal de 1 a 1500 m dá altura recomendada de até 50 cm.", 1},
    };
    for (const Caso& caso : casos) {
        TProjeto p;
        LerProjeto(Dados(caso.projeto), p.Objetos());
        const TResultadoMeta r = BuscarMeta(CasoDe(p), caso.pedido);
        EXPECT_EQ(r.Situacao, caso.situacao) << caso.mensagem;
        EXPECT_EQ(r.Valor, caso.valor) << caso.mensagem;
        EXPECT_EQ(r.Mensagem, caso.mensagem);
        EXPECT_EQ(r.ValorFalha, caso.valorFalha) << caso.mensagem;
        EXPECT_EQ(r.AvisoFalha.empty(), !caso.valorFalha) << r.AvisoFalha;
        if (!r.Valor) {
            EXPECT_EQ(r.Q, 0) << caso.mensagem;
        }
    }
}
