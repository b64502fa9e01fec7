#pragma once

#include <QString>

class QObject;
class QWidget;

namespace coilwise {

// Puts a window where the user last left it, and remembers its place whenever it is hidden.
void keepWindowPlace(QWidget& window, const QString& name);
// Remembers the places of the kept windows under the owner that are shown: windows that end with
// their owner are destroyed without being hidden.
void rememberShownWindowPlaces(const QObject& owner);

} // namespace coilwise
