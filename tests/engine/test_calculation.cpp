#include "engine/calculation.h"
#include "engine/memory_window.h"
#include "support/worked_examples.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace coilwise {
namespace {

using Texts = std::map<std::string, std::string>;

class Calculation : public testing::Test {
protected:
    Calculation() {
        record.frec = 50;
        record.tiserv = 1;
        record.carga = true;
    }

    void type(const WorkedExample& example) {
        window.setText({Field::labvpri}, example.primary);
        for (std::size_t i = 0; i < example.secondaries.size(); ++i) {
            window.setText({Field::labvsec, static_cast<int>(i) + 1}, example.secondaries[i].volts);
            window.setText({Field::labisec, static_cast<int>(i) + 1}, example.secondaries[i].amps);
        }
    }

    void type(const std::string& primary, const std::vector<std::pair<std::string, std::string>>& rows) {
        window.setText({Field::labvpri}, primary);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            window.setText({Field::labvsec, static_cast<int>(i) + 1}, rows[i].first);
            window.setText({Field::labisec, static_cast<int>(i) + 1}, rows[i].second);
        }
    }

    Outcome calculate() {
        window.forgetObservations();
        return Command1_Click(record, window, locale);
    }

    std::string at(Field field, int row = 0) const { return window.text({field, row}); }

    // Every result field of row 1 and the single fields, by name.
    Texts results() const {
        Texts texts;
        for (int f = 0; f < fieldCount; ++f) {
            const auto field = static_cast<Field>(f);
            const FieldRef ref{field, isRowField(field) ? 1 : 0};
            texts[fieldRefName(ref)] = window.text(ref);
        }
        return texts;
    }

    void expectFields(const Texts& expected) const {
        const Texts actual = results();
        for (const auto& [name, text] : expected) {
            EXPECT_EQ(actual.at(name), text) << name;
        }
    }

    FixedLocale locale = FixedLocale::point();
    DesignRecord record;
    MemoryWindow window{record, locale};
};

// The worked example's texts as this locale shows them: amounts follow a dollar sign.
Texts pointLocaleTexts(const WorkedExample& example) {
    Texts texts;
    for (const auto& [name, text] : example.results) {
        texts[name] = name.starts_with("tbxcosto") ? "$" + text : text;
    }
    return texts;
}

class WorkedExamples : public Calculation, public testing::WithParamInterface<const WorkedExample*> {};

TEST_P(WorkedExamples, GiveTheirResults) {
    const WorkedExample& example = *GetParam();
    record.frec = static_cast<std::int16_t>(example.frequency);
    record.tiserv = static_cast<std::int16_t>(example.service);
    record.costofe = example.ironPrice;
    record.costocu = example.copperPrice;
    type(example);
    ASSERT_EQ(calculate(), Outcome::ok);
    expectFields(pointLocaleTexts(example));
    EXPECT_EQ(record.tiposervicio, "Continuous service");
    EXPECT_EQ(record.q, static_cast<std::int16_t>(example.secondaries.size()));
}

INSTANTIATE_TEST_SUITE_P(Table, WorkedExamples, testing::ValuesIn(workedExamples),
                         [](const testing::TestParamInfo<const WorkedExample*>& info) {
                             return info.param->name;
                         });

TEST(CalculationInCommaLocale, ReadsAndWritesTheLocalesSeparator) {
    const WorkedExample& example = endToEndExample;
    const FixedLocale comma = FixedLocale::comma();
    DesignRecord record;
    record.frec = 50;
    record.tiserv = 1;
    record.carga = true;
    record.costofe = example.ironPrice;
    record.costocu = example.copperPrice;
    MemoryWindow window(record, comma);
    window.setText({Field::labvpri}, example.primary);
    window.setText({Field::labvsec, 1}, example.secondaries[0].volts);
    window.setText({Field::labisec, 1}, example.secondaries[0].amps);
    ASSERT_EQ(Command1_Click(record, window, comma), Outcome::ok);
    EXPECT_EQ(window.text({Field::labvsec, 1}), withDecimalComma(example.result("labvsec(1)")));
    EXPECT_EQ(window.text({Field::labalambpri}), withDecimalComma(example.result("labalambpri")));
    EXPECT_EQ(window.text({Field::labrprim}), withDecimalComma(example.result("labrprim")));
    EXPECT_EQ(window.text({Field::tbxcostotot}), withDecimalComma(example.result("tbxcostotot")) + " €");
}

struct CoreCase {
    const char* primary;
    const char* volts;
    const char* amps;
    const char* tongue;
    const char* depth;
};

class CoreSelection : public Calculation, public testing::WithParamInterface<CoreCase> {};

