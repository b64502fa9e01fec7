#pragma once

#include "engine/alternatives.h"
#include "engine/locale.h"

#include <QWidget>
#include <vector>

class QLabel;
class QSpinBox;
class QTableWidget;
class QWidget;

namespace coilwise {

class ConstructionWindow;
class DialogsPort;

// Every core the design could be wound on, beside the main window: a sortable table, the user's
// own cores ("Core I have…", kept in the preferences file), and below it the selected core's
// construction sheet with Print and Save as PDF. The main window hands it the inputs to show; an
// input error is shown in the window itself, never in a message box.
class AlternativesWindow final : public QWidget {
    Q_OBJECT

public:
    AlternativesWindow(DialogsPort& dialogs, const Locale& locale, QWidget* parent);

    // Designs every core again on the inputs typed in the main window, with its settings.
    void recompute(const DesignInput& typed);
    const std::vector<Alternative>& rows() const { return table_.rows; }

private:
    void fillTable();
    void sortBy(int column);
    void showSelected();
    void addOwnCore();

    const Locale& locale_;
    AlternativesTable table_;
    std::vector<ChosenCore> ownCores_;
    DesignInput typed_; // the inputs of the last recompute, for a core added later
    int sortColumn_ = -1;
    bool ascending_ = true;

    QLabel* inputError_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QWidget* ownCoreEntry_ = nullptr;
    QSpinBox* tongue_ = nullptr;
    QSpinBox* stack_ = nullptr;
    ConstructionWindow* sheet_ = nullptr;
};

} // namespace coilwise
