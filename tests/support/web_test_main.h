#pragma once
// The main of a Qt Test program that runs the web engine offscreen: the engine wants its
// environment and the shared GL contexts before the application is made.

#include <QApplication>
#include <QTest>

#include <cstdlib>

namespace kesto::test {

template <class TestObject> int runWebTest(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox", 0);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestObject test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace kesto::test
