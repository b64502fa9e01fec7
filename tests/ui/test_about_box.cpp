#include "support/window_helpers.h"
#include "ui/frm_about.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace coilwise {
namespace {

const MakerLinks testLinks{QStringLiteral("comments@maker.test"), QStringLiteral("https://maker.test/")};

class AboutBox : public testing::Test {
protected:
    void SetUp() override {
        box = std::make_unique<frmAbout>(
            QStringLiteral("Coilwise"),
            [this](const QUrl& target) {
                opened.push_back({target, box->isVisible()});
            },
            nullptr, testLinks);
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(box.get()));
    }

    template <typename T = QLabel> T* child(const char* name) const {
        T* widget = box->findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QImage image(const char* name) const { return child(name)->pixmap().toImage(); }

    struct Opened {
        QUrl target;
        bool boxStillVisible;
    };
    std::vector<Opened> opened;
    std::unique_ptr<frmAbout> box;
};

TEST_F(AboutBox, ShowsTheProgramAndItsMaker) {
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Acerca de Coilwise"));
    EXPECT_EQ(frmAbout(QStringLiteral("Trafo"), {}).windowTitle(), QStringLiteral("Acerca de Trafo"));
    EXPECT_EQ(
        child("lblDescription")->text(),
        QStringLiteral("Coilwise allows you to calculate easy and quickly small power mains transformers."));
    EXPECT_EQ(child("lblVersion")->text(), QStringLiteral("v" COILWISE_VERSION));
    EXPECT_EQ(child("Label1")->text(), testLinks.mail);
    EXPECT_EQ(child("Label1")->toolTip(), QStringLiteral("Comments or suggestions are welcome"));
    EXPECT_EQ(child("Label3")->text(), testLinks.web);
    EXPECT_EQ(child("Label3")->toolTip(), QStringLiteral("Visit our web site"));
    EXPECT_EQ(child("LabelOK")->text(), QStringLiteral("OK"));
    const auto* cmdOK = child<QPushButton>("cmdOK");
    EXPECT_EQ(cmdOK->text(), QStringLiteral("Aceptar"));
    EXPECT_GE(cmdOK->y(), box->height()) << "the button only carries Enter and Escape";
}

struct CloseCase {
    const char* name;
    std::function<void(frmAbout&)> act;
};

class AboutBoxCloses : public AboutBox, public testing::WithParamInterface<CloseCase> {};

TEST_P(AboutBoxCloses, WithoutOpeningAnything) {
    GetParam().act(*box);
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(opened.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AboutBoxCloses,
    testing::Values(CloseCase{"OkPicture",
                              [](frmAbout& box) {
                                  QTest::mouseClick(box.findChild<QLabel*>(QStringLiteral("LabelOK")),
                                                    Qt::LeftButton);
                              }},
                    CloseCase{"Enter",
                              [](frmAbout&) {
                                  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                              }},
                    CloseCase{"Escape",
                              [](frmAbout&) {
                                  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                              }}),
    [](const testing::TestParamInfo<CloseCase>& info) { return info.param.name; });

struct LinkCase {
    const char* label;
    const char* target;
};

class AboutBoxLinks : public AboutBox, public testing::WithParamInterface<LinkCase> {};

TEST_P(AboutBoxLinks, CloseTheBoxThenOpenTheirTarget) {
    QTest::mouseClick(child(GetParam().label), Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    ASSERT_EQ(opened.size(), 1U);
    EXPECT_EQ(opened[0].target, QUrl(QString::fromUtf8(GetParam().target)));
    EXPECT_FALSE(opened[0].boxStillVisible);
}

INSTANTIATE_TEST_SUITE_P(Cases, AboutBoxLinks,
                         testing::Values(LinkCase{"Label1", "mailto:comments@maker.test"},
                                         LinkCase{"Label3", "https://maker.test/"}),
                         [](const testing::TestParamInfo<LinkCase>& info) { return info.param.label; });

// A build without the maker's addresses keeps the box as it is laid out, without the two links.
TEST(AboutBoxWithoutAddresses, ShowsNoLink) {
    frmAbout box(QStringLiteral("Coilwise"), {}, nullptr, MakerLinks{});
    box.show();
    for (const char* name : {"Label1", "Label3"}) {
        const auto* label = box.findChild<QLabel*>(QLatin1StringView(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_FALSE(label->isVisible()) << name;
    }
    EXPECT_TRUE(box.findChild<QLabel*>(QStringLiteral("LabelOK"))->isVisible());
}

TEST_F(AboutBox, OkPictureLooksPressedWhileTheMouseIsDown) {
    ASSERT_NE(image("Picture5"), image("Picture6"));
    EXPECT_EQ(image("Picture2"), image("Picture6"));
    QLabel* ok = child("LabelOK");
    QTest::mousePress(ok, Qt::LeftButton);
    EXPECT_EQ(image("Picture2"), image("Picture5"));
    // Released away from the label: the picture comes up again, but that is no click.
    QTest::mouseRelease(ok, Qt::LeftButton, {}, QPoint(-10, -10));
    EXPECT_EQ(image("Picture2"), image("Picture6"));
    EXPECT_TRUE(box->isVisible());
}

} // namespace
} // namespace coilwise
