#include "form1.h"

#include <QLabel>

namespace coilwise {

void Form1::showPictures() {
    findChild<QLabel*>(QStringLiteral("Picture1"))->setPixmap(QPixmap(QStringLiteral(":/pictures/transformer.png")));
    findChild<QLabel*>(QStringLiteral("Picture2"))->setPixmap(QPixmap(QStringLiteral(":/pictures/banner.png")));
}

} // namespace coilwise
