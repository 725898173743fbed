// The core's progress hook in the desktop program: busy pointer and one pass of pending events.
#pragma once

#include "platform/Progresso.h"

namespace talvek::gui {

class ProgressoQt final : public IProgresso {
public:
    void CursorOcupado(bool ocupado) override;
    void ProcessarEventos() override;
};

}  // namespace talvek::gui
