#pragma once

#include "settings/settings_format.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace coilwise {

class DialogsPort;
class Locale;

// What the material-costs dialog keeps from one opening to the next.
struct Form4State {
    SettingsLines lines;    // its own copies of the settings lines
    bool costError = false; // a price was refused on leaving its field and no OK has run since
};

// The main window as the dialog reaches it.
struct Form4Host {
    DialogsPort& dialogs;
    const Locale& locale;
    SettingsLines& settings;                         // the main window's copies of the file's lines
    std::function<bool(const SettingsLines&)> store; // writes the file; false once a failure is told
    std::function<void(double costofe, double costocu)> setPrices;
    std::function<void()> nuevocosto;
};

// The prices of iron and copper per kilogram: stored as lines 4 and 5 of the settings file, then
// used for the design's costs.
class Form4 final : public QDialog {
    Q_OBJECT

public:
    Form4(Form4State& state, Form4Host host, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The field's price, an empty field reading as 0; none once the refusal has been told, the
    // field holds "0" and has the focus.
    std::optional<double> checkPrice(QLineEdit* field, bool withBeep);
    void storePrices(double iron, double copper);

    void labcostofe_LostFocus();
    void labcostocu_LostFocus();
    void Command1_Click();

    Form4State& state_;
    Form4Host host_;
    QLineEdit* labcostofe = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* labcostocu = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace coilwise
