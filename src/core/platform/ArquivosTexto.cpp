#include "platform/ArquivosTexto.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace talvek {

namespace fs = std::filesystem;

namespace {

std::string Motivo(int erro) {
    switch (erro) {
        case EACCES:
        case EPERM: return "permissão negada";
        case EROFS: return "sistema de arquivos somente leitura";
        case ENOENT:
        case ENOTDIR: return "a pasta não existe";
        case ENOSPC:
        case EDQUOT: return "não há espaço no disco";
        case EFBIG: return "o arquivo excede o tamanho permitido";
        case EISDIR: return "o caminho é uma pasta";
        default: return std::strerror(erro);
    }
}

[[noreturn]] void FalhaGravacao(const std::string& caminho, int erro) {
    throw EGravacaoArquivo("Erro ao gravar o arquivo " + caminho + ": " + Motivo(erro) + ".");
}

// The file that a write really replaces: the target of a symbolic link rather than the link itself.
fs::path Destino(const std::string& caminho) {
    std::error_code erro;
    const fs::path destino = fs::path(caminho);
    if (!fs::is_symlink(destino, erro)) return destino;
    const fs::path alvo = fs::read_symlink(destino, erro);
    if (erro) return destino;
    return alvo.is_absolute() ? alvo : destino.parent_path() / alvo;
}

bool GravarTudo(int descritor, const std::string& conteudo) {
    const char* p = conteudo.data();
    std::size_t restam = conteudo.size();
    while (restam > 0) {
        const ssize_t escritos = ::write(descritor, p, restam);
        if (escritos < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += escritos;
        restam -= static_cast<std::size_t>(escritos);
    }
    return true;
}

// Creates a temporary file beside `destino` with the given permissions; returns its descriptor.
int CriarTemporario(const fs::path& destino, mode_t permissoes, std::string& nomeTemporario) {
    std::random_device aleatorio;
    const fs::path pasta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        nomeTemporario = (pasta / ("." + destino.filename().string() + "." + std::to_string(aleatorio()) + ".tmp"))
                             .string();
        const int descritor = ::open(nomeTemporario.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, permissoes);
        if (descritor >= 0 || errno != EEXIST) return descritor;
    }
    errno = EEXIST;
    return -1;
}

void SincronizarPasta(const fs::path& destino) {
    const fs::path pasta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    const int descritor = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descritor < 0) return;  // the rename has happened; the folder's flush is a best effort
    ::fsync(descritor);
    ::close(descritor);
}

}  // namespace

std::optional<std::string> LerArquivoInteiro(const std::string& caminho) {
    std::error_code erro;
    if (!fs::is_regular_file(caminho, erro)) return std::nullopt;
    std::ifstream entrada(caminho, std::ios::binary);
    if (!entrada) return std::nullopt;
    std::string conteudo{std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
    if (entrada.bad()) return std::nullopt;
    return conteudo;
}

TGravacaoPreparada::TGravacaoPreparada(const std::string& caminho, const std::string& conteudo)
    : caminho_(caminho), destino_(Destino(caminho)) {
    struct stat atual {};
    const bool existe = ::stat(destino_.c_str(), &atual) == 0;
    if (existe) {
        if (S_ISDIR(atual.st_mode)) FalhaGravacao(caminho, EISDIR);
        // The owner's write bit stands for the read-only attribute: it is honoured even for root.
        if ((atual.st_mode & S_IWUSR) == 0 || ::access(destino_.c_str(), W_OK) != 0)
            throw EGravacaoArquivo("Erro ao gravar o arquivo " + caminho + ": o arquivo é somente leitura.");
    }

    const mode_t permissoes = existe ? (atual.st_mode & 07777) : 0666;
    const int descritor = CriarTemporario(destino_, permissoes, temporario_);
    if (descritor < 0) FalhaGravacao(caminho, errno);

    const auto desistir = [&](int erro) {
        ::close(descritor);
        Descartar();
        FalhaGravacao(caminho, erro);
    };
    if (existe) {
        // Keep the old file's mode (the umask may have narrowed it) and, where allowed, its owner.
        if (::fchmod(descritor, permissoes) != 0) desistir(errno);
        // Best effort: only a privileged process can give the file back to another owner.
        [[maybe_unused]] const int dono = ::fchown(descritor, atual.st_uid, atual.st_gid);
    }
    if (!GravarTudo(descritor, conteudo) || ::fsync(descritor) != 0) desistir(errno);
    if (::close(descritor) != 0) {
        const int erro = errno;
        Descartar();
        FalhaGravacao(caminho, erro);
    }
}

TGravacaoPreparada::~TGravacaoPreparada() { Descartar(); }

void TGravacaoPreparada::Descartar() {
    if (temporario_.empty()) return;
    ::unlink(temporario_.c_str());
    temporario_.clear();
}

void TGravacaoPreparada::Concluir() {
    if (::rename(temporario_.c_str(), destino_.c_str()) != 0) {
        const int erro = errno;
        Descartar();
        FalhaGravacao(caminho_, erro);
    }
    temporario_.clear();
    SincronizarPasta(destino_);
}

void GravarArquivoAtomicamente(const std::string& caminho, const std::string& conteudo) {
    TGravacaoPreparada(caminho, conteudo).Concluir();
}

}  // namespace talvek
