// The stations file "Estados_Nim21.bin": random bytes read by the query dialog's database reader.
// Invariants:
// - only the program's own exceptions leave the reader; a damaged file is refused with
//   "O arquivo " + path + " está incompleto ou corrompido." and the stations read before stay;
// - a file that is read has exactly the size its counts announce, texts within their capacity and finite
//   parameters, and the database builder writes it back to the same records;
// - the interpolation at a station's own coordinates gives that station's record, and anywhere else the
//   parameters are weighted means, within the range of the stations' own values (or a message).
#include <algorithm>
#include <cmath>
#include <string>

#include "ComumFuzz.h"
#include "rainfall/ImportacaoBD.h"
#include "rainfall/UnBD.h"

using namespace talvek;
using namespace talvek::fuzz;

namespace {

TGruposEstacoes Conhecidas() {
    TGruposEstacoes grupos;
    grupos[12] = {{"Lavras", 1234.5, 0.18, 12, 0.85, "CHUVAS", "21°14'00\"", "45°00'00\""}};
    grupos[24] = {{"Campinas", 2000, 0.2, 20, 0.9, "CHUVAS", "22°54'00\"", "47°03'00\""}};
    return grupos;
}

bool Iguais(const TBDPrecipitacao& bd, const TGruposEstacoes& grupos) {
    for (int estado = 0; estado < kNumeroEstados; ++estado)
        if (bd.Estacoes(estado) != grupos[estado]) return false;
    return true;
}

// Characters of a text that came from Windows-1252: one per byte there.
std::size_t Caracteres(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void ConferirRegistros(const TBDPrecipitacao& bd, std::size_t tamanho) {
    using namespace formato_bd;
    std::size_t total = 0;
    for (int estado = 0; estado < kNumeroEstados; ++estado) {
        for (const TEstacao& e : bd.Estacoes(estado)) {
            Exigir(Caracteres(e.Nome) <= kCapacidadeNome && Caracteres(e.Autor) <= kCapacidadeAutor &&
                       Caracteres(e.Latitude) <= kCapacidadeCoordenada && Caracteres(e.Longitude) <= kCapacidadeCoordenada,
                   "os textos cabem nos seus campos");
            Exigir(std::isfinite(e.K) && std::isfinite(e.A) && std::isfinite(e.B) && std::isfinite(e.C),
                   "os parâmetros de uma estação são finitos");
        }
        total += bd.Estacoes(estado).size();
    }
    Exigir(tamanho == 1 + 2 * kNumeroEstados + total * kTamanhoEstacao, "o arquivo tem o tamanho que as contagens anunciam");
}

void ConferirRegravacao(const TBDPrecipitacao& bd) {
    TGruposEstacoes grupos;
    for (int estado = 0; estado < kNumeroEstados; ++estado) grupos[estado] = bd.Estacoes(estado);
    std::filesystem::create_directories(PastaRascunho::Instancia().Caminho() / "copia");
    TBDPrecipitacao copia((PastaRascunho::Instancia().Caminho() / "copia/").string());
    Exigir(Executar([&] { GravarEstacoes(copia.CaminhoEstacoes(), grupos); }), "o construtor do banco regrava o que foi lido");
    Exigir(Executar([&] { copia.LerEstacoes(); }), "o arquivo regravado é lido");
    Exigir(Iguais(copia, grupos), "o arquivo regravado tem os mesmos registros");
}

void ConferirInterpolacao(const TBDPrecipitacao& bd, const std::string& latitude, const std::string& longitude) {
    const TEstacao* primeira = nullptr;
    double minimo[4] = {INFINITY, INFINITY, INFINITY, INFINITY};
    double maximo[4] = {-INFINITY, -INFINITY, -INFINITY, -INFINITY};
    for (int estado = 0; estado < kNumeroEstados; ++estado) {
        if (!kEstados[estado].Interpolacao) continue;
        for (const TEstacao& e : bd.Estacoes(estado)) {
            if (!primeira) primeira = &e;
            const double p[4] = {e.K, e.A, e.B, e.C};
            for (int i = 0; i < 4; ++i) minimo[i] = std::min(minimo[i], p[i]), maximo[i] = std::max(maximo[i], p[i]);
        }
    }
    if (primeira) {
        TEstacao propria;
        if (Executar([&] { propria = bd.Interpolar(primeira->Latitude, primeira->Longitude); }))
            Exigir(propria == *primeira, "nas coordenadas de uma estação, o registro da própria estação");
    }
    TEstacao resultado;
    if (!Executar([&] { resultado = bd.Interpolar(latitude, longitude); })) return;
    const double p[4] = {resultado.K, resultado.A, resultado.B, resultado.C};
    if (!primeira) {
        Exigir(p[0] == 0 && p[1] == 0 && p[2] == 0 && p[3] == 0, "sem estações, parâmetros nulos");
        return;
    }
    for (int i = 0; i < 4; ++i) {
        const double folga = 1e-9 * std::max(std::fabs(minimo[i]), std::fabs(maximo[i]));
        Exigir(std::isfinite(p[i]) && p[i] >= minimo[i] - folga && p[i] <= maximo[i] + folga,
               "um parâmetro interpolado fica entre os das estações");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider dados(data, size);
    const double latitude = dados.ConsumeFloatingPointInRange(0.0, 99.99);
    const double longitude = dados.ConsumeFloatingPointInRange(0.0, 99.99);
    const std::string bytes = dados.ConsumeRemainingBytesAsString();

    TBDPrecipitacao bd(PastaRascunho::Instancia().Caminho().string() + "/");
    GravarEstacoes(bd.CaminhoEstacoes(), Conhecidas());
    bd.LerEstacoes();
    GravarBytes(bd.CaminhoEstacoes(), bytes);
    try {
        bd.LerEstacoes();
    } catch (const EArquivoInvalido& e) {
        Exigir(e.what() == "O arquivo " + bd.CaminhoEstacoes() + " está incompleto ou corrompido.",
               "a mensagem de um arquivo danificado", e.what());
        Exigir(Iguais(bd, Conhecidas()), "um arquivo recusado deixa as estações lidas antes");
        return 0;
    } catch (const std::exception& e) {
        Falha("um arquivo de estações só é recusado como danificado", typeid(e).name() + std::string(": ") + e.what());
    }
    ConferirRegistros(bd, bytes.size());
    ConferirRegravacao(bd);
    ConferirInterpolacao(bd, TextoCoordenada(latitude), TextoCoordenada(longitude));
    return 0;
}
