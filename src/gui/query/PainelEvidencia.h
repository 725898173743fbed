// The panel of the query dialog that shows where the parameters come from: the heaviest stations with their
// state, distance, share of the weight and K, a, b, c, the line of the others, and the thin-evidence
// warnings. The table folds away; the warnings stay in sight.
#pragma once

#include <QWidget>

#include "rainfall/EvidenciaChuva.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace talvek::gui {

class TPainelEvidencia : public QWidget {
public:
    explicit TPainelEvidencia(QWidget* pai = nullptr);

    void Mostrar(const TEvidenciaChuva& evidencia);
    void Limpar();

    QToolButton* Expandir;     // shows or folds the table
    QPushButton* CurvasIdf;    // "Curvas IDF" of the parameters shown
    QLabel* Avisos;
    QTableWidget* Tabela;
};

}  // namespace talvek::gui
