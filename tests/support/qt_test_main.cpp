#include <QApplication>
#include <gtest/gtest.h>

// Widget tests need one application object that outlives every window the tests make.
int main(int argc, char** argv) {
    // Also when the test runner only lists the tests: no test needs a real display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("coilwise"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
