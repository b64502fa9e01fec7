#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/memory_window.h"

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

TEST_F(Calculation, DeeperStackExample) {
    type("110", {{"6", "1.5"}});
    ASSERT_EQ(calculate(), Outcome::ok);
    expectFields({{"labchapa", "19"}, {"labprof", "27"}, {"labnpri", "920"}, {"labalambpri", "0.25"},
                  {"labesp(1)", "54"}, {"labalam(1)", "0.90"}, {"vacvsec(1)", "6.48"}, {"labpesoE", "355"},
                  {"labpesoI", "118"}, {"labpesocu", "90"}, {"labpesotot", "563"}, {"labrend", "81"}});
}

TEST_F(Calculation, EndToEndExampleWithCosts) {
    record.costofe = 2.5;
    record.costocu = 12;
    type("220", {{"12", "1"}});
    ASSERT_EQ(calculate(), Outcome::ok);
    expectFields({{"labnpri", "1784"},      {"labalambpri", "0.2"},  {"labpesoprim", "54"},  {"labrprim", "107.861"},
                  {"labesp(1)", "106"},     {"labalam(1)", "0.70"},  {"labcob(1)", "54"},    {"labres(1)", "0.708"},
                  {"vacvsec(1)", "13.08"},  {"labchapa", "23"},      {"labprof", "23"},      {"labpesoE", "450"},
                  {"labpesoI", "150"},      {"labpesocu", "109"},    {"labpesotot", "709"},  {"labptot", "12.0"},
                  {"labppri", "14.7"},      {"labrend", "82"},       {"labperfe", "1.5"},    {"labpercu", "1.2"},
                  {"tbxcostofe", "$1.50"},  {"tbxcostocu", "$1.31"}, {"tbxcostotot", "$2.81"}, {"labvsec(1)", "12.00"},
                  {"labisec(1)", "1.00"},   {"labvpri", "220"}});
    EXPECT_EQ(record.tiposervicio, "Continuous service");
    EXPECT_EQ(record.q, 1);
}

} // namespace
} // namespace coilwise