TEST_P(CoreSelection, TakesTheFirstCoreThatHoldsTheWindings) {
    const CoreCase& c = GetParam();
    type(c.primary, {{c.volts, c.amps}});
    ASSERT_EQ(calculate(), Outcome::ok);
    EXPECT_EQ(at(Field::labchapa), c.tongue);
    EXPECT_EQ(at(Field::labprof), c.depth);
}

INSTANTIATE_TEST_SUITE_P(Laminations, CoreSelection,
                         testing::Values(CoreCase{"12", "3", "0.1", "10", "10"},  // smallest, never deeper
                                         CoreCase{"220", "3", "0.1", "13", "16"}, // 13 mm on a 16 mm stack
                                         CoreCase{"220", "3", "1", "16", "16"},
                                         CoreCase{"220", "3", "1.3", "16", "19"}, // 16 mm on a 19 mm stack
                                         CoreCase{"220", "3", "2", "19", "27"},
                                         CoreCase{"220", "3", "3", "22", "22"}, // after 19 on 19 and 27
                                         CoreCase{"220", "48", "8", "64", "64"}));

TEST_F(Calculation, FiveRowsMoveTheFocusToTheNotes) {
    type("220", {{"6", "0.1"}, {"9", "0.1"}, {"12", "0.1"}, {"15", "0.1"}, {"24", "0.1"}});
    ASSERT_EQ(calculate(), Outcome::ok);
    EXPECT_EQ(record.q, 5);
    EXPECT_EQ(window.focus(), (FieldRef{Field::labobs}));
    for (int i = 1; i <= 5; ++i) {
        EXPECT_FALSE(at(Field::labesp, i).empty()) << i;
    }
}

TEST_F(Calculation, RowAfterAGapIsNotCalculatedAndIsBlanked) {
    type("220", {{"12", "1"}, {"", ""}, {"9", "0.5"}});
    ASSERT_EQ(calculate(), Outcome::ok);
    EXPECT_EQ(record.q, 1);
    EXPECT_EQ(at(Field::labvsec, 3), "");
    EXPECT_EQ(at(Field::labisec, 3), "");
    EXPECT_EQ(at(Field::labptot), "12.0");
    EXPECT_EQ(window.focus(), (FieldRef{Field::labvsec, 2}));
}

TEST_F(Calculation, HalfFilledRowInsideTheCountIsCheckedSilently) {
    // Two full rows make the first count 2; row 1 has no current, so row 1 is in use but fails.
    type("220", {{"12", ""}, {"9", "1"}, {"6", "1"}});
    EXPECT_EQ(calculate(), Outcome::inputError);
    EXPECT_EQ(record.q, 2);
    EXPECT_EQ(window.beeps(), 0);
    EXPECT_TRUE(window.messages().empty());
    EXPECT_EQ(window.focus(), (FieldRef{Field::labisec, 1}));
}

TEST_F(Calculation, NoRowInUseClearsTheWindow) {
    type("220", {{"12", ""}});
    window.setText({Field::labnpri}, "old");
    EXPECT_EQ(calculate(), Outcome::cleared);
    EXPECT_EQ(at(Field::labnpri), "");
    EXPECT_EQ(at(Field::labvsec, 1), "");
    EXPECT_EQ(at(Field::labvpri), "220");
    EXPECT_TRUE(window.messages().empty());
    EXPECT_EQ(window.focus(), (FieldRef{Field::labvsec, 1}));
    EXPECT_FALSE(record.archivomodif);
}

TEST_F(Calculation, InputErrorKeepsPreviousResultsAndRowsThatPassed) {
    type(endToEndExample);
    ASSERT_EQ(calculate(), Outcome::ok);
    record.archivomodif = false;
    type("220", {{"7", "2"}, {"9", "0.001"}, {"5", "1"}});
    window.setText({Field::labvsec, 3}, "");
    window.setText({Field::labisec, 3}, "");
    window.setText({Field::labvsec, 4}, "3");
    window.setText({Field::labisec, 4}, "3");

    EXPECT_EQ(calculate(), Outcome::inputError);
    EXPECT_EQ(window.beeps(), 1);
    EXPECT_EQ(window.messages(), std::vector<std::string>{"Current value mus be\npositive, 10mA minimum."});
    EXPECT_EQ(window.focus(), (FieldRef{Field::labisec, 2}));
    EXPECT_EQ(at(Field::labvsec, 1), "7.00"); // rewritten before row 2 failed
    EXPECT_EQ(at(Field::labisec, 2), "0.001");
    EXPECT_EQ(at(Field::labvsec, 4), "3"); // not blanked: blanking follows the checks
    EXPECT_EQ(at(Field::labnpri), endToEndExample.result("labnpri"));
    EXPECT_FALSE(record.archivomodif);
}

