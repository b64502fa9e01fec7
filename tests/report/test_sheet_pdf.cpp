#include "engine/calculation.h"
#include "engine/memory_window.h"
#include "pdf_text.h"
#include "report/sheet_pdf.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace coilwise {
namespace {

class SheetPdf : public testing::Test {
protected:
    SheetPdf() {
        record.frec = 50;
        record.tiserv = 1;
        record.carga = true;
        record.costofe = 2.5;
        record.costocu = 12;
    }

    void calculateExample() {
        window.setText({Field::labvpri}, "220");
        window.setText({Field::labvsec, 1}, "12");
        window.setText({Field::labisec, 1}, "1");
        ASSERT_EQ(Command1_Click(record, window, locale), Outcome::ok);
    }

    QString path(const char* name) const { return folder.filePath(QLatin1StringView(name)); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

    FixedLocale locale = FixedLocale::point();
    DesignRecord record;
    MemoryWindow window{record, locale};
    QTemporaryDir folder;
};

// Each row of values reads left to right on its own line, as the boxes hold them.
TEST_F(SheetPdf, WritesTheCalculatedSheetOnOneA4Page) {
    calculateExample();
    window.setText({Field::labobs}, "Bench supply");
    ASSERT_TRUE(writeDesignSheetPdf(path("sheet.pdf"), sheetInputs(window, record)));

    const QString info = pdfInfo(path("sheet.pdf"));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();

    const QString text = pdfText(path("sheet.pdf"));
    for (const char* pattern : {
             "Coilwise v1\\.1\\.0",
             "Bench supply",
             "Primary +Continuous service",
             "Volts +Freq\\.\\(Hz\\) +Turns +Dia\\.\\(mm\\) +Weight\\(g\\) +Rs\\(ohms\\)",
             " 220 +50 +1784 +0\\.2 +54 +10\\d\\.\\d{3}\\n",
             "Secondary\\n",
             " 12\\.00 +1\\.00 +13\\.\\d\\d +106 +0\\.70 +54 +0\\.7\\d\\d\\n",
             "Construction",
             "Primary power \\(W\\) +14\\.7\\n",
             " 23 +23 +450 +150\\n",
             "Efficiency \\(%\\) +82\\n",
         }) {
        EXPECT_TRUE(text.contains(QRegularExpression(QLatin1StringView(pattern)))) << pattern << "\n"
                                                                                   << text.toStdString();
    }
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral(" 109 +709 +\\$2\\.81"))));
    EXPECT_FALSE(text.contains(QStringLiteral("$1.50"))) << "only the total cost is printed";
}

TEST_F(SheetPdf, SheetThatCannotBeDrawnLeavesTheFileAsItWas) {
    {
        QFile old(path("sheet.pdf"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    window.setText({Field::labvpri}, std::string(656, '7'));
    EXPECT_FALSE(writeDesignSheetPdf(path("sheet.pdf"), sheetInputs(window, record)));
    QFile old(path("sheet.pdf"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("sheet.pdf")});
}

TEST_F(SheetPdf, UnwritableFolderFails) {
    EXPECT_FALSE(writeDesignSheetPdf(path("missing/sheet.pdf"), sheetInputs(window, record)));
    EXPECT_TRUE(files().isEmpty());
}

} // namespace
} // namespace coilwise
