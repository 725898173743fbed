// talvek-calc idf: the IDF parameters K, a, b, c at a point of Brazil, from the rainfall database: the
// record of the station standing there, or the inverse-distance interpolation; on request the stations
// behind them and the table of intensities and depths, also of typed parameters.
#include <charconv>
#include <cmath>
#include <filesystem>
#include <ostream>
#include <string>
#include <variant>

#include "ComandoProjeto.h"
#include "Comandos.h"
#include "SaidaIdf.h"
#include "platform/Codificacao.h"
#include "platform/Numeros.h"
#include "rainfall/UnBD.h"

namespace talvek::cli {

namespace {

constexpr const char* kUso =
    "idf --lat TEXTO --lon TEXTO [--json] [--dados PASTA] [--detalhes] [--tabela]   (22°54'00\" ou graus "
    "decimais, -22.9) | idf --K K --a A --b B --c C --tabela [--json]";

struct OpcoesIdf {
    std::string latitude, longitude, dados;
    std::string K, a, b, c;  // typed parameters, for the table alone
    bool json = false;
    bool detalhes = false;   // the contributing stations and the warnings
    bool tabela = false;     // the table of intensities and depths
};

std::variant<OpcoesIdf, std::string> LerOpcoes(const Argumentos& argumentos) {
    OpcoesIdf opcoes;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& nome = argumentos[i];
        if (nome == "--json" || nome == "--detalhes" || nome == "--tabela") {
            (nome == "--json" ? opcoes.json : nome == "--detalhes" ? opcoes.detalhes : opcoes.tabela) = true;
            continue;
        }
        if (i + 1 >= argumentos.size()) return "falta o valor de " + nome;
        const std::string& valor = argumentos[++i];
        if (nome == "--lat") opcoes.latitude = valor;
        else if (nome == "--lon") opcoes.longitude = valor;
        else if (nome == "--dados") opcoes.dados = valor;
        else if (nome == "--K") opcoes.K = valor;
        else if (nome == "--a") opcoes.a = valor;
        else if (nome == "--b") opcoes.b = valor;
        else if (nome == "--c") opcoes.c = valor;
        else return "opção desconhecida: " + TrechoCitado(nome);
    }
    const bool digitados = !(opcoes.K + opcoes.a + opcoes.b + opcoes.c).empty();
    if (digitados) {
        if (opcoes.K.empty() || opcoes.a.empty() || opcoes.b.empty() || opcoes.c.empty())
            return "faltam --K, --a, --b e --c";
        if (!opcoes.tabela) return "os parâmetros digitados só servem com --tabela";
        if (!opcoes.latitude.empty() || !opcoes.longitude.empty() || !opcoes.dados.empty() || opcoes.detalhes)
            return "--K, --a, --b e --c não se combinam com --lat, --lon, --dados nem --detalhes";
        return opcoes;
    }
    if (opcoes.latitude.empty() || opcoes.longitude.empty()) return "faltam --lat e --lon";
    return opcoes;
}

// A coordinate as given on the command line → its 9-character text. A text with the degree sign is
// taken as it stands (the closing double quote may be left out); otherwise decimal degrees, south and
// west negative.
std::string TextoDaCoordenada(const std::string& valor, const char* nome) {
    if (valor.find("°") != std::string::npos) {
        std::string texto = valor;
        if (texto.back() != '"') texto += '"';
        bool valida = Utf8ParaWindows1252(texto).value_or("").size() == 9;
        try {
            if (valida) CoordenadaParaGraus(texto);
        } catch (const Exception&) {
            valida = false;
        }
        if (!valida)
            throw Exception(std::string(nome) + " \"" + TrechoCitado(valor) + "\" não está na forma 00°00'00\".");
        return texto;
    }
    const std::optional<double> graus = LerNumeroQualquerSeparador(valor);
    if (!graus) throw Exception(std::string(nome) + " \"" + TrechoCitado(valor) + "\" não é uma coordenada.");
    if (*graus > 0 || *graus <= -100)
        throw Exception(std::string(nome) + " " + TrechoCitado(valor) +
                        " fora do alcance: só latitudes ao sul e longitudes a oeste (negativas).");
    return TextoCoordenada(-*graus);
}

// Default data folder: "Arquivos Comuns" beside talvek-calc in the build tree, else the program's
// shared data folder (talvek-calc installed in the program's folder).
std::string PastaDadosPadrao() {
    const std::filesystem::path executavel = std::filesystem::read_symlink("/proc/self/exe");
    const std::filesystem::path aoLado = executavel.parent_path() / "Arquivos Comuns";
    std::error_code erro;
    if (std::filesystem::is_directory(aoLado, erro)) return aoLado.generic_string() + "/";
    return PastaDadosCompartilhada(executavel.string());
}

// `extras`: further members (",\"estacoes\":…"), empty for none.
void MostrarJson(const TEstacao& r, const std::string& extras, std::ostream& saida) {
    saida << "{\"Nome\":" << TextoJson(r.Nome) << ",\"K\":" << NumeroJson(r.K) << ",\"a\":" << NumeroJson(r.A)
          << ",\"b\":" << NumeroJson(r.B) << ",\"c\":" << NumeroJson(r.C) << ",\"Autor\":" << TextoJson(r.Autor)
          << ",\"Latitude\":" << TextoJson(r.Latitude) << ",\"Longitude\":" << TextoJson(r.Longitude) << extras
          << "}\n";
}

// A typed parameter: a number, refused with the storm's own message when negative.
double ParametroDigitado(const std::string& valor, const char* nome) {
    const std::optional<double> numero = LerNumeroQualquerSeparador(valor);
    if (!numero || !std::isfinite(*numero))
        throw Exception(std::string(nome) + " \"" + valor + "\" não é um número.");
    return *numero;
}

// The table of typed parameters; K must be positive, a, b and c not negative (the storm's messages).
int TabelaDigitada(const OpcoesIdf& o, std::ostream& saida) {
    const TParametrosIdf p{ParametroDigitado(o.K, "K"), ParametroDigitado(o.a, "a"), ParametroDigitado(o.b, "b"),
                           ParametroDigitado(o.c, "c")};
    if (p.K == 0) throw Exception("O valor do parâmetro \"K\" deve ser maior que zero.");
    const TTabelaIdf tabela = TabelaIdf(p);
    if (o.json) {
        saida << "{\"K\":" << NumeroJson(p.K) << ",\"a\":" << NumeroJson(p.A) << ",\"b\":" << NumeroJson(p.B)
              << ",\"c\":" << NumeroJson(p.C) << "," << JsonTabela(tabela) << "}\n";
    } else {
        saida << "K: " << FormatarGeral(p.K) << "\na: " << FormatarGeral(p.A) << "\nb: " << FormatarGeral(p.B)
              << "\nc: " << FormatarGeral(p.C) << '\n';
        MostrarTabela(tabela, saida);
    }
    return 0;
}

void MostrarTexto(const TEstacao& r, std::ostream& saida) {
    saida << "Nome: " << r.Nome << "\nK: " << FormatarGeral(r.K) << "\na: " << FormatarGeral(r.A)
          << "\nb: " << FormatarGeral(r.B) << "\nc: " << FormatarGeral(r.C) << "\nAutor: " << r.Autor
          << "\nLatitude: " << r.Latitude << "\nLongitude: " << r.Longitude << '\n';
}

int ExecutarIdf(const Argumentos& argumentos, std::ostream& saida, std::ostream& erros) {
    const auto opcoes = LerOpcoes(argumentos);
    if (const std::string* erro = std::get_if<std::string>(&opcoes)) {
        erros << "talvek-calc idf: " << *erro << "\nUso: talvek-calc " << kUso << '\n';
        return 1;
    }
    const OpcoesIdf& o = std::get<OpcoesIdf>(opcoes);
    if (!o.K.empty()) return TabelaDigitada(o, saida);
    const std::string latitude = TextoDaCoordenada(o.latitude, "Latitude");
    const std::string longitude = TextoDaCoordenada(o.longitude, "Longitude");
    std::string pasta = o.dados.empty() ? PastaDadosPadrao() : o.dados;
    if (pasta.back() != '/') pasta += '/';

    TBDPrecipitacao banco(pasta);
    TEstacao registro;
    TEvidenciaChuva evidencia;
    try {
        banco.LerEstacoes();
        registro = banco.Interpolar(latitude, longitude);
        evidencia = EvidenciaInterpolacao(banco, latitude, longitude);
    } catch (const Exception& e) {  // a database missing or damaged: a file problem
        if (o.json) saida << "{\"erro\":" << TextoJson(e.what()) << "}\n";
        erros << "talvek-calc: " << e.what() << '\n';
        return kFalhaNoArquivo;
    }
    const TParametrosIdf parametros{registro.K, registro.A, registro.B, registro.C};
    if (o.json) {
        std::string extras;
        if (o.detalhes) extras += "," + JsonEvidencia(evidencia);
        if (o.tabela) extras += "," + JsonTabela(TabelaIdf(parametros));
        MostrarJson(registro, extras, saida);
        return 0;
    }
    MostrarTexto(registro, saida);
    MostrarAvisos(evidencia, saida);
    if (o.detalhes) MostrarEstacoes(evidencia, saida);
    if (o.tabela) MostrarTabela(TabelaIdf(parametros), saida);
    return 0;
}

}  // namespace

const Comando kComandoIdf{"idf", kUso, ExecutarIdf};

}  // namespace talvek::cli
