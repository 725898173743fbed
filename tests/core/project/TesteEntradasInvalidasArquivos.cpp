// Project and configuration files as they arrive from elsewhere: cut short, edited by hand, written by other
// programs. Each test is a row of tests/ENTRADAS_INVALIDAS.md: what the user is told, and what stays on disk.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "PastaTemporaria.h"
#include "platform/ArquivoIni.h"
#include "platform/ArquivosTexto.h"
#include "project/Configuracao.h"
#include "project/Projeto.h"

using namespace talvek;
using namespace talvek::teste;

namespace {

const std::string kExemplo = std::string(TALVEK_DADOS_TESTE) + "/Lavoura3.tvk";

std::string MensagemAbrir(const std::string& caminho) { return "Não foi possível abrir o arquivo " + caminho + "."; }

// The message of the failed open, or empty when the project opened.
std::string Abrir(const std::string& caminho, TProjeto& projeto) {
    try {
        LerProjeto(caminho, projeto.Objetos());
    } catch (const EArquivoProjeto& e) {
        return e.what();
    }
    return "";
}

// The example project with one line replaced (or added after its section's header when missing).
std::string ExemploCom(const std::string& linhaAntiga, const std::string& linhaNova) {
    std::string texto = LerBytes(kExemplo);
    const std::size_t posicao = texto.find(linhaAntiga);
    EXPECT_NE(posicao, std::string::npos) << linhaAntiga;
    return texto.replace(posicao, linhaAntiga.size(), linhaNova);
}

// Runs `escrita` while no file may grow beyond `bytes` bytes: the write of the new content fails part-way,
// as on a disk that fills at that byte.
template <class Escrita>
void ComDiscoCheio(Escrita&& escrita, rlim_t bytes = 100) {
    rlimit anterior{};
    ::getrlimit(RLIMIT_FSIZE, &anterior);
    const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = anterior;
    limite.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limite);
    escrita();
    ::setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, sinalAnterior);
}

int ArquivosNaPasta(const PastaTemporaria& pasta) {
    int arquivos = 0;
    for ([[maybe_unused]] const auto& entrada : std::filesystem::directory_iterator(pasta.Caminho())) ++arquivos;
    return arquivos;
}

const std::string kLeiauteAnterior = std::string(TALVEK_DADOS_TESTE) + "/Inundacao2LeiauteAnterior.tvk";

}  // namespace

// Row: an empty or truncated project file.
TEST(EntradasInvalidas, ProjetoVazioOuTruncadoNaoAbreEFicaComoEstava) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "cortado.tvk";
    const std::string inteiro = LerBytes(kExemplo);
    // The last key a project needs is the version of [CanalDrenagem]; a cut after it leaves defaults.
    const std::size_t necessario = inteiro.find("Versao=1", inteiro.find("[CanalDrenagem]")) + 8;
    for (std::size_t tamanho = 0; tamanho < inteiro.size(); tamanho += 7) {
        const std::string cortado = inteiro.substr(0, tamanho);
        GravarBytes(caminho, cortado);
        TProjeto p;
        EXPECT_EQ(Abrir(caminho, p), tamanho < necessario ? MensagemAbrir(caminho) : "") << tamanho << " bytes";
        // A storm section cut before its version reads as the earlier layout and is written out on open;
        // every byte the file held stays.
        EXPECT_TRUE(LerBytes(caminho).starts_with(cortado)) << tamanho << " bytes";
    }
}

// Row: a section header without "]".
TEST(EntradasInvalidas, CabecalhoSemColcheteNaoEUmaSecao) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "colchete.tvk";

    GravarBytes(caminho, ExemploCom("[Canal]", "[Canal"));
    TProjeto p;
    EXPECT_EQ(Abrir(caminho, p), MensagemAbrir(caminho)) << "[Canal] is missing";

    GravarBytes(caminho, ExemploCom("[TALVEK2]", "[TALVEK2"));
    TProjeto q;
    q.Unidades = {"m/m", 1, "m/h", 0.001};
    EXPECT_EQ(Abrir(caminho, q), "");
    EXPECT_EQ(q.Unidades.UDecli, "m/m") << "units without their section stay as they were";
    EXPECT_EQ(q.Unidades.KVIB, 0.001);
}

