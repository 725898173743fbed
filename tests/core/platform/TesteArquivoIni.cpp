#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>

#include "PastaTemporaria.h"
#include "platform/ArquivoIni.h"
#include "platform/ArquivosTexto.h"
#include "platform/Regional.h"

using namespace talvek;
using talvek::teste::GravarBytes;
using talvek::teste::LerBytes;
using talvek::teste::PastaTemporaria;

namespace {

ConfiguracaoRegional ComSeparador(char decimal) {
    ConfiguracaoRegional c;
    c.SeparadorDecimal = decimal;
    c.SeparadorMilhar = decimal == ',' ? '.' : ',';
    return c;
}

int ArquivosNaPasta(const std::filesystem::path& pasta) {
    int total = 0;
    for ([[maybe_unused]] const auto& entrada : std::filesystem::directory_iterator(pasta)) ++total;
    return total;
}

}  // namespace

TEST(ArquivoIni, EscritasPreservamOQueNaoTocam) {
    struct Caso {
        const char* nome;
        std::string inicial;  // empty: the file does not exist
        std::function<void(const TArquivoIni&)> operacao;
        std::string esperado;
    };
    const Caso casos[] = {
        {"arquivo novo: Windows-1252 com CRLF", "",
         [](const TArquivoIni& ini) { ini.EscreverTexto("Sec", "Nome", "S\xC3\xA3o Jo\xC3\xA3o"); },
         "[Sec]\r\nNome=S\xE3o Jo\xE3o\r\n"},
        {"nova se\xC3\xA7\xC3\xA3o vai ao fim, ap\xC3\xB3s uma linha em branco", "[A]\r\nx=1\r\n",
         [](const TArquivoIni& ini) { ini.EscreverTexto("B", "y", "2"); }, "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
        {"valor trocado no lugar, nomes sem distin\xC3\xA7\xC3\xA3o de caixa", "; nota\r\n[Sec]\r\nChave = antigo\r\nz=3\r\n",
         [](const TArquivoIni& ini) { ini.EscreverTexto("SEC", "chave", "novo"); },
         "; nota\r\n[Sec]\r\nChave =novo\r\nz=3\r\n"},
        {"chave nova no fim da sua se\xC3\xA7\xC3\xA3o, antes da linha em branco", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n",
         [](const TArquivoIni& ini) { ini.EscreverTexto("a", "w", "9"); }, "[A]\r\nx=1\r\nw=9\r\n\r\n[B]\r\ny=2\r\n"},
        {"quebras LF mantidas", "[A]\nx=1\n", [](const TArquivoIni& ini) { ini.EscreverTexto("A", "y", "2"); },
         "[A]\nx=1\ny=2\n"},
        {"\xC3\xBAltima linha sem quebra", "[A]\r\nx=1", [](const TArquivoIni& ini) { ini.EscreverTexto("A", "y", "2"); },
         "[A]\r\nx=1\r\ny=2\r\n"},
        {"chave hom\xC3\xB4nima de outra se\xC3\xA7\xC3\xA3o n\xC3\xA3o \xC3\xA9 tocada", "[A]\r\nx=1\r\n[B]\r\n",
         [](const TArquivoIni& ini) { ini.EscreverTexto("B", "x", "2"); }, "[A]\r\nx=1\r\n[B]\r\nx=2\r\n"},
        {"coment\xC3\xA1rio com = n\xC3\xA3o \xC3\xA9 chave", "[A]\r\n;x=1\r\n",
         [](const TArquivoIni& ini) { ini.EscreverTexto("A", "x", "2"); }, "[A]\r\n;x=1\r\nx=2\r\n"},
        {"quebra de linha num valor n\xC3\xA3o cria linhas", "",
         [](const TArquivoIni& ini) { ini.EscreverTexto("A", "x", "a\r\n[B]"); }, "[A]\r\nx=a  [B]\r\n"},
        {"apagar remove s\xC3\xB3 a linha da chave", "[A]\r\nx=1\r\ny=2\r\n",
         [](const TArquivoIni& ini) { ini.ApagarChave("a", "X"); }, "[A]\r\ny=2\r\n"},
        {"UTF-8 com BOM continua UTF-8", "\xEF\xBB\xBF[A]\nx=\xC3\xA9\n",
         [](const TArquivoIni& ini) { ini.EscreverTexto("A", "y", "\xC3\xA7"); },
         "\xEF\xBB\xBF[A]\nx=\xC3\xA9\ny=\xC3\xA7\n"},
        {"UTF-8 sem BOM continua UTF-8", "[A]\r\nx=\xC3\xA9\r\n",
         [](const TArquivoIni& ini) { ini.EscreverTexto("A", "x", "\xC3\xA3"); }, "[A]\r\nx=\xC3\xA3\r\n"},
        {"Windows-1252 continua Windows-1252", "[A]\r\nx=S\xE3o\r\n",
         [](const TArquivoIni& ini) { ini.EscreverTexto("A", "y", "\xC2\xB0"); }, "[A]\r\nx=S\xE3o\r\ny=\xB0\r\n"},
        // A character without a Windows-1252 byte would otherwise be lost: the file becomes UTF-8.
        {"Windows-1252 passa a UTF-8 para n\xC3\xA3o perder um caractere", "[A]\r\nx=S\xE3o\r\n",
         [](const TArquivoIni& ini) { ini.EscreverTexto("A", "y", "\xE6\x97\xA5"); },
         "[A]\r\nx=S\xC3\xA3o\r\ny=\xE6\x97\xA5\r\n"},
        {"inteiro negativo", "", [](const TArquivoIni& ini) { ini.EscreverInteiro("A", "i", -1); }, "[A]\r\ni=-1\r\n"},
    };
    for (const Caso& caso : casos) {
        PastaTemporaria pasta;
        const std::string caminho = pasta / "p.tvk";
        if (!caso.inicial.empty()) GravarBytes(caminho, caso.inicial);
        caso.operacao(TArquivoIni(caminho));
        EXPECT_EQ(LerBytes(caminho), caso.esperado) << caso.nome;
    }
}

TEST(ArquivoIni, LeiturasComPadroes) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "p.ini";
    GravarBytes(caminho,
                "[Primeira]\r\n"
                "  Texto =  com brancos  \r\n"
                "Vazio=\r\n"
                "Cidade=S\xE3o Jo\xE3o\r\n"
                "Negativo=-1\r\n"
                "Mais=+5\r\n"
                "Misto=12abc\r\n"
                "Grande=99999999999\r\n"
                "Virgula=0,5\r\n"
                "Ponto=0.25\r\n"
                "Expoente=1E-5\r\n"
                "Palavra=abc\r\n"
                "[primeira]\r\n"
                "Texto=segunda ocorrencia\r\n"
                "Outra=x\r\n");
    const TArquivoIni ini(caminho);
    EXPECT_EQ(ini.LerTexto("PRIMEIRA", "texto", "-"), "com brancos");
    EXPECT_EQ(ini.LerTexto("Primeira", "Vazio", "-"), "");
    EXPECT_EQ(ini.LerTexto("Primeira", "Cidade", "-"), "S\xC3\xA3o Jo\xC3\xA3o");
    EXPECT_EQ(ini.LerTexto("Primeira", "Falta", "padr\xC3\xA3o"), "padr\xC3\xA3o");
    EXPECT_EQ(ini.LerTexto("Primeira", "Outra", "-"), "-") << "only the first section of a name is read";
    EXPECT_EQ(ini.LerTexto("Nenhuma", "Texto", "-"), "-");
    EXPECT_EQ(ini.LerInteiro("Primeira", "Negativo", 7), -1);
    EXPECT_EQ(ini.LerInteiro("Primeira", "Mais", 7), 5);
    EXPECT_EQ(ini.LerInteiro("Primeira", "Misto", 7), 7);
    EXPECT_EQ(ini.LerInteiro("Primeira", "Grande", 7), 7);
    EXPECT_EQ(ini.LerInteiro("Primeira", "Vazio", 7), 7);
    EXPECT_EQ(ini.LerInteiro("Primeira", "Virgula", 7), 7);
    for (char separador : {'.', ','}) {
        RegionalTemporario regional(ComSeparador(separador));
        EXPECT_DOUBLE_EQ(ini.LerReal("Primeira", "Virgula", -1), 0.5) << separador;
        EXPECT_DOUBLE_EQ(ini.LerReal("Primeira", "Ponto", -1), 0.25) << separador;
        EXPECT_DOUBLE_EQ(ini.LerReal("Primeira", "Expoente", -1), 1e-5) << separador;
        EXPECT_DOUBLE_EQ(ini.LerReal("Primeira", "Palavra", -1), -1) << separador;
        EXPECT_DOUBLE_EQ(ini.LerReal("Primeira", "Falta", -1), -1) << separador;
    }
    EXPECT_EQ(TArquivoIni(pasta / "nao-existe.ini").LerTexto("A", "B", "padrao"), "padrao");
}

