// The design storm in a project file: [PRECIPITACAO] holds the duration and total depth, and
// [PREC_EXPONENCIAL_NEGATIVA] the IDF parameters, both at version "2". Files of the earlier layout kept
// these seven values in [NIMBAL]; reading such a file moves them into the two sections at once.
#include <exception>
#include <filesystem>
#include <initializer_list>

#include "model/uPrecipitacao.h"
#include "platform/ArquivoIni.h"

namespace talvek {

namespace {

const char* const kSecaoGeral = "PRECIPITACAO";
const char* const kSecaoIdf = "PREC_EXPONENCIAL_NEGATIVA";
const char* const kSecaoAnterior = "NIMBAL";  // where the earlier layout kept the values
const char* const kChaveVersao = "Versao";
const char* const kVersaoAtual = "2";
const char* const kVersaoAnterior = "1";
const char* const kSemVersao = "NIMBAL";  // what a missing version key reads as

struct ChaveReal {
    const char* nome;
    double& campo;
};

enum class Leiaute { Atual, Anterior, Desconhecido };

bool TemValoresProprios(const TArquivoIni& ini, const std::string& secao, std::initializer_list<ChaveReal> chaves) {
    for (const ChaveReal& chave : chaves)
        if (ini.ExisteChave(secao, chave.nome)) return true;
    return false;
}

// A section that lost its version key but holds its own values (edited by hand, written by another
// program) is read as it stands: converting it would overwrite those values with the earlier layout's.
Leiaute LeiauteDaSecao(const TArquivoIni& ini, const std::string& secao, std::initializer_list<ChaveReal> chaves) {
    const std::string versao = ini.LerTexto(secao, kChaveVersao, kSemVersao);
    if (versao == kVersaoAtual) return Leiaute::Atual;
    if (versao == kSemVersao && TemValoresProprios(ini, secao, chaves)) return Leiaute::Atual;
    if (versao == kSemVersao || versao == kVersaoAnterior) return Leiaute::Anterior;
    return Leiaute::Desconhecido;
}

void LerReais(const TArquivoIni& ini, const std::string& secao, std::initializer_list<ChaveReal> chaves) {
    for (const ChaveReal& chave : chaves) chave.campo = ini.LerReal(secao, chave.nome, 0.0);
}

// Moves values read from the earlier layout into their own section. The section keeps the earlier
// version until every value is in it, and the old keys go only after the new version is written, so
// an interrupted conversion never leaves a file whose values can no longer be found.
void Converter(const TArquivoIni& ini, const std::string& secao, std::initializer_list<ChaveReal> chaves) {
    ini.EscreverTexto(secao, kChaveVersao, kVersaoAnterior);
    for (const ChaveReal& chave : chaves) ini.EscreverReal(secao, chave.nome, chave.campo);
    ini.EscreverTexto(secao, kChaveVersao, kVersaoAtual);
    for (const ChaveReal& chave : chaves) ini.ApagarChave(kSecaoAnterior, chave.nome);
}

// Reads the section of the current layout, or the values of the earlier one followed by their
// conversion. `depoisDeLer` runs once the values are stored, before any conversion is attempted, so
// that a file that cannot be converted (read-only) still gives its values. False for an unknown version.
template <typename DepoisDeLer>
bool LerSecao(const std::string& nomeArquivo, const std::string& secao, std::initializer_list<ChaveReal> chaves,
              DepoisDeLer depoisDeLer) {
    const TArquivoIni ini(nomeArquivo);
    switch (LeiauteDaSecao(ini, secao, chaves)) {
        case Leiaute::Atual:
            LerReais(ini, secao, chaves);
            depoisDeLer();
            return true;
        case Leiaute::Anterior:
            LerReais(ini, kSecaoAnterior, chaves);
            depoisDeLer();
            if (std::filesystem::exists(nomeArquivo)) Converter(ini, secao, chaves);  // reading creates no file
            return true;
        case Leiaute::Desconhecido:
            break;
    }
    return false;
}

void EscreverSecao(const std::string& nomeArquivo, const std::string& secao, std::initializer_list<ChaveReal> chaves) {
    const TArquivoIni ini(nomeArquivo);
    ini.EscreverTexto(secao, kChaveVersao, kVersaoAtual);
    for (const ChaveReal& chave : chaves) ini.EscreverReal(secao, chave.nome, chave.campo);
}

}  // namespace

bool TPrecipitacao::LerArquivo(const std::string& nomeArquivo) {
    Limpar();
    try {
        return LerSecao(nomeArquivo, kSecaoGeral + Identificador,
                        {{"Duracao", Duracao}, {"PrecipitacaoTotal", PrecipitacaoTotal}}, [] {});
    } catch (const std::exception&) {
        return false;
    }
}

bool TPrecipitacao::EscreverArquivo(const std::string& nomeArquivo) {
    try {
        EscreverSecao(nomeArquivo, kSecaoGeral + Identificador,
                      {{"Duracao", Duracao}, {"PrecipitacaoTotal", PrecipitacaoTotal}});
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TPrecipitacaoExponencialNegativa::LerArquivo(const std::string& nomeArquivo) {
    TPrecipitacao::LerArquivo(nomeArquivo);  // the general part's outcome does not decide this one
    try {
        return LerSecao(nomeArquivo, kSecaoIdf + Identificador,
                        {{"Tr", Tr_}, {"K", K_}, {"A", A_}, {"B", B_}, {"C", C_}},
                        [this] { AtualizarNumerador(); });
    } catch (const std::exception&) {
        return false;
    }
}

// A failure of either part is reported: a save that lost the storm's duration must not pass for complete.
bool TPrecipitacaoExponencialNegativa::EscreverArquivo(const std::string& nomeArquivo) {
    const bool geralGravada = TPrecipitacao::EscreverArquivo(nomeArquivo);
    try {
        EscreverSecao(nomeArquivo, kSecaoIdf + Identificador, {{"Tr", Tr_}, {"K", K_}, {"A", A_}, {"B", B_}, {"C", C_}});
        return geralGravada;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace talvek
