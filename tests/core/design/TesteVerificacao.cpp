#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "CanalExemplo.h"
#include "ChuvaExemplo.h"
#include "PastaTemporaria.h"
#include "design/uVerificacao.h"
#include "platform/ArquivoIni.h"
#include "platform/Excecoes.h"
#include "platform/Regional.h"
#include "project/Projeto.h"

using namespace talvek;
using namespace talvek::teste;

namespace {

// Rows of the shipped table used below.
constexpr std::int16_t kAreiaFinaAguaLimpa = 1;  // bare earth: 0.457 m/s, 1.29 Pa
constexpr std::int16_t kGramaBermuda = 29;       // grass, slope 0–5 %, resistant soil: 2.438 m/s, no shear

// Field of the worked examples: rainfall excess ≈ 31.8138 mm under the example storm; VIB 20 mm/h, St 0.02.
TTerreno TerrenoExemplo() {
    TTerreno terreno;
    terreno.SetVIB(20);
    terreno.SetSt(0.02);
    return terreno;
}

THidraulica Fluxo(double V, double Froude, double Tau) { return {1, 1, 1, 1, V, Froude, Tau}; }

}  // namespace

// Hand values from the section formulas at the worked depths: with partial flooding the design of the
// example (Q 0.73643 L/s); without it the routed peaks of the worked hydrograph (0.5 L/s per metre at
// 10 min), Q 45.84 L/s with H 0.18256 m in the trapezoid and 42.36 L/s in the triangle.
TEST(Verificacao, HidraulicaNaAlturaTeorica) {
    struct Caso {
        int sistema;
        std::uint8_t secao;
        double A, P, R, T, V, F, tau;
        double tolerancia;  // relative
    };
    const Caso casos[] = {
        {2, TTipoCanal::Trapezoidal, 0.0081412, 0.54464, 0.014948, 0.53157, 0.090458, 0.23337, 0.29327, 2e-4},
        {2, TTipoCanal::Triangular, 0.010607, 1.05527, 0.010051, 1.05030, 0.069429, 0.22058, 0.19721, 2e-4},
        {3, TTipoCanal::Trapezoidal, 0.12461, 1.01636, 0.12260, 0.86512, 0.36787, 0.30948, 2.40546, 5e-4},
        {3, TTipoCanal::Triangular, 0.22154, 4.82275, 0.045937, 4.80003, 0.19121, 0.28416, 0.90128, 5e-4},
    };
    const TTerreno terreno = TerrenoExemplo();
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << "sistema " << c.sistema << ", seção " << int{c.secao});
        TCanalDrenagem canal = CanalExemplo(c.secao);
        if (c.sistema == 2) {
            canal.Dimensionar(terreno, ChuvaExemplo(), Sistema(2));
        } else {
            THidrograma hidrograma;
            hidrograma.Adicionar(0, 0);
            hidrograma.Adicionar(10, 0.5);
            hidrograma.Adicionar(30, 0);
            const TDimensionamento r = canal.DimensionarHidrograma(hidrograma, terreno, 0.002, 0.03, 100);
            canal.SetQ(r.Q);
            canal.SetH(r.H);
        }
        const THidraulica h = VerificarCanal(canal, terreno.St()).Hidraulica;
        const auto perto = [&](double valor, double esperado) {
            EXPECT_NEAR(valor, esperado, c.tolerancia * esperado);
        };
        perto(h.A, c.A);
        perto(h.P, c.P);
        perto(h.R, c.R);
        perto(h.T, c.T);
        perto(h.V, c.V);
        perto(h.Froude, c.F);
        perto(h.Tau, c.tau);
        EXPECT_NEAR(h.V * h.A, canal.Q() / 1000, 1e-12 * canal.Q());  // continuity: V·A = Q
    }
}

TEST(Verificacao, SecaoSecaSemVelocidade) {
    TCanalDrenagem canal = CanalExemplo(TTipoCanal::Triangular);
    const THidraulica h = HidraulicaNaAltura(canal, 0.02, 0, 0.002, 0);
    EXPECT_EQ(h.A, 0);
    EXPECT_EQ(h.V, 0);
    EXPECT_EQ(h.Froude, 0);
    EXPECT_EQ(h.Tau, 0);
}

