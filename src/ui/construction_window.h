#pragma once

#include "engine/design.h"
#include "engine/locale.h"
#include "report/construction_lines.h"

#include <QWidget>
#include <optional>
#include <vector>

class QPushButton;
class QTextBrowser;

namespace coilwise {

class DialogsPort;

// The construction sheet and checks of the last calculated design, beside the main window: it
// never blocks it and is refreshed by it after every run. "Print…" and "Save as PDF…" put the
// sheet on paper or in a file through the dialogs port.
class ConstructionWindow final : public QWidget {
    Q_OBJECT

public:
    ConstructionWindow(DialogsPort& dialogs, const Locale& locale, QWidget* parent);

    // The design to show, with the lines of the DC outputs that feed on it; none says that there
    // is no design.
    void showDesign(const Design* design, const std::vector<SheetLine>& dcLines = {});
    bool hasDesign() const { return !lines_.empty(); }

private:
    void printSheet();
    void saveSheetAsPdf();

    DialogsPort& dialogs_;
    const Locale& locale_;
    std::vector<SheetLine> lines_;
    QTextBrowser* sheet_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* savePdf_ = nullptr;
};

} // namespace coilwise
