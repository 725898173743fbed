#include "rainfall/RelatorioNimbal.h"

#include <vector>

#include "platform/Html.h"
#include "platform/Numeros.h"

namespace talvek {

namespace {

constexpr const char* kCabecalho = "Cabecalho_Nimbal21.jpg";
constexpr const char* kRecuo = "<TD>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<B>";

std::string Celula(const std::string& rotulo, const std::string& valor) {
    return kRecuo + rotulo + "</B>" + EscaparHtml(valor) + "</TD>";
}

// A picture dimension in decimal, cut to at most four characters.
std::string Dimensao(int pixels) { return std::to_string(pixels).substr(0, 4); }

std::string CelulaEvidencia(const std::string& texto) { return "<TD>" + EscaparHtml(texto) + "</TD>"; }

// The first stations with state, distance, weight and parameters, the line of the others, and the warnings.
void AcrescentarEvidencia(std::vector<std::string>& linhas, const TEvidenciaChuva& evidencia) {
    linhas.insert(linhas.end(), {"<P>", "<FONT SIZE=3><B>ESTAÇÕES QUE CONTRIBUEM:</B></FONT>",
                                 "<TABLE CELLPADDING=3>",
                                 "<TR><TH ALIGN=LEFT>Estação</TH><TH>Estado</TH><TH>Distância</TH><TH>Peso</TH>"
                                 "<TH>K</TH><TH>a</TH><TH>b</TH><TH>c</TH></TR>"});
    for (std::size_t i = 0; i < evidencia.Estacoes.size() && i < kEstacoesListadas; ++i) {
        const TEstacaoContribuinte& e = evidencia.Estacoes[i];
        linhas.push_back("<TR>" + CelulaEvidencia(e.Nome) + CelulaEvidencia(e.Estado) +
                         CelulaEvidencia(TextoDistancia(e.DistanciaKm)) + CelulaEvidencia(TextoPeso(e.Peso)) +
                         CelulaEvidencia(FormatarGeral(e.K)) + CelulaEvidencia(FormatarGeral(e.A)) +
                         CelulaEvidencia(FormatarGeral(e.B)) + CelulaEvidencia(FormatarGeral(e.C)) + "</TR>");
    }
    if (const auto outras = LinhaOutrasEstacoes(evidencia))
        linhas.push_back("<TR><TD COLSPAN=8>" + EscaparHtml(*outras) + "</TD></TR>");
    linhas.push_back("</TABLE>");
    if (evidencia.Avisos.empty()) return;
    linhas.insert(linhas.end(), {"<P>", "<FONT SIZE=3><B>AVISOS:</B></FONT>"});
    for (const std::string& aviso : evidencia.Avisos)
        linhas.push_back("<P><FONT COLOR=\"#990000\">" + EscaparHtml(aviso) + "</FONT>");
}

}  // namespace

std::string TextoRelatorioNimbal(const TDadosRelatorioNimbal& dados) {
    const std::string titulo = kTituloRelatorioNimbal;
    const std::string caminhoCabecalho = EscaparHtml(dados.PastaDados + kCabecalho);

    std::vector<std::string> linhas = {
        "<HTML>",
        "<HEAD>",
        "<META NAME=\"Author\" CONTENT=\"Talvek 2.0 - Nimbal 2.1\">",
        "<TITLE>" + titulo + "</TITLE>",
        "</HEAD>",
        "<FONT FACE=\"Arial\"><FONT COLOR=\"#000099\"><FONT SIZE=-2>Data de emissão do relatório: " +
            EscaparHtml(dados.DataEmissao) + "</FONT></FONT></FONT>",
        "<P>",
        "<CENTER><IMG SRC=\"" + caminhoCabecalho + "\" HEIGHT=73 WIDTH=550></CENTER>",
        "<HR>",
        "<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#0000FF\" VLINK=\"#800080\" ALINK=\"#FF0000\">",
        "<CENTER><FONT FACE=\"Arial\"><FONT SIZE=+1><B>RELATÓRIO</B></FONT></FONT></CENTER>",
        "<CENTER><FONT FACE=\"Arial\"><FONT SIZE=3><B>" + titulo + "</B></FONT></FONT></CENTER>",
        "<HR>",
        "<P>",
        "<FONT SIZE=3><B>LOCALIZAÇÃO:</B></FONT>",
        // Two cells a row, so that each label stays on the line of its value in a window 640 pixels wide.
        "<TABLE CELLPADDING=3>",
        "<TR>",
        Celula("Localidade: ", dados.Localidade),
        Celula("Estado: ", dados.Estado),
        "</TR>",
        "<TR>",
        Celula("Latitude: ", dados.Latitude),
        Celula("Longitude: ", dados.Longitude),
        "</TR>",
        "</TABLE>",
        "<P>",
        "<P>",
        "<FONT SIZE=3><B>PARÂMETROS DA EQUAÇÃO:</B></FONT>",
        "<TABLE CELLPADDING=3>",
        "<TR>",
        Celula("K: ", dados.Parametros[0]),
        Celula("a: ", dados.Parametros[1]),
        Celula("b: ", dados.Parametros[2]),
        Celula("c: ", dados.Parametros[3]),
        "</TABLE>",
        "<P>",
        "<P>",
    };
    if (dados.Mapa) {
        linhas.insert(linhas.end(),
                      {"<FONT SIZE=3><B>MAPA DE LOCALIZAÇÃO:</B></FONT>", "<TABLE CELLPADDING=3>", "<TR>", "<TD>",
                       std::string("<CENTER><IMG SRC=\"") + kFiguraMapaRelatorio + "\" HEIGHT=" +
                           Dimensao(dados.Mapa->Altura) + " WIDTH=" + Dimensao(dados.Mapa->Largura) + "></CENTER>",
                       "</TD>", "</TR>", "</TABLE>", "</TD>"});
    }
    if (dados.Evidencia) AcrescentarEvidencia(linhas, *dados.Evidencia);
    linhas.insert(linhas.end(), {"</BODY>", "</HTML>"});

    std::string texto;
    for (const std::string& linha : linhas) texto += linha + "\n";
    return texto;
}

}  // namespace talvek
