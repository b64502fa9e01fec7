#include "cli/default_design.h"
#include "cli/design_file_input.h"
#include "engine/design_run.h"
#include "invocation.h"
#include "qt_locale/qt_locale.h"
#include "report/pdf_text.h"
#include "report/sheet_pdf.h"
#include "result_lines.h"
#include "support/worked_examples.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace coilwise {
namespace {

const QByteArray example = "COIL-WISE DATA: DO NOT MODIFY!!\r\n-------------------------------\r\n"
                           " 1 \r\n 50 \r\n 1 \r\n12.00\r\n1.00\r\n220.0\r\nbench supply\r\n";

class DesignFileCommands : public testing::Test {
protected:
    std::string put(const char* name, const QByteArray& bytes) const {
        QFile file(folder.filePath(QLatin1StringView(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName().toStdString();
    }

    std::string path(const char* name) const {
        return folder.filePath(QLatin1StringView(name)).toStdString();
    }

    QTemporaryDir folder;
};

TEST_F(DesignFileCommands, CalculateEachFileWithItsOwnServiceAndFrequency) {
    const std::string sixty = put("b.cwf", QByteArray(example).replace(" 50 ", " 60 "));
    const Invocation run = invoke({"--calc", "--locale", "C", "--json", put("a.cwf", example), sixty});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 2U);
    const ResultLine first(lines[0]);
    EXPECT_EQ(first.field("labnpri"), endToEndExample.result("labnpri"));
    EXPECT_EQ(first.field("labobs"), "bench supply");
    EXPECT_NE(ResultLine(lines[1]).field("labnpri"), endToEndExample.result("labnpri")); // 60 Hz: fewer turns
}

TEST_F(DesignFileCommands, FileThatIsNoDesignIsAFileError) {
    const struct {
        QByteArray bytes;
        const char* reason;
    } cases[] = {{"", "the file is empty"},
                 {"nonsense\r\n", "the file has not a valid design format"},
                 {QByteArray(example).replace(" 1 \r\n 50", " 7 \r\n 50"), "the file names no service"},
                 {example.left(80), "the file ends early"}};
    for (const auto& c : cases) {
        const std::string file = put("bad.cwf", c.bytes);
        const Invocation run = invoke({"--calc", "--locale", "C", file});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("coilwise: " + file + ": " + c.reason, 0), 0U) << run.err;
    }
    const Invocation missing = invoke({"--calc", path("missing.cwf")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("could not be opened"), std::string::npos);
}

TEST_F(DesignFileCommands, FilesAndTypedValuesDoNotMix) {
    EXPECT_EQ(invoke({"--calc", "--primary", "220", put("a.cwf", example)}).status, 2);
    EXPECT_EQ(invoke({"--calc", "--jsonl", put("a.cwf", example)}).status, 2);
}

TEST_F(DesignFileCommands, PdfHoldsTheSheetOfTheDesign) {
    const std::string out = path("sheet.pdf");
    const Invocation run = invoke({"--pdf", out, put("a.cwf", example)});
    EXPECT_EQ(run.status, 0) << run.err;
    const QString text = pdfText(QString::fromStdString(out));
    for (const std::string& piece :
         {std::string("Coilwise v1.1.0"), std::string("bench supply"), endToEndExample.result("labnpri"),
          endToEndExample.result("vacvsec(1)"), endToEndExample.result("labpesotot")}) {
        EXPECT_TRUE(text.contains(QString::fromStdString(piece))) << piece;
    }
}

QString pageText(const std::string& pdf, int page) {
    const QString number = QString::number(page);
    return popplerOutput(QStringLiteral("pdftotext"),
                         {QStringLiteral("-layout"), QStringLiteral("-f"), number, QStringLiteral("-l"),
                          number, QString::fromStdString(pdf), QStringLiteral("-")});
}

TEST_F(DesignFileCommands, PdfPageTwoIsTheConstructionSheetAndPageOneStaysAsItWas) {
    const std::string design = put("a.cwf", example);
    const std::string out = path("sheets.pdf");
    ASSERT_EQ(invoke({"--pdf", out, design}).status, 0);
    EXPECT_TRUE(
        pdfInfo(QString::fromStdString(out)).contains(QRegularExpression(QStringLiteral("Pages: +2\\n"))));

    // The design sheet alone, as it was written before there was a second page.
    const QtLocale locale(QLocale::system());
    const DesignRun run(
        std::get<DesignInput>(readDesignInput(QString::fromStdString(design), defaultDesign())), locale);
    const std::string alone = path("alone.pdf");
    ASSERT_TRUE(writeDesignSheetPdf(QString::fromStdString(alone), sheetInputs(run.window(), run.record())));
    EXPECT_EQ(pageText(out, 1), pageText(alone, 1));

    const QString second = pageText(out, 2);
    for (const char* pattern : {"Construction and checks", "pass +radial_fit: the windings need 8\\.7 mm",
                                "Core EI 69", "Laminations +44 E", "Turns +1784 in 14 layers of 128",
                                "0\\.2 mm +215\\.8 m", "Time-lag fuse +160 mA"}) {
        EXPECT_TRUE(second.contains(QRegularExpression(QLatin1StringView(pattern)))) << pattern << "\n"
                                                                                     << second.toStdString();
    }
}

TEST_F(DesignFileCommands, PdfOfADesignThatCannotBeCalculatedHasOnePage) {
    const std::string out = path("sheet.pdf");
    ASSERT_EQ(
        invoke({"--pdf", out, put("big.cwf", QByteArray(example).replace("1.00\r\n", "20.00\r\n"))}).status,
        0);
    EXPECT_TRUE(
        pdfInfo(QString::fromStdString(out)).contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))));
}