// Row: very long lines.
TEST(EntradasInvalidas, LinhasMuitoLongasSaoLidasEGravadasInteiras) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "longo.tvk";
    const std::string nome(100000, 'N');
    GravarBytes(caminho, std::string(100000, ';') + "\r\n" + ExemploCom("Nome=Lavoura 3", "Nome=" + nome));
    TProjeto p;
    ASSERT_EQ(Abrir(caminho, p), "");
    EXPECT_EQ(p.Identificacao.Nome, nome);
    p.CanalDrenagem.SetQ(50);
    EscreverProjeto(caminho, p.Objetos());
    TProjeto q;
    ASSERT_EQ(Abrir(caminho, q), "");
    EXPECT_EQ(q.Identificacao.Nome, nome);
    EXPECT_EQ(LerBytes(caminho).substr(0, 100000), std::string(100000, ';')) << "the long comment line is kept";
}

// Row: bytes that are neither UTF-8 nor Windows-1252 text.
TEST(EntradasInvalidas, BytesQueNaoSaoTextoSaoLidosEGuardados) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "bytes.tvk";
    // Windows-1252 leaves 0x81, 0x8D, 0x8F, 0x90 and 0x9D undefined; a NUL and a tab in the same text.
    const std::string estranho = "A\x81\x8D\x8F\x90\x9D" + std::string(1, '\0') + "B\tC";
    GravarBytes(caminho, ExemploCom("Empresa=Cooperativa", "Empresa=" + estranho));
    TProjeto p;
    ASSERT_EQ(Abrir(caminho, p), "");
    EXPECT_EQ(p.Identificacao.Empresa, "A\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D" + std::string(1, '\0') + "B\tC");
    EscreverProjeto(caminho, p.Objetos());
    EXPECT_NE(LerBytes(caminho).find("Empresa=" + estranho + "\r\n"), std::string::npos) << "saved as it came";

    // A UTF-8 file (with its mark) where another program wrote a line in Windows-1252.
    GravarBytes(caminho, "\xEF\xBB\xBF" + ExemploCom("Local=Fazenda Boa Vista", "Local=Ch\xE1" "cara S\xE3o Jos\xE9"));
    TProjeto q;
    ASSERT_EQ(Abrir(caminho, q), "");
    EXPECT_EQ(q.Identificacao.Local, "Ch\xC3\xA1" "cara S\xC3\xA3o Jos\xC3\xA9");
    ASSERT_NO_THROW(EscreverProjeto(caminho, q.Objetos())) << "a project that opened can be saved";
    TProjeto r;
    ASSERT_EQ(Abrir(caminho, r), "");
    EXPECT_EQ(r.Identificacao.Local, q.Identificacao.Local);
}

// Row: keys repeated in a section, sections repeated in the file.
TEST(EntradasInvalidas, ChaveOuSecaoRepetidaValeAPrimeira) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "repetida.tvk";
    GravarBytes(caminho, ExemploCom("Tipo=3\r\n", "Tipo=3\r\nTipo=2\r\n") + "\r\n[Terreno]\r\nVersao=1\r\nVIB=99\r\n");
    TProjeto p;
    ASSERT_EQ(Abrir(caminho, p), "");
    EXPECT_EQ(p.Sistema.Tipo, 3);
    EXPECT_EQ(p.Terreno.VIB(), 10);

    p.Sistema.Tipo = 2;
    EscreverProjeto(caminho, p.Objetos());
    const std::string salvo = LerBytes(caminho);
    EXPECT_NE(salvo.find("Tipo=2\r\nTipo=2\r\n"), std::string::npos) << "the first is replaced, the second kept";
    EXPECT_NE(salvo.find("[Terreno]\r\nVersao=1\r\nVIB=99\r\n"), std::string::npos) << "the second section is kept";
}

