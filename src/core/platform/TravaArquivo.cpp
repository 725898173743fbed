#include "platform/TravaArquivo.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <thread>

namespace talvek {

namespace {

// FNV-1a, 64 bits: a short stable name for any file name, up to 255 bytes long.
std::uint64_t Hash(const std::string& texto) {
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : texto) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

// Whether the descriptor still names the lock file at `caminho`: a holder removes the file before it lets
// go, so a waiter that then gets the lock of the removed file must take the new one instead.
bool AindaNoLugar(int descritor, const std::string& caminho) {
    struct stat aberto {}, noLugar {};
    return ::fstat(descritor, &aberto) == 0 && ::stat(caminho.c_str(), &noLugar) == 0 &&
           aberto.st_dev == noLugar.st_dev && aberto.st_ino == noLugar.st_ino;
}

}  // namespace

std::string TTravaArquivo::CaminhoDaTrava(const std::string& caminho) {
    const std::filesystem::path destino = DestinoFinal(caminho);
    char nome[40];
    std::snprintf(nome, sizeof nome, ".talvek-%016" PRIx64 ".lock", Hash(destino.filename().string()));
    return (destino.parent_path() / nome).string();
}

TTravaArquivo::TTravaArquivo(const std::string& caminho, std::chrono::milliseconds espera)
    : caminhoTrava_(CaminhoDaTrava(caminho)) {
    const auto limite = std::chrono::steady_clock::now() + espera;
    for (;;) {
        const int descritor = ::open(caminhoTrava_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
        if (descritor < 0) return;  // no lock file here: the file is not locked
        if (::flock(descritor, LOCK_EX | LOCK_NB) == 0) {
            if (AindaNoLugar(descritor, caminhoTrava_)) {
                descritor_ = descritor;
                return;
            }
            ::close(descritor);
            continue;
        }
        const int erro = errno;
        ::close(descritor);
        if (erro != EWOULDBLOCK) return;  // a file system without locks
        if (std::chrono::steady_clock::now() >= limite)
            throw ETravaArquivo("O arquivo " + caminho +
                                " está em uso por outro programa do Talvek; tente de novo em instantes.");
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

TTravaArquivo::~TTravaArquivo() {
    if (descritor_ < 0) return;
    ::unlink(caminhoTrava_.c_str());
    ::close(descritor_);
}

}  // namespace talvek
