#include "form1_fixture.h"
#include "support/no_file_growth.h"
#include "support/worked_examples.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <sys/stat.h>

namespace coilwise {
namespace {

const QByteArray header = "COIL-WISE DATA: DO NOT MODIFY!!\r\n-------------------------------\r\n";
const QByteArray nineLines = header + " 1 \r\n 50 \r\n 1 \r\n12.00\r\n1.00\r\n220.0\r\n\r\n";

class FileCommands : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        writeSettingsFile("220\r\n1\r\n1\r\n0\r\n0\r\n");
    }

    void loadWindow(const QString& pending = {}) {
        form = std::make_unique<Form1>(dialogs, locale);
        form->setEndProgram([this] { ended = true; });
        form->setPendingPath(pending);
        form->Form_Load();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    QString designPath(const char* name) const { return designs.filePath(QLatin1StringView(name)); }

    QString put(const char* name, const QByteArray& bytes) const {
        QFile file(designPath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QByteArray contents(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void calculateExample() {
        typeInto("labvsec(1)", QString::fromStdString(endToEndExample.secondaries[0].volts));
        typeInto("labisec(1)", QString::fromStdString(endToEndExample.secondaries[0].amps));
        child<QPushButton>(QStringLiteral("Command1"))->click();
    }

    void save(const QString& path) {
        dialogs.savePaths.push_back(path);
        child<QAction>(QStringLiteral("menuarchguard"))->trigger();
    }

    void open(const QString& path) {
        dialogs.openPaths.push_back(path);
        child<QAction>(QStringLiteral("menuarchabr"))->trigger();
    }

    QTemporaryDir designs;
    bool ended = false;
};

TEST_F(FileCommands, SaveThenOpenGivesTheSameDesign) {
    loadWindow();
    calculateExample();
    save(designPath("a.cwf"));
    EXPECT_EQ(contents(designPath("a.cwf")), nineLines);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Coilwise - a.cwf"));
    EXPECT_FALSE(form->archivomodif());
    EXPECT_EQ(dialogs.saveRequests.back().filter, QStringLiteral("Coilwise files(*.cwf)"));
    EXPECT_EQ(dialogs.saveRequests.back().initialPath, QStringLiteral("untitled"));
    EXPECT_TRUE(dialogs.saveRequests.back().confirmReplace);

    child<QAction>(QStringLiteral("menuarchnue"))->trigger();
    EXPECT_EQ(text("labnpri"), QString());
    open(designPath("a.cwf"));
    EXPECT_EQ(text("labvsec(1)"), QStringLiteral("12.00"));
    EXPECT_EQ(text("labisec(1)"), QStringLiteral("1.00"));
    EXPECT_EQ(text("labvpri"), QStringLiteral("220.0"));
    EXPECT_EQ(text("labobs"), QString());
    EXPECT_EQ(text("labnpri").toStdString(), endToEndExample.result("labnpri"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Coilwise - a.cwf"));
    EXPECT_FALSE(form->archivomodif());
    EXPECT_TRUE(dialogs.messages.empty());

    // Cleared, the design is untitled again, but a save proposes the folder it came from.
    child<QPushButton>(QStringLiteral("Command2"))->click();
    dialogs.savePaths.push_back(std::nullopt);
    child<QAction>(QStringLiteral("menuarchguard"))->trigger();
    EXPECT_EQ(dialogs.saveRequests.back().initialPath, designPath("untitled"));
}

TEST_F(FileCommands, OpenSelectsTheStoredServiceAndFrequency) {
    loadWindow();
    open(put("b.cwf", header + " 3 \r\n 60 \r\n 1 \r\n12.00\r\n1.00\r\n220.0\r\nTensi\xf3n\r\n"));
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("Optserv(3)"))->isChecked());
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("Optfrec(2)"))->isChecked());
    EXPECT_EQ(form->record().tiserv, 3);
    EXPECT_EQ(form->record().frec, 60);
    EXPECT_EQ(text("labobs"), QStringLiteral("Tensión"));
    EXPECT_FALSE(text("labnpri").isEmpty());
}

struct BadFileCase {
    const char* name;
    QByteArray bytes;
    const char* message; // empty: nothing is said
    const char* title;
    bool changed;
    const char* labvsec1;
};

class BadFiles : public FileCommands, public testing::WithParamInterface<BadFileCase> {};

TEST_P(BadFiles, LeaveTheWindowAsFarAsTheyWereRead) {
    const BadFileCase& c = GetParam();
    loadWindow();
    const QString path = put("bad.cwf", c.bytes);
    open(path);
    if (*c.message == '\0') {
        EXPECT_TRUE(dialogs.messages.empty());
    } else {
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages.back().title, QStringLiteral("ERROR"));
        EXPECT_EQ(dialogs.messages.back().text, QString::fromUtf8(c.message));
        EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::critical);
    }
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(form->archivomodif(), c.changed);
    EXPECT_EQ(text("labvsec(1)"), QString::fromUtf8(c.labvsec1));
    EXPECT_EQ(text("labnpri"), QString()); // no calculation ran
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadFiles,
    testing::Values(
        BadFileCase{"Empty", "", "El archivo está vacío", "Coilwise - untitled", true, ""},
        BadFileCase{"HeaderInOtherCase", "coil-wise DATA: DO NOT MODIFY!!\r\n",
                    "The file has not\na valid format.", "Coilwise - untitled", true, ""},
        BadFileCase{"LineFeedsOnly", "COIL-WISE DATA: DO NOT MODIFY!!\n---\n 1 \n",
                    "The file has not\na valid format.", "Coilwise - untitled", true, ""},
        BadFileCase{"NotesWithAnExtraLine",
                    header + " 1 \r\n 50 \r\n 1 \r\n12.00\r\n1.00\r\n220.0\r\na\r\nb\r\n",
                    "The file has not\na valid format.", "Coilwise - untitled", true, "12.00"},
        BadFileCase{"SixRows",
                    header +
                        " 1 \r\n 50 \r\n 6 \r\n1\r\n1\r\n2\r\n2\r\n3\r\n3\r\n4\r\n4\r\n5\r\n5\r\n6\r\n6\r\n",
                    "", "Coilwise - untitled", false, "1"},
        BadFileCase{"MissingLines", header + " 1 \r\n 50 \r\n 1 \r\n12.00\r\n", "", "Coilwise - untitled",
                    false, "12.00"},
        BadFileCase{"ServiceSeven", header + " 7 \r\n 50 \r\n 1 \r\n12.00\r\n1.00\r\n220.0\r\n\r\n", "",
                    "Coilwise - untitled", false, "12.00"},
        BadFileCase{"CountOf40000", header + " 1 \r\n 50 \r\n 40000 \r\n", "", "Coilwise - untitled", false,
                    ""},
        BadFileCase{"ServiceBeyondAnyInteger",
                    header + " 1e10 \r\n 50 \r\n 1 \r\n12.00\r\n1.00\r\n220.0\r\n\r\n", "",
                    "Coilwise - untitled", false, "12.00"}),
    [](const testing::TestParamInfo<BadFileCase>& info) { return info.param.name; });

