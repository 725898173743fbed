// Whole-file reading and crash-safe replacement of small text files (project and configuration files).
#pragma once

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

// Replaces the file's content atomically: the bytes go to a temporary file in the same folder, are flushed
// to disk and then renamed over the old file, so a failure at any point leaves the old file as it was.
// A missing file is created. A read-only file is refused even when the process could override it.
// The old file's permissions are kept. Raises EGravacaoArquivo.
void GravarArquivoAtomicamente(const std::string& caminho, const std::string& conteudo);

}  // namespace talvek
