#include "form1_fixture.h"
#include "support/no_file_growth.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>

namespace coilwise {
namespace {

const QByteArray pricesFile = "220\r\n1\r\n2\r\n2.5\r\n12\r\n";
const QString refusal = QStringLiteral("Cost must be\na positive number");

// The main window with its material-costs dialog opened from the Config menu.
class PriceDialog : public Form1Fixture {
protected:
    // Opens the dialog from the Config menu and runs the steps while it is shown.
    void open(const std::function<void(QDialog&)>& steps) { openDialog("menumaterial", steps); }

    static QLineEdit* price(QDialog& dialog, const char* name) {
        return dialog.findChild<QLineEdit*>(QLatin1StringView(name));
    }
    static QPushButton* ok(QDialog& dialog) {
        return dialog.findChild<QPushButton*>(QStringLiteral("Command1"));
    }

    // Moves into the field as Tab would (leaving the one before) and replaces its text by typing.
    static void retype(QDialog& dialog, const char* name, const QString& keys) {
        QLineEdit* field = price(dialog, name);
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, keys);
    }
};

TEST_F(PriceDialog, OpeningShowsThePricesAndTheCloseBoxChangesNothing) {
    writeSettingsFile(pricesFile);
    load();
    open([](QDialog& dialog) {
        EXPECT_EQ(price(dialog, "labcostofe")->text(), QStringLiteral("2.5"));
        EXPECT_EQ(price(dialog, "labcostocu")->text(), QStringLiteral("12"));
        QTest::mouseClick(price(dialog, "labcostocu"), Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_EQ(price(dialog, "labcostocu")->selectedText(), QStringLiteral("12"));
        QTest::keyClicks(price(dialog, "labcostocu"), QStringLiteral("40"));
        dialog.close();
    });
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(settingsBytes(), pricesFile);
    EXPECT_EQ(form->record().costocu, 12);
    EXPECT_EQ(form->settings().cobre, "12");
}

struct LeaveCase {
    const char* name;
    const char* field;
    const char* typed;
    bool beep;
    QByteArray storedAfter; // once the field holds 3
};

class PriceLeave : public PriceDialog, public testing::WithParamInterface<LeaveCase> {};

TEST_P(PriceLeave, RefusesThePriceAndCostsTheNextOk) {
    const LeaveCase& c = GetParam();
    writeSettingsFile(pricesFile);
    load();
    dialogs.events.clear();
    open([&](QDialog& dialog) {
        QLineEdit* field = price(dialog, c.field);
        retype(dialog, c.field, QString::fromUtf8(c.typed));
        QTest::keyClick(field, Qt::Key_Tab);
        std::vector<std::string> expected{"modal:Costos", "message:Error"};
        if (c.beep) {
            expected.insert(expected.begin() + 1, "beep");
        }
        EXPECT_EQ(dialogs.events, expected);
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages.back().text, refusal);
        EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::critical);
        EXPECT_EQ(field->text(), QStringLiteral("0"));
        EXPECT_EQ(focusName(), QLatin1StringView(c.field));

        retype(dialog, c.field, QStringLiteral("3"));
        QTest::mouseClick(ok(dialog), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(settingsBytes(), pricesFile);
        QTest::mouseClick(ok(dialog), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(settingsBytes(), c.storedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PriceLeave,
    testing::Values(
        LeaveCase{"IronNegative", "labcostofe", "-2", true, "220\r\n1\r\n2\r\n3\r\n12\r\n"},
        LeaveCase{"CopperNegative", "labcostocu", "-2", false, "220\r\n1\r\n2\r\n2.5\r\n3\r\n"},
        LeaveCase{"IronNotANumber", "labcostofe", "1x", true, "220\r\n1\r\n2\r\n3\r\n12\r\n"},
        LeaveCase{"CopperSeparatorFirst", "labcostocu", ".5", false, "220\r\n1\r\n2\r\n2.5\r\n3\r\n"},
        LeaveCase{"IronPastAnyPrice", "labcostofe", "1e308", true, "220\r\n1\r\n2\r\n3\r\n12\r\n"},
        LeaveCase{"CopperPastAnyPrice", "labcostocu", "1000000001", false, "220\r\n1\r\n2\r\n2.5\r\n3\r\n"}),
    [](const testing::TestParamInfo<LeaveCase>& info) { return info.param.name; });

struct StoreCase {
    const char* name;
    bool comma;
    const char* iron;
    const char* copper;
    QByteArray prices; // lines 4 and 5 as stored
    double costofe;
    double costocu;
};

class PriceStore : public PriceDialog, public testing::WithParamInterface<StoreCase> {
protected:
    QStringList costs() const { return {text("tbxcostofe"), text("tbxcostocu"), text("tbxcostotot")}; }
};

TEST_P(PriceStore, OkStoresThePricesAsTypedAndTheCostsFollow) {
    const StoreCase& c = GetParam();
    if (c.comma) {
        locale = FixedLocale::comma();
    }
    writeSettingsFile("220\r\n1\r\n2\r\n4\r\n12\r\n");
    load();
    typeInto("labvsec(1)", QStringLiteral("12"));
    typeInto("labisec(1)", QStringLiteral("1"));
    child<QPushButton>(QStringLiteral("Command1"))->click();
    const QStringList costsBefore = costs();

    open([&](QDialog& dialog) {
        retype(dialog, "labcostofe", QString::fromUtf8(c.iron));
        retype(dialog, "labcostocu", QString::fromUtf8(c.copper));
        QTest::keyClick(price(dialog, "labcostocu"), Qt::Key_Return); // the default button
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(settingsBytes(), "220\r\n1\r\n2\r\n" + c.prices);
    EXPECT_EQ(form->record().costofe, c.costofe);
    EXPECT_EQ(form->record().costocu, c.costocu);
    EXPECT_EQ(form->settings().hierro + "\r\n" + form->settings().cobre + "\r\n", c.prices.toStdString());

    const QStringList costsAfter = costs();
    EXPECT_NE(costsAfter, costsBefore);
    child<QPushButton>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(costs(), costsAfter); // the store had already recalculated with the new prices

    child<QAction>(QStringLiteral("mnufrec(2)"))->trigger();
    EXPECT_EQ(settingsBytes(), "220\r\n2\r\n2\r\n" + c.prices);
}

INSTANTIATE_TEST_SUITE_P(Cases, PriceStore,
                         testing::Values(StoreCase{"AsTyped", false, "15", "9", "15\r\n9\r\n", 15, 9},
                                         StoreCase{"CopperCleared", false, "15", "", "15\r\n0\r\n", 15, 0},
                                         StoreCase{"Comma", true, "2,5", "12", "2,5\r\n12\r\n", 2.5, 12}),
                         [](const testing::TestParamInfo<StoreCase>& info) { return info.param.name; });

TEST_F(PriceDialog, OkWithTwoBadPricesReportsTheIronOnly) {
    load();
    dialogs.events.clear();
    open([this](QDialog& dialog) {
        price(dialog, "labcostocu")->setText(QStringLiteral("-3"));
        retype(dialog, "labcostofe", QStringLiteral("-2"));
        QTest::keyClick(price(dialog, "labcostofe"), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(price(dialog, "labcostofe")->text(), QStringLiteral("0"));
        EXPECT_EQ(price(dialog, "labcostocu")->text(), QStringLiteral("-3"));
        EXPECT_EQ(focusName(), QStringLiteral("labcostofe"));
        dialog.close();
    });
    EXPECT_EQ(dialogs.events, (std::vector<std::string>{"modal:Costos", "message:Error"}));
    EXPECT_EQ(settingsBytes(), QByteArray("220\r\n1\r\n2\r\n0\r\n0\r\n"));
}

TEST_F(PriceDialog, CloseBoxKeepsARefusalForTheNextOpening) {
    writeSettingsFile(pricesFile);
    load();
    open([](QDialog& dialog) {
        retype(dialog, "labcostofe", QStringLiteral("-2"));
        QTest::keyClick(price(dialog, "labcostofe"), Qt::Key_Tab);
        dialog.close();
    });
    EXPECT_EQ(dialogs.messages.size(), 1U); // closing is no leave
    EXPECT_EQ(form->record().costofe, 2.5);

    open([&](QDialog& dialog) {
        EXPECT_EQ(price(dialog, "labcostofe")->text(), QStringLiteral("2.5"));
        retype(dialog, "labcostofe", QStringLiteral("15"));
        QTest::keyClick(price(dialog, "labcostofe"), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(settingsBytes(), pricesFile);
        QTest::keyClick(price(dialog, "labcostofe"), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(settingsBytes(), QByteArray("220\r\n1\r\n2\r\n15\r\n12\r\n"));
    EXPECT_EQ(form->record().costofe, 15);
}

TEST_F(PriceDialog, FailedStoreIsReportedAndKeepsTheOldFile) {
    writeSettingsFile(pricesFile);
    load();
    open([&](QDialog& dialog) {
        retype(dialog, "labcostofe", QStringLiteral("15"));
        {
            const NoFileGrowth guard;
            QTest::keyClick(price(dialog, "labcostofe"), Qt::Key_Return);
        }
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages.back().title, QStringLiteral("Coilwise"));
        EXPECT_EQ(dialogs.messages.back().text,
                  QStringLiteral("The settings file could not be saved.\n") + settingsFile());
        EXPECT_TRUE(dialog.isVisible());
        dialog.close();
    });
    EXPECT_EQ(settingsBytes(), pricesFile);
    EXPECT_EQ(form->record().costofe, 2.5);
    EXPECT_EQ(form->settings().hierro, "2.5");
}

TEST_F(PriceDialog, SettingsFileGoneWhileOpenKeepsTheOtherLines) {
    writeSettingsFile("230.00\r\n2\r\n3\r\n2.5\r\n12\r\n");
    load();
    open([&](QDialog& dialog) {
        ASSERT_TRUE(QFile::remove(settingsFile()));
        retype(dialog, "labcostofe", QStringLiteral("4"));
        QTest::keyClick(price(dialog, "labcostofe"), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(settingsBytes(), "230.00\r\n2\r\n3\r\n4\r\n12\r\n");
}

} // namespace
} // namespace coilwise
