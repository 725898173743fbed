#include "report/RelatorioVerificacao.h"

#include <cctype>
#include <cmath>

#include "platform/Html.h"
#include "platform/Numeros.h"

namespace talvek {

namespace {

constexpr const char* kNaoDefinido = "—";
constexpr const char* k4 = "&nbsp;&nbsp;&nbsp;&nbsp;";
constexpr const char* k8 = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";

std::string N(const char* formato, double valor, const char* unidade) {
    if (!std::isfinite(valor)) return kNaoDefinido;
    const std::string numero = FormatarFloat(formato, valor);
    return *unidade ? numero + " " + unidade : numero;
}

// A number keeps its unit on its line; a material's name wraps.
std::string Valor(const std::string& valor) {
    std::string texto = EscaparHtml(valor);
    if (valor.empty() || !std::isdigit(static_cast<unsigned char>(valor[0]))) return texto;
    for (std::size_t i = texto.find(' '); i != std::string::npos; i = texto.find(' ', i))
        texto.replace(i, 1, "&nbsp;");
    return texto;
}

std::string Celulas(const TValorVerificacao& a, const TValorVerificacao* b) {
    std::string texto = std::string("<TD>") + k8 + "<B>" + EscaparHtml(a.Rotulo) + " </B>" + Valor(a.Valor) + "</TD>";
    if (b) texto += "<TD><B>" + EscaparHtml(b->Rotulo) + " </B>" + Valor(b->Valor) + "</TD>";
    return "<TR>" + texto + "</TR>";
}

std::string Linha(const std::string& texto, const char* cor) {
    const std::string conteudo = cor ? std::string("<FONT COLOR=\"") + cor + "\">" + EscaparHtml(texto) + "</FONT>"
                                     : EscaparHtml(texto);
    return std::string("<TR><TD colspan=2>") + k4 + conteudo + "</TD></TR>";
}

}  // namespace

std::vector<TBlocoVerificacao> BlocosVerificacao(const TVerificacao& v) {
    const THidraulica& h = v.Hidraulica;
    const TTerraplenagem& t = v.Terraplenagem;
    const std::string material = v.Material.Escolhido() ? v.Material.Descricao() : "não informado";
    std::string ocupada = N("0.0", t.OcupadaHectare, "m²/ha");
    if (std::isfinite(t.OcupadaPercentual)) ocupada += " (" + N("0.00", t.OcupadaPercentual, "%") + ")";
    return {
        {"Na altura teórica, com a vazão de projeto",
         {{"Área molhada (A):", N("0.0000", h.A, "m²")},
          {"Perímetro molhado (P):", N("0.000", h.P, "m")},
          {"Raio hidráulico (R):", N("0.0000", h.R, "m")},
          {"Largura superficial (T):", N("0.000", h.T, "m")},
          {"Velocidade média (V):", N("0.000", h.V, "m/s")},
          {"Número de Froude (F):", N("0.00", h.Froude, "")},
          {"Tensão de arraste (τ):", N("0.00", h.Tau, "Pa")}}},
        {"Material do canal",
         {{"Material:", material},
          {"Velocidade admissível:", N("0.00#", v.Vadm, "m/s")},
          {"Tensão admissível:", N("0.00", v.TauAdm, "Pa")}}},
        {"Terraplenagem na altura recomendada",
         {{"Largura superficial:", N("0.00", t.T, "m")},
          {"Área da seção:", N("0.0000", t.Area, "m²")},
          {"Terra movida:", N("0.0000", t.TerraPorMetro, "m³/m")},
          {"Drenos por hectare:", N("0.0", t.ComprimentoHectare, "m/ha")},
          {"Terra movida por hectare:", N("0.0", t.TerraHectare, "m³/ha")},
          {"Área ocupada:", ocupada}}},
    };
}

std::string SecaoRelatorioVerificacao(const TVerificacao& v) {
    std::string texto = "<FONT SIZE=3><B>VERIFICAÇÃO HIDRÁULICA</B></FONT><TABLE COLS=3 WIDTH=\"100%\">";
    for (const TBlocoVerificacao& bloco : BlocosVerificacao(v)) {
        texto += std::string("<TR><TD colspan=2>") + k4 + "<U><B>" + EscaparHtml(bloco.Titulo) + "</B></U></TD></TR>";
        const std::vector<TValorVerificacao>& valores = bloco.Valores;
        for (std::size_t i = 0; i < valores.size(); i += 2)
            texto += Celulas(valores[i], i + 1 < valores.size() ? &valores[i + 1] : nullptr);
    }
    for (const TAvisoVerificacao& aviso : v.Avisos) texto += Linha(aviso.Texto, aviso.Alerta ? kCorAlerta : nullptr);
    if (v.Atendida) texto += Linha(TextoAtendida(v), kCorAtendida);
    return texto + "</TABLE><P>";
}

}  // namespace talvek
