#include "form1_fixture.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>

namespace coilwise {
namespace {

// A settings file whose lines 2 to 5 differ from the defaults and read alike in either locale.
QByteArray withPrimary(const char* prima) {
    return QByteArray(prima) + "\r\n2\r\n3\r\n4\r\n12\r\n";
}

const QString refusal = QStringLiteral("Voltage value must be\nbetween 0,5 y 2000 volts.");

// The main window with its primary-voltage dialog opened from the Config menu.
class PrimaryVoltageDialog : public Form1Fixture {
protected:
    // Opens the dialog from the Config menu and runs the steps while it is shown.
    void open(const std::function<void(QDialog&)>& steps) { openDialog("menutension", steps); }

    static QLineEdit* voltage(QDialog& dialog) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("Text1"));
    }
    static QPushButton* ok(QDialog& dialog) {
        return dialog.findChild<QPushButton*>(QStringLiteral("Command1"));
    }

    // Replaces the voltage's text by typing, without leaving the field.
    static void retype(QDialog& dialog, const QString& keys) {
        QLineEdit* field = voltage(dialog);
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, keys);
    }
};

struct VoltageCase {
    const char* name;
    bool comma;
    const char* typed;
    const char* stored; // nullptr: refused
};

class VoltageEntry : public PrimaryVoltageDialog, public testing::WithParamInterface<VoltageCase> {};

TEST_P(VoltageEntry, OkStoresAnAcceptedVoltageOrRefusesIt) {
    const VoltageCase& c = GetParam();
    if (c.comma) {
        locale = FixedLocale::comma();
    }
    writeSettingsFile(withPrimary("220"));
    load();
    dialogs.events.clear();
    open([&](QDialog& dialog) {
        EXPECT_EQ(voltage(dialog)->text(), QStringLiteral("220"));
        retype(dialog, QString::fromUtf8(c.typed));
        QTest::keyClick(voltage(dialog), Qt::Key_Return); // the default button, no leave
        EXPECT_EQ(dialog.isVisible(), c.stored == nullptr);
        if (c.stored == nullptr) {
            EXPECT_EQ(focusName(), QStringLiteral("Text1"));
        }
    });

    if (c.stored == nullptr) {
        EXPECT_EQ(dialogs.events, (std::vector<std::string>{"modal:Tensión", "message:Coilwise"}));
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages.back().text, refusal);
        EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::critical);
        EXPECT_EQ(settingsBytes(), withPrimary("220"));
        EXPECT_EQ(text("labvpri"), QStringLiteral("220"));
        return;
    }
    EXPECT_EQ(dialogs.events, std::vector<std::string>{"modal:Tensión"});
    EXPECT_EQ(settingsBytes(), withPrimary(c.stored));
    EXPECT_EQ(text("labvpri"), QString::fromUtf8(c.stored));
    EXPECT_EQ(form->settings().prima, c.stored);
}

INSTANTIATE_TEST_SUITE_P(Cases, VoltageEntry,
                         testing::Values(VoltageCase{"Typical", false, "115", "115.00"},
                                         VoltageCase{"TypicalComma", true, "115", "115,00"},
                                         VoltageCase{"HalfComma", true, "0,5", "0,50"},
                                         VoltageCase{"BelowHalf", false, "0.49", nullptr},
                                         VoltageCase{"Top", false, "2000", "2000.00"},
                                         VoltageCase{"AboveTop", false, "2000.01", nullptr},
                                         VoltageCase{"SeparatorFirst", false, ".5", nullptr},
                                         VoltageCase{"SignFirst", false, "-1", nullptr},
                                         VoltageCase{"NotANumber", false, "12a", nullptr},
                                         VoltageCase{"Empty", false, "", nullptr}),
                         [](const testing::TestParamInfo<VoltageCase>& info) { return info.param.name; });

