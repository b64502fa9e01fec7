#include "form1_fixture.h"

#include <QAction>
#include <QRadioButton>

namespace coilwise {
namespace {

const QByteArray defaults = "220\r\n1\r\n2\r\n0\r\n0\r\n";

struct LoadCase {
    const char* name;
    QByteArray file; // empty: no file at all
    QByteArray fileAfter;
    int frequency;
    int service;
    double ironPrice;
};

class SettingsLoad : public Form1Fixture, public testing::WithParamInterface<LoadCase> {};

TEST_P(SettingsLoad, AppliesTheFileOrRepairsItSilently) {
    const LoadCase& c = GetParam();
    if (!c.file.isEmpty()) {
        writeSettingsFile(c.file);
    }
    load();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(settingsBytes(), c.fileAfter);
    EXPECT_EQ(form->record().frec, c.frequency);
    EXPECT_EQ(form->record().tiserv, c.service);
    EXPECT_EQ(form->record().costofe, c.ironPrice);
    const QString frequencyItem = QStringLiteral("mnufrec(%1)").arg(c.frequency == 50 ? 1 : 2);
    EXPECT_TRUE(child<QAction>(frequencyItem)->isChecked());
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("Optserv(%1)").arg(c.service))->isChecked());
    EXPECT_TRUE(child<QAction>(QStringLiteral("mnuserv(%1)").arg(c.service))->isChecked());
    EXPECT_TRUE(form->record().carga);
    EXPECT_FALSE(form->archivomodif());
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsLoad,
    testing::Values(
        LoadCase{"FirstStart", "", defaults, 50, 2, 0},
        LoadCase{"FourLines", "110\r\n2\r\n1\r\n5\r\n", defaults, 50, 2, 0},
        LoadCase{"LettersInLine4", "110\r\n2\r\n1\r\nabc\r\n3\r\n", defaults, 50, 2, 0},
        LoadCase{"EmptyLine4", "110\r\n2\r\n1\r\n\r\n3\r\n", "110\r\n2\r\n1\r\n\r\n3\r\n", 60, 1, 0},
        LoadCase{"Line2Of1_5", "110\r\n1.5\r\n3\r\n4\r\n3\r\n", "110\r\n2\r\n3\r\n4\r\n3\r\n", 60, 3, 4},
        LoadCase{"Line2Of0_6", "110\r\n0.6\r\n3\r\n4\r\n3\r\n", "110\r\n1\r\n3\r\n4\r\n3\r\n", 50, 3, 4},
        LoadCase{"Line2Of3", "110\r\n3\r\n3\r\n4\r\n3\r\n", defaults, 50, 2, 0},
        LoadCase{"Line3Empty", "110\r\n2\r\n\r\n4\r\n3\r\n", defaults, 50, 2, 0}),
    [](const testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

using StartUp = Form1Fixture;

TEST_F(StartUp, ShowsTheStoredPrimaryVoltageAsItStands) {
    writeSettingsFile("abc\r\n1\r\n2\r\n0\r\n0\r\n");
    load();
    EXPECT_EQ(text("labvpri"), QStringLiteral("abc"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartUp, StoredPrimaryOutOfRangeIsReportedByTheLoadsCalculations) {
    writeSettingsFile("3000\r\n1\r\n2\r\n0\r\n0\r\n");
    load();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.front().text,
              QStringLiteral("The voltage value must be\nbetween 0,5 and 2000 volts."));
}

TEST_F(StartUp, UnwritableSettingsFileIsReportedOnceAndTheWindowWorks) {
    // A regular file where the settings folder should be: nothing can be written below it.
    QFile blocker(config.path() + QStringLiteral("/coilwise"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    load();
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_TRUE(dialogs.messages.front().text.contains(QStringLiteral("cwise.ini")));
    EXPECT_EQ(text("labvpri"), QStringLiteral("220"));
    EXPECT_EQ(form->record().tiserv, 2);

    child<QAction>(QStringLiteral("mnufrec(2)"))->trigger();
    EXPECT_EQ(dialogs.messages.size(), 2U);
    EXPECT_EQ(form->record().frec, 60);
}

} // namespace
} // namespace coilwise
