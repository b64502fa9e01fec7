#include "locale.h"

#include "display_mask.h"

#include <algorithm>
#include <string_view>

namespace coilwise {

FixedLocale FixedLocale::point() {
    return FixedLocale({".", ",", "$", true, "", 2});
}

FixedLocale FixedLocale::comma() {
    return FixedLocale({",", ".", "\xe2\x82\xac" /* euro sign */, false, " ", 2});
}

std::string FixedLocale::formatCurrency(double amount) const {
    const int decimals = conventions_.currencyDecimals;
    const std::string mask = decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
    const std::string plain = formatMask(roundCurrency(amount), mask, *this);

    const bool negative = plain.starts_with('-');
    const std::string_view body = std::string_view(plain).substr(negative ? 1 : 0);
    const std::size_t integerEnd = std::min(body.find_first_not_of("0123456789"), body.size());
    std::string digits;
    for (std::size_t i = 0; i < integerEnd; ++i) {
        if (i > 0 && (integerEnd - i) % 3 == 0) {
            digits += conventions_.group;
        }
        digits += body[i];
    }
    digits += body.substr(integerEnd);

    std::string out = negative ? "-" : "";
    if (conventions_.symbol.empty()) {
        return out + digits;
    }
    if (conventions_.symbolBefore) {
        return out + conventions_.symbol + conventions_.symbolSpacing + digits;
    }
    return out + digits + conventions_.symbolSpacing + conventions_.symbol;
}

double FixedLocale::roundCurrency(double amount) const {
    return roundHalfAway(amount, conventions_.currencyDecimals);
}

} // namespace coilwise
