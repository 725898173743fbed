#include "project/Planilha.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/Codificacao.h"
#include "platform/Numeros.h"

namespace talvek {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool EmBranco(const std::string& campo) { return campo.find_first_not_of(" \t") == std::string::npos; }

std::string SemBrancos(const std::string& texto) {
    const std::size_t a = texto.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return texto.substr(a, texto.find_last_not_of(" \t") - a + 1);
}

// A column name without blanks around it, nor byte-order marks before it (a sheet pasted after another).
std::string NomeDaColuna(std::string nome) {
    for (std::size_t inicio; (inicio = nome.find_first_not_of(" \t")) != std::string::npos &&
                             std::string_view(nome).substr(inicio).starts_with(kBom);)
        nome.erase(0, inicio + kBom.size());
    return SemBrancos(nome);
}

// The sheet's text as UTF-8, and the encoding it came in: UTF-8 when the bytes (after a byte-order mark, if
// any) are well-formed UTF-8, Windows-1252 otherwise (a sheet saved by the spreadsheet programs of Windows).
std::string Decodificar(const std::string& bytes, TCodificacaoPlanilha& codificacao) {
    if (bytes.starts_with(kBom) && EUtf8Valido(bytes.substr(kBom.size()))) {
        codificacao = TCodificacaoPlanilha::Utf8ComBom;
        return bytes.substr(kBom.size());
    }
    if (EUtf8Valido(bytes)) {
        codificacao = TCodificacaoPlanilha::Utf8;
        return bytes;
    }
    codificacao = TCodificacaoPlanilha::Windows1252;
    return Windows1252ParaUtf8(bytes);
}

// The decimal separator of the numbers written back. A "," sheet has "." decimals. A ";" sheet has ","
// decimals, unless its numbers are written with "." and none with ",".
char DecimalDosCampos(const std::vector<TLinhaPlanilha>& linhas, char separador) {
    if (separador == ',') return '.';
    bool comPonto = false;
    for (const TLinhaPlanilha& linha : linhas)
        for (const std::string& campo : linha.Campos) {
            if (!NumeroDoCampo(campo)) continue;
            if (campo.find(',') != std::string::npos) return ',';
            comPonto = comPonto || campo.find('.') != std::string::npos;
        }
    return comPonto ? '.' : ',';
}

// Splits the text into records of fields. A field that begins with a quote runs to the matching quote
// ("" inside it is one quote) and may hold separators and line breaks; "\r\n", "\n" and "\r" end a line.
class TLeitor {
public:
    TLeitor(const std::string& texto, char separador) : texto_(texto), separador_(separador) {}

    bool Fim() const { return i_ >= texto_.size(); }

    TLinhaPlanilha Registro() {
        TLinhaPlanilha registro{linha_, {}};
        for (;;) {
            registro.Campos.push_back(Campo(registro.Campos.size() + 1));
            if (!Fim() && texto_[i_] == separador_) {
                ++i_;
                continue;
            }
            FimDeLinha();
            return registro;
        }
    }

private:
    bool NoFimDoCampo() const {
        return Fim() || texto_[i_] == separador_ || texto_[i_] == '\r' || texto_[i_] == '\n';
    }

    void FimDeLinha() {
        if (!Fim() && texto_[i_] == '\r') ++i_;
        if (!Fim() && texto_[i_] == '\n') ++i_;
        ++linha_;
    }

    std::string Campo(std::size_t coluna) {
        std::string campo;
        if (Fim() || texto_[i_] != '"') {
            while (!NoFimDoCampo()) campo += texto_[i_++];
            return campo;
        }
        const std::size_t linhaDasAspas = linha_;
        for (++i_;;) {
            if (Fim()) throw EPlanilha(linhaDasAspas, coluna, "as aspas abertas no campo não se fecham");
            const char c = texto_[i_++];
            if (c == '"') {
                if (Fim() || texto_[i_] != '"') break;
                ++i_;
            } else if (c == '\n' || (c == '\r' && (Fim() || texto_[i_] != '\n'))) {
                ++linha_;
            }
            campo += c;
        }
        while (!Fim() && (texto_[i_] == ' ' || texto_[i_] == '\t')) ++i_;
        if (!NoFimDoCampo()) throw EPlanilha(linha_, coluna, "há texto depois das aspas que fecham o campo");
        return campo;
    }

