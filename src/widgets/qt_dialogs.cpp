#include "qt_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace coilwise {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::critical:
        return QMessageBox::Critical;
    case MessageIcon::question:
        return QMessageBox::Question;
    case MessageIcon::information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::ok:
        return QMessageBox::Ok;
    case MessageButtons::yesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::yesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton boxButton(Answer answer) {
    switch (answer) {
    case Answer::ok:
        return QMessageBox::Ok;
    case Answer::yes:
        return QMessageBox::Yes;
    case Answer::no:
        return QMessageBox::No;
    case Answer::cancel:
        return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

Answer escapeAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::ok:
        return Answer::ok;
    case MessageButtons::yesNo:
        return Answer::no;
    case MessageButtons::yesNoCancel:
        return Answer::cancel;
    }
    return Answer::cancel;
}

std::optional<QString> chosen(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

} // namespace

void QtDialogs::beep() {
    QApplication::beep();
}

Answer QtDialogs::message(const MessageRequest& request) {
    QMessageBox box(boxIcon(request.icon), request.title, request.text, boxButtons(request.buttons),
                    QApplication::activeWindow());
    box.setDefaultButton(boxButton(request.defaultAnswer));
    const Answer onEscape = escapeAnswer(request.buttons);
    box.setEscapeButton(boxButton(onEscape));
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return Answer::ok;
    case QMessageBox::Yes:
        return Answer::yes;
    case QMessageBox::No:
        return Answer::no;
    case QMessageBox::Cancel:
        return Answer::cancel;
    default:
        return onEscape;
    }
}

std::optional<QString> QtDialogs::openFile(const FileRequest& request) {
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), request.initialPath,
                                               request.filter));
}

std::optional<QString> QtDialogs::saveFile(const FileRequest& request) {
    QFileDialog dialog(QApplication::activeWindow(), QString(), request.initialPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmReplace);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chosen(dialog.selectedFiles().constFirst());
}

void QtDialogs::runModal(QDialog& dialog) {
    dialog.exec();
}

bool QtDialogs::printDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace coilwise
