#include "form1_fixture.h"
#include "ui/recent_designs.h"

#include <QClipboard>
#include <QDropEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <functional>
#include <sys/stat.h>

namespace coilwise {
namespace {

struct RecentCase {
    const char* name;
    std::vector<const char*> before;
    const char* added;
    std::vector<const char*> after;
};

QStringList paths(const std::vector<const char*>& texts) {
    QStringList list;
    for (const char* text : texts) {
        list.push_back(QString::fromUtf8(text));
    }
    return list;
}

class RecentList : public testing::TestWithParam<RecentCase> {};

TEST_P(RecentList, PutsTheDesignFirstOnceAndKeepsFive) {
    EXPECT_EQ(withRecentDesign(paths(GetParam().before), QString::fromUtf8(GetParam().added)),
              paths(GetParam().after));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecentList,
    testing::Values(
        RecentCase{"First", {}, "/d/a.cwf", {"/d/a.cwf"}},
        RecentCase{"NewestFirst", {"/d/a.cwf"}, "/d/b.cwf", {"/d/b.cwf", "/d/a.cwf"}},
        RecentCase{"AgainMovesUp", {"/d/a.cwf", "/d/b.cwf"}, "/d/b.cwf", {"/d/b.cwf", "/d/a.cwf"}},
        RecentCase{
            "SameFileOtherSpelling", {"/d/a.cwf", "/d/b.cwf"}, "/d/x/../b.cwf", {"/d/b.cwf", "/d/a.cwf"}},
        RecentCase{"OldestFallsOff",
                   {"/d/1.cwf", "/d/2.cwf", "/d/3.cwf", "/d/4.cwf", "/d/5.cwf"},
                   "/d/6.cwf",
                   {"/d/6.cwf", "/d/1.cwf", "/d/2.cwf", "/d/3.cwf", "/d/4.cwf"}}),
    [](const testing::TestParamInfo<RecentCase>& info) { return info.param.name; });

const QByteArray design12V = "COIL-WISE DATA: DO NOT MODIFY!!\r\n-------------------------------\r\n"
                             " 1 \r\n 50 \r\n 1 \r\n12.00\r\n1.00\r\n220.0\r\n\r\n";
const QByteArray defaultSettings = "220\r\n1\r\n1\r\n0\r\n0\r\n";

class Conveniences : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        writeSettingsFile(defaultSettings);
        load();
    }

    QString put(const QString& name, const QByteArray& bytes = design12V) const {
        const QString path = designs.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    void open(const QString& path) {
        dialogs.openPaths.push_back(path);
        child<QAction>(QStringLiteral("menuarchabr"))->trigger();
    }

    void save(const QString& path) {
        dialogs.savePaths.push_back(path);
        child<QAction>(QStringLiteral("menuarchguard"))->trigger();
    }

    // The recent items of the File menu as they read there.
    QStringList recentCaptions() const {
        QStringList captions;
        for (int i = 1; i <= recentDesignCount; ++i) {
            auto* item = form->findChild<QAction*>(QStringLiteral("menurecent(%1)").arg(i));
            if (item != nullptr && item->isVisible()) {
                captions.push_back(item->text());
            }
        }
        return captions;
    }

    QTemporaryDir designs;
};

TEST_F(Conveniences, RecentDesignsListOpenedAndSavedFilesNewestFirst) {
    const QString a = put(QStringLiteral("a.cwf"));
    const QString b = put(QStringLiteral("b&c.cwf"));
    open(a);
    open(b);
    save(designs.filePath(QStringLiteral("c.cwf")));
    open(a);
    EXPECT_EQ(recentCaptions(),
              (QStringList{QStringLiteral("&1 ") + a,
                           QStringLiteral("&2 ") + designs.filePath(QStringLiteral("c.cwf")),
                           QStringLiteral("&3 ") + designs.filePath(QStringLiteral("b&&c.cwf"))}));

    // Kept in coilwise.conf beside cwise.ini, which keeps exactly its five lines.
    const QString conf = config.path() + QStringLiteral("/coilwise/coilwise.conf");
    EXPECT_EQ(QSettings(conf, QSettings::IniFormat)
                  .value(QStringLiteral("RecentDesigns/files"))
                  .toStringList()
                  .size(),
              3);
    EXPECT_EQ(settingsBytes(), defaultSettings);

    // A new window finds them again, after the File menu's own items.
    load();
    const QList<QAction*> items = child<QMenu>(QStringLiteral("menuarch"))->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items.back()->objectName(), QStringLiteral("menurecent(5)"));
    EXPECT_EQ(recentCaptions().size(), 3);
    EXPECT_LT(items.indexOf(child<QAction>(QStringLiteral("menuarchsal"))),
              items.indexOf(child<QAction>(QStringLiteral("menurecent(1)"))));
}

