#include "platform/Codificacao.h"

#include <cstdint>

namespace talvek {

namespace {

// Code points of the bytes 0x80–0x9F in Windows-1252 (the rest of the upper half is Latin-1).
constexpr char32_t kFaixa80a9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AcrescentarUtf8(std::string& saida, char32_t c) {
    if (c < 0x80) {
        saida += static_cast<char>(c);
    } else if (c < 0x800) {
        saida += static_cast<char>(0xC0 | (c >> 6));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        saida += static_cast<char>(0xE0 | (c >> 12));
        saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at `i`, advancing it; no value on a malformed sequence.
std::optional<char32_t> ProximoCaractere(const std::string& texto, std::size_t& i) {
    const auto byte = [&texto](std::size_t k) { return static_cast<std::uint8_t>(texto[k]); };
    const std::uint8_t b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int continuacoes;
    char32_t c;
    char32_t minimo;
    if ((b0 & 0xE0) == 0xC0) {
        continuacoes = 1, c = b0 & 0x1F, minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        continuacoes = 2, c = b0 & 0x0F, minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        continuacoes = 3, c = b0 & 0x07, minimo = 0x10000;
    } else {
        return std::nullopt;
    }
    if (i + continuacoes >= texto.size()) return std::nullopt;
    for (int k = 1; k <= continuacoes; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    i += continuacoes + 1;
    return c;
}

}  // namespace

std::string Windows1252ParaUtf8(const std::string& texto) {
    std::string saida;
    saida.reserve(texto.size() + texto.size() / 8);
    for (char ch : texto) {
        const auto b = static_cast<std::uint8_t>(ch);
        AcrescentarUtf8(saida, b >= 0x80 && b <= 0x9F ? kFaixa80a9F[b - 0x80] : char32_t{b});
    }
    return saida;
}

std::optional<std::string> Utf8ParaWindows1252(const std::string& texto) {
    std::string saida;
    saida.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        const std::optional<char32_t> c = ProximoCaractere(texto, i);
        if (!c) return std::nullopt;
        if (*c < 0x80 || (*c >= 0xA0 && *c <= 0xFF)) {
            saida += static_cast<char>(*c);
            continue;
        }
        int byte = -1;
        for (int k = 0; k < 32; ++k)
            if (kFaixa80a9F[k] == *c) byte = 0x80 + k;
        if (byte < 0) return std::nullopt;
        saida += static_cast<char>(byte);
    }
    return saida;
}

bool EUtf8Valido(const std::string& texto) {
    for (std::size_t i = 0; i < texto.size();)
        if (!ProximoCaractere(texto, i)) return false;
    return true;
}

std::string Utf8ComSubstitutos(const std::string& texto) {
    std::string saida;
    saida.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t inicio = i;
        if (ProximoCaractere(texto, i)) {
            saida.append(texto, inicio, i - inicio);
        } else {
            saida += "\xEF\xBF\xBD";
            i = inicio + 1;
        }
    }
    return saida;
}

std::string TrechoCitado(const std::string& texto) {
    constexpr int kMaximoCaracteres = 80;
    std::size_t fim = 0;
    for (int caracteres = 0; fim < texto.size() && caracteres < kMaximoCaracteres; ++caracteres) {
        const std::size_t inicio = fim;
        if (!ProximoCaractere(texto, fim)) fim = inicio + 1;  // a stray byte counts as one character
    }
    return fim < texto.size() ? texto.substr(0, fim) + "…" : texto;
}

}  // namespace talvek
