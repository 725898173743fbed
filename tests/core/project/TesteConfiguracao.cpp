#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <string>

#include "PastaTemporaria.h"
#include "platform/Regional.h"
#include "project/Configuracao.h"
#include "project/IDProjeto.h"
#include "rainfall/Nimbal21Comp.h"

using namespace talvek;
using namespace talvek::teste;
using namespace std::chrono_literals;

TEST(Configuracao, SemSecaoPrincipalDaOsPadroes) {
    PastaTemporaria pasta;
    GravarBytes(pasta / kArquivoConfiguracao, "[OUTRA]\r\nUDecli=%\r\nKDecli=100\r\n");
    for (const std::string& caminho : {pasta / kArquivoConfiguracao, pasta / "falta.ini"}) {
        const TConfiguracao c = LerConfiguracao(caminho);
        EXPECT_EQ(c.Unidades.UDecli, "m/m");
        EXPECT_EQ(c.Unidades.KDecli, 1);
        EXPECT_EQ(c.Unidades.UVIB, "mm/h");
        EXPECT_EQ(c.Unidades.KVIB, 1.0);
        for (const std::string& recente : c.Recentes) EXPECT_EQ(recente, "");
        EXPECT_EQ(c.IndEstado, 0);
    }
}

TEST(Configuracao, GravaAsNoveChavesNaOrdemELeDeVolta) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / kArquivoConfiguracao;
    TConfiguracao c;
    c.Unidades = {"%", 100, "m/dia", 0.024};
    c.Recentes = {"/projetos/lavoura3.tvk", "/projetos/teste.tvk", "", ""};
    c.IndEstado = 10;
    {
        RegionalTemporario regional({.SeparadorDecimal = ','});
        EscreverConfiguracao(caminho, c);
    }
    EXPECT_EQ(LerBytes(caminho),
              "[PRINCIPAL]\r\nUDecli=%\r\nKDecli=100\r\nUVIB=m/dia\r\nKVIB=0,024\r\npath1=/projetos/lavoura3.tvk\r\n"
              "path2=/projetos/teste.tvk\r\npath3=\r\npath4=\r\nIndEstado=10\r\n");
    const TConfiguracao lida = LerConfiguracao(caminho);
    EXPECT_EQ(lida.Unidades.UDecli, "%");
    EXPECT_EQ(lida.Unidades.KDecli, 100);
    EXPECT_EQ(lida.Unidades.UVIB, "m/dia");
    EXPECT_EQ(lida.Unidades.KVIB, 0.024);
    EXPECT_EQ(lida.Recentes, c.Recentes);
    EXPECT_EQ(lida.IndEstado, 10);
}

TEST(Configuracao, UltimaPastaDepoisDasNoveChavesSoQuandoHa) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / kArquivoConfiguracao;
    TConfiguracao c;
    c.UltimaPasta = "/projetos/fazenda";
    EscreverConfiguracao(caminho, c);
    EXPECT_TRUE(LerBytes(caminho).ends_with("\r\nIndEstado=0\r\nUltimaPasta=/projetos/fazenda\r\n"));
    EXPECT_EQ(LerConfiguracao(caminho).UltimaPasta, c.UltimaPasta);
    // Without a folder kept the file holds only the nine keys, as earlier versions wrote it.
    GravarBytes(caminho, "");
    EscreverConfiguracao(caminho, TConfiguracao{});
    EXPECT_TRUE(LerBytes(caminho).ends_with("\r\nIndEstado=0\r\n"));
    EXPECT_EQ(LerConfiguracao(caminho).UltimaPasta, "");
}

TEST(Configuracao, EstadoQueNaoEInteiroLeZero) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / kArquivoConfiguracao;
    for (const char* texto : {"abc", "10.5", "", "7x"}) {
        GravarBytes(caminho, std::string("[PRINCIPAL]\r\nIndEstado=") + texto + "\r\n");
        EXPECT_EQ(LerConfiguracao(caminho).IndEstado, 0) << texto;
    }
}

TEST(IDProjeto, DataComOSeparadorDaRegiao) {
    const std::chrono::year_month_day data = 2026y / 12 / 8;
    for (const auto& [separador, esperado] : {std::pair{'/', "08/12/2026"}, std::pair{'.', "08.12.2026"},
                                              std::pair{'-', "08-12-2026"}}) {
        RegionalTemporario regional({.SeparadorData = separador});
        EXPECT_EQ(TextoData(data), esperado);
    }
}

TEST(IDProjeto, LimparDeixaCincoTextosVaziosEADataDeHoje) {
    TIDProjeto id;
    id.Nome = id.Empresa = id.Local = id.Estado = id.Tecnico = id.Data = "x";
    id.Limpar();
    for (const std::string* texto : {&id.Nome, &id.Empresa, &id.Local, &id.Estado, &id.Tecnico}) EXPECT_EQ(*texto, "");
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    char hoje[16];
    std::strftime(hoje, sizeof hoje, "%d/%m/%Y", &local);
    EXPECT_EQ(id.Data, hoje);
}

TEST(Nimbal21, LimparDaOsValoresDeUmComponenteNovo) {
    TNimbal21 nimbal;
    nimbal.Secao = "x";
    nimbal.Latitude = nimbal.Longitude = nimbal.StrCidade = nimbal.StrEstado = "x";
    nimbal.IndLocalidade = nimbal.IndEstacao = nimbal.IndEstado = 5;
    nimbal.HelpContext = 7;
    nimbal.ShowAbout = true;
    nimbal.Precipitacao.SetK(100);
    nimbal.Limpar();
    TNimbal21 novo;
    for (const TNimbal21* n : {static_cast<const TNimbal21*>(&nimbal), static_cast<const TNimbal21*>(&novo)}) {
        EXPECT_EQ(n->Secao, "");
        EXPECT_EQ(n->Latitude, "");
        EXPECT_EQ(n->IndLocalidade, 0);
        EXPECT_EQ(n->IndEstacao, 0);
        EXPECT_EQ(n->IndEstado, -1);
        EXPECT_EQ(n->StrCidade, "");
        EXPECT_EQ(n->HelpContext, 0);
        EXPECT_FALSE(n->ShowAbout);
        EXPECT_EQ(n->Precipitacao.K(), 0);
        EXPECT_EQ(n->Precipitacao.Numerador(), -1);
    }
}

TEST(Nimbal21, LerArquivoNuncaLevantaErro) {
    PastaTemporaria pasta;
    TNimbal21 nimbal;
    EXPECT_FALSE(nimbal.LerArquivo(pasta / "falta.tvk"));
    EXPECT_FALSE(nimbal.LerArquivo(pasta.Caminho().string()));  // a folder
    GravarBytes(pasta / "ruim.tvk", "[NIMBAL]\r\nVersao=1\r\nIndEstacao=99999\r\n");
    EXPECT_FALSE(nimbal.LerArquivo(pasta / "ruim.tvk"));
    GravarBytes(pasta / "bom.tvk", "[NIMBAL]\r\nVersao=1\r\nIndEstado=3\r\n");
    EXPECT_TRUE(nimbal.LerArquivo(pasta / "bom.tvk"));
    EXPECT_EQ(nimbal.IndEstado, 3);
    EXPECT_EQ(nimbal.IndEstacao, -1) << "a missing index reads as none";
}
