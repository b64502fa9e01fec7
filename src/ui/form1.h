#pragma once

#include "engine/dc_output.h"
#include "engine/design_input.h"
#include "engine/design_record.h"
#include "engine/display_mask.h"
#include "engine/locale.h"
#include "engine/window_port.h"
#include "files/design_format.h"
#include "frm_about.h"
#include "help_viewer.h"
#include "report/dc_output_lines.h"
#include "settings/form2.h"
#include "settings/form4.h"
#include "settings/settings_format.h"
#include "widgets/control_array.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;

namespace coilwise {

class AlternativesWindow;
class ConstructionWindow;
class DialogsPort;
struct DcOutputChoice;
enum class Answer;

// The main window: the design record lives in its fields. It is the calculation's window.
class Form1 final : public QMainWindow, private WindowPort, private DesignFileSink {
    Q_OBJECT

public:
    Form1(DialogsPort& dialogs, const Locale& locale, QWidget* parent = nullptr);
    ~Form1() override;

    // The load: shows the window, applies the settings file (repairing it), names the design and
    // opens the design file given on the command line, if any.
    void Form_Load();
    // A design file to open at the end of the load.
    void setPendingPath(const QString& path) { pendingPath_ = path; }
    // How the program ends at once (Quit, or a save that Quit asked for).
    void setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }
    // Help looks for its pages from the program's folder.
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }
    // A recalculation started by the program after a settings change.
    void nuevocosto();

    const DesignRecord& record() const { return record_; }
    // The design the result fields show; none after a stopped run, a Clear or a New.
    const Design* designShown() const { return record_.design ? &*record_.design : nullptr; }
    bool archivomodif() const { return record_.archivomodif; }
    const SettingsLines& settings() const { return settings_; }
    const QString& designName() const { return archivosinruta; }
    // The winding of a row the DC helper filled, while the row still shows what the helper wrote
    // and nothing has been typed into it, cleared, opened or started anew since.
    std::optional<DcSecondary> dcSecondary(int row) const;
    // Its DC voltages across the mains tolerance, from the last calculation's figures for the row.
    std::optional<DcVoltages> dcVoltagesOfRow(int row) const;
    // The DC outputs the helper wrote that the rows still show, each at its first row.
    std::vector<DcOutputRow> dcOutputRows() const;
    // The inputs as typed, with the settings in force: what Calculate would design from.
    DesignInput typedDesign() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // WindowPort
    std::string text(FieldRef ref) const override;
    void setText(FieldRef ref, const std::string& text) override;
    void setFocus(FieldRef ref) override;
    void beep() override;
    void showCritical(const std::string& message) override;
    void runClear() override { Command2_Click(); }
    void leaveSecondaryVoltage(int row) override { labvsec_LostFocus(row); }
    void leaveSecondaryCurrent(int row) override { labisec_LostFocus(row); }

    // DesignFileSink: a record being read goes straight into the fields.
    void beginRecord() override;
    void setField(FieldRef ref, const std::string& text) override { setText(ref, text); }

    void buildWidgets();
    void buildMenus();
    void buildDesignViews();
    // The construction window and the checks' status line follow the last run.
    void showDesignViews();
    void buildAlternativesView();
    // Designs every core again on the inputs, when the alternatives window is open.
    void refreshAlternatives();
    void connectHandlers();
    void setUpKeyboard();
    void keepSelectedOptionsAsTabStops();
    void describeFields();
    void buildConveniences();
    void showRecentDesigns();
    void openRecentDesign(const QString& path);
    // Open as the menu command runs it, with the path taken in place of the open dialog's answer.
    void openWithoutDialog(const QString& path);
    void rememberDesign(const QString& path);
    QLineEdit* field(FieldRef ref) const;
    void leave(QLineEdit* edit, DisplayMask mask);
    bool storeSettings(const SettingsLines& lines);
    void showFileError(const QString& title, const QString& text);
    void openFailed(const QString& title, const QString& text);
    void endProgram();
    Answer askToSaveChanges();
    bool mayDropChanges();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click() { menuarchsal_Click(); }
    void menuarchnue_Click();
    void menuarchsal_Click();
    void menuarchguard_Click();
    void menuarchabr_Click();
    void menuarchimp_Click();
    void labvpri_LostFocus();
    void labvsec_LostFocus(int Index);
    void labisec_LostFocus(int Index);
    void labobs_Change();
    void Optfrec_Click(int Index);
    void Optserv_Click(int Index);
    void mnufrec_Click(int Index);
    void mnuserv_Click(int Index);
    void menutension_Click();
    void menumaterial_Click();
    void menuayuda_Click();
    void menuacercatrafo_Click();
    void menuconstruction_Click();
    void menualternatives_Click();
    void showPictures();
    void menudcsec_Click();
    void writeDcSecondary(const DcOutputChoice& choice);
    void forgetDcRow(int row);
    void menuPrintPreview_Click();
    void menuCopyResults_Click();

    DialogsPort& dialogs_;
    const Locale& locale_;
    DesignRecord record_;
    SettingsLines settings_; // Prima, frecue, Servi, hierro, cobre: always the file's five lines
    bool warnSettingsWrite_ = true;
    Form2State form2State_; // the settings dialogs' state outlives their windows
    Form4State form4State_;

    QString archivosinruta = QStringLiteral("untitled");
    QString archivoenuso;
    QString ruta;
    QString archivosinrutaold;
    bool archivoabierto = false;
    bool finprog = false;
    QString pendingPath_;
    QString presetOpenPath_; // a recent design or a dropped file, standing in for the open dialog
    QString lastChosenName_; // the open dialog proposes the name last chosen in either dialog
    std::function<void()> endProgram_;
    QString programFolder_;
    std::unique_ptr<frmAbout> aboutBox_; // at most one, kept until the next About command
    std::unique_ptr<HelpWindow> helpWindow_;
    ConstructionWindow* constructionWindow_ = nullptr; // made on first use, a child window of this one
    QPushButton* constructionStatus_ = nullptr;        // the status line, clickable
    // Rows the DC helper filled, for this run of the program only (design files keep no trace).
    struct DcRow {
        DcSecondary secondary;
        int firstRow = 0; // the two halves of a centre tap are forgotten together
        QString volts;
        QString amps;
    };
    ControlArray<std::optional<DcRow>, rowCount> dcRows_;
    AlternativesWindow* alternativesWindow_ = nullptr; // made on first use, like the construction window
    QTimer* alternativesPause_ = nullptr;              // waits for a pause in typing before recomputing

    QLineEdit* labvpri = nullptr;
    QLineEdit* labnpri = nullptr;
    QLineEdit* labalambpri = nullptr;
    QLineEdit* labpesoprim = nullptr;
    QLineEdit* labrprim = nullptr;
    ControlArray<QLineEdit*, rowCount> labvsec;
    ControlArray<QLineEdit*, rowCount> labisec;
    ControlArray<QLineEdit*, rowCount> vacvsec;
    ControlArray<QLineEdit*, rowCount> labesp;
    ControlArray<QLineEdit*, rowCount> labalam;
    ControlArray<QLineEdit*, rowCount> labcob;
    ControlArray<QLineEdit*, rowCount> labres;
    QLineEdit* labchapa = nullptr;
    QLineEdit* labprof = nullptr;
    QLineEdit* labpesoE = nullptr;
    QLineEdit* labpesoI = nullptr;
    QLineEdit* labpesocu = nullptr;
    QLineEdit* labpesotot = nullptr;
    QLineEdit* labppri = nullptr;
    QLineEdit* labptot = nullptr;
    QLineEdit* labperfe = nullptr;
    QLineEdit* labpercu = nullptr;
    QLineEdit* labrend = nullptr;
    QLineEdit* tbxcostofe = nullptr;
    QLineEdit* tbxcostocu = nullptr;
    QLineEdit* tbxcostotot = nullptr;
    QLineEdit* labobs = nullptr;
    ControlArray<QRadioButton*, 2> Optfrec;
    ControlArray<QRadioButton*, 3> Optserv;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

    QAction* menuarchnue = nullptr;
    QAction* menuarchabr = nullptr;
    QAction* menuarchguard = nullptr;
    QAction* menuarchimp = nullptr;
    QAction* menuarchsal = nullptr;
    QAction* menutension = nullptr;
    QAction* menumaterial = nullptr;
    QAction* menuayuda = nullptr;
    QAction* menuacercatrafo = nullptr;
    QMenu* menuDesign = nullptr;
    QAction* menuconstruction = nullptr;
    QAction* menudcsec = nullptr;
    QAction* menualternatives = nullptr;
    ControlArray<QAction*, 2> mnufrec;
    ControlArray<QAction*, 3> mnuserv;

    QMenu* menuarch = nullptr;
    QAction* menuPrintPreview = nullptr;
    QAction* menuCopyResults = nullptr;
    QAction* recentSeparator_ = nullptr;
    std::vector<QAction*> recentItems_; // five, shown as far as the list goes
    QStringList recentPaths_;
};

} // namespace coilwise
