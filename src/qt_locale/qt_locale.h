#pragma once

#include "currency_layout.h"
#include "engine/locale.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace coilwise {

// The engine's number conventions taken from a Qt locale, the system's or one chosen by name.
class QtLocale final : public Locale {
public:
    explicit QtLocale(const QLocale& locale);

    // "" is the system locale, "C" (also "POSIX" and "C.<codeset>") the point-decimal locale without
    // grouping; none for a name Qt does not know.
    static std::optional<QtLocale> forName(const QString& name);

    const std::string& decimalSeparator() const override { return decimal_; }
    const std::string& groupSeparator() const override { return group_; }
    const std::string& currencySymbol() const override { return symbol_; }
    std::string formatCurrency(double amount) const override;
    double roundCurrency(double amount) const override;

    // Whether amounts are written from the layout learned of Qt, rather than by Qt each time.
    bool writesCurrencyItself() const { return currency_.has_value(); }

private:
    QLocale locale_;
    std::string decimal_;
    std::string group_;
    std::string symbol_;
    int currencyDecimals_ = 0;
    std::optional<CurrencyLayout> currency_;
    bool nativeDigits_ = false; // the currency format has digits other than 0 to 9
};

} // namespace coilwise
