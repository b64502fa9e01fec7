#pragma once

#include "program_values.h"

#include <QStringList>
#include <functional>

namespace coilwise {

// The start-up form, never shown: records the program values, opens the splash screen and is done.
class frminicial final {
public:
    // showMain is what the splash screen runs when it closes.
    frminicial(QStringList arguments, ProgramValues& values, std::function<void()> showMain);

    void Form_Load();

private:
    QStringList arguments_;
    ProgramValues& values_;
    std::function<void()> showMain_;
};

} // namespace coilwise