// Regression: a value ending in a stray carriage return before the line ending kept the return, and a
// value that was written back then read with a blank in its place.
TEST(ArquivoIni, RetornoSoltoNoFimDoValorNaoFazParteDele) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "p.ini";
    GravarBytes(caminho, "[PRINCIPAL]\r\nUVIB=mm/h\r\r\nKVIB=1\r\n");
    TArquivoIni ini(caminho);
    EXPECT_EQ(ini.LerTexto("PRINCIPAL", "UVIB", "-"), "mm/h");
    ini.EscreverTexto("PRINCIPAL", "UVIB", ini.LerTexto("PRINCIPAL", "UVIB", "-"));
    EXPECT_EQ(ini.LerTexto("PRINCIPAL", "UVIB", "-"), "mm/h");
}

TEST(ArquivoIni, ReaisGravadosSobUmSeparadorVoltamExatosSobOOutro) {
    // Values of up to 15 significant digits come back bit for bit.
    const double valores[] = {0.5, 100, 1234.5, 0.002, 0.418, 0.333333333333333, 1e-5, 0.024, -2.75};
    const std::size_t total = std::size(valores);
    for (char gravacao : {'.', ','}) {
        PastaTemporaria pasta;
        const TArquivoIni ini(pasta / "p.tvk");
        {
            RegionalTemporario regional(ComSeparador(gravacao));
            for (std::size_t i = 0; i < total; ++i) ini.EscreverReal("R", "v" + std::to_string(i), valores[i]);
        }
        const std::string bytes = LerBytes(ini.Caminho());
        EXPECT_NE(bytes.find(std::string("v0=0") + gravacao + "5\r\n"), std::string::npos) << bytes;
        EXPECT_NE(bytes.find("v1=100\r\n"), std::string::npos) << bytes;
        const char leitura = gravacao == '.' ? ',' : '.';
        RegionalTemporario regional(ComSeparador(leitura));
        for (std::size_t i = 0; i < total; ++i)
            EXPECT_EQ(ini.LerReal("R", "v" + std::to_string(i), -1), valores[i]) << gravacao << " -> " << leitura;
    }
}

