#pragma once

#include "program_values.h"

#include <memory>

namespace coilwise {

class DialogsPort;
class Form1;
class Locale;

// Keeps the main window for the whole run: the first show creates it and runs its load with the
// recorded program values; later shows only bring it up.
class MainWindowHost final {
public:
    MainWindowHost(DialogsPort& dialogs, const Locale& locale, const ProgramValues& values);
    ~MainWindowHost();
    MainWindowHost(const MainWindowHost&) = delete;
    MainWindowHost& operator=(const MainWindowHost&) = delete;

    void show();

private:
    DialogsPort& dialogs_;
    const Locale& locale_;
    const ProgramValues& values_;
    std::unique_ptr<Form1> form_;
};

} // namespace coilwise
