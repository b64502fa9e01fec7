#pragma once

#include <QString>
#include <QStringList>

namespace coilwise {

// The design files opened or saved last, newest first, at most five. They are kept in coilwise.conf
// beside cwise.ini, whose five lines stay as they are.
inline constexpr int recentDesignCount = 5;

// The list with the path put first: an entry naming the same file moves up instead of repeating,
// and the oldest falls off beyond five.
QStringList withRecentDesign(QStringList designs, const QString& path);

QStringList recentDesigns();
void rememberRecentDesign(const QString& path);
void forgetRecentDesign(const QString& path);

} // namespace coilwise
