// The program's standard error box: an action started by the user that fails with an exception ends
// there, and the exception's message is shown with the error icon and an OK button.
#pragma once

#include <QString>

#include <exception>
#include <utility>

class QWidget;

namespace talvek::gui {

// Title of the program's message boxes: the application title ("Talvek 2.0" in the program).
QString TituloPrograma();

void MostrarErro(QWidget* pai, const std::exception& erro);

// Runs `acao`; an exception it raises is shown by the standard error box. True when no exception left it.
template <class Acao>
bool Protegido(QWidget* pai, Acao&& acao) {
    try {
        std::forward<Acao>(acao)();
        return true;
    } catch (const std::exception& erro) {
        MostrarErro(pai, erro);
        return false;
    }
}

}  // namespace talvek::gui
