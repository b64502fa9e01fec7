#include "dc_output_dialog.h"

#include "engine/display_mask.h"
#include "engine/number_text.h"
#include "widgets/dialogs_port.h"
#include "widgets/screen_centre.h"
#include "widgets/version_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace coilwise {

namespace {

constexpr double defaultRipplePercent = 10;
// More ripple than the DC voltage itself leaves no DC worth the name.
constexpr double maxRipplePercent = 100;

QString toQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The first row without text, or 0 when every row is in use.
int firstFreeRow(const RowsInUse& rowsInUse) {
    for (std::size_t row = 1; row < rowsInUse.size(); ++row) {
        if (!rowsInUse[row]) {
            return static_cast<int>(row);
        }
    }
    return 0;
}

QString rowName(int row) {
    return QLatin1Char('#') + QString::number(row);
}

} // namespace

DcOutputDialog::DcOutputDialog(DialogsPort& dialogs, const Locale& locale, double frequency,
                               const RowsInUse& rowsInUse, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), locale_(locale), frequency_(frequency), rowsInUse_(rowsInUse) {
    setObjectName(QStringLiteral("DcOutputDialog"));
    setWindowTitle(QStringLiteral("Secondary for a DC output"));
    auto* form = new QFormLayout(this);

    dcVolts_ = addField("dcVolts", {});
    form->addRow(QStringLiteral("DC &voltage at full load (V):"), dcVolts_);
    dcAmps_ = addField("dcAmps", {});
    form->addRow(QStringLiteral("DC &current (A):"), dcAmps_);
    rectifier_ = new QComboBox(this);
    rectifier_->setObjectName(QStringLiteral("rectifier"));
    rectifier_->addItem(QStringLiteral("Bridge"), static_cast<int>(Rectifier::bridge));
    rectifier_->addItem(QStringLiteral("Full-wave, centre tap (two rows)"),
                        static_cast<int>(Rectifier::centreTap));
    rectifier_->addItem(QStringLiteral("Half-wave"), static_cast<int>(Rectifier::halfWave));
    form->addRow(QStringLiteral("&Rectifier:"), rectifier_);
    diodeDrop_ = addField("diodeDrop", toQString(formatGeneral(DcRequest{}.diodeDrop, locale_)));
    form->addRow(QStringLiteral("&Drop of one diode (V):"), diodeDrop_);
    ripple_ = addField("ripple", toQString(formatGeneral(defaultRipplePercent, locale_)));
    form->addRow(QStringLiteral("Ri&pple, peak to peak (% of the DC voltage):"), ripple_);

    row_ = new QComboBox(this);
    row_->setObjectName(QStringLiteral("row"));
    for (int row = 1; row < static_cast<int>(rowsInUse_.size()); ++row) {
        const bool inUse = rowsInUse_[static_cast<std::size_t>(row)];
        row_->addItem(inUse ? rowName(row) + QStringLiteral(" (in use)") : rowName(row), row);
    }
    row_->setCurrentIndex(std::max(firstFreeRow(rowsInUse_) - 1, 0));
    form->addRow(QStringLiteral("Secondary &row:"), row_);

    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("figures"));
    figures_->setTextFormat(Qt::PlainText);
    form->addRow(QStringLiteral("Winding:"), figures_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &DcOutputDialog::okClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (QLineEdit* field : {dcVolts_, dcAmps_, diodeDrop_, ripple_}) {
        connect(field, &QLineEdit::textChanged, this, &DcOutputDialog::showFigures);
    }
    connect(rectifier_, &QComboBox::currentIndexChanged, this, &DcOutputDialog::showFigures);
    showFigures();
    centreOnScreen(*this);
}

QLineEdit* DcOutputDialog::addField(const char* name, const QString& text) {
    auto* field = new QLineEdit(text, this);
    field->setObjectName(QLatin1StringView(name));
    return field;
}

std::optional<double> DcOutputDialog::number(const QLineEdit* field) const {
    return parseNumber(field->text().toStdString(), locale_);
}

Rectifier DcOutputDialog::rectifier() const {
    return static_cast<Rectifier>(rectifier_->currentData().toInt());
}

std::optional<DcRequest> DcOutputDialog::request() const {
    const std::optional<double> volts = number(dcVolts_);
    const std::optional<double> amps = number(dcAmps_);
    const std::optional<double> drop = number(diodeDrop_);
    const std::optional<double> ripplePercent = number(ripple_);
    if (!volts || !amps || !drop || !ripplePercent || *ripplePercent > maxRipplePercent) {
        return std::nullopt;
    }
    return DcRequest{*volts, *amps, rectifier(), *drop, *volts * *ripplePercent / 100, frequency_};
}

