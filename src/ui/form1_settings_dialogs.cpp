#include "dialogs_port.h"
#include "form1.h"
#include "settings/settings_store.h"

#include <QLineEdit>

namespace coilwise {

namespace {

// The dialogs write the settings file as the main window does and report a failure the same way.
bool storeOrReport(DialogsPort& dialogs, const SettingsLines& lines) {
    if (writeSettings(lines)) {
        return true;
    }
    dialogs.message({QStringLiteral("Coilwise"),
                     QStringLiteral("The settings file could not be saved.\n") + settingsPath(),
                     MessageIcon::critical, MessageButtons::ok, Answer::ok});
    return false;
}

} // namespace

void Form1::menutension_Click() {
    Form2 dialog(form2State_,
                 {dialogs_, locale_, settings_,
                  [this](const SettingsLines& lines) { return storeOrReport(dialogs_, lines); },
                  [this](const QString& prima) { labvpri->setText(prima); },
                  [this] {
                      nuevocosto();
                  }},
                 this);
    dialogs_.runModal(dialog);
    // Stored or not, the field takes the dialog's voltage.
    labvpri->setText(QString::fromStdString(form2State_.lines.prima));
}

void Form1::menumaterial_Click() {
    Form4 dialog(form4State_,
                 {dialogs_, locale_, settings_,
                  [this](const SettingsLines& lines) { return storeOrReport(dialogs_, lines); },
                  [this](double costofe, double costocu) {
                      record_.costofe = costofe;
                      record_.costocu = costocu;
                  },
                  [this] {
                      nuevocosto();
                  }},
                 this);
    dialogs_.runModal(dialog);
}

} // namespace coilwise
