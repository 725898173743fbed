// The IDF curves and table of an equation: the average intensity (mm/h) against the duration (5 min to 24 h,
// logarithmic axes) for return periods of 2 to 100 years, the project's own emphasised, and the intensities
// and depths at the table's durations. Opened from the query dialog and from the data-entry page.
#pragma once

#include <QDialog>

#include "model/TabelaIdf.h"

class QChart;
class QChartView;
class QTableWidget;

namespace talvek::gui {

class TExportacaoGrafico;

class TfrmFoCurvasIdf : public QDialog {
public:
    // `trProjeto`: the project's return period (years), emphasised, added to the curves and the table when
    // it is not one of theirs; 0 when not known. Exception (the storm's messages) for a negative parameter.
    TfrmFoCurvasIdf(const TParametrosIdf& parametros, double trProjeto, QWidget* pai = nullptr);

    // The return periods shown, the project's included.
    static std::vector<double> PeriodosDeRetorno(double trProjeto);

    QChartView* Grafico;
    QTableWidget* Intensidades;  // mm/h, one row per return period
    QTableWidget* Laminas;       // mm
    // The curves as a table and the chart as a picture out of the window; its button sits beside "&Fechar".
    TExportacaoGrafico* Exportacao;
};

}  // namespace talvek::gui
