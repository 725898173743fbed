#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "PastaTemporaria.h"
#include "platform/ArquivoIni.h"
#include "platform/ArquivosTexto.h"
#include "platform/Codificacao.h"
#include "platform/Regional.h"
#include "project/Projeto.h"

using namespace talvek;
using namespace talvek::teste;

namespace {

ConfiguracaoRegional ComSeparador(char decimal) {
    ConfiguracaoRegional c;
    c.SeparadorDecimal = decimal;
    c.SeparadorMilhar = decimal == ',' ? '.' : ',';
    return c;
}

const std::string kExemplo = std::string(TALVEK_DADOS_TESTE) + "/Lavoura3.tvk";

// Every field with a value that neither a new object nor a reset has.
void PreencherExemplo(TProjeto& p) {
    p.Identificacao.Nome = "Lavoura 3";
    p.Identificacao.Empresa = "Cooperativa";
    p.Identificacao.Local = "Fazenda Boa Vista";
    p.Identificacao.Estado = "Minas Gerais";
    p.Identificacao.Tecnico = "Responsável técnico";
    p.Identificacao.Data = "08/12/2026";
    p.Sistema.Tipo = 3;
    p.Nimbal1.Latitude = "21°14'00\"";
    p.Nimbal1.Longitude = "45°00'00\"";
    p.Nimbal1.IndEstacao = 4;
    p.Nimbal1.IndLocalidade = 35;
    p.Nimbal1.StrCidade = "Lavras";
    p.Nimbal1.IndEstado = 10;
    p.Nimbal1.StrEstado = "Minas Gerais";
    TPrecipitacaoExponencialNegativa& chuva = p.Nimbal1.Precipitacao;
    chuva.SetTr(10);
    chuva.SetK(1234.5);
    chuva.SetA(0.18);
    chuva.SetB(12);
    chuva.SetC(0.85);
    chuva.Duracao = 60.5;
    chuva.PrecipitacaoTotal = 80.25;
    p.Terreno.Cobertura.UsoTerra.Indice = 2;
    p.Terreno.Cobertura.CondicaoHidrologica.Indice = 1;
    p.Terreno.Cobertura.Tratamento.Indice = 3;
    p.Terreno.SetVIB(10.5);
    p.Terreno.SetSt(0.02);
    p.Terreno.nt = {0.1, 3};
    TCanalDrenagem& canal = p.CanalDrenagem;
    canal.SetH(0.25);
    canal.SetHr(35.5);
    canal.SetB(0.4);
    canal.SetCDu(1.2);
    canal.Z = {1.5, -1};
    canal.Sm = {0.418, 7};
    canal.TipoCanal.Tipo = TTipoCanal::Triangular;
    canal.SetComprimento(300);
    canal.SetSc(0.002);
    canal.SetQ(45.6);
    canal.nc = {0.03, 2};
    canal.SetEH(20);
    canal.SetEV(0.4);
    canal.SetTD(24);
    p.Unidades = {"%", 100, "m/dia", 0.024};
}

void EsperarIguais(TProjeto& a, TProjeto& b) {
    EXPECT_EQ(a.Identificacao.Nome, b.Identificacao.Nome);
    EXPECT_EQ(a.Identificacao.Empresa, b.Identificacao.Empresa);
    EXPECT_EQ(a.Identificacao.Local, b.Identificacao.Local);
    EXPECT_EQ(a.Identificacao.Estado, b.Identificacao.Estado);
    EXPECT_EQ(a.Identificacao.Tecnico, b.Identificacao.Tecnico);
    EXPECT_EQ(a.Identificacao.Data, b.Identificacao.Data);
    EXPECT_EQ(a.Sistema.Tipo, b.Sistema.Tipo);
    EXPECT_EQ(a.Nimbal1.Latitude, b.Nimbal1.Latitude);
    EXPECT_EQ(a.Nimbal1.Longitude, b.Nimbal1.Longitude);
    EXPECT_EQ(a.Nimbal1.IndEstacao, b.Nimbal1.IndEstacao);
    EXPECT_EQ(a.Nimbal1.IndLocalidade, b.Nimbal1.IndLocalidade);
    EXPECT_EQ(a.Nimbal1.StrCidade, b.Nimbal1.StrCidade);
    EXPECT_EQ(a.Nimbal1.IndEstado, b.Nimbal1.IndEstado);
    EXPECT_EQ(a.Nimbal1.StrEstado, b.Nimbal1.StrEstado);
    const auto& pa = a.Nimbal1.Precipitacao;
    const auto& pb = b.Nimbal1.Precipitacao;
    EXPECT_EQ(pa.Tr(), pb.Tr());
    EXPECT_EQ(pa.K(), pb.K());
    EXPECT_EQ(pa.A(), pb.A());
    EXPECT_EQ(pa.B(), pb.B());
    EXPECT_EQ(pa.C(), pb.C());
    EXPECT_EQ(pa.Numerador(), pb.Numerador());
    EXPECT_EQ(pa.Duracao, pb.Duracao);
    EXPECT_EQ(pa.PrecipitacaoTotal, pb.PrecipitacaoTotal);
    EXPECT_EQ(a.Terreno.Cobertura.UsoTerra.Indice, b.Terreno.Cobertura.UsoTerra.Indice);
    EXPECT_EQ(a.Terreno.Cobertura.CondicaoHidrologica.Indice, b.Terreno.Cobertura.CondicaoHidrologica.Indice);
    EXPECT_EQ(a.Terreno.Cobertura.Tratamento.Indice, b.Terreno.Cobertura.Tratamento.Indice);
    EXPECT_EQ(a.Terreno.VIB(), b.Terreno.VIB());
    EXPECT_EQ(a.Terreno.St(), b.Terreno.St());
    EXPECT_EQ(a.Terreno.nt.Valor, b.Terreno.nt.Valor);
    EXPECT_EQ(a.Terreno.nt.Indice, b.Terreno.nt.Indice);
    const TCanalDrenagem& ca = a.CanalDrenagem;
    const TCanalDrenagem& cb = b.CanalDrenagem;
    EXPECT_EQ(ca.H(), cb.H());
    EXPECT_EQ(ca.Hr(), cb.Hr());
    EXPECT_EQ(ca.B(), cb.B());
    EXPECT_EQ(ca.CDu(), cb.CDu());
    EXPECT_EQ(ca.Z.Valor, cb.Z.Valor);
    EXPECT_EQ(ca.Z.Indice, cb.Z.Indice);
    EXPECT_EQ(ca.Sm.Valor, cb.Sm.Valor);
    EXPECT_EQ(ca.Sm.Indice, cb.Sm.Indice);
    EXPECT_EQ(ca.TipoCanal.Tipo, cb.TipoCanal.Tipo);
    EXPECT_EQ(ca.Comprimento(), cb.Comprimento());
    EXPECT_EQ(ca.Sc(), cb.Sc());
    EXPECT_EQ(ca.Q(), cb.Q());
    EXPECT_EQ(ca.nc.Valor, cb.nc.Valor);
    EXPECT_EQ(ca.nc.Indice, cb.nc.Indice);
    EXPECT_EQ(ca.EH(), cb.EH());
    EXPECT_EQ(ca.EV(), cb.EV());
    EXPECT_EQ(ca.TD(), cb.TD());
    EXPECT_EQ(a.Unidades.UDecli, b.Unidades.UDecli);
    EXPECT_EQ(a.Unidades.KDecli, b.Unidades.KDecli);
    EXPECT_EQ(a.Unidades.UVIB, b.Unidades.UVIB);
    EXPECT_EQ(a.Unidades.KVIB, b.Unidades.KVIB);
}

std::vector<std::string> Secoes(const std::string& caminho) {
    std::vector<std::string> secoes;
    const std::string texto = LerBytes(caminho);
    for (std::size_t i = texto.find('['); i != std::string::npos; i = texto.find('[', i + 1))
        if (i == 0 || texto[i - 1] == '\n') secoes.push_back(texto.substr(i + 1, texto.find(']', i) - i - 1));
    return secoes;
}

std::string MensagemAoLer(const std::string& caminho, TProjeto& projeto) {
    try {
        LerProjeto(caminho, projeto.Objetos());
    } catch (const EArquivoProjeto& e) {
        return e.what();
    }
    return "";
}

// A copy of the example project in a fresh folder, so that a test may change it.
struct CopiaDoExemplo {
    PastaTemporaria pasta;
    std::string caminho = pasta / "Lavoura3.tvk";
    CopiaDoExemplo() { std::filesystem::copy_file(kExemplo, caminho); }
};

// The example in the layout of the earlier version: the seven storm values in [NIMBAL].
const char* const kLeiauteAnterior =
    "[IDENTIFICACAO]\r\nVersao=1\r\nNome=Antigo\r\n\r\n"
    "[TipoSistema]\r\nVersao=1\r\nTipo=2\r\n\r\n"
    "[NIMBAL]\r\nVersao=1\r\nDuracao=30\r\nPrecipitacaoTotal=55,5\r\nTr=10\r\nK=1234.5\r\nA=0.18\r\nB=12\r\n"
    "C=0.85\r\nLatitude=21\xB0" "14'00\"\r\nIndEstacao=0\r\nIndLocalidade=35\r\nStrCidade=Lavras\r\nIndEstado=10\r\n"
    "StrEstado=Minas Gerais\r\n\r\n"
    "[Cobertura]\r\nVersao=1\r\nIndUso=2\r\nIndCond=1\r\nIndTrat=0\r\n\r\n"
    "[Terreno]\r\nVersao=1\r\nVIB=10\r\nSt=0.02\r\nnt=0.1\r\nIndnt=3\r\n\r\n"
    "[Canal]\r\nVersao=1\r\nH=0\r\nHr=0\r\nB=0\r\nCDu=1\r\nIndZ=-1\r\nValorZ=0\r\nIndSm=7\r\nValorSm=0.418\r\n"
    "TipoCanal=1\r\n\r\n"
    "[CanalGradiente]\r\nVersao=1\r\nComprimento=300\r\nSc=0.002\r\nQ=0\r\nIndnc=2\r\nnc=0.03\r\n\r\n"
    "[CanalDrenagem]\r\nVersao=1\r\nEH=20\r\nEV=0.4\r\nTD=24\r\n";

// The earlier way of the profile service: every key its own replacement of the file. The reference for
// what the one replacement of a save or of a conversion must give, byte for byte.
bool LerChaveAChave(const std::string& caminho, TProjeto& p) {
    return p.Identificacao.LerArquivo(caminho) && p.Sistema.LerArquivo(caminho) && p.Nimbal1.LerArquivo(caminho);
}

void EscreverChaveAChave(const std::string& caminho, TProjeto& p) {
    p.Identificacao.EscreverArquivo(caminho);
    p.Sistema.EscreverArquivo(caminho);
    p.Nimbal1.EscreverArquivo(caminho);
    p.Terreno.EscreverArquivo(caminho);
    p.CanalDrenagem.EscreverArquivo(caminho);
    const TArquivoIni ini(caminho);
    ini.EscreverTexto("TALVEK2", "Versao", "2.0");
    ini.EscreverTexto("TALVEK2", "UDecli", p.Unidades.UDecli);
    ini.EscreverReal("TALVEK2", "KDecli", p.Unidades.KDecli);
    ini.EscreverTexto("TALVEK2", "UVIB", p.Unidades.UVIB);
    ini.EscreverReal("TALVEK2", "KVIB", p.Unidades.KVIB);
}

}  // namespace

