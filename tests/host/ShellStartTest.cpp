// Both programs start the same way: whatever a camera's record asks for at start happens in
// the main window exactly as in the headless program.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/HeadlessShell.h"
#include "app/Unit1.h"
#include "capture/Usbcamera.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "history/LogReceiver.h"
#include "host/CameraHost.h"
#include "support/Wait.h"

using namespace trelvix;
using trelvix::test::WaitFor;

namespace {

struct WindowedProgram {
    void Start() { window = std::make_unique<TForm1>(); }
    CameraHost& Host() { return window->host; }
    void Exit() {
        window->realExit = true;
        window->close();
        window.reset();
    }
    std::unique_ptr<TForm1> window;
};

struct HeadlessProgram {
    void Start() {
        shell = std::make_unique<HeadlessShell>();
        shell->Start();
    }
    CameraHost& Host() { return shell->host; }
    void Exit() {
        shell->Exit(false);
        shell.reset();
    }
    std::unique_ptr<HeadlessShell> shell;
};

template <typename Program>
class ShellStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureUserFolder();
        ini = dir.path() + "/kvCamera.ini";
        QSettings s(ini, QSettings::IniFormat);
        s.setValue("Settings/CameraRows", "1");
        s.setValue("Settings/CameraCols", "3");
        s.sync();
        QDir().mkpath(videos());
        // Two recording cameras and one that only shows its picture.
        for (int i = 0; i < 3; ++i) {
            CDataClass rec;
            rec.cameraId = i;
            rec.videoFolder = videos();
            rec.autoRecord = i < 2;
            rec.Save();
        }
        Option::SetDeviceEnumerator([](QStringList* ids, QStringList* names) {
            *ids = {"test:ball:160x120@10", "test:smpte:160x120@10", "test:zone:160x120@10"};
            *names = {"a", "b", "c"};
        });
        new Option(ini);
    }
    void TearDown() override {
        delete gOption;
        Option::SetDeviceEnumerator(nullptr);
    }
    QString videos() const { return dir.path() + "/videos"; }
    // Recordings of a camera that hold data.
    int FilledRecordings(int camera) const {
        int n = 0;
        QDirIterator it(videos() + QString::asprintf("/%02d", camera), {"*.mp4"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) n += QFileInfo(it.next()).size() > 0;
        return n;
    }
    QStringList LogLines() {
        QCoreApplication::sendPostedEvents();
        return ReadLogLines(LogFileName(gOption->LogPath, QDate::currentDate()));
    }

    QTemporaryDir dir;
    QString ini;
    Program program;
};

using Programs = ::testing::Types<WindowedProgram, HeadlessProgram>;
TYPED_TEST_SUITE(ShellStartTest, Programs);

}  // namespace

TYPED_TEST(ShellStartTest, CamerasThatRecordAtStartRecordFromTheFirstSecond) {
    this->program.Start();
    CameraHost& host = this->program.Host();
    ASSERT_NE(host.camera(2), nullptr);
    EXPECT_TRUE(host.camera(0)->IsRecording());
    EXPECT_TRUE(host.camera(1)->IsRecording());
    EXPECT_FALSE(host.camera(2)->IsRecording());
    EXPECT_TRUE(host.housekeeping.TimersActive());
    ASSERT_TRUE(WaitFor([&] { return this->FilledRecordings(0) && this->FilledRecordings(1); }));
    EXPECT_EQ(this->FilledRecordings(2), 0);

    // Each recording camera logs the start of the recording and its first file.
    const auto startLines = [this] {
        int n = 0;
        for (const QString& line : this->LogLines()) n += SplitLogLine(line)[5] == LanguageText(13);
        return n;
    };
    EXPECT_TRUE(WaitFor([&] { return startLines() == 4; })) << startLines();
    this->program.Exit();
    EXPECT_EQ(gOption, nullptr);  // the settings were saved and are gone
    new Option(this->ini);        // for TearDown
}

TYPED_TEST(ShellStartTest, TheCamerasOfTheGridAreFoundByTheirDevice) {
    this->program.Start();
    CameraHost& host = this->program.Host();
    EXPECT_EQ(host.FindCameraByDeviceId("test:smpte:160x120@10"), host.camera(1));
    EXPECT_EQ(host.FindCameraByDeviceId("TEST:SMPTE:160x120@10"), nullptr);
    EXPECT_EQ(host.FindCameraByDeviceId("/dev/video9"), nullptr);
    this->program.Exit();
    new Option(this->ini);
}
