// Advisory lock of a project or configuration file for one read-modify-write (open with conversion, save,
// talvek-calc --gravar), so that two programs saving the same file at once cannot mix their results: the
// second waits until the first has replaced the file, then reads what the first wrote.
// The lock is flock() on a small hidden file beside the file (in the folder of the final target of a chain
// of links), named after the file by a hash so that its name stays short; it is removed when released.
#pragma once

#include <chrono>
#include <string>

#include "platform/ArquivosTexto.h"

namespace talvek {

// The lock was not obtained in time: another program is saving the file.
class ETravaArquivo : public EGravacaoArquivo {
public:
    using EGravacaoArquivo::EGravacaoArquivo;
};

class TTravaArquivo {
public:
    static constexpr std::chrono::milliseconds kEsperaPadrao{20'000};

    // Waits up to `espera` for the lock, then raises ETravaArquivo("O arquivo " + caminho + " está em uso por
    // outro programa do Talvek; tente de novo em instantes."). Where no lock file can be made (a protected
    // or missing folder, a system without locks) the file is not locked: nothing can replace it there
    // either, and the write that follows reports its own reason.
    explicit TTravaArquivo(const std::string& caminho, std::chrono::milliseconds espera = kEsperaPadrao);
    ~TTravaArquivo();
    TTravaArquivo(const TTravaArquivo&) = delete;
    TTravaArquivo& operator=(const TTravaArquivo&) = delete;

    // The lock file of a file, beside its final target.
    static std::string CaminhoDaTrava(const std::string& caminho);

private:
    std::string caminhoTrava_;
    int descritor_ = -1;  // -1 when the file could not be locked
};

}  // namespace talvek