// Guards the profile-file semantics of a save done in one copy of the file: every key replaced in place or
// appended where the profile service appends it, every other byte kept, the encoding changed at the same
// write, as when each key replaced the whole file.
TEST(ArquivoProjeto, UmaSoSubstituicaoDaOsMesmosBytesQueChaveAChave) {
    std::string comLf = LerBytes(kExemplo);
    for (std::size_t p; (p = comLf.find("\r\n")) != std::string::npos;) comLf.erase(p, 1);
    std::string quaseUtf8 = LerBytes(kExemplo);  // Windows-1252 bytes that also read as UTF-8 "é"
    quaseUtf8.replace(quaseUtf8.find("Respons\xE1vel t\xE9" "cnico"), 19, "\xC3\xA9");
    const struct {
        const char* caso;
        std::string antes;
    } casos[] = {
        {"o leiaute anterior", kLeiauteAnterior},
        {"quebras LF e uma seção desconhecida", comLf + "[X]\na=1\n"},
        {"UTF-8 com BOM", "\xEF\xBB\xBF" + Windows1252ParaUtf8(LerBytes(kExemplo))},
        {"Windows-1252 que formaria UTF-8", quaseUtf8},
    };
    PastaTemporaria pasta;
    const std::string umaVez = pasta / "uma.tvk", chaveAChave = pasta / "chaves.tvk";
    for (const auto& caso : casos) {
        GravarBytes(umaVez, caso.antes);
        GravarBytes(chaveAChave, caso.antes);
        TProjeto lido, referencia;
        try {
            LerProjeto(umaVez, lido.Objetos());
        } catch (const EArquivoProjeto&) {
        }
        LerChaveAChave(chaveAChave, referencia);
        EXPECT_EQ(LerBytes(umaVez), LerBytes(chaveAChave)) << "conversion on open, " << caso.caso;

        TProjeto projeto;
        PreencherExemplo(projeto);
        projeto.Identificacao.Nome = "Revisão 日本";  // a character Windows-1252 lacks: the file becomes UTF-8
        EscreverProjeto(umaVez, projeto.Objetos());
        EscreverChaveAChave(chaveAChave, projeto);
        EXPECT_EQ(LerBytes(umaVez), LerBytes(chaveAChave)) << "save, " << caso.caso;
    }
}

