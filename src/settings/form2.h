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

// What the primary-voltage dialog keeps from one opening to the next.
struct Form2State {
    SettingsLines lines;     // its own copies of the settings lines; lines.prima is its Prima
    bool badtension = false; // a voltage check failed and no OK has run since
};

// The main window as the dialog reaches it.
struct Form2Host {
    DialogsPort& dialogs;
    const Locale& locale;
    SettingsLines& settings;                         // the main window's copies of the file's lines
    std::function<bool(const SettingsLines&)> store; // writes the file; false once a failure is told
    std::function<void(const QString&)> setLabvpri;
    std::function<void()> nuevocosto;
};

// The default primary voltage: stored as line 1 of the settings file, then put into the design.
class Form2 final : public QDialog {
    Q_OBJECT

public:
    Form2(Form2State& state, Form2Host host, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The voltage in Text1, or none once the refusal has been told and Text1 has the focus again.
    std::optional<double> checkVoltage(bool withBeep);
    void storeVoltage(double volts);

    void Text1_LostFocus();
    void Command1_Click();

    Form2State& state_;
    Form2Host host_;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace coilwise
