#pragma once

#include "engine/dc_output.h"
#include "engine/window_port.h"

#include <QDialog>
#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace coilwise {

class DialogsPort;
class Locale;

// The winding the helper worked out and the first window row it goes into.
struct DcOutputChoice {
    DcSecondary secondary;
    int row = 0;
};

// Secondary rows 1..5 of the main window (index 0 unused): true while a row holds any text.
using RowsInUse = std::array<bool, rowCount + 1>;

// Works out the AC winding and the reservoir capacitor for a DC output. It changes nothing
// itself: on OK the main window takes the choice and writes the rows.
class DcOutputDialog final : public QDialog {
    Q_OBJECT

public:
    DcOutputDialog(DialogsPort& dialogs, const Locale& locale, double frequency, const RowsInUse& rowsInUse,
                   QWidget* parent = nullptr);

    // Set once OK has accepted the inputs.
    const std::optional<DcOutputChoice>& choice() const { return choice_; }

private:
    QLineEdit* addField(const char* name, const QString& text);
    std::optional<double> number(const QLineEdit* field) const;
    std::optional<DcRequest> request() const;
    Rectifier rectifier() const;
    void showFigures();
    void refuse(const QString& message, QWidget* field);
    bool checkInputs();
    bool checkRows();
    void okClicked();

    DialogsPort& dialogs_;
    const Locale& locale_;
    double frequency_;
    RowsInUse rowsInUse_;
    std::optional<DcOutputChoice> choice_;

    QLineEdit* dcVolts_ = nullptr;
    QLineEdit* dcAmps_ = nullptr;
    QComboBox* rectifier_ = nullptr;
    QLineEdit* diodeDrop_ = nullptr;
    QLineEdit* ripple_ = nullptr;
    QComboBox* row_ = nullptr;
    QLabel* figures_ = nullptr;
};

} // namespace coilwise
