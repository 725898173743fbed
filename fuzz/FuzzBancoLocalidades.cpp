// The localities file "Localidades_Nim21.bin": random bytes, the localities of one state read from them
// (the state from the last byte of the input).
// Invariants:
// - only the program's own exceptions leave the reader; a damaged file is refused with
//   "O arquivo " + path + " está incompleto ou corrompido." and the localities read before stay;
// - a state's localities that are read have texts within their capacity, and the database builder writes
//   them back to the same records.
#include <algorithm>
#include <string>

#include "ComumFuzz.h"
#include "rainfall/ImportacaoBD.h"
#include "rainfall/UnBD.h"

using namespace talvek;
using namespace talvek::fuzz;

namespace {

constexpr int kEstadoConhecido = 12;

TGruposLocalidades Conhecidas() {
    TGruposLocalidades grupos;
    grupos[kEstadoConhecido] = {{"Lavras", "21°14'00\"", "45°00'00\""}, {"Perdões", "21°05'00\"", "45°05'00\""}};
    return grupos;
}

std::size_t Caracteres(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider dados(data, size);
    const int estado = dados.ConsumeIntegralInRange(0, kNumeroEstados - 1);
    const std::string bytes = dados.ConsumeRemainingBytesAsString();

    TBDPrecipitacao bd(PastaRascunho::Instancia().Caminho().string() + "/");
    GravarLocalidades(bd.CaminhoLocalidades(), Conhecidas());
    bd.LerLocalidades(kEstadoConhecido);
    GravarBytes(bd.CaminhoLocalidades(), bytes);
    try {
        bd.LerLocalidades(estado);
    } catch (const EArquivoInvalido& e) {
        Exigir(e.what() == "O arquivo " + bd.CaminhoLocalidades() + " está incompleto ou corrompido.",
               "a mensagem de um arquivo danificado", e.what());
        Exigir(bd.Localidades() == Conhecidas()[kEstadoConhecido], "um arquivo recusado deixa as localidades lidas antes");
        return 0;
    } catch (const std::exception& e) {
        Falha("um arquivo de localidades só é recusado como danificado", typeid(e).name() + std::string(": ") + e.what());
    }

    using namespace formato_bd;
    for (const TLocalidade& l : bd.Localidades())
        Exigir(Caracteres(l.Nome) <= kCapacidadeNome && Caracteres(l.Latitude) <= kCapacidadeCoordenada &&
                   Caracteres(l.Longitude) <= kCapacidadeCoordenada,
               "os textos cabem nos seus campos");

    TGruposLocalidades grupos;
    grupos[estado] = bd.Localidades();
    std::filesystem::create_directories(PastaRascunho::Instancia().Caminho() / "copia");
    TBDPrecipitacao copia((PastaRascunho::Instancia().Caminho() / "copia/").string());
    Exigir(Executar([&] { GravarLocalidades(copia.CaminhoLocalidades(), grupos); }),
           "o construtor do banco regrava o que foi lido");
    Exigir(Executar([&] { copia.LerLocalidades(estado); }), "o arquivo regravado é lido");
    Exigir(copia.Localidades() == grupos[estado], "o arquivo regravado tem as mesmas localidades");
    return 0;
}
