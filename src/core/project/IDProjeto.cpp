#include "project/IDProjeto.h"

#include <cstdio>
#include <ctime>

#include "platform/ArquivoIni.h"
#include "platform/Regional.h"

namespace talvek {

namespace {

const char* const kSecao = "IDENTIFICACAO";
const char* const kChaveVersao = "Versao";
const char* const kVersao = "1";
const char* const kSemVersao = "0";

}  // namespace

std::chrono::year_month_day Hoje() {
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    return std::chrono::year{local.tm_year + 1900} / std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
           std::chrono::day{static_cast<unsigned>(local.tm_mday)};
}

std::string TextoData(std::chrono::year_month_day data) {
    const char separador = Regional().SeparadorData;
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02u%c%02u%c%04d", static_cast<unsigned>(data.day()), separador,
                  static_cast<unsigned>(data.month()), separador, static_cast<int>(data.year()));
    return texto;
}

void TIDProjeto::Limpar() {
    Nome.clear();
    Empresa.clear();
    Local.clear();
    Estado.clear();
    Tecnico.clear();
    Data = TextoData(Hoje());
}

bool TIDProjeto::LerArquivo(const std::string& nomeArquivo) {
    const TArquivoIni ini(nomeArquivo);
    if (ini.LerTexto(kSecao, kChaveVersao, kSemVersao) != kVersao) return false;
    Nome = ini.LerTexto(kSecao, "Nome", "");
    Empresa = ini.LerTexto(kSecao, "Empresa", "");
    Local = ini.LerTexto(kSecao, "Local", "");
    Estado = ini.LerTexto(kSecao, "Estado", "");
    Tecnico = ini.LerTexto(kSecao, "Tecnico", "");
    Data = ini.LerTexto(kSecao, "Data", "");
    return true;
}

bool TIDProjeto::EscreverArquivo(const std::string& nomeArquivo) const {
    const TArquivoIni ini(nomeArquivo);
    ini.EscreverTexto(kSecao, kChaveVersao, kVersao);
    ini.EscreverTexto(kSecao, "Nome", Nome);
    ini.EscreverTexto(kSecao, "Empresa", Empresa);
    ini.EscreverTexto(kSecao, "Local", Local);
    ini.EscreverTexto(kSecao, "Estado", Estado);
    ini.EscreverTexto(kSecao, "Tecnico", Tecnico);
    ini.EscreverTexto(kSecao, "Data", Data);
    return true;
}

}  // namespace talvek
