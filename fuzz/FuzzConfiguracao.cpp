// The configuration file "Talvek2.ini": random content read as at start-up, then written at exit.
// Invariants:
// - reading never raises and never changes the file;
// - the configuration written at exit, over the same file, reads back with the same values (reals to 15
//   significant digits, a carriage return inside a text saved as a blank).
#include <string>

#include "ComumFuzz.h"
#include "platform/Numeros.h"
#include "project/Configuracao.h"

using namespace talvek;
using namespace talvek::fuzz;

namespace {

std::string Texto(std::string texto) {
    for (char& c : texto)
        if (c == '\r' || c == '\n') c = ' ';
    return Visivel(texto);
}

std::string Valores(const TConfiguracao& c) {
    std::string valores = "UDecli=" + Texto(c.Unidades.UDecli) + "\nKDecli=" + std::to_string(c.Unidades.KDecli) +
                          "\nUVIB=" + Texto(c.Unidades.UVIB) + "\nKVIB=" + FormatarGeral(c.Unidades.KVIB) +
                          "\nIndEstado=" + std::to_string(c.IndEstado) + "\n";
    for (const std::string& recente : c.Recentes) valores += "path=" + Texto(recente) + "\n";
    return valores;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string caminho = PastaRascunho::Instancia() / "Talvek2.ini";
    const std::string original(reinterpret_cast<const char*>(data), size);
    GravarBytes(caminho, original);

    TConfiguracao lida;
    Exigir(Executar([&] { lida = LerConfiguracao(caminho); }), "ler a configuração não falha", Visivel(original));
    Exigir(LerBytes(caminho) == original, "ler a configuração não altera o arquivo");

    Exigir(Executar([&] { EscreverConfiguracao(caminho, lida); }), "a configuração lida pode ser gravada",
           Valores(lida));
    TConfiguracao relida;
    Exigir(Executar([&] { relida = LerConfiguracao(caminho); }), "ler a configuração gravada não falha");
    Exigir(Valores(relida) == Valores(lida), "a configuração gravada é lida com os mesmos valores",
           Valores(lida) + "----\n" + Valores(relida) + "arquivo: " + Visivel(LerBytes(caminho)));
    return 0;
}
