#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace coilwise {

// A design worked by hand, the one place the tests take it from: what a person types, the settings
// in force, and the texts the fields show after Calculate in a point-decimal locale. Amounts are
// given without a currency symbol, which each locale places its own way.
struct WorkedExample {
    struct Row {
        std::string volts;
        std::string amps;
    };

    const char* name;
    std::string primary;
    std::vector<Row> secondaries;
    int frequency = 50;
    int service = 1;
    double ironPrice = 0;
    double copperPrice = 0;
    std::vector<std::pair<std::string, std::string>> results; // "labnpri", "labesp(1)" ... and its text

    // The text the field shows, by its name; a text no field shows when the table lacks the field.
    const std::string& result(std::string_view name) const {
        static const std::string missing = "<not in the worked example>";
        for (const auto& [field, text] : results) {
            if (field == name) {
                return text;
            }
        }
        return missing;
    }
};

// 12 V 1 A from 220 V, continuous service, iron 2.5 and copper 12 per kg: the 23 mm lamination
// stacked square.
inline const WorkedExample endToEndExample{
    "EndToEnd",
    "220",
    {{"12", "1"}},
    50,
    1,
    2.5,
    12,
    {{"labnpri", "1784"},     {"labalambpri", "0.2"}, {"labpesoprim", "54"},   {"labrprim", "107.861"},
     {"labvsec(1)", "12.00"}, {"labisec(1)", "1.00"}, {"labesp(1)", "106"},    {"labalam(1)", "0.70"},
     {"labcob(1)", "54"},     {"labres(1)", "0.708"}, {"vacvsec(1)", "13.08"}, {"labchapa", "23"},
     {"labprof", "23"},       {"labpesoE", "450"},    {"labpesoI", "150"},     {"labpesocu", "109"},
     {"labpesotot", "709"},   {"labptot", "12.0"},    {"labppri", "14.7"},     {"labrend", "82"},
     {"labperfe", "1.5"},     {"labpercu", "1.2"},    {"tbxcostofe", "1.50"},  {"tbxcostocu", "1.31"},
     {"tbxcostotot", "2.81"}},
};

// 6 V 1.5 A from 110 V, continuous service, no prices: the 19 mm lamination on its deeper 27 mm stack.
inline const WorkedExample deeperStackExample{
    "DeeperStack",
    "110",
    {{"6", "1.5"}},
    50,
    1,
    0,
    0,
    {{"labchapa", "19"},
     {"labprof", "27"},
     {"labnpri", "920"},
     {"labalambpri", "0.25"},
     {"labesp(1)", "54"},
     {"labalam(1)", "0.90"},
     {"vacvsec(1)", "6.48"},
     {"labpesoE", "355"},
     {"labpesoI", "118"},
     {"labpesocu", "90"},
     {"labpesotot", "563"},
     {"labrend", "81"}},
};

inline const std::vector<const WorkedExample*> workedExamples{&endToEndExample, &deeperStackExample};

// A text of the table in a comma-decimal locale.
inline std::string withDecimalComma(std::string text) {
    for (char& c : text) {
        c = c == '.' ? ',' : c;
    }
    return text;
}

} // namespace coilwise
