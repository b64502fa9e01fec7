#include "form1.h"

#include "engine/calculation.h"
#include "engine/clear_fields.h"
#include "engine/field_formats.h"
#include "engine/number_text.h"
#include "settings/settings_store.h"
#include "widgets/dialogs_port.h"
#include "widgets/field_events.h"
#include "widgets/screen_centre.h"
#include "widgets/version_text.h"
#include "window_place.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace coilwise {

namespace {

QString toQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Form1::Form1(DialogsPort& dialogs, const Locale& locale, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), locale_(locale) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitleText() + QStringLiteral(" - sin título"));
    buildWidgets();
    showPictures();
    buildMenus();
    connectHandlers();
    setUpKeyboard();
    describeFields();
    buildConveniences();
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

// The construction and alternatives windows end with this one, unhidden: keep where they stood.
Form1::~Form1() {
    rememberShownWindowPlaces(*this);
}

void Form1::connectHandlers() {
    std::vector<QLineEdit*> inputs{labvpri};
    for (int i = 1; i <= rowCount; ++i) {
        inputs.push_back(labvsec[i]);
        inputs.push_back(labisec[i]);
    }
    for (QLineEdit* input : inputs) {
        input->installEventFilter(this);
    }
    for (int i = 1; i <= rowCount; ++i) {
        connect(labvsec[i], &QLineEdit::textEdited, this, [this, i] { forgetDcRow(i); });
        connect(labisec[i], &QLineEdit::textEdited, this, [this, i] { forgetDcRow(i); });
    }
    connect(labobs, &QLineEdit::textChanged, this, &Form1::labobs_Change);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(menuarchnue, &QAction::triggered, this, &Form1::menuarchnue_Click);
    connect(menuarchabr, &QAction::triggered, this, &Form1::menuarchabr_Click);
    connect(menuarchguard, &QAction::triggered, this, &Form1::menuarchguard_Click);
    connect(menuarchimp, &QAction::triggered, this, &Form1::menuarchimp_Click);
    connect(menuarchsal, &QAction::triggered, this, &Form1::menuarchsal_Click);
    connect(menutension, &QAction::triggered, this, &Form1::menutension_Click);
    connect(menumaterial, &QAction::triggered, this, &Form1::menumaterial_Click);
    connect(menuayuda, &QAction::triggered, this, &Form1::menuayuda_Click);
    connect(menuacercatrafo, &QAction::triggered, this, &Form1::menuacercatrafo_Click);
    connect(menudcsec, &QAction::triggered, this, &Form1::menudcsec_Click);
    for (int i = 1; i <= 2; ++i) {
        connect(Optfrec[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                Optfrec_Click(i);
            }
        });
        connect(mnufrec[i], &QAction::triggered, this, [this, i] { mnufrec_Click(i); });
    }
    for (int i = 1; i <= 3; ++i) {
        connect(Optserv[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                Optserv_Click(i);
            }
        });
        connect(mnuserv[i], &QAction::triggered, this, [this, i] { mnuserv_Click(i); });
    }
}

