#include "currency_layout.h"

#include "engine/display_mask.h"

#include <cmath>
#include <string_view>
#include <vector>

namespace coilwise {

namespace {

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// A value written by the locale, cut into its integer digits at its group separators.
std::vector<std::string> integerGroups(const QLocale& locale, qlonglong value, const std::string& group) {
    const std::string text = utf8(locale.toString(value));
    std::vector<std::string> groups;
    if (group.empty()) {
        return {text};
    }
    std::size_t start = 0;
    for (std::size_t at = text.find(group); at != std::string::npos; at = text.find(group, start)) {
        groups.push_back(text.substr(start, at - start));
        start = at + group.size();
    }
    groups.push_back(text.substr(start));
    return groups;
}

// How many of the locale's digits a text holds, each one text of `digits`.
std::optional<int> digitCount(std::string_view text, const std::array<std::string, 10>& digits) {
    int count = 0;
    while (!text.empty()) {
        bool found = false;
        for (const std::string& digit : digits) {
            if (text.starts_with(digit)) {
                text.remove_prefix(digit.size());
                found = true;
                break;
            }
        }
        if (!found) {
            return std::nullopt;
        }
        ++count;
    }
    return count;
}

bool learnGrouping(const QLocale& locale, CurrencyLayout& layout) {
    if (layout.group.empty()) {
        return true;
    }
    const std::vector<std::string> groups = integerGroups(locale, 1234567890123456LL, layout.group);
    if (groups.size() < 3) {
        return false;
    }
    const std::optional<int> last = digitCount(groups[groups.size() - 1], layout.digits);
    const std::optional<int> higher = digitCount(groups[groups.size() - 2], layout.digits);
    if (!last || !higher || *last == 0 || *higher == 0) {
        return false;
    }
    layout.groupSize = *last;
    layout.higherGroupSize = *higher;
    // The first power of ten that shows a separator has the fewest digits before one.
    qlonglong value = 1;
    for (int digits = 1; digits <= 16; ++digits, value *= 10) {
        if (integerGroups(locale, value, layout.group).size() > 1) {
            layout.leastBeforeSeparator = digits - layout.groupSize;
            return layout.leastBeforeSeparator > 0;
        }
    }
    return false;
}

// The text before and after the digits of `number` in `amount`.
bool splitAround(const std::string& amount, const std::string& number, std::string& before,
                 std::string& after) {
    const std::size_t at = amount.find(number);
    if (at == std::string::npos || amount.find(number, at + 1) != std::string::npos) {
        return false;
    }
    before = amount.substr(0, at);
    after = amount.substr(at + number.size());
    return true;
}

void appendDigit(std::string& out, char digit, const CurrencyLayout& layout) {
    if (layout.asciiDigits) {
        out += digit;
    } else {
        out += layout.digits[static_cast<std::size_t>(digit - '0')];
    }
}

void appendGroupedInteger(std::string& out, std::string_view digits, const CurrencyLayout& layout) {
    const auto count = static_cast<int>(digits.size());
    for (int i = 0; i < count; ++i) {
        appendDigit(out, digits[static_cast<std::size_t>(i)], layout);
        // A separator stands where a group ends, with enough digits before it.
        const int before = i + 1;
        const int rest = count - before;
        if (!layout.group.empty() && before >= layout.leastBeforeSeparator && rest > 0 &&
            (rest == layout.groupSize ||
             (rest > layout.groupSize && (rest - layout.groupSize) % layout.higherGroupSize == 0))) {
            out += layout.group;
        }
    }
}

// Where a locale would write an amount in a way the probes missed, it is left to Qt.
constexpr double probes[] = {0,         0.5,        1,           9.99,          12.34,       -12.34,
                             100,       999.99,     1000,        -1000,         12345.67,    -98765.43,
                             123456.78, 1234567.89, -1234567.89, 1234567890.12, -99999999.99};

} // namespace

std::optional<CurrencyLayout> learnCurrencyLayout(const QLocale& locale, int decimals) {
    CurrencyLayout layout;
    layout.decimals = decimals;
    layout.decimal = utf8(locale.decimalPoint());
    layout.group = locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)
                       ? std::string()
                       : utf8(locale.groupSeparator());
    for (int digit = 0; digit < 10; ++digit) {
        std::string& text = layout.digits[static_cast<std::size_t>(digit)];
        text = utf8(locale.toString(digit));
        layout.asciiDigits = layout.asciiDigits && text == std::string(1, static_cast<char>('0' + digit));
    }
    if (!learnGrouping(locale, layout)) {
        return std::nullopt;
    }
    const double sample = 1234567;
    const std::string number = utf8(locale.toString(sample, 'f', decimals));
    if (!splitAround(utf8(locale.toCurrencyString(sample)), number, layout.prefix, layout.suffix) ||
        !splitAround(utf8(locale.toCurrencyString(-sample)), number, layout.negativePrefix,
                     layout.negativeSuffix)) {
        return std::nullopt;
    }
    for (const double probe : probes) {
        if (writeCurrency(layout, probe) != utf8(locale.toCurrencyString(roundHalfAway(probe, decimals)))) {
            return std::nullopt;
        }
    }
    return layout;
}

std::optional<std::string> writeCurrency(const CurrencyLayout& layout, double amount) {
    if (!(std::fabs(amount) < 1e13)) {
        return std::nullopt;
    }
    static const FixedLocale point = FixedLocale::point();
    const std::string plain = formatMask(amount, DisplayMask::fixed(layout.decimals), point);
    const bool negative = plain.front() == '-';
    const std::string_view number = std::string_view(plain).substr(negative ? 1 : 0);
    const std::size_t pointAt = number.find('.');

    std::string out = negative ? layout.negativePrefix : layout.prefix;
    appendGroupedInteger(out, number.substr(0, pointAt), layout);
    if (pointAt != std::string_view::npos) {
        out += layout.decimal;
        for (const char digit : number.substr(pointAt + 1)) {
            appendDigit(out, digit, layout);
        }
    }
    out += negative ? layout.negativeSuffix : layout.suffix;
    return out;
}

} // namespace coilwise
