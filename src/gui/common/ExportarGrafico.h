// API: TExportacaoGrafico(grafico, tabela, dica) — a chart's table and picture out of the window.
// "Copiar tabela" (the clipboard gets the tab-separated table), "Salvar tabela como CSV…" and "Salvar
// gráfico como PNG…" (the save dialog of InterfaceUsuario), in the chart's context menu and in the menu of
// a button "&Tabela e gráfico" that the window places among its own. The table's text comes from the core
// (TextoPlanilha and each chart's table); this only moves it to the clipboard or a file.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>

#include "platform/TabelaPlanilha.h"

class QAction;
class QPushButton;
class QWidget;

namespace talvek::gui {

class TExportacaoGrafico : public QObject {
public:
    // The chart's table as it stands when an action runs, in the format asked for.
    using TFonteTabela = std::function<std::string(TFormatoTabela)>;

    // Lives as long as `grafico`; `dica` is the button's hint.
    TExportacaoGrafico(QWidget& grafico, TFonteTabela tabela, const QString& dica);

    QAction* CopiarTabela;
    QAction* SalvarTabelaCsv;
    QAction* SalvarGraficoPng;  // the chart as drawn on screen, at its own size
    QPushButton* Botao;         // owned by the layout the window puts it in

private:
    // Asks for a file name and writes `bytes` there; a cancelled dialog writes nothing. Raises
    // Exception("Não foi possível gravar o arquivo …") when the file cannot be written.
    void Salvar(const QString& titulo, const QString& filtro, const QString& extensao, const QByteArray& bytes);

    QWidget& grafico_;
    TFonteTabela tabela_;
};

}  // namespace talvek::gui
