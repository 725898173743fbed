// The description of a reference-value dialog: a table laid out like those of a handbook, whose rows are
// radio buttons with their values, the source under it, and the rules of the value box below it. One
// dialog (uReferencia.h) and one component (Referencia.h) serve every description; the program's four
// tables are declared at the end.
#pragma once

#include <cstdint>
#include <vector>

namespace talvek::gui {

// A value cell: a text as printed in the handbook (decimal comma, whatever the regional settings), or a
// number in the unit of the table formatted in the regional settings when the dialog is shown; with `ate`
// the number is the lower end of a range.
struct CelulaReferencia {
    const char* texto = nullptr;
    double valor = 0.0;
    double ate = 0.0;
};

// One row of the table; its number (1, 2, …) is the index it gives the chosen value. A group or
// sub-group caption stands on the first of its rows and spans them.
struct LinhaReferencia {
    const char* grupo = nullptr;     // nullptr: same group as the row above
    const char* subgrupo = nullptr;  // nullptr: same sub-group as the row above, or the group has none
    const char* texto = nullptr;     // caption of the row's radio button
    std::vector<CelulaReferencia> celulas{};
};

// One line of the source under the table, in small type: a word-wrapped paragraph, or a line kept whole
// that may begin with a part in bold (the title of a work).
struct LinhaFonte {
    const char* negrito = nullptr;
    const char* texto = nullptr;
    bool quebra = false;  // word-wrapped
};

struct DescricaoReferencia {
    const char* titulo = nullptr;

    // The table.
    const char* cabecalhoLinhas = nullptr;   // heading over the row captions, left-aligned
    std::vector<const char*> cabecalhos{};   // headings over the value columns, centred
    std::vector<LinhaReferencia> linhas{};
    std::vector<int> largurasMinimas{};      // of the leading columns (group, sub-group captions), pixels
    int espacoColunas = 12;                  // pixels
    int espacoLinhas = 2;
    const char* nomeOpcao = "Opcao";         // object name of the button of row n: nomeOpcao + n

    // The source under the table; its lines are set `espacoFonte` pixels apart (-1: the dialog's spacing).
    std::vector<LinhaFonte> fonte{};
    int espacoFonte = -1;

    // The value box.
    const char* rotuloValor = nullptr;
    const char* nomeCaixa = "Edit1";
    bool caixaEmLinhaPropria = false;  // on a line of its own above the buttons, else left of them
    int colunaValor = 0;               // the cell whose value choosing a row puts in the box
    const char* formato = nullptr;     // picture of the numeric cells (FormatarFloat)
    // Tables of slopes: the numbers are slopes in m/m, shown in the program's slope unit ("%" ×100 with
    // the picture `formatoPorcento`, "m/m" ×1), and the component refuses any other unit.
    bool emDeclive = false;
    const char* formatoPorcento = nullptr;

    // A typed value: the index it carries (a row of this number, if there is one, is checked by typing
    // and puts nothing in the box when chosen), whether a key the box drops counts as typing too, and
    // whether typing unchecks the row. A value typed over a range keeps the range's row.
    std::int16_t indiceDigitado = 0;
    bool teclaRecusadaDigita = false;
    bool desmarcaAoDigitar = false;
    bool selecionaAoEntrar = false;    // the box selects its text whenever it takes the focus
    bool desmarcaAoConfirmar = false;  // OK unchecks the row

    // OK over an empty box (an error, when given); over a range row, a value longer than
    // `caracteresNaFaixa` characters is refused with `avisoFaixa` (a warning; %1, %2 the ends of the range).
    const char* avisoVazio = nullptr;
    const char* avisoFaixa = nullptr;
    int caracteresNaFaixa = 0;

    // A table taller than a screen scrolls within this height, pixels (0: the table at its full height).
    int alturaRolagem = 0;
};

// Manning roughness of excavated earth channels, s/m^(1/3): minimum, normal and maximum of each row.
extern const DescricaoReferencia kTabelaRugCan;
// Manning roughness of field surfaces for overland flow, s/m^(1/3): range and recommended value.
extern const DescricaoReferencia kTabelaRugTer;
// Z, the inverse of the slope of the side walls of an unlined trapezoidal channel (metres horizontal per
// metre vertical), by wall material; typing a value selects the row " Ou&tros".
extern const DescricaoReferencia kTabelaZ;
// Sm, the slope of the upstream wall of a triangular drain, for typical terrace cross-sections built with
// given machines, in the program's slope unit; row 7 is a range.
extern const DescricaoReferencia kTabelaSm;

}  // namespace talvek::gui
