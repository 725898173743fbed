// API: ExportarPdf(pai, documento, tituloReserva) — "Exportar PDF…" of the report windows;
// DefinirIdentificacaoDocumentos(fonte) — where the title and author of every exported PDF come from.
// The reports leave the program as PDF files through Qt's PDF writer, with the project's name as the
// document title and the technician as its author.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QTextDocument;
class QWidget;

namespace talvek::gui {

struct TIdentificacaoPdf {
    QString Titulo;  // the project's name
    QString Autor;   // the technician
};

// The main window gives the identification of the open project; without it the title is the report's.
void DefinirIdentificacaoDocumentos(std::function<TIdentificacaoPdf()> fonte);

// The document's XMP metadata: title, author (dc:creator) and the program as the creating tool. Qt's
// writer has no author entry of its own, so the author travels here.
QByteArray MetadadosXmp(const TIdentificacaoPdf& identificacao);

// Writes `documento` as an A4 PDF with margins of 20 mm. Raises Exception("Não foi possível gravar o
// arquivo …") when the file cannot be written.
void GravarPdf(const QTextDocument& documento, const QString& caminho, const TIdentificacaoPdf& identificacao);

// Asks for the file (the save dialog of InterfaceUsuario, proposing the title as its name) and writes the
// PDF; a cancelled dialog writes nothing. `tituloReserva` is the title when the project has no name.
void ExportarPdf(QWidget* pai, const QTextDocument& documento, const QString& tituloReserva);

}  // namespace talvek::gui
