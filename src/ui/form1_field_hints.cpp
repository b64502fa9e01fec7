#include "form1.h"
#include "overflow_tooltip.h"

#include <QLineEdit>

namespace coilwise {

namespace {

struct SingleField {
    Field field;
    const char* spoken;
};

constexpr std::array<SingleField, 20> singleFields{{
    {Field::labvpri, "Primary volts"},
    {Field::labnpri, "Primary turns"},
    {Field::labalambpri, "Primary wire diameter in mm"},
    {Field::labpesoprim, "Primary copper weight in grams"},
    {Field::labrprim, "Primary resistance in ohms"},
    {Field::labchapa, "Lamination width in mm"},
    {Field::labprof, "Stack depth in mm"},
    {Field::labpesoE, "E iron weight in grams"},
    {Field::labpesoI, "I iron weight in grams"},
    {Field::labpesocu, "Copper weight in grams"},
    {Field::labpesotot, "Total weight in grams"},
    {Field::labppri, "Primary power in watts"},
    {Field::labptot, "Total load power in watts"},
    {Field::labperfe, "Iron losses in watts"},
    {Field::labpercu, "Copper losses in watts"},
    {Field::labrend, "Efficiency in percent"},
    {Field::tbxcostofe, "Iron cost"},
    {Field::tbxcostocu, "Copper cost"},
    {Field::tbxcostotot, "Total cost"},
    {Field::labobs, "Notes"},
}};

// Said after "Secondary n".
constexpr std::array<SingleField, 7> rowFields{{
    {Field::labvsec, "volts"},
    {Field::labisec, "amps"},
    {Field::vacvsec, "unload volts"},
    {Field::labesp, "turns"},
    {Field::labalam, "wire diameter in mm"},
    {Field::labcob, "copper weight in grams"},
    {Field::labres, "resistance in ohms"},
}};

} // namespace

// Every field says what it holds to a screen reader, and shows its whole text when it is cut.
void Form1::describeFields() {
    const auto describe = [this](FieldRef ref, const QString& spoken) {
        QLineEdit* edit = field(ref);
        edit->setAccessibleName(spoken);
        showFullTextWhenCut(edit);
    };
    for (const SingleField& single : singleFields) {
        describe({single.field}, QString::fromUtf8(single.spoken));
    }
    for (int row = 1; row <= rowCount; ++row) {
        for (const SingleField& column : rowFields) {
            describe({column.field, row}, QStringLiteral("Secondary ") + QString::number(row) +
                                              QLatin1Char(' ') + QString::fromUtf8(column.spoken));
        }
    }
}

} // namespace coilwise
