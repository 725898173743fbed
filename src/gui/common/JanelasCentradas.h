// API: CentrarNaTela(janela) — moves a window to the middle of the screen it is on.
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

}  // namespace talvek::gui