// Entering, Enter and leaving the input fields.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit == nullptr) {
        return QMainWindow::eventFilter(watched, event);
    }
    if (isFieldEntry(event)) {
        selectAllOnEntry(edit);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    } else if (isFieldLeave(event)) {
        if (edit == labvpri) {
            labvpri_LostFocus();
        }
        for (int i = 1; i <= rowCount; ++i) {
            if (edit == labvsec[i]) {
                labvsec_LostFocus(i);
            } else if (edit == labisec[i]) {
                labisec_LostFocus(i);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QLineEdit* Form1::field(FieldRef ref) const {
    switch (ref.field) {
    case Field::labvpri:
        return labvpri;
    case Field::labnpri:
        return labnpri;
    case Field::labalambpri:
        return labalambpri;
    case Field::labpesoprim:
        return labpesoprim;
    case Field::labrprim:
        return labrprim;
    case Field::labvsec:
        return labvsec[ref.row];
    case Field::labisec:
        return labisec[ref.row];
    case Field::vacvsec:
        return vacvsec[ref.row];
    case Field::labesp:
        return labesp[ref.row];
    case Field::labalam:
        return labalam[ref.row];
    case Field::labcob:
        return labcob[ref.row];
    case Field::labres:
        return labres[ref.row];
    case Field::labchapa:
        return labchapa;
    case Field::labprof:
        return labprof;
    case Field::labpesoE:
        return labpesoE;
    case Field::labpesoI:
        return labpesoI;
    case Field::labpesocu:
        return labpesocu;
    case Field::labpesotot:
        return labpesotot;
    case Field::labptot:
        return labptot;
    case Field::labppri:
        return labppri;
    case Field::labrend:
        return labrend;
    case Field::labperfe:
        return labperfe;
    case Field::labpercu:
        return labpercu;
    case Field::tbxcostofe:
        return tbxcostofe;
    case Field::tbxcostocu:
        return tbxcostocu;
    case Field::tbxcostotot:
        return tbxcostotot;
    case Field::labobs:
        return labobs;
    }
    return nullptr;
}

std::string Form1::text(FieldRef ref) const {
    return field(ref)->text().toStdString();
}

void Form1::setText(FieldRef ref, const std::string& text) {
    field(ref)->setText(toQString(text));
}

void Form1::setFocus(FieldRef ref) {
    field(ref)->setFocus(Qt::OtherFocusReason);
}

void Form1::beep() {
    dialogs_.beep();
}

void Form1::showCritical(const std::string& message) {
    dialogs_.message(
        {applicationTitleText(), toQString(message), MessageIcon::critical, MessageButtons::ok, Answer::ok});
}

void Form1::leave(QLineEdit* edit, DisplayMask mask) {
    edit->setText(toQString(leaveFieldText(edit->text().toStdString(), mask, locale_)));
}

void Form1::labvpri_LostFocus() {
    leave(labvpri, primaryVoltageMask);
}

void Form1::labvsec_LostFocus(int Index) {
    leave(labvsec[Index], secondaryVoltageMask);
}

void Form1::labisec_LostFocus(int Index) {
    leave(labisec[Index], secondaryCurrentMask);
}

void Form1::labobs_Change() {
    record_.archivomodif = true;
}

void Form1::Command1_Click() {
    coilwise::Command1_Click(record_, *this, locale_);
    showDesignViews();
}

void Form1::nuevocosto() {
    coilwise::nuevocosto(record_, *this, locale_);
    showDesignViews();
}

void Form1::Command2_Click() {
    setWindowTitle(applicationTitleText() + QStringLiteral(" - untitled"));
    dcRows_ = {};
    if (!archivoabierto) {
        archivosinruta = QStringLiteral("untitled");
    }
    clearDesign(record_, *this);
    archivoabierto = false;
    record_.request.reset();
    record_.design.reset();
    showDesignViews();
}

void Form1::Optfrec_Click(int Index) {
    record_.frec = frequencyOfChoice(Index);
    if (leadingNumber(labvpri->text().toStdString()) > 0) {
        Command1_Click();
    }
}

void Form1::Optserv_Click(int Index) {
    record_.tiserv = static_cast<std::int16_t>(Index);
    if (const ServiceConstants* service = serviceConstants(Index)) {
        record_.gauss = service->gauss;
        record_.deltadia = service->deltadia;
    }
    if (leadingNumber(labvpri->text().toStdString()) > 0) {
        Command1_Click();
    }
}

void Form1::mnufrec_Click(int Index) {
    for (int i = 1; i <= 2; ++i) {
        mnufrec[i]->setChecked(false);
    }
    mnufrec[Index]->setChecked(true);
    // Selecting the option runs Optfrec_Click, which calculates when labvpri holds a positive number,
    // if it was not selected yet; the handler runs once more below either way.
    Optfrec[Index]->setChecked(true);
    settings_.frecue = std::to_string(Index);
    storeSettings(settings_);
    Optfrec_Click(Index);
}

void Form1::mnuserv_Click(int Index) {
    for (int i = 1; i <= 3; ++i) {
        mnuserv[i]->setChecked(false);
    }
    mnuserv[Index]->setChecked(true);
    // As above: Optserv_Click may calculate here and runs once more below.
    Optserv[Index]->setChecked(true);
    settings_.servi = std::to_string(Index);
    storeSettings(settings_);
    Optserv_Click(Index);
}

// A settings file that cannot be written costs the stored defaults, not the session: say so once
// per occasion and go on with the values in memory.
bool Form1::storeSettings(const SettingsLines& lines) {
    if (writeSettings(lines)) {
        return true;
    }
    if (warnSettingsWrite_) {
        dialogs_.message({applicationTitleText(),
                          QStringLiteral("The settings file could not be saved.\n") + settingsPath(),
                          MessageIcon::critical, MessageButtons::ok, Answer::ok});
        warnSettingsWrite_ = record_.carga;
    }
    return false;
}

void Form1::Form_Load() {
    adjustSize();
    centreOnScreen(*this);
    show();
    finprog = false;
    const StartSettings start = loadSettings(locale_);
    settings_ = start.lines;
    if (start.repaired) {
        storeSettings(settings_);
    }
    record_.costofe = start.values.costofe;
    record_.costocu = start.values.costocu;
    labvpri->setText(toQString(settings_.prima));
    // Selecting the stored choices selects their options, which calculates when labvpri holds a
    // positive number (quietly: carga is still false).
    mnufrec_Click(start.values.frequencyIndex);
    mnuserv_Click(start.values.serviceIndex);
    record_.carga = true;
    warnSettingsWrite_ = true;
    archivosinruta = QStringLiteral("untitled");
    record_.archivomodif = false;
    if (!pendingPath_.isEmpty()) {
        menuarchabr_Click();
    }
}

} // namespace coilwise