TEST_F(FileCommands, TwoRecordsTheSecondWins) {
    loadWindow();
    open(put("two.cwf", nineLines + header + " 1 \r\n 50 \r\n 1 \r\n6.00\r\n1.50\r\n110.0\r\nsecond\r\n"));
    EXPECT_EQ(text("labvsec(1)"), QStringLiteral("6.00"));
    EXPECT_EQ(text("labobs"), QStringLiteral("second"));
    EXPECT_EQ(text("labnpri").toStdString(), deeperStackExample.result("labnpri"));
}

TEST_F(FileCommands, CancelledOpenChangesNothing) {
    loadWindow();
    typeInto("labobs", QStringLiteral("mine"));
    const QString title = form->windowTitle();
    child<QAction>(QStringLiteral("menuarchabr"))->trigger();
    EXPECT_EQ(text("labobs"), QStringLiteral("mine"));
    EXPECT_EQ(form->windowTitle(), title);
}

TEST_F(FileCommands, FileThatCannotBeOpenedIsReported) {
    loadWindow();
    open(designPath("missing.cwf"));
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages.back().text,
              QStringLiteral("The file could not be opened.\n") + designPath("missing.cwf"));
    EXPECT_EQ(text("labobs"), designPath("missing.cwf") + QStringLiteral("  missing.cwf11"));
    EXPECT_TRUE(form->archivomodif());
}

TEST_F(FileCommands, CommandLinePathIsOpenedAtTheEndOfTheLoad) {
    const QString path = put("cl.cwf", nineLines);
    loadWindow(path);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Coilwise - cl.cwf"));
    EXPECT_EQ(text("labnpri").toStdString(), endToEndExample.result("labnpri"));
    EXPECT_FALSE(form->archivomodif());
    EXPECT_FALSE(form->record().recalcularcosto);
}

