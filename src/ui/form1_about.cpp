#include "dialogs_port.h"
#include "form1.h"

#include <QDesktopServices>

namespace coilwise {

namespace {

const QString applicationTitle = QStringLiteral("Coilwise");

} // namespace

// One box at a time: while it is open the command only brings it forward; a closed one is replaced,
// so every opening starts with the OK picture released.
void Form1::menuacercatrafo_Click() {
    if (aboutBox_ == nullptr || !aboutBox_->isVisible()) {
        aboutBox_ = std::make_unique<frmAbout>(applicationTitle,
                                               [](const QUrl& target) { QDesktopServices::openUrl(target); });
        aboutBox_->move(frameGeometry().center() - aboutBox_->rect().center());
    }
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
}

void Form1::menuayuda_Click() {
    const QString path = helpIndexPath(programFolder_);
    if (!startHelpViewer(path, startProcess_)) {
        dialogs_.message({applicationTitle, QStringLiteral("The help could not be shown.\n") + path,
                          MessageIcon::critical, MessageButtons::ok, Answer::ok});
    }
}

} // namespace coilwise
