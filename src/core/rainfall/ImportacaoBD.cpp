#include "rainfall/ImportacaoBD.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <istream>
#include <optional>

#include "platform/ArquivosTexto.h"
#include "platform/Codificacao.h"
#include "platform/Numeros.h"

namespace talvek {

namespace {

constexpr const char* kCabecalhoEstacoes = "Estado;Nome;Latitude;Longitude;K;a;b;c;Autor";
constexpr const char* kCabecalhoLocalidades = "Estado;Nome;Latitude;Longitude";
constexpr const char* kBom = "\xEF\xBB\xBF";

using Bytes = std::vector<unsigned char>;

// ---- Binary encoding -------------------------------------------------------------------------

// The Windows-1252 bytes of a text that fits a field of `capacidade` characters, or the fault.
struct TextoCodificado {
    std::string bytes;
    std::string falha;  // empty when the text fits
};

TextoCodificado CodificarTexto(const std::string& texto, std::size_t capacidade) {
    const std::optional<std::string> windows1252 = Utf8ParaWindows1252(texto);
    if (!windows1252) return {"", "caractere que o Windows-1252 não representa"};
    if (windows1252->size() > capacidade)
        return {"", "mais de " + std::to_string(capacidade) + " caracteres"};
    return {*windows1252, ""};
}

void AcrescentarTexto(Bytes& saida, const std::string& texto, std::size_t capacidade, const std::string& campo) {
    const TextoCodificado codificado = CodificarTexto(texto, capacidade);
    if (!codificado.falha.empty())
        throw Exception(campo + " \"" + TrechoCitado(texto) + "\" com " + codificado.falha + ".");
    saida.push_back(static_cast<unsigned char>(codificado.bytes.size()));
    saida.insert(saida.end(), codificado.bytes.begin(), codificado.bytes.end());
    saida.insert(saida.end(), capacidade - codificado.bytes.size(), 0);
}

void AcrescentarReal(Bytes& saida, double valor) {
    const auto bits = std::bit_cast<uint64_t>(valor);
    for (int i = 0; i < 8; ++i) saida.push_back(static_cast<unsigned char>(bits >> (8 * i)));
}

void AcrescentarContagem(Bytes& saida, std::size_t n, int estado) {
    if (n > formato_bd::kMaximoPorEstado)
        throw Exception("Mais de " + std::to_string(formato_bd::kMaximoPorEstado) + " registros no estado " +
                        kEstados[estado].Sigla + ".");
    saida.push_back(static_cast<unsigned char>(n & 0xFF));
    saida.push_back(static_cast<unsigned char>(n >> 8));
}

void AcrescentarEstacao(Bytes& saida, const TEstacao& e) {
    using namespace formato_bd;
    AcrescentarTexto(saida, e.Nome, kCapacidadeNome, "Nome");
    AcrescentarReal(saida, e.K);
    AcrescentarReal(saida, e.A);
    AcrescentarReal(saida, e.B);
    AcrescentarReal(saida, e.C);
    AcrescentarTexto(saida, e.Autor, kCapacidadeAutor, "Autor");
    AcrescentarTexto(saida, e.Latitude, kCapacidadeCoordenada, "Latitude");
    AcrescentarTexto(saida, e.Longitude, kCapacidadeCoordenada, "Longitude");
}

void AcrescentarLocalidade(Bytes& saida, const TLocalidade& l) {
    using namespace formato_bd;
    AcrescentarTexto(saida, l.Nome, kCapacidadeNome, "Nome");
    AcrescentarTexto(saida, l.Latitude, kCapacidadeCoordenada, "Latitude");
    AcrescentarTexto(saida, l.Longitude, kCapacidadeCoordenada, "Longitude");
}

// The bytes of a database file: a leading byte the reader ignores, then each state's count and records.
template <typename Registro, typename Acrescentar>
std::string BytesDosGrupos(const std::array<std::vector<Registro>, kNumeroEstados>& grupos, Acrescentar acrescentar) {
    Bytes bytes{0};
    for (int estado = 0; estado < kNumeroEstados; ++estado) {
        AcrescentarContagem(bytes, grupos[estado].size(), estado);
        for (const Registro& registro : grupos[estado]) acrescentar(bytes, registro);
    }
    return std::string(bytes.begin(), bytes.end());
}

// ---- CSV -------------------------------------------------------------------------------------

// A fault of one line of a table; ends the import.
[[noreturn]] void FalharLinha(const std::string& arquivo, std::size_t linha, const std::string& falha) {
    throw Exception(arquivo + ", linha " + std::to_string(linha) + ": " + falha + ".");
}

// Splits one line at ";" outside double quotes; no value when a quote is left open. A quote opens
// quoting only at the start of a field, so a coordinate text's closing quote stays part of it.
std::optional<std::vector<std::string>> Campos(const std::string& linha) {
    std::vector<std::string> campos(1);
    bool entreAspas = false;
    bool inicioDoCampo = true;
    for (std::size_t i = 0; i < linha.size(); ++i) {
        const char c = linha[i];
        const bool eraInicio = inicioDoCampo;
        inicioDoCampo = false;
        if (entreAspas) {
            if (c != '"') {
                campos.back() += c;
            } else if (i + 1 < linha.size() && linha[i + 1] == '"') {
                campos.back() += '"';
                ++i;
            } else {
                entreAspas = false;
            }
        } else if (c == '"' && eraInicio) {
            entreAspas = true;
        } else if (c == ';') {
            campos.emplace_back();
            inicioDoCampo = true;
        } else {
            campos.back() += c;
        }
    }
    if (entreAspas) return std::nullopt;
    return campos;
}

std::string SemBrancosNasPontas(const std::string& texto) {
    const std::size_t inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string::npos) return "";
    return texto.substr(inicio, texto.find_last_not_of(" \t") - inicio + 1);
}

std::optional<int> EstadoDaSigla(const std::string& sigla) {
    for (int estado = 0; estado < kNumeroEstados; ++estado)
        if (sigla == kEstados[estado].Sigla) return estado;
    return std::nullopt;
}

// One line of a table being read, with its position for the messages.
class LinhaCsv {
public:
    LinhaCsv(std::vector<std::string> campos, const std::string& arquivo, std::size_t numero)
        : campos_(std::move(campos)), arquivo_(arquivo), numero_(numero) {}

