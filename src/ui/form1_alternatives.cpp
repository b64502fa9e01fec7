#include "alternatives_window.h"
#include "form1.h"
#include "window_place.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

namespace coilwise {

namespace {

// Long enough that typing a number does not recompute at every key, short enough to feel live.
constexpr int typingPauseMs = 400;

} // namespace

void Form1::buildAlternativesView() {
    menualternatives = menuDesign->addAction(QStringLiteral("&Alternatives…"));
    menualternatives->setObjectName(QStringLiteral("menualternatives"));
    menualternatives->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(menualternatives, &QAction::triggered, this, &Form1::menualternatives_Click);

    alternativesPause_ = new QTimer(this);
    alternativesPause_->setSingleShot(true);
    alternativesPause_->setInterval(typingPauseMs);
    connect(alternativesPause_, &QTimer::timeout, this, &Form1::refreshAlternatives);
    const auto restartPause = [this] {
        alternativesPause_->start();
    };
    connect(labvpri, &QLineEdit::textEdited, this, restartPause);
    for (int i = 1; i <= rowCount; ++i) {
        connect(labvsec[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this, restartPause);
        connect(labisec[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this, restartPause);
    }
}

// One window, brought forward when it is already open.
void Form1::menualternatives_Click() {
    if (alternativesWindow_ == nullptr) {
        alternativesWindow_ = new AlternativesWindow(dialogs_, locale_, this);
        keepWindowPlace(*alternativesWindow_, QStringLiteral("alternatives"));
    }
    alternativesWindow_->recompute(typedDesign());
    alternativesWindow_->show();
    alternativesWindow_->raise();
    alternativesWindow_->activateWindow();
}

void Form1::refreshAlternatives() {
    if (alternativesWindow_ != nullptr && alternativesWindow_->isVisible()) {
        alternativesWindow_->recompute(typedDesign());
    }
}

} // namespace coilwise
