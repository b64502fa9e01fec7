#include "engine/calculation.h"
#include "engine/memory_window.h"
#include "pdf_text.h"
#include "report/sheet_pdf.h"
#include "support/worked_examples.h"

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
        record.costofe = example.ironPrice;
        record.costocu = example.copperPrice;
    }

    void calculateExample() {
        window.setText({Field::labvpri}, example.primary);
        window.setText({Field::labvsec, 1}, example.secondaries[0].volts);
        window.setText({Field::labisec, 1}, example.secondaries[0].amps);
        ASSERT_EQ(Command1_Click(record, window, locale), Outcome::ok);
    }

    // The example's texts one after the other, blanks between, as a pattern.
    QString shownInARow(std::initializer_list<const char*> fields) const {
        QStringList texts;
        for (const char* field : fields) {
            texts << QRegularExpression::escape(QString::fromStdString(example.result(field)));
        }
        return texts.join(QStringLiteral(" +"));
    }

    QString path(const char* name) const { return folder.filePath(QLatin1StringView(name)); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

    const WorkedExample& example = endToEndExample;
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
    const QStringList patterns = {
        QStringLiteral("Coilwise v1\\.1\\.0"),
        QStringLiteral("Bench supply"),
        QStringLiteral("Primary +Continuous service"),
        QStringLiteral("Volts +Freq\\.\\(Hz\\) +Turns +Dia\\.\\(mm\\) +Weight\\(g\\) +Rs\\(ohms\\)"),
        QStringLiteral(" ") + QString::fromStdString(example.primary) + QStringLiteral(" +50 +") +
            shownInARow({"labnpri", "labalambpri", "labpesoprim", "labrprim"}) + QStringLiteral("\\n"),
        QStringLiteral("Secondary\\n"),
        QStringLiteral(" ") +
            shownInARow({"labvsec(1)", "labisec(1)", "vacvsec(1)", "labesp(1)", "labalam(1)", "labcob(1)",
                         "labres(1)"}) +
            QStringLiteral("\\n"),
        QStringLiteral("Construction"),
        QStringLiteral("Primary power \\(W\\) +") + shownInARow({"labppri"}) + QStringLiteral("\\n"),
        QStringLiteral(" ") + shownInARow({"labchapa", "labprof", "labpesoE", "labpesoI"}) +
            QStringLiteral("\\n"),
        QStringLiteral("Efficiency \\(%\\) +") + shownInARow({"labrend"}) + QStringLiteral("\\n"),
        QStringLiteral(" ") + shownInARow({"labpesocu", "labpesotot"}) + QStringLiteral(" +\\$") +
            shownInARow({"tbxcostotot"}),
    };
    for (const QString& pattern : patterns) {
        EXPECT_TRUE(text.contains(QRegularExpression(pattern))) << pattern.toStdString() << "\n"
                                                                << text.toStdString();
    }
    EXPECT_FALSE(text.contains(QStringLiteral("$") + QString::fromStdString(example.result("tbxcostofe"))))
        << "only the total cost is printed";
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
