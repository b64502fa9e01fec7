#include "window_start.h"

#include "ui/form1.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_locale.h"

#include <QApplication>
#include <iostream>

namespace coilwise {

namespace {

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString joined(const std::vector<std::string>& args) {
    QStringList parts;
    for (const std::string& arg : args) {
        parts << QString::fromLocal8Bit(arg.c_str());
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

int runWindow(int argc, char** argv, const std::vector<std::string>& args) {
    if (!hasDisplay()) {
        std::cerr << "coilwise: no graphical display to show the window on.\n"
                     "Without a window, calculate on the command line, for example:\n"
                     "  coilwise --calc --primary 220 --secondary 12:1\n"
                     "(see coilwise --help)\n";
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("coilwise"));
    QtDialogs dialogs;
    const QtLocale locale(QLocale::system());
    Form1 form(dialogs, locale);
    form.setPendingPath(joined(args));
    form.Form_Load();
    return QApplication::exec();
}

} // namespace coilwise
