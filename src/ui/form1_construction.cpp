#include "construction_window.h"
#include "form1.h"
#include "report/dc_output_lines.h"
#include "window_place.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace coilwise {

// The Design menu, and the one-line summary of the checks under the client area; the window grows
// by the bar's height so that the client area keeps its size.
void Form1::buildDesignViews() {
    menuDesign = menuBar()->addMenu(QStringLiteral("&Design"));
    menuDesign->setObjectName(QStringLiteral("menuDesign"));
    menuconstruction = menuDesign->addAction(QStringLiteral("&Construction and checks…"));
    menuconstruction->setObjectName(QStringLiteral("menuconstruction"));
    menuconstruction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(menuconstruction, &QAction::triggered, this, &Form1::menuconstruction_Click);

    constructionStatus_ = new QPushButton(this);
    constructionStatus_->setObjectName(QStringLiteral("constructionStatus"));
    constructionStatus_->setAccessibleName(QStringLiteral("Checks"));
    constructionStatus_->setFlat(true);
    constructionStatus_->setFocusPolicy(Qt::NoFocus);
    constructionStatus_->setStyleSheet(QStringLiteral("text-align: left; padding: 0 4px;"));
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(constructionStatus_, 1);
    connect(constructionStatus_, &QPushButton::clicked, this, &Form1::menuconstruction_Click);
}

// One window, brought forward when it is already open.
void Form1::menuconstruction_Click() {
    if (constructionWindow_ == nullptr) {
        constructionWindow_ = new ConstructionWindow(dialogs_, locale_, this);
        keepWindowPlace(*constructionWindow_, QStringLiteral("construction"));
        constructionWindow_->showDesign(designShown(), dcOutputLines(dcOutputRows(), locale_));
    }
    constructionWindow_->show();
    constructionWindow_->raise();
    constructionWindow_->activateWindow();
}

void Form1::showDesignViews() {
    const Design* design = designShown();
    constructionStatus_->setText(design != nullptr ? QString::fromStdString(checksSummary(design->checks))
                                                   : QString());
    if (constructionWindow_ != nullptr) {
        constructionWindow_->showDesign(design, dcOutputLines(dcOutputRows(), locale_));
    }
    refreshAlternatives();
}

} // namespace coilwise