TEST_F(Calculation, PrimaryErrorStopsBeforeCounting) {
    type("3000", {{"12", "1"}});
    EXPECT_EQ(calculate(), Outcome::inputError);
    EXPECT_EQ(window.beeps(), 1);
    EXPECT_EQ(window.messages(),
              std::vector<std::string>{"The voltage value must be\nbetween 0,5 and 2000 volts."});
    EXPECT_EQ(window.focus(), (FieldRef{Field::labvpri}));
    EXPECT_EQ(record.q, 0);
}

TEST_F(Calculation, RowChecksWaitForTheLoad) {
    record.carga = false;
    type(endToEndExample);
    EXPECT_EQ(calculate(), Outcome::ok);
    type("3000", {});
    EXPECT_EQ(calculate(), Outcome::inputError); // the primary check always applies
}

struct CannotCase {
    const char* name;
    const char* primary;
    std::vector<std::pair<std::string, std::string>> rows;
};

class CannotCalculate : public Calculation, public testing::WithParamInterface<CannotCase> {};

TEST_P(CannotCalculate, BeepsAndKeepsThePreviousResults) {
    type(endToEndExample);
    ASSERT_EQ(calculate(), Outcome::ok);
    record.archivomodif = false;
    window.setText({Field::labvsec, 1}, "");
    window.setText({Field::labisec, 1}, "");
    type(GetParam().primary, GetParam().rows);

    EXPECT_EQ(calculate(), Outcome::cannotCalculate);
    EXPECT_EQ(window.beeps(), 1);
    EXPECT_EQ(window.messages(),
              std::vector<std::string>{"It is not possible to calculate.\nRefer to a proper manual."});
    EXPECT_EQ(at(Field::labnpri), endToEndExample.result("labnpri"));
    EXPECT_EQ(at(Field::labvsec, 5), ""); // rows not in use were blanked before the stop
    EXPECT_FALSE(record.archivomodif);
    EXPECT_FALSE(record.recalcularcosto);
}

INSTANTIATE_TEST_SUITE_P(
    Stops, CannotCalculate,
    testing::Values(CannotCase{"SecondaryWireTooThick", "220", {{"5", "1"}, {"12", "9.9"}}},
                    CannotCase{"PrimaryWireTooThick", "12", {{"24", "5"}}},
                    CannotCase{"NoLaminationLargeEnough",
                               "2000",
                               {{"2000", "1.5"}, {"2000", "1.5"}, {"2000", "1.5"}, {"2000", "1.5"}}}),
    [](const testing::TestParamInfo<CannotCase>& info) { return info.param.name; });

TEST_F(Calculation, ServiceSetsItsConstants) {
    record.tiserv = 3;
    type(endToEndExample);
    ASSERT_EQ(calculate(), Outcome::ok);
    EXPECT_EQ(record.tiposervicio, "Random service");
    EXPECT_EQ(record.gauss, 13500);
    EXPECT_EQ(record.deltadia, 3.5);
}

TEST_F(Calculation, SettingsOutOfRangeAreRefused) {
    type(endToEndExample);
    for (auto [frec, tiserv] : {std::pair<std::int16_t, std::int16_t>{55, 1}, {50, 0}, {60, 4}}) {
        record.frec = frec;
        record.tiserv = tiserv;
        EXPECT_EQ(calculate(), Outcome::cannotCalculate) << frec << " Hz, service " << tiserv;
        EXPECT_EQ(window.messages().size(), 1U);
        EXPECT_EQ(at(Field::labnpri), "");
    }
}

TEST_F(Calculation, NewPriceRecalculatesEverythingAndChangesOnlyTheCosts) {
    type(endToEndExample);
    ASSERT_EQ(calculate(), Outcome::ok);
    const Texts before = results();
    record.costocu = 20;
    EXPECT_EQ(nuevocosto(record, window, locale), Outcome::ok);
    EXPECT_FALSE(record.recalcularcosto);
    Texts after = results();
    EXPECT_EQ(after.at("tbxcostocu"), "$2.18");
    EXPECT_EQ(after.at("tbxcostotot"), "$2.18");
    after["tbxcostocu"] = before.at("tbxcostocu");
    after["tbxcostotot"] = before.at("tbxcostotot");
    EXPECT_EQ(after, before);
}

TEST_F(Calculation, TotalCostAddsTheAmountsAsShown) {
    // 450 + 150 g of iron at 0.0075 per kg is 0.0045 (shown 0.00), and 109 g of copper at 0.05 is
    // 0.00545 (shown 0.01): the total shows their sum, not the rounded unrounded sum.
    record.costofe = 0.0075;
    record.costocu = 0.05;
    type(endToEndExample);
    ASSERT_EQ(calculate(), Outcome::ok);
    EXPECT_EQ(at(Field::tbxcostofe), "$0.00");
    EXPECT_EQ(at(Field::tbxcostocu), "$0.01");
    EXPECT_EQ(at(Field::tbxcostotot), "$0.01");
}

} // namespace
} // namespace coilwise
