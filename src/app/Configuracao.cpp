#include "app/Configuracao.h"

#include "platform/ArquivoIni.h"

namespace talvek {

namespace {

const char* const kSecao = "PRINCIPAL";
const char* const kChavesRecentes[] = {"path1", "path2", "path3", "path4"};

}  // namespace

TConfiguracao LerConfiguracao(const std::string& caminho) {
    const TArquivoIni ini(caminho);
    const TUnidades padrao;
    TConfiguracao configuracao;
    configuracao.Unidades.UDecli = ini.LerTexto(kSecao, "UDecli", padrao.UDecli);
    configuracao.Unidades.KDecli = ini.LerInteiro(kSecao, "KDecli", padrao.KDecli);
    configuracao.Unidades.UVIB = ini.LerTexto(kSecao, "UVIB", padrao.UVIB);
    configuracao.Unidades.KVIB = ini.LerReal(kSecao, "KVIB", padrao.KVIB);
    for (std::size_t i = 0; i < configuracao.Recentes.size(); ++i)
        configuracao.Recentes[i] = ini.LerTexto(kSecao, kChavesRecentes[i], "");
    configuracao.IndEstado = ini.LerInteiro(kSecao, "IndEstado", 0);
    return configuracao;
}

void EscreverConfiguracao(const std::string& caminho, const TConfiguracao& configuracao) {
    const TArquivoIni ini(caminho);
    ini.EscreverTexto(kSecao, "UDecli", configuracao.Unidades.UDecli);
    ini.EscreverInteiro(kSecao, "KDecli", configuracao.Unidades.KDecli);
    ini.EscreverTexto(kSecao, "UVIB", configuracao.Unidades.UVIB);
    ini.EscreverReal(kSecao, "KVIB", configuracao.Unidades.KVIB);
    for (std::size_t i = 0; i < configuracao.Recentes.size(); ++i)
        ini.EscreverTexto(kSecao, kChavesRecentes[i], configuracao.Recentes[i]);
    ini.EscreverInteiro(kSecao, "IndEstado", configuracao.IndEstado);
}

}  // namespace talvek
