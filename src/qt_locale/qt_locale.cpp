#include "qt_locale.h"

#include "engine/display_mask.h"

namespace coilwise {

namespace {

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// Every figure of the program is written in Latin digits with the locale's separators; amounts
// of money follow the same rule, whatever digits the locale's own currency format has (Arabic,
// Persian, Bengali, Chakma... some beyond the 16-bit characters).
std::string latinDigits(const std::string& text) {
    QString latin;
    for (const char32_t c : QString::fromStdString(text).toUcs4()) {
        const int digit = QChar::digitValue(c);
        if (digit >= 0) {
            latin += QChar(u'0' + digit);
        } else {
            latin += QString::fromUcs4(&c, 1);
        }
    }
    return utf8(latin);
}

bool hasNativeDigits(const QLocale& locale) {
    const std::string probe = utf8(locale.toCurrencyString(1234567890.12));
    return probe != latinDigits(probe);
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
      currency_(learnCurrencyLayout(locale, currencyDecimals_)), nativeDigits_(hasNativeDigits(locale)) {}

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
    std::string written;
    if (std::optional<std::string> fromLayout =
            currency_ ? writeCurrency(*currency_, amount) : std::nullopt) {
        written = *std::move(fromLayout);
    } else {
        written = utf8(locale_.toCurrencyString(roundCurrency(amount)));
    }
    return nativeDigits_ ? latinDigits(written) : written;
}

double QtLocale::roundCurrency(double amount) const {
    return roundHalfAway(amount, currencyDecimals_);
}

} // namespace coilwise
