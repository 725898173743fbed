// HTML text of the reports.
#pragma once

#include <string>

namespace talvek {

// Size of a picture a report shows, pixels.
struct TTamanhoFigura {
    int Largura;
    int Altura;
};

// `texto` with &, <, > and " written as character references, so that a text typed by the user or read from
// a file shows as written, in content as between the quotes of an attribute.
std::string EscaparHtml(const std::string& texto);

}  // namespace talvek
