#include "engine/display_mask.h"
#include "engine/number_text.h"
#include "qt_locale/qt_locale.h"

#include <gtest/gtest.h>

namespace coilwise {
namespace {

QtLocale named(const char* name) {
    std::optional<QtLocale> locale = QtLocale::forName(QString::fromUtf8(name));
    EXPECT_TRUE(locale.has_value()) << name;
    return locale.value_or(QtLocale(QLocale::c()));
}

TEST(QtLocale, CIsPointDecimalWithoutGrouping) {
    const QtLocale c = named("C");
    EXPECT_EQ(c.decimalSeparator(), ".");
    EXPECT_EQ(c.groupSeparator(), "");
    EXPECT_EQ(parseNumber("1234.5", c), 1234.5);
    EXPECT_EQ(parseNumber("1,234.5", c), std::nullopt);
    EXPECT_EQ(parseNumber("2,5", c), std::nullopt);
    EXPECT_EQ(formatMask(2.5, "0.00", c), "2.50");
    EXPECT_EQ(c.formatCurrency(1.5), "1.50");
    EXPECT_EQ(c.formatCurrency(1234.5), "1234.50");
}

TEST(QtLocale, GermanReadsAndWritesCommaDecimals) {
    const QtLocale de = named("de_DE");
    EXPECT_EQ(de.decimalSeparator(), ",");
    EXPECT_EQ(de.groupSeparator(), ".");
    EXPECT_EQ(de.currencySymbol(), "\xe2\x82\xac");
    EXPECT_EQ(parseNumber("1.234,5", de), 1234.5);
    EXPECT_EQ(parseNumber("2,5 \xe2\x82\xac", de), 2.5);
    EXPECT_EQ(parseNumber("2.5", de), std::nullopt);
    EXPECT_EQ(formatMask(107.8614, "#####0.000", de), "107,861");
    const std::string amount = de.formatCurrency(1.5);
    EXPECT_TRUE(amount.starts_with("1,50") && amount.ends_with("\xe2\x82\xac")) << amount;
}

// The currency's own decimals decide the rounding, halves away from zero, and the amount shown is
// the rounded one, so that shown amounts add up.
TEST(QtLocale, RoundsAsTheCurrencyShows) {
    const struct {
        const char* name;
        double amount;
        double rounded;
        std::string shown;
    } cases[] = {
        {"C", 2.675, 2.68, "2.68"},
        {"C", 0.125, 0.13, "0.13"},
        {"de_DE", 1.005, 1.01, "1,01"},
        {"ja_JP", 2.5, 3,
         "\xef\xbf\xa5"
         "3"},
        {"ja_JP", 1234.4, 1234,
         "\xef\xbf\xa5"
         "1,234"},
        {"ja_JP", 0.5, 1,
         "\xef\xbf\xa5"
         "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.amount));
        const QtLocale locale = named(c.name);
        EXPECT_EQ(locale.roundCurrency(c.amount), c.rounded);
        EXPECT_NE(locale.formatCurrency(c.amount).find(c.shown), std::string::npos)
            << locale.formatCurrency(c.amount);
    }
}

// The layout learned once writes every amount as Qt itself does, in every locale Qt has, but in
// Latin digits as every other figure is.
TEST(QtLocale, WritesAmountsAsQtDoesInEveryLocale) {
    const double amounts[] = {0,
                              0.004,
                              -0.004,
                              0.005,
                              -0.005,
                              0.01,
                              0.125,
                              2.675,
                              -1.005,
                              2.5,
                              -2.5,
                              0.5,
                              1,
                              -1,
                              12.34,
                              999.995,
                              1000,
                              -1000,
                              9999.5,
                              12345.678,
                              -54321.099,
                              100000,
                              1234567.891,
                              -1234567.891,
                              9876543210.5,
                              -12345678901.23,
                              99999999999.99,
                              1e12,
                              123456789012.345,
                              -987654321098.76};
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    for (const QLocale& qt : locales) {
        SCOPED_TRACE(qt.name().toStdString());
        const QtLocale locale(qt);
        EXPECT_TRUE(locale.writesCurrencyItself());
        for (const double amount : amounts) {
            QString expected;
            for (const char32_t c : qt.toCurrencyString(locale.roundCurrency(amount)).toUcs4()) {
                expected += QChar::digitValue(c) >= 0 ? QString(QChar(u'0' + QChar::digitValue(c)))
                                                      : QString::fromUcs4(&c, 1);
            }
            ASSERT_EQ(locale.formatCurrency(amount), expected.toStdString()) << amount;
        }
    }
}

// In Arabic and Persian locales the costs once came in the locale's own digits, every other field
// in Latin ones.
TEST(QtLocale, AmountsUseLatinDigitsAsEveryFigureDoes) {
    for (const char* name : {"ar_EG", "fa_IR"}) {
        const std::string shown = named(name).formatCurrency(1234.56);
        SCOPED_TRACE(name);
        EXPECT_EQ(shown.find_first_of("0123456789"), shown.find('1')) << shown;
        EXPECT_NE(shown.find("1"), std::string::npos) << shown;
        for (const char* arabicIndic : {"\xd9\xa1", "\xdb\xb1"}) {
            EXPECT_EQ(shown.find(arabicIndic), std::string::npos) << shown;
        }
    }
}

TEST(QtLocale, KnowsWhichNamesItCanUse) {
    for (const char* known : {"", "C", "POSIX", "C.UTF-8", "de_DE", "de_DE.UTF-8", "fr"}) {
        EXPECT_TRUE(QtLocale::forName(QString::fromUtf8(known)).has_value()) << known;
    }
    for (const char* unknown : {"xx_YY", "Klingon"}) {
        EXPECT_FALSE(QtLocale::forName(QString::fromUtf8(unknown)).has_value()) << unknown;
    }
}

} // namespace
} // namespace coilwise
