#include "number_text.h"

#include "exact_decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace coilwise {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number taken apart into ASCII pieces, so that from_chars, which ignores the C locale, reads it.
struct NumberParts {
    bool negative = false;
    std::string integer; // group separators taken out
    std::string_view fraction;
    bool exponentNegative = false;
    std::string_view exponent;

    bool hasDigits() const { return !integer.empty() || !fraction.empty(); }

    std::errc convert(double& value) const {
        if (const std::optional<double> exact = exactValue()) {
            value = *exact;
            return {};
        }
        std::string text = negative ? "-" : "";
        text += integer.empty() ? "0" : integer;
        if (!fraction.empty()) {
            text += '.';
            text += fraction;
        }
        if (!exponent.empty()) {
            text += exponentNegative ? "e-" : "e";
            text += exponent;
        }
        return std::from_chars(text.data(), text.data() + text.size(), value).ec;
    }

private:
    // Short numbers, which are nearly all, without building a text for from_chars.
    std::optional<double> exactValue() const {
        constexpr std::size_t longest = 15;
        if (integer.size() + fraction.size() > longest || exponent.size() > 2) {
            return std::nullopt;
        }
        std::array<char, longest> digits{};
        const auto end = std::copy(fraction.begin(), fraction.end(),
                                   std::copy(integer.begin(), integer.end(), digits.begin()));
        int scale = 0;
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), scale);
        scale = exponentNegative ? -scale : scale;
        return exactDecimal(negative, {digits.data(), static_cast<std::size_t>(end - digits.begin())},
                            scale - static_cast<int>(fraction.size()));
    }
};

class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    std::size_t position() const { return pos_; }
    void moveTo(std::size_t pos) { pos_ = pos; }

    bool lookingAt(std::string_view token) const {
        return !token.empty() && text_.substr(pos_).starts_with(token);
    }
    bool take(std::string_view token) {
        if (!lookingAt(token)) {
            return false;
        }
        pos_ += token.size();
        return true;
    }
    bool digitAt(std::size_t offset) const {
        return pos_ + offset < text_.size() && isDigit(text_[pos_ + offset]);
    }

    std::string_view digits() {
        const std::size_t start = pos_;
        while (digitAt(0)) {
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }
    void skipBlanks() {
        while (take(" ") || take("\t")) {
        }
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool readSign(Cursor& in, NumberParts& parts) {
    if (in.take("-")) {
        parts.negative = true;
        return true;
    }
    return in.take("+");
}

// An "e" without digits after it is not part of the number; the cursor is left before it.
void readExponent(Cursor& in, NumberParts& parts) {
    const std::size_t start = in.position();
    if (!in.take("e") && !in.take("E")) {
        return;
    }
    parts.exponentNegative = in.take("-");
    if (!parts.exponentNegative) {
        in.take("+");
    }
    parts.exponent = in.digits();
    if (parts.exponent.empty()) {
        parts.exponentNegative = false;
        in.moveTo(start);
    }
}

// Digits where the group separator may stand only between whole groups of three, so that in a
// point locale "1,00" is refused instead of read as 100.
bool readGroupedInteger(Cursor& in, std::string_view group, std::string& integer) {
    integer = in.digits();
    bool grouped = false;
    while (!integer.empty() && in.lookingAt(group) && in.digitAt(group.size())) {
        if (!grouped && integer.size() > 3) {
            return false;
        }
        grouped = true;
        in.take(group);
        const std::string_view block = in.digits();
        if (block.size() != 3) {
            return false;
        }
        integer += block;
    }
    return true;
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whether an out-of-range number is too large (rather than too small) for a double, judged by the
// decimal exponent of its first significant digit.
bool overflows(const NumberParts& parts) {
    const std::string mantissa = parts.integer + std::string(parts.fraction);
    const auto firstSignificant = static_cast<long long>(mantissa.find_first_not_of('0'));
    const long long scale = static_cast<long long>(parts.integer.size()) - firstSignificant - 1;
    const std::string_view exponent =
        parts.exponent.substr(std::min(parts.exponent.find_first_not_of('0'), parts.exponent.size()));
    // An exponent of more than 15 digits outweighs any mantissa a text can hold.
    if (exponent.size() > 15) {
        return !parts.exponentNegative;
    }
    long long exponentValue = 0;
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), exponentValue);
    return scale + (parts.exponentNegative ? -exponentValue : exponentValue) > 0;
}

bool startsWithDigit(std::string_view text) {
    return !text.empty() && isDigit(text.front());
}

// Digits with at most one decimal separator, the way nearly every number is typed, read without
// taking the text apart: the same exact conversion the full reading ends in. None for any other
// text, and where the locale's own texts begin with a digit and so could be read otherwise.
std::optional<double> plainNumber(std::string_view text, const Locale& locale) {
    const std::string& decimal = locale.decimalSeparator();
    if (startsWithDigit(decimal) || startsWithDigit(locale.groupSeparator()) ||
        startsWithDigit(locale.currencySymbol())) {
        return std::nullopt;
    }
    std::uint64_t digits = 0;
    int significant = 0;
    int decimals = 0;
    bool anyDigit = false;
    bool afterSeparator = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const char c = text[pos];
        if (isDigit(c)) {
            significant += significant > 0 || c != '0' ? 1 : 0;
            if (significant > 15) {
                return std::nullopt;
            }
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            decimals += afterSeparator ? 1 : 0;
            anyDigit = true;
            ++pos;
        } else if (!afterSeparator && !decimal.empty() && text.substr(pos).starts_with(decimal)) {
            afterSeparator = true;
            pos += decimal.size();
        } else {
            return std::nullopt;
        }
    }
    return anyDigit ? exactDecimal(false, digits, -decimals) : std::nullopt;
}

} // namespace

std::optional<double> parseNumber(std::string_view text, const Locale& locale) {
    if (const std::optional<double> plain = plainNumber(text, locale)) {
        return plain;
    }
    const std::string& symbol = locale.currencySymbol();
    Cursor in(trimBlanks(text));
    NumberParts parts;

    const bool signBefore = readSign(in, parts);
    const bool symbolBefore = in.take(symbol);
    if (symbolBefore) {
        in.skipBlanks();
        if (!signBefore) {
            readSign(in, parts);
        }
    }
    if (!readGroupedInteger(in, locale.groupSeparator(), parts.integer)) {
        return std::nullopt;
    }
    if (in.take(locale.decimalSeparator())) {
        parts.fraction = in.digits();
    }
    if (!parts.hasDigits()) {
        return std::nullopt;
    }
    readExponent(in, parts);
    if (!symbolBefore) {
        in.skipBlanks();
        in.take(symbol);
    }
    double value = 0.0;
    if (!in.atEnd() || parts.convert(value) != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

double leadingNumber(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            compact += c;
        }
    }
    Cursor in(compact);
    NumberParts parts;
    readSign(in, parts);
    parts.integer = in.digits();
    if (in.take(".")) {
        parts.fraction = in.digits();
    }
    if (!parts.hasDigits()) {
        return 0.0;
    }
    readExponent(in, parts);

    double value = 0.0;
    if (parts.convert(value) == std::errc::result_out_of_range) {
        const double magnitude = overflows(parts) ? std::numeric_limits<double>::infinity() : 0.0;
        return parts.negative ? -magnitude : magnitude;
    }
    return value;
}

} // namespace coilwise
