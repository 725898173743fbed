// The design report's HTML: every field in its cell with its picture and display unit, the branches of
// the system and channel types, the simulation section, and user texts escaped.
#include <gtest/gtest.h>

#include <string>

#include "design/uCanal.h"
#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"
#include "platform/Html.h"
#include "platform/Regional.h"
#include "project/IDProjeto.h"
#include "report/TextoRelatorio.h"

using namespace talvek;

namespace {

const std::string k4 = "&nbsp;&nbsp;&nbsp;&nbsp;";
const std::string k8 = k4 + k4;
const std::string k12 = k8 + k4;

// The worked design: a trapezoid (B 0.5 m, Z 1) 100 m long, Sc 0.002, n 0.03, on a 2 % field with nt 0.1
// and VIB 20 mm/h, EH 20 m, EV 0.4 m, TD 24 h, CDu 1.2; storm Tr 10, K 1000, a 0.2, b 10, c 0.8; results
// Q 0.73643 L/s, H 0.015784 m, Hr 11.7 cm.
struct Projeto {
    TTipoSistema sistema;
    TCanalDrenagem canal;
    TTerreno terreno;
    TPrecipitacaoExponencialNegativa chuva;
    TIDProjeto id;
    TUnidades unidades;
    std::optional<TTamanhoFigura> grafico;
    TLocalChuva local{"Minas Gerais", "Lavras", "21°14'00\"", "45°00'00\""};

    Projeto() {
        sistema.Tipo = 3;
        canal.TipoCanal.Tipo = TTipoCanal::Trapezoidal;
        canal.SetB(0.5);
        canal.Z = {1.0, -1};
        canal.Sm = {0.5, -1};
        canal.SetSc(0.002);
        canal.nc = {0.03, 0};
        canal.SetComprimento(100);
        canal.SetEH(20);
        canal.SetEV(0.4);
        canal.SetTD(24);
        canal.SetCDu(1.2);
        canal.SetQ(0.73643);
        canal.SetH(0.015784);
        canal.SetHr(11.7);
        terreno.SetSt(0.02);
        terreno.nt = {0.1, 0};
        terreno.SetVIB(20);
        terreno.Cobertura.UsoTerra.Indice = 1;
        terreno.Cobertura.Tratamento.Indice = 2;
        terreno.Cobertura.CondicaoHidrologica.Indice = 3;
        chuva.SetTr(10);
        chuva.SetK(1000);
        chuva.SetA(0.2);
        chuva.SetB(10);
        chuva.SetC(0.8);
        id.Nome = "Lavoura 3";
        id.Empresa = "Cooperativa";
        id.Tecnico = "Ana";
        id.Local = "Várzea";
        id.Estado = "MG";
        id.Data = "01/03/2026";
    }