// Rows: numbers that are not numbers, out of range or odd, and negative values where they make no sense.
TEST(EntradasInvalidas, NumerosEstranhosENegativosLeemOPadraoOuRecusamOProjeto) {
    struct Caso {
        const char* linha;    // the example's line
        const char* trocada;  // what the file holds instead
        bool abre;
        double (*lido)(const TProjeto&);
        double esperado;
    };
    const auto H = [](const TProjeto& p) { return p.CanalDrenagem.H(); };
    const auto VIB = [](const TProjeto& p) { return p.Terreno.VIB(); };
    const auto EH = [](const TProjeto& p) { return p.CanalDrenagem.EH(); };
    const auto K = [](const TProjeto& p) { return p.Nimbal1.Precipitacao.K(); };
    const auto Comprimento = [](const TProjeto& p) { return double(p.CanalDrenagem.Comprimento()); };
    const auto nada = [](const TProjeto&) { return 0.0; };
    const Caso casos[] = {
        {"H=0.25", "H=1e400", true, H, 0},
        {"H=0.25", "H=nan", true, H, 0},
        {"H=0.25", "H=-0", true, H, 0},
        {"H=0.25", "H=1.2.3", true, H, 0},
        {"H=0.25", "H=inf", true, H, 0},
        {"H=0.25", "H=0,25", true, H, 0.25},
        {"VIB=10", "VIB=1e400", true, VIB, 0},
        {"VIB=10", "VIB=-5", true, VIB, 0},
        {"EH=20", "EH=-20", true, EH, 0},
        {"K=1234.5", "K=nan", true, K, 0},
        {"K=1234.5", "K=-1234.5", true, K, -1234.5},
        {"Comprimento=300", "Comprimento=1e400", true, Comprimento, 0},
        {"Comprimento=300", "Comprimento=99999999999", true, Comprimento, 0},
        {"Comprimento=300", "Comprimento=-300", true, Comprimento, 0},
        {"Tipo=3", "Tipo=nan", false, nada, 0},
        {"Tipo=3", "Tipo=3.0", false, nada, 0},
        {"IndUso=2", "IndUso=1.2.3", false, nada, 0},
        {"IndEstacao=0", "IndEstacao=1e400", true, [](const TProjeto& p) { return double(p.Nimbal1.IndEstacao); }, -1},
        {"Indnt=3", "Indnt=-1", false, nada, 0},
        {"IndZ=-1", "IndZ=-2", false, nada, 0},
        // A number in quotes is that number, as a text in quotes is that text.
        {"CDu=1", "CDu=\"1.2\"", true, [](const TProjeto& p) { return p.CanalDrenagem.CDu(); }, 1.2},
        {"Comprimento=300", "Comprimento='250'", true, Comprimento, 250},
        {"Tipo=3", "Tipo=\"2\"", true, [](const TProjeto& p) { return double(p.Sistema.Tipo); }, 2},
        {"H=0.25", "H=\"0.25", true, H, 0},
    };
    PastaTemporaria pasta;
    const std::string caminho = pasta / "numeros.tvk";
    for (const Caso& caso : casos) {
        const std::string conteudo = ExemploCom(std::string(caso.linha) + "\r\n", std::string(caso.trocada) + "\r\n");
        GravarBytes(caminho, conteudo);
        TProjeto p;
        EXPECT_EQ(Abrir(caminho, p), caso.abre ? "" : MensagemAbrir(caminho)) << caso.trocada;
        if (caso.abre) {
            EXPECT_EQ(caso.lido(p), caso.esperado) << caso.trocada;
        }
        EXPECT_EQ(LerBytes(caminho), conteudo) << "opening changes nothing: " << caso.trocada;
    }
}

// Row: a storm section that lost its version key but still holds its values.
TEST(EntradasInvalidas, SecaoDeChuvaSemVersaoELidaComoEstaSemConversao) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "semversao.tvk";
    std::string conteudo = ExemploCom("[PREC_EXPONENCIAL_NEGATIVA]\r\nVersao=2\r\n", "[PREC_EXPONENCIAL_NEGATIVA]\r\n");
    const std::size_t geral = conteudo.find("[PRECIPITACAO]\r\nVersao=2\r\n");
    ASSERT_NE(geral, std::string::npos);
    conteudo.erase(geral + 16, 10);
    ASSERT_NE(conteudo.find("[PRECIPITACAO]\r\nDuracao=0\r\n"), std::string::npos);
    GravarBytes(caminho, conteudo);

    TProjeto p;
    ASSERT_EQ(Abrir(caminho, p), "");
    EXPECT_EQ(p.Nimbal1.Precipitacao.K(), 1234.5);
    EXPECT_EQ(p.Nimbal1.Precipitacao.Tr(), 10);
    EXPECT_EQ(p.Nimbal1.Precipitacao.C(), 0.85);
    EXPECT_EQ(LerBytes(caminho), conteudo) << "the values are not replaced by the earlier layout's";
}

