// The field surface in a project file: [Cobertura] with the three cover classes and [Terreno] with VIB
// (mm/h), slope (m/m) and roughness, both at version "1".
#include <optional>

#include "model/uTerreno.h"
#include "platform/ArquivoIni.h"

namespace talvek {

namespace {

const char* const kSecaoCobertura = "Cobertura";
const char* const kSecaoTerreno = "Terreno";
const char* const kChaveVersao = "Versao";
const char* const kVersao = "1";
const char* const kSemVersao = "0";
constexpr int kSemIndice = -1;

bool VersaoConfere(const TArquivoIni& ini, const std::string& secao) {
    return ini.LerTexto(secao, kChaveVersao, kSemVersao) == kVersao;
}

// An index stored in the file, when it lies within [minimo, maximo].
std::optional<int> LerIndice(const TArquivoIni& ini, const std::string& secao, const char* chave, int minimo,
                             int maximo) {
    const int indice = ini.LerInteiro(secao, chave, kSemIndice);
    if (indice < minimo || indice > maximo) return std::nullopt;
    return indice;
}

bool LerClasse(const TArquivoIni& ini, const std::string& secao, const char* chave, int maximo, TSeletor& seletor) {
    const std::optional<int> indice = LerIndice(ini, secao, chave, 0, maximo);
    if (!indice) return false;
    seletor.Indice = static_cast<std::uint8_t>(*indice);
    return true;
}

}  // namespace

bool TCobertura::LerArquivo(const std::string& nomeArquivo) {
    const TArquivoIni ini(nomeArquivo);
    const std::string secao = kSecaoCobertura + Identificador;
    return VersaoConfere(ini, secao) && LerClasse(ini, secao, "IndUso", 5, UsoTerra) &&
           LerClasse(ini, secao, "IndCond", 3, CondicaoHidrologica) && LerClasse(ini, secao, "IndTrat", 3, Tratamento);
}

bool TCobertura::EscreverArquivo(const std::string& nomeArquivo) const {
    const TArquivoIni ini(nomeArquivo);
    const std::string secao = kSecaoCobertura + Identificador;
    ini.EscreverTexto(secao, kChaveVersao, kVersao);
    ini.EscreverInteiro(secao, "IndUso", UsoTerra.Indice);
    ini.EscreverInteiro(secao, "IndCond", CondicaoHidrologica.Indice);
    ini.EscreverInteiro(secao, "IndTrat", Tratamento.Indice);
    return true;
}

bool TTerreno::LerArquivo(const std::string& nomeArquivo) {
    const TArquivoIni ini(nomeArquivo);
    const std::string secao = kSecaoTerreno + Identificador;
    if (!VersaoConfere(ini, secao) || !Cobertura.LerArquivo(nomeArquivo)) return false;
    SetVIB(ini.LerReal(secao, "VIB", 0.0));
    SetSt(ini.LerReal(secao, "St", 0.0));
    nt.Valor = ini.LerReal(secao, "nt", 0.0);
    // The row is a signed 8-bit number: a stored row beyond it cannot have been written by this program.
    const std::optional<int> linha = LerIndice(ini, secao, "Indnt", 0, INT8_MAX);
    if (!linha) return false;
    nt.Indice = static_cast<std::int8_t>(*linha);
    return true;
}

bool TTerreno::EscreverArquivo(const std::string& nomeArquivo) const {
    Cobertura.EscreverArquivo(nomeArquivo);
    const TArquivoIni ini(nomeArquivo);
    const std::string secao = kSecaoTerreno + Identificador;
    ini.EscreverTexto(secao, kChaveVersao, kVersao);
    ini.EscreverReal(secao, "VIB", VIB());
    ini.EscreverReal(secao, "St", St());
    ini.EscreverReal(secao, "nt", nt.Valor);
    ini.EscreverInteiro(secao, "Indnt", nt.Indice);
    return true;
}

}  // namespace talvek
