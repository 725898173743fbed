#include "report/TextoBalanco.h"

#include <algorithm>

#include "platform/Numeros.h"

namespace talvek {

namespace {

constexpr const char* kTabela = "<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=3>";

std::string Titulo(const std::string& texto) { return "<P><B>" + texto + "</B></P>"; }

std::string Cabecalho(std::initializer_list<const char*> colunas) {
    std::string linha = "<TR>";
    for (const char* coluna : colunas) linha += std::string("<TH>") + coluna + "</TH>";
    return linha + "</TR>";
}

std::string Linha(const std::string& termo, std::initializer_list<std::string> valores) {
    std::string linha = "<TR><TD>" + termo + "</TD>";
    for (const std::string& valor : valores) linha += "<TD ALIGN=RIGHT>" + valor + "</TD>";
    return linha + "</TR>";
}

std::string Numero(const char* formato, double valor) { return FormatarFloat(formato, valor); }
std::string Fracao(double parte, double todo) { return todo > 0 ? Numero("0.00", 100 * parte / todo) : "—"; }

std::string TabelaChuva(const TBalancoChuva& c, const std::string& ate) {
    return Titulo("Chuva sobre o terreno até " + ate + " (" + Numero("0.0#", c.Duracao) + " min)") + kTabela +
           Cabecalho({"Termo", "Lâmina (mm)", "Fração da precipitação (%)"}) +
           Linha("Precipitação", {Numero("0.00", c.Precipitacao), Fracao(c.Precipitacao, c.Precipitacao)}) +
           Linha("Abstração inicial", {Numero("0.00", c.AbstracaoInicial), Fracao(c.AbstracaoInicial, c.Precipitacao)}) +
           Linha("Infiltração", {Numero("0.00", c.Infiltracao), Fracao(c.Infiltracao, c.Precipitacao)}) +
           Linha("Chuva efetiva", {Numero("0.00", c.ChuvaEfetiva), Fracao(c.ChuvaEfetiva, c.Precipitacao)}) +
           "</TABLE>";
}

std::string LinhaEncosta(const char* termo, const TBalancoEncosta& e, double litros) {
    return Linha(termo, {Numero("0.0", litros), Numero("0.00", e.Mm(litros)), Fracao(litros, e.Entrada)});
}

std::string LinhaCanal(const char* termo, const TBalancoCanal& c, double m3) {
    return Linha(termo, {Numero("0.000", m3), Fracao(m3, c.Entrada())});
}

}  // namespace

std::string TabelaComInundacao(const TDetalheComInundacao& d) {
    return TabelaChuva(d.Chuva, "o fim do escoamento") + Titulo("Dimensionamento") + kTabela +
           Cabecalho({"Volume a drenar por dreno (m³)", "Tempo de drenagem (h)", "Vazão de projeto (L/s)"}) +
           "<TR><TD ALIGN=RIGHT>" + Numero("0.000", d.Volume) + "</TD><TD ALIGN=RIGHT>" + Numero("0.0#", d.TD) +
           "</TD><TD ALIGN=RIGHT>" + Numero("0.0#", d.Q) + "</TD></TR></TABLE>";
}

std::string TabelasSemInundacao(const TBalancoSemInundacao& b) {
    const TBalancoEncosta& e = b.BalancoEncosta;
    const TBalancoCanal& c = b.Canal.Balanco;
    return TabelaChuva(b.Chuva, "o fim do hidrograma da encosta") +
           Titulo("Encosta (por metro de dreno; lâmina sobre a faixa de " + Numero("0", e.Comprimento) + " m)") +
           kTabela + Cabecalho({"Termo", "Volume (L/m)", "Lâmina (mm)", "Fração da entrada (%)"}) +
           LinhaEncosta("Entrada (chuva efetiva do esquema)", e, e.Entrada) +
           LinhaEncosta("Saída (hidrograma da encosta)", e, e.Saida) +
           LinhaEncosta("Infiltrada após o fim do escoamento", e, e.Infiltrada) +
           LinhaEncosta("Armazenada no fim", e, e.Armazenada) + LinhaEncosta("Erro de continuidade", e, e.Erro()) +
           "</TABLE>" + Titulo("Canal") + kTabela + Cabecalho({"Termo", "Volume (m³)", "Fração da entrada (%)"}) +
           LinhaCanal("Entrada lateral", c, c.Lateral) + LinhaCanal("Entrada no início do canal", c, c.Montante) +
           LinhaCanal("Saída", c, c.Saida) + LinhaCanal("Armazenada no fim", c, c.Armazenada) +
           LinhaCanal("Erro de continuidade", c, c.Erro()) + "</TABLE>";
}

std::string TabelaIncerteza(const TIncerteza& i) {
    return Titulo("Incerteza numérica") + kTabela +
           Cabecalho({"Vazão de projeto (L/s)", "Vazão com os passos pela metade (L/s)", "Incerteza (%)"}) +
           "<TR><TD ALIGN=RIGHT>" + Numero("0.0#", i.Q) + "</TD><TD ALIGN=RIGHT>" + Numero("0.0#", i.QRefinado) +
           "</TD><TD ALIGN=RIGHT>" + Numero("0.00", i.Pct) + "</TD></TR></TABLE>";
}

std::string TabelasBalanco(const TBalancoHidrico& b) {
    std::string texto;
    if (b.ComInundacao) texto += TabelaComInundacao(*b.ComInundacao);
    if (b.SemInundacao) texto += TabelasSemInundacao(*b.SemInundacao);
    if (b.Incerteza) texto += TabelaIncerteza(*b.Incerteza);
    return texto;
}

std::string TextoPico(const THidrogramaCanal& canal) {
    return "Pico: " + Numero("0.0#", canal.Pico.Vazao) + " L/s em " + Numero("0.0#", canal.Pico.Tempo) + " min";
}

std::vector<std::string> AvisosBalanco(const TBalancoHidrico& b) {
    std::vector<std::string> avisos;
    if (b.SemInundacao && b.SemInundacao->Canal.SobeAposPico())
        avisos.push_back(std::string(kAvisoSubida) + " Máximo: " + Numero("0.0#", b.SemInundacao->Canal.Maximo.Vazao) +
                         " L/s em " + Numero("0.0#", b.SemInundacao->Canal.Maximo.Tempo) + " min.");
    if (b.Incerteza && b.Incerteza->DependeDaMalha()) avisos.push_back(kAvisoMalha);
    if (!b.FalhaIncerteza.empty()) avisos.push_back(kAvisoSemIncerteza + b.FalhaIncerteza);
    return avisos;
}

TTabelaPlanilha TabelaHidrogramas(const TBalancoSemInundacao& b) {
    TTabelaPlanilha tabela{{"Tempo da encosta (min)", "Encosta (L/s por m)", "Tempo do dreno (min)", "Dreno (L/s)"}, {}};
    const std::vector<TPontoHidrograma>& encosta = b.Encosta.Pontos();
    const std::vector<TPontoHidrograma>& canal = b.Canal.Pontos;
    for (std::size_t i = 0; i < std::max(encosta.size(), canal.size()); ++i) {
        std::vector<std::optional<double>> linha(4);
        if (i < encosta.size()) {
            linha[0] = encosta[i].Tempo;
            linha[1] = encosta[i].Vazao;
        }
        if (i < canal.size()) {
            linha[2] = canal[i].Tempo;
            linha[3] = canal[i].Vazao;
        }
        tabela.Linhas.push_back(std::move(linha));
    }
    return tabela;
}

}  // namespace talvek
