#pragma once

#include <QString>
#include <optional>

class QDialog;
class QPrinter;

namespace coilwise {

enum class MessageIcon { critical, question, information };
enum class MessageButtons { ok, yesNo, yesNoCancel };
enum class Answer { ok, yes, no, cancel };

struct MessageRequest {
    QString title;
    QString text; // lines joined by a single line feed
    MessageIcon icon = MessageIcon::critical;
    MessageButtons buttons = MessageButtons::ok;
    Answer defaultAnswer = Answer::ok;
};

struct FileRequest {
    QString filter;      // Qt filter text, e.g. "Coilwise files (*.cwf)"
    QString initialPath; // folder and/or file name proposed
    bool confirmReplace = false;
    QString defaultSuffix; // added to a chosen name that has no extension
};

// Everything modal the windows show goes through here, so that tests can script the answers and
// never block in a modal loop; the program uses the Qt implementation.
class DialogsPort {
public:
    virtual ~DialogsPort() = default;
    virtual void beep() = 0;
    // Escape or the close box answers cancel (or no, when there is no cancel button).
    virtual Answer message(const MessageRequest& request) = 0;
    // The chosen path, or none when the dialog was cancelled.
    virtual std::optional<QString> openFile(const FileRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileRequest& request) = 0;
    // Shows the dialog modally and returns when it has been closed.
    virtual void runModal(QDialog& dialog) = 0;
    // The print dialog on this printer, which it leaves set as the user chose; true when accepted.
    virtual bool printDialog(QPrinter& printer) = 0;
};

} // namespace coilwise
