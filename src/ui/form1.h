#pragma once

#include "engine/design_record.h"
#include "engine/locale.h"
#include "engine/window_port.h"
#include "settings/settings_format.h"

#include <QMainWindow>
#include <array>
#include <string>

class QAction;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace coilwise {

class DialogsPort;

// The main window: the design record lives in its fields. It is the calculation's window.
class Form1 final : public QMainWindow, private WindowPort {
    Q_OBJECT

public:
    Form1(DialogsPort& dialogs, const Locale& locale, QWidget* parent = nullptr);

    // The load: shows the window, applies the settings file (repairing it) and names the design.
    void Form_Load();
    // A recalculation started by the program after a settings change.
    void nuevocosto();

    const DesignRecord& record() const { return record_; }
    bool archivomodif() const { return record_.archivomodif; }
    const SettingsLines& settings() const { return settings_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

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

    void buildWidgets();
    void buildMenus();
    void connectHandlers();
    QLineEdit* field(FieldRef ref) const;
    void leave(QLineEdit* edit, std::string_view mask);
    void storeSettings();

    void Command1_Click();
    void Command2_Click();
    void labvpri_LostFocus();
    void labvsec_LostFocus(int Index);
    void labisec_LostFocus(int Index);
    void labobs_Change();
    void Optfrec_Click(int Index);
    void Optserv_Click(int Index);
    void mnufrec_Click(int Index);
    void mnuserv_Click(int Index);

    DialogsPort& dialogs_;
    const Locale& locale_;
    DesignRecord record_;
    SettingsLines settings_; // Prima, frecue, Servi, hierro, cobre: always the file's five lines
    bool warnSettingsWrite_ = true;

    QString archivosinruta = QStringLiteral("untitled");
    bool archivoabierto = false;
    bool finprog = false;

    QLineEdit* labvpri = nullptr;
    QLineEdit* labnpri = nullptr;
    QLineEdit* labalambpri = nullptr;
    QLineEdit* labpesoprim = nullptr;
    QLineEdit* labrprim = nullptr;
    std::array<QLineEdit*, 6> labvsec{};
    std::array<QLineEdit*, 6> labisec{};
    std::array<QLineEdit*, 6> vacvsec{};
    std::array<QLineEdit*, 6> labesp{};
    std::array<QLineEdit*, 6> labalam{};
    std::array<QLineEdit*, 6> labcob{};
    std::array<QLineEdit*, 6> labres{};
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
    std::array<QRadioButton*, 3> Optfrec{};
    std::array<QRadioButton*, 4> Optserv{};
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
    std::array<QAction*, 3> mnufrec{};
    std::array<QAction*, 4> mnuserv{};
};

} // namespace coilwise
