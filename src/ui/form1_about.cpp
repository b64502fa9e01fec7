#include "form1.h"
#include "widgets/dialogs_port.h"
#include "widgets/version_text.h"

#include <QDesktopServices>
#include <QDir>

namespace coilwise {

namespace {} // namespace

// One box at a time: while it is open the command only brings it forward; a closed one is replaced,
// so every opening starts with the OK picture released.
void Form1::menuacercatrafo_Click() {
    if (aboutBox_ == nullptr || !aboutBox_->isVisible()) {
        aboutBox_ = std::make_unique<frmAbout>(applicationTitleText(),
                                               [](const QUrl& target) { QDesktopServices::openUrl(target); });
        aboutBox_->move(frameGeometry().center() - aboutBox_->rect().center());
    }
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
}

// One help window, brought forward when it is already open.
void Form1::menuayuda_Click() {
    if (helpWindow_ == nullptr || !helpWindow_->isVisible()) {
        const std::optional<QString> index = helpIndexPath(programFolder_);
        if (!index) {
            dialogs_.message(
                {applicationTitleText(),
                 QStringLiteral("The help could not be shown.\nNo help pages were found beside ") +
                     QDir::toNativeSeparators(programFolder_),
                 MessageIcon::critical, MessageButtons::ok, Answer::ok});
            return;
        }
        helpWindow_ = std::make_unique<HelpWindow>(*index);
        helpWindow_->move(frameGeometry().center() - helpWindow_->rect().center());
    }
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

} // namespace coilwise
