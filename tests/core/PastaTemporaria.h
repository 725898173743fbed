// A fresh folder for the files of one test, removed with everything in it when the test ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace talvek::teste {

class PastaTemporaria {
public:
    PastaTemporaria() {
        std::string modelo = (std::filesystem::temp_directory_path() / "talvek-teste-XXXXXX").string();
        caminho_ = ::mkdtemp(modelo.data());
    }
    ~PastaTemporaria() {
        std::error_code erro;
        std::filesystem::permissions(caminho_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, erro);
        std::filesystem::remove_all(caminho_, erro);
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    const std::filesystem::path& Caminho() const { return caminho_; }
    std::string operator/(const std::string& nome) const { return (caminho_ / nome).string(); }
    // The folder as the database reader takes it: with a trailing separator.
    std::string ComoPasta() const { return caminho_.string() + "/"; }

private:
    std::filesystem::path caminho_;
};

inline void GravarBytes(const std::string& caminho, const std::string& bytes) {
    std::ofstream(caminho, std::ios::binary) << bytes;
}

inline std::string LerBytes(const std::string& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

}  // namespace talvek::teste
