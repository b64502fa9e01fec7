#include "invocation.h"
#include "report/pdf_text.h"
#include "result_lines.h"
#include "support/worked_examples.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST_F(DesignFileCommands, PdfFailuresSayWhy) {
    const std::string design = put("a.cwf", example);
    EXPECT_EQ(invoke({"--pdf", path("sheet.pdf")}).status, 2);
    EXPECT_EQ(invoke({"--pdf", path("sheet.pdf"), path("missing.cwf")}).status, 2);
    const Invocation unwritable = invoke({"--pdf", path("no/such/folder/sheet.pdf"), design});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("could not be written"), std::string::npos);
}

} // namespace
} // namespace coilwise