// Regression: the 15-digit text of a value near the top of the double range ("1.79769313486232E308")
// exceeds it, and the value read back as the default. Such values are kept at the largest readable one.
TEST(ArquivoIni, ReaisNoTopoDaFaixaVoltamLegiveis) {
    PastaTemporaria pasta;
    const TArquivoIni ini(pasta / "p.tvk");
    const struct {
        double gravado, lido;
    } casos[] = {
        {std::numeric_limits<double>::max(), 1.79769313486231e308},
        {-std::numeric_limits<double>::max(), -1.79769313486231e308},
        {1.7976931348623e308, 1.7976931348623e308},
        {1e308, 1e308},
    };
    for (const auto& caso : casos) {
        ini.EscreverReal("R", "v", caso.gravado);
        EXPECT_EQ(ini.LerReal("R", "v", 0), caso.lido) << caso.gravado;
    }
    ini.EscreverTexto("R", "v", "1.79769313486232E308");
    EXPECT_EQ(ini.LerReal("R", "v", -1), -1) << "a text beyond the range still reads as the default";
}

// Guards against texts that a plain "key=value" line would alter: blanks at the ends (the blank
// coordinate mask "  °  '  \"") and enclosing quotes.
TEST(ArquivoIni, TextosVoltamComoForamGravados) {
    const std::string textos[] = {"  \xC2\xB0  '  \"", "21\xC2\xB0" "14'00\"", "\"Fazenda\"", "'x'", " a ", "", "\"", "a=b"};
    PastaTemporaria pasta;
    const TArquivoIni ini(pasta / "p.tvk");
    for (std::size_t i = 0; i < std::size(textos); ++i) ini.EscreverTexto("T", "t" + std::to_string(i), textos[i]);
    for (std::size_t i = 0; i < std::size(textos); ++i)
        EXPECT_EQ(ini.LerTexto("T", "t" + std::to_string(i), "-"), textos[i]) << i;
    EXPECT_NE(LerBytes(ini.Caminho()).find("t1=21\xB0" "14'00\"\r\n"), std::string::npos) << "written as it stands";
}

