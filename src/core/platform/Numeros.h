// Numbers as text: the format pictures used on screen, in reports and in files, and the reading of typed
// or stored numbers, all with the decimal separator of the regional settings.
#pragma once

#include <optional>
#include <string>

namespace talvek {

// Formats a value by a picture such as "0.0#", " #0.0", "###0.000" or "00": "0" is a mandatory digit,
// "#" an optional one, "." stands for the decimal separator, other characters (a leading blank) are
// kept. The value is first written with 15 significant digits and then rounded half away from zero on
// that decimal text (0.125 with "0.00" gives "0.13").
std::string FormatarFloat(const std::string& picture, double valor);

// The general format: the shortest text of at most 15 significant digits ("0.1", "1E-5", "1E15").
std::string FormatarGeral(double valor);

// Reads a number written with the decimal separator of the settings: optional blanks around it, an
// optional sign, digits, one separator, an optional exponent. Anything else (including "nan", "inf",
// "1.2.3" or a value out of the double range) gives no value.
std::optional<double> LerNumero(const std::string& texto);

// The message of a text that is not a number: "'<texto>' não é um valor numérico válido."
std::string MensagemNaoNumerico(const std::string& texto);

// As LerNumero, but a text that is not a number raises Exception with MensagemNaoNumerico.
double LerNumeroOuErro(const std::string& texto);

// As LerNumero, but accepts either "." or "," as the decimal separator (values stored in files).
std::optional<double> LerNumeroQualquerSeparador(const std::string& texto);

}  // namespace talvek
