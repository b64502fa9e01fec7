#include "qt_locale.h"

#include "engine/display_mask.h"

namespace coilwise {

namespace {

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// Qt knows each currency's decimals but does not say them; they are the digits zero shows with.
int currencyDecimals(const QLocale& locale) {
    const QString zero = locale.toCurrencyString(0.0);
    const QString decimal = locale.decimalPoint();
    // The separator may also occur in the symbol ("S/.", "kr."): only one followed by a digit counts.
    for (qsizetype at = zero.indexOf(decimal); at >= 0; at = zero.indexOf(decimal, at + 1)) {
        int digits = 0;
        for (qsizetype i = at + decimal.size(); i < zero.size() && zero[i].isDigit(); ++i) {
            ++digits;
        }
        if (digits > 0) {
            return digits;
        }
    }
    return 0;
}

bool namesCLocale(const QString& name) {
    return name == QLatin1StringView("C") || name == QLatin1StringView("POSIX") ||
           name.startsWith(QLatin1StringView("C."));
}

} // namespace

QtLocale::QtLocale(const QLocale& locale)
    : locale_(locale), decimal_(utf8(locale.decimalPoint())),
      // The C locale is set to write numbers without grouping; reading them must agree.
      group_(locale.numberOptions().testFlag(QLocale::OmitGroupSeparator) ? std::string()
                                                                          : utf8(locale.groupSeparator())),
      symbol_(utf8(locale.currencySymbol())), currencyDecimals_(currencyDecimals(locale)),
      currency_(learnCurrencyLayout(locale, currencyDecimals_)) {}

std::optional<QtLocale> QtLocale::forName(const QString& name) {
    if (name.isEmpty()) {
        return QtLocale(QLocale::system());
    }
    // Qt answers an unknown name with the C locale.
    const QLocale locale(name);
    if (locale.language() == QLocale::C && !namesCLocale(name)) {
        return std::nullopt;
    }
    return QtLocale(locale);
}

std::string QtLocale::formatCurrency(double amount) const {
    if (currency_) {
        if (std::optional<std::string> written = writeCurrency(*currency_, amount)) {
            return *std::move(written);
        }
    }
    return utf8(locale_.toCurrencyString(roundCurrency(amount)));
}

double QtLocale::roundCurrency(double amount) const {
    return roundHalfAway(amount, currencyDecimals_);
}

} // namespace coilwise
