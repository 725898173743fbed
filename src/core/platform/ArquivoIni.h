// Profile (INI) files with the semantics of the Windows profile service, which the project and
// configuration files have always had:
// - section and key names are matched without regard to letter case;
// - writing a key replaces its value in place, or appends the key at the end of its section, or appends
//   the section with the key at the end of the file; deleting a key removes its line; every other byte of
//   the file (comments, blank lines, unknown sections) stays as it was;
// - every access opens and closes the file, and every write replaces the file atomically;
// - Windows-1252 and UTF-8 files are both read; a file keeps its encoding and line endings, and a new file
//   is Windows-1252 with CRLF, as the files of earlier versions;
// - reals are written with the decimal separator of the regional settings and read with either "." or ",",
//   so a file moved between locales keeps its values.
// Texts go in and come out as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace talvek {

class TArquivoIni {
public:
    explicit TArquivoIni(std::string caminho) : caminho_(std::move(caminho)) {}

    const std::string& Caminho() const { return caminho_; }

    // The value of the key (blanks around it and enclosing quotes removed), or `padrao` when the file,
    // section or key is missing.
    std::string LerTexto(std::string_view secao, std::string_view chave, const std::string& padrao) const;
    // Numbers are read, as texts, without blanks around them or enclosing quotes.
    // A whole decimal number with an optional sign; `padrao` when missing, not a whole number or out of range.
    int LerInteiro(std::string_view secao, std::string_view chave, int padrao) const;
    // A real with "." or "," as decimal separator; `padrao` when missing or not a number.
    double LerReal(std::string_view secao, std::string_view chave, double padrao) const;
    // Whether the section holds the key, whatever its value.
    bool ExisteChave(std::string_view secao, std::string_view chave) const;

    // Writers raise EGravacaoArquivo (ArquivosTexto.h) when the file cannot be replaced; the file is then
    // left as it was. A text that reading would alter (blanks at its ends, enclosing quotes) is written
    // between double quotes; a line break inside it would split the line, so each becomes a blank.
    void EscreverTexto(std::string_view secao, std::string_view chave, const std::string& valor) const;
    void EscreverInteiro(std::string_view secao, std::string_view chave, long long valor) const;
    // The shortest general text of the value, up to 15 significant digits ("0,5" under a comma locale).
    // A value beyond ±1.79769313486231E308, whose 15-digit text would exceed the double range and read
    // back as the default, is written as that bound.
    void EscreverReal(std::string_view secao, std::string_view chave, double valor) const;

    // Removes the key's line; nothing happens when the file, section or key is missing.
    void ApagarChave(std::string_view secao, std::string_view chave) const;

private:
    std::string caminho_;
};

}  // namespace talvek
