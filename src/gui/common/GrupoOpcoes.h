// Radio buttons of a reference table held in an exclusive QButtonGroup, whose ids are the row numbers
// (or the item indices of a radio group): selecting a row by program and clearing the selection, which
// an exclusive group does not allow by itself.
#pragma once

class QButtonGroup;

namespace talvek::gui {

// Unchecks every button of the group; the group stays exclusive.
void DesmarcarTodos(QButtonGroup& grupo);

// Checks the button with this id (its toggle handlers run if it was not checked yet); an id without a
// button leaves the group without selection.
void MarcarOpcao(QButtonGroup& grupo, int id);

}  // namespace talvek::gui