// Row: display units that the program does not offer, in a project or in the configuration file. Each pair
// (slope unit with its factor, VIB unit with its factor) is taken only when it is one of the lists'.
TEST(EntradasInvalidas, UnidadesQueOProgramaNaoOfereceNaoSaoAdotadas) {
    const TUnidades atuais{"m/m", 1, "m/dia", 0.024};
    const struct {
        const char* chaves;
        TUnidades projeto;      // after opening a project while `atuais` are shown
        TUnidades configuracao;  // read from the configuration file at start-up
    } casos[] = {
        {"UDecli=%\r\nKDecli=100\r\nUVIB=m/h\r\nKVIB=0.001\r\n", {"%", 100, "m/h", 0.001}, {"%", 100, "m/h", 0.001}},
        {"UDecli=m/m\r\nKDecli=1\r\nUVIB=mm/h\r\nKVIB=1\r\n", {"m/m", 1, "mm/h", 1}, {"m/m", 1, "mm/h", 1}},
        {"UDecli=%\r\nKDecli=1\r\nUVIB=mm/h\r\nKVIB=0\r\n", atuais, {"m/m", 1, "mm/h", 1}},
        {"UDecli=m/m\r\nKDecli=0\r\nUVIB=m/dia\r\nKVIB=0,024\r\n", {"m/m", 1, "m/dia", 0.024}, {"m/m", 1, "m/dia", 0.024}},
        {"UDecli=%\r\n", atuais, {"m/m", 1, "mm/h", 1}},  // cut after the first key
        {"UDecli=%\r\nKDecli=100\r\nUVIB=mm/h\r\nKVIB=0.024\r\n", {"%", 100, "m/dia", 0.024}, {"%", 100, "mm/h", 1}},
        {"UDecli=grau\r\nKDecli=1\r\nUVIB=cm/h\r\nKVIB=0.1\r\n", atuais, {"m/m", 1, "mm/h", 1}},
    };
    const auto iguais = [](const TUnidades& a, const TUnidades& b) {
        return a.UDecli == b.UDecli && a.KDecli == b.KDecli && a.UVIB == b.UVIB && a.KVIB == b.KVIB;
    };
    PastaTemporaria pasta;
    const std::string inteiro = LerBytes(kExemplo);
    const std::string semUnidades = inteiro.substr(0, inteiro.find("[TALVEK2]"));
    for (const auto& caso : casos) {
        GravarBytes(pasta / "p.tvk", semUnidades + "[TALVEK2]\r\nVersao=2.0\r\n" + caso.chaves);
        TProjeto p;
        p.Unidades = atuais;
        ASSERT_EQ(Abrir(pasta / "p.tvk", p), "");
        EXPECT_TRUE(iguais(p.Unidades, caso.projeto)) << caso.chaves;

        GravarBytes(pasta / kArquivoConfiguracao, std::string("[PRINCIPAL]\r\n") + caso.chaves);
        EXPECT_TRUE(iguais(LerConfiguracao(pasta / kArquivoConfiguracao).Unidades, caso.configuracao)) << caso.chaves;
    }
}

// Row: the project file is read-only when the user saves.
TEST(EntradasInvalidas, ProjetoSomenteLeituraNaoEGravadoEFicaIntacto) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "protegido.tvk";
    const std::string antes = LerBytes(kExemplo);
    GravarBytes(caminho, antes);
    TProjeto p;
    ASSERT_EQ(Abrir(caminho, p), "");
    std::filesystem::permissions(caminho, std::filesystem::perms::owner_read);
    p.CanalDrenagem.SetQ(99);
    try {
        EscreverProjeto(caminho, p.Objetos());
        ADD_FAILURE() << "the save went through";
    } catch (const EGravacaoArquivo& e) {
        EXPECT_EQ(std::string(e.what()), "Erro ao gravar o arquivo " + caminho + ": o arquivo é somente leitura.");
    }
    EXPECT_EQ(LerBytes(caminho), antes);
}

