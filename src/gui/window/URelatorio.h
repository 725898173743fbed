// The report window: shows the design report of the current model, regenerated at every activation, and
// prints it.
#pragma once

#include <QDialog>
#include <QImage>

#include <functional>

#include "report/TextoRelatorio.h"

class QAction;
class QPrinter;
class QTextBrowser;
class QToolBar;

namespace talvek::gui {

class TFRelatorio : public QDialog {
public:
    using TFonteDados = std::function<TDadosRelatorio()>;
    using TFonteGrafico = std::function<QImage()>;

    // `dados` gives the model as it stands at each generation; `grafico`, when set (the report asked for
    // from the simulation page), draws the simulation chart for the report's picture. `impressora` is
    // the printer of the main window.
    TFRelatorio(TFonteDados dados, TFonteGrafico grafico, QPrinter& impressora, QWidget* pai = nullptr);
    ~TFRelatorio() override;

    // Composes the document, with the chart's picture held in memory, and loads it into the viewer; a
    // failure is shown in the standard error box and the viewer keeps what it showed.
    void Gerar();
    // "&Imprimir": the print dialog, then the chosen page range (all pages when none was chosen).
    void Imprimir();
    // The widest chart picture (px) the viewer shows whole at the window's minimum size; a wider chart is
    // scaled down to it.
    int LarguraMaximaFigura() const;

    // Draws the hydrograph chart of the water-balance section (system without partial flooding); kept in the
    // document's memory, never written to disk.
    TFonteGrafico GraficoHidrograma;

    // The print dialog; true when the user confirmed. Tests answer it themselves.
    std::function<bool(QPrinter&)> ConfirmarImpressao;

    QToolBar* ToolBar1;
    QAction* ToolButton1;
    QAction* BExportarPdf;  // "Exportar PDF…": the document as a PDF file
    QAction* BFechar;
    QTextBrowser* Viewer;

protected:
    bool event(QEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    TFonteDados dados_;
    TFonteGrafico grafico_;
    QPrinter& impressora_;
    bool falhou_ = false;  // the last generation failed: activations no longer retry it
};

}  // namespace talvek::gui