    std::string Texto() const {
        return TextoRelatorio(
            {sistema, canal, terreno, chuva, local, id, unidades, "09/12/2026", "/opt/talvek/Talvek2/", grafico});
    }
};

::testing::AssertionResult Contem(const std::string& texto, const std::string& trecho) {
    if (texto.find(trecho) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "missing: " << trecho;
}

}  // namespace

TEST(TextoRelatorio, CabecalhoEIdentificacao) {
    RegionalTemporario regional({.SeparadorDecimal = '.'});
    const std::string t = Projeto().Texto();
    const std::string titulo = "Dimensionamento de Sistemas de Drenagem sem Inundação Parcial";
    EXPECT_EQ(t.rfind("<HTML><HEAD><META NAME=\"Author\" CONTENT=", 0), 0u);
    EXPECT_TRUE(Contem(t, "\"><TITLE>" + titulo + "</TITLE></HEAD><FONT FACE=\"Arial\"><FONT COLOR=\"#000099\">"
                          "<FONT SIZE=-2>Data de emissão do relatório: 09/12/2026</FONT></FONT></FONT><P>"
                          "<CENTER><IMG SRC=\"/opt/talvek/Talvek2/Cabecalho.jpg\" HEIGHT=62 WIDTH=550></CENTER>"
                          "<HR><BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#0000FF\" VLINK=\"#800080\" "
                          "ALINK=\"#FF0000\"><CENTER><FONT FACE=\"Arial\"><FONT SIZE=3><B>RELATÓRIO</B></FONT>"
                          "</FONT></CENTER><CENTER><FONT FACE=\"Arial\"><FONT SIZE=3><B>" +
                          titulo + "</B></FONT></FONT></CENTER><HR><P>"));
    EXPECT_TRUE(Contem(t, "<FONT SIZE=3><B>IDENTIFICAÇÃO DO PROJETO</B></FONT><TABLE COLS=3 WIDTH=\"100%\">"
                          "<TR><TD>" + k4 + "<B>Nome: </B>Lavoura 3</TD><TD><B>Empresa: </B>Cooperativa</TD></TR>"
                          "<TR><TD>" + k4 + "<B>Técnico: </B>Ana</TD><TD><B>Local: </B>Várzea</TD></TR>"
                          "<TR><TD>" + k4 + "<B>Estado: </B>MG</TD><TD><B>Data: </B>01/03/2026</TD></TR>"
                          "</TABLE><P><FONT SIZE=3><B>DADOS DE ENTRADA</B></FONT>"));
}

TEST(TextoRelatorio, CamposDeEntradaEResultadosComSeusFormatos) {
    struct Caso {
        char separador;
        const char* trecho;
    };
    const std::string tr = "<TR><TD>" + k8;
    const Caso casos[] = {
        {'.', "<B>Tr: </B>10 anos</TD><TD><B>Estado: </B>Minas Gerais</TD></TR>"},
        {'.', "<B>K: </B>1000.000</TD><TD><B>Localidade: </B>Lavras</TD></TR>"},
        {'.', "<B>a: </B>0.200</TD><TD><B>Latitude: </B>21°14'00&quot;</TD></TR>"},
        {'.', "<B>b: </B>10.000</TD><TD><B>Longitude: </B>45°00'00&quot;</TD></TR>"},
        {'.', "<B>c: </B>0.800</TD></TR>"},
        {'.', "<B>Seção: </B>Trapezoidal</TD><TD><B>Declividade: </B>0.002 m/m</TD></TR>"},
        {'.', "<B>Rugosidade: </B>0.03</TD><TD><B>Comprimento: </B>100 m</TD></TR>"},
        {',', "<B>a: </B>0,200</TD>"},
        {',', "<B>Rugosidade: </B>0,03</TD><TD><B>Comprimento: </B>100 m</TD></TR>"},
    };
    for (const Caso& caso : casos) {
        RegionalTemporario regional({.SeparadorDecimal = caso.separador});
        EXPECT_TRUE(Contem(Projeto().Texto(), tr + caso.trecho)) << caso.separador;
    }
    // Q 0.73643 L/s is written 0.7, H 0.015784 m 1.6 cm, EV 0.4 m 0.40 m, EH 20 m 20.0 m.
    RegionalTemporario regional({.SeparadorDecimal = ','});
    EXPECT_TRUE(Contem(Projeto().Texto(),
                       "<FONT SIZE=3><B>RESULTADOS</B></FONT><TABLE COLS=3 WIDTH=\"100%\">"
                       "<TR><TD >" + k4 + "<B>Vazão: </B>0,7 L/s</TD>"
                       "<TD colspan=2><B>Espaçamento horizontal: </B>20,0 m</TD></TR>"
                       "<TR><TD >" + k4 + "<B>Altura teórica: </B>1,6 cm</TD>"
                       "<TD colspan=2><B>Espaçamento vertical: </B>0,40 m</TD></TR>"
                       "<TR><TD colspan=2>" + k4 + "<B>Altura recomendada: </B>11,7 cm</TD></TR></TABLE><P>"));
}

// Coordinates never given (an empty text or the blank mask of the page's field) read "não informada".
TEST(TextoRelatorio, CoordenadasNaoInformadas) {
    struct Caso {
        std::string latitude, longitude, celulaLatitude, celulaLongitude;
    };
    const Caso casos[] = {
        {"", "", "não informada", "não informada"},
        {"  °  '  \"", "  °  '  \"", "não informada", "não informada"},
        {"21°14'00\"", "", "21°14'00&quot;", "não informada"},
    };
    for (const Caso& caso : casos) {
        Projeto p;
        p.local.Latitude = caso.latitude;
        p.local.Longitude = caso.longitude;
        const std::string t = p.Texto();
        EXPECT_TRUE(Contem(t, "<TD><B>Latitude: </B>" + caso.celulaLatitude + "</TD>")) << caso.latitude;
        EXPECT_TRUE(Contem(t, "<TD><B>Longitude: </B>" + caso.celulaLongitude + "</TD>")) << caso.longitude;
    }
}

TEST(TextoRelatorio, UnidadesDeExibicao) {
    RegionalTemporario regional({.SeparadorDecimal = '.'});
    Projeto p;
    EXPECT_TRUE(Contem(p.Texto(), "<TR><TD colspan=2>" + k8 +
                                      "<B>Velocidade de infiltração básica (VIB): </B>20 mm/h</TD></TR>"));
    p.unidades = {"%", 100, "m/dia", 0.024};
    const std::string t = p.Texto();
    // Trapezoid of system type 3 with slopes in %: Sc 0.002 is 0.2 %, B and Z in their own units.
    EXPECT_TRUE(Contem(t, "<TD><B>Declividade: </B>0.2 %</TD>"));
    EXPECT_TRUE(Contem(t, "<TR><TD>" + k8 + "<B>Base: </B> 0.5 m</TD><TD><B>Inverso da declividade das faces "
                          "laterais: </B>1</TD></TR>"));
    EXPECT_TRUE(Contem(t, "<TR><TD>" + k8 + "<B>Declividade: </B>2 %</TD><TD><B>Rugosidade: </B>0.1</TD></TR>"));
    EXPECT_TRUE(Contem(t, "<B>Velocidade de infiltração básica (VIB): </B>0.48 m/dia</TD>"));
}

TEST(TextoRelatorio, RamosDoTipoDeSistemaEDoCanal) {
    RegionalTemporario regional({.SeparadorDecimal = '.'});
    struct Caso {
        int tipoSistema;
        std::uint8_t tipoCanal;
        std::vector<std::string> presentes;
        std::vector<std::string> ausentes;
    };
    const Caso casos[] = {
        {2, TTipoCanal::Trapezoidal,
         {"<TITLE>Dimensionamento de Sistemas de Drenagem com Inundação Parcial</TITLE>",
          "<TR><TD>" + k8 +
              "<B>Coeficiente de desuniformidade: </B>1.2</TD><TD><B>Tempo de Drenagem: </B>24 h</TD></TR>",
          "<TR><TD colspan=2>" + k8 + "<B>Declividade: </B>0.02 m/m</TD></TR>", "<B>Base: </B>"},
         {"<B>Rugosidade: </B>0.1", "Declividade da parede do canal"}},
        {3, TTipoCanal::Trapezoidal,
         {"<TITLE>Dimensionamento de Sistemas de Drenagem sem Inundação Parcial</TITLE>",
          "<TR><TD colspan=2>" + k8 + "<B>Coeficiente de desuniformidade: </B>1.2</TD></TR>",
          "<B>Declividade: </B>0.02 m/m</TD><TD><B>Rugosidade: </B>0.1</TD></TR>"},
         {"Tempo de Drenagem", "Declividade da parede do canal"}},
        {3, TTipoCanal::Triangular,
         {"<B>Seção: </B>Triangular</TD>",
          "<TR><TD colspan=2>" + k8 + "<B>Declividade da parede do canal: </B>0.5 m/m</TD></TR>"},
         {"<B>Base: </B>", "Inverso da declividade"}},
    };
    for (const Caso& caso : casos) {
        Projeto p;
        p.sistema.Tipo = static_cast<std::uint8_t>(caso.tipoSistema);
        p.canal.TipoCanal.Tipo = caso.tipoCanal;
        const std::string t = p.Texto();
        for (const std::string& trecho : caso.presentes) EXPECT_TRUE(Contem(t, trecho)) << caso.tipoSistema;
        for (const std::string& trecho : caso.ausentes) EXPECT_FALSE(Contem(t, trecho)) << caso.tipoSistema;
    }
    EXPECT_EQ(TituloRelatorio(Projeto().sistema), "Dimensionamento de Sistemas de Drenagem sem Inundação Parcial");
}

TEST(TextoRelatorio, Cobertura) {
    Projeto p;
    EXPECT_TRUE(Contem(p.Texto(), "<TR><TD colspan=2>" + k4 + "<U><B>Solo</B></U></TD></TR>"));
    EXPECT_TRUE(Contem(p.Texto(), "<TR><TD colspan=2>" + k8 + "<U><B>Cobertura vegetal</B></U></TD></TR>"
                                  "<TR><TD colspan=2>" + k12 + "<B>Uso da terra: </B>Cultivo em fileiras</TD></TR>"
                                  "<TR><TD colspan=2>" + k12 + "<B>Tratamento: </B>Com curvas de nível</TD></TR>"
                                  "<TR><TD colspan=2>" + k12 + "<B>Condição hidrológica: </B>Boa</TD></TR>"
                                  "</TABLE><P><FONT SIZE=3><B>RESULTADOS"));
    p.terreno.Cobertura.Tratamento.Indice = 0;  // no treatment: an empty text
    EXPECT_TRUE(Contem(p.Texto(), "<B>Tratamento: </B></TD>"));
}

TEST(TextoRelatorio, SecaoDaSimulacaoSoQuandoPedida) {
    Projeto p;
    const std::string sem = p.Texto();
    EXPECT_FALSE(Contem(sem, "SIMULAÇÃO"));
    EXPECT_FALSE(Contem(sem, "Bit.bmp"));
    // The results are followed by the hydraulic checks, and these by the end of the document.
    EXPECT_TRUE(Contem(sem, " cm</TD></TR></TABLE><P><FONT SIZE=3><B>VERIFICAÇÃO HIDRÁULICA</B></FONT>"));
    EXPECT_TRUE(Contem(sem, "</TD></TR></TABLE><P></BODY></HTML>"));
    EXPECT_EQ(sem.size() - sem.rfind("</HTML>"), 7u);

    p.grafico = TTamanhoFigura{640, 312};
    EXPECT_TRUE(Contem(p.Texto(), "</TD></TR></TABLE><P><FONT SIZE=3><B>SIMULAÇÃO</B></FONT><CENTER>"
                                  "<TABLE CELLPADDING=3><TR><TD><CENTER><IMG SRC=\"Bit.bmp\" HEIGHT=312 WIDTH=640>"
                                  "</CENTER></TD></TR></TABLE></CENTER></BODY></HTML>"));
}

TEST(TextoRelatorio, SecaoDaVerificacaoHidraulica) {
    RegionalTemporario regional({.SeparadorDecimal = ','});
    Projeto p;
    std::string t = p.Texto();
    EXPECT_TRUE(Contem(t, "<TR><TD colspan=2>" + k4 +
                              "<U><B>Na altura teórica, com a vazão de projeto</B></U></TD></TR>"
                          "<TR><TD>" + k8 + "<B>Área molhada (A): </B>0,0081&nbsp;m²</TD>"
                          "<TD><B>Perímetro molhado (P): </B>0,545&nbsp;m</TD></TR>"));
    EXPECT_TRUE(Contem(t, "<B>Velocidade média (V): </B>0,090&nbsp;m/s</TD><TD><B>Número de Froude (F): </B>0,23</TD>"));
    EXPECT_TRUE(Contem(t, "<B>Material: </B>não informado</TD><TD><B>Velocidade admissível: </B>—</TD>"));
    EXPECT_TRUE(Contem(t, "<B>Drenos por hectare: </B>500,0&nbsp;m/ha</TD>"));
    EXPECT_FALSE(Contem(t, "#C00000")) << "no verdict without a material";
    EXPECT_FALSE(Contem(t, "#008000"));

    p.canal.Material = {TMaterialCanal::kDigitado, 0.05};
    t = p.Texto();
    EXPECT_TRUE(Contem(t, "<TR><TD colspan=2>" + k4 + "<FONT COLOR=\"#C00000\">Risco de erosão: V = 0,09 m/s acima do "
                          "limite de 0,05 m/s para o material informado.</FONT></TD></TR></TABLE><P></BODY>"));
    p.canal.Material = {1, 0.457};  // bare fine sand: slow, nothing fails
    EXPECT_TRUE(Contem(p.Texto(), "<FONT COLOR=\"#008000\">Canal estável: velocidade, tensão de arraste e número de "
                                  "Froude dentro dos limites.</FONT>"));
}

// The design's warnings follow the results, only when there are any (a no-runoff design names its reason).
TEST(TextoRelatorio, AvisosDepoisDosResultados) {
    RegionalTemporario regional({.SeparadorDecimal = ','});
    Projeto p;
    EXPECT_FALSE(Contem(p.Texto(), "AVISOS"));
    p.canal.nc = {0.5, 0};
    p.canal.SetQ(0);
    p.terreno.SetVIB(400);
    EXPECT_TRUE(Contem(p.Texto(),
                       " cm</TD></TR></TABLE><P><FONT SIZE=3><B>AVISOS</B></FONT><TABLE COLS=3 WIDTH=\"100%\">"
                       "<TR><TD colspan=2>" + k4 + "<FONT COLOR=\"#A00000\">Não há escoamento: a intensidade da chuva "
                       "não supera a VIB.</FONT></TD></TR>"
                       "<TR><TD colspan=2>" + k4 + "<FONT COLOR=\"#A00000\">Rugosidade do canal = 0,5: fora da faixa "
                       "usual, de 0,01 a 0,2.</FONT></TD></TR>"
                       "<TR><TD colspan=2>" + k4 + "<FONT COLOR=\"#A00000\">VIB = 400 mm/h: acima do usual, até 300 "
                       "mm/h.</FONT></TD></TR></TABLE><P><FONT SIZE=3><B>VERIFICAÇÃO HIDRÁULICA</B></FONT>"));
}

// Regression: user texts were written into the page as they stand, so a "<" hid the rest of a cell and
// an "&" or a quote could break the markup.
TEST(TextoRelatorio, TextosDoUsuarioSaoEscapados) {
    struct Caso {
        std::string TIDProjeto::*campo;
        const char* rotulo;
    };
    const Caso casos[] = {
        {&TIDProjeto::Nome, "<B>Nome: </B>"},       {&TIDProjeto::Empresa, "<B>Empresa: </B>"},
        {&TIDProjeto::Tecnico, "<B>Técnico: </B>"}, {&TIDProjeto::Local, "<B>Local: </B>"},
        {&TIDProjeto::Estado, "<B>Estado: </B>"},   {&TIDProjeto::Data, "<B>Data: </B>"},
    };
    for (const Caso& caso : casos) {
        Projeto p;
        p.id.*caso.campo = "A<b> & \"C\"";
        const std::string t = p.Texto();
        EXPECT_TRUE(Contem(t, std::string(caso.rotulo) + "A&lt;b&gt; &amp; &quot;C&quot;</TD>")) << caso.rotulo;
        EXPECT_FALSE(Contem(t, "A<b>")) << caso.rotulo;
    }
    Projeto p;
    const std::string t = TextoRelatorio({p.sistema, p.canal, p.terreno, p.chuva, {"R&S", "<Vila>", "", ""}, p.id,
                                          p.unidades, "09/12/2026", "/home/a&b \"c\"/", std::nullopt});
    EXPECT_TRUE(Contem(t, "<B>Estado: </B>R&amp;S</TD>"));
    EXPECT_TRUE(Contem(t, "<B>Localidade: </B>&lt;Vila&gt;</TD>"));
    EXPECT_TRUE(Contem(t, "<IMG SRC=\"/home/a&amp;b &quot;c&quot;/Cabecalho.jpg\""));
    EXPECT_EQ(EscaparHtml("Açude \"Velho\" <1> & 2"), "Açude &quot;Velho&quot; &lt;1&gt; &amp; 2");
}

// The worked storm at Tr 10 years: 144.270 mm/h in 10 min, 52.957 mm in 60 min; no row without a storm.
TEST(TextoRelatorio, ChuvaDeProjetoNoTrDoProjeto) {
    RegionalTemporario regional({.SeparadorDecimal = '.'});
    Projeto p;
    const std::string c = "</TD><TD ALIGN=RIGHT>";
    EXPECT_TRUE(Contem(p.Texto(), "<B>c: </B>0.800</TD></TR><TR><TD colspan=2>" + k8 +
                                      "<B>Chuva de projeto (Tr = 10 anos):</B></TD></TR>"));
    EXPECT_TRUE(Contem(p.Texto(), "<TR><TD><B>Duração (min)</B></TD><TD><B>Intensidade (mm/h)</B></TD>"
                                  "<TD><B>Lâmina (mm)</B></TD></TR><TR><TD ALIGN=RIGHT>5" + c + "181.6" + c +
                                  "15.1</TD></TR><TR><TD ALIGN=RIGHT>10" + c + "144.3" + c + "24.0</TD></TR>"));
    EXPECT_TRUE(Contem(p.Texto(), "<TR><TD ALIGN=RIGHT>60" + c + "53.0" + c));
    EXPECT_TRUE(Contem(p.Texto(), "<TR><TD ALIGN=RIGHT>1440" + c));
    p.chuva.SetK(0);
    EXPECT_FALSE(Contem(p.Texto(), "Chuva de projeto"));
}
