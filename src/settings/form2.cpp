#include "form2.h"

#include "engine/display_mask.h"
#include "engine/input_checks.h"
#include "settings/settings_store.h"
#include "widgets/dialogs_port.h"
#include "widgets/field_events.h"
#include "widgets/screen_centre.h"
#include "widgets/twips.h"
#include "widgets/version_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace coilwise {

Form2::Form2(Form2State& state, Form2Host host, QWidget* parent)
    : QDialog(parent), state_(state), host_(std::move(host)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Tensión"));
    setFixedSize(twips(4485), twips(1605));
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    Label1 = new QLabel(QStringLiteral("Default primary voltage:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(540, 435, 2025, 225));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(2790, 390, 900, 285));
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(2640, 960, 1080, 345));
    Command1->setDefault(true);
    setTabOrder(Text1, Command1);

    Text1->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    centreOnScreen(*this);

    // Without a readable file the field starts empty and the dialog keeps the voltage it had.
    if (const std::optional<SettingsLines> lines = readSettings()) {
        state_.lines.prima = lines->prima;
        Text1->setText(QString::fromStdString(state_.lines.prima));
    }
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && isFieldLeave(event)) {
        Text1_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

// The dialog accepts what a calculation accepts as primary voltage, with a message of its own.
std::optional<double> Form2::checkVoltage(bool withBeep) {
    const std::variant<double, RunStop> checked =
        checkPrimaryVoltage(Text1->text().toStdString(), host_.locale);
    if (const double* volts = std::get_if<double>(&checked)) {
        return *volts;
    }
    if (withBeep) {
        host_.dialogs.beep();
    }
    host_.dialogs.message({applicationTitleText(),
                           QStringLiteral("Voltage value must be\nbetween 0,5 y 2000 volts."),
                           MessageIcon::critical, MessageButtons::ok, Answer::ok});
    Text1->setFocus(Qt::OtherFocusReason);
    state_.badtension = true;
    return std::nullopt;
}

void Form2::Text1_LostFocus() {
    checkVoltage(true);
}

// A refusal since the last OK, even one corrected since, costs this OK: it only clears the flag.
void Form2::Command1_Click() {
    const std::optional<double> volts = checkVoltage(false);
    if (volts && !state_.badtension) {
        storeVoltage(*volts);
    }
    state_.badtension = false;
}

// The other lines are taken from the file as it is now, so that the store changes line 1 only;
// from the main window's copies when the file cannot supply them (it vanished while the dialog was
// open), so that the store never writes empty lines the next start would reset.
void Form2::storeVoltage(double volts) {
    const std::optional<SettingsLines> lines = readSettings();
    state_.lines = lines ? *lines : host_.settings;
    SettingsLines stored = state_.lines;
    stored.prima = formatMask(volts, "###0.00", host_.locale);
    if (!host_.store(stored)) {
        return;
    }
    state_.lines = stored;
    accept();
    host_.settings.prima = stored.prima;
    host_.setLabvpri(QString::fromStdString(stored.prima));
    host_.nuevocosto();
}

} // namespace coilwise
