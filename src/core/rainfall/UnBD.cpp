#include "rainfall/UnBD.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "platform/Codificacao.h"
#include "platform/Numeros.h"

namespace talvek {

const std::array<TEntradaEstado, kNumeroEstados> kEstados = {{
    {"Acre", "AC", false, false},
    {"Alagoas", "AL", false, false},
    {"Amapá", "AP", false, false},
    {"Amazonas", "AM", false, false},
    {"Bahia", "BA", true, true},
    {"Ceará", "CE", false, false},
    {"Distrito Federal", "DF", false, false},
    {"Espírito Santo", "ES", true, true},
    {"Goiás", "GO", true, false},
    {"Maranhão", "MA", false, false},
    {"Mato Grosso", "MT", false, false},
    {"Mato Grosso do Sul", "MS", false, false},
    {"Minas Gerais", "MG", true, true},
    {"Pará", "PA", false, false},
    {"Paraíba", "PB", false, false},
    {"Paraná", "PR", true, true},
    {"Pernambuco", "PE", false, false},
    {"Piauí", "PI", false, false},
    {"Rio de Janeiro", "RJ", true, true},
    {"Rio Grande do Norte", "RN", false, false},
    {"Rio Grande do Sul", "RS", false, false},
    {"Rondônia", "RO", false, false},
    {"Roraima", "RR", false, false},
    {"Santa Catarina", "SC", false, false},
    {"São Paulo", "SP", true, true},
    {"Sergipe", "SE", false, false},
    {"Tocantins", "TO", true, true},
}};

namespace {

constexpr const char* kMensagemEstadoInexistente = " Não existe estado com índice igual a ";
constexpr const char* kAutorInterpolacao = "Interpolação";
constexpr const char* kPastaDados = "../Arquivos Comuns/";

using Bytes = std::vector<unsigned char>;

// Sequential reader of a database file held in memory; every read is checked against the end.
class Leitor {
public:
    Leitor(const Bytes& bytes, const std::string& caminho) : bytes_(bytes), caminho_(caminho) {}

    // The next `tamanho` bytes; EArquivoInvalido when the file ends before them.
    const unsigned char* Tomar(std::size_t tamanho) {
        if (bytes_.size() - posicao_ < tamanho) Falhar();
        const unsigned char* inicio = bytes_.data() + posicao_;
        posicao_ += tamanho;
        return inicio;
    }
    uint16_t Contagem() {
        const unsigned char* p = Tomar(2);
        return static_cast<uint16_t>(p[0] | (p[1] << 8));
    }
    bool NoFim() const { return posicao_ == bytes_.size(); }
    [[noreturn]] void Falhar() const {
        throw EArquivoInvalido("O arquivo " + caminho_ + " está incompleto ou corrompido.");
    }

private:
    const Bytes& bytes_;
    const std::string& caminho_;
    std::size_t posicao_ = 0;
};

// Little-endian IEEE-754 double at `p`; only finite values are accepted.
double RealEm(const unsigned char* p, const Leitor& leitor) {
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
    const double valor = std::bit_cast<double>(bits);
    if (!std::isfinite(valor)) leitor.Falhar();
    return valor;
}

// Length-prefixed Windows-1252 text of fixed capacity at `p`, as UTF-8.
std::string TextoEm(const unsigned char* p, std::size_t capacidade, const Leitor& leitor) {
    const std::size_t comprimento = p[0];
    if (comprimento > capacidade) leitor.Falhar();
    return Windows1252ParaUtf8(std::string(reinterpret_cast<const char*>(p + 1), comprimento));
}

TEstacao DecodificarEstacao(const unsigned char* p, const Leitor& leitor) {
    using namespace formato_bd;
    TEstacao e;
    e.Nome = TextoEm(p + 0, kCapacidadeNome, leitor);
    e.K = RealEm(p + 69, leitor);
    e.A = RealEm(p + 77, leitor);
    e.B = RealEm(p + 85, leitor);
    e.C = RealEm(p + 93, leitor);
    e.Autor = TextoEm(p + 101, kCapacidadeAutor, leitor);
    e.Latitude = TextoEm(p + 132, kCapacidadeCoordenada, leitor);
    e.Longitude = TextoEm(p + 142, kCapacidadeCoordenada, leitor);
    return e;
}

TLocalidade DecodificarLocalidade(const unsigned char* p, const Leitor& leitor) {
    using namespace formato_bd;
    TLocalidade l;
    l.Nome = TextoEm(p + 0, kCapacidadeNome, leitor);
    l.Latitude = TextoEm(p + 69, kCapacidadeCoordenada, leitor);
    l.Longitude = TextoEm(p + 79, kCapacidadeCoordenada, leitor);
    return l;
}

Bytes LerArquivoInteiro(const std::string& caminho) {
    std::error_code erro;
    if (!std::filesystem::is_regular_file(caminho, erro))
        throw EArquivoNaoExiste("O arquivo " + caminho + " não existe.");
    std::ifstream arquivo(caminho, std::ios::binary | std::ios::ate);
    const std::streamoff tamanho = arquivo ? static_cast<std::streamoff>(arquivo.tellg()) : -1;
    Bytes bytes(tamanho > 0 ? static_cast<std::size_t>(tamanho) : 0);
    arquivo.seekg(0);
    if (tamanho < 0 || !arquivo.read(reinterpret_cast<char*>(bytes.data()), tamanho))
        throw Exception("Não foi possível ler o arquivo " + caminho + ".");
    return bytes;
}

// The characters of a UTF-8 text, one string each (a malformed byte counts as one character).
std::vector<std::string> Caracteres(const std::string& texto) {
    std::vector<std::string> caracteres;
    for (std::size_t i = 0; i < texto.size();) {
        const auto byte = static_cast<unsigned char>(texto[i]);
        std::size_t n = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        n = std::min(n, texto.size() - i);
        caracteres.push_back(texto.substr(i, n));
        i += n;
    }
    return caracteres;
}

// The characters at 1-based positions `inicio` and `inicio + 1` (fewer when the text is shorter).
std::string Parte(const std::vector<std::string>& caracteres, std::size_t inicio) {
    std::string parte;
    for (std::size_t i = inicio - 1; i < inicio + 1 && i < caracteres.size(); ++i) parte += caracteres[i];
    return parte;
}

std::string CortarEmCaracteres(const std::string& texto, std::size_t maximo) {
    std::string cortado;
    const std::vector<std::string> caracteres = Caracteres(texto);
    for (std::size_t i = 0; i < caracteres.size() && i < maximo; ++i) cortado += caracteres[i];
    return cortado;
}

// Folds a Windows-1252 byte for the name order: letters to lower case without accents.
unsigned char Dobrar(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c - 'A' + 'a');
    if (c < 0x80) return c;
    // Windows-1252 upper half: Š Œ Ž š œ ž Ÿ, then the Latin-1 letters À–ÿ.
    switch (c) {
        case 0x8A: case 0x9A: return 's';
        case 0x8C: case 0x9C: return 'o';
        case 0x8E: case 0x9E: return 'z';
        case 0x9F: return 'y';
        default: break;
    }
    if (c < 0xC0 || c == 0xD7 || c == 0xF7) return c;
    static constexpr char kBase[] = "aaaaaaaceeeeiiiidnooooo\0ouuuuyts"   // À–ß
                                    "aaaaaaaceeeeiiiidnooooo\0ouuuuyty";  // à–ÿ
    return static_cast<unsigned char>(kBase[c - 0xC0]);
}

std::string ChaveDeOrdem(const std::string& nome) {
    std::string chave = Utf8ParaWindows1252(nome).value_or(nome);
    for (char& c : chave) c = static_cast<char>(Dobrar(static_cast<unsigned char>(c)));
    return chave;
}

}  // namespace

