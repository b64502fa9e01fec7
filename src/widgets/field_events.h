#pragma once

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace coilwise {

// A menu takes no part in the focus order: the focus it takes and gives back is neither a leave nor
// an entry, so opening a menu neither re-masks a half-typed value nor selects it on return.
inline bool isMenuFocus(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}

inline Qt::FocusReason focusReason(const QEvent* event) {
    return static_cast<const QFocusEvent*>(event)->reason();
}

// A field is left when the focus moves on inside its window. Focus taken by a message box or another
// window is no leave either, so a field's check never runs again while its own message is shown.
inline bool isFieldLeave(const QEvent* event) {
    return event->type() == QEvent::FocusOut && !isMenuFocus(focusReason(event)) &&
           focusReason(event) != Qt::ActiveWindowFocusReason;
}

inline bool isFieldEntry(const QEvent* event) {
    return event->type() == QEvent::FocusIn && !isMenuFocus(focusReason(event));
}

// Entering a field selects its text, so that typing replaces it. Deferred, or the mouse press that
// gave the focus would undo the selection.
inline void selectAllOnEntry(QLineEdit* field) {
    QTimer::singleShot(0, field, [field] { field->selectAll(); });
}

} // namespace coilwise
