#include "input_checks.h"

#include "number_text.h"

namespace coilwise {

namespace {

bool beginsWithDigit(const std::string& text) {
    return !text.empty() && text[0] >= '0' && text[0] <= '9';
}

// The lower limit is compared in single precision, so a value that rounds to 0.5f passes.
bool belowHalfVolt(double volts) {
    return volts < 0 || static_cast<float>(volts) < 0.5F;
}

} // namespace

std::variant<double, RunStop> checkPrimaryVoltage(const std::string& text, const Locale& locale) {
    const RunStop stop{true, primaryVoltageMessage, FieldRef{Field::labvpri}};
    if (!beginsWithDigit(text)) {
        return stop;
    }
    const std::optional<double> volts = parseNumber(text, locale);
    if (!volts || belowHalfVolt(*volts) || *volts > 2000) {
        return stop;
    }
    return *volts;
}

std::optional<RunStop> checkSecondaryRow(int row, const std::string& volts, const std::string& amps,
                                         const Locale& locale) {
    // The range is checked on the leading number, and again on the value the run will use, which
    // differs from it in a comma locale ("2000,5") or is no number at all ("1abc").
    const auto outOfRange = [](double v) {
        return v < 1 || v > 2000;
    };
    const std::optional<double> value = parseNumber(volts, locale);
    if (outOfRange(leadingNumber(volts)) || !value || outOfRange(*value)) {
        return RunStop{true, secondaryVoltageMessage, FieldRef{Field::labvsec, row}};
    }
    if (!beginsWithDigit(amps)) {
        return RunStop{false, {}, FieldRef{Field::labisec, row}};
    }
    const std::optional<double> current = parseNumber(amps, locale);
    if (!current || *current < 0.01) {
        return RunStop{true, currentMessage, FieldRef{Field::labisec, row}};
    }
    return std::nullopt;
}

} // namespace coilwise