TEST(Verificacao, LinhasDoVeredito) {
    RegionalTemporario regional({.SeparadorDecimal = ','});
    const std::string areia = " para Areia fina, coloidal (água limpa).";
    struct Caso {
        const char* nome;
        TMaterialCanal material;
        THidraulica fluxo;
        std::vector<std::pair<std::string, bool>> linhas;  // text, warns
    };
    const Caso casos[] = {
        {"velocidade", {kAreiaFinaAguaLimpa, 0.457}, Fluxo(0.5, 0.3, 1.0),
         {{"Risco de erosão: V = 0,50 m/s acima do limite de 0,457 m/s" + areia, true}}},
        {"tensão", {kAreiaFinaAguaLimpa, 0.457}, Fluxo(0.4, 0.3, 2.0),
         {{"Risco de erosão: τ = 2,00 Pa acima do limite de 1,29 Pa" + areia, true}}},
        {"Froude", {kAreiaFinaAguaLimpa, 0.457}, Fluxo(0.4, 0.85, 1.0),
         {{"Escoamento próximo do regime crítico (F = 0,85): superfície instável.", true}}},
        {"sedimentos", {kAreiaFinaAguaLimpa, 0.457}, Fluxo(0.25, 0.2, 0.5),
         {{"Velocidade baixa (V = 0,25 m/s, abaixo de 0,3 m/s): os sedimentos podem se depositar no canal.", false}}},
        {"canal seco (sem escoamento): nada a depositar", {kAreiaFinaAguaLimpa, 0.457}, Fluxo(0, 0, 0), {}},
        {"grama lenta e sem limite de tensão", {kGramaBermuda, 2.438}, Fluxo(0.25, 0.2, 50), {}},
        {"velocidade digitada", {TMaterialCanal::kDigitado, 0.8}, Fluxo(1.0, 0.5, 50),
         {{"Risco de erosão: V = 1,00 m/s acima do limite de 0,80 m/s para o material informado.", true}}},
        {"sem material", {}, Fluxo(5, 2, 50), {}},
    };
    for (const Caso& c : casos) {
        std::vector<std::pair<std::string, bool>> linhas;
        for (const TAvisoVerificacao& aviso : Veredito(c.fluxo, c.material))
            linhas.emplace_back(aviso.Texto, aviso.Alerta);
        EXPECT_EQ(linhas, c.linhas) << c.nome;
    }
}

TEST(Verificacao, AtendidaSoComMaterialESemAlerta) {
    RegionalTemporario regional({.SeparadorDecimal = '.'});
    TCanalDrenagem canal = CanalExemplo(TTipoCanal::Trapezoidal);
    canal.Dimensionar(TerrenoExemplo(), ChuvaExemplo(), Sistema(2));  // V ≈ 0.09 m/s, F ≈ 0.23, τ ≈ 0.29 Pa
    EXPECT_FALSE(VerificarCanal(canal, 0.02).Atendida);
    EXPECT_TRUE(std::isnan(VerificarCanal(canal, 0.02).Vadm));

    canal.Material = {kAreiaFinaAguaLimpa, 0.457};  // slow: the sediment line informs, nothing warns
    const TVerificacao areia = VerificarCanal(canal, 0.02);
    EXPECT_TRUE(areia.Atendida);
    EXPECT_EQ(areia.TauAdm, 1.29);
    EXPECT_EQ(TextoAtendida(areia),
              "Canal estável: velocidade, tensão de arraste e número de Froude dentro dos limites.");

    canal.Material = {TMaterialCanal::kDigitado, 0.05};
    const TVerificacao digitada = VerificarCanal(canal, 0.02);
    EXPECT_FALSE(digitada.Atendida);
    EXPECT_TRUE(std::isnan(digitada.TauAdm));
    EXPECT_EQ(TextoAtendida(digitada), "");
}

// Hr = √1.2 · H + 10 cm on the worked depths; a drain every 20 m gives 500 m of drain per hectare.
TEST(Verificacao, TerraplenagemNaAlturaRecomendada) {
    struct Caso {
        std::uint8_t secao;
        double H;  // m
        double Sm;
        double T, Area, Terra, TerraHa, OcupadaPct;
    };
    const Caso casos[] = {
        // Excavation Hr·(B + Z·Hr) with Hr = 0.117291 m.
        {TTipoCanal::Trapezoidal, 0.015784, 0.5, 0.734581, 0.0724023, 0.0724023, 36.2012, 3.67291},
        // Ridge Hr²·(Sm + St)/(Sm·(Sm − St)) with Hr = 0.122126 m, St 0.02, Sm 0.5.
        {TTipoCanal::Triangular, 0.020198, 0.5, 6.35054, 0.387782, 0.0323152, 16.1576, 31.7527},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(int{c.secao});
        TCanalDrenagem canal = CanalExemplo(c.secao);
        canal.SetCDu(1.2);
        canal.SetHr(AlturaRecomendada(c.H, canal.CDu()));
        const TTerraplenagem t = Terraplenagem(canal, 0.02);
        EXPECT_NEAR(t.T, c.T, 1e-5 * c.T);
        EXPECT_NEAR(t.Area, c.Area, 1e-5 * c.Area);
        EXPECT_NEAR(t.TerraPorMetro, c.Terra, 1e-5 * c.Terra);
        EXPECT_EQ(t.ComprimentoHectare, 500);
        EXPECT_NEAR(t.TerraHectare, c.TerraHa, 1e-5 * c.TerraHa);
        EXPECT_NEAR(t.OcupadaHectare, 100 * c.OcupadaPct, 1e-3 * c.OcupadaPct);  // m²/ha, 1 % = 100 m²/ha
        EXPECT_NEAR(t.OcupadaPercentual, c.OcupadaPct, 1e-5 * c.OcupadaPct);
    }
    // A wall no steeper than the field builds no ridge; no spacing, no drains per hectare.
    TCanalDrenagem plano = CanalExemplo(TTipoCanal::Triangular);
    plano.SetHr(12);
    plano.Sm.Valor = 0.02;
    EXPECT_TRUE(std::isnan(Terraplenagem(plano, 0.02).TerraPorMetro));
    plano.SetEH(0);
    EXPECT_TRUE(std::isnan(Terraplenagem(plano, 0.02).ComprimentoHectare));
}

