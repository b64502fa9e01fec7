#include "form1.h"
#include "widgets/dialogs_port.h"

#include <QLineEdit>

namespace coilwise {

void Form1::menutension_Click() {
    Form2 dialog(form2State_,
                 {dialogs_, locale_, settings_,
                  [this](const SettingsLines& lines) { return storeSettings(lines); },
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
                  [this](const SettingsLines& lines) { return storeSettings(lines); },
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
