#include "engine/alternatives.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace coilwise {
namespace {

struct Typed {
    explicit Typed(const std::string& primary, const std::string& volts, const std::string& amps,
                   int service = 1)
        : window(record, locale) {
        record.frec = 50;
        record.tiserv = static_cast<std::int16_t>(service);
        record.costofe = 2.5;
        record.costocu = 12;
        window.setText({Field::labvpri}, primary);
        window.setText({Field::labvsec, 1}, volts);
        window.setText({Field::labisec, 1}, amps);
    }
    FixedLocale locale = FixedLocale::point();
    DesignRecord record;
    MemoryWindow window;
};

TEST(AlternativeStacks, SquareAndDeeperInWholeMillimetres) {
    EXPECT_EQ(alternativeStacks(10), (std::vector<int>{10, 13, 15, 20}));
    EXPECT_EQ(alternativeStacks(23), (std::vector<int>{23, 29, 35, 46}));
    EXPECT_EQ(alternativeStacks(13), (std::vector<int>{13, 16, 20, 26}));
}

TEST(Alternatives, EveryLaminationWithItsStacksFittingFirstAndCalculatesCoreMarked) {
    Typed typed("220", "12", "1");
    const std::vector<ChosenCore> own{*chosenCore(25, 25)};
    const AlternativesTable table = alternatives(typed.window, typed.record, typed.locale, own);
    ASSERT_EQ(table.calculateOutcome, Outcome::ok);
    ASSERT_EQ(table.rows.size(), 12U * 4 + 1);

    const auto firstNotFitting =
        std::find_if(table.rows.begin(), table.rows.end(), [](const Alternative& a) { return !a.fits; });
    EXPECT_TRUE(std::all_of(firstNotFitting, table.rows.end(), [](const Alternative& a) { return !a.fits; }));
    EXPECT_EQ(firstNotFitting->name, "EI 30 \xc3\x97 10");
    EXPECT_GT(firstNotFitting->fillPercent, 55);
    // Holds the windings at no allowance, not at the 0.01 regulation needs.
    const auto ei66 = std::find_if(table.rows.begin(), table.rows.end(),
                                   [](const Alternative& a) { return a.name == "EI 66 \xc3\x97 22"; });
    ASSERT_NE(ei66, table.rows.end());
    EXPECT_FALSE(ei66->fits);
    EXPECT_NEAR(ei66->fillPercent, 55.13, 0.01);

    const auto marked = std::count_if(table.rows.begin(), table.rows.end(),
                                      [](const Alternative& a) { return a.calculateChoice; });
    EXPECT_EQ(marked, 1);
    const Alternative& chosen = *std::find_if(table.rows.begin(), table.rows.end(),
                                              [](const Alternative& a) { return a.calculateChoice; });
    EXPECT_EQ(chosen.name, "EI 69 \xc3\x97 23");
    // The same design as Calculate's: 709 g, 1.50 + 1.31 at the stored prices, 82 %.
    EXPECT_EQ(chosen.run->window().text({Field::labpesotot}), "709");
    EXPECT_NEAR(chosen.cost, 1.5 + 1.308, 1e-5);
    EXPECT_NEAR(chosen.efficiencyPercent, 82, 0.5);
    EXPECT_EQ(chosen.warnings, 0);
    EXPECT_TRUE(chosen.radialFit);
    EXPECT_NEAR(chosen.worstNoLoadRisePercent, 9.0, 0.05);

    const auto custom = std::find_if(table.rows.begin(), table.rows.end(),
                                     [](const Alternative& a) { return a.core.custom; });
    ASSERT_NE(custom, table.rows.end());
    EXPECT_EQ(custom->name, "EI 75 \xc3\x97 25");
    EXPECT_TRUE(custom->fits);
}

TEST(Alternatives, SortingKeepsTheCoresThatDoNotFitBelow) {
    Typed typed("220", "12", "1");
    AlternativesTable table = alternatives(typed.window, typed.record, typed.locale, {});
    const auto fitting =
        std::count_if(table.rows.begin(), table.rows.end(), [](const Alternative& a) { return a.fits; });
    for (const AlternativeColumn column : {AlternativeColumn::weight, AlternativeColumn::cost,
                                           AlternativeColumn::efficiency, AlternativeColumn::core}) {
        for (const bool ascending : {true, false}) {
            sortAlternatives(table.rows, column, ascending);
            EXPECT_TRUE(std::all_of(table.rows.begin(), table.rows.begin() + fitting,
                                    [](const Alternative& a) { return a.fits; }));
        }
    }
    sortAlternatives(table.rows, AlternativeColumn::weight, true);
    EXPECT_TRUE(std::is_sorted(
        table.rows.begin(), table.rows.begin() + fitting,
        [](const Alternative& x, const Alternative& y) { return x.totalGrams < y.totalGrams; }));
    sortAlternatives(table.rows, AlternativeColumn::efficiency, false);
    EXPECT_GE(table.rows.front().efficiencyPercent,
              table.rows[static_cast<std::size_t>(fitting) - 1].efficiencyPercent);
}

// Calculate refuses 20 A, but the larger cores take it with parallel strands.
TEST(Alternatives, CurrentsBeyondTheWireTableFitWithStrands) {
    Typed typed("230", "12", "20", 3);
    const AlternativesTable table = alternatives(typed.window, typed.record, typed.locale, {});
    EXPECT_EQ(table.calculateOutcome, Outcome::cannotCalculate);
    EXPECT_TRUE(
        std::any_of(table.rows.begin(), table.rows.end(), [](const Alternative& a) { return a.fits; }));
    EXPECT_TRUE(std::none_of(table.rows.begin(), table.rows.end(),
                             [](const Alternative& a) { return a.calculateChoice; }));
}

TEST(Alternatives, InputErrorGivesNoRowsAndTheMessage) {
    Typed typed("220", "12", "0");
    const AlternativesTable table = alternatives(typed.window, typed.record, typed.locale, {});
    EXPECT_EQ(table.calculateOutcome, Outcome::inputError);
    EXPECT_TRUE(table.rows.empty());
    ASSERT_EQ(table.calculateWindow->messages().size(), 1U);
    EXPECT_EQ(table.calculateWindow->messages().front(), "Current value mus be\npositive, 10mA minimum.");
    EXPECT_EQ(table.calculateWindow->focus(), (FieldRef{Field::labisec, 1}));
}

} // namespace
} // namespace coilwise
