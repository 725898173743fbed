// The rainfall component of the desktop program: the saved query state of TNimbal21 and the query itself,
// which opens the query dialog over the shared database and takes the user's choice over.
#pragma once

#include <QString>

#include "rainfall/Nimbal21Comp.h"

class QPrinter;
class QWidget;

namespace talvek::gui {

class TNimbal21 : public talvek::TNimbal21 {
public:
    // Folder of the program; the shared data folder is "../Arquivos Comuns/" beside it.
    QString PastaPrograma;
    // The return period the page shows (years), emphasised in the query's IDF curves; 0 when not known.
    double TrProjeto = 0;
    // The program's printer ("Configurar Impressora"), on which the query report prints.
    QPrinter* Impressora = nullptr;

    // Checks the data folder and the two database files (a missing one is reported by an exception
    // naming it), opens the query dialog over `pai` preset with the component's state, and when the user
    // closes it with "&Fechar" takes over the state, the four parameters (through the storm's setters),
    // the coordinates, the list positions, the place and the citation key: true. Cancel: false, nothing
    // changes. Parameters that are not numbers or are negative raise their message, and then nothing
    // changes either.
    bool Executar(QWidget* pai);

    // The shared data folder, ending with a separator.
    std::string PastaDados() const;
};

}  // namespace talvek::gui
