// Text encodings: random bytes taken as Windows-1252 and as UTF-8.
// Invariants:
// - Windows-1252 text always becomes valid UTF-8 and converts back to the same bytes;
// - UTF-8 validity agrees with an independent check of the byte ranges of well-formed UTF-8;
// - a UTF-8 text that converts to Windows-1252 converts back to itself, and invalid UTF-8 never converts.
#include <optional>
#include <string>

#include "ComumFuzz.h"
#include "platform/Codificacao.h"

using namespace talvek;
using namespace talvek::fuzz;

namespace {

// Well-formed UTF-8 by the table of byte ranges of the Unicode standard (shortest forms, no surrogates,
// at most U+10FFFF).
bool Utf8BemFormado(const std::string& texto) {
    const auto em = [](unsigned char c, unsigned char de, unsigned char ate) { return c >= de && c <= ate; };
    for (std::size_t i = 0; i < texto.size();) {
        const auto b = [&](std::size_t k) { return static_cast<unsigned char>(texto[i + k]); };
        const std::size_t resta = texto.size() - i;
        if (b(0) <= 0x7F) {
            i += 1;
        } else if (em(b(0), 0xC2, 0xDF) && resta >= 2 && em(b(1), 0x80, 0xBF)) {
            i += 2;
        } else if (resta >= 3 && em(b(2), 0x80, 0xBF) &&
                   ((b(0) == 0xE0 && em(b(1), 0xA0, 0xBF)) || (em(b(0), 0xE1, 0xEC) && em(b(1), 0x80, 0xBF)) ||
                    (b(0) == 0xED && em(b(1), 0x80, 0x9F)) || (em(b(0), 0xEE, 0xEF) && em(b(1), 0x80, 0xBF)))) {
            i += 3;
        } else if (resta >= 4 && em(b(2), 0x80, 0xBF) && em(b(3), 0x80, 0xBF) &&
                   ((b(0) == 0xF0 && em(b(1), 0x90, 0xBF)) || (em(b(0), 0xF1, 0xF3) && em(b(1), 0x80, 0xBF)) ||
                    (b(0) == 0xF4 && em(b(1), 0x80, 0x8F)))) {
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = Windows1252ParaUtf8(bytes);
    Exigir(EUtf8Valido(utf8), "Windows-1252 vira UTF-8 válido", Visivel(bytes));
    Exigir(Utf8ParaWindows1252(utf8) == bytes, "Windows-1252 -> UTF-8 -> Windows-1252 devolve os bytes", Visivel(bytes));

    const bool valido = EUtf8Valido(bytes);
    Exigir(valido == Utf8BemFormado(bytes), "validade de UTF-8 conforme as faixas de bytes", Visivel(bytes));
    const std::optional<std::string> w1252 = Utf8ParaWindows1252(bytes);
    if (!valido) Exigir(!w1252, "UTF-8 inválido não se converte", Visivel(bytes));
    if (w1252) Exigir(Windows1252ParaUtf8(*w1252) == bytes, "UTF-8 -> Windows-1252 -> UTF-8 devolve o texto", Visivel(bytes));
    return 0;
}