// Row: the disk fills up while the project is being saved (stood in for by a file-size limit: the write of
// the new content fails part-way in both cases).
TEST(EntradasInvalidas, DiscoCheioAoGravarDeixaOProjetoAntigoIntacto) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "cheio.tvk";
    const std::string antes = LerBytes(kExemplo);
    GravarBytes(caminho, antes);
    TProjeto p;
    ASSERT_EQ(Abrir(caminho, p), "");
    p.Identificacao.Nome = "Lavoura 3, revisada";
    std::string mensagem;
    ComDiscoCheio([&] {
        try {
            EscreverProjeto(caminho, p.Objetos());
        } catch (const EGravacaoArquivo& e) {
            mensagem = e.what();
        }
    });
    EXPECT_EQ(mensagem, "Erro ao gravar o arquivo " + caminho + ": o arquivo excede o tamanho permitido.");
    EXPECT_EQ(LerBytes(caminho), antes);
    int arquivos = 0;
    for ([[maybe_unused]] const auto& entrada : std::filesystem::directory_iterator(pasta.Caminho())) ++arquivos;
    EXPECT_EQ(arquivos, 1) << "no temporary file is left behind";
}

// Row: a configuration file that is not a profile file at all.
TEST(EntradasInvalidas, ConfiguracaoIlegivelDaOsPadroesEGuardaOQueHavia) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / kArquivoConfiguracao;
    std::string lixo;
    for (int i = 0; i < 4096; ++i) lixo += static_cast<char>((i * 131 + 7) % 256);
    GravarBytes(caminho, lixo + "\r\n[PRINCIPAL]\r\nKDecli=1e400\r\nKVIB=nan\r\nIndEstado=dez\r\n");
    const TConfiguracao lida = LerConfiguracao(caminho);
    EXPECT_EQ(lida.Unidades.KDecli, 1);
    EXPECT_EQ(lida.Unidades.KVIB, 1.0);
    EXPECT_EQ(lida.IndEstado, 0);
    EXPECT_EQ(lida.Unidades.UDecli, "m/m");
    EscreverConfiguracao(caminho, lida);
    EXPECT_EQ(LerBytes(caminho).substr(0, lixo.size()), lixo) << "what the file held before its section stays";
    const TConfiguracao relida = LerConfiguracao(caminho);
    EXPECT_EQ(relida.Unidades.KDecli, 1);
    EXPECT_EQ(relida.IndEstado, 0);
}

// Row: the disk fills at any byte of a save or of the conversion of the earlier layout on open. Regression:
// each key was its own replacement of the file, and a disk full half-way left the new H beside the old Q.
TEST(EntradasInvalidas, DiscoCheioEmQualquerByteDeixaOArquivoAntigoOuONovo) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "p.tvk";
    TProjeto revisado;
    ASSERT_EQ(Abrir(kExemplo, revisado), "");
    revisado.Identificacao.Nome = "Lavoura 3, revisada";
    revisado.CanalDrenagem.SetQ(122.218765432);
    revisado.CanalDrenagem.SetH(0.137456789);
    revisado.CanalDrenagem.SetHr(23.7456789);
    const struct {
        const char* operacao;
        std::string antigo;
        std::function<void()> executar;
    } casos[] = {
        {"salvar", LerBytes(kExemplo), [&] { EscreverProjeto(caminho, revisado.Objetos()); }},
        {"abrir e converter", LerBytes(kLeiauteAnterior), [&] {
             TProjeto p;
             LerProjeto(caminho, p.Objetos());
         }},
    };
    for (const auto& caso : casos) {
        GravarBytes(caminho, caso.antigo);
        caso.executar();
        const std::string novo = LerBytes(caminho);
        ASSERT_GT(novo.size(), caso.antigo.size()) << caso.operacao;
        for (std::size_t limite = caso.antigo.size(); limite <= novo.size(); ++limite) {
            GravarBytes(caminho, caso.antigo);
            std::string mensagem;
            ComDiscoCheio(
                [&] {
                    try {
                        caso.executar();
                    } catch (const EGravacaoArquivo& e) {
                        mensagem = e.what();
                    }
                },
                limite);
            const bool cabe = limite == novo.size();
            EXPECT_EQ(LerBytes(caminho), cabe ? novo : caso.antigo) << caso.operacao << ", " << limite << " bytes";
            if (caso.operacao == casos[0].operacao)  // an open that cannot convert still opens, without a word
                EXPECT_EQ(mensagem, cabe ? "" : "Erro ao gravar o arquivo " + caminho +
                                                     ": o arquivo excede o tamanho permitido.")
                    << limite;
            EXPECT_EQ(ArquivosNaPasta(pasta), 1) << "no temporary or lock file is left, " << limite;
        }
    }
}

