#include "platform/Html.h"

namespace talvek {

std::string EscaparHtml(const std::string& texto) {
    std::string escapado;
    escapado.reserve(texto.size());
    for (const char c : texto) {
        switch (c) {
            case '&': escapado += "&amp;"; break;
            case '<': escapado += "&lt;"; break;
            case '>': escapado += "&gt;"; break;
            case '"': escapado += "&quot;"; break;
            default: escapado += c;
        }
    }
    return escapado;
}

}  // namespace talvek
