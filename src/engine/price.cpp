#include "price.h"

#include "number_text.h"

namespace coilwise {

std::optional<double> readPrice(std::string_view text, const Locale& locale, PriceSource source) {
    if (source == PriceSource::settingsFile && text.empty()) {
        return 0.0;
    }
    if (source == PriceSource::costsDialog && (text.empty() || text[0] < '0' || text[0] > '9')) {
        return std::nullopt;
    }
    const std::optional<double> value = parseNumber(text, locale);
    if (!value) {
        return std::nullopt;
    }
    const double size = source == PriceSource::settingsFile ? std::abs(*value) : *value;
    if (!isPriceInRange(size)) {
        return std::nullopt;
    }
    return value;
}

} // namespace coilwise
