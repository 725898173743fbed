// Profile files: random file bytes, then a random series of reads, writes and deletions of keys.
// Invariants:
// - only the program's own exceptions leave the layer, each with a message;
// - a read never changes the file, and every text read is UTF-8;
// - a written key reads back (its name in any letter case), a text with its line breaks as blanks, an
//   integer exactly, a real to its 15 significant digits (up to 1E300);
// - a write changes one place of the file: the lines before and after it stay byte for byte (re-encoded
//   only when the file had to become UTF-8 to hold the new text); a deletion removes at most one line;
// - a refused write leaves the file as it was, and no write leaves a temporary file behind.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "ComumFuzz.h"
#include "platform/ArquivoIni.h"
#include "platform/Codificacao.h"
#include "platform/Numeros.h"
#include "platform/Regional.h"

using namespace talvek;
using namespace talvek::fuzz;

namespace {

// The names the program uses, two of them accented (matched without regard to case in both encodings).
constexpr const char* kSecoes[] = {"IDENTIFICACAO", "TipoSistema", "NIMBAL", "PRECIPITACAO",
                                   "PREC_EXPONENCIAL_NEGATIVA", "Cobertura", "Terreno", "Canal",
                                   "CanalGradiente", "CanalDrenagem", "TALVEK2", "PRINCIPAL",
                                   "Se\xC3\xA7\xC3\xA3o", "SE\xC3\x87\xC3\x83O"};
constexpr const char* kChaves[] = {"Versao", "Nome", "Tipo", "K", "A", "b", "Tr", "VIB",
                                   "Latitude", "path1", "Descri\xC3\xA7\xC3\xA3o", "DESCRI\xC3\x87\xC3\x83O"};
constexpr const char* kAusente = "\x01(ausente)";

std::string Nome(FuzzedDataProvider& dados, const char* const* vocabulario, std::size_t tamanho) {
    if (dados.ConsumeBool()) return vocabulario[dados.ConsumeIntegralInRange<std::size_t>(0, tamanho - 1)];
    static constexpr char kLetras[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";
    std::string nome(dados.ConsumeIntegralInRange<std::size_t>(1, 6), 'x');
    for (char& c : nome) c = kLetras[dados.ConsumeIntegralInRange<std::size_t>(0, sizeof kLetras - 2)];
    return nome;
}

// The same name in other letter case (ASCII letters and the accented capitals of Latin-1).
std::string OutraCaixa(std::string nome) {
    for (std::size_t i = 0; i < nome.size(); ++i) {
        const auto c = static_cast<unsigned char>(nome[i]);
        if (c >= 'a' && c <= 'z') nome[i] = static_cast<char>(c - 32);
        else if (c >= 'A' && c <= 'Z') nome[i] = static_cast<char>(c + 32);
        else if (c == 0xC3 && i + 1 < nome.size()) {
            const auto d = static_cast<unsigned char>(nome[++i]);
            if (d >= 0xA0 && d <= 0xBE && d != 0xB7) nome[i] = static_cast<char>(d - 32);
            else if (d >= 0x80 && d <= 0x9E && d != 0x97) nome[i] = static_cast<char>(d + 32);
        }
    }
    return nome;
}

std::vector<std::string> Linhas(const std::string& bytes) {
    std::vector<std::string> linhas;
    for (std::size_t inicio = 0; inicio < bytes.size();) {
        const std::size_t fim = bytes.find('\n', inicio);
        const std::size_t proximo = fim == std::string::npos ? bytes.size() : fim + 1;
        linhas.push_back(bytes.substr(inicio, proximo - inicio));
        inicio = proximo;
    }
    return linhas;
}

// Whether `depois` is `antes` with at most `trocadas` consecutive lines replaced by at most `novas` lines.
// A last line without a line ending may come back with one (a key or section added after it).
bool MudancaLocal(const std::vector<std::string>& antes, const std::vector<std::string>& depois,
                  std::size_t trocadas, std::size_t novas) {
    std::size_t p = 0;
    while (p < antes.size() && p < depois.size() && antes[p] == depois[p]) ++p;
    std::size_t s = 0;
    while (s < antes.size() - p && s < depois.size() - p &&
           antes[antes.size() - 1 - s] == depois[depois.size() - 1 - s])
        ++s;
    const std::size_t meioAntes = antes.size() - p - s;
    const std::size_t meioDepois = depois.size() - p - s;
    if (meioAntes <= trocadas && meioDepois <= novas) return true;
    // The last line got its line ending (completing a bare carriage return) and new lines followed it.
    const bool semQuebra = !antes.empty() && !antes.back().ends_with('\n');
    std::string_view ultima;
    if (semQuebra) ultima = antes.back();
    if (ultima.ends_with('\r')) ultima.remove_suffix(1);
    return semQuebra && meioAntes == 1 && p == antes.size() - 1 && s == 0 && meioDepois <= novas + 1 &&
           depois[p].starts_with(ultima);
}

bool AlteracaoLocal(const std::string& antes, const std::string& depois, std::size_t trocadas, std::size_t novas) {
    if (MudancaLocal(Linhas(antes), Linhas(depois), trocadas, novas)) return true;
    // A Windows-1252 file that had to take a character it cannot represent was re-encoded as UTF-8.
    std::vector<std::string> recodificadas = Linhas(antes);
    for (std::string& linha : recodificadas) linha = Windows1252ParaUtf8(linha);
    return EUtf8Valido(depois) && MudancaLocal(recodificadas, Linhas(depois), trocadas, novas);
}

std::string SemQuebras(std::string texto) {
    for (char& c : texto)
        if (c == '\r' || c == '\n') c = ' ';
    return texto;
}

class Sessao {
public:
    Sessao(FuzzedDataProvider& dados, const std::string& caminho) : dados_(dados), ini_(caminho) {}

    void Passo() {
        const std::string secao = Nome(dados_, kSecoes, std::size(kSecoes));
        const std::string chave = Nome(dados_, kChaves, std::size(kChaves));
        switch (dados_.ConsumeIntegralInRange(0, 6)) {
            case 0: Ler(secao, chave); break;
            case 1: LerNumeros(secao, chave); break;
            case 2: EscreverTexto(secao, chave, dados_.ConsumeRandomLengthString(80)); break;
            case 3: EscreverInteiro(secao, chave, dados_.ConsumeIntegral<int>()); break;
            case 4: EscreverReal(secao, chave, dados_.ConsumeFloatingPoint<double>()); break;
            case 5: EscreverReal(secao, chave, Decimal()); break;
            default: Apagar(secao, chave); break;
        }
        ConferirSemTemporarios();
    }

private:
    // A value as typed in a field: an integer over a power of ten (0.002, 1234.5).
    double Decimal() {
        return dados_.ConsumeIntegral<int>() / std::pow(10.0, dados_.ConsumeIntegralInRange(0, 8));
    }

    std::string Bytes() const { return LerBytes(ini_.Caminho()); }

    void Ler(const std::string& secao, const std::string& chave) {
        const std::string antes = Bytes();
        std::string valor;
        if (Executar([&] { valor = ini_.LerTexto(secao, chave, kAusente); }))
            Exigir(EUtf8Valido(valor), "um texto lido é UTF-8", Visivel(valor));
        Exigir(Bytes() == antes, "uma leitura não altera o arquivo");
    }

    void LerNumeros(const std::string& secao, const std::string& chave) {
        const std::string antes = Bytes();
        double real = 0;
        if (Executar([&] { real = ini_.LerReal(secao, chave, 7.5); }))
            Exigir(std::isfinite(real), "um real lido é finito");
        Executar([&] { ini_.LerInteiro(secao, chave, -2); });
        Exigir(Bytes() == antes, "uma leitura não altera o arquivo");
    }

    // Runs a write; refused, the file must be as it was; done, the change must be local.
    template <class Escrita>
    bool Escrever(Escrita&& escrita, std::size_t trocadas, std::size_t novas, const char* oque) {
        const std::string antes = Bytes();
        const bool existia = Existe(ini_.Caminho());
        if (!Executar(escrita)) {
            Exigir(Bytes() == antes && Existe(ini_.Caminho()) == existia, "uma escrita recusada deixa o arquivo como estava");
            return false;
        }
        Exigir(AlteracaoLocal(antes, Bytes(), trocadas, novas),
               std::string(oque) + " só muda o seu lugar do arquivo",
               "antes: " + Visivel(antes) + "\ndepois: " + Visivel(Bytes()));
        return true;
    }

    // A key is written in place (one line), after its section's lines (one line), or with a new section
    // at the end (blank line, header, key).
    void EscreverTexto(const std::string& secao, const std::string& chave, const std::string& valor) {
        if (!Escrever([&] { ini_.EscreverTexto(secao, chave, valor); }, 1, 3, "escrever uma chave")) return;
        const std::string esperado = SemQuebras(valor);
        for (const std::string& s : {secao, OutraCaixa(secao)}) {
            std::string lido;
            Exigir(Executar([&] { lido = ini_.LerTexto(s, OutraCaixa(chave), kAusente); }),
                   "ler uma chave escrita não falha");
            Exigir(lido == esperado, "um texto escrito é lido de volta",
                   "[" + Visivel(s) + "] " + Visivel(chave) + "\nescrito: " + Visivel(valor) + "\nlido: " + Visivel(lido) +
                       "\narquivo: " + Visivel(Bytes()));
        }
    }

    void EscreverInteiro(const std::string& secao, const std::string& chave, int valor) {
        if (!Escrever([&] { ini_.EscreverInteiro(secao, chave, valor); }, 1, 3, "escrever um inteiro")) return;
        int lido = 0;
        Executar([&] { lido = ini_.LerInteiro(OutraCaixa(secao), chave, valor == 0 ? 1 : 0); });
        Exigir(lido == valor, "um inteiro escrito é lido de volta",
               std::to_string(valor) + " -> " + std::to_string(lido) + "\narquivo: " + Visivel(Bytes()));
    }

    void EscreverReal(const std::string& secao, const std::string& chave, double valor) {
        if (!Escrever([&] { ini_.EscreverReal(secao, chave, valor); }, 1, 3, "escrever um real")) return;
        // Beyond 1E300 the 15-digit text may round past the largest double and no longer be a number.
        if (!std::isfinite(valor) || std::fabs(valor) > 1e300) return;
        double lido = std::numeric_limits<double>::quiet_NaN();
        Executar([&] { lido = ini_.LerReal(secao, OutraCaixa(chave), lido); });
        Exigir(FormatarGeral(lido) == FormatarGeral(valor), "um real escrito é lido de volta com 15 algarismos",
               FormatarGeral(valor) + " -> " + FormatarGeral(lido) + "\narquivo: " + Visivel(Bytes()));
    }

    void Apagar(const std::string& secao, const std::string& chave) {
        Escrever([&] { ini_.ApagarChave(secao, chave); }, 1, 0, "apagar uma chave");
    }

    void ConferirSemTemporarios() const {
        int arquivos = 0;
        for ([[maybe_unused]] const auto& entrada : std::filesystem::directory_iterator(PastaRascunho::Instancia().Caminho()))
            ++arquivos;
        Exigir(arquivos <= 1, "nenhuma escrita deixa um arquivo temporário");
    }

    FuzzedDataProvider& dados_;
    TArquivoIni ini_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider dados(data, size);
    const int passos = dados.ConsumeIntegralInRange(1, 8);
    ConfiguracaoRegional regional;
    regional.SeparadorDecimal = dados.ConsumeBool() ? ',' : '.';
    regional.SeparadorMilhar = regional.SeparadorDecimal == ',' ? '.' : ',';
    const RegionalTemporario emVigor(regional);

    const std::string caminho = PastaRascunho::Instancia() / "projeto.tvk";
    std::filesystem::remove(caminho);
    const std::string conteudo = dados.ConsumeRandomLengthString(8192);
    const bool semArquivo = conteudo.empty() && dados.ConsumeBool();
    if (!semArquivo) GravarBytes(caminho, conteudo);

    Sessao sessao(dados, caminho);
    for (int i = 0; i < passos && dados.remaining_bytes() > 0; ++i) sessao.Passo();
    return 0;
}
