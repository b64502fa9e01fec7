#include "help_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>

namespace coilwise {

std::optional<QString> helpIndexPath(const QString& programFolder) {
    for (const QString& candidate :
         {QStringLiteral("/../share/coilwise/help/index.html"), QStringLiteral("/help/index.html")}) {
        const QString path = QDir::cleanPath(programFolder + candidate);
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return std::nullopt;
}

HelpWindow::HelpWindow(const QString& indexPath, QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowFlag(Qt::Window);
    setOpenExternalLinks(true);
    resize(760, 600);
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(documentTitle().isEmpty() ? QStringLiteral("Coilwise Help") : documentTitle());
    });
    setSource(QUrl::fromLocalFile(indexPath));
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

} // namespace coilwise
