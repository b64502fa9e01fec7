#include "form1.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>

namespace coilwise {

namespace {

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// An option group is one stop of the focus order, on its selected option; the arrow keys move
// within the group.
template <int Last> void tabStopOnSelected(const ControlArray<QRadioButton*, Last>& options) {
    for (int i = 1; i <= Last; ++i) {
        options[i]->setFocusPolicy(options[i]->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace

// A main window has no default button of its own: the buttons press on Enter when they have the
// focus, and Enter that no control takes (in the notes, on an option) reaches Calculate.
void Form1::setUpKeyboard() {
    Command1->setDefault(true);
    Command2->setAutoDefault(true);
    Command3->setAutoDefault(true);

    const std::array<std::pair<QAction*, QKeySequence>, 6> shortcuts{{
        {menuarchnue, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {menuarchabr, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {menuarchguard, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {menuarchimp, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {menuarchsal, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {menuayuda, QKeySequence(Qt::Key_F1)},
    }};
    for (const auto& [action, keys] : shortcuts) {
        action->setShortcut(keys);
    }

    keepSelectedOptionsAsTabStops();
    for (QRadioButton* option : {Optfrec[1], Optfrec[2], Optserv[1], Optserv[2], Optserv[3]}) {
        connect(option, &QRadioButton::toggled, this, &Form1::keepSelectedOptionsAsTabStops);
    }
}

void Form1::keepSelectedOptionsAsTabStops() {
    tabStopOnSelected(Optfrec);
    tabStopOnSelected(Optserv);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event) && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Command1->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace coilwise