bool NomeAntes(const std::string& a, const std::string& b) {
    const std::string chaveA = ChaveDeOrdem(a);
    const std::string chaveB = ChaveDeOrdem(b);
    if (chaveA != chaveB) return chaveA < chaveB;
    return a < b;
}

double CoordenadaParaGraus(const std::string& texto) {
    const std::vector<std::string> caracteres = Caracteres(texto);
    const double graus = LerNumeroOuErro(Parte(caracteres, 1));
    const double minutos = LerNumeroOuErro(Parte(caracteres, 4));
    const double segundos = LerNumeroOuErro(Parte(caracteres, 7));
    return graus + (minutos + segundos / 60) / 60;
}

std::string TextoCoordenada(double graus) {
    if (!(graus >= 0 && graus < 100))
        throw Exception("Coordenada fora do intervalo de 0 a 99 graus: " + FormatarGeral(graus) + ".");
    const double inteiros = std::trunc(graus);
    const double minutos = (graus - inteiros) * 60;
    const double minutosInteiros = std::trunc(minutos);
    const double segundos = std::trunc((minutos - minutosInteiros) * 60);
    auto doisDigitos = [](double parte) { return FormatarFloat("00", parte).substr(0, 2); };
    return doisDigitos(inteiros) + "°" + doisDigitos(minutosInteiros) + "'" + doisDigitos(segundos) + "\"";
}

std::string PastaDadosCompartilhada(const std::string& caminhoExecutavel) {
    const std::filesystem::path executavel = std::filesystem::absolute(caminhoExecutavel).lexically_normal();
    std::string pasta = executavel.parent_path().generic_string();
    if (pasta.empty() || pasta.back() != '/') pasta += '/';
    return pasta + kPastaDados;
}

void VerificarIndiceEstado(int indice) {
    if (indice < 0 || indice >= kNumeroEstados)
        throw ENumeroEstado(kMensagemEstadoInexistente + std::to_string(indice));
}

void TEstado::SetIndice(int indice) {
    VerificarIndiceEstado(indice);
    indice_ = static_cast<int16_t>(indice);
}

std::string TEstado::Nome() const { return kEstados[indice_].Nome; }