    [[noreturn]] void Falhar(const std::string& falha) const { FalharLinha(arquivo_, numero_, falha); }

    int Estado() const {
        const std::string sigla = campos_[0];
        const std::optional<int> estado = EstadoDaSigla(sigla);
        if (!estado) Falhar("estado desconhecido \"" + TrechoCitado(sigla) + "\"");
        return *estado;
    }

    std::string Texto(std::size_t i, std::size_t capacidade, const std::string& campo, bool obrigatorio) const {
        const std::string& texto = campos_[i];
        if (obrigatorio && texto.empty()) Falhar(campo + " vazio");
        const TextoCodificado codificado = CodificarTexto(texto, capacidade);
        if (!codificado.falha.empty()) Falhar(campo + " \"" + TrechoCitado(texto) + "\" com " + codificado.falha);
        return texto;
    }

    // A coordinate as its 9-character text: decimal degrees (south and west negative) or the text itself.
    std::string Coordenada(std::size_t i, const std::string& campo) const {
        const std::string& texto = campos_[i];
        if (texto.find("°") != std::string::npos) {
            const TextoCodificado codificado = CodificarTexto(texto, formato_bd::kCapacidadeCoordenada);
            bool valida = codificado.falha.empty() && codificado.bytes.size() == formato_bd::kCapacidadeCoordenada;
            try {
                if (valida) CoordenadaParaGraus(texto);
            } catch (const Exception&) {
                valida = false;
            }
            if (!valida) Falhar(campo + " \"" + TrechoCitado(texto) + "\" não está na forma 00°00'00\"");
            return texto;
        }
        const std::optional<double> graus = LerNumeroQualquerSeparador(texto);
        if (!graus) Falhar(campo + " \"" + TrechoCitado(texto) + "\" não é um número");
        if (*graus > 0)
            Falhar(campo + " " + TrechoCitado(texto) +
                   " fora do alcance: só latitudes ao sul e longitudes a oeste (negativas)");
        if (*graus <= -100) Falhar(campo + " " + TrechoCitado(texto) + " fora do alcance");
        return TextoCoordenada(-*graus);
    }

