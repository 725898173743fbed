#include <gtest/gtest.h>

#include "platform/Codificacao.h"

using namespace talvek;

TEST(Codificacao, Windows1252IdaEVolta) {
    struct Caso {
        const char* windows1252;
        const char* utf8;
    };
    const Caso casos[] = {
        {"Sao Paulo", "Sao Paulo"},
        {"S\xE3o Jos\xE9", "São José"},
        {"Uap\xE9s \xE7\xC7\xBA", "Uapés çÇº"},
        {"\x80 \x96 \x9F", "€ – Ÿ"},
        {"-16\xB0" "05'00\"", "-16°05'00\""},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(Windows1252ParaUtf8(caso.windows1252), caso.utf8);
        EXPECT_EQ(Utf8ParaWindows1252(caso.utf8), std::string(caso.windows1252));
    }
}

TEST(Codificacao, TextoSemRepresentacaoOuMalFormadoERecusado) {
    for (const char* utf8 : {"日本", "\xE3o", "\xC3", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_EQ(Utf8ParaWindows1252(utf8), std::nullopt) << utf8;
    EXPECT_FALSE(EUtf8Valido("S\xE3o"));
    EXPECT_TRUE(EUtf8Valido("São"));
    EXPECT_TRUE(EUtf8Valido(""));
}

TEST(Codificacao, BytesForaDoUtf8ViramOCaractereDeSubstituicao) {
    const struct {
        const char* bytes;
        const char* utf8;
    } casos[] = {
        {"São", "São"},
        {"S\xE3o", "S\xEF\xBF\xBDo"},
        {"\xC3", "\xEF\xBF\xBD"},
        {"a\xC0\x80z", "a\xEF\xBF\xBD\xEF\xBF\xBDz"},
        {"/p/\xFF\xFE.tvk", "/p/\xEF\xBF\xBD\xEF\xBF\xBD.tvk"},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(Utf8ComSubstitutos(caso.bytes), caso.utf8) << caso.bytes;
        EXPECT_TRUE(EUtf8Valido(Utf8ComSubstitutos(caso.bytes)));
    }
}

// A message quotes at most 80 characters of a field, however long the field.
TEST(Codificacao, TrechoCitadoTemNoMaximo80Caracteres) {
    const std::string oitenta = std::string(79, 'a') + "ç";
    EXPECT_EQ(TrechoCitado(oitenta), oitenta) << "80 characters, 81 bytes: whole";
    EXPECT_EQ(TrechoCitado(oitenta + "b"), oitenta + "…");
    EXPECT_EQ(TrechoCitado(std::string(10'000'000, 'N')), std::string(80, 'N') + "…");
    EXPECT_EQ(TrechoCitado(std::string(100, '\xFF')), std::string(80, '\xFF') + "…") << "a stray byte is a character";
    EXPECT_EQ(TrechoCitado(""), "");
}
