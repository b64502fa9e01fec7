#pragma once

#include <QPixmap>
#include <QString>

namespace coilwise {

// The program's pictures are drawn at twice the size they take on screen, so they stay sharp on
// high-density screens and are scaled down smoothly elsewhere.
inline QPixmap sharpPicture(const QString& resource) {
    QPixmap picture(resource);
    picture.setDevicePixelRatio(2.0);
    return picture;
}

} // namespace coilwise