TEST_F(Conveniences, RecentDesignOpensThroughOpenWithoutItsDialog) {
    const QString a = put(QStringLiteral("a.cwf"));
    open(a);
    child<QAction>(QStringLiteral("menuarchnue"))->trigger();
    ASSERT_EQ(text("labvsec(1)"), QString());
    const std::size_t openDialogs = dialogs.openRequests.size();

    child<QAction>(QStringLiteral("menurecent(1)"))->trigger();
    EXPECT_EQ(dialogs.openRequests.size(), openDialogs);
    EXPECT_EQ(text("labvsec(1)"), QStringLiteral("12.00"));
    EXPECT_EQ(text("labnpri"), QStringLiteral("1784"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Coilwise - a.cwf"));
    EXPECT_FALSE(form->archivomodif());

    // The next Open asks again.
    dialogs.openPaths.push_back(std::nullopt);
    child<QAction>(QStringLiteral("menuarchabr"))->trigger();
    EXPECT_EQ(dialogs.openRequests.size(), openDialogs + 1);
}

// A design that is gone, or whose name now holds something else, is taken off the list with a word
// that says which.
TEST_F(Conveniences, MissingRecentDesignIsTakenOffWithAWord) {
    const struct {
        const char* what;
        std::function<bool(const QString&)> replace;
        const char* says;
    } cases[] = {
        {"removed", [](const QString&) { return true; },
         "\nno longer exists; it has been taken off the list."},
        {"fifo", [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; },
         "\nis a FIFO, not a design file; it has been taken off the list."},
        {"folder", [](const QString& p) { return QDir().mkdir(p); },
         "\nis a folder, not a design file; it has been taken off the list."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.messages.clear();
        const QString a = put(QStringLiteral("a.cwf"));
        const QString b = put(QStringLiteral("b.cwf"));
        open(a);
        open(b);
        child<QAction>(QStringLiteral("menuarchnue"))->trigger();
        ASSERT_TRUE(QFile::remove(a));
        ASSERT_TRUE(c.replace(a));

        child<QAction>(QStringLiteral("menurecent(2)"))->trigger();
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::information);
        EXPECT_EQ(dialogs.messages[0].text, a + QLatin1StringView(c.says));
        EXPECT_EQ(recentCaptions(), QStringList{QStringLiteral("&1 ") + b});
        EXPECT_EQ(recentDesigns(), QStringList{b});
        EXPECT_EQ(text("labvsec(1)"), QString()) << "nothing was opened";
        QFile::remove(a);
        QDir().rmdir(a);
        QFile::remove(b);
    }
}

struct DropCase {
    const char* name;
    QList<QUrl> urls;
    bool opens;
};

class Drops : public Conveniences, public testing::WithParamInterface<DropCase> {};

TEST_P(Drops, OpenADesignFileAndRefuseAnythingElse) {
    put(QStringLiteral("a.cwf"));
    put(QStringLiteral("notes.txt"));
    put(QStringLiteral("B.CWF"));
    QMimeData data;
    QList<QUrl> urls;
    for (const QUrl& url : GetParam().urls) {
        urls.push_back(url.isRelative() ? QUrl::fromLocalFile(designs.filePath(url.path())) : url);
    }
    data.setUrls(urls);

    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &enter);
    EXPECT_EQ(enter.isAccepted(), GetParam().opens);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &drop);
    QCoreApplication::processEvents();

    EXPECT_EQ(text("labnpri"), GetParam().opens ? QStringLiteral("1784") : QString());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.openRequests.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Drops,
    testing::Values(DropCase{"DesignFile", {QUrl(QStringLiteral("a.cwf"))}, true},
                    DropCase{"SuffixInCapitals", {QUrl(QStringLiteral("B.CWF"))}, true},
                    DropCase{"OtherFile", {QUrl(QStringLiteral("notes.txt"))}, false},
                    DropCase{
                        "TwoDesigns", {QUrl(QStringLiteral("a.cwf")), QUrl(QStringLiteral("B.CWF"))}, false},
                    DropCase{"RemoteDesign", {QUrl(QStringLiteral("https://host.test/a.cwf"))}, false}),
    [](const testing::TestParamInfo<DropCase>& info) { return info.param.name; });

