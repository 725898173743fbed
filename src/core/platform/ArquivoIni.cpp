#include "platform/ArquivoIni.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "platform/ArquivosTexto.h"
#include "platform/Codificacao.h"
#include "platform/Numeros.h"
#include "platform/TravaArquivo.h"

namespace talvek {

struct TEdicaoIni::Copia {
    std::string caminho;
    std::string chave;     // the absolute path, under which the edits of this thread find it
    std::string original;  // the file's bytes when the edit opened
    std::string bytes;     // the bytes the file is to have
    bool modoGravacao = false;
    std::optional<TTravaArquivo> trava;
};

namespace {

// The copies of the open edits of this thread, by absolute path.
thread_local std::map<std::string, TEdicaoIni::Copia*> copiasAbertas;

std::string ChaveDaCopia(const std::string& caminho) {
    std::error_code erro;
    const std::filesystem::path absoluto = std::filesystem::absolute(caminho, erro);
    return (erro ? std::filesystem::path(caminho) : absoluto).lexically_normal().string();
}

TEdicaoIni::Copia* CopiaAberta(const std::string& caminho) {
    if (copiasAbertas.empty()) return nullptr;
    const auto copia = copiasAbertas.find(ChaveDaCopia(caminho));
    return copia == copiasAbertas.end() ? nullptr : copia->second;
}

// The file's bytes as the profile layer sees them: those of the open edit's copy, else those on disk.
std::string BytesDoArquivo(const std::string& caminho) {
    if (const TEdicaoIni::Copia* copia = CopiaAberta(caminho)) return copia->bytes;
    return LerArquivoInteiro(caminho).value_or("");
}

void SubstituirArquivo(const std::string& caminho, std::string conteudo) {
    if (TEdicaoIni::Copia* copia = CopiaAberta(caminho)) {
        copia->bytes = std::move(conteudo);
        return;
    }
    GravarArquivoAtomicamente(caminho, conteudo);
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kBrancos = " \t\r";  // a stray carriage return counts as a blank

enum class Codificacao { Windows1252, Utf8 };

// The file as raw lines, so that the lines a write does not touch are put back byte for byte.
struct Documento {
    std::vector<std::string> linhas;  // bytes of each line, its line ending included
    Codificacao codificacao = Codificacao::Windows1252;
    std::string quebra = "\r\n";  // line ending given to new lines
};

// What one line means to the profile reader.
struct Linha {
    enum class Tipo { Outra, Secao, Chave } tipo = Tipo::Outra;
    std::string nome;   // section or key name, UTF-8
    std::string valor;  // value of a key, UTF-8
};

// Lines [cabecalho + 1, fim) hold the keys of the section whose header is line `cabecalho`.
struct Faixa {
    std::size_t cabecalho;
    std::size_t fim;
};

std::string_view Aparado(std::string_view texto) {
    const std::size_t a = texto.find_first_not_of(kBrancos);
    if (a == std::string_view::npos) return {};
    return texto.substr(a, texto.find_last_not_of(kBrancos) - a + 1);
}

std::string_view SemQuebra(std::string_view linha) {
    if (linha.ends_with('\n')) linha.remove_suffix(1);
    if (linha.ends_with('\r')) linha.remove_suffix(1);
    return linha;
}

// Names compare without regard to case: ASCII letters and the accented letters of Latin-1.
std::string Dobrado(std::string_view nome) {
    std::string dobrado(nome);
    for (std::size_t i = 0; i < dobrado.size(); ++i) {
        const auto c = static_cast<unsigned char>(dobrado[i]);
        if (c >= 'A' && c <= 'Z') {
            dobrado[i] = static_cast<char>(c + ('a' - 'A'));
        } else if (c == 0xC3 && i + 1 < dobrado.size()) {
            const auto segundo = static_cast<unsigned char>(dobrado[++i]);
            if (segundo >= 0x80 && segundo <= 0x9E && segundo != 0x97)  // À..Þ, but not ×
                dobrado[i] = static_cast<char>(segundo + 0x20);
        }
    }
    return dobrado;
}

bool MesmoNome(std::string_view a, std::string_view b) { return Dobrado(a) == Dobrado(b); }

Codificacao Detectar(const std::string& bytes) {
    if (bytes.starts_with(kBom)) return Codificacao::Utf8;
    bool soAscii = true;
    for (char c : bytes) soAscii = soAscii && static_cast<unsigned char>(c) < 0x80;
    return !soAscii && EUtf8Valido(bytes) ? Codificacao::Utf8 : Codificacao::Windows1252;
}

Documento Carregar(const std::string& caminho) {
    Documento documento;
    const std::string bytes = BytesDoArquivo(caminho);
    documento.codificacao = Detectar(bytes);
    const std::size_t primeiraQuebra = bytes.find('\n');
    if (primeiraQuebra != std::string::npos && (primeiraQuebra == 0 || bytes[primeiraQuebra - 1] != '\r'))
        documento.quebra = "\n";
    for (std::size_t inicio = 0; inicio < bytes.size();) {
        const std::size_t fim = bytes.find('\n', inicio);
        const std::size_t proximo = fim == std::string::npos ? bytes.size() : fim + 1;
        documento.linhas.push_back(bytes.substr(inicio, proximo - inicio));
        inicio = proximo;
    }
    return documento;
}

// A line of a UTF-8 file that is not UTF-8 (edited by another program) is read as Windows-1252, so that
// every text read is UTF-8 and can be written back.
std::string ParaUtf8(const Documento& documento, std::string_view bytes) {
    std::string texto(bytes);
    return documento.codificacao == Codificacao::Utf8 && EUtf8Valido(texto) ? texto : Windows1252ParaUtf8(texto);
}

// Text in the file's encoding. A Windows-1252 file that must take a character it cannot represent
// becomes a UTF-8 file, so that no character is lost.
std::string ParaArquivo(Documento& documento, const std::string& utf8) {
    if (!EUtf8Valido(utf8)) throw Exception("Texto com codificação inválida: não pode ser gravado.");
    if (documento.codificacao == Codificacao::Utf8) return utf8;
    if (std::optional<std::string> convertido = Utf8ParaWindows1252(utf8)) return *convertido;
    for (std::string& linha : documento.linhas) linha = Windows1252ParaUtf8(linha);
    documento.codificacao = Codificacao::Utf8;
    return utf8;
}

Linha Interpretar(const Documento& documento, std::size_t indice) {
    std::string_view bruta = SemQuebra(documento.linhas[indice]);
    if (indice == 0 && bruta.starts_with(kBom)) bruta.remove_prefix(kBom.size());
    const std::string texto = ParaUtf8(documento, bruta);
    const std::string_view aparado = Aparado(texto);
    Linha linha;
    if (aparado.starts_with('[')) {
        const std::size_t fecha = aparado.find(']');
        if (fecha != std::string_view::npos) {
            linha.tipo = Linha::Tipo::Secao;
            linha.nome = Aparado(aparado.substr(1, fecha - 1));
        }
        return linha;
    }
    if (aparado.starts_with(';')) return linha;  // comment
    const std::size_t igual = aparado.find('=');
    if (igual == std::string_view::npos || Aparado(aparado.substr(0, igual)).empty()) return linha;
    linha.tipo = Linha::Tipo::Chave;
    linha.nome = Aparado(aparado.substr(0, igual));
    linha.valor = Aparado(aparado.substr(igual + 1));
    return linha;
}

// The first section of that name (the profile service never looks past it).
std::optional<Faixa> LocalizarSecao(const Documento& documento, std::string_view secao) {
    const std::size_t total = documento.linhas.size();
    for (std::size_t i = 0; i < total; ++i) {
        const Linha linha = Interpretar(documento, i);
        if (linha.tipo != Linha::Tipo::Secao || !MesmoNome(linha.nome, secao)) continue;
        std::size_t fim = i + 1;
        while (fim < total && Interpretar(documento, fim).tipo != Linha::Tipo::Secao) ++fim;
        return Faixa{i, fim};
    }
    return std::nullopt;
}

std::optional<std::size_t> LocalizarChave(const Documento& documento, Faixa faixa, std::string_view chave) {
    for (std::size_t i = faixa.cabecalho + 1; i < faixa.fim; ++i) {
        const Linha linha = Interpretar(documento, i);
        if (linha.tipo == Linha::Tipo::Chave && MesmoNome(linha.nome, chave)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> LerValor(const std::string& caminho, std::string_view secao, std::string_view chave) {
    const Documento documento = Carregar(caminho);
    const std::optional<Faixa> faixa = LocalizarSecao(documento, secao);
    if (!faixa) return std::nullopt;
    const std::optional<std::size_t> indice = LocalizarChave(documento, *faixa, chave);
    if (!indice) return std::nullopt;
    return Interpretar(documento, *indice).valor;
}

bool LinhaEmBranco(const std::string& linha) { return Aparado(SemQuebra(linha)).empty(); }

// A last line ended by a bare carriage return (a file cut between CR and LF) gets the whole line ending,
// so that the return does not become part of its value.
void GarantirQuebraFinal(Documento& documento, std::size_t indice) {
    std::string& linha = documento.linhas[indice];
    if (linha.ends_with('\n')) return;
    if (linha.ends_with('\r')) linha.pop_back();
    linha += documento.quebra;
}

void InserirDepois(Documento& documento, std::size_t anterior, const std::string& utf8) {
    const std::string bytes = ParaArquivo(documento, utf8) + documento.quebra;
    GarantirQuebraFinal(documento, anterior);
    documento.linhas.insert(documento.linhas.begin() + static_cast<std::ptrdiff_t>(anterior + 1), bytes);
}

// The key's own bytes up to its "=" stay; the value and the line ending that follow are replaced.
void SubstituirValor(Documento& documento, std::size_t indice, const std::string& valor) {
    const std::string bytesValor = ParaArquivo(documento, valor);
    std::string& linha = documento.linhas[indice];
    const std::string_view semQuebra = SemQuebra(linha);
    const std::string quebra = linha.substr(semQuebra.size());
    std::string chave = linha.substr(0, linha.find('=') + 1);
    if (documento.codificacao == Codificacao::Utf8 && !EUtf8Valido(chave)) chave = ParaUtf8(documento, chave);
    linha = chave + bytesValor + quebra;
}

// A new section goes at the end of the file, after a blank line that separates it from the one before.
// Header and key are encoded together: a file that must become UTF-8 for one of them gets both in UTF-8.
void AcrescentarSecao(Documento& documento, std::string_view secao, const std::string& linhaChave) {
    const std::string linhas = ParaArquivo(documento, "[" + std::string(secao) + "]\n" + linhaChave);
    const std::size_t fimCabecalho = linhas.find('\n');
    const std::string cabecalho = linhas.substr(0, fimCabecalho) + documento.quebra;
    const std::string chave = linhas.substr(fimCabecalho + 1) + documento.quebra;
    if (!documento.linhas.empty()) {
        GarantirQuebraFinal(documento, documento.linhas.size() - 1);
        if (!LinhaEmBranco(documento.linhas.back())) documento.linhas.push_back(documento.quebra);
    }
    documento.linhas.push_back(cabecalho);
    documento.linhas.push_back(chave);
}

std::string Conteudo(const Documento& documento) {
    std::string conteudo;
    for (const std::string& linha : documento.linhas) conteudo += linha;
    return conteudo;
}

// Windows-1252 bytes that happen to form UTF-8 as a whole would be read back as other characters: such a
// file is written as UTF-8 instead.
void Gravar(Documento& documento, const std::string& caminho) {
    std::string conteudo = Conteudo(documento);
    if (documento.codificacao == Codificacao::Windows1252 && Detectar(conteudo) == Codificacao::Utf8) {
        for (std::string& linha : documento.linhas) linha = Windows1252ParaUtf8(linha);
        conteudo = Conteudo(documento);
    }
    SubstituirArquivo(caminho, std::move(conteudo));
}

bool EntreAspas(std::string_view valor) {
    return valor.size() >= 2 && (valor.front() == '"' || valor.front() == '\'') && valor.back() == valor.front();
}

// As the profile service, a value read between matching quotes loses them.
std::string SemAspas(std::string valor) { return EntreAspas(valor) ? valor.substr(1, valor.size() - 2) : valor; }

// The text of a value as it goes into its line. Reading trims blanks and drops enclosing quotes, so a value
// that would lose either is put between double quotes; a line break would split the line and becomes a blank.
std::string TextoGravado(std::string valor) {
    for (char& c : valor)
        if (c == '\r' || c == '\n') c = ' ';
    const bool perderiaBrancos = !valor.empty() && (kBrancos.find(valor.front()) != std::string_view::npos ||
                                                    kBrancos.find(valor.back()) != std::string_view::npos);
    return perderiaBrancos || EntreAspas(valor) ? "\"" + valor + "\"" : valor;
}

}  // namespace

std::string TArquivoIni::LerTexto(std::string_view secao, std::string_view chave, const std::string& padrao) const {
    const std::optional<std::string> valor = LerValor(caminho_, secao, chave);
    return valor ? SemAspas(*valor) : padrao;
}

int TArquivoIni::LerInteiro(std::string_view secao, std::string_view chave, int padrao) const {
    const std::optional<std::string> texto = LerValor(caminho_, secao, chave);
    if (!texto) return padrao;
    const std::string semAspas = SemAspas(*texto);  // a number in quotes is that number, as a text is that text
    std::string_view numero = semAspas;
    if (numero.starts_with('+')) numero.remove_prefix(1);
    int valor = 0;
    const auto [fim, erro] = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
    if (numero.empty() || erro != std::errc() || fim != numero.data() + numero.size()) return padrao;
    return valor;
}

double TArquivoIni::LerReal(std::string_view secao, std::string_view chave, double padrao) const {
    const std::optional<std::string> texto = LerValor(caminho_, secao, chave);
    if (!texto) return padrao;
    return LerNumeroQualquerSeparador(SemAspas(*texto)).value_or(padrao);
}

bool TArquivoIni::ExisteChave(std::string_view secao, std::string_view chave) const {
    return LerValor(caminho_, secao, chave).has_value();
}

void TArquivoIni::EscreverTexto(std::string_view secao, std::string_view chave, const std::string& valor) const {
    Documento documento = Carregar(caminho_);
    const std::string limpo = TextoGravado(valor);
    const std::string linhaChave = std::string(chave) + "=" + limpo;
    if (const std::optional<Faixa> faixa = LocalizarSecao(documento, secao)) {
        if (const std::optional<std::size_t> indice = LocalizarChave(documento, *faixa, chave)) {
            SubstituirValor(documento, *indice, limpo);
        } else {
            // After the section's last line that is not blank, so blank separators stay below it.
            std::size_t ultima = faixa->fim - 1;
            while (ultima > faixa->cabecalho && LinhaEmBranco(documento.linhas[ultima])) --ultima;
            InserirDepois(documento, ultima, linhaChave);
        }
    } else {
        AcrescentarSecao(documento, secao, linhaChave);
    }
    Gravar(documento, caminho_);
}

void TArquivoIni::EscreverInteiro(std::string_view secao, std::string_view chave, long long valor) const {
    EscreverTexto(secao, chave, std::to_string(valor));
}

void TArquivoIni::EscreverReal(std::string_view secao, std::string_view chave, double valor) const {
    constexpr double kMaiorLegivel = 1.79769313486231e308;  // the largest 15-digit value below DBL_MAX
    if (std::isfinite(valor) && std::fabs(valor) > kMaiorLegivel) valor = std::copysign(kMaiorLegivel, valor);
    EscreverTexto(secao, chave, FormatarGeral(valor));
}

void TArquivoIni::ApagarChave(std::string_view secao, std::string_view chave) const {
    Documento documento = Carregar(caminho_);
    const std::optional<Faixa> faixa = LocalizarSecao(documento, secao);
    if (!faixa) return;
    const std::optional<std::size_t> indice = LocalizarChave(documento, *faixa, chave);
    if (!indice) return;
    documento.linhas.erase(documento.linhas.begin() + static_cast<std::ptrdiff_t>(*indice));
    Gravar(documento, caminho_);
}

TEdicaoIni::TEdicaoIni(const std::string& caminho, Modo modo) : copia_(CopiaAberta(caminho)) {
    if (copia_) return;
    propria_ = std::make_unique<Copia>();
    propria_->caminho = caminho;
    propria_->chave = ChaveDaCopia(caminho);
    propria_->modoGravacao = modo == Modo::Gravacao;
    if (propria_->modoGravacao) propria_->trava.emplace(caminho);  // before the load: the read is part of it
    propria_->original = LerArquivoInteiro(caminho).value_or("");
    propria_->bytes = propria_->original;
    copia_ = propria_.get();
    copiasAbertas[copia_->chave] = copia_;
}

TEdicaoIni::~TEdicaoIni() { Fechar(); }

void TEdicaoIni::Fechar() {
    if (!propria_) return;
    const auto aberta = copiasAbertas.find(propria_->chave);
    if (aberta != copiasAbertas.end() && aberta->second == propria_.get()) copiasAbertas.erase(aberta);
}

bool TEdicaoIni::Alterada() const { return copia_->bytes != copia_->original; }

void TEdicaoIni::Concluir() {
    if (!propria_ || !propria_->modoGravacao) return;
    GravarArquivoAtomicamente(propria_->caminho, propria_->bytes);
    propria_->original = propria_->bytes;
    Fechar();  // what is written after this goes to the file itself, not to a copy no one writes
}

}  // namespace talvek
