// The hydrograph page of the main window (system without partial flooding): the hillslope outflow and the
// drain's outlet hydrograph in one chart with the design peak marked, and beside them the water balance of
// the design and the numerical uncertainty of its flow. What it shows is computed in the core
// (design/uBalancoHidrico); the page only draws it.
#pragma once

#include <QImage>
#include <QWidget>

#include "platform/TabelaPlanilha.h"

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QTextBrowser;
class QValueAxis;

namespace talvek {
struct TBalancoHidrico;
}

namespace talvek::gui {

class TExportacaoGrafico;

class TPaginaHidrograma : public QWidget {
public:
    explicit TPaginaHidrograma(QWidget* pai = nullptr);

    // The chart, the tables and the warnings of a type-3 balance.
    void Mostrar(const TBalancoHidrico& balanco);
    // The chart on white for the report: at its size on screen, at most 640 px wide; 640 × 420 px when the
    // page has not been shown.
    QImage FiguraGrafico();

    QChartView* Grafico;
    QLineSeries* SerieEncosta;  // L/s per metre of drain, left axis
    QLineSeries* SerieCanal;    // L/s at the drain's outlet, right axis
    QScatterSeries* SeriePico;  // the design peak, labelled with its value and time
    QTextBrowser* Tabelas;
    QLabel* Avisos;
    // Both hydrographs as a table and the chart as a picture out of the window; its button sits in the
    // page's button row.
    TExportacaoGrafico* Exportacao;
    QPushButton* BVoltar;
    QPushButton* BAjuda;

private:
    QChart* grafico_;
    QValueAxis* eixoTempo_;
    QValueAxis* eixoEncosta_;
    QValueAxis* eixoCanal_;
    TTabelaPlanilha tabela_;  // the hydrographs charted
};

}  // namespace talvek::gui
