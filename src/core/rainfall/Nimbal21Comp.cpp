#include "rainfall/Nimbal21Comp.h"

#include <exception>
#include <limits>

#include "platform/ArquivoIni.h"

namespace talvek {

namespace {

const char* const kSecao = "NIMBAL";
const char* const kChaveVersao = "Versao";
const char* const kVersao = "1";
const char* const kSemVersao = "0";
constexpr int kNenhum = -1;

// A 16-bit index of the section; false when the stored number does not fit.
bool LerIndice(const TArquivoIni& ini, const std::string& secao, const char* chave, std::int16_t& campo) {
    const int valor = ini.LerInteiro(secao, chave, kNenhum);
    if (valor < std::numeric_limits<std::int16_t>::min() || valor > std::numeric_limits<std::int16_t>::max())
        return false;
    campo = static_cast<std::int16_t>(valor);
    return true;
}

}  // namespace

void TNimbal21::Limpar() {
    Precipitacao.Limpar();
    Secao.clear();
    Latitude.clear();
    Longitude.clear();
    IndLocalidade = 0;
    IndEstacao = 0;
    IndEstado = -1;
    StrCidade.clear();
    StrEstado.clear();
    HelpContext = 0;
    ShowAbout = false;
}

bool TNimbal21::LerArquivo(const std::string& nomeArquivo) {
    try {
        const TArquivoIni ini(nomeArquivo);
        const std::string secao = kSecao + Secao;
        if (ini.LerTexto(secao, kChaveVersao, kSemVersao) != kVersao) return false;
        Precipitacao.LerArquivo(nomeArquivo);  // an unknown storm layout leaves the storm empty, not a failure
        Latitude = ini.LerTexto(secao, "Latitude", "");
        Longitude = ini.LerTexto(secao, "Longitude", "");
        if (!LerIndice(ini, secao, "IndEstacao", IndEstacao) || !LerIndice(ini, secao, "IndLocalidade", IndLocalidade))
            return false;
        StrCidade = ini.LerTexto(secao, "StrCidade", "");
        if (!LerIndice(ini, secao, "IndEstado", IndEstado)) return false;
        StrEstado = ini.LerTexto(secao, "StrEstado", "");
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TNimbal21::EscreverArquivo(const std::string& nomeArquivo) {
    const TArquivoIni ini(nomeArquivo);
    const std::string secao = kSecao + Secao;
    ini.EscreverTexto(secao, kChaveVersao, kVersao);
    // A storm that could not be written makes the save fail rather than pass for complete.
    const bool precipitacaoGravada = Precipitacao.EscreverArquivo(nomeArquivo);
    ini.EscreverTexto(secao, "Latitude", Latitude);
    ini.EscreverTexto(secao, "Longitude", Longitude);
    ini.EscreverInteiro(secao, "IndEstacao", IndEstacao);
    ini.EscreverInteiro(secao, "IndLocalidade", IndLocalidade);
    ini.EscreverTexto(secao, "StrCidade", StrCidade);
    ini.EscreverInteiro(secao, "IndEstado", IndEstado);
    ini.EscreverTexto(secao, "StrEstado", StrEstado);
    return precipitacaoGravada;
}

}  // namespace talvek
