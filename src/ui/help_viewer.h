#pragma once

#include <QString>
#include <QTextBrowser>
#include <optional>

class QKeyEvent;

namespace coilwise {

// The help's first page: the installed copy (share/coilwise/help beside the program's bin folder) or,
// when the program runs from its build tree, the copy the build puts beside it; none when neither is
// there.
std::optional<QString> helpIndexPath(const QString& programFolder);

// The help pages in a window of the program's own, so that help needs no viewer from the desktop.
// Links between the pages are followed in the window; links out of the help go to the desktop.
// Escape closes it.
class HelpWindow final : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpWindow(const QString& indexPath, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace coilwise
