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
    // The mask rounds as roundCurrency() does, on the same 15 significant digits.
    const std::string plain = formatMask(amount, DisplayMask::fixed(conventions_.currencyDecimals), *this);

    const bool negative = plain.starts_with('-');
    const std::string_view body = std::string_view(plain).substr(negative ? 1 : 0);
    const std::size_t integerEnd = std::min(body.find_first_not_of("0123456789"), body.size());
    const bool symbolBefore = conventions_.symbolBefore && !conventions_.symbol.empty();
    const bool symbolAfter = !conventions_.symbolBefore && !conventions_.symbol.empty();

    std::string out;
    out.reserve(plain.size() + integerEnd / 3 * conventions_.group.size() + conventions_.symbol.size() +
                conventions_.symbolSpacing.size());
    if (negative) {
        out += '-';
    }
    if (symbolBefore) {
        out += conventions_.symbol;
        out += conventions_.symbolSpacing;
    }
    for (std::size_t i = 0; i < integerEnd; ++i) {
        if (i > 0 && (integerEnd - i) % 3 == 0) {
            out += conventions_.group;
        }
        out += body[i];
    }
    out += body.substr(integerEnd);
    if (symbolAfter) {
        out += conventions_.symbolSpacing;
        out += conventions_.symbol;
    }
    return out;
}

double FixedLocale::roundCurrency(double amount) const {
    return roundHalfAway(amount, conventions_.currencyDecimals);
}

} // namespace coilwise
