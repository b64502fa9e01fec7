#include "frm_splash.h"

#include "widgets/pictures.h"
#include "widgets/screen_centre.h"
#include "widgets/twips.h"
#include "widgets/version_text.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace coilwise {

frmSplash::frmSplash(std::function<void()> showMain, std::chrono::milliseconds interval, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), showMain_(std::move(showMain)),
      picture_(sharpPicture(QStringLiteral(":/pictures/splash.png"))) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(applicationTitleText());
    setFixedSize(twips(6630), twips(4065));
    centreOnScreen(*this);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(twipsRect(4260, 3570, 2130, 300));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font(QStringLiteral("Liberation Sans"), 10, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    lblVersion->setFont(font);
    QPalette palette = lblVersion->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    lblVersion->setPalette(palette);
    // Only the splash's own surface closes it, not the version.
    lblVersion->setAttribute(Qt::WA_NoMousePropagation);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(interval);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();
    Form_Load();
}

void frmSplash::Form_Load() {
    lblVersion->setText(QStringLiteral("v ") + versionNumbers());
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QPoint(0, 0), picture_);
}

void frmSplash::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) {
        Form_Click();
    }
}

// Keys that type nothing (function keys, arrows, modifiers alone) leave the splash up.
void frmSplash::keyPressEvent(QKeyEvent* event) {
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    Form_KeyPress();
}

// The timer stops first: the main window's load may show a message box, whose event loop would
// otherwise let the timer bring the main window up a second time.
void frmSplash::showMainAndClose() {
    Timer1->stop();
    showMain_();
    close();
}

} // namespace coilwise
