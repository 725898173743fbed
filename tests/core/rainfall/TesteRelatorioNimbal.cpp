// The HTML text of the rainfall query report: the fragments in their order, the map section only for a
// map state, the picture size cut to four characters, and names that cannot break the page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Regional.h"
#include "rainfall/RelatorioNimbal.h"

using namespace talvek;

namespace {

TDadosRelatorioNimbal Dados() {
    TDadosRelatorioNimbal dados;
    dados.DataEmissao = "09/12/2026";
    dados.PastaDados = "/opt/Talvek2/../Arquivos Comuns/";
    dados.Localidade = "Belo Horizonte";
    dados.Estado = "Minas Gerais";
    dados.Latitude = "19°55'00\"";
    dados.Longitude = "43°56'00\"";
    dados.Parametros = {"1447,870", "0,100", "10,000", "0,840"};
    return dados;
}

// Position of `trecho` in `texto`, or npos.
std::size_t Em(const std::string& texto, const std::string& trecho) { return texto.find(trecho); }

}  // namespace

TEST(RelatorioNimbal, FragmentosNaOrdem) {
    TDadosRelatorioNimbal dados = Dados();
    dados.Mapa = TTamanhoFigura{450, 450};
    const std::string texto = TextoRelatorioNimbal(dados);
    const std::vector<std::string> ordem = {
        "<HTML>\n<HEAD>\n",
        "<TITLE>Parâmetros da Equação de Intensidade, Duração e Frequência da Precipitação</TITLE>\n</HEAD>\n",
        "<FONT SIZE=-2>Data de emissão do relatório: 09/12/2026</FONT></FONT></FONT>\n<P>\n",
        "<CENTER><IMG SRC=\"/opt/Talvek2/../Arquivos Comuns/Cabecalho_Nimbal21.jpg\" HEIGHT=73 WIDTH=550></CENTER>\n<HR>\n",
        "<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#0000FF\" VLINK=\"#800080\" ALINK=\"#FF0000\">\n",
        "<B>RELATÓRIO</B>",
        "<FONT SIZE=3><B>LOCALIZAÇÃO:</B></FONT>\n<TABLE CELLPADDING=3>\n<TR>\n",
        "<TD>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<B>Localidade: </B>Belo Horizonte</TD>\n",
        "<B>Estado: </B>Minas Gerais</TD>\n</TR>\n<TR>\n",  // two cells a row
        "<TD>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<B>Latitude: </B>19°55'00&quot;</TD>\n",
        "<B>Longitude: </B>43°56'00&quot;</TD>\n</TR>\n</TABLE>\n<P>\n<P>\n",
        "<FONT SIZE=3><B>PARÂMETROS DA EQUAÇÃO:</B></FONT>\n<TABLE CELLPADDING=3>\n<TR>\n",
        "<B>K: </B>1447,870</TD>\n",
        "<B>c: </B>0,840</TD>\n</TABLE>\n<P>\n<P>\n",
        "<FONT SIZE=3><B>MAPA DE LOCALIZAÇÃO:</B></FONT>\n<TABLE CELLPADDING=3>\n<TR>\n<TD>\n"
        "<CENTER><IMG SRC=\"Bit.bmp\" HEIGHT=450 WIDTH=450></CENTER>\n</TD>\n</TR>\n</TABLE>\n</TD>\n",
        "</BODY>\n</HTML>\n",
    };
    std::size_t anterior = 0;
    for (const std::string& trecho : ordem) {
        const std::size_t posicao = texto.find(trecho, anterior);
        ASSERT_NE(posicao, std::string::npos) << trecho;
        anterior = posicao + trecho.size();
    }
    EXPECT_EQ(anterior, texto.size());
}

TEST(RelatorioNimbal, SecaoDoMapaSoComMapaETamanhoCortado) {
    struct Caso {
        std::optional<TTamanhoFigura> mapa;
        const char* imagem;  // expected picture element, or nullptr for no map section
    };
    const Caso casos[] = {
        {std::nullopt, nullptr},
        {TTamanhoFigura{450, 450}, "<IMG SRC=\"Bit.bmp\" HEIGHT=450 WIDTH=450>"},
        {TTamanhoFigura{123456, 7}, "<IMG SRC=\"Bit.bmp\" HEIGHT=7 WIDTH=1234>"},
    };
    for (const Caso& caso : casos) {
        TDadosRelatorioNimbal dados = Dados();
        dados.Mapa = caso.mapa;
        const std::string texto = TextoRelatorioNimbal(dados);
        EXPECT_EQ(Em(texto, "MAPA DE LOCALIZAÇÃO:") != std::string::npos, caso.imagem != nullptr);
        if (caso.imagem) EXPECT_NE(Em(texto, caso.imagem), std::string::npos) << caso.imagem;
        else EXPECT_EQ(Em(texto, "Bit.bmp"), std::string::npos);
    }
}

