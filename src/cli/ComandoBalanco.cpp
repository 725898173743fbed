// talvek-calc balanco: where the design flow of a project comes from — the storm on the field, the
// continuity ledgers of the hillslope and of the drain's routing and the numerical uncertainty of the flow
// (system without partial flooding), or the partial-flooding sizing laid open.
#include <ostream>
#include <string>

#include "ComandoProjeto.h"
#include "design/uBalancoHidrico.h"
#include "platform/Numeros.h"
#include "report/TextoBalanco.h"

namespace talvek::cli {

namespace {

constexpr const char* kUso = "balanco PROJETO.tvk [--json]";
constexpr const char* kDescricao =
    "Mostra o balanço hídrico do dimensionamento do projeto. Sem inundação parcial: a chuva sobre o terreno\n"
    "até o fim do hidrograma da encosta (mm), o balanço da encosta (mm sobre a faixa), o do canal (m³) e a\n"
    "incerteza numérica da vazão de projeto (diferença relativa, %, para o cálculo com todos os passos de\n"
    "tempo e de espaço pela metade; acima de 5 % o resultado depende da malha). Com inundação parcial: a\n"
    "chuva até o fim do escoamento, o volume a drenar por dreno (m³), o tempo de drenagem (h) e a vazão (L/s).\n"
    "  --json   {\"chuva\":{...},\"encosta\":{...},\"canal\":{...},\"incerteza_pct\":...} ou\n"
    "           {\"chuva\":{...},\"dimensionamento\":{...}}, números com ponto decimal";
constexpr TComandoProjeto kComando{"balanco", kUso, kDescricao};

// "chave":valor pairs of one JSON object.
class ObjetoJson {
public:
    ObjetoJson& Numero(const char* chave, double valor) {
        texto_ += (texto_.empty() ? "{\"" : ",\"") + std::string(chave) + "\":" + NumeroJson(valor);
        return *this;
    }
    std::string Texto() const { return texto_ + "}"; }

private:
    std::string texto_;
};

std::string Mm(double valor) { return FormatarFloat("0.00", valor) + " mm"; }
std::string Pct(double valor) { return FormatarFloat("0.00", valor) + " %"; }
std::string M3(double valor) { return FormatarFloat("0.000", valor) + " m³"; }

std::string ChuvaJson(const TBalancoChuva& c) {
    return ObjetoJson()
        .Numero("precipitacao_mm", c.Precipitacao)
        .Numero("abstracao_inicial_mm", c.AbstracaoInicial)
        .Numero("infiltracao_mm", c.Infiltracao)
        .Numero("chuva_efetiva_mm", c.ChuvaEfetiva)
        .Numero("duracao_min", c.Duracao)
        .Texto();
}

void MostrarChuva(const TBalancoChuva& c, std::ostream& saida) {
    saida << "Chuva até " << FormatarFloat("0.0#", c.Duracao) << " min: " << Mm(c.Precipitacao) << '\n'
          << "  Abstração inicial: " << Mm(c.AbstracaoInicial) << '\n'
          << "  Infiltração: " << Mm(c.Infiltracao) << '\n'
          << "  Chuva efetiva: " << Mm(c.ChuvaEfetiva) << '\n';
}

void MostrarSemInundacao(const TBalancoHidrico& balanco, bool json, std::ostream& saida) {
    const TBalancoSemInundacao& b = *balanco.SemInundacao;
    const std::optional<TIncerteza>& incerteza = balanco.Incerteza;
    const TBalancoEncosta& e = b.BalancoEncosta;
    const TBalancoCanal& c = b.Canal.Balanco;
    if (json) {
        saida << "{\"chuva\":" << ChuvaJson(b.Chuva) << ",\"encosta\":"
              << ObjetoJson()
                     .Numero("entrada_mm", e.Mm(e.Entrada))
                     .Numero("saida_mm", e.Mm(e.Saida))
                     .Numero("infiltrada_mm", e.Mm(e.Infiltrada))
                     .Numero("armazenada_mm", e.Mm(e.Armazenada))
                     .Numero("erro_mm", e.Mm(e.Erro()))
                     .Numero("erro_pct", e.ErroPct())
                     .Texto()
              << ",\"canal\":"
              << ObjetoJson()
                     .Numero("entrada_m3", c.Entrada())
                     .Numero("saida_m3", c.Saida)
                     .Numero("armazenada_m3", c.Armazenada)
                     .Numero("erro_m3", c.Erro())
                     .Numero("erro_pct", c.ErroPct())
                     .Texto()
              << ",\"incerteza_pct\":" << (incerteza ? NumeroJson(incerteza->Pct) : "null");
        if (incerteza)
            saida << ",\"depende_da_malha\":" << (incerteza->DependeDaMalha() ? "true" : "false");
        else
            saida << ",\"falha_incerteza\":" << TextoJson(balanco.FalhaIncerteza);
        saida << "}\n";
        return;
    }
    MostrarChuva(b.Chuva, saida);
    saida << "Encosta (por metro de dreno, mm sobre a faixa):\n"
          << "  Entrada: " << Mm(e.Mm(e.Entrada)) << '\n'
          << "  Saída: " << Mm(e.Mm(e.Saida)) << '\n'
          << "  Infiltrada após o fim do escoamento: " << Mm(e.Mm(e.Infiltrada)) << '\n'
          << "  Armazenada: " << Mm(e.Mm(e.Armazenada)) << '\n'
          << "  Erro de continuidade: " << Mm(e.Mm(e.Erro())) << " (" << Pct(e.ErroPct()) << ")\n"
          << "Canal:\n"
          << "  Entrada: " << M3(c.Entrada()) << '\n'
          << "  Saída: " << M3(c.Saida) << '\n'
          << "  Armazenada: " << M3(c.Armazenada) << '\n'
          << "  Erro de continuidade: " << M3(c.Erro()) << " (" << Pct(c.ErroPct()) << ")\n";
    if (incerteza)
        saida << "Incerteza numérica da vazão: " << Pct(incerteza->Pct) << " (" << FormatarFloat("0.0#", incerteza->Q)
              << " L/s; com os passos pela metade, " << FormatarFloat("0.0#", incerteza->QRefinado) << " L/s)\n";
    for (const std::string& aviso : AvisosBalanco(balanco)) saida << aviso << '\n';
}

void MostrarComInundacao(const TDetalheComInundacao& d, bool json, std::ostream& saida) {
    if (json) {
        saida << "{\"chuva\":" << ChuvaJson(d.Chuva) << ",\"dimensionamento\":"
              << ObjetoJson().Numero("volume_m3", d.Volume).Numero("tempo_drenagem_h", d.TD).Numero("Q", d.Q).Texto()
              << "}\n";
        return;
    }
    MostrarChuva(d.Chuva, saida);
    saida << "Volume a drenar por dreno: " << M3(d.Volume) << '\n'
          << "Tempo de drenagem: " << FormatarFloat("0.0#", d.TD) << " h\n"
          << "Vazão de projeto: " << FormatarFloat("0.0#", d.Q) << " L/s\n";
}

int ExecutarBalanco(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros) {
    const auto inicio = IniciarComando(kComando, argumentos, {"--json"}, {}, saida, erros);
    if (const int* codigo = std::get_if<int>(&inicio)) return *codigo;
    const TOpcoesProjeto& opcoes = std::get<TOpcoesProjeto>(inicio);
    const bool json = opcoes.json;

    TProjeto projeto;
    if (const std::optional<int> falha = AbrirProjeto(opcoes, projeto, saida, erros)) return *falha;
    if (const std::optional<int> falha = DimensionarProjeto(projeto, json, saida, erros)) return *falha;
    TCanalDrenagem& canal = projeto.CanalDrenagem;
    const TPrecipitacao& chuva = projeto.Nimbal1.Precipitacao;
    try {
        const TBalancoHidrico b = CalcularBalancoHidrico(canal, projeto.Terreno, chuva, projeto.Sistema);
        if (b.ComInundacao)
            MostrarComInundacao(*b.ComInundacao, json, saida);
        else
            MostrarSemInundacao(b, json, saida);
    } catch (const Exception& e) {
        return Falhar(e.what(), json, saida, erros, kFalhaNoCalculo);
    }
    return kSucesso;
}

}  // namespace

const Comando kComandoBalanco{kComando.nome, kUso, ExecutarBalanco};

}  // namespace talvek::cli
