#include "report/TextoRelatorio.h"

#include <string>
#include <vector>

#include "design/uAvisos.h"
#include "design/uCanal.h"
#include "model/TabelaIdf.h"
#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"
#include "platform/Html.h"
#include "platform/Numeros.h"
#include "project/IDProjeto.h"
#include "report/RelatorioVerificacao.h"
#include "report/TextoBalanco.h"

namespace talvek {

namespace {

constexpr const char* kTituloCom = "Dimensionamento de Sistemas de Drenagem com Inundação Parcial";
constexpr const char* kTituloSem = "Dimensionamento de Sistemas de Drenagem sem Inundação Parcial";
constexpr const char* kAutor = "Talvek 2.0";

// Indents of the cells: four blanks for a heading or a first column, eight for a value under a heading,
// twelve for the cover classes.
constexpr const char* k4 = "&nbsp;&nbsp;&nbsp;&nbsp;";
constexpr const char* k8 = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
constexpr const char* k12 = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";

constexpr const char* kTabela = "<TABLE COLS=3 WIDTH=\"100%\">";
constexpr const char* kFimTabela = "</TABLE><P>";

std::string G(double valor) { return FormatarGeral(valor); }

std::string Linha(const std::string& celulas) { return "<TR>" + celulas + "</TR>"; }

// A first-column cell: indent, bold label, value.
std::string Celula(const char* recuo, const std::string& rotulo, const std::string& valor) {
    return std::string("<TD>") + recuo + "<B>" + rotulo + "</B>" + valor + "</TD>";
}
// A second-column cell: bold label, value.
std::string Celula2(const std::string& rotulo, const std::string& valor) {
    return "<TD><B>" + rotulo + "</B>" + valor + "</TD>";
}
std::string CelulaDupla(const char* recuo, const std::string& rotulo, const std::string& valor) {
    return std::string("<TD colspan=2>") + recuo + "<B>" + rotulo + "</B>" + valor + "</TD>";
}
std::string Subtitulo(const char* recuo, const std::string& texto) {
    return std::string("<TD colspan=2>") + recuo + "<U><B>" + texto + "</B></U></TD>";
}

std::string Cabecalho(const TDadosRelatorio& d, const std::string& titulo) {
    return "<HTML><HEAD><META NAME=\"Author\" CONTENT=\"" + std::string(kAutor) + "\"><TITLE>" + titulo +
           "</TITLE></HEAD>"
           "<FONT FACE=\"Arial\"><FONT COLOR=\"#000099\"><FONT SIZE=-2>Data de emissão do relatório: " +
           EscaparHtml(d.DataEmissao) + "</FONT></FONT></FONT><P>" + "<CENTER><IMG SRC=\"" +
           EscaparHtml(d.PastaPrograma) + kFiguraCabecalho + "\" HEIGHT=62 WIDTH=550></CENTER><HR>" +
           "<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#0000FF\" VLINK=\"#800080\" ALINK=\"#FF0000\">"
           "<CENTER><FONT FACE=\"Arial\"><FONT SIZE=3><B>RELATÓRIO</B></FONT></FONT></CENTER>"
           "<CENTER><FONT FACE=\"Arial\"><FONT SIZE=3><B>" +
           titulo + "</B></FONT></FONT></CENTER><HR><P>";
}

std::string Identificacao(const TIDProjeto& p) {
    return std::string("<FONT SIZE=3><B>IDENTIFICAÇÃO DO PROJETO</B></FONT>") + kTabela +
           Linha(Celula(k4, "Nome: ", EscaparHtml(p.Nome)) + Celula2("Empresa: ", EscaparHtml(p.Empresa))) +
           Linha(Celula(k4, "Técnico: ", EscaparHtml(p.Tecnico)) + Celula2("Local: ", EscaparHtml(p.Local))) +
           Linha(Celula(k4, "Estado: ", EscaparHtml(p.Estado)) + Celula2("Data: ", EscaparHtml(p.Data))) +
           kFimTabela;
}

// A coordinate as the rainfall component holds it, or "não informada" when none was given (an empty
// text, or the blank mask of the coordinate field: no digit at all).
std::string Coordenada(const std::string& texto) {
    const bool informada = texto.find_first_of("0123456789") != std::string::npos;
    return informada ? EscaparHtml(texto) : "não informada";
}

std::string Chuva(const TPrecipitacaoExponencialNegativa& p, const TLocalChuva& local) {
    return Linha(Subtitulo(k4, "Parâmetros da equação de chuvas intensas")) +
           Linha(Celula(k8, "Tr: ", G(p.Tr()) + " anos") + Celula2("Estado: ", EscaparHtml(local.Estado))) +
           Linha(Celula(k8, "K: ", FormatarFloat("#0.000", p.K())) +
                 Celula2("Localidade: ", EscaparHtml(local.Cidade))) +
           Linha(Celula(k8, "a: ", FormatarFloat("#0.000", p.A())) +
                 Celula2("Latitude: ", Coordenada(local.Latitude))) +
           Linha(Celula(k8, "b: ", FormatarFloat("#0.000", p.B())) +
                 Celula2("Longitude: ", Coordenada(local.Longitude))) +
           Linha(Celula(k8, "c: ", FormatarFloat("#0.000", p.C())));
}

std::string Canal(const TCanalDrenagem& c, const TTipoSistema& sistema, const TUnidades& u) {
    std::string texto =
        Linha(Subtitulo(k4, "Canal")) +
        Linha(Celula(k8, "Seção: ", c.TipoCanal.Texto()) +
              Celula2("Declividade: ", G(u.KDecli * c.Sc()) + " " + u.UDecli)) +
        Linha(Celula(k8, "Rugosidade: ", G(c.nc.Valor)) +
              Celula2("Comprimento: ", std::to_string(c.Comprimento()) + " m"));
    if (c.TipoCanal.Tipo == TTipoCanal::Triangular)
        texto += Linha(CelulaDupla(k8, "Declividade da parede do canal: ", G(u.KDecli * c.Sm.Valor) + " " + u.UDecli));
    else
        texto += Linha(Celula(k8, "Base: ", " " + G(c.B()) + " m") +
                       Celula2("Inverso da declividade das faces laterais: ", G(c.Z.Valor)));
    if (sistema.Tipo == 2)
        texto += Linha(Celula(k8, "Coeficiente de desuniformidade: ", G(c.CDu())) +
                       Celula2("Tempo de Drenagem: ", G(c.TD()) + " h"));
    else
        texto += Linha(CelulaDupla(k8, "Coeficiente de desuniformidade: ", G(c.CDu())));
    return texto;
}

std::string Terreno(const TTerreno& t, const TTipoSistema& sistema, const TUnidades& u) {
    const std::string declividade = G(u.KDecli * t.St()) + " " + u.UDecli;
    std::string texto = Linha(Subtitulo(k4, "Terreno"));
    if (sistema.Tipo == 2)
        texto += Linha(CelulaDupla(k8, "Declividade: ", declividade));
    else
        texto += Linha(Celula(k8, "Declividade: ", declividade) + Celula2("Rugosidade: ", G(t.nt.Valor)));
    texto += Linha(Subtitulo(k4, "Solo")) +
             Linha(CelulaDupla(k8, "Velocidade de infiltração básica (VIB): ", G(t.VIB() * u.KVIB) + " " + u.UVIB)) +
             Linha(Subtitulo(k8, "Cobertura vegetal")) +
             Linha(CelulaDupla(k12, "Uso da terra: ", t.Cobertura.UsoTerra.Texto())) +
             Linha(CelulaDupla(k12, "Tratamento: ", t.Cobertura.Tratamento.Texto())) +
             Linha(CelulaDupla(k12, "Condição hidrológica: ", t.Cobertura.CondicaoHidrologica.Texto()));
    return texto;
}

std::string Resultados(const TCanalDrenagem& c) {
    return std::string("<FONT SIZE=3><B>RESULTADOS</B></FONT>") + kTabela +
           Linha(std::string("<TD >") + k4 + "<B>Vazão: </B>" + FormatarFloat("0.0", c.Q()) + " L/s</TD>" +
                 "<TD colspan=2><B>Espaçamento horizontal: </B>" + FormatarFloat("#0.0", c.EH()) + " m</TD>") +
           Linha(std::string("<TD >") + k4 + "<B>Altura teórica: </B>" + FormatarFloat("0.0", 100 * c.H()) +
                 " cm</TD>" + "<TD colspan=2><B>Espaçamento vertical: </B>" + FormatarFloat("0.00", c.EV()) +
                 " m</TD>") +
           Linha(CelulaDupla(k4, "Altura recomendada: ", FormatarFloat("0.0", c.Hr()) + " cm")) + kFimTabela;
}

// The design's warnings (uAvisos.h), when it has any: one row each, in the warning colour of the results page.
std::string Avisos(const TDadosRelatorio& d) {
    const std::vector<std::string> avisos = AvisosDimensionamento(d.Canal, d.Terreno, d.Precipitacao, d.Sistema);
    if (avisos.empty()) return {};
    std::string texto = std::string("<FONT SIZE=3><B>AVISOS</B></FONT>") + kTabela;
    for (const std::string& aviso : avisos)
        texto += Linha(std::string("<TD colspan=2>") + k4 + "<FONT COLOR=\"#A00000\">" + aviso + "</FONT></TD>");
    return texto + kFimTabela;
}

// Rows under the storm parameters: the design storm at the IDF table's durations for the project's return
// period, average intensity (mm/h) and depth (mm), one duration a row so that the table fits the page's
// width. Nothing while the parameters cannot make a storm.
std::string ChuvaDeProjeto(const TPrecipitacaoExponencialNegativa& p) {
    if (!(p.Tr() > 0 && p.K() > 0 && p.A() >= 0 && p.B() >= 0 && p.C() >= 0)) return "";
    const TTabelaIdf tabela = TabelaIdf(ParametrosDe(p), {p.Tr()});
    std::string linhas = Linha("<TD><B>Duração (min)</B></TD><TD><B>Intensidade (mm/h)</B></TD><TD><B>Lâmina (mm)</B></TD>");
    for (std::size_t j = 0; j < tabela.DuracoesMin.size(); ++j)
        linhas += Linha("<TD ALIGN=RIGHT>" + G(tabela.DuracoesMin[j]) + "</TD><TD ALIGN=RIGHT>" +
                        FormatarFloat("0.0", tabela.IntensidadesMmH[0][j]) + "</TD><TD ALIGN=RIGHT>" +
                        FormatarFloat("0.0", tabela.LaminasMm[0][j]) + "</TD>");
    return Linha(CelulaDupla(k8, "Chuva de projeto (Tr = " + G(p.Tr()) + " anos):", "")) +
           Linha(std::string("<TD colspan=2><TABLE CELLPADDING=2>") + linhas + "</TABLE></TD>");
}

std::string Simulacao(const TTamanhoFigura& figura) {
    return std::string("<FONT SIZE=3><B>SIMULAÇÃO</B></FONT>") + "<CENTER><TABLE CELLPADDING=3><TR><TD>" +
           "<CENTER><IMG SRC=\"" + kFiguraSimulacao + "\" HEIGHT=" + std::to_string(figura.Altura) +
           " WIDTH=" + std::to_string(figura.Largura) + "></CENTER>" + "</TD></TR></TABLE></CENTER>";
}

// The water balance: the hydrograph chart (system without partial flooding), the tables and their warnings.
std::string BalancoHidrico(const TBalancoHidrico& balanco, const std::optional<TTamanhoFigura>& grafico) {
    std::string texto = "<FONT SIZE=3><B>BALANÇO HÍDRICO</B></FONT>";
    if (grafico)
        texto += std::string("<CENTER><IMG SRC=\"") + kFiguraHidrograma + "\" HEIGHT=" +
                 std::to_string(grafico->Altura) + " WIDTH=" + std::to_string(grafico->Largura) + "></CENTER>";
    texto += TabelasBalanco(balanco);
    for (const std::string& aviso : AvisosBalanco(balanco)) texto += "<P><B>" + aviso + "</B></P>";
    return texto + "<P>";
}

}  // namespace

std::string TituloRelatorio(const TTipoSistema& sistema) { return sistema.Tipo == 2 ? kTituloCom : kTituloSem; }

std::string TextoRelatorio(const TDadosRelatorio& d) {
    const std::string titulo = TituloRelatorio(d.Sistema);
    std::string texto = Cabecalho(d, titulo) + Identificacao(d.Projeto) +
                        "<FONT SIZE=3><B>DADOS DE ENTRADA</B></FONT>" + kTabela + Chuva(d.Precipitacao, d.Chuva) +
                        ChuvaDeProjeto(d.Precipitacao) +
                        Canal(d.Canal, d.Sistema, d.Unidades) + Terreno(d.Terreno, d.Sistema, d.Unidades) +
                        kFimTabela + Resultados(d.Canal) + Avisos(d) +
                        SecaoRelatorioVerificacao(VerificarCanal(d.Canal, d.Terreno.St()));
    if (d.Balanco) texto += BalancoHidrico(*d.Balanco, d.GraficoHidrograma);
    if (d.Grafico) texto += Simulacao(*d.Grafico);
    return texto + "</BODY></HTML>";
}

}  // namespace talvek
