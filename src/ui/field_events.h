#pragma once

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace coilwise {

// A field is left when the focus moves on inside its window. Focus taken by a message box, another
// window or a popup is no leave, so a field's check never runs again while its own message is shown.
inline bool isFieldLeave(const QEvent* event) {
    if (event->type() != QEvent::FocusOut) {
        return false;
    }
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// Entering a field selects its text, so that typing replaces it. Deferred, or the mouse press that
// gave the focus would undo the selection.
inline void selectAllOnEntry(QLineEdit* field) {
    QTimer::singleShot(0, field, [field] { field->selectAll(); });
}

} // namespace coilwise
