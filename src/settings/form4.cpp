#include "form4.h"

#include "engine/number_text.h"
#include "engine/price.h"
#include "settings/settings_store.h"
#include "widgets/dialogs_port.h"
#include "widgets/field_events.h"
#include "widgets/screen_centre.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace coilwise {

Form4::Form4(Form4State& state, Form4Host host, QWidget* parent)
    : QDialog(parent), state_(state), host_(std::move(host)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Costos"));
    setFixedSize(twips(4590), twips(2190));
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    labcostofe = new QLineEdit(this);
    labcostofe->setObjectName(QStringLiteral("labcostofe"));
    labcostofe->setGeometry(twipsRect(2685, 375, 1170, 345));
    Label1 = new QLabel(QStringLiteral("Iron cost per Kg"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(225, 420, 2250, 240));
    labcostocu = new QLineEdit(this);
    labcostocu->setObjectName(QStringLiteral("labcostocu"));
    labcostocu->setGeometry(twipsRect(2685, 840, 1170, 345));
    Label2 = new QLabel(QStringLiteral("Copper cost per Kg"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twipsRect(255, 900, 2220, 225));
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(2775, 1485, 1005, 390));
    Command1->setDefault(true);
    setTabOrder(labcostofe, labcostocu);
    setTabOrder(labcostocu, Command1);

    labcostofe->installEventFilter(this);
    labcostocu->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    centreOnScreen(*this);

    // Without a readable file the fields show the prices the dialog last held.
    if (const std::optional<SettingsLines> lines = readSettings()) {
        state_.lines = *lines;
    }
    labcostofe->setText(QString::fromStdString(state_.lines.hierro));
    labcostocu->setText(QString::fromStdString(state_.lines.cobre));
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field != nullptr && event->type() == QEvent::FocusIn) {
        selectAllOnEntry(field);
    } else if (field == labcostofe && isFieldLeave(event)) {
        labcostofe_LostFocus();
    } else if (field == labcostocu && isFieldLeave(event)) {
        labcostocu_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<double> Form4::checkPrice(QLineEdit* field, bool withBeep) {
    if (field->text().isEmpty()) {
        field->setText(QStringLiteral("0"));
    }
    const std::optional<double> value =
        readPrice(field->text().toStdString(), host_.locale, PriceSource::costsDialog);
    if (value) {
        return value;
    }
    if (withBeep) {
        host_.dialogs.beep();
    }
    host_.dialogs.message({QStringLiteral("Error"), QStringLiteral("Cost must be\na positive number"),
                           MessageIcon::critical, MessageButtons::ok, Answer::ok});
    field->setText(QStringLiteral("0"));
    field->setFocus(Qt::OtherFocusReason);
    return std::nullopt;
}

// Only the iron field beeps when it is left with a bad price.
void Form4::labcostofe_LostFocus() {
    if (!checkPrice(labcostofe, true)) {
        state_.costError = true;
    }
}

void Form4::labcostocu_LostFocus() {
    if (!checkPrice(labcostocu, false)) {
        state_.costError = true;
    }
}

// One refusal per OK, iron first. A refusal on leaving a field since the last OK, even one
// corrected since, costs this OK: it only clears the flag.
void Form4::Command1_Click() {
    const std::optional<double> iron = checkPrice(labcostofe, false);
    const std::optional<double> copper = iron ? checkPrice(labcostocu, false) : std::nullopt;
    if (iron && copper && !state_.costError) {
        storePrices(*iron, *copper);
    }
    state_.costError = false;
}

// Lines 1 to 3 are taken from the file as it is now, so that the store changes the prices only;
// from the main window's copies when the file cannot supply them.
void Form4::storePrices(double iron, double copper) {
    const std::optional<SettingsLines> lines = readSettings();
    state_.lines = lines ? *lines : host_.settings;
    SettingsLines stored = state_.lines;
    stored.hierro = labcostofe->text().toStdString();
    stored.cobre = labcostocu->text().toStdString();
    if (!host_.store(stored)) {
        return;
    }
    state_.lines = stored;
    accept();
    host_.settings.hierro = stored.hierro;
    host_.settings.cobre = stored.cobre;
    host_.setPrices(iron, copper);
    host_.nuevocosto();
}

} // namespace coilwise
