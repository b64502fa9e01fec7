#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>
#include <ostream>
#include <vector>

// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace coilwise {

// The program's windows of one kind that are on screen now.
inline std::vector<QWidget*> visibleWindows(const QString& objectName) {
    std::vector<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == objectName && window->isVisible()) {
            found.push_back(window);
        }
    }
    return found;
}

} // namespace coilwise
