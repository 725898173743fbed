// The CSV tables of `talvek-calc banco`: random text read as a stations table (first byte even) or a
// localities table (odd), then imported over a sound database.
// Invariants:
// - only the program's own exceptions leave the importer, and a refused table's message names its file;
// - a table that is read yields records the file format can hold (texts of Windows-1252 within their
//   capacity, coordinate texts that convert to degrees, K > 0 and a, b, c >= 0), each state's records in
//   name order, and the database written from them reads back the same;
// - a refused table leaves the database files that were there byte for byte.
#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include "ComumFuzz.h"
#include "platform/Codificacao.h"
#include "rainfall/ImportacaoBD.h"
#include "rainfall/UnBD.h"

using namespace talvek;
using namespace talvek::fuzz;

namespace {

const std::string kTabela = "tabela.csv";

std::string Pasta(const char* nome) {
    const std::filesystem::path pasta = PastaRascunho::Instancia().Caminho() / nome;
    std::filesystem::create_directories(pasta);
    return pasta.string() + "/";
}

// A record's texts as the file holds them: Windows-1252, within the field's capacity.
bool Cabe(const std::string& texto, std::size_t capacidade) {
    const std::optional<std::string> bytes = Utf8ParaWindows1252(texto);
    return bytes && bytes->size() <= capacidade;
}

bool CoordenadaValida(const std::string& texto) {
    if (!Cabe(texto, formato_bd::kCapacidadeCoordenada)) return false;
    bool valida = true;
    try {
        CoordenadaParaGraus(texto);
    } catch (const Exception&) {
        valida = false;
    }
    return valida;
}

template <class Registro>
void ConferirOrdem(const std::vector<Registro>& grupo) {
    Exigir(std::is_sorted(grupo.begin(), grupo.end(), [](const Registro& a, const Registro& b) { return NomeAntes(a.Nome, b.Nome); }),
           "os registros de um estado vêm em ordem de nome");
}

void ConferirEstacoes(const TGruposEstacoes& grupos) {
    using namespace formato_bd;
    for (const auto& grupo : grupos) {
        ConferirOrdem(grupo);
        for (const TEstacao& e : grupo) {
            Exigir(!e.Nome.empty() && Cabe(e.Nome, kCapacidadeNome) && Cabe(e.Autor, kCapacidadeAutor),
                   "os textos de uma estação cabem no arquivo");
            Exigir(CoordenadaValida(e.Latitude) && CoordenadaValida(e.Longitude), "as coordenadas se convertem em graus",
                   e.Latitude + " " + e.Longitude);
            Exigir(std::isfinite(e.K) && e.K > 0 && e.A >= 0 && e.B >= 0 && e.C >= 0 && std::isfinite(e.A) &&
                       std::isfinite(e.B) && std::isfinite(e.C),
                   "K > 0 e a, b, c >= 0, finitos");
        }
    }
    TBDPrecipitacao bd(Pasta("copia"));
    Exigir(Executar([&] { GravarEstacoes(bd.CaminhoEstacoes(), grupos); }), "as estações lidas podem ser gravadas");
    Exigir(Executar([&] { bd.LerEstacoes(); }), "o banco gravado é lido");
    for (int estado = 0; estado < kNumeroEstados; ++estado)
        Exigir(bd.Estacoes(estado) == grupos[estado], "o banco gravado tem as estações da tabela");
}

void ConferirLocalidades(const TGruposLocalidades& grupos) {
    for (const auto& grupo : grupos) {
        ConferirOrdem(grupo);
        for (const TLocalidade& l : grupo) {
            Exigir(!l.Nome.empty() && Cabe(l.Nome, formato_bd::kCapacidadeNome), "o nome de uma localidade cabe no arquivo");
            Exigir(CoordenadaValida(l.Latitude) && CoordenadaValida(l.Longitude), "as coordenadas se convertem em graus");
        }
    }
    TBDPrecipitacao bd(Pasta("copia"));
    Exigir(Executar([&] { GravarLocalidades(bd.CaminhoLocalidades(), grupos); }), "as localidades lidas podem ser gravadas");
    for (int estado = 0; estado < kNumeroEstados; ++estado) {
        Exigir(Executar([&] { bd.LerLocalidades(estado); }), "o banco gravado é lido");
        Exigir(bd.Localidades() == grupos[estado], "o banco gravado tem as localidades da tabela");
    }
}

// Imports the table over a database already in place; refused, the files stay as they were.
void ConferirImportacao(const std::string& tabela, bool estacoes) {
    const std::string pasta = Pasta("banco");
    const std::string caminhoEstacoes = pasta + formato_bd::kArquivoEstacoes;
    const std::string caminhoLocalidades = pasta + formato_bd::kArquivoLocalidades;
    GravarBytes(caminhoEstacoes, "estações anteriores");
    GravarBytes(caminhoLocalidades, "localidades anteriores");
    if (Executar([&] { ImportarBanco(estacoes ? tabela : "", estacoes ? "" : tabela, pasta); })) return;
    Exigir(LerBytes(caminhoEstacoes) == "estações anteriores" && LerBytes(caminhoLocalidades) == "localidades anteriores",
           "uma tabela recusada deixa o banco como estava");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const bool estacoes = data[0] % 2 == 0;
    const std::string texto(reinterpret_cast<const char*>(data) + 1, size - 1);

    std::istringstream entrada(texto);
    bool leu = false;
    TGruposEstacoes gruposEstacoes;
    TGruposLocalidades gruposLocalidades;
    try {
        if (estacoes) gruposEstacoes = LerCsvEstacoes(entrada, kTabela);
        else gruposLocalidades = LerCsvLocalidades(entrada, kTabela);
        leu = true;
    } catch (const Exception& e) {
        Exigir(std::string(e.what()).starts_with(kTabela), "a mensagem de uma tabela recusada nomeia o arquivo", e.what());
    } catch (const std::exception& e) {
        Falha("só exceções da família talvek::Exception", typeid(e).name() + std::string(": ") + e.what());
    }
    if (leu && estacoes) ConferirEstacoes(gruposEstacoes);
    if (leu && !estacoes) ConferirLocalidades(gruposLocalidades);

    const std::string tabela = Pasta("tabelas") + kTabela;
    GravarBytes(tabela, texto);
    ConferirImportacao(tabela, estacoes);
    return 0;
}
