#include "engine/calculation.h"
#include "engine/memory_window.h"
#include "pdf_text.h"
#include "report/sheet_pdf.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <utility>

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

struct ColumnHeading {
    const char* label;
    int top; // twips from the printable area's top, as laid out
    int left;
    int right;
};

// Where a label's words stand on the page, in twips of the printable area; none when not found.
std::optional<std::pair<double, double>> labelReach(const std::vector<PdfWord>& words,
                                                    const ColumnHeading& heading) {
    constexpr double twipsPerPoint = 20;
    constexpr double margin = 360; // the quarter-inch printable-area margin
    const QStringList parts = QString::fromUtf8(heading.label).split(QLatin1Char(' '));
    for (std::size_t first = 0; first + parts.size() <= words.size(); ++first) {
        bool matches = std::abs(words[first].yMin * twipsPerPoint - margin - heading.top) < 120;
        for (qsizetype k = 0; matches && k < parts.size(); ++k) {
            matches = words[first + static_cast<std::size_t>(k)].text == parts[k];
        }
        if (matches) {
            const PdfWord& last = words[first + static_cast<std::size_t>(parts.size()) - 1];
            return std::pair{words[first].xMin * twipsPerPoint - margin, last.xMax * twipsPerPoint - margin};
        }
    }
    return std::nullopt;
}

// Measured in the printed font, every column label stands centred over its own column.
TEST_F(SheetPdf, ColumnLabelsStandOverTheirColumns) {
    calculateExample();
    ASSERT_TRUE(writeDesignSheetPdf(path("sheet.pdf"), sheetInputs(window, record)));
    const std::vector<PdfWord> words = pdfWords(path("sheet.pdf"));
    ASSERT_FALSE(words.empty());

    const int r = 270; // one secondary in use
    const ColumnHeading headings[] = {
        {"Volts", 2350, 900, 2535},
        {"Freq.(Hz)", 2350, 2535, 4170},
        {"Turns", 2350, 4170, 5805},
        {"Dia.(mm)", 2350, 5805, 7440},
        {"Weight(g)", 2350, 7440, 9075},
        {"Rs(ohms)", 2350, 9075, 10710},
        {"Volts", 3760, 910, 2310},
        {"Amps.", 3760, 2310, 3710},
        {"v Unload", 3760, 3710, 5110},
        {"Turns", 3760, 5110, 6510},
        {"Dia.(mm)", 3760, 6510, 7910},
        {"Weight(g)", 3760, 7910, 9310},
        {"Rs(ohms)", 3760, 9310, 10710},
        {"Iron", 4900 + r, 900, 2300},
        {"Depth(mm)", 4900 + r, 2300, 3700},
        {"Weight E (g)", 4900 + r, 3700, 5100},
        {"Weight I (g)", 4900 + r, 5100, 6500},
        {"Weight cu (g)", 5570 + r, 900, 2300},
        {"Total weight (g)", 5570 + r, 2300, 3700},
        {"Cost", 5570 + r, 5100, 6500},
    };
    for (const ColumnHeading& heading : headings) {
        SCOPED_TRACE(std::string(heading.label) + " at " + std::to_string(heading.top));
        const auto reach = labelReach(words, heading);
        ASSERT_TRUE(reach.has_value());
        const double centre = (reach->first + reach->second) / 2;
        EXPECT_GT(centre, heading.left);
        EXPECT_LT(centre, heading.right);
        EXPECT_NEAR(centre, (heading.left + heading.right) / 2.0, 40);
        EXPECT_GT(reach->first, heading.left) << "the label runs into the column before";
        EXPECT_LT(reach->second, heading.right) << "the label runs into the column after";
    }
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
