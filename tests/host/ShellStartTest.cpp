// Both programs start the same way: whatever a camera's record asks for at start happens in
// the main window exactly as in the headless program.
#include <QDir>
#include <QDialog>
#include <QDirIterator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/HeadlessShell.h"
#include "app/Unit1.h"
#include "capture/Usbcamera.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "support/StartupSettings.h"
#include "support/TestFiles.h"
#include "history/LogReceiver.h"
#include "host/CameraHost.h"
#include "settings/Unit4.h"
#include "support/Wait.h"

using namespace trelvix;
using trelvix::test::WaitFor;

namespace {

struct WindowedProgram {
    void Start(std::unique_ptr<Option> settings) {
        window = std::make_unique<TForm1>(std::move(settings));
    }
    CameraHost& Host() { return window->host; }
    void Exit() {
        window->realExit = true;
        window->close();
        window.reset();
    }
    std::unique_ptr<TForm1> window;
};

struct HeadlessProgram {
    void Start(std::unique_ptr<Option> settings) {
        shell = std::make_unique<HeadlessShell>(std::move(settings));
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
        test::WriteGrid(ini, 1, 3);
        QDir().mkpath(videos());
        // Two recording cameras and one that only shows its picture.
        for (int i = 0; i < 3; ++i) {
            CDataClass rec;
            rec.cameraId = i;
            rec.videoFolder = videos();
            StoreLive(rec.autoRecord, i < 2);
            rec.Save();
        }
        Option::SetDeviceEnumerator([](QStringList* ids, QStringList* names) {
            *ids = {"test:ball:160x120@10", "test:smpte:160x120@10", "test:zone:160x120@10"};
            *names = {"a", "b", "c"};
        });
        startup.Load(ini);
    }
    void TearDown() override {
        startup.Drop();
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
    // Waits until camera `id` has written `more` frames into its recording (ten a second).
    bool MoreWritten(int id, uint64_t more) {
        const auto written = [&] {
            return program.Host().camera(id)->recording().recorder().thread()->framesWritten();
        };
        return WaitFor([&, from = written()] { return written() >= from + more; });
    }
    // Lines saying that a recording started: of camera `camera`, or of any when it is -1.
    int StartLines(int camera = -1) {
        QCoreApplication::sendPostedEvents();
        int n = 0;
        for (const QString& line :
             ReadLogLines(LogFileName(gOption->LogPath, QDate::currentDate()))) {
            const auto f = SplitLogLine(line);
            n += f[5] == LanguageText(13) && (camera < 0 || f[6] == QString::number(camera));
        }
        return n;
    }

    QTemporaryDir dir;
    QString ini;
    trelvix::test::StartupSettings startup;
    Program program;
};

using Programs = ::testing::Types<WindowedProgram, HeadlessProgram>;
TYPED_TEST_SUITE(ShellStartTest, Programs);
using HeadlessStartTest = ShellStartTest<HeadlessProgram>;
using WindowedStartTest = ShellStartTest<WindowedProgram>;

}  // namespace

TYPED_TEST(ShellStartTest, CamerasThatRecordAtStartRecordFromTheFirstSecond) {
    this->program.Start(this->startup.Take());
    CameraHost& host = this->program.Host();
    ASSERT_NE(host.camera(2), nullptr);
    EXPECT_TRUE(host.camera(0)->recording().IsRecording());
    EXPECT_TRUE(host.camera(1)->recording().IsRecording());
    EXPECT_FALSE(host.camera(2)->recording().IsRecording());
    EXPECT_TRUE(host.housekeeping.TimersActive());
    ASSERT_TRUE(WaitFor([&] { return this->FilledRecordings(0) && this->FilledRecordings(1); }));
    EXPECT_EQ(this->FilledRecordings(2), 0);

    // Each recording camera logs its start once, with its first file.
    EXPECT_TRUE(WaitFor([&] { return this->StartLines() == 2; })) << this->StartLines();
    ASSERT_TRUE(this->MoreWritten(0, 3) && this->MoreWritten(1, 3));
    EXPECT_EQ(this->StartLines(), 2);
    this->program.Exit();
    EXPECT_EQ(gOption, nullptr);    // the settings were saved and are gone
    this->startup.Load(this->ini);  // for TearDown
}

TYPED_TEST(ShellStartTest, TheBroadcastCopiesACrashLeftAreDeletedUnlessKept) {
    // What a killed broadcast leaves: its copy that was to go, next to one the user kept.
    const QString day = this->videos() + "/01/20240510Video/";
    const QString orphan = day + "20240510 120000123.temporary.wmv";
    const QString kept = day + "20240510 120000123.wmv";
    const QString other = day + "notes.temporary.wmv";
    for (const QString& f : {orphan, kept, other}) test::WriteFile(f, "ASF");
    this->program.Start(this->startup.Take());
    EXPECT_FALSE(QFile::exists(orphan));
    EXPECT_TRUE(QFile::exists(kept));
    EXPECT_TRUE(QFile::exists(other));  // not a name the program gives
    this->program.Exit();
    this->startup.Load(this->ini);
}

TYPED_TEST(ShellStartTest, TheCamerasOfTheGridAreFoundByTheirDevice) {
    this->program.Start(this->startup.Take());
    CameraHost& host = this->program.Host();
    EXPECT_EQ(host.FindCameraByDeviceId("test:smpte:160x120@10"), host.camera(1));
    EXPECT_EQ(host.FindCameraByDeviceId("TEST:SMPTE:160x120@10"), nullptr);
    EXPECT_EQ(host.FindCameraByDeviceId("/dev/video9"), nullptr);
    this->program.Exit();
    this->startup.Load(this->ini);
}

TEST_F(HeadlessStartTest, ABroadcastStartRecordsEachCameraOnceFromTheStart) {
    for (int i = 0; i < 3; ++i) {
        CDataClass rec;
        rec.Load(i);
        StoreLive(rec.broadcastPort, 0);  // the system's choice
        rec.Save();
    }
    program.shell = std::make_unique<HeadlessShell>(startup.Take());
    program.shell->Start(true);
    CameraHost& host = program.Host();
    ASSERT_NE(host.camera(0), nullptr);
    ASSERT_TRUE(host.camera(0)->broadcast().IsBroadcasting());
    EXPECT_TRUE(host.camera(0)->recording().recorder().recording());
    ASSERT_TRUE(WaitFor([&] { return FilledRecordings(0) && FilledRecordings(1); }));
    ASSERT_TRUE(MoreWritten(0, 15) && MoreWritten(1, 15));
    EXPECT_EQ(FilledRecordings(0), 1);
    EXPECT_EQ(FilledRecordings(1), 1);
    EXPECT_EQ(StartLines(0), 1);
    program.Exit();
    startup.Load(ini);
}

TEST_F(WindowedStartTest, AGridRebuildStartsEachRecordingOnce) {
    program.Start(this->startup.Take());
    ASSERT_TRUE(WaitFor([&] { return FilledRecordings(0) == 1; }));
    gOption->requestedRows = 1;
    gOption->requestedCols = 2;
    TForm_settings::SetModalRunnerForTesting(
        [](TForm_settings&) { return int(QDialog::Accepted); });
    program.window->ImageBT4MouseDown();
    TForm_settings::SetModalRunnerForTesting(nullptr);
    ASSERT_EQ(program.window->cellPanels.size(), 2u);
    ASSERT_TRUE(WaitFor([&] { return FilledRecordings(0) == 2; }));
    ASSERT_TRUE(MoreWritten(0, 15));
    EXPECT_EQ(FilledRecordings(0), 2);  // the one before and the one after
    EXPECT_EQ(StartLines(0), 2);
    program.Exit();
    startup.Load(ini);
}