// Row: twenty programs save the same file at once. Each read-modify-write holds the file's lock, so none
// reads the file while another is between its read and its write: no save is lost.
TEST(EntradasInvalidas, VinteProgramasGravandoOMesmoArquivoNaoPerdemNenhumaGravacao) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "p.tvk";
    GravarBytes(caminho, LerBytes(kExemplo));
    constexpr int kProgramas = 20;
    std::vector<pid_t> programas;
    for (int i = 0; i < kProgramas; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            int codigo = 0;
            try {
                TEdicaoIni edicao(caminho, TEdicaoIni::Modo::Gravacao);
                TArquivoIni(caminho).EscreverInteiro("Programas", "P" + std::to_string(i), i);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));  // the others start meanwhile
                edicao.Concluir();
            } catch (const std::exception&) {
                codigo = 1;
            }
            ::_exit(codigo);
        }
        programas.push_back(pid);
    }
    for (const pid_t pid : programas) {
        int estado = 0;
        ::waitpid(pid, &estado, 0);
        EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    }
    const TArquivoIni ini(caminho);
    for (int i = 0; i < kProgramas; ++i) EXPECT_EQ(ini.LerInteiro("Programas", "P" + std::to_string(i), -1), i);
    TProjeto p;
    EXPECT_EQ(Abrir(caminho, p), "");
    EXPECT_EQ(LerBytes(caminho).substr(0, LerBytes(kExemplo).size()), LerBytes(kExemplo));
    EXPECT_EQ(ArquivosNaPasta(pasta), 1) << "the lock file is gone";
}

// Row: a project reached through a chain of two symbolic links. Regression: the middle link was replaced by
// a regular file and the real project stayed old.
TEST(EntradasInvalidas, ProjetoAtravesDeDuasLigacoesGravaOArquivoReal) {
    namespace fs = std::filesystem;
    PastaTemporaria pasta;
    fs::create_directories(pasta / "real");
    const std::string real = pasta / "real/p.tvk";
    GravarBytes(real, LerBytes(kLeiauteAnterior));
    fs::create_symlink(real, pasta / "meio.tvk");
    fs::create_symlink("meio.tvk", pasta / "ligacao.tvk");
    const std::string ligacao = pasta / "ligacao.tvk";

    TProjeto p;
    ASSERT_EQ(Abrir(ligacao, p), "");
    EXPECT_NE(LerBytes(real).find("[PREC_EXPONENCIAL_NEGATIVA]"), std::string::npos) << "converted in place";
    p.Identificacao.Nome = "Pelas ligações";
    EscreverProjeto(ligacao, p.Objetos());

    EXPECT_TRUE(fs::is_symlink(pasta / "ligacao.tvk"));
    EXPECT_TRUE(fs::is_symlink(pasta / "meio.tvk"));
    TProjeto q;
    ASSERT_EQ(Abrir(real, q), "");
    EXPECT_EQ(q.Identificacao.Nome, "Pelas ligações");
    EXPECT_EQ(q.Nimbal1.Precipitacao.K(), 1000);
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta / "real"), fs::directory_iterator()), 1);
}

// Row: a file name of 255 bytes, the system's limit. Regression: the temporary name added about 16 bytes
// and such a project could never be saved.
TEST(EntradasInvalidas, NomeDeArquivoNoLimiteDoSistemaPodeSerGravado) {
    PastaTemporaria pasta;
    TProjeto p;
    ASSERT_EQ(Abrir(kExemplo, p), "");
    const std::string noLimite = pasta / (std::string(251, 'n') + ".tvk");
    EscreverProjeto(noLimite, p.Objetos());
    TProjeto q;
    EXPECT_EQ(Abrir(noLimite, q), "");
    EXPECT_EQ(LerBytes(noLimite), LerBytes(kExemplo));

    const std::string alemDoLimite = pasta / (std::string(252, 'n') + ".tvk");
    try {
        EscreverProjeto(alemDoLimite, p.Objetos());
        ADD_FAILURE() << "a name of 256 bytes was saved";
    } catch (const EGravacaoArquivo& e) {
        EXPECT_EQ(std::string(e.what()), "Erro ao gravar o arquivo " + alemDoLimite + ": nome de arquivo longo demais.");
    }
    EXPECT_EQ(ArquivosNaPasta(pasta), 1);
}
