#pragma once

#include <QString>

class QObject;
class QWidget;

namespace coilwise {

// The preferences file beside cwise.ini (recent designs, own cores, window places), so that
// cwise.ini keeps exactly its five lines. Worked out on every call, as cwise.ini's path is, so
// that a changed environment is honoured.
QString preferencesPath();

// Puts a window where the user last left it, and remembers its place whenever it is hidden.
void keepWindowPlace(QWidget& window, const QString& name);
// Remembers the places of the kept windows under the owner that are shown: windows that end with
// their owner are destroyed without being hidden.
void rememberShownWindowPlaces(const QObject& owner);

} // namespace coilwise
