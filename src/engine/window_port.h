#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace coilwise {

// Every field of the design record. Row fields (labvsec ... vacvsec) hold five rows, 1 to 5.
enum class Field : std::uint8_t {
    labvpri,
    labnpri,
    labalambpri,
    labpesoprim,
    labrprim,
    labvsec,
    labisec,
    vacvsec,
    labesp,
    labalam,
    labcob,
    labres,
    labchapa,
    labprof,
    labpesoE,
    labpesoI,
    labpesocu,
    labpesotot,
    labptot,
    labppri,
    labrend,
    labperfe,
    labpercu,
    tbxcostofe,
    tbxcostocu,
    tbxcostotot,
    labobs,
};

inline constexpr int fieldCount = static_cast<int>(Field::labobs) + 1;
inline constexpr int rowCount = 5;

// The row fields, in the order Clear and the calculation blank a row.
inline constexpr std::array<Field, 7> secondaryRowFields{Field::labvsec, Field::labisec, Field::labesp,
                                                         Field::labalam, Field::labcob,  Field::labres,
                                                         Field::vacvsec};

bool isRowField(Field field);
std::string_view fieldName(Field field);

// A field of the window: a single field (row 0) or row 1..5 of a row field.
struct FieldRef {
    Field field;
    int row = 0;

    friend bool operator==(const FieldRef&, const FieldRef&) = default;
};

// "labvpri", "labvsec(2)": how the window and the command line name a field.
std::string fieldRefName(FieldRef ref);

// The calculation's only view of the main window, so that it runs without a toolkit: the window
// implements it on its widgets, tests and the command line on memory.
class WindowPort {
public:
    virtual ~WindowPort() = default;
    virtual std::string text(FieldRef ref) const = 0;
    virtual void setText(FieldRef ref, const std::string& text) = 0;
    virtual void setFocus(FieldRef ref) = 0;
    virtual void beep() = 0;
    // A modal stop message titled "Coilwise"; the two lines are joined by a single line feed.
    virtual void showCritical(const std::string& message) = 0;
    // The Clear command of the window.
    virtual void runClear() = 0;
    // The leave handlers of labvsec(row) and labisec(row), which rewrite the text in display form.
    virtual void leaveSecondaryVoltage(int row) = 0;
    virtual void leaveSecondaryCurrent(int row) = 0;
};

} // namespace coilwise
