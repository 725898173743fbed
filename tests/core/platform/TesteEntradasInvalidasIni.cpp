// Profile files from other programs: encodings that do not say what they are. See tests/ENTRADAS_INVALIDAS.md.
#include <gtest/gtest.h>

#include <string>

#include "PastaTemporaria.h"
#include "platform/ArquivoIni.h"
#include "platform/Codificacao.h"

using namespace talvek;
using talvek::teste::GravarBytes;
using talvek::teste::LerBytes;
using talvek::teste::PastaTemporaria;

// Guards against a UTF-8 file (with BOM) holding a line of Windows-1252 bytes, whose texts came out as
// invalid UTF-8 and then could not be written back: a project that opened could never be saved.
TEST(EntradasInvalidasIni, LinhaWindows1252NumArquivoUtf8ELidaComoWindows1252EPodeSerRegravada) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "misto.tvk";
    GravarBytes(caminho, "\xEF\xBB\xBF[IDENTIFICACAO]\nNome=S\xE3o Jo\xE3o\nLocal=Ch\xC3\xA1" "cara\nDescri\xE7\xE3o=x\n");
    const TArquivoIni ini(caminho);

    const std::string nome = ini.LerTexto("IDENTIFICACAO", "Nome", "?");
    EXPECT_EQ(nome, "S\xC3\xA3o Jo\xC3\xA3o");
    EXPECT_EQ(ini.LerTexto("IDENTIFICACAO", "Local", "?"), "Ch\xC3\xA1" "cara");
    ASSERT_NO_THROW(ini.EscreverTexto("IDENTIFICACAO", "Nome", nome));
    EXPECT_EQ(ini.LerTexto("IDENTIFICACAO", "Nome", "?"), nome);

    // A key named in Windows-1252 bytes takes a new value that reads back.
    ini.EscreverTexto("IDENTIFICACAO", "Descri\xC3\xA7\xC3\xA3o", "a\xC3\xA7\xC3\xA3o");
    EXPECT_EQ(ini.LerTexto("IDENTIFICACAO", "Descri\xC3\xA7\xC3\xA3o", "?"), "a\xC3\xA7\xC3\xA3o");
    EXPECT_EQ(ini.LerTexto("IDENTIFICACAO", "Local", "?"), "Ch\xC3\xA1" "cara");
}

// Guards against a Windows-1252 file whose bytes happened to form UTF-8 after a write or a deletion: it was
// then read as UTF-8, and the value just written (or the others) came back as other characters.
TEST(EntradasInvalidasIni, ArquivoWindows1252QueFormariaUtf8ContinuaLegivel) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "w1252.tvk";
    const TArquivoIni ini(caminho);

    GravarBytes(caminho, "[A]\r\nx=1\r\n");
    ini.EscreverTexto("A", "y", "\xC3\x83\xC2\xA9");  // "Ã©", Windows-1252 bytes C3 A9
    EXPECT_EQ(ini.LerTexto("A", "y", "?"), "\xC3\x83\xC2\xA9");
    EXPECT_EQ(ini.LerTexto("A", "x", "?"), "1");

    GravarBytes(caminho, "[A]\r\nx=\xFF\r\ny=\xC3\xA9\r\n");  // ÿ and "Ã©"
    ini.ApagarChave("A", "x");
    EXPECT_EQ(ini.LerTexto("A", "y", "?"), "\xC3\x83\xC2\xA9");
    EXPECT_TRUE(EUtf8Valido(LerBytes(caminho)));
}

// Guards against a new section whose key needed UTF-8: the header went in as Windows-1252 bytes and the
// key as UTF-8, so the file was neither and the value came back as other characters.
TEST(EntradasInvalidasIni, SecaoNovaComValorForaDoWindows1252FicaNumaSoCodificacao) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "secao.tvk";
    GravarBytes(caminho, "[A]\r\nx=S\xE3o\r\n");
    const TArquivoIni ini(caminho);
    ini.EscreverTexto("Se\xC3\xA7\xC3\xA3o", "b", "\xC6\xBD");  // "Seção", b = U+01BD
    EXPECT_EQ(ini.LerTexto("SE\xC3\x87\xC3\x83O", "b", "?"), "\xC6\xBD");
    EXPECT_EQ(ini.LerTexto("A", "x", "?"), "S\xC3\xA3o");
    EXPECT_TRUE(EUtf8Valido(LerBytes(caminho)));
}

// Guards against a file cut between the carriage return and the line feed of its last line: a key added
// after it turned that return into part of the value ("1\r").
TEST(EntradasInvalidasIni, UltimaLinhaCortadaEntreCrELfGanhaAQuebraInteira) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "cortado.tvk";
    GravarBytes(caminho, "[A]\r\nx=1\r");
    const TArquivoIni ini(caminho);
    ini.EscreverTexto("A", "y", "2");
    EXPECT_EQ(ini.LerTexto("A", "x", "?"), "1");
    EXPECT_EQ(LerBytes(caminho), "[A]\r\nx=1\r\ny=2\r\n");
}
