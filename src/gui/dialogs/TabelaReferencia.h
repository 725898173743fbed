// The common look of the reference-value dialogs: tables laid out like those of a handbook (bold column
// headings over a rule, groups in bold, rules between groups, the source in small type under the table)
// and the row of buttons "&Ok", "&Cancelar", "Aj&uda".
#pragma once

#include <QString>

class QDialog;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace talvek::gui {

QLabel* RotuloCabecalho(const QString& texto, QWidget* pai);   // column heading, bold, centred
QLabel* RotuloGrupo(const QString& texto, QWidget* pai);       // group of rows, bold, word-wrapped
QLabel* RotuloSubgrupo(const QString& texto, QWidget* pai);    // sub-group of rows, italic, word-wrapped
QLabel* RotuloValor(const QString& texto, QWidget* pai);       // a value cell, centred
QLabel* RotuloCitacao(const QString& texto, QWidget* pai);     // source line under a table, small type
QFrame* Regua(QWidget* pai);                                   // horizontal rule across a table

// Puts a rule across all `colunas` columns of `grade` at `linha`.
void AdicionarRegua(QGridLayout& grade, int linha, int colunas);

struct BotoesDialogo {
    QPushButton* ok;       // "&Ok", the default button
    QPushButton* cancela;  // "&Cancelar"
    QPushButton* ajuda;    // "Aj&uda"
};

// Creates the three buttons as children of `dialogo`; "Aj&uda" opens the help topic of the dialog's help
// context, the caller connects the other two and lays them out.
BotoesDialogo CriarBotoes(QDialog& dialogo);

// The bottom row of a reference dialog: the value box with its label on the left (when given), the three
// buttons on the right.
QHBoxLayout* LinhaBotoes(const BotoesDialogo& botoes, QLabel* rotulo = nullptr, QWidget* campo = nullptr);

// The layout of a form dialog (configuration, identification): `campos` over the row of the three
// buttons, at a fixed size; "&Cancelar" rejects, the caller connects "&Ok".
BotoesDialogo MontarDialogoFormulario(QDialog& dialogo, QLayout* campos);

}  // namespace talvek::gui
