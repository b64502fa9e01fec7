#include "form1_fixture.h"
#include "report/pdf_text.h"
#include "ui/construction_window.h"

#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>

namespace coilwise {
namespace {

class DesignViews : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        writeSettingsFile("220\r\n1\r\n1\r\n2.5\r\n12\r\n");
        load();
    }

    // Typed in the main window, which takes the focus back from the construction window first.
    void calculate(const char* primary, const char* volts, const char* amps) {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        typeInto("labvpri", QLatin1StringView(primary));
        typeInto("labvsec(1)", QLatin1StringView(volts));
        typeInto("labisec(1)", QLatin1StringView(amps));
        child<QPushButton>(QStringLiteral("Command1"))->click();
    }

    QString status() const { return child<QPushButton>(QStringLiteral("constructionStatus"))->text(); }

    ConstructionWindow* openWindow() {
        child<QAction>(QStringLiteral("menuconstruction"))->trigger();
        return form->findChild<ConstructionWindow*>();
    }

    QString sheetText(ConstructionWindow* window) const {
        return window->findChild<QTextBrowser*>(QStringLiteral("constructionSheet"))->toPlainText();
    }

    QTemporaryDir out;
};

TEST_F(DesignViews, DesignMenuStandsBetweenConfigAndAbout) {
    QStringList titles;
    for (QAction* menu : form->menuBar()->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Config"),
                                   QStringLiteral("&Design"), QStringLiteral("A&bout")}));
    QAction* item = child<QAction>(QStringLiteral("menuconstruction"));
    EXPECT_EQ(item->text(), QStringLiteral("&Construction and checks…"));
    EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
    EXPECT_NE(form->findChild<QMenu*>(QStringLiteral("menuDesign")), nullptr);
}

TEST_F(DesignViews, StatusLineSumsUpTheChecksUnderAClientAreaOfUnchangedSize) {
    QWidget* client = child<QWidget>(QStringLiteral("client"));
    const QSize clientSize = client->size();
    EXPECT_EQ(clientSize, QSize(9480 / 15, 6045 / 15));
    EXPECT_GE(form->statusBar()->geometry().top(), client->geometry().bottom());
    EXPECT_EQ(status(), QString());

    const struct {
        const char *primary, *volts, *amps;
        QString summary;
    } runs[] = {
        {"220", "12", "1", QStringLiteral("All checks pass")},
        {"110", "6", "1.5", QStringLiteral("1 check needs attention — Design > Construction and checks")},
        {"230", "230", "0.03", QStringLiteral("1 check needs attention — Design > Construction and checks")},
        {"110", "6", "0", QString()}}; // refused: no design
    for (const auto& run : runs) {
        calculate(run.primary, run.volts, run.amps);
        EXPECT_EQ(status(), run.summary) << run.volts;
        EXPECT_EQ(client->size(), clientSize);
    }
    calculate("220", "12", "1");
    child<QPushButton>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(status(), QString());
}

TEST_F(DesignViews, OneNonModalWindowThatFollowsEveryRun) {
    ConstructionWindow* window = openWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(sheetText(window).startsWith(QStringLiteral("There is no design")));
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("printButton"))->isEnabled());

    calculate("110", "6", "1.5");
    EXPECT_TRUE(sheetText(window).contains(QStringLiteral("WARNING  radial_fit: the windings need 9.4 mm")));
    EXPECT_TRUE(sheetText(window).contains(QStringLiteral("Core EI 57")));
    calculate("220", "12", "1");
    EXPECT_TRUE(sheetText(window).contains(QStringLiteral("Core EI 69")));
    EXPECT_TRUE(window->findChild<QPushButton*>(QStringLiteral("savePdfButton"))->isEnabled());

    // The status line and the menu item bring the same window forward.
    child<QPushButton>(QStringLiteral("constructionStatus"))->click();
    openWindow();
    EXPECT_EQ(form->findChildren<ConstructionWindow*>().size(), 1);

    dialogs.answers = {Answer::no}; // New first offers to save the calculated design
    child<QAction>(QStringLiteral("menuarchnue"))->trigger();
    EXPECT_TRUE(sheetText(window).startsWith(QStringLiteral("There is no design")));
}

TEST_F(DesignViews, PrintAndSaveAsPdfWriteTheConstructionSheet) {
    calculate("110", "6", "1.5");
    ConstructionWindow* window = openWindow();
    const QString saved = out.filePath(QStringLiteral("saved.pdf"));
    dialogs.savePaths.push_back(saved);
    window->findChild<QPushButton*>(QStringLiteral("savePdfButton"))->click();
    EXPECT_EQ(dialogs.saveRequests.at(0).filter, QStringLiteral("PDF files (*.pdf)"));

    const QString printed = out.filePath(QStringLiteral("printed.pdf"));
    dialogs.printAnswers.push_back(true);
    dialogs.onPrint = [&printed](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
    };
    window->findChild<QPushButton*>(QStringLiteral("printButton"))->click();

    for (const QString& pdf : {saved, printed}) {
        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("Construction and checks"))) << pdf.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Turns             920 in 12 layers of 77")))
            << text.toStdString();
    }
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.savePaths.push_back(out.filePath(QStringLiteral("no/such/folder/x.pdf")));
    window->findChild<QPushButton*>(QStringLiteral("savePdfButton"))->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(
        dialogs.messages[0].text.startsWith(QStringLiteral("The construction sheet could not be saved.")));
}

} // namespace
} // namespace coilwise