TEST_F(Conveniences, DroppedTextIsRefused) {
    QMimeData data;
    data.setText(designs.filePath(QStringLiteral("a.cwf")));
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(Conveniences, CopyResultsPutsTheTextSheetAndTheJsonOnTheClipboard) {
    typeInto("labvsec(1)", QStringLiteral("12"));
    typeInto("labisec(1)", QStringLiteral("1"));
    child<QPushButton>(QStringLiteral("Command1"))->click();
    QApplication::clipboard()->clear();

    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);

    const QStringList sheet = copied->text().split(QLatin1Char('\n'));
    EXPECT_EQ(sheet.front(), QStringLiteral("Inputs"));
    EXPECT_TRUE(
        sheet.contains(QStringLiteral("  Primary voltage   ") + text("labvpri") + QStringLiteral(" V")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("Secondary 1")));
    EXPECT_TRUE(
        sheet.contains(QStringLiteral("  Turns             ") + text("labnpri") + QStringLiteral(" turns")));
    EXPECT_TRUE(
        sheet.contains(QStringLiteral("  Efficiency        ") + text("labrend") + QStringLiteral(" %")));

    ASSERT_TRUE(copied->hasFormat(QStringLiteral("application/json")));
    const QJsonObject result =
        QJsonDocument::fromJson(copied->data(QStringLiteral("application/json"))).object();
    EXPECT_EQ(result[QStringLiteral("outcome")].toString(), QStringLiteral("ok"));
    EXPECT_EQ(result[QStringLiteral("q")].toInt(), 1);
    const QJsonObject fields = result[QStringLiteral("fields")].toObject();
    EXPECT_EQ(fields[QStringLiteral("labnpri")].toString(), QStringLiteral("1784"));
    EXPECT_EQ(fields[QStringLiteral("labesp")].toArray()[0].toString(), text("labesp(1)"));
    EXPECT_EQ(fields[QStringLiteral("tbxcostotot")].toString(), text("tbxcostotot"));
}

TEST_F(Conveniences, CopyResultsOfARefusedDesignSaysWhy) {
    typeInto("labvsec(1)", QStringLiteral("12"));
    typeInto("labisec(1)", QStringLiteral("0"));
    child<QAction>(QStringLiteral("menuCopyResults"))->trigger();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->text().startsWith(QStringLiteral("Input error in labisec(1)\n")));
    const QJsonObject result =
        QJsonDocument::fromJson(copied->data(QStringLiteral("application/json"))).object();
    EXPECT_EQ(result[QStringLiteral("outcome")].toString(), QStringLiteral("input_error"));
    EXPECT_TRUE(dialogs.messages.empty()) << "copying shows no message of its own";
}

TEST_F(Conveniences, PrintPreviewShowsTheOnePageSheet) {
    typeInto("labvsec(1)", QStringLiteral("12"));
    typeInto("labisec(1)", QStringLiteral("1"));
    child<QPushButton>(QStringLiteral("Command1"))->click();
    int pages = 0;
    QWidget* owner = nullptr;
    dialogs.onModal = [&](QDialog& dialog) {
        ASSERT_NE(qobject_cast<QPrintPreviewDialog*>(&dialog), nullptr);
        owner = dialog.parentWidget();
        dialog.show();
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        pages = preview->pageCount();
        dialog.close();
    };
    child<QAction>(QStringLiteral("menuPrintPreview"))->trigger();
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(owner, form.get());
    EXPECT_TRUE(dialogs.printAnswers.empty());
    EXPECT_EQ(child<QAction>(QStringLiteral("menuPrintPreview"))->text(), QStringLiteral("Print Pre&view…"));
}

// The construction and alternatives windows reopen where they were left: closed by the user, or
// still open when the program ended.
TEST_F(Conveniences, DesignWindowsReopenWhereTheyWereLeft) {
    const struct {
        const char* menu;
        const char* window;
        bool closedFirst;
        QRect place;
    } cases[] = {
        {"menuconstruction", "ConstructionWindow", true, QRect(40, 90, 700, 520)},
        {"menualternatives", "AlternativesWindow", false, QRect(30, 60, 760, 600)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.menu);
        child<QAction>(QLatin1StringView(c.menu))->trigger();
        QWidget* window = child<QWidget>(QLatin1StringView(c.window));
        ASSERT_NE(window, nullptr);
        window->setGeometry(c.place);
        if (c.closedFirst) {
            window->close();
        }
        load(); // the old main window and its windows end here
        child<QAction>(QLatin1StringView(c.menu))->trigger();
        window = child<QWidget>(QLatin1StringView(c.window));
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->geometry(), c.place);
    }
}

// A place saved on a far larger screen (or typed into the file) opens inside the screen there is.
TEST_F(Conveniences, DesignWindowsNeverOpenLargerThanTheScreen) {
    child<QAction>(QStringLiteral("menuconstruction"))->trigger();
    QWidget* window = child<QWidget>(QStringLiteral("ConstructionWindow"));
    ASSERT_NE(window, nullptr);
    window->setGeometry(QRect(-5000, 20000, 30000, 30000));
    window->close();
    load();
    child<QAction>(QStringLiteral("menuconstruction"))->trigger();
    window = child<QWidget>(QStringLiteral("ConstructionWindow"));
    ASSERT_NE(window, nullptr);
    const QRect room = window->screen()->availableGeometry();
    EXPECT_TRUE(room.contains(window->geometry()))
        << room.width() << "x" << room.height() << " " << window->geometry().x() << ","
        << window->geometry().y() << " " << window->width() << "x" << window->height();
}

} // namespace
} // namespace coilwise
