#include "app/window_start.h"
#include "cli/command_line.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <iostream>
#include <memory>
#include <span>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!coilwise::wantsCommandLine(args)) {
        const std::span<const std::string> path = coilwise::windowArguments(args);
        return coilwise::runWindow(argc, argv, {path.begin(), path.end()});
    }
    // Drawing the sheet needs the fonts of a graphical application, but never a display.
    std::unique_ptr<QGuiApplication> fonts;
    // Without a session (cron, ssh, CI) there is no runtime folder, which Qt would warn about on
    // every run; a private one of our own lasts as long as the command.
    std::unique_ptr<QTemporaryDir> runtime;
    if (args.front() == "--pdf") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            runtime = std::make_unique<QTemporaryDir>();
            if (runtime->isValid()) {
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
            }
        }
        fonts = std::make_unique<QGuiApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("coilwise"));
    // The streams are only used through C++; unsynchronised they buffer, which --jsonl needs.
    std::ios::sync_with_stdio(false);
    return coilwise::runCommandLine(args, std::cin, std::cout, std::cerr);
}
