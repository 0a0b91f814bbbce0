// The main of every integration test program: one application, offscreen, for GoogleTest.
#include "tests/support/qt_test_process.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    kesto::test::prepareQtTestProcess();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
