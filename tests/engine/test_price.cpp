#include "engine/locale.h"
#include "engine/price.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace coilwise {
namespace {

struct PriceCase {
    std::string text;
    std::optional<double> settingsFile;
    std::optional<double> costsDialog;
    std::optional<double> commandLine;
};

// The three sources side by side: where they part is the point of each row.
TEST(Price, EachSourceReadsPricesItsOwnWay) {
    const std::vector<PriceCase> cases = {
        {"2.5", 2.5, 2.5, 2.5},
        {"12", 12, 12, 12},
        {"", 0, std::nullopt, std::nullopt},
        {"-2", -2, std::nullopt, std::nullopt},
        {" 2", 2, std::nullopt, 2},
        {"$2", 2, std::nullopt, 2},
        {"2,5", std::nullopt, std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt, std::nullopt},
        {"1e9", 1e9, 1e9, 1e9},
        {"2e9", std::nullopt, std::nullopt, std::nullopt},
        {"-2e9", std::nullopt, std::nullopt, std::nullopt},
    };
    const FixedLocale point = FixedLocale::point();
    for (const PriceCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readPrice(c.text, point, PriceSource::settingsFile), c.settingsFile);
        EXPECT_EQ(readPrice(c.text, point, PriceSource::costsDialog), c.costsDialog);
        EXPECT_EQ(readPrice(c.text, point, PriceSource::commandLine), c.commandLine);
    }
}

TEST(Price, ReadsInTheLocale) {
    const FixedLocale comma = FixedLocale::comma();
    for (const PriceSource source :
         {PriceSource::settingsFile, PriceSource::costsDialog, PriceSource::commandLine}) {
        EXPECT_EQ(readPrice("2,5", comma, source), 2.5);
        EXPECT_EQ(readPrice("2.5", comma, source), std::nullopt);
    }
}

} // namespace
} // namespace coilwise
