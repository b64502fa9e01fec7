#pragma once

#include <QScreen>
#include <QWidget>

namespace coilwise {

// Places a window in the middle of the screen it is shown on.
inline void centreOnScreen(QWidget& window) {
    if (const QScreen* shownOn = window.screen()) {
        window.move(shownOn->availableGeometry().center() - window.rect().center());
    }
}

} // namespace coilwise
