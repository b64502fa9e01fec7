#pragma once

#include <QLocale>
#include <array>
#include <optional>
#include <string>

namespace coilwise {

// How a Qt locale writes an amount of money, learned once from QLocale::toCurrencyString, so that
// an amount is written without going through Qt (a third of Calculate's time went there).
struct CurrencyLayout {
    std::string prefix; // before the digits of an amount of zero or more, such as "$"
    std::string suffix; // after them, such as " €"
    std::string negativePrefix;
    std::string negativeSuffix;
    std::array<std::string, 10> digits; // the locale's own, such as "٠" to "٩"
    bool asciiDigits = true;            // "0" to "9"
    std::string decimal;
    std::string group; // none when the locale does not group
    int groupSize = 3; // the digits in the group next to the separator
    int higherGroupSize = 3;
    int leastBeforeSeparator = 1; // digits that must stand before a separator (1234 567 in Polish)
    int decimals = 2;
};

// The layout that writes exactly what toCurrencyString writes for every amount the probes try;
// none for a locale it cannot describe.
std::optional<CurrencyLayout> learnCurrencyLayout(const QLocale& locale, int decimals);

// The amount rounded to the layout's decimals (halves away from zero, as roundHalfAway rounds)
// as the locale writes it. Amounts from 10^13 on are left to Qt, where 15 significant digits no
// longer hold every cent.
std::optional<std::string> writeCurrency(const CurrencyLayout& layout, double amount);

} // namespace coilwise
