#include "files/whole_file.h"
#include "form1.h"
#include "recent_designs.h"
#include "widgets/dialogs_port.h"
#include "widgets/version_text.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>

namespace coilwise {

// What the program offers beside the window's own commands: each goes after the existing items of
// its menu, so no caption or access key of those changes.
void Form1::buildConveniences() {
    menuarch->addSeparator();
    menuPrintPreview = menuarch->addAction(QStringLiteral("Print Pre&view…"));
    menuPrintPreview->setObjectName(QStringLiteral("menuPrintPreview"));
    connect(menuPrintPreview, &QAction::triggered, this, &Form1::menuPrintPreview_Click);
    recentSeparator_ = menuarch->addSeparator();
    for (int i = 1; i <= recentDesignCount; ++i) {
        QAction* item = menuarch->addAction(QString());
        item->setObjectName(QStringLiteral("menurecent(%1)").arg(i));
        connect(item, &QAction::triggered, this, [this, i] { openRecentDesign(recentPaths_.value(i - 1)); });
        recentItems_.push_back(item);
    }
    connect(menuarch, &QMenu::aboutToShow, this, &Form1::showRecentDesigns);
    showRecentDesigns();

    menuCopyResults = menuDesign->addAction(QStringLiteral("Copy &results"));
    menuCopyResults->setObjectName(QStringLiteral("menuCopyResults"));
    menuCopyResults->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(menuCopyResults, &QAction::triggered, this, &Form1::menuCopyResults_Click);

    setAcceptDrops(true);
}

// Read afresh each time the File menu opens, so that another Coilwise's designs show up too.
void Form1::showRecentDesigns() {
    recentPaths_ = recentDesigns();
    for (qsizetype i = 0; i < qsizetype(recentItems_.size()); ++i) {
        QAction* item = recentItems_[static_cast<std::size_t>(i)];
        const bool used = i < recentPaths_.size();
        QString shown = used ? QDir::toNativeSeparators(recentPaths_[i]) : QString();
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        item->setText(QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') + shown);
        item->setVisible(used);
    }
    recentSeparator_->setVisible(!recentPaths_.isEmpty());
}

// A design that is gone is taken off the list with a word, before anything else is asked.
void Form1::openRecentDesign(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        forgetRecentDesign(path);
        showRecentDesigns();
        const std::string kind = specialFileKind(path);
        const QString what = kind.empty() ? QStringLiteral("no longer exists")
                                          : QStringLiteral("is ") + QString::fromStdString(kind) +
                                                QStringLiteral(", not a design file");
        dialogs_.message({applicationTitleText(),
                          QDir::toNativeSeparators(path) + QLatin1Char('\n') + what +
                              QStringLiteral("; it has been taken off the list."),
                          MessageIcon::information, MessageButtons::ok, Answer::ok});
        return;
    }
    openWithoutDialog(path);
}

void Form1::openWithoutDialog(const QString& path) {
    presetOpenPath_ = path;
    menuarchabr_Click();
    presetOpenPath_.clear();
}

void Form1::rememberDesign(const QString& path) {
    rememberRecentDesign(path);
    showRecentDesigns();
}

} // namespace coilwise
