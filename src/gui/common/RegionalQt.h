// The regional settings of the core taken from a Qt locale (the system's, at start-up).
#pragma once

#include "platform/Regional.h"

class QLocale;

namespace talvek::gui {

// Decimal and thousands separators and the short-date format of `locale` (month written "m", as in
// "dd/mm/yyyy"; "dd/mm/yyyy" for the C locale, which has no date format of its own). A separator that is
// not a single ASCII character falls back to "." for decimals (and "," for thousands, or "." when the
// decimal separator is ",").
ConfiguracaoRegional RegionalDoLocale(const QLocale& locale);

}  // namespace talvek::gui
