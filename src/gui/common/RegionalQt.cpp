#include "common/RegionalQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace talvek::gui {

namespace {

char CaractereAscii(const QString& texto, char alternativo) {
    if (texto.size() != 1 || texto[0].unicode() < 0x21 || texto[0].unicode() > 0x7e) return alternativo;
    return static_cast<char>(texto[0].unicode());
}

}  // namespace

ConfiguracaoRegional RegionalDoLocale(const QLocale& locale) {
    ConfiguracaoRegional regional;
    regional.SeparadorDecimal = CaractereAscii(locale.decimalPoint(), '.');
    const char milharAlternativo = regional.SeparadorDecimal == ',' ? '.' : ',';
    regional.SeparadorMilhar = CaractereAscii(locale.groupSeparator(), milharAlternativo);
    if (regional.SeparadorMilhar == regional.SeparadorDecimal) regional.SeparadorMilhar = milharAlternativo;
    // Qt writes the month "M"; the core's date pictures write it "m", as they have no minutes.
    // The C locale has no regional date of its own (Qt gives it "d MMM yyyy", an English month name):
    // day, month and year in figures there, as the program writes them by default.
    const QString data = locale.language() == QLocale::C ? QStringLiteral("dd/MM/yyyy")
                                                         : locale.dateFormat(QLocale::ShortFormat);
    regional.FormatoDataCurta = QString(data).replace(QLatin1Char('M'), QLatin1Char('m')).toStdString();
    for (QChar c : data)
        if (!c.isLetter()) {
            regional.SeparadorData = CaractereAscii(QString(c), '/');
            break;
        }
    return regional;
}

bool InstalarTraducoesQt(QCoreApplication& aplicacao, const QLocale& locale) {
    auto* traducoes = new QTranslator(&aplicacao);
    // "qt" gathers the catalogues of every Qt module (qtbase, …) of the locale's language.
    if (!traducoes->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducoes;
        return false;
    }
    return aplicacao.installTranslator(traducoes);
}

}  // namespace talvek::gui
