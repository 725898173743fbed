// Sheets of values as spreadsheet programs save them (".csv"): a header line naming the columns, then one
// line per record. The reader finds the sheet's own conventions — field separator, decimal separator,
// encoding and line ending — so that what it writes back opens in the same program as the sheet did.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/Excecoes.h"

namespace talvek {

enum class TCodificacaoPlanilha { Utf8, Utf8ComBom, Windows1252 };

struct TFormatoPlanilha {
    char Separador = ',';  // between fields
    char Decimal = '.';    // in the numbers written back
    TCodificacaoPlanilha Codificacao = TCodificacaoPlanilha::Utf8;
    std::string Quebra = "\n";  // line ending
};

struct TLinhaPlanilha {
    std::size_t Numero;               // line of the file where the record starts, 1 the header
    std::vector<std::string> Campos;  // UTF-8, quotes removed; may be fewer than the header's
};

struct TPlanilha {
    TFormatoPlanilha Formato;
    std::size_t LinhaCabecalho = 1;      // line of the file that holds the header
    std::vector<std::string> Cabecalho;  // column names, blanks around them removed
    std::vector<TLinhaPlanilha> Linhas;  // records, blank lines left out
};

// A sheet that cannot be read; the message names the line and column (field, from 1) of the problem.
class EPlanilha : public Exception {
public:
    EPlanilha(std::size_t linha, std::size_t coluna, const std::string& problema);
};

// Reads the bytes of a sheet. Raises EPlanilha for an empty sheet, a quote left open, text after a
// closing quote, or a record with more fields than the header.
TPlanilha LerPlanilha(const std::string& bytes);

// A field as a number, "." or "," as its decimal separator (blanks around it allowed, no thousands
// separator), as the project files read their reals; no value when it is not one.
std::optional<double> NumeroDoCampo(const std::string& campo);

// The shortest text that reads back as exactly `valor`, with the sheet's decimal separator; empty when
// the value is not finite.
std::string CampoDoNumero(double valor, const TFormatoPlanilha& formato);

// The lines (header first) as the bytes of a sheet of `formato`: a field holding the separator, a quote, a
// line break or blanks at its ends is quoted, and so is the whole header of a "," sheet when one of its
// names holds a ";". A Windows-1252 sheet whose texts hold a character that code page lacks is written as
// UTF-8 with the byte-order mark, which the spreadsheet programs recognise.
std::string EscreverPlanilha(const std::vector<std::vector<std::string>>& linhas, const TFormatoPlanilha& formato);

}  // namespace talvek