TBDPrecipitacao::TBDPrecipitacao(std::string pastaDados) : pasta_(std::move(pastaDados)) {}

std::string TBDPrecipitacao::CaminhoEstacoes() const { return pasta_ + formato_bd::kArquivoEstacoes; }

std::string TBDPrecipitacao::CaminhoLocalidades() const { return pasta_ + formato_bd::kArquivoLocalidades; }

void TBDPrecipitacao::LerEstacoes() {
    const std::string caminho = CaminhoEstacoes();
    const Bytes bytes = LerArquivoInteiro(caminho);
    Leitor leitor(bytes, caminho);
    leitor.Tomar(1);  // leading byte, not used
    std::array<std::vector<TEstacao>, kNumeroEstados> grupos;
    for (std::vector<TEstacao>& grupo : grupos) {
        const uint16_t n = leitor.Contagem();
        const unsigned char* registros = leitor.Tomar(std::size_t{n} * formato_bd::kTamanhoEstacao);
        grupo.reserve(n);
        for (std::size_t i = 0; i < n; ++i)
            grupo.push_back(DecodificarEstacao(registros + i * formato_bd::kTamanhoEstacao, leitor));
    }
    if (!leitor.NoFim()) leitor.Falhar();
    estacoes_ = std::move(grupos);
}

void TBDPrecipitacao::LerLocalidades(int estado) {
    VerificarIndiceEstado(estado);
    const std::string caminho = CaminhoLocalidades();
    const Bytes bytes = LerArquivoInteiro(caminho);
    Leitor leitor(bytes, caminho);
    leitor.Tomar(1);  // leading byte, not used
    // Every group is framed-checked, so that a damaged file is refused whichever state is asked for.
    const unsigned char* registros = nullptr;
    uint16_t contagem = 0;
    for (int s = 0; s < kNumeroEstados; ++s) {
        const uint16_t n = leitor.Contagem();
        const unsigned char* grupo = leitor.Tomar(std::size_t{n} * formato_bd::kTamanhoLocalidade);
        if (s == estado) {
            registros = grupo;
            contagem = n;
        }
    }
    if (!leitor.NoFim()) leitor.Falhar();
    std::vector<TLocalidade> localidades;
    localidades.reserve(contagem);
    for (std::size_t i = 0; i < contagem; ++i)
        localidades.push_back(DecodificarLocalidade(registros + i * formato_bd::kTamanhoLocalidade, leitor));
    localidades_ = std::move(localidades);
}

const std::vector<TEstacao>& TBDPrecipitacao::Estacoes(int estado) const {
    VerificarIndiceEstado(estado);
    return estacoes_[estado];
}

TPonderacao TBDPrecipitacao::Ponderar(const std::string& latitude, const std::string& longitude) const {
    const double latitudeConsulta = CoordenadaParaGraus(latitude);
    const double longitudeConsulta = CoordenadaParaGraus(longitude);

    TPonderacao ponderacao;
    for (int estado = 0; estado < kNumeroEstados; ++estado) {
        if (!kEstados[estado].Interpolacao) continue;
        for (const TEstacao& estacao : estacoes_[estado]) {
            if (estacao.Latitude == latitude && estacao.Longitude == longitude) return {&estacao, estado, {}, 0};
            const long double dLatitude = CoordenadaParaGraus(estacao.Latitude) - latitudeConsulta;
            const long double dLongitude = CoordenadaParaGraus(estacao.Longitude) - longitudeConsulta;
            const long double distancia = std::sqrt(dLatitude * dLatitude + dLongitude * dLongitude);
            // Same point written with other separators: it is the station itself, not an infinite weight.
            if (distancia == 0) return {&estacao, estado, {}, 0};
            const long double peso = 1 / std::pow(distancia, 5);
            ponderacao.Pesos.push_back({&estacao, estado, peso});
            ponderacao.SomaPesos += peso;
        }
    }
    return ponderacao;
}

TEstacao TBDPrecipitacao::Interpolar(const std::string& latitude, const std::string& longitude) const {
    const TPonderacao ponderacao = Ponderar(latitude, longitude);
    if (ponderacao.Exata) return *ponderacao.Exata;

    TEstacao resultado;
    for (const TPesoEstacao& p : ponderacao.Pesos) {
        const long double fator = p.Peso / ponderacao.SomaPesos;
        resultado.K = static_cast<double>(resultado.K + fator * p.Estacao->K);
        resultado.A = static_cast<double>(resultado.A + fator * p.Estacao->A);
        resultado.B = static_cast<double>(resultado.B + fator * p.Estacao->B);
        resultado.C = static_cast<double>(resultado.C + fator * p.Estacao->C);
    }
    resultado.Autor = kAutorInterpolacao;
    resultado.Latitude = CortarEmCaracteres(latitude, formato_bd::kCapacidadeCoordenada);
    resultado.Longitude = CortarEmCaracteres(longitude, formato_bd::kCapacidadeCoordenada);
    return resultado;
}

}  // namespace talvek
