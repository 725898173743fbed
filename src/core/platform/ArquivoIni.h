// Profile (INI) files with the semantics of the Windows profile service, which the project and
// configuration files have always had:
// - section and key names are matched without regard to letter case;
// - writing a key replaces its value in place, or appends the key at the end of its section, or appends
//   the section with the key at the end of the file; deleting a key removes its line; every other byte of
//   the file (comments, blank lines, unknown sections) stays as it was;
// - every access opens and closes the file, and every write replaces the file atomically; within an edit
//   (TEdicaoIni, below) the accesses go to one in-memory copy instead, and the file is replaced once;
// - Windows-1252 and UTF-8 files are both read; a file keeps its encoding and line endings, and a new file
//   is Windows-1252 with CRLF, as the files of earlier versions;
// - reals are written with the decimal separator of the regional settings and read with either "." or ",",
//   so a file moved between locales keeps its values.
// Texts go in and come out as UTF-8.
#pragma once

#include <memory>
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

// One read-modify-write of a profile file. While an edit is open, every TArquivoIni of the same path (in
// this thread) reads and writes one in-memory copy of the file, loaded when the edit opens, with exactly the
// semantics above; Concluir then replaces the file once. A save interrupted at any byte (a full disk, a
// crash) thus leaves the old file or the new one, never some keys of each; and a reader of the copy sees one
// version of the file, whatever another program writes meanwhile.
// An edit opened while another of the same path is open joins it: it reads and writes the same copy, and
// only the outermost one's Concluir replaces the file.
class TEdicaoIni {
public:
    enum class Modo {
        Leitura,   // the copy is never written back: what is changed in it stays in memory
        Gravacao,  // the file is locked (TTravaArquivo) from the load until the edit ends, so that no other
                   // program's save falls between this one's read and its write
    };

    // Raises ETravaArquivo when the lock of a Gravacao edit is not obtained in time.
    TEdicaoIni(const std::string& caminho, Modo modo);
    ~TEdicaoIni();  // discards what was not concluded
    TEdicaoIni(const TEdicaoIni&) = delete;
    TEdicaoIni& operator=(const TEdicaoIni&) = delete;

    // Whether the copy differs from the file as loaded.
    bool Alterada() const;
    // Replaces the file with the copy (creating it when missing) and ends the edit: later accesses go to the
    // file again. A Leitura edit, or one that joined another, writes nothing. Raises EGravacaoArquivo; the
    // file then stays as it was.
    void Concluir();

    struct Copia;

private:
    void Fechar();  // the copy is no longer the file's for this thread

    Copia* copia_;                   // the copy this edit reads and writes
    std::unique_ptr<Copia> propria_;  // the copy when this edit opened it, empty when it joined another
};

}  // namespace talvek