class ProjetoEntreSeparadores : public ::testing::TestWithParam<std::pair<char, char>> {};

TEST_P(ProjetoEntreSeparadores, VoltaExatamenteComoFoiGravado) {
    const auto [gravacao, leitura] = GetParam();
    PastaTemporaria pasta;
    const std::string caminho = pasta / "p.tvk";
    TProjeto original;
    PreencherExemplo(original);
    {
        RegionalTemporario regional(ComSeparador(gravacao));
        EscreverProjeto(caminho, original.Objetos());
    }
    RegionalTemporario regional(ComSeparador(leitura));
    TProjeto lido;
    LerProjeto(caminho, lido.Objetos());
    EsperarIguais(original, lido);
}

INSTANTIATE_TEST_SUITE_P(ArquivoProjeto, ProjetoEntreSeparadores,
                         ::testing::Values(std::pair{'.', '.'}, std::pair{'.', ','}, std::pair{',', '.'},
                                           std::pair{',', ','}));

TEST(ArquivoProjeto, ArquivoNovoTemAsSecoesNaOrdemEmWindows1252) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "novo.tvk";
    TProjeto projeto;
    PreencherExemplo(projeto);
    EscreverProjeto(caminho, projeto.Objetos());
    const std::vector<std::string> esperadas = {
        "IDENTIFICACAO", "TipoSistema", "NIMBAL",         "PRECIPITACAO",  "PREC_EXPONENCIAL_NEGATIVA", "Cobertura",
        "Terreno",       "Canal",       "CanalGradiente", "CanalDrenagem", "TALVEK2"};
    EXPECT_EQ(Secoes(caminho), esperadas);
    const std::string bytes = LerBytes(caminho);
    EXPECT_NE(bytes.find("Tecnico=Respons\xE1vel t\xE9" "cnico\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("[NIMBAL]\r\nVersao=1\r\nLatitude="), std::string::npos) << "component keys after its version";
    EXPECT_NE(bytes.find("KDecli=100\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Indnt=3\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("IndZ=-1\r\n"), std::string::npos);
}

TEST(ArquivoProjeto, ExemploAbreComSeusValoresSobOsDoisSeparadores) {
    for (char separador : {'.', ','}) {
        RegionalTemporario regional(ComSeparador(separador));
        CopiaDoExemplo exemplo;
        TProjeto p;
        LerProjeto(exemplo.caminho, p.Objetos());
        EXPECT_EQ(p.Identificacao.Tecnico, "Responsável técnico");
        EXPECT_EQ(p.Identificacao.Data, "08/12/2026");
        EXPECT_EQ(p.Sistema.Tipo, 3);
        EXPECT_EQ(p.Nimbal1.Latitude, "21°14'00\"");
        EXPECT_EQ(p.Nimbal1.IndLocalidade, 35);
        EXPECT_EQ(p.Nimbal1.IndEstado, 10);
        EXPECT_EQ(p.Nimbal1.Precipitacao.K(), 1234.5);
        EXPECT_EQ(p.Nimbal1.Precipitacao.A(), 0.18);
        EXPECT_EQ(p.Nimbal1.Precipitacao.C(), 0.85);
        EXPECT_EQ(p.Terreno.Cobertura.UsoTerra.Indice, 2);
        EXPECT_EQ(p.Terreno.St(), 0.02);
        EXPECT_EQ(p.Terreno.nt.Indice, 3);
        EXPECT_EQ(p.CanalDrenagem.Z.Indice, -1);
        EXPECT_EQ(p.CanalDrenagem.Sm.Valor, 0.418);
        EXPECT_EQ(p.CanalDrenagem.TipoCanal.Tipo, TTipoCanal::Triangular);
        EXPECT_EQ(p.CanalDrenagem.Comprimento(), 300);
        EXPECT_EQ(p.CanalDrenagem.Q(), 45.6);
        EXPECT_EQ(p.CanalDrenagem.EV(), 0.4);
        EXPECT_EQ(p.Unidades.UDecli, "%");
        EXPECT_EQ(p.Unidades.KDecli, 100);
        EXPECT_EQ(p.Unidades.KVIB, 1.0);
    }
}

TEST(ArquivoProjeto, LeiauteAnteriorEConvertidoNoDiscoAoAbrir) {
    for (const char* versaoGeral : {"", "[PRECIPITACAO]\r\nVersao=1\r\n"}) {
        PastaTemporaria pasta;
        const std::string caminho = pasta / "antigo.tvk";
        GravarBytes(caminho, std::string(kLeiauteAnterior) + versaoGeral);
        TProjeto p;
        LerProjeto(caminho, p.Objetos());  // and the project is closed without saving

        const TPrecipitacaoExponencialNegativa& chuva = p.Nimbal1.Precipitacao;
        EXPECT_EQ(chuva.Duracao, 30);
        EXPECT_EQ(chuva.PrecipitacaoTotal, 55.5);
        EXPECT_EQ(chuva.K(), 1234.5);
        EXPECT_EQ(chuva.C(), 0.85);
        EXPECT_NEAR(chuva.Numerador(), 1234.5 * std::pow(10.0, 0.18), 1e-9);
        EXPECT_EQ(p.Nimbal1.StrCidade, "Lavras");

        const TArquivoIni ini(caminho);
        EXPECT_EQ(ini.LerTexto("PRECIPITACAO", "Versao", "-"), "2");
        EXPECT_EQ(ini.LerReal("PRECIPITACAO", "PrecipitacaoTotal", -1), 55.5);
        EXPECT_EQ(ini.LerTexto("PREC_EXPONENCIAL_NEGATIVA", "Versao", "-"), "2");
        EXPECT_EQ(ini.LerReal("PREC_EXPONENCIAL_NEGATIVA", "B", -1), 12);
        for (const char* chave : {"Duracao", "PrecipitacaoTotal", "Tr", "K", "A", "B", "C"})
            EXPECT_EQ(ini.LerTexto("NIMBAL", chave, "ausente"), "ausente") << chave;
        EXPECT_EQ(ini.LerTexto("NIMBAL", "StrEstado", "-"), "Minas Gerais");

        TProjeto denovo;  // the converted file opens with the same values
        LerProjeto(caminho, denovo.Objetos());
        EsperarIguais(p, denovo);
    }
}

// Guards against a read-only project of the earlier layout that no longer opens, or loses its storm,
// because its conversion cannot be written.
TEST(ArquivoProjeto, LeiauteAnteriorSomenteLeituraAbreSemConverter) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "antigo.tvk";
    GravarBytes(caminho, kLeiauteAnterior);
    std::filesystem::permissions(caminho, std::filesystem::perms::owner_read);
    TProjeto p;
    LerProjeto(caminho, p.Objetos());
    EXPECT_EQ(p.Nimbal1.Precipitacao.K(), 1234.5);
    EXPECT_GT(p.Nimbal1.Precipitacao.Numerador(), 0);
    EXPECT_EQ(p.Nimbal1.Precipitacao.PrecipitacaoTotal, 55.5);
    EXPECT_EQ(LerBytes(caminho), kLeiauteAnterior);
}

// Guards against the conversion of the earlier layout creating a file that was never there.
TEST(ArquivoProjeto, LerAChuvaDeArquivoInexistenteNaoCriaOArquivo) {
    PastaTemporaria pasta;
    TPrecipitacaoExponencialNegativa chuva;
    chuva.SetK(5);
    chuva.LerArquivo(pasta / "falta.tvk");
    EXPECT_EQ(chuva.K(), 0);
    EXPECT_FALSE(std::filesystem::exists(pasta / "falta.tvk"));
}

TEST(ArquivoProjeto, ValorForaDaSuaCondicaoRecusaOProjeto) {
    struct Caso {
        const char* secao;
        const char* chave;
        std::optional<std::string> valor;  // none: the key is removed
    };
    const Caso casos[] = {
        {"IDENTIFICACAO", "Versao", "2"},   {"TipoSistema", "Tipo", "4"},    {"TipoSistema", "Tipo", "-1"},
        {"NIMBAL", "Versao", std::nullopt}, {"NIMBAL", "IndEstado", "40000"}, {"Cobertura", "IndUso", "6"},
        {"Cobertura", "IndCond", "4"},      {"Cobertura", "IndTrat", "4"},   {"Terreno", "Versao", "1.0"},
        {"Terreno", "Indnt", "-1"},         {"Terreno", "Indnt", "200"},     {"Canal", "IndZ", "-2"},
        {"Canal", "IndZ", std::nullopt},    {"Canal", "IndSm", "-2"},        {"Canal", "TipoCanal", "2"},
        {"CanalGradiente", "Indnc", "-2"},  {"CanalGradiente", "Versao", std::nullopt},
        {"CanalDrenagem", "Versao", "2"},
    };
    for (const Caso& caso : casos) {
        CopiaDoExemplo exemplo;
        const TArquivoIni ini(exemplo.caminho);
        if (caso.valor) ini.EscreverTexto(caso.secao, caso.chave, *caso.valor);
        else ini.ApagarChave(caso.secao, caso.chave);
        TProjeto p;
        EXPECT_EQ(MensagemAoLer(exemplo.caminho, p), "Não foi possível abrir o arquivo " + exemplo.caminho + ".")
            << caso.secao << "." << caso.chave;
    }
}

TEST(ArquivoProjeto, ValoresFronteiraSaoLidosPelosSetters) {
    struct Caso {
        const char* secao;
        const char* chave;
        const char* valor;
        double (*lido)(const TProjeto&);
        double esperado;
    };
    const Caso casos[] = {
        {"Canal", "IndZ", "-1", [](const TProjeto& p) { return double(p.CanalDrenagem.Z.Indice); }, -1},
        {"Canal", "CDu", "0.8", [](const TProjeto& p) { return p.CanalDrenagem.CDu(); }, 1},
        {"Canal", "CDu", "1,5", [](const TProjeto& p) { return p.CanalDrenagem.CDu(); }, 1.5},
        {"Canal", "Hr", "-3", [](const TProjeto& p) { return p.CanalDrenagem.Hr(); }, 0},
        {"Canal", "B", "-0.5", [](const TProjeto& p) { return p.CanalDrenagem.B(); }, 0},
        {"Terreno", "VIB", "-5", [](const TProjeto& p) { return p.Terreno.VIB(); }, 0},
        {"CanalGradiente", "Comprimento", "-30", [](const TProjeto& p) { return double(p.CanalDrenagem.Comprimento()); }, 0},
        {"CanalGradiente", "Q", "-1", [](const TProjeto& p) { return p.CanalDrenagem.Q(); }, 0},
        {"CanalDrenagem", "TD", "-2", [](const TProjeto& p) { return p.CanalDrenagem.TD(); }, 0},
        {"TipoSistema", "Tipo", "0", [](const TProjeto& p) { return double(p.Sistema.Tipo); }, 0},
        {"TALVEK2", "KDecli", "100", [](const TProjeto& p) { return double(p.Unidades.KDecli); }, 100},
        {"TALVEK2", "KDecli", "abc", [](const TProjeto& p) { return double(p.Unidades.KDecli); }, 1},
    };
    for (const Caso& caso : casos) {
        CopiaDoExemplo exemplo;
        TArquivoIni(exemplo.caminho).EscreverTexto(caso.secao, caso.chave, caso.valor);
        TProjeto p;
        LerProjeto(exemplo.caminho, p.Objetos());
        EXPECT_EQ(caso.lido(p), caso.esperado) << caso.secao << "." << caso.chave << "=" << caso.valor;
    }
}

TEST(ArquivoProjeto, ArquivoQueNaoExisteNaoAbre) {
    PastaTemporaria pasta;
    TProjeto p;
    EXPECT_EQ(MensagemAoLer(pasta / "falta.tvk", p), "Não foi possível abrir o arquivo " + (pasta / "falta.tvk") + ".");
    EXPECT_FALSE(std::filesystem::exists(pasta / "falta.tvk"));
}

TEST(ArquivoProjeto, LeituraInterrompidaGuardaOQueJaLeu) {
    CopiaDoExemplo exemplo;
    TArquivoIni(exemplo.caminho).EscreverTexto("Canal", "TipoCanal", "2");
    TProjeto p;
    p.Unidades.UDecli = "m/m";
    EXPECT_FALSE(MensagemAoLer(exemplo.caminho, p).empty());
    EXPECT_EQ(p.Identificacao.Nome, "Lavoura 3");
    EXPECT_EQ(p.Nimbal1.Precipitacao.K(), 1234.5);
    EXPECT_EQ(p.Terreno.VIB(), 10);
    EXPECT_EQ(p.CanalDrenagem.H(), 0.25) << "the channel's values before the bad one";
    EXPECT_EQ(p.CanalDrenagem.Sm.Indice, 7);
    EXPECT_EQ(p.CanalDrenagem.Comprimento(), 0) << "the sections after it are not read";
    EXPECT_EQ(p.Unidades.UDecli, "m/m") << "nor are the units";
}

TEST(ArquivoProjeto, UnidadesDeOutraVersaoOuAusentesFicamComoEstao) {
    for (const std::optional<std::string>& versao : {std::optional<std::string>("1.0"), std::optional<std::string>()}) {
        CopiaDoExemplo exemplo;
        const TArquivoIni ini(exemplo.caminho);
        if (versao) ini.EscreverTexto("TALVEK2", "Versao", *versao);
        else ini.ApagarChave("TALVEK2", "Versao");
        TProjeto p;
        p.Unidades = {"m/m", 1, "m/h", 0.001};
        LerProjeto(exemplo.caminho, p.Objetos());
        EXPECT_EQ(p.Unidades.UDecli, "m/m");
        EXPECT_EQ(p.Unidades.UVIB, "m/h");
        EXPECT_EQ(p.Unidades.KVIB, 0.001);
    }
}

TEST(ArquivoProjeto, ChuvaDeVersaoDesconhecidaFicaVaziaSemRecusarOProjeto) {
    CopiaDoExemplo exemplo;
    TArquivoIni(exemplo.caminho).EscreverTexto("PREC_EXPONENCIAL_NEGATIVA", "Versao", "3");
    TProjeto p;
    p.Nimbal1.Precipitacao.SetK(99);
    LerProjeto(exemplo.caminho, p.Objetos());
    EXPECT_EQ(p.Nimbal1.Precipitacao.K(), 0);
    EXPECT_EQ(p.Nimbal1.Precipitacao.Numerador(), -1);
    EXPECT_EQ(p.Nimbal1.StrCidade, "Lavras");
}

TEST(ArquivoProjeto, SecaoDesconhecidaSobreviveAUmaGravacao) {
    CopiaDoExemplo exemplo;
    const std::string extra = "\r\n[X]\r\n; nota de outro programa\r\nchave=valor\r\n";
    GravarBytes(exemplo.caminho, LerBytes(exemplo.caminho) + extra);
    TProjeto p;
    LerProjeto(exemplo.caminho, p.Objetos());
    p.CanalDrenagem.SetQ(12.5);
    EscreverProjeto(exemplo.caminho, p.Objetos());
    const std::string bytes = LerBytes(exemplo.caminho);
    EXPECT_NE(bytes.find(extra), std::string::npos) << bytes;
    EXPECT_EQ(TArquivoIni(exemplo.caminho).LerReal("CanalGradiente", "Q", -1), 12.5);
}

TEST(ArquivoProjeto, ProjetoUtf8ContinuaUtf8AoGravar) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "utf8.tvk";
    GravarBytes(caminho, "[IDENTIFICACAO]\nVersao=1\nNome=Ch\xC3\xA1" "cara\n\n[X]\nnota=a\xC3\xA7\xC3\xA3o\n");
    TProjeto p;
    PreencherExemplo(p);
    EscreverProjeto(caminho, p.Objetos());
    const std::string bytes = LerBytes(caminho);
    EXPECT_NE(bytes.find("Tecnico=Respons\xC3\xA1vel t\xC3\xA9" "cnico\n"), std::string::npos);
    EXPECT_EQ(bytes.find('\r'), std::string::npos) << "line endings kept";
}

TEST(ArquivoProjeto, GravacaoRecusadaDeixaOArquivoComoEstava) {
    CopiaDoExemplo exemplo;
    const std::string antes = LerBytes(exemplo.caminho);
    std::filesystem::permissions(exemplo.caminho, std::filesystem::perms::owner_read);
    TProjeto p;
    PreencherExemplo(p);
    EXPECT_THROW(EscreverProjeto(exemplo.caminho, p.Objetos()), EGravacaoArquivo);
    EXPECT_EQ(LerBytes(exemplo.caminho), antes);
}
