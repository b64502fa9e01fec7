#include "dc_output_dialog.h"
#include "engine/display_mask.h"
#include "form1.h"
#include "widgets/dialogs_port.h"

#include <QLineEdit>

namespace coilwise {

void Form1::menudcsec_Click() {
    RowsInUse rowsInUse{};
    for (int i = 1; i <= rowCount; ++i) {
        rowsInUse[static_cast<std::size_t>(i)] =
            !labvsec[i]->text().isEmpty() || !labisec[i]->text().isEmpty();
    }
    DcOutputDialog dialog(dialogs_, locale_, record_.frec, rowsInUse, this);
    dialogs_.runModal(dialog);
    if (const std::optional<DcOutputChoice>& choice = dialog.choice()) {
        writeDcSecondary(*choice);
    }
}

// As if typed: the text goes into the field and leaving it applies the field's mask; then the
// design is calculated with the new rows.
void Form1::writeDcSecondary(const DcOutputChoice& choice) {
    const std::string volts = formatMask(choice.secondary.acVoltsWritten, "0.00", locale_);
    const std::string amps = formatMask(choice.secondary.acAmpsWritten, "0.00", locale_);
    const int last = choice.row + windingRows(choice.secondary.request.rectifier) - 1;
    for (int row = choice.row; row <= last; ++row) {
        labvsec[row]->setText(QString::fromStdString(volts));
        labvsec_LostFocus(row);
        labisec[row]->setText(QString::fromStdString(amps));
        labisec_LostFocus(row);
        dcRows_[row] = DcRow{choice.secondary, choice.row, labvsec[row]->text(), labisec[row]->text()};
    }
    Command1_Click();
}

void Form1::forgetDcRow(int row) {
    const std::optional<DcRow>& typedOver = dcRows_[row];
    if (!typedOver) {
        return;
    }
    const int firstRow = typedOver->firstRow;
    for (std::optional<DcRow>& remembered : dcRows_) {
        if (remembered && remembered->firstRow == firstRow) {
            remembered.reset();
        }
    }
}

// A calculation blanks the rows below an empty one: a row that no longer shows the helper's
// texts is no longer the helper's.
std::optional<DcSecondary> Form1::dcSecondary(int row) const {
    if (row < 1 || row > rowCount) {
        return std::nullopt;
    }
    const std::optional<DcRow>& remembered = dcRows_[row];
    if (!remembered || remembered->volts != labvsec[row]->text() ||
        remembered->amps != labisec[row]->text()) {
        return std::nullopt;
    }
    return remembered->secondary;
}

std::optional<DcVoltages> Form1::dcVoltagesOfRow(int row) const {
    const std::optional<DcSecondary> secondary = dcSecondary(row);
    if (!secondary) {
        return std::nullopt;
    }
    const Design* design = designShown();
    return design != nullptr ? coilwise::dcVoltagesOfRow(*secondary, *design, row) : std::nullopt;
}

std::vector<DcOutputRow> Form1::dcOutputRows() const {
    std::vector<DcOutputRow> rows;
    for (int row = 1; row <= rowCount; ++row) {
        const std::optional<DcSecondary> secondary = dcSecondary(row);
        if (secondary && dcRows_[row]->firstRow == row) {
            rows.push_back({row, *secondary, dcVoltagesOfRow(row)});
        }
    }
    return rows;
}

} // namespace coilwise
