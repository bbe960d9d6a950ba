// Window frames as a desktop draws them: run on a virtual display with a window manager
// (run_with_window_manager.sh), where frame sizes and maximise/restore are real.
#include <QImage>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "support/StartupSettings.h"
#include "views/Unit2.h"

using namespace trelvix;

namespace {

class WindowFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X display";
        EnsureUserFolder();
        const QString ini = UserFolder() + "kvCamera.ini";
        test::WriteGrid(ini, 1, 1);
        startup.Load(ini);
    }
    void TearDown() override { startup.Drop(); }

    trelvix::test::StartupSettings startup;

    static QRect WorkArea(const QWidget& w) {
        QScreen* s = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
        return s->availableGeometry();
    }
    // The window manager answers asynchronously; wait until the frame is known.
    static bool WaitForFrame(const QWidget& w) {
        return QTest::qWaitFor([&] { return w.frameGeometry().size() != w.geometry().size(); },
                               5000);
    }
};

TEST_F(WindowFrameTest, RestoredMainWindowKeepsItsTitleBarOnTheScreen) {
    TForm1 window(startup.Take());
    window.ShowMaximised();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isMaximized(); }, 5000));
    window.showNormal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isMaximized(); }, 5000));
    ASSERT_TRUE(WaitForFrame(window));
    const QRect area = WorkArea(window);
    // The frame settles after the state change.
    EXPECT_TRUE(QTest::qWaitFor([&] { return area.contains(window.frameGeometry()); }, 5000))
        << "restored window leaves the screen";
    EXPECT_GE(window.frameGeometry().top(), area.top()) << "title bar above the screen";
    EXPECT_GE(window.frameGeometry().left(), area.left());
}

TEST_F(WindowFrameTest, SnapshotPopupOuterSizeIsThePicture) {
    const QString path = UserFolder() + "popup.jpg";
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(path));
    auto* popup = new TForm2(nullptr, path);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    ASSERT_TRUE(WaitForFrame(*popup));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return popup->frameGeometry().size() == QSize(640, 480); }, 3000))
        << "outer size " << popup->frameGeometry().width() << "x"
        << popup->frameGeometry().height();
    EXPECT_LT(popup->width(), 640);  // the frame takes its share of the picture's size
    popup->close();
}

}  // namespace
