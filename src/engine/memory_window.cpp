#include "memory_window.h"

#include "clear_fields.h"
#include "field_formats.h"

#include <cassert>

namespace coilwise {

std::size_t MemoryWindow::index(FieldRef ref) {
    assert(isRowField(ref.field) ? ref.row >= 1 && ref.row <= rowCount : ref.row == 0);
    return static_cast<std::size_t>(ref.row);
}

void MemoryWindow::setText(FieldRef ref, const std::string& text) {
    slot(ref) = text;
    if (ref.field == Field::labobs) {
        record_.archivomodif = true;
    }
}

void MemoryWindow::runClear() {
    clearDesign(record_, *this);
}

void MemoryWindow::leaveSecondaryVoltage(int row) {
    const FieldRef ref{Field::labvsec, row};
    slot(ref) = leaveFieldText(slot(ref), secondaryVoltageMask, locale_);
}

void MemoryWindow::leaveSecondaryCurrent(int row) {
    const FieldRef ref{Field::labisec, row};
    slot(ref) = leaveFieldText(slot(ref), secondaryCurrentMask, locale_);
}

void MemoryWindow::forgetObservations() {
    focus_.reset();
    beeps_ = 0;
    messages_.clear();
}

} // namespace coilwise