TEST(Verificacao, TabelaDistribuidaDeMateriais) {
    const std::vector<TLinhaMaterial>& tabela = TabelaMateriais();
    ASSERT_EQ(tabela.size(), 48u);  // 14 textures × 2 waters, 20 grass rows
    const TLinhaMaterial& areia = tabela[kAreiaFinaAguaLimpa - 1];
    EXPECT_EQ(areia.Original, "Fine sand, colloidal");
    EXPECT_EQ(areia.Condicao, "água limpa");
    EXPECT_EQ(areia.Vadm, 0.457);
    EXPECT_EQ(areia.TauAdm, 1.29);
    EXPECT_EQ(areia.n, 0.020);
    const TLinhaMaterial& grama = tabela[kGramaBermuda - 1];
    EXPECT_EQ(grama.Revestimento, TRevestimento::Grama);
    EXPECT_EQ(grama.Original, "Bermuda grass");
    EXPECT_EQ(grama.Vadm, 2.438);
    EXPECT_EQ(grama.TauAdm, 0);
    EXPECT_EQ(tabela[27].Original, "Cobbles and shingles");  // the last bare-earth row
    EXPECT_EQ(tabela[27].TauAdm, 52.67);

    const std::string cabecalho = "Tabela;Material;Condicao;n;Vadm;TauAdm;Original\n";
    for (const char* linha : {"rocha;X;c;0.02;1;1;X", "terra;X;c;0.02;;1;X", "terra;X;c;0.02;0;1;X", "terra;X;c;1"})
        EXPECT_THROW(LerTabelaMateriais(cabecalho + linha + "\n"), Exception) << linha;
}

TEST(Verificacao, MaterialNoArquivoDoProjeto) {
    PastaTemporaria pasta;
    const std::string exemplo = std::string(TALVEK_DADOS_TESTE) + "/Lavoura3.tvk";
    const std::string caminho = pasta / "p.tvk";
    std::filesystem::copy_file(exemplo, caminho);
    {
        TProjeto antigo;  // a project written before the checks existed opens with no material
        antigo.CanalDrenagem.Material = {kAreiaFinaAguaLimpa, 0.457};
        LerProjeto(caminho, antigo.Objetos());
        EXPECT_EQ(antigo.CanalDrenagem.Material.Indice, TMaterialCanal::kNenhum);
        EscreverProjeto(caminho, antigo.Objetos());  // and is saved without the section
        EXPECT_FALSE(TArquivoIni(caminho).ExisteChave("Verificacao", "Versao"));
    }
    const TMaterialCanal materiais[] = {{kGramaBermuda, 2.438}, {TMaterialCanal::kDigitado, 0.75}, {}};
    for (const TMaterialCanal& material : materiais) {
        TProjeto p;
        LerProjeto(caminho, p.Objetos());
        p.CanalDrenagem.Material = material;
        EscreverProjeto(caminho, p.Objetos());
        TProjeto lido;
        LerProjeto(caminho, lido.Objetos());
        EXPECT_EQ(lido.CanalDrenagem.Material.Indice, material.Indice);
        EXPECT_EQ(lido.CanalDrenagem.Material.Vadm, material.Vadm);
    }
    EXPECT_EQ(TArquivoIni(caminho).LerInteiro("Verificacao", "IndMaterial", 99), 0);  // a material removed

    const std::pair<const char*, const char*> recusados[] = {
        {"Versao", "2"}, {"IndMaterial", "49"}, {"IndMaterial", "-2"}};
    for (const auto& [chave, valor] : recusados) {
        const std::string copia = pasta / (std::string(chave) + valor + ".tvk");
        std::filesystem::copy_file(caminho, copia);
        TArquivoIni(copia).EscreverTexto("Verificacao", chave, valor);
        TProjeto p;
        EXPECT_THROW(LerProjeto(copia, p.Objetos()), EArquivoProjeto) << chave << "=" << valor;
    }
}
