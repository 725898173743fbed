// The HTML view of both reports: text lines wrap one pixel short of the view's width. Qt lays out a table
// 100 % wide up to one pixel past the width at some sizes, which showed a horizontal scroll bar that
// nothing needed; content truly wider than the view still gets it.
#pragma once

class QTextBrowser;

namespace talvek::gui {

// Keeps `visor`'s wrapping width one pixel short of its viewport, through every resize.
void QuebrarAntesDaBorda(QTextBrowser& visor);

}  // namespace talvek::gui
