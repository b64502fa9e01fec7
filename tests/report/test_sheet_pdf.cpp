#include "engine/calculation.h"
#include "engine/memory_window.h"
#include "pdf_text.h"
#include "report/sheet_pdf.h"
#include "support/worked_examples.h"

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