// The winding and capacitor for what is typed so far, so that the user sees them before OK.
void DcOutputDialog::showFigures() {
    const std::optional<DcRequest> typed = request();
    const std::optional<DcSecondary> out = typed ? convertDcOutput(*typed) : std::nullopt;
    if (!out) {
        figures_->setText(QStringLiteral("-"));
        return;
    }
    const QString volts = toQString(formatMask(out->acVoltsWritten, "0.00", locale_));
    const QString amps = toQString(formatMask(out->acAmpsWritten, "0.00", locale_));
    QString winding = volts + QStringLiteral(" V, ") + amps + QStringLiteral(" A");
    if (out->request.rectifier == Rectifier::centreTap) {
        winding = QStringLiteral("2 x ") + winding + QStringLiteral(" each half");
    }
    figures_->setText(winding + QStringLiteral("\nCapacitor ") +
                      toQString(formatMask(out->capacitanceMicrofarads, "0", locale_)) +
                      QStringLiteral(" µF, next E6 value ") +
                      toQString(formatGeneral(out->capacitorMicrofarads, locale_)) + QStringLiteral(" µF"));
}

void DcOutputDialog::refuse(const QString& message, QWidget* field) {
    dialogs_.message(
        {applicationTitleText(), message, MessageIcon::critical, MessageButtons::ok, Answer::ok});
    field->setFocus(Qt::OtherFocusReason);
}

bool DcOutputDialog::checkInputs() {
    const std::optional<double> volts = number(dcVolts_);
    if (!volts || *volts <= 0) {
        refuse(QStringLiteral("The DC voltage must be\na positive number of volts."), dcVolts_);
        return false;
    }
    const std::optional<double> amps = number(dcAmps_);
    if (!amps || *amps <= 0) {
        refuse(QStringLiteral("The DC current must be\na positive number of amperes."), dcAmps_);
        return false;
    }
    const std::optional<double> drop = number(diodeDrop_);
    if (!drop || *drop < 0) {
        refuse(QStringLiteral("The diode drop must be\na number of volts, 0 or more."), diodeDrop_);
        return false;
    }
    const std::optional<double> ripplePercent = number(ripple_);
    if (!ripplePercent || *ripplePercent <= 0 || *ripplePercent > maxRipplePercent) {
        refuse(QStringLiteral("The ripple must be more than 0\nand at most 100 % of the DC voltage."),
               ripple_);
        return false;
    }
    return true;
}

// The rows must be free, and Calculate leaves out every row below an empty one, so the winding
// may not start below a free row.
bool DcOutputDialog::checkRows() {
    const int firstFree = firstFreeRow(rowsInUse_);
    if (firstFree == 0) {
        refuse(QStringLiteral("No secondary row is free.\nClear a row for the DC output first."), row_);
        return false;
    }
    const int first = row_->currentData().toInt();
    const int last = first + windingRows(rectifier()) - 1;
    if (last >= static_cast<int>(rowsInUse_.size())) {
        refuse(QStringLiteral("A centre tap fills two rows:\n") + rowName(first) +
                   QStringLiteral(" has no row below it."),
               row_);
        return false;
    }
    for (int row = first; row <= last; ++row) {
        if (rowsInUse_[static_cast<std::size_t>(row)]) {
            refuse(QStringLiteral("Row ") + rowName(row) + QStringLiteral(" is in use.\nChoose a free row."),
                   row_);
            return false;
        }
    }
    if (first > firstFree) {
        refuse(QStringLiteral("Row ") + rowName(first) + QStringLiteral(" comes after the empty row ") +
                   rowName(firstFree) + QStringLiteral(";\nCalculate uses the rows from #1 down."),
               row_);
        return false;
    }
    return true;
}

void DcOutputDialog::okClicked() {
    if (!checkInputs() || !checkRows()) {
        return;
    }
    const std::optional<DcSecondary> out = convertDcOutput(*request());
    if (!out) {
        refuse(QStringLiteral("These figures are too large\nfor a winding."), dcVolts_);
        return;
    }
    choice_ = DcOutputChoice{*out, row_->currentData().toInt()};
    accept();
}

} // namespace coilwise
