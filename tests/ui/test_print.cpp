#include "form1_fixture.h"
#include "report/pdf_text.h"
#include "support/worked_examples.h"

#include <QAction>
#include <QPrinter>
#include <QPushButton>

namespace coilwise {
namespace {

class PrintCommand : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        writeSettingsFile("220\r\n1\r\n1\r\n2.5\r\n12\r\n");
        load();
        typeInto("labvsec(1)", QString::fromStdString(example.secondaries[0].volts));
        typeInto("labisec(1)", QString::fromStdString(example.secondaries[0].amps));
        child<QPushButton>(QStringLiteral("Command1"))->click();
        ASSERT_EQ(text("labnpri").toStdString(), example.result("labnpri"));
        dialogs.events.clear();
    }

    QString pdf(const char* name) const { return pages.filePath(QLatin1StringView(name)); }

    // The print command; an accepted dialog has been set to print to this PDF file.
    void print(std::optional<bool> accept, const QString& path) {
        if (accept) {
            dialogs.printAnswers.push_back(*accept);
        }
        dialogs.onPrint = [path](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
        };
        child<QAction>(QStringLiteral("menuarchimp"))->trigger();
    }

    void expectNothingShownButTheDialog() {
        EXPECT_EQ(dialogs.events, std::vector<std::string>{"print"});
        EXPECT_TRUE(dialogs.messages.empty());
    }

    QString shown(const char* field) const { return QString::fromStdString(example.result(field)); }

    const WorkedExample& example = endToEndExample;
    QTemporaryDir pages;
};

TEST_F(PrintCommand, CancelPrintsNothingAndSaysNothing) {
    for (const std::optional<bool> cancel : {std::optional<bool>(false), std::optional<bool>()}) {
        print(cancel, pdf("sheet.pdf"));
        expectNothingShownButTheDialog();
        EXPECT_FALSE(QFile::exists(pdf("sheet.pdf")));
        dialogs.events.clear();
    }
}

TEST_F(PrintCommand, PrintsTheFieldsAsTheyStand) {
    typeInto("labobs", QStringLiteral("Bench supply"));
    print(true, pdf("sheet.pdf"));
    expectNothingShownButTheDialog();

    const QString sheet = pdfText(pdf("sheet.pdf"));
    const QStringList pieces = {QStringLiteral("Coilwise v1.1.0"),
                                QStringLiteral("Bench supply"),
                                QStringLiteral("Continuous service"),
                                QStringLiteral("Secondary"),
                                QStringLiteral("220.0"),
                                shown("labnpri"),
                                shown("labvsec(1)"),
                                QLatin1Char('$') + shown("tbxcostotot")};
    for (const QString& expected : pieces) {
        EXPECT_TRUE(sheet.contains(expected)) << expected.toStdString() << "\n" << sheet.toStdString();
    }
}

// Printing never recalculates: an input edited since the last calculation prints beside the
// earlier results, on a page of its own.
TEST_F(PrintCommand, TwoPrintsGiveTwoPages) {
    print(true, pdf("first.pdf"));
    edit("labvpri")->setText(QStringLiteral("230"));
    print(true, pdf("second.pdf"));

    const QString first = pdfText(pdf("first.pdf"));
    const QString second = pdfText(pdf("second.pdf"));
    EXPECT_TRUE(first.contains(QStringLiteral(" 220.0 "))) << first.toStdString();
    EXPECT_TRUE(second.contains(QStringLiteral(" 230 "))) << second.toStdString();
    EXPECT_TRUE(second.contains(shown("labnpri"))) << second.toStdString();
    EXPECT_FALSE(second.contains(QStringLiteral("220.0"))) << second.toStdString();
}

TEST_F(PrintCommand, SheetThatCannotBeDrawnIsDiscardedSilently) {
    edit("labnpri")->setText(QString(656, u'7'));
    print(true, pdf("sheet.pdf"));
    expectNothingShownButTheDialog();
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_FALSE(QFile::exists(pdf("sheet.pdf")));
}

} // namespace
} // namespace coilwise