TEST(ArquivoIni, ApagarChaveAusenteNaoCriaArquivo) {
    PastaTemporaria pasta;
    TArquivoIni(pasta / "p.ini").ApagarChave("A", "x");
    EXPECT_FALSE(std::filesystem::exists(pasta / "p.ini"));
}

TEST(ArquivoIni, ArquivoSomenteLeituraRecusaGravacaoEFicaIntacto) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "p.tvk";
    GravarBytes(caminho, "[A]\r\nx=1\r\n");
    std::filesystem::permissions(caminho, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    try {
        TArquivoIni(caminho).EscreverTexto("A", "x", "2");
        FAIL() << "a read-only file was written";
    } catch (const EGravacaoArquivo& e) {
        EXPECT_NE(std::string(e.what()).find("somente leitura"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(caminho), std::string::npos) << e.what();
    }
    EXPECT_EQ(LerBytes(caminho), "[A]\r\nx=1\r\n");
    EXPECT_EQ(ArquivosNaPasta(pasta.Caminho()), 1);
}

TEST(ArquivoIni, PastaInexistenteDaErroClaro) {
    PastaTemporaria pasta;
    try {
        TArquivoIni(pasta / "falta/p.tvk").EscreverTexto("A", "x", "1");
        FAIL() << "a file was written into a missing folder";
    } catch (const EGravacaoArquivo& e) {
        EXPECT_NE(std::string(e.what()).find("a pasta n\xC3\xA3o existe"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(pasta / "falta"));
}

TEST(ArquivoIni, PastaProtegidaDaErroEMantemOArquivo) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into a protected folder";
    PastaTemporaria pasta;
    const std::string caminho = pasta / "p.tvk";
    GravarBytes(caminho, "[A]\r\nx=1\r\n");
    std::filesystem::permissions(pasta.Caminho(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_THROW(TArquivoIni(caminho).EscreverTexto("A", "x", "2"), EGravacaoArquivo);
    EXPECT_EQ(LerBytes(caminho), "[A]\r\nx=1\r\n");
}

// Guards against a write that truncates the file before the new content is safely on disk.
TEST(ArquivoIni, GravacaoInterrompidaDeixaOArquivoAntigoIntacto) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "p.tvk";
    const std::string antigo = "[A]\r\nx=" + std::string(3000, 'a') + "\r\n";
    GravarBytes(caminho, antigo);

    // The system refuses to write more than 1000 bytes into any file: the new content cannot be written.
    rlimit anterior{};
    ::getrlimit(RLIMIT_FSIZE, &anterior);
    const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = anterior;
    limite.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &limite);
    bool falhou = false;
    try {
        TArquivoIni(caminho).EscreverTexto("A", "y", "novo");
    } catch (const EGravacaoArquivo&) {
        falhou = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, sinalAnterior);

    EXPECT_TRUE(falhou);
    EXPECT_EQ(LerBytes(caminho), antigo);
    EXPECT_EQ(ArquivosNaPasta(pasta.Caminho()), 1) << "the temporary file is removed";
}

TEST(ArquivoIni, GravacaoMantemPermissoesEAtravessaLigacao) {
    namespace fs = std::filesystem;
    PastaTemporaria pasta;
    const std::string alvo = pasta / "alvo.tvk";
    GravarBytes(alvo, "[A]\r\nx=1\r\n");
    const auto permissoes = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(alvo, permissoes);
    fs::create_symlink("alvo.tvk", pasta / "ligacao.tvk");

    TArquivoIni(pasta / "ligacao.tvk").EscreverTexto("A", "x", "2");

    EXPECT_TRUE(fs::is_symlink(pasta / "ligacao.tvk"));
    EXPECT_EQ(LerBytes(alvo), "[A]\r\nx=2\r\n");
    EXPECT_EQ(fs::status(alvo).permissions() & fs::perms::all, permissoes);
}
