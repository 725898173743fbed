#include "project/Configuracao.h"

#include "platform/ArquivoIni.h"

namespace talvek {

namespace {

const char* const kSecao = "PRINCIPAL";
const char* const kChavesRecentes[] = {"path1", "path2", "path3", "path4"};
const char* const kChaveUltimaPasta = "UltimaPasta";

}  // namespace

TConfiguracao LerConfiguracao(const std::string& caminho) {
    const TEdicaoIni edicao(caminho, TEdicaoIni::Modo::Leitura);  // the nine keys from one version of the file
    const TArquivoIni ini(caminho);
    const TUnidades padrao;
    TUnidades lidas;
    lidas.UDecli = ini.LerTexto(kSecao, "UDecli", padrao.UDecli);
    lidas.KDecli = ini.LerInteiro(kSecao, "KDecli", padrao.KDecli);
    lidas.UVIB = ini.LerTexto(kSecao, "UVIB", padrao.UVIB);
    lidas.KVIB = ini.LerReal(kSecao, "KVIB", padrao.KVIB);
    TConfiguracao configuracao;
    AdotarUnidadesConhecidas(configuracao.Unidades, lidas);  // the defaults stay for a pair not offered
    for (std::size_t i = 0; i < configuracao.Recentes.size(); ++i)
        configuracao.Recentes[i] = ini.LerTexto(kSecao, kChavesRecentes[i], "");
    configuracao.IndEstado = ini.LerInteiro(kSecao, "IndEstado", 0);
    configuracao.UltimaPasta = ini.LerTexto(kSecao, kChaveUltimaPasta, "");
    return configuracao;
}

void EscreverConfiguracao(const std::string& caminho, const TConfiguracao& configuracao) {
    TEdicaoIni edicao(caminho, TEdicaoIni::Modo::Gravacao);
    const TArquivoIni ini(caminho);
    ini.EscreverTexto(kSecao, "UDecli", configuracao.Unidades.UDecli);
    ini.EscreverInteiro(kSecao, "KDecli", configuracao.Unidades.KDecli);
    ini.EscreverTexto(kSecao, "UVIB", configuracao.Unidades.UVIB);
    ini.EscreverReal(kSecao, "KVIB", configuracao.Unidades.KVIB);
    for (std::size_t i = 0; i < configuracao.Recentes.size(); ++i)
        ini.EscreverTexto(kSecao, kChavesRecentes[i], configuracao.Recentes[i]);
    ini.EscreverInteiro(kSecao, "IndEstado", configuracao.IndEstado);
    if (!configuracao.UltimaPasta.empty()) ini.EscreverTexto(kSecao, kChaveUltimaPasta, configuracao.UltimaPasta);
    edicao.Concluir();
}

}  // namespace talvek
