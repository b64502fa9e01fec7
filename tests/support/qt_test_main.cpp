#include <QApplication>
#include <gtest/gtest.h>

// Widget tests need one application object that outlives every window the tests make.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("coilwise"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
