// Every test program runs with a Qt application and its own empty HOME and runtime folder.
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/TestEnv.h"

#ifdef TRELVIX_WIDGET_TESTS
#include <QApplication>
using TestApp = QApplication;
#else
using TestApp = QGuiApplication;
#endif

int main(int argc, char** argv) {
#ifndef TRELVIX_REAL_DISPLAY
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    QTemporaryDir home;
    trelvix::test::SetHome(home.path());
    TestApp app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
