#include "window_start.h"

#include "files/whole_file.h"
#include "frminicial.h"
#include "main_window_host.h"
#include "qt_locale/qt_locale.h"
#include "widgets/qt_dialogs.h"

#include <QApplication>
#include <QIcon>
#include <iostream>

namespace coilwise {

namespace {

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// The arguments as the program names files; none when one would name another file.
std::optional<QStringList> toQStrings(const std::vector<std::string>& args) {
    QStringList arguments;
    for (const std::string& arg : args) {
        const std::optional<QString> path = pathFromBytes(arg);
        if (!path) {
            std::cerr << "coilwise: '" << arg << "' " << unspellablePath << "\n";
            return std::nullopt;
        }
        arguments << *path;
    }
    return arguments;
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/coilwise-%1.png").arg(size));
    }
    return icon;
}

} // namespace

int runWindow(int argc, char** argv, const std::vector<std::string>& args) {
    const std::optional<QStringList> arguments = toQStrings(args);
    if (!arguments) {
        return 2;
    }
    if (!hasDisplay()) {
        std::cerr << "coilwise: no graphical display to show the window on.\n"
                     "Without a window, calculate on the command line, for example:\n"
                     "  coilwise --calc --primary 220 --secondary 12:1\n"
                     "(see coilwise --help)\n";
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("coilwise"));
    QApplication::setWindowIcon(programIcon());
    QtDialogs dialogs;
    const QtLocale locale(QLocale::system());
    ProgramValues values;
    MainWindowHost mainWindow(dialogs, locale, values);
    frminicial(*arguments, values, [&mainWindow] { mainWindow.show(); }).Form_Load();
    return QApplication::exec();
}

} // namespace coilwise
