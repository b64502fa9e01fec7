#include "form1.h"
#include "pictures.h"

#include <QLabel>

namespace coilwise {

void Form1::showPictures() {
    findChild<QLabel*>(QStringLiteral("Picture1"))
        ->setPixmap(sharpPicture(QStringLiteral(":/pictures/transformer.png")));
    findChild<QLabel*>(QStringLiteral("Picture2"))
        ->setPixmap(sharpPicture(QStringLiteral(":/pictures/banner.png")));
}

} // namespace coilwise