TEST_F(PrimaryVoltageDialog, StoredVoltageRecalculatesTheDesign) {
    load();
    typeInto("labvsec(1)", QStringLiteral("12"));
    typeInto("labisec(1)", QStringLiteral("1"));
    child<QPushButton>(QStringLiteral("Command1"))->click();
    const QString turnsAt220 = text("labnpri");
    ASSERT_FALSE(turnsAt220.isEmpty());

    open([](QDialog& dialog) {
        retype(dialog, QStringLiteral("115"));
        QTest::keyClick(voltage(dialog), Qt::Key_Return);
    });
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(text("labvpri"), QStringLiteral("115.00"));
    EXPECT_NE(text("labnpri"), turnsAt220);
    EXPECT_FALSE(text("labnpri").isEmpty());
}

TEST_F(PrimaryVoltageDialog, RefusalOnLeavingCostsTheNextOk) {
    writeSettingsFile(withPrimary("220"));
    load();
    dialogs.events.clear();
    open([&](QDialog& dialog) {
        retype(dialog, QStringLiteral("3000"));
        QTest::keyClick(voltage(dialog), Qt::Key_Tab);
        EXPECT_EQ(dialogs.events, (std::vector<std::string>{"modal:Tensión", "beep", "message:Coilwise"}));
        EXPECT_EQ(dialogs.messages.back().text, refusal);
        EXPECT_EQ(focusName(), QStringLiteral("Text1"));

        retype(dialog, QStringLiteral("220"));
        QTest::mouseClick(ok(dialog), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(settingsBytes(), withPrimary("220"));

        QTest::mouseClick(ok(dialog), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(settingsBytes(), withPrimary("220.00"));
    EXPECT_EQ(text("labvpri"), QStringLiteral("220.00"));
}

TEST_F(PrimaryVoltageDialog, CloseBoxStoresNothingButKeepsARefusalForTheNextOpening) {
    writeSettingsFile(withPrimary("220"));
    load();
    typeInto("labvpri", QStringLiteral("110"));
    open([](QDialog& dialog) {
        retype(dialog, QStringLiteral("3000"));
        QTest::keyClick(voltage(dialog), Qt::Key_Tab);
        dialog.close();
    });
    EXPECT_EQ(dialogs.messages.size(), 1U); // closing is no leave
    EXPECT_EQ(text("labvpri"), QStringLiteral("220"));
    EXPECT_EQ(settingsBytes(), withPrimary("220"));

    open([&](QDialog& dialog) {
        retype(dialog, QStringLiteral("115"));
        QTest::keyClick(voltage(dialog), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(settingsBytes(), withPrimary("220"));
        QTest::keyClick(voltage(dialog), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(settingsBytes(), withPrimary("115.00"));
}

TEST_F(PrimaryVoltageDialog, FailedStoreIsReportedAndTheDialogStaysOpen) {
    load();
    open([&](QDialog& dialog) {
        // A regular file where the settings folder should be: nothing can be written below it.
        ASSERT_TRUE(QDir(config.path() + QStringLiteral("/coilwise")).removeRecursively());
        QFile blocker(config.path() + QStringLiteral("/coilwise"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        retype(dialog, QStringLiteral("115"));
        QTest::keyClick(voltage(dialog), Qt::Key_Return);
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages.back().title, QStringLiteral("Coilwise"));
        EXPECT_EQ(dialogs.messages.back().text,
                  QStringLiteral("The settings file could not be saved.\n") + settingsFile());
        EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::critical);
        EXPECT_TRUE(dialog.isVisible());
        dialog.close();
    });
    EXPECT_EQ(text("labvpri"), QStringLiteral("220"));
    EXPECT_EQ(form->settings().prima, "220");
}

TEST_F(PrimaryVoltageDialog, SettingsFileGoneWhileOpenKeepsTheOtherLines) {
    writeSettingsFile(withPrimary("220"));
    load();
    open([&](QDialog& dialog) {
        ASSERT_TRUE(QFile::remove(settingsFile()));
        retype(dialog, QStringLiteral("115"));
        QTest::keyClick(voltage(dialog), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(settingsBytes(), withPrimary("115.00"));
}

} // namespace
} // namespace coilwise
