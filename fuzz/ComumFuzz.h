// What the fuzz targets share: the check that stops a run on a broken invariant, the rule on exceptions
// (only the program's own family may leave a reader), and a scratch folder on a memory file system so that
// the atomic writes of the profile layer (with their fsync) stay fast.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <typeinfo>

#include "platform/Excecoes.h"

namespace talvek::fuzz {

[[noreturn]] inline void Falha(const std::string& invariante, const std::string& detalhe = {}) {
    std::fprintf(stderr, "\n*** Invariante violada: %s\n%s\n", invariante.c_str(), detalhe.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void Exigir(bool condicao, const std::string& invariante, const std::string& detalhe = {}) {
    if (!condicao) Falha(invariante, detalhe);
}

// Runs `acao`. A talvek::Exception with a message is an accepted outcome (false); any other exception, or
// one of the program's own without a message for the user, stops the run.
template <class Acao>
bool Executar(Acao&& acao) {
    try {
        acao();
        return true;
    } catch (const talvek::Exception& e) {
        Exigir(*e.what() != '\0', "uma exceção do programa leva uma mensagem", typeid(e).name());
        return false;
    } catch (const std::exception& e) {
        Falha("só exceções da família talvek::Exception", std::string(typeid(e).name()) + ": " + e.what());
    } catch (...) {
        Falha("só exceções da família talvek::Exception", "exceção de tipo desconhecido");
    }
}

// A folder of this process, on /dev/shm when there is one, removed at exit.
class PastaRascunho {
public:
    static const PastaRascunho& Instancia() {
        static const PastaRascunho pasta;
        return pasta;
    }
    std::string operator/(const std::string& nome) const { return (caminho_ / nome).string(); }
    const std::filesystem::path& Caminho() const { return caminho_; }

private:
    PastaRascunho() {
        std::error_code erro;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", erro) ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string modelo = (base / "talvek-fuzz-XXXXXX").string();
        if (::mkdtemp(modelo.data()) == nullptr) Falha("pasta de rascunho", modelo);
        caminho_ = modelo;
    }
    ~PastaRascunho() {
        std::error_code erro;
        std::filesystem::remove_all(caminho_, erro);
    }
    std::filesystem::path caminho_;
};

inline void GravarBytes(const std::string& caminho, const std::string& bytes) {
    std::ofstream saida(caminho, std::ios::binary | std::ios::trunc);
    saida << bytes;
    Exigir(static_cast<bool>(saida), "arquivo de rascunho gravado", caminho);
}

// The bytes of a file; empty when it does not exist.
inline std::string LerBytes(const std::string& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

inline bool Existe(const std::string& caminho) {
    std::error_code erro;
    return std::filesystem::exists(caminho, erro);
}

// A short text for messages: non-printable bytes as \xHH.
inline std::string Visivel(const std::string& bytes) {
    std::string texto;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            texto += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            texto += hex;
        }
    }
    return texto;
}

}  // namespace talvek::fuzz
