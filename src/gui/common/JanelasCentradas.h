// API: CentrarNaTela(janela) — moves a window to the middle of the screen it is on; ManterNaTela(janela) —
// makes it fit the screen.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace talvek::gui {

inline void CentrarNaTela(QWidget& janela) {
    QScreen* tela = janela.screen() ? janela.screen() : QGuiApplication::primaryScreen();
    if (!tela) return;
    QRect moldura = janela.frameGeometry();
    moldura.moveCenter(tela->availableGeometry().center());
    janela.move(moldura.topLeft());
}

// A window larger than the free area of its screen is shrunk to it, and one reaching out of that area is
// centred on it, so that its frame, title bar and buttons can all be reached.
inline void ManterNaTela(QWidget& janela) {
    QScreen* tela = janela.screen() ? janela.screen() : QGuiApplication::primaryScreen();
    if (!tela) return;
    const QRect area = tela->availableGeometry();
    const QSize moldura = janela.frameGeometry().size() - janela.size();  // title bar and borders
    janela.resize(janela.size().boundedTo(area.size() - moldura));
    if (!area.contains(janela.frameGeometry())) CentrarNaTela(janela);
}

}  // namespace talvek::gui
