#include "form1_fixture.h"
#include "ui/alternatives_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBrowser>

namespace coilwise {
namespace {

class Alternatives : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        writeSettingsFile("220\r\n1\r\n1\r\n2.5\r\n12\r\n");
        load();
    }

    void calculate(const char* primary, const char* volts, const char* amps) {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        typeInto("labvpri", QLatin1StringView(primary));
        typeInto("labvsec(1)", QLatin1StringView(volts));
        typeInto("labisec(1)", QLatin1StringView(amps));
        child<QPushButton>(QStringLiteral("Command1"))->click();
    }

    AlternativesWindow* open() {
        child<QAction>(QStringLiteral("menualternatives"))->trigger();
        return form->findChild<AlternativesWindow*>();
    }

    static QTableWidget* grid(AlternativesWindow* window) {
        return window->findChild<QTableWidget*>(QStringLiteral("alternativesTable"));
    }
    static QString cell(AlternativesWindow* window, int row, int column) {
        return grid(window)->item(row, column)->text();
    }
    static QString sheet(AlternativesWindow* window) {
        return window->findChild<QTextBrowser*>(QStringLiteral("constructionSheet"))->toPlainText();
    }
    static int fitting(AlternativesWindow* window) {
        const auto& rows = window->rows();
        return static_cast<int>(
            std::count_if(rows.begin(), rows.end(), [](const Alternative& a) { return a.fits(); }));
    }
};

TEST_F(Alternatives, DesignMenuItemOpensOneNonModalWindowMarkingCalculatesCore) {
    QAction* item = child<QAction>(QStringLiteral("menualternatives"));
    EXPECT_EQ(item->text(), QStringLiteral("&Alternatives…"));
    EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    EXPECT_EQ(child<QMenu>(QStringLiteral("menuDesign"))->actions().contains(item), true);

    calculate("220", "12", "1");
    AlternativesWindow* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(grid(window)->rowCount(), 48);
    EXPECT_EQ(
        grid(window)->findItems(QStringLiteral("EI 69 \u00d7 23  (Calculate)"), Qt::MatchExactly).size(), 1);
    EXPECT_TRUE(
        grid(window)->item(grid(window)->rowCount() - 1, 1)->text().startsWith(QStringLiteral("no: needs")));
    EXPECT_EQ(grid(window)->item(grid(window)->rowCount() - 1, 0)->foreground().color(),
              window->palette().color(QPalette::Disabled, QPalette::Text));
    open();
    EXPECT_EQ(form->findChildren<AlternativesWindow*>().size(), 1);
}

TEST_F(Alternatives, SortsByAColumnKeepingMisfitsBelowAndShowsTheSelectedSheet) {
    calculate("220", "12", "1");
    AlternativesWindow* window = open();
    const int fits = fitting(window);
    QHeaderView* header = grid(window)->horizontalHeader();

    header->sectionClicked(2); // weight, lightest first
    EXPECT_EQ(cell(window, 0, 2), QStringLiteral("709"));
    for (int row = 1; row < fits; ++row) {
        EXPECT_LE(window->rows()[static_cast<std::size_t>(row - 1)].totalGrams,
                  window->rows()[static_cast<std::size_t>(row)].totalGrams);
    }
    header->sectionClicked(2); // heaviest first
    EXPECT_EQ(cell(window, 0, 0), QStringLiteral("EI 192 \u00d7 128"));
    EXPECT_TRUE(cell(window, fits, 1).startsWith(QStringLiteral("no")));
    header->sectionClicked(4); // efficiency, lowest first
    EXPECT_EQ(cell(window, 0, 0), QStringLiteral("EI 192 \u00d7 128"));

    grid(window)->selectRow(1);
    EXPECT_TRUE(sheet(window).contains(QStringLiteral("Core EI 192")) ||
                sheet(window).contains(QStringLiteral("Core EI 150")))
        << sheet(window).left(200).toStdString();
    EXPECT_TRUE(window->findChild<QPushButton*>(QStringLiteral("printButton"))->isEnabled());
    grid(window)->selectRow(grid(window)->rowCount() - 1);
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("printButton"))->isEnabled());
}

TEST_F(Alternatives, CoreIHaveIsAddedKeptInThePreferencesAndNotInTheSettings) {
    calculate("220", "12", "1");
    const QByteArray settingsBefore = settingsBytes();
    AlternativesWindow* window = open();
    window->findChild<QPushButton*>(QStringLiteral("ownCoreButton"))->click();
    window->findChild<QSpinBox*>(QStringLiteral("ownTongue"))->setValue(25);
    window->findChild<QSpinBox*>(QStringLiteral("ownStack"))->setValue(30);
    window->findChild<QPushButton*>(QStringLiteral("addOwnCore"))->click();

    ASSERT_EQ(grid(window)->rowCount(), 49);
    EXPECT_EQ(grid(window)->findItems(QStringLiteral("EI 75 \u00d7 30"), Qt::MatchExactly).size(), 1);
    EXPECT_EQ(settingsBytes(), settingsBefore);
    QFile preferences(config.path() + QStringLiteral("/coilwise/coilwise.conf"));
    ASSERT_TRUE(preferences.open(QIODevice::ReadOnly));
    EXPECT_TRUE(preferences.readAll().contains("cores=25:30"));

    // A stack out of range is said in the window, and nothing is added.
    window->findChild<QSpinBox*>(QStringLiteral("ownStack"))->setValue(100);
    window->findChild<QPushButton*>(QStringLiteral("addOwnCore"))->click();
    EXPECT_EQ(grid(window)->rowCount(), 49);
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("inputError"))->isVisible());

    // A window opened later has the core too.
    form.reset();
    load();
    calculate("220", "12", "1");
    EXPECT_EQ(grid(open())->rowCount(), 49);
}

TEST_F(Alternatives, RecomputesAfterAPauseInTypingAndShowsAnInputErrorInline) {
    calculate("220", "12", "1");
    AlternativesWindow* window = open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    typeInto("labisec(1)", QStringLiteral("0"));
    QLabel* error = window->findChild<QLabel*>(QStringLiteral("inputError"));
    ASSERT_TRUE(QTest::qWaitFor([error] { return error->isVisible(); }, 3000));
    EXPECT_EQ(error->text(), QStringLiteral("Current value mus be positive, 10mA minimum."));
    EXPECT_EQ(grid(window)->rowCount(), 0);
    EXPECT_TRUE(dialogs.messages.empty());

    typeInto("labisec(1)", QStringLiteral("2"));
    ASSERT_TRUE(QTest::qWaitFor([window] { return grid(window)->rowCount() == 48; }, 3000));
    EXPECT_FALSE(error->isVisible());
}

} // namespace
} // namespace coilwise
