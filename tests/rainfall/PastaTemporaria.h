// A fresh folder under the system's temporary folder, removed with everything in it at the end of a test.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace talvek::teste {

class PastaTemporaria {
public:
    PastaTemporaria() {
        std::random_device aleatorio;
        caminho_ = std::filesystem::temp_directory_path() / ("talvek-banco-" + std::to_string(aleatorio()));
        std::filesystem::create_directories(caminho_);
    }
    ~PastaTemporaria() {
        std::error_code erro;
        std::filesystem::remove_all(caminho_, erro);
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    const std::filesystem::path& Caminho() const { return caminho_; }
    // The folder as the database reader takes it: with a trailing separator.
    std::string ComoPasta() const { return caminho_.string() + "/"; }
    std::string Arquivo(const std::string& nome) const { return (caminho_ / nome).string(); }

private:
    std::filesystem::path caminho_;
};

}  // namespace talvek::teste
