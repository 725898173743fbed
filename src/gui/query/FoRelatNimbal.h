// The window of the rainfall query report: the report of the place shown in the query dialog, in an HTML
// view that can be printed.
#pragma once

#include <QDialog>
#include <QImage>

#include <functional>
#include <string>

#include "rainfall/RelatorioNimbal.h"

class QAction;
class QPrinter;
class QTextBrowser;

namespace talvek::gui {

class TfrmFoConsulta;

class TfrmFoRelatNimbal : public QDialog {
public:
    // `pastaDados`: the shared data folder of the header picture, ending with a separator; `impressora`:
    // the program's printer, the one "Configurar Impressora" sets up.
    TfrmFoRelatNimbal(const TfrmFoConsulta& consulta, const std::string& pastaDados, QPrinter& impressora,
                      QWidget* pai = nullptr);

    // What the report shows of the dialog, dated `data`.
    static TDadosRelatorioNimbal DadosRelatorio(const TfrmFoConsulta& consulta, const std::string& pastaDados,
                                                const std::string& data);
    // The dialog's state map with a black dot of 7 pixels at the marker position.
    static QImage MapaComPonto(const TfrmFoConsulta& consulta);

    // "&Imprimir": the print dialog, then the chosen page range (all pages when none was chosen).
    void ImprimirClick();
    // The print dialog; true when the user confirmed. Tests answer it themselves.
    std::function<bool(QPrinter&)> ConfirmarImpressao;

    QTextBrowser* Navegador;
    QAction* Imprimir;
    QAction* ExportarPdf;  // "Exportar PDF…": the report as a PDF file
    QAction* Fechar;

protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void Compor();

    const TfrmFoConsulta& consulta_;
    std::string pastaDados_;
    QPrinter& impressora_;
};

}  // namespace talvek::gui
