#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace coilwise {

// Starts a program as a process of its own, each argument passed as it is (no shell in between);
// false when it could not be started. Tests record the calls instead.
using ProcessStarter = std::function<bool(const QString& program, const QStringList& arguments)>;

bool startDetachedProcess(const QString& program, const QStringList& arguments);

// The help's first page: the installed copy (share/coilwise/help beside the program's bin folder) or,
// when the program runs from its build tree, the copy in the source tree.
QString helpIndexPath(const QString& programFolder);

// Starts the system's viewer on the help page; false when no viewer could be started.
bool startHelpViewer(const QString& helpPath, const ProcessStarter& start);

} // namespace coilwise
