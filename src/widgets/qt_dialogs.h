#pragma once

#include "dialogs_port.h"

namespace coilwise {

// The program's dialogs: Qt message boxes and file dialogs over the active window.
class QtDialogs final : public DialogsPort {
public:
    void beep() override;
    Answer message(const MessageRequest& request) override;
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;
    void runModal(QDialog& dialog) override;
    bool printDialog(QPrinter& printer) override;
};

} // namespace coilwise
