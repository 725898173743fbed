#include "platform/ArquivosTexto.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

namespace talvek {

namespace fs = std::filesystem;

namespace {

// The Portuguese words for a system error, never the system's English text alone.
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
        case ENAMETOOLONG: return "nome de arquivo longo demais";
        case ELOOP: return "ligações simbólicas demais no caminho";
        case EIO: return "erro de leitura ou gravação no disco";
        case EBUSY:
        case ETXTBSY: return "o arquivo está em uso";
        case EMFILE:
        case ENFILE: return "arquivos abertos demais";
        case ENXIO:
        case ENODEV: return "o dispositivo não existe";
        case EXDEV: return "o arquivo está em outro sistema de arquivos";
        case EPIPE: return "o programa que lia o arquivo o fechou";
        default: return "erro do sistema " + std::to_string(erro) + " (" + std::strerror(erro) + ")";
    }
}

[[noreturn]] void FalhaGravacao(const std::string& caminho, int erro) {
    throw EGravacaoArquivo("Erro ao gravar o arquivo " + caminho + ": " + Motivo(erro) + ".");
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

// Creates a temporary file beside `destino` with the given permissions; returns its descriptor. The name
// does not grow with the file's own, which may already be near the system's 255-byte limit.
int CriarTemporario(const fs::path& destino, mode_t permissoes, std::string& nomeTemporario) {
    std::random_device aleatorio;
    const fs::path pasta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        char nome[32];
        std::snprintf(nome, sizeof nome, ".talvek-%08x.tmp", static_cast<unsigned>(aleatorio()));
        nomeTemporario = (pasta / nome).string();
        const int descritor = ::open(nomeTemporario.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, permissoes);
        if (descritor >= 0 || errno != EEXIST) return descritor;
    }
    errno = EEXIST;
    return -1;
}

// The owner's write bit stands for the read-only attribute: it is honoured even for root.
bool SomenteLeitura(const fs::path& destino, const struct stat& atual) {
    return (atual.st_mode & S_IWUSR) == 0 || ::access(destino.c_str(), W_OK) != 0;
}

[[noreturn]] void FalhaSomenteLeitura(const std::string& caminho) {
    throw EGravacaoArquivo("Erro ao gravar o arquivo " + caminho + ": o arquivo é somente leitura.");
}

// Opens an existing FIFO or device for writing. A FIFO opens only once a program reads it: that program
// is waited for a little (it may be starting beside this one), never for ever.
int AbrirEspecial(const fs::path& destino) {
    using namespace std::chrono;
    const auto limite = steady_clock::now() + seconds(2);
    for (;;) {
        const int descritor = ::open(destino.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (descritor >= 0) {
            ::fcntl(descritor, F_SETFL, ::fcntl(descritor, F_GETFL) & ~O_NONBLOCK);
            return descritor;
        }
        if (errno != ENXIO || steady_clock::now() >= limite) return -1;
        std::this_thread::sleep_for(milliseconds(20));
    }
}

// While alive, a reader of a FIFO that goes away makes a write fail with EPIPE instead of ending the
// program with SIGPIPE.
class SemSinalDePipe {
public:
    SemSinalDePipe() {
        sigemptyset(&sinal_);
        sigaddset(&sinal_, SIGPIPE);
        sigset_t pendentes;
        sigpending(&pendentes);
        jaPendente_ = sigismember(&pendentes, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &sinal_, &anterior_);
    }
    ~SemSinalDePipe() {
        sigset_t pendentes;
        sigpending(&pendentes);
        if (!jaPendente_ && sigismember(&pendentes, SIGPIPE) == 1) {
            const timespec agora{};
            sigtimedwait(&sinal_, nullptr, &agora);  // the signal of this write, taken before it is unblocked
        }
        pthread_sigmask(SIG_SETMASK, &anterior_, nullptr);
    }
    SemSinalDePipe(const SemSinalDePipe&) = delete;
    SemSinalDePipe& operator=(const SemSinalDePipe&) = delete;

private:
    sigset_t sinal_{}, anterior_{};
    bool jaPendente_ = false;
};

// A FIFO or a character device takes the bytes as they come; there is nothing to replace or flush.
void GravarEmEspecial(const std::string& caminho, const fs::path& destino, const struct stat& atual,
                      const std::string& conteudo) {
    if (SomenteLeitura(destino, atual)) FalhaSomenteLeitura(caminho);
    const int descritor = AbrirEspecial(destino);
    if (descritor < 0) {
        if (errno == ENXIO && S_ISFIFO(atual.st_mode))
            throw EGravacaoArquivo("Erro ao gravar o arquivo " + caminho + ": nenhum programa está lendo o FIFO.");
        FalhaGravacao(caminho, errno);
    }
    const SemSinalDePipe semSinal;
    const bool gravou = GravarTudo(descritor, conteudo);
    const int erro = errno;
    ::close(descritor);
    if (!gravou) FalhaGravacao(caminho, erro);
}

void SincronizarPasta(const fs::path& destino) {
    const fs::path pasta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    const int descritor = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descritor < 0) return;  // the rename has happened; the folder's flush is a best effort
    ::fsync(descritor);
    ::close(descritor);
}

}  // namespace

fs::path DestinoFinal(const std::string& caminho) {
    fs::path destino = caminho;
    std::error_code erro;
    for (int ligacao = 0; ligacao < 40 && fs::is_symlink(destino, erro); ++ligacao) {
        const fs::path alvo = fs::read_symlink(destino, erro);
        if (erro) break;
        destino = alvo.is_absolute() ? alvo : destino.parent_path() / alvo;
    }
    return destino;
}

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
    : caminho_(caminho), destino_(DestinoFinal(caminho)) {
    struct stat atual {};
    const bool existe = ::stat(destino_.c_str(), &atual) == 0;
    if (!existe && errno == ELOOP) FalhaGravacao(caminho, ELOOP);  // a link of the chain would be replaced
    if (existe) {
        if (S_ISDIR(atual.st_mode)) FalhaGravacao(caminho, EISDIR);
        if (!S_ISREG(atual.st_mode))
            throw EGravacaoArquivo("Erro ao gravar o arquivo " + caminho + ": o caminho não é um arquivo comum.");
        if (SomenteLeitura(destino_, atual)) FalhaSomenteLeitura(caminho);
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
    const fs::path destino = DestinoFinal(caminho);
    struct stat atual {};
    if (::stat(destino.c_str(), &atual) == 0 && (S_ISFIFO(atual.st_mode) || S_ISCHR(atual.st_mode))) {
        GravarEmEspecial(caminho, destino, atual, conteudo);
        return;
    }
    TGravacaoPreparada(caminho, conteudo).Concluir();
}

}  // namespace talvek