    double Parametro(std::size_t i, const std::string& campo, bool positivo) const {
        const std::optional<double> valor = LerNumeroQualquerSeparador(campos_[i]);
        if (!valor) Falhar(campo + " \"" + TrechoCitado(campos_[i]) + "\" não é um número");
        if (positivo ? !(*valor > 0) : !(*valor >= 0))
            Falhar(campo + " deve ser " + (positivo ? "maior que zero" : "maior ou igual a zero"));
        return *valor;
    }

private:
    std::vector<std::string> campos_;
    const std::string& arquivo_;
    std::size_t numero_;
};

// Reads the data lines of a table after checking its header, handing each to `registrar`.
template <typename Registrar>
void LerTabela(std::istream& entrada, const std::string& arquivo, const std::string& cabecalho,
               Registrar registrar) {
    const std::size_t numeroCampos = static_cast<std::size_t>(std::count(cabecalho.begin(), cabecalho.end(), ';')) + 1;
    std::string texto;
    std::size_t numero = 0;
    bool cabecalhoLido = false;
    while (std::getline(entrada, texto)) {
        ++numero;
        if (!texto.empty() && texto.back() == '\r') texto.pop_back();
        if (numero == 1 && texto.rfind(kBom, 0) == 0) texto.erase(0, 3);
        if (!EUtf8Valido(texto)) FalharLinha(arquivo, numero, "texto que não é UTF-8");
        if (SemBrancosNasPontas(texto).empty()) continue;
        if (!cabecalhoLido) {
            if (SemBrancosNasPontas(texto) != cabecalho)
                FalharLinha(arquivo, numero, "o cabeçalho deve ser \"" + cabecalho + "\"");
            cabecalhoLido = true;
            continue;
        }
        std::optional<std::vector<std::string>> campos = Campos(texto);
        if (!campos) FalharLinha(arquivo, numero, "aspas sem fechamento");
        if (campos->size() != numeroCampos)
            FalharLinha(arquivo, numero, "esperados " + std::to_string(numeroCampos) + " campos, há " +
                                             std::to_string(campos->size()));
        for (std::string& campo : *campos) campo = SemBrancosNasPontas(campo);
        registrar(LinhaCsv(std::move(*campos), arquivo, numero));
    }
    if (entrada.bad()) throw Exception("Não foi possível ler o arquivo " + arquivo + ".");
    if (!cabecalhoLido) FalharLinha(arquivo, numero, "o cabeçalho deve ser \"" + cabecalho + "\"");
}

template <typename Registro>
void OrdenarEVerificar(std::array<std::vector<Registro>, kNumeroEstados>& grupos, const std::string& arquivo) {
    for (int estado = 0; estado < kNumeroEstados; ++estado) {
        auto& grupo = grupos[estado];
        if (grupo.size() > formato_bd::kMaximoPorEstado)
            throw Exception(arquivo + ": mais de " + std::to_string(formato_bd::kMaximoPorEstado) +
                            " registros no estado " + kEstados[estado].Sigla + ".");
        std::stable_sort(grupo.begin(), grupo.end(),
                         [](const Registro& a, const Registro& b) { return NomeAntes(a.Nome, b.Nome); });
    }
}

std::ifstream AbrirTabela(const std::string& caminho) {
    std::error_code erro;
    if (!std::filesystem::is_regular_file(caminho, erro))
        throw EArquivoNaoExiste("O arquivo " + caminho + " não existe.");
    std::ifstream arquivo(caminho, std::ios::binary);
    if (!arquivo) throw Exception("Não foi possível ler o arquivo " + caminho + ".");
    return arquivo;
}

constexpr const char* kTabelaSemLinhas = ": a tabela não tem nenhuma linha de dados, só o cabeçalho.";

template <typename Registro>
bool SemRegistros(const std::array<std::vector<Registro>, kNumeroEstados>& grupos) {
    return std::all_of(grupos.begin(), grupos.end(), [](const auto& grupo) { return grupo.empty(); });
}

std::string NaPasta(const std::string& pasta, const char* arquivo) {
    return (std::filesystem::path(pasta) / arquivo).string();
}

}  // namespace

