#include "scripted_dialogs.h"

#include <QDialog>

namespace coilwise {

namespace {

template <typename T> std::optional<T> takeFront(std::deque<T>& queue) {
    std::optional<T> front;
    if (!queue.empty()) {
        front.emplace(queue.front());
        queue.pop_front();
    }
    return front;
}

} // namespace

void ScriptedDialogs::beep() {
    ++beeps;
    events.emplace_back("beep");
}

Answer ScriptedDialogs::message(const MessageRequest& request) {
    messages.push_back(request);
    events.push_back("message:" + request.title.toStdString());
    return takeFront(answers).value_or(request.defaultAnswer);
}

std::optional<QString> ScriptedDialogs::openFile(const FileRequest& request) {
    openRequests.push_back(request);
    events.emplace_back("open");
    return takeFront(openPaths).value_or(std::nullopt);
}

std::optional<QString> ScriptedDialogs::saveFile(const FileRequest& request) {
    saveRequests.push_back(request);
    events.emplace_back("save");
    return takeFront(savePaths).value_or(std::nullopt);
}

void ScriptedDialogs::runModal(QDialog& dialog) {
    events.push_back("modal:" + dialog.windowTitle().toStdString());
    if (onModal) {
        onModal(dialog);
    }
}

bool ScriptedDialogs::printDialog(QPrinter& printer) {
    events.emplace_back("print");
    const bool accepted = takeFront(printAnswers).value_or(false);
    if (accepted && onPrint) {
        onPrint(printer);
    }
    return accepted;
}

} // namespace coilwise
