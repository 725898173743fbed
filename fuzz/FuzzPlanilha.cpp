// The sheets of talvek-calc lote: random bytes read as a sheet, its header resolved to the batch's columns.
// Invariants:
// - only EPlanilha leaves the reader and the header's resolution, with the line and column in its message;
// - a sheet that is read has a header, records of no more fields than the header, on increasing lines after
//   the header's, and none of them blank;
// - written back in its own conventions, it reads back with the same separator, header and fields.
#include <algorithm>
#include <string>
#include <vector>

#include "ComumFuzz.h"
#include "project/Lote.h"

using namespace talvek;
using namespace talvek::fuzz;

namespace {

bool EmBranco(const std::string& campo) { return campo.find_first_not_of(" \t") == std::string::npos; }

void VerificarLida(const TPlanilha& p) {
    Exigir(!p.Cabecalho.empty(), "a planilha lida tem cabeçalho");
    std::size_t anterior = p.LinhaCabecalho;
    for (const TLinhaPlanilha& linha : p.Linhas) {
        Exigir(linha.Campos.size() <= p.Cabecalho.size(), "nenhum registro com mais campos que o cabeçalho");
        Exigir(linha.Numero > anterior, "os registros seguem em linhas crescentes depois do cabeçalho");
        Exigir(!std::all_of(linha.Campos.begin(), linha.Campos.end(), EmBranco), "nenhum registro em branco");
        anterior = linha.Numero;
    }
}

void VerificarReescrita(const TPlanilha& p) {
    std::vector<std::vector<std::string>> linhas{p.Cabecalho};
    for (const TLinhaPlanilha& linha : p.Linhas) linhas.push_back(linha.Campos);
    const std::string bytes = EscreverPlanilha(linhas, p.Formato);
    TPlanilha relida;
    Exigir(Executar([&] { relida = LerPlanilha(bytes); }), "a planilha reescrita é lida", bytes);
    Exigir(relida.Formato.Separador == p.Formato.Separador, "o separador se mantém", bytes);
    Exigir(relida.Cabecalho == p.Cabecalho, "o cabeçalho se mantém", bytes);
    Exigir(relida.Linhas.size() == p.Linhas.size(), "o número de registros se mantém", bytes);
    for (std::size_t i = 0; i < p.Linhas.size(); ++i)
        Exigir(relida.Linhas[i].Campos == p.Linhas[i].Campos, "os campos se mantêm", bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    TPlanilha planilha;
    try {
        planilha = LerPlanilha(bytes);
    } catch (const EPlanilha& e) {
        Exigir(std::string(e.what()).starts_with("linha "), "a falha dá a linha e a coluna", e.what());
        return 0;
    }
    VerificarLida(planilha);
    VerificarReescrita(planilha);
    try {
        PrepararLote(planilha);
    } catch (const EPlanilha& e) {
        Exigir(std::string(e.what()).starts_with("linha "), "a falha do cabeçalho dá a linha e a coluna", e.what());
    }
    return 0;
}
