// The drain and the system type in a project file: [TipoSistema], then the channel's three levels
// [Canal] (section, heights in m and cm, side slopes), [CanalGradiente] (length in whole m, slope,
// design flow in L/s, roughness) and [CanalDrenagem] (spacings in m, drainage time in h), each at
// version "1", then the channel material's [Verificacao] (uMaterialCanal.cpp).
#include <cstdint>
#include <optional>

#include "design/uCanal.h"
#include "platform/ArquivoIni.h"

namespace talvek {

namespace {

const char* const kSecaoSistema = "TipoSistema";
const char* const kSecaoCanal = "Canal";
const char* const kSecaoGradiente = "CanalGradiente";
const char* const kSecaoDrenagem = "CanalDrenagem";
const char* const kChaveVersao = "Versao";
const char* const kVersao = "1";
const char* const kSemVersao = "0";

constexpr int kSemTipo = -1;
constexpr int kSemLinha = -2;        // what a missing table row reads as
constexpr int kLinhaDigitada = -1;   // a value typed rather than taken from a table

bool VersaoConfere(const TArquivoIni& ini, const std::string& secao) {
    return ini.LerTexto(secao, kChaveVersao, kSemVersao) == kVersao;
}

std::optional<int> LerNaFaixa(const TArquivoIni& ini, const std::string& secao, const char* chave, int padrao,
                              int minimo, int maximo) {
    const int valor = ini.LerInteiro(secao, chave, padrao);
    if (valor < minimo || valor > maximo) return std::nullopt;
    return valor;
}

// A table row (signed 8-bit, −1 for a typed value) and then its value.
bool LerValorDeTabela(const TArquivoIni& ini, const std::string& secao, const char* chaveLinha,
                      const char* chaveValor, TReal& real) {
    const std::optional<int> linha = LerNaFaixa(ini, secao, chaveLinha, kSemLinha, kLinhaDigitada, INT8_MAX);
    if (!linha) return false;
    real.Indice = static_cast<std::int8_t>(*linha);
    real.Valor = ini.LerReal(secao, chaveValor, 0.0);
    return true;
}

}  // namespace

bool TTipoSistema::LerArquivo(const std::string& nomeArquivo) {
    const TArquivoIni ini(nomeArquivo);
    if (!VersaoConfere(ini, kSecaoSistema)) return false;
    const std::optional<int> tipo = LerNaFaixa(ini, kSecaoSistema, "Tipo", kSemTipo, 0, 3);
    if (!tipo) return false;
    Tipo = static_cast<std::uint8_t>(*tipo);
    return true;
}

bool TTipoSistema::EscreverArquivo(const std::string& nomeArquivo) const {
    const TArquivoIni ini(nomeArquivo);
    ini.EscreverTexto(kSecaoSistema, kChaveVersao, kVersao);
    ini.EscreverInteiro(kSecaoSistema, "Tipo", Tipo);
    return true;
}

bool TCanal::LerArquivo(const std::string& nomeArquivo) {
    const TArquivoIni ini(nomeArquivo);
    const std::string secao = kSecaoCanal + Identificador;
    if (!VersaoConfere(ini, secao)) return false;
    SetH(ini.LerReal(secao, "H", 0.0));
    SetHr(ini.LerReal(secao, "Hr", 0.0));
    SetB(ini.LerReal(secao, "B", 0.0));
    SetCDu(ini.LerReal(secao, "CDu", 0.0));
    if (!LerValorDeTabela(ini, secao, "IndZ", "ValorZ", Z) || !LerValorDeTabela(ini, secao, "IndSm", "ValorSm", Sm))
        return false;
    const std::optional<int> tipo = LerNaFaixa(ini, secao, "TipoCanal", kSemTipo, 0, 1);
    if (!tipo) return false;
    TipoCanal.Tipo = static_cast<std::uint8_t>(*tipo);
    return true;
}

bool TCanal::EscreverArquivo(const std::string& nomeArquivo) const {
    const TArquivoIni ini(nomeArquivo);
    const std::string secao = kSecaoCanal + Identificador;
    ini.EscreverTexto(secao, kChaveVersao, kVersao);
    ini.EscreverReal(secao, "H", H());
    ini.EscreverReal(secao, "Hr", Hr());
    ini.EscreverReal(secao, "B", B());
    ini.EscreverReal(secao, "CDu", CDu());
    ini.EscreverInteiro(secao, "IndZ", Z.Indice);
    ini.EscreverReal(secao, "ValorZ", Z.Valor);
    ini.EscreverInteiro(secao, "IndSm", Sm.Indice);
    ini.EscreverReal(secao, "ValorSm", Sm.Valor);
    ini.EscreverInteiro(secao, "TipoCanal", TipoCanal.Tipo);
    return true;
}

bool TCanalGradienteCustom::LerArquivo(const std::string& nomeArquivo) {
    if (!TCanal::LerArquivo(nomeArquivo)) return false;
    const TArquivoIni ini(nomeArquivo);
    const std::string secao = kSecaoGradiente + Identificador;
    if (!VersaoConfere(ini, secao)) return false;
    SetComprimento(ini.LerInteiro(secao, "Comprimento", 0));
    SetSc(ini.LerReal(secao, "Sc", 0.0));
    SetQ(ini.LerReal(secao, "Q", 0.0));
    return LerValorDeTabela(ini, secao, "Indnc", "nc", nc);
}

bool TCanalGradienteCustom::EscreverArquivo(const std::string& nomeArquivo) const {
    if (!TCanal::EscreverArquivo(nomeArquivo)) return false;
    const TArquivoIni ini(nomeArquivo);
    const std::string secao = kSecaoGradiente + Identificador;
    ini.EscreverTexto(secao, kChaveVersao, kVersao);
    ini.EscreverInteiro(secao, "Comprimento", Comprimento());
    ini.EscreverReal(secao, "Sc", Sc());
    ini.EscreverReal(secao, "Q", Q());
    ini.EscreverInteiro(secao, "Indnc", nc.Indice);
    ini.EscreverReal(secao, "nc", nc.Valor);
    return true;
}

bool TCanalDrenagem::LerArquivo(const std::string& nomeArquivo) {
    if (!TCanalGradienteCustom::LerArquivo(nomeArquivo)) return false;
    const TArquivoIni ini(nomeArquivo);
    if (!VersaoConfere(ini, kSecaoDrenagem)) return false;
    SetEH(ini.LerReal(kSecaoDrenagem, "EH", 0.0));
    SetEV(ini.LerReal(kSecaoDrenagem, "EV", 0.0));
    SetTD(ini.LerReal(kSecaoDrenagem, "TD", 0.0));
    return Material.LerArquivo(nomeArquivo);
}

bool TCanalDrenagem::EscreverArquivo(const std::string& nomeArquivo) const {
    if (!TCanalGradienteCustom::EscreverArquivo(nomeArquivo)) return false;
    const TArquivoIni ini(nomeArquivo);
    ini.EscreverTexto(kSecaoDrenagem, kChaveVersao, kVersao);
    ini.EscreverReal(kSecaoDrenagem, "EH", EH());
    ini.EscreverReal(kSecaoDrenagem, "EV", EV());
    ini.EscreverReal(kSecaoDrenagem, "TD", TD());
    return Material.EscreverArquivo(nomeArquivo);
}

}  // namespace talvek