TGruposEstacoes LerCsvEstacoes(std::istream& entrada, const std::string& nomeArquivo) {
    using namespace formato_bd;
    TGruposEstacoes grupos;
    LerTabela(entrada, nomeArquivo, kCabecalhoEstacoes, [&grupos](const LinhaCsv& linha) {
        TEstacao e;
        const int estado = linha.Estado();
        e.Nome = linha.Texto(1, kCapacidadeNome, "nome", true);
        e.Latitude = linha.Coordenada(2, "latitude");
        e.Longitude = linha.Coordenada(3, "longitude");
        e.K = linha.Parametro(4, "K", true);
        e.A = linha.Parametro(5, "a", false);
        e.B = linha.Parametro(6, "b", false);
        e.C = linha.Parametro(7, "c", false);
        e.Autor = linha.Texto(8, kCapacidadeAutor, "Autor", false);
        grupos[estado].push_back(std::move(e));
    });
    OrdenarEVerificar(grupos, nomeArquivo);
    return grupos;
}

TGruposLocalidades LerCsvLocalidades(std::istream& entrada, const std::string& nomeArquivo) {
    TGruposLocalidades grupos;
    LerTabela(entrada, nomeArquivo, kCabecalhoLocalidades, [&grupos](const LinhaCsv& linha) {
        TLocalidade l;
        const int estado = linha.Estado();
        l.Nome = linha.Texto(1, formato_bd::kCapacidadeNome, "nome", true);
        l.Latitude = linha.Coordenada(2, "latitude");
        l.Longitude = linha.Coordenada(3, "longitude");
        grupos[estado].push_back(std::move(l));
    });
    OrdenarEVerificar(grupos, nomeArquivo);
    return grupos;
}

void GravarEstacoes(const std::string& caminho, const TGruposEstacoes& grupos) {
    GravarArquivoAtomicamente(caminho, BytesDosGrupos(grupos, AcrescentarEstacao));
}

void GravarLocalidades(const std::string& caminho, const TGruposLocalidades& grupos) {
    GravarArquivoAtomicamente(caminho, BytesDosGrupos(grupos, AcrescentarLocalidade));
}

TResumoImportacao ImportarBanco(const std::string& csvEstacoes, const std::string& csvLocalidades,
                                const std::string& pastaSaida) {
    if (csvEstacoes.empty() && csvLocalidades.empty())
        throw Exception("Nenhuma tabela de estações ou de localidades foi indicada.");
    // Both tables are read and checked before either file is written.
    std::optional<TGruposEstacoes> estacoes;
    std::optional<TGruposLocalidades> localidades;
    if (!csvEstacoes.empty()) {
        std::ifstream arquivo = AbrirTabela(csvEstacoes);
        estacoes = LerCsvEstacoes(arquivo, csvEstacoes);
    }
    if (!csvLocalidades.empty()) {
        std::ifstream arquivo = AbrirTabela(csvLocalidades);
        localidades = LerCsvLocalidades(arquivo, csvLocalidades);
    }
    // A table with nothing below its header would write an empty database over the one that is there.
    if (estacoes && SemRegistros(*estacoes)) throw Exception(csvEstacoes + kTabelaSemLinhas);
    if (localidades && SemRegistros(*localidades)) throw Exception(csvLocalidades + kTabelaSemLinhas);

    std::error_code erro;
    std::filesystem::create_directories(pastaSaida, erro);
    if (erro) throw EGravacaoArquivo("Não foi possível criar a pasta " + pastaSaida + ".");

    // Both files are written out before either replaces its old one: stations of one build never sit beside
    // localities of another.
    std::optional<TGravacaoPreparada> gravacaoEstacoes, gravacaoLocalidades;
    if (estacoes)
        gravacaoEstacoes.emplace(NaPasta(pastaSaida, formato_bd::kArquivoEstacoes),
                                 BytesDosGrupos(*estacoes, AcrescentarEstacao));
    if (localidades)
        gravacaoLocalidades.emplace(NaPasta(pastaSaida, formato_bd::kArquivoLocalidades),
                                    BytesDosGrupos(*localidades, AcrescentarLocalidade));
    if (gravacaoEstacoes) gravacaoEstacoes->Concluir();
    if (gravacaoLocalidades) gravacaoLocalidades->Concluir();

    TResumoImportacao resumo;
    for (int s = 0; s < kNumeroEstados; ++s) {
        if (estacoes) resumo.Estacoes[s] = (*estacoes)[s].size();
        if (localidades) resumo.Localidades[s] = (*localidades)[s].size();
    }
    return resumo;
}

}  // namespace talvek
