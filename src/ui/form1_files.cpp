#include "engine/clear_fields.h"
#include "files/design_format.h"
#include "files/whole_file.h"
#include "form1.h"
#include "report/design_sheet.h"
#include "report/form3.h"
#include "widgets/dialogs_port.h"
#include "widgets/version_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

namespace coilwise {

namespace {

const QString errorTitle = QStringLiteral("ERROR");
// Added to a name typed without an extension, so that the design shows in Open's list.
const QString designSuffix = QStringLiteral("cwf");

} // namespace

void Form1::endProgram() {
    if (endProgram_) {
        endProgram_();
    } else {
        QApplication::exit(0);
    }
}

void Form1::showFileError(const QString& title, const QString& text) {
    dialogs_.message({title, text, MessageIcon::critical, MessageButtons::ok, Answer::ok});
}

Answer Form1::askToSaveChanges() {
    return dialogs_.message({applicationTitleText(),
                             QStringLiteral("Save changes to ") + archivosinruta + QStringLiteral(" ?"),
                             MessageIcon::question, MessageButtons::yesNoCancel, Answer::yes});
}

// Unsaved work is never dropped without the offer to save it that Quit makes: true when the design
// may go (saved, or the user lets it go), false when the user cancels or the save does not happen.
bool Form1::mayDropChanges() {
    if (!record_.archivomodif) {
        return true;
    }
    const Answer answer = askToSaveChanges();
    if (answer == Answer::yes) {
        finprog = false;
        menuarchguard_Click();
        return !record_.archivomodif;
    }
    return answer == Answer::no;
}

// The close box asks nothing about a saved design; a refused or failed save keeps the window open.
void Form1::closeEvent(QCloseEvent* event) {
    event->setAccepted(mayDropChanges());
}

void Form1::menuarchnue_Click() {
    if (mayDropChanges()) {
        Command2_Click();
    }
}

void Form1::menuarchsal_Click() {
    if (!record_.archivomodif) {
        const Answer answer =
            dialogs_.message({applicationTitleText(), QStringLiteral("Do you want to quit Coilwise ?"),
                              MessageIcon::question, MessageButtons::yesNo, Answer::yes});
        if (answer == Answer::yes) {
            endProgram();
        }
        return;
    }
    const Answer answer = askToSaveChanges();
    if (answer == Answer::no) {
        endProgram();
    } else if (answer == Answer::yes) {
        finprog = true;
        menuarchguard_Click();
    } else {
        finprog = false;
    }
}

void Form1::menuarchguard_Click() {
    const std::optional<QString> chosen = dialogs_.saveFile(
        {QStringLiteral("Coilwise files(*.cwf)"), ruta + archivosinruta, true, designSuffix});
    if (!chosen) {
        finprog = false;
        return;
    }
    archivoenuso = *chosen;
    archivosinruta = QFileInfo(*chosen).fileName();
    lastChosenName_ = *chosen;

    DesignInputs inputs{record_.tiserv, record_.frec, {}, text({Field::labvpri}), text({Field::labobs})};
    for (int i = 1; i <= record_.q; ++i) {
        inputs.rows.emplace_back(text({Field::labvsec, i}), text({Field::labisec, i}));
    }
    if (!writeWholeFile(archivoenuso, writeDesignFile(inputs))) {
        finprog = false;
        showFileError(errorTitle, QStringLiteral("The file could not be saved.\n") + archivoenuso);
        return;
    }
    setWindowTitle(applicationTitleText() + QStringLiteral(" - ") + archivosinruta);
    rememberDesign(archivoenuso);
    if (finprog) {
        endProgram();
        return;
    }
    record_.archivomodif = false;
}

void Form1::beginRecord() {
    archivoabierto = true;
    Command2_Click();
}

// A file that could not be read as a design gives the design its previous name back.
void Form1::openFailed(const QString& title, const QString& text) {
    showFileError(title, text);
    archivosinruta = archivosinrutaold;
    setWindowTitle(applicationTitleText() + QStringLiteral(" - ") + archivosinruta);
}

void Form1::menuarchabr_Click() {
    if (pendingPath_.isEmpty()) {
        if (!mayDropChanges()) {
            return;
        }
        const std::optional<QString> chosen =
            !presetOpenPath_.isEmpty()
                ? presetOpenPath_
                : dialogs_.openFile({QStringLiteral("Coilwise files (*.cwf)"), lastChosenName_, false, {}});
        if (!chosen) {
            return;
        }
        archivosinrutaold = archivosinruta;
        archivoenuso = *chosen;
        archivosinruta = QFileInfo(*chosen).fileName();
        lastChosenName_ = *chosen;
    } else {
        archivoenuso = pendingPath_;
        archivosinruta = QFileInfo(pendingPath_).fileName();
        record_.recalcularcosto = true;
    }
    pendingPath_.clear();
    labobs->setText(archivoenuso + QStringLiteral("  ") + archivosinruta +
                    QString::number(archivosinruta.size()));
    ruta = archivoenuso.left(archivoenuso.size() - archivosinruta.size());

    const std::optional<std::string> bytes = readWholeFile(archivoenuso);
    if (!bytes) {
        record_.recalcularcosto = false;
        showFileError(errorTitle, QStringLiteral("The file could not be opened.\n") + archivoenuso);
        return;
    }
    const DesignReadResult read = readDesignFile(*bytes, *this);
    if (read.status != DesignReadStatus::ok) {
        record_.recalcularcosto = false;
        if (read.status == DesignReadStatus::empty) {
            openFailed(errorTitle, QStringLiteral("El archivo está vacío"));
        } else if (read.status == DesignReadStatus::invalidFormat) {
            openFailed(errorTitle, QStringLiteral("The file has not\na valid format."));
        }
        return;
    }

    const std::optional<DesignSettings> opened = designSettings(read);
    // A service line that reads exactly as its number sets that service's constants at once.
    if (opened && read.service == opened->service) {
        const ServiceConstants* service = serviceConstants(opened->service);
        record_.gauss = service->gauss;
        record_.deltadia = service->deltadia;
    }
    if (!opened) {
        record_.recalcularcosto = false;
        return;
    }
    // Selecting an option runs its click handler, which calculates when labvpri holds a number.
    Optserv[opened->service]->setChecked(true);
    Optfrec[frequencyChoice(opened->frequency)]->setChecked(true);
    Command1_Click();
    setWindowTitle(applicationTitleText() + QStringLiteral(" - ") + archivosinruta);
    record_.archivomodif = false;
    rememberDesign(archivoenuso);
}

// Always available, also before the first calculation: the sheet prints the fields as they stand.
void Form1::menuarchimp_Click() {
    printDesignSheet(dialogs_, sheetInputs(*this, record_));
}

void Form1::menuPrintPreview_Click() {
    previewDesignSheet(dialogs_, sheetInputs(*this, record_), this);
}

} // namespace coilwise
