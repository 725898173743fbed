// The regional settings of the core taken from a Qt locale (the system's, at start-up).
#pragma once

#include "platform/Regional.h"

class QCoreApplication;
class QLocale;

namespace talvek::gui {

// Decimal and thousands separators and the short-date format of `locale` (month written "m", as in
// "dd/mm/yyyy"; "dd/mm/yyyy" for the C locale, which has no date format of its own). A separator that is
// not a single ASCII character falls back to "." for decimals (and "," for thousands, or "." when the
// decimal separator is ",").
ConfiguracaoRegional RegionalDoLocale(const QLocale& locale);

// Qt's own texts (the buttons of message boxes, the file and print dialogs) in the language of `locale`,
// from the translations installed with Qt; false, and Qt's English, when none are installed for it.
bool InstalarTraducoesQt(QCoreApplication& aplicacao, const QLocale& locale);

}  // namespace talvek::gui
