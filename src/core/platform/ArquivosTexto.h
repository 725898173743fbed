// Whole-file reading and crash-safe replacement of small text files (project and configuration files).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/Excecoes.h"

namespace talvek {

// A file that could not be written: read-only file, missing or protected folder, full disk. The message
// names the file and the reason in Portuguese.
class EGravacaoArquivo : public Exception {
public:
    using Exception::Exception;
};

// The bytes of a file; no value when it does not exist or cannot be read.
std::optional<std::string> LerArquivoInteiro(const std::string& caminho);

// The file that a write really replaces: the end of the chain of symbolic links that starts at `caminho`
// (at most 40 links), so that a save through links updates the real file and keeps every link.
std::filesystem::path DestinoFinal(const std::string& caminho);

// A file's new content written to a temporary file beside it and flushed to disk, waiting to replace the
// file. Files that belong together are all prepared first and then concluded, so that a failure while
// writing any of them leaves every one as it was. A preparation never concluded removes its temporary.
// The checks, permissions and messages are those of GravarArquivoAtomicamente, except that an existing
// path that is not a regular file (a FIFO, a device) is refused: it cannot be replaced with the others.
class TGravacaoPreparada {
public:
    TGravacaoPreparada(const std::string& caminho, const std::string& conteudo);  // raises EGravacaoArquivo
    ~TGravacaoPreparada();
    TGravacaoPreparada(const TGravacaoPreparada&) = delete;
    TGravacaoPreparada& operator=(const TGravacaoPreparada&) = delete;

    // Renames the temporary over the file. Raises EGravacaoArquivo (the file then stays as it was).
    void Concluir();

private:
    void Descartar();

    std::string caminho_;
    std::filesystem::path destino_;  // the file itself when `caminho_` is a symbolic link
    std::string temporario_;         // empty once concluded or discarded
};

// Replaces the file's content atomically: the bytes go to a temporary file (a short name, so that a file
// name near the system's limit can still be saved) in the same folder, are flushed to disk and then renamed
// over the old file, so a failure at any point leaves the old file as it was. A symbolic link is followed
// to its final target, which is replaced. A missing file is created. A read-only file is refused even when
// the process could override it. The old file's permissions are kept. An existing FIFO or character device
// (/dev/null, a pipe another program reads) is written into directly and never replaced; a FIFO that no
// program opens for reading within 2 s is refused. Raises EGravacaoArquivo.
void GravarArquivoAtomicamente(const std::string& caminho, const std::string& conteudo);

}  // namespace talvek