    const std::string& texto_;
    char separador_;
    std::size_t i_ = 0;
    std::size_t linha_ = 1;
};

// ";" when the header, read with ";" between fields, reads into more than one field (the spreadsheet
// programs of the comma-decimal locales save so), "," otherwise: the rule reads a sheet's header exactly as
// the reader then reads it.
char SeparadorDoCabecalho(const std::string& texto) {
    TLeitor leitor(texto, ';');
    try {
        while (!leitor.Fim()) {
            const TLinhaPlanilha registro = leitor.Registro();
            if (!std::all_of(registro.Campos.begin(), registro.Campos.end(), EmBranco))
                return registro.Campos.size() > 1 ? ';' : ',';
        }
    } catch (const EPlanilha&) {  // not a ";" header
    }
    return ',';
}

bool PrecisaDeAspas(const std::string& campo, char separador) {
    return campo.find_first_of(std::string{separador, '"', '\r', '\n'}) != std::string::npos ||
           (!campo.empty() && (campo.front() == ' ' || campo.back() == ' '));
}

std::string CampoEntreAspas(const std::string& campo) {
    std::string escrito = "\"";
    for (const char c : campo) escrito += c == '"' ? std::string("\"\"") : std::string(1, c);
    return escrito + '"';
}

}  // namespace

EPlanilha::EPlanilha(std::size_t linha, std::size_t coluna, const std::string& problema)
    : Exception("linha " + std::to_string(linha) + ", coluna " + std::to_string(coluna) + ": " + problema) {}

TPlanilha LerPlanilha(const std::string& bytes) {
    TPlanilha planilha;
    const std::string texto = Decodificar(bytes, planilha.Formato.Codificacao);
    planilha.Formato.Separador = SeparadorDoCabecalho(texto);
    planilha.Formato.Quebra = texto.find("\r\n") != std::string::npos ? "\r\n" : "\n";

    TLeitor leitor(texto, planilha.Formato.Separador);
    bool temCabecalho = false;
    while (!leitor.Fim()) {
        TLinhaPlanilha registro = leitor.Registro();
        if (std::all_of(registro.Campos.begin(), registro.Campos.end(), EmBranco)) continue;  // a blank line
        if (!temCabecalho) {
            for (const std::string& nome : registro.Campos) planilha.Cabecalho.push_back(NomeDaColuna(nome));
            planilha.LinhaCabecalho = registro.Numero;
            temCabecalho = true;
            continue;
        }
        // Empty fields past the header's (a row a spreadsheet program padded) carry nothing; a value there
        // would belong to no column, as a stray separator shifts every value after it.
        for (std::size_t c = planilha.Cabecalho.size(); c < registro.Campos.size(); ++c)
            if (!EmBranco(registro.Campos[c]))
                throw EPlanilha(registro.Numero, c + 1,
                                "a linha tem mais campos que o cabeçalho (" +
                                    std::to_string(planilha.Cabecalho.size()) + ")");
        registro.Campos.resize(std::min(registro.Campos.size(), planilha.Cabecalho.size()));
        planilha.Linhas.push_back(std::move(registro));
    }
    if (!temCabecalho) throw EPlanilha(1, 1, "a planilha está vazia");
    planilha.Formato.Decimal = DecimalDosCampos(planilha.Linhas, planilha.Formato.Separador);
    return planilha;
}

std::optional<double> NumeroDoCampo(const std::string& campo) { return LerNumeroQualquerSeparador(campo); }

std::string CampoDoNumero(double valor, const TFormatoPlanilha& formato) {
    if (!std::isfinite(valor)) return {};
    char texto[32];
    std::string campo(texto, std::to_chars(texto, texto + sizeof texto, valor).ptr);
    std::replace(campo.begin(), campo.end(), '.', formato.Decimal);
    return campo;
}

std::string EscreverPlanilha(const std::vector<std::vector<std::string>>& linhas, const TFormatoPlanilha& formato) {
    // A "," sheet whose header holds a ";" has its header quoted whole, or it would read back as a ";" sheet.
    const bool cabecalhoEntreAspas =
        formato.Separador == ',' && !linhas.empty() &&
        std::any_of(linhas.front().begin(), linhas.front().end(),
                    [](const std::string& nome) { return nome.find(';') != std::string::npos; });
    std::string texto;
    for (std::size_t l = 0; l < linhas.size(); ++l) {
        for (std::size_t c = 0; c < linhas[l].size(); ++c) {
            const std::string& campo = linhas[l][c];
            if (c) texto += formato.Separador;
            const bool aspas = (l == 0 && cabecalhoEntreAspas) || PrecisaDeAspas(campo, formato.Separador);
            texto += aspas ? CampoEntreAspas(campo) : campo;
        }
        texto += formato.Quebra;
    }
    switch (formato.Codificacao) {
        case TCodificacaoPlanilha::Utf8:
            return texto;
        case TCodificacaoPlanilha::Utf8ComBom:
            break;
        case TCodificacaoPlanilha::Windows1252:
            if (std::optional<std::string> cp1252 = Utf8ParaWindows1252(texto)) return *cp1252;
            break;
    }
    return std::string(kBom) + texto;
}

}  // namespace talvek