TEST_F(DesignFileCommands, PdfFailuresSayWhy) {
    const std::string design = put("a.cwf", example);
    EXPECT_EQ(invoke({"--pdf", path("sheet.pdf")}).status, 2);
    EXPECT_EQ(invoke({"--pdf", path("sheet.pdf"), path("missing.cwf")}).status, 2);
    const Invocation unwritable = invoke({"--pdf", path("no/such/folder/sheet.pdf"), design});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("could not be written (No such file or directory)"), std::string::npos)
        << unwritable.err;
    const std::string folder = path("a folder");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    const Invocation notAFile = invoke({"--pdf", folder, design});
    EXPECT_EQ(notAFile.status, 2);
    EXPECT_NE(notAFile.err.find("(only a regular file or a new name is written)"), std::string::npos)
        << notAFile.err;
}

// Bytes that are no valid text in the system's encoding would come back as U+FFFD: another file.
TEST_F(DesignFileCommands, FileNamesThatCannotBeSpelledAreRefused) {
    const std::string design = put("a.cwf", example);
    const std::string badPdf = folder.path().toStdString() + "/\xff.pdf";
    const std::string badDesign = folder.path().toStdString() + "/\xff\xfe.cwf";
    const std::vector<std::vector<std::string>> runs{
        {"--pdf", badPdf, design}, {"--calc", badDesign}, {"--alternatives", badDesign}};
    for (const std::vector<std::string>& args : runs) {
        const Invocation run = invoke(args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_NE(run.err.find("is not a valid file name in this system's encoding"), std::string::npos)
            << run.err;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.cwf")});
}

TEST_F(DesignFileCommands, DoubleHyphenEndsTheOptions) {
    put("-x.cwf", example);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const Invocation found = invoke({"--calc", "--locale", "C", "--json", "--", "-x.cwf"});
    // After "--" even "--json" names a file, and there is none.
    const Invocation missing = invoke({"--calc", "--", "-x.cwf", "--json"});
    const Invocation pdf = invoke({"--pdf", "--", "sheet.pdf", "-x.cwf"});
    QDir::setCurrent(previous);
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(ResultLine(splitLines(found.out).at(0)).field("labnpri"), endToEndExample.result("labnpri"));
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "coilwise: --json: the file could not be opened\n");
    EXPECT_EQ(pdf.status, 0) << pdf.err;
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("sheet.pdf"))));

    const std::vector<std::string> window = {"--", "-x.cwf"};
    EXPECT_FALSE(wantsCommandLine(window));
    EXPECT_EQ(std::vector<std::string>(windowArguments(window).begin(), windowArguments(window).end()),
              std::vector<std::string>{"-x.cwf"});
}

// A design is a few hundred bytes: a file of more than 1 MiB is refused unread, as is anything but
// a regular file, each with what it is.
TEST_F(DesignFileCommands, OnlyRegularFilesOfReasonableSizeAreRead) {
    ASSERT_EQ(::mkfifo(path("fifo.cwf").c_str(), 0600), 0);
    QFile big(folder.filePath(QStringLiteral("big.cwf")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(1024 * 1024 + 1));
    QFile largest(folder.filePath(QStringLiteral("largest.cwf")));
    ASSERT_TRUE(largest.open(QIODevice::WriteOnly) && largest.write(example) == example.size() &&
                largest.resize(1024 * 1024));
    const struct {
        std::string file;
        std::string reason;
    } cases[] = {
        {path("fifo.cwf"), "it is a FIFO, not a design file"},
        {path("big.cwf"), "the file is larger than 1 MiB, more than any design"},
        {"/dev/zero", "it is a device, not a design file"},
        {folder.path().toStdString(), "it is a folder, not a design file"},
        {path("missing.cwf"), "the file could not be opened"},
    };
    for (const auto& c : cases) {
        const Invocation run = invoke({"--calc", c.file});
        EXPECT_EQ(run.status, 2) << c.file;
        EXPECT_EQ(run.err, "coilwise: " + c.file + ": " + c.reason + "\n");
    }
    const Invocation largestRun = invoke({"--calc", path("largest.cwf")});
    EXPECT_EQ(largestRun.err.find("larger than"), std::string::npos)
        << "1 MiB is still read: " << largestRun.err;
}

TEST_F(DesignFileCommands, PdfNeverReplacesItsInputOrAnythingButARegularFile) {
    const std::string design = put("a.cwf", example);
    ASSERT_EQ(::link(design.c_str(), path("hard.cwf").c_str()), 0);
    ASSERT_EQ(::mkfifo(path("fifo.pdf").c_str(), 0600), 0);
    for (const std::string& out : {design, path("./a.cwf"), path("hard.cwf"), path("fifo.pdf"),
                                   std::string("/dev/null"), folder.path().toStdString()}) {
        const Invocation run = invoke({"--pdf", out, design});
        EXPECT_EQ(run.status, 2) << out;
        EXPECT_TRUE(run.err.starts_with("coilwise: " + out + ": ")) << run.err;
    }
    QFile input(QString::fromStdString(design));
    ASSERT_TRUE(input.open(QIODevice::ReadOnly));
    EXPECT_EQ(input.readAll(), example);
    struct stat status {};
    ASSERT_EQ(::lstat(path("fifo.pdf").c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

} // namespace
} // namespace coilwise