TEST_F(FileCommands, InvalidCommandLineFileLeavesTheNameEmpty) {
    loadWindow(put("cl.cwf", "nonsense\r\n"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Coilwise - "));
}

TEST_F(FileCommands, QuitWithoutChangesAsks) {
    loadWindow();
    dialogs.answers = {Answer::no, Answer::yes};
    child<QPushButton>(QStringLiteral("Command3"))->click();
    EXPECT_FALSE(ended);
    EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Do you want to quit Coilwise ?"));
    EXPECT_EQ(dialogs.messages.back().buttons, MessageButtons::yesNo);
    EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::question);
    child<QAction>(QStringLiteral("menuarchsal"))->trigger();
    EXPECT_TRUE(ended);
}

TEST_F(FileCommands, QuitWithChangesOffersToSave) {
    loadWindow();
    calculateExample();
    dialogs.answers = {Answer::cancel};
    child<QPushButton>(QStringLiteral("Command3"))->click();
    EXPECT_FALSE(ended);
    EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Save changes to untitled ?"));
    EXPECT_EQ(dialogs.messages.back().buttons, MessageButtons::yesNoCancel);

    dialogs.answers = {Answer::yes}; // then the save dialog is cancelled
    child<QPushButton>(QStringLiteral("Command3"))->click();
    EXPECT_FALSE(ended);
    save(designPath("later.cwf")); // a later save does not end the program
    EXPECT_FALSE(ended);

    typeInto("labobs", QStringLiteral("more"));
    dialogs.answers = {Answer::yes};
    dialogs.savePaths.push_back(designPath("final.cwf"));
    child<QPushButton>(QStringLiteral("Command3"))->click();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(contents(designPath("final.cwf")).endsWith("more\r\n"));
}

TEST_F(FileCommands, QuitWithChangesAnsweredNoEndsWithoutSaving) {
    loadWindow();
    calculateExample();
    dialogs.answers = {Answer::no};
    child<QPushButton>(QStringLiteral("Command3"))->click();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(dialogs.saveRequests.empty());
}

// The close box asks nothing about a saved design, but offers to save unsaved work; only a design
// that is saved or given up lets the window close.
struct CloseBoxCase {
    const char* name;
    bool changed;
    std::vector<Answer> answers;
    bool saveChosen;
    bool closes;
};

class CloseBox : public FileCommands, public testing::WithParamInterface<CloseBoxCase> {};

TEST_P(CloseBox, NeverDropsUnsavedWorkSilently) {
    const CloseBoxCase& c = GetParam();
    loadWindow();
    if (c.changed) {
        calculateExample();
    }
    dialogs.answers.assign(c.answers.begin(), c.answers.end());
    if (c.saveChosen) {
        dialogs.savePaths.push_back(designPath("closing.cwf"));
    }
    EXPECT_EQ(form->close(), c.closes);
    EXPECT_EQ(form->isVisible(), !c.closes);
    EXPECT_FALSE(ended) << "the program ends with its last window, not through Quit";
    EXPECT_EQ(dialogs.messages.size(), c.answers.size());
    if (!c.answers.empty()) {
        EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Save changes to untitled ?"));
    }
    EXPECT_EQ(QFileInfo::exists(designPath("closing.cwf")), c.saveChosen);
}

INSTANTIATE_TEST_SUITE_P(Cases, CloseBox,
                         testing::Values(CloseBoxCase{"Unchanged", false, {}, false, true},
                                         CloseBoxCase{"ChangedNo", true, {Answer::no}, false, true},
                                         CloseBoxCase{"ChangedCancel", true, {Answer::cancel}, false, false},
                                         CloseBoxCase{"ChangedYesSaved", true, {Answer::yes}, true, true},
                                         CloseBoxCase{
                                             "ChangedYesSaveCancelled", true, {Answer::yes}, false, false}),
                         [](const testing::TestParamInfo<CloseBoxCase>& info) { return info.param.name; });

TEST_F(FileCommands, SaveThatCannotCreateTheFileIsReportedAndQuitStays) {
    loadWindow();
    calculateExample();
    put("folder", "a regular file");
    const QString path = designPath("folder") + QStringLiteral("/a.cwf");
    dialogs.answers = {Answer::yes};
    dialogs.savePaths.push_back(path);
    child<QPushButton>(QStringLiteral("Command3"))->click();
    EXPECT_FALSE(ended);
    ASSERT_EQ(dialogs.messages.size(), 2U);
    EXPECT_EQ(dialogs.messages.back().title, QStringLiteral("ERROR"));
    EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("The file could not be saved.\n") + path);
    EXPECT_TRUE(form->archivomodif());
    save(designPath("ok.cwf"));
    EXPECT_FALSE(ended); // the failed save cleared the quit
}

