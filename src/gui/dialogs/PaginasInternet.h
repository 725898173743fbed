// API: PaginasInternet(pastaPrograma) → the 4 pages of the "Internet" toolbar; DicaPagina(p); AbrirPagina(p[, abrir]) raises talvek::Exception.
// The web pages of the main window's "Internet" toolbar: three public institutions whose data the
// design relies on, and the program's own page, a file in the program's folder.
#pragma once

#include <QString>
#include <QUrl>

#include <array>
#include <functional>

#include "common/Figuras.h"

namespace talvek::gui {

inline constexpr const char* kMensagemPaginaNaoAberta = "Não foi possível abrir a página escolhida.";
inline constexpr const char* kArquivoPaginaPrograma = "Talvek2.htm";

struct TPaginaInternet {
    QString Nome;      // institution or page name
    QUrl Endereco;     // web address, or the local file of the program's own page
    Glifo Simbolo;  // glyph of its button
};

// Buttons 1 to 4, left to right. `pastaPrograma` is the program's folder (the own page lies there).
std::array<TPaginaInternet, 4> PaginasInternet(const QString& pastaPrograma);

// The button's hint: the page's name and its address.
QString DicaPagina(const TPaginaInternet& pagina);

// Starts the web browser; true when it started.
using AbridorUrl = std::function<bool(const QUrl&)>;
bool AbrirNoNavegador(const QUrl& endereco);

// Opens the page; a missing local page or a browser that cannot be started raises talvek::Exception
// with kMensagemPaginaNaoAberta, for the program's standard error box.
void AbrirPagina(const TPaginaInternet& pagina, const AbridorUrl& abrir = AbrirNoNavegador);

}  // namespace talvek::gui
