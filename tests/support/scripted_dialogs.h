#pragma once

#include "widgets/dialogs_port.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace coilwise {

// Dialogs for the tests: answers come from scripts, and everything shown is recorded. Nothing is
// ever run in a modal loop.
class ScriptedDialogs final : public DialogsPort {
public:
    void beep() override;
    // The next scripted answer, or the request's default answer when none is left.
    Answer message(const MessageRequest& request) override;
    // The next scripted path; cancelled when none is left.
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;
    // Hands the dialog to the script, which drives it and closes it; without a script the
    // dialog is left as it is.
    void runModal(QDialog& dialog) override;
    // The next scripted answer, cancelled when none is left. On acceptance the script may set the
    // printer up, e.g. to print to a PDF file.
    bool printDialog(QPrinter& printer) override;

    std::deque<Answer> answers;
    std::deque<std::optional<QString>> openPaths;
    std::deque<std::optional<QString>> savePaths;
    std::function<void(QDialog&)> onModal;
    std::deque<bool> printAnswers;
    std::function<void(QPrinter&)> onPrint;

    int beeps = 0;
    std::vector<MessageRequest> messages;
    std::vector<FileRequest> openRequests;
    std::vector<FileRequest> saveRequests;
    // In order: "beep", "message:<title>", "open", "save", "modal:<window title>", "print".
    std::vector<std::string> events;
};

} // namespace coilwise
