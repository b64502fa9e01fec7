#pragma once

#include <string>

namespace coilwise {

// The user's number conventions. The engine formats and reads every number through this
// interface so that it stays free of any toolkit; the program adapts the system locale to it.
class Locale {
public:
    virtual ~Locale() = default;
    // Both separators are UTF-8 texts (a narrow no-break space is several bytes).
    virtual const std::string& decimalSeparator() const = 0;
    virtual const std::string& groupSeparator() const = 0;
    virtual const std::string& currencySymbol() const = 0;
    // The amount as the currency format shows it, after rounding it with roundCurrency().
    virtual std::string formatCurrency(double amount) const = 0;
    // The amount rounded as the currency format shows it (halves away from zero).
    virtual double roundCurrency(double amount) const = 0;
};

// A locale whose conventions are given outright: the tests' locale, and the command line's
// when no toolkit locale is wanted.
struct FixedLocaleConventions {
    std::string decimal = ".";
    std::string group = ",";
    std::string symbol = "$";
    bool symbolBefore = true;
    std::string symbolSpacing; // text between symbol and digits, e.g. a blank
    int currencyDecimals = 2;
};

class FixedLocale final : public Locale {
public:
    FixedLocale() = default;
    explicit FixedLocale(FixedLocaleConventions conventions) : conventions_(std::move(conventions)) {}

    // A point-decimal locale and a comma-decimal one, the two the tests use most.
    static FixedLocale point();
    static FixedLocale comma();

    const std::string& decimalSeparator() const override { return conventions_.decimal; }
    const std::string& groupSeparator() const override { return conventions_.group; }
    const std::string& currencySymbol() const override { return conventions_.symbol; }
    std::string formatCurrency(double amount) const override;
    double roundCurrency(double amount) const override;

private:
    FixedLocaleConventions conventions_;
};

} // namespace coilwise
