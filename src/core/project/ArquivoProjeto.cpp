#include "project/ArquivoProjeto.h"

#include "design/uCanal.h"
#include "model/uTerreno.h"
#include "platform/ArquivoIni.h"
#include "platform/ArquivosTexto.h"
#include "project/IDProjeto.h"
#include "rainfall/Nimbal21Comp.h"

namespace talvek {

namespace {

const char* const kSecaoUnidades = "TALVEK2";
const char* const kChaveVersao = "Versao";
const char* const kVersaoUnidades = "2.0";
const char* const kSemVersaoUnidades = "0.0";

const char* const kNaoGravou = "Não foi possível gravar o arquivo ";
const char* const kNaoAbriu = "Não foi possível abrir o arquivo ";

void EscreverUnidades(const TArquivoIni& ini, const TUnidades& unidades) {
    ini.EscreverTexto(kSecaoUnidades, kChaveVersao, kVersaoUnidades);
    ini.EscreverTexto(kSecaoUnidades, "UDecli", unidades.UDecli);
    ini.EscreverReal(kSecaoUnidades, "KDecli", unidades.KDecli);  // a real on disk, read back as an integer
    ini.EscreverTexto(kSecaoUnidades, "UVIB", unidades.UVIB);
    ini.EscreverReal(kSecaoUnidades, "KVIB", unidades.KVIB);
}

// Units of another version, or none, leave the current ones; so does a pair the program does not offer.
void LerUnidades(const TArquivoIni& ini, TUnidades& unidades) {
    if (ini.LerTexto(kSecaoUnidades, kChaveVersao, kSemVersaoUnidades) != kVersaoUnidades) return;
    TUnidades lidas;
    lidas.UDecli = ini.LerTexto(kSecaoUnidades, "UDecli", "");
    lidas.KDecli = ini.LerInteiro(kSecaoUnidades, "KDecli", 1);
    lidas.UVIB = ini.LerTexto(kSecaoUnidades, "UVIB", "");
    lidas.KVIB = ini.LerReal(kSecaoUnidades, "KVIB", 1.0);
    AdotarUnidadesConhecidas(unidades, lidas);
}

// The objects, then the units of a project that opened; false when a section refuses the project.
bool LerObjetos(const std::string& caminho, const TObjetosProjeto& objetos) {
    const bool leu = objetos.Identificacao.LerArquivo(caminho) && objetos.Sistema.LerArquivo(caminho) &&
                     objetos.Nimbal1.LerArquivo(caminho) && objetos.Terreno.LerArquivo(caminho) &&
                     objetos.CanalDrenagem.LerArquivo(caminho);
    if (leu) LerUnidades(TArquivoIni(caminho), objetos.Unidades);
    return leu;
}

}  // namespace

void AdotarUnidadesConhecidas(TUnidades& unidades, const TUnidades& lidas) {
    for (const TUnidadeDeclividade& u : kUnidadesDeclividade)
        if (lidas.UDecli == u.texto && lidas.KDecli == u.fator) {
            unidades.UDecli = lidas.UDecli;
            unidades.KDecli = lidas.KDecli;
        }
    for (const TUnidadeVIB& u : kUnidadesVIB)
        if (lidas.UVIB == u.texto && lidas.KVIB == u.fator) {
            unidades.UVIB = lidas.UVIB;
            unidades.KVIB = lidas.KVIB;
        }
}

void EscreverProjeto(const std::string& caminho, const TObjetosProjeto& objetos) {
    TEdicaoIni edicao(caminho, TEdicaoIni::Modo::Gravacao);
    const bool gravou = objetos.Identificacao.EscreverArquivo(caminho) && objetos.Sistema.EscreverArquivo(caminho) &&
                        objetos.Nimbal1.EscreverArquivo(caminho) && objetos.Terreno.EscreverArquivo(caminho) &&
                        objetos.CanalDrenagem.EscreverArquivo(caminho);
    if (!gravou) throw EArquivoProjeto(kNaoGravou + caminho + ".");
    EscreverUnidades(TArquivoIni(caminho), objetos.Unidades);
    edicao.Concluir();
}

void LerProjeto(const std::string& caminho, const TObjetosProjeto& objetos, TConversao conversao) {
    {
        const TEdicaoIni leitura(caminho, TEdicaoIni::Modo::Leitura);
        const bool leu = LerObjetos(caminho, objetos);
        if (conversao == TConversao::NaMemoria || !leitura.Alterada()) {
            if (!leu) throw EArquivoProjeto(kNaoAbriu + caminho + ".");
            return;
        }
    }
    // The earlier layout: read again under the file's lock, and the converted copy replaces the file. It does
    // so even when a later section refuses the project, as the conversion has always been done the moment
    // the storm was read.
    TEdicaoIni edicao(caminho, TEdicaoIni::Modo::Gravacao);
    const bool leu = LerObjetos(caminho, objetos);
    if (edicao.Alterada()) {
        try {
            edicao.Concluir();
        } catch (const EGravacaoArquivo&) {  // a read-only file keeps its layout and still opens
        }
    }
    if (!leu) throw EArquivoProjeto(kNaoAbriu + caminho + ".");
}

}  // namespace talvek
