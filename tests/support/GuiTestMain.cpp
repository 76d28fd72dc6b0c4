// Test main of the GUI suites: a QApplication on the offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>

#include "ui/Resources.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ferrolab::InitResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