// Regression: names from the database and the header folder went into the page as they were, so a "<"
// hid the rest of the row and a quote in the folder cut the picture's address.
TEST(RelatorioNimbal, TextosDeForaSaoEscapados) {
    struct Caso {
        std::string localidade, estado, pasta;
        const char* esperado;
    };
    const Caso casos[] = {
        {"Poço <Fundo>", "Minas Gerais", "/a/", "<B>Localidade: </B>Poço &lt;Fundo&gt;</TD>"},
        {"Fazenda A & B", "Minas Gerais", "/a/", "<B>Localidade: </B>Fazenda A &amp; B</TD>"},
        {"X", "<script>", "/a/", "<B>Estado: </B>&lt;script&gt;</TD>"},
        {"X", "Y", "/d\"x/", "<IMG SRC=\"/d&quot;x/Cabecalho_Nimbal21.jpg\""},
        {"X", "Y", "/R&D/", "<IMG SRC=\"/R&amp;D/Cabecalho_Nimbal21.jpg\""},
    };
    for (const Caso& caso : casos) {
        TDadosRelatorioNimbal dados = Dados();
        dados.Localidade = caso.localidade;
        dados.Estado = caso.estado;
        dados.PastaDados = caso.pasta;
        const std::string texto = TextoRelatorioNimbal(dados);
        EXPECT_NE(Em(texto, caso.esperado), std::string::npos) << caso.esperado;
        EXPECT_EQ(Em(texto, "<script>"), std::string::npos);
    }
}

// After the map: the first ten stations (names escaped), the line of the others, then the warnings.
TEST(RelatorioNimbal, EstacoesQueContribuemEAvisos) {
    RegionalTemporario regional({.SeparadorDecimal = '.'});
    TDadosRelatorioNimbal dados = Dados();
    dados.Mapa = TTamanhoFigura{450, 450};
    TEvidenciaChuva evidencia;
    evidencia.Estacoes.push_back({"Poço <Fundo>", "MG", "21°00'00\"", "45°00'00\"", 12.34, 0.5, 1000, 0.1, 10, 0.8});
    TEstacaoContribuinte outra;
    outra.Peso = 0.05;
    evidencia.Estacoes.insert(evidencia.Estacoes.end(), 10, outra);
    evidencia.Avisos = {"A estação mais próxima (X) está a 60 km: a equação interpolada pode não representar o "
                        "local."};
    dados.Evidencia = evidencia;
    const std::string texto = TextoRelatorioNimbal(dados);
    const std::size_t mapa = Em(texto, "MAPA DE LOCALIZAÇÃO:");
    const std::size_t estacoes = Em(texto, "<FONT SIZE=3><B>ESTAÇÕES QUE CONTRIBUEM:</B></FONT>");
    const std::size_t linha = Em(texto, "<TR><TD>Poço &lt;Fundo&gt;</TD><TD>MG</TD><TD>12.3 km</TD><TD>50.0 %</TD>"
                                        "<TD>1000</TD><TD>0.1</TD><TD>10</TD><TD>0.8</TD></TR>");
    const std::size_t outras = Em(texto, "<TR><TD COLSPAN=8>outra 1 estação: 5.0 %</TD></TR>");
    const std::size_t avisos = Em(texto, "<P><FONT COLOR=\"#990000\">A estação mais próxima (X) está a 60 km");
    EXPECT_LT(mapa, estacoes);
    EXPECT_LT(estacoes, linha);
    EXPECT_LT(linha, outras);
    EXPECT_LT(outras, avisos);
    EXPECT_NE(avisos, std::string::npos);
    EXPECT_LT(avisos, Em(texto, "</BODY>"));
    EXPECT_EQ(Em(TextoRelatorioNimbal(Dados()), "ESTAÇÕES QUE CONTRIBUEM"), std::string::npos);
}
