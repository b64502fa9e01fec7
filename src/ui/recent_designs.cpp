#include "recent_designs.h"

#include "settings/preferences.h"

#include <QFileInfo>

namespace coilwise {

namespace {

const QString recentKey = QStringLiteral("RecentDesigns/files");

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

void store(const QStringList& designs) {
    Preferences().setValue(recentKey, designs);
}

} // namespace

QStringList withRecentDesign(QStringList designs, const QString& path) {
    const QString entry = absolute(path);
    designs.removeIf([&entry](const QString& design) { return absolute(design) == entry; });
    designs.prepend(entry);
    while (designs.size() > recentDesignCount) {
        designs.removeLast();
    }
    return designs;
}

QStringList recentDesigns() {
    QStringList designs = Preferences().value(recentKey).toStringList();
    designs.removeAll(QString());
    return designs.mid(0, recentDesignCount);
}

void rememberRecentDesign(const QString& path) {
    store(withRecentDesign(recentDesigns(), path));
}

void forgetRecentDesign(const QString& path) {
    QStringList designs = recentDesigns();
    designs.removeAll(path);
    store(designs);
}

} // namespace coilwise