TEST_F(FileCommands, SaveThatFailsMidwayKeepsTheOldFile) {
    loadWindow();
    const QString path = put("old.cwf", nineLines);
    calculateExample();
    typeInto("labobs", QStringLiteral("new notes"));
    {
        const NoFileGrowth guard;
        save(path);
    }
    EXPECT_EQ(contents(path), nineLines);
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_TRUE(form->archivomodif());
    EXPECT_EQ(QDir(designs.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("old.cwf")});
}

TEST_F(FileCommands, SaveBeforeAnyCalculationStoresNoRows) {
    loadWindow();
    save(designPath("empty.cwf"));
    EXPECT_EQ(contents(designPath("empty.cwf")), header + " 1 \r\n 50 \r\n 0 \r\n220\r\n\r\n");
}

TEST_F(FileCommands, NotesStayOneLineAndReadBackAfterASave) {
    loadWindow();
    calculateExample();
    QLineEdit* notes = edit("labobs");
    const struct {
        const char* how;
        std::function<void()> bring;
        QString shown;
    } cases[] = {
        {"program", [&] { notes->setText(QStringLiteral("a\r\nb\rc\nd")); }, QStringLiteral("a b c d")},
        {"paste",
         [&] {
             notes->clear();
             QGuiApplication::clipboard()->setText(QStringLiteral("x\r\ny"));
             notes->setFocus(Qt::TabFocusReason);
             QTest::keyClick(notes, Qt::Key_V, Qt::ControlModifier);
         },
         QStringLiteral("x y")},
        {"typing through an input method",
         [&] {
             notes->clear();
             notes->insert(QStringLiteral("p\nq"));
             notes->insert(QStringLiteral("\r\n\u03a9 \u00b1\tr"));
         },
         QStringLiteral("p q \u03a9 \u00b1\tr")},
    };
    for (const auto& c : cases) {
        c.bring();
        EXPECT_EQ(notes->text(), c.shown) << c.how;
        EXPECT_EQ(notes->cursorPosition(), c.shown.size()) << c.how;
        save(designPath("notes.cwf"));
        notes->clear();
        dialogs.messages.clear();
        dialogs.answers = {Answer::no}; // the cleared notes are not worth saving
        open(designPath("notes.cwf"));
        ASSERT_EQ(dialogs.messages.size(), 1U) << c.how;
        EXPECT_TRUE(dialogs.messages.front().text.startsWith(QStringLiteral("Save changes"))) << c.how;
        EXPECT_EQ(notes->text(), c.shown) << c.how;
    }
}

TEST_F(FileCommands, LongNotesSurviveOpenAndSaveByteForByte) {
    const QByteArray notes = QByteArray(50'000, 'n') + "\xb1" + QByteArray(49'999, 'm'); // 100,000 characters
    const QByteArray file = header + " 1 \r\n 50 \r\n 1 \r\n12.00\r\n1.00\r\n220.0\r\n" + notes + "\r\n";
    loadWindow();
    open(put("long.cwf", file));
    EXPECT_EQ(text("labobs").size(), 100'000);
    save(designPath("again.cwf"));
    EXPECT_EQ(contents(designPath("again.cwf")), file);
}

TEST_F(FileCommands, SpecialAndOversizedFilesAreNotOpened) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(designPath("fifo.cwf")).constData(), 0600), 0);
    QFile big(designPath("big.cwf"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(17 * 1024 * 1024));
    loadWindow();
    for (const QString& path : {designPath("fifo.cwf"), designPath("big.cwf"), QStringLiteral("/dev/zero")}) {
        dialogs.messages.clear();
        dialogs.answers = {Answer::no}; // a failed open leaves its name on an unsaved design
        open(path);
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("The file could not be opened.\n") + path);
        EXPECT_LE(dialogs.messages.size(), 2U);
    }
}

TEST_F(FileCommands, SaveOverAnythingButARegularFileIsRefused) {
    const QString fifo = designPath("fifo.cwf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    loadWindow();
    calculateExample();
    for (const QString& path : {fifo, designs.path(), QStringLiteral("/dev/null")}) {
        dialogs.messages.clear();
        save(path);
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("The file could not be saved.\n") + path);
        EXPECT_TRUE(form->archivomodif());
    }
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_TRUE(QFileInfo(fifo).exists());
}

} // namespace
} // namespace coilwise
