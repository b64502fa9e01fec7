#include "help_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace coilwise {

bool startDetachedProcess(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

QString helpIndexPath(const QString& programFolder) {
    const QString installed =
        QDir::cleanPath(programFolder + QStringLiteral("/../share/coilwise/help/index.html"));
    const QString sourceTree = QString::fromUtf8(COILWISE_SOURCE_HELP) + QStringLiteral("/index.html");
    // With neither present, the viewer tells the user which file is missing.
    if (!QFileInfo::exists(installed) && QFileInfo::exists(sourceTree)) {
        return sourceTree;
    }
    return installed;
}

bool startHelpViewer(const QString& helpPath, const ProcessStarter& start) {
    return start(QStringLiteral("xdg-open"), {helpPath});
}

} // namespace coilwise
