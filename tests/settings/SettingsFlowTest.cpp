// The settings window in the running program: opened from the main window, edits reaching the
// cameras afterwards, and pages saving while the cameras stream.
#include <QDirIterator>

#include "support/CameraInternals.h"
#include "app/Unit1.h"
#include "history/EventLog.h"
#include "lang/TextIds.h"
#include "settings/SettingsFixture.h"

using namespace trelvix;
using trelvix::test::SettingsFixture;
using trelvix::test::WaitFor;

namespace {

using SettingsFlowTest = trelvix::test::MainWindowFixture;

int Pictures(const QString& folder) {
    int n = 0;
    QDirIterator it(folder, {"*.jpg"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) n += QFileInfo(it.next()).size() > 0;
    return n;
}

}  // namespace

TEST_F(SettingsFlowTest, MotionSwitchedOnInTheWindowWorksAfterClosingWithoutARestart) {
    StartProgram({"test:ball:160x120@10", "test:black:160x120@10"}, 0);
    FreshRecord(0);
    FreshRecord(1);
    OpenMainWindow();
    mainWindow->SelectCell(1);
    UsbCamera* ball = mainWindow->host.camera(0);
    ASSERT_NE(ball, nullptr);
    StoreLive(ball->settings->motionAreaPercent, 1);
    int opened = 0;
    TForm_settings::SetModalRunnerForTesting([&](TForm_settings& w) {
        ++opened;
        EXPECT_EQ(w.currentCamera, mainWindow->host.camera(1));  // the selected camera
        Choose(&w, 0);
        w.ListView_Navigate->setCurrentRow(1);
        w.motionPage->CheckBox_startMove->click();
        w.motionPage->CSpinEdit1->setValue(0);
        w.motionPage->CheckBox_capImagePlaySound_move->click();  // quietly
        return QDialog::Accepted;
    });
    mainWindow->ImageBT4MouseDown();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(mainWindow->ImageBT4->picture(), "btBitmap_41");
    // The same camera object, restarted with its new settings.
    ASSERT_EQ(mainWindow->host.camera(0), ball);
    EXPECT_EQ(Live(ball->settings->motionEnabled), 1);
    EXPECT_FALSE(ball->IsStopped());
    EXPECT_TRUE(WaitFor([&] { return LogLinesSaying(text::kPictureTaken) > 0; }));
    EXPECT_GT(Pictures(ball->settings->imageFolder), 0);
}

TEST_F(SettingsFlowTest, AChangedGridIsRebuiltAfterTheWindowCloses) {
    StartProgram({"test:black:160x120@10"}, 0);
    FreshRecord(0);
    OpenMainWindow();
    TForm_settings::SetModalRunnerForTesting([](TForm_settings&) {
        gOption->requestedCols = 3;
        return QDialog::Accepted;
    });
    mainWindow->ImageBT4MouseDown();
    ASSERT_NE(gOption, nullptr);
    option = gOption;  // the main window replaced the settings object with this one
    EXPECT_EQ(gOption->gridCols, 3);
    EXPECT_EQ(mainWindow->cellPanels.size(), 6u);
    EXPECT_TRUE(mainWindow->host.housekeeping.TimersActive());
}

TEST_F(SettingsFlowTest, TheWindowOpensOnlyAfterThePassword) {
    StartProgram({"test:black:160x120@10"}, 0);
    FreshRecord(0);
    OpenMainWindow();
    gOption->passwordOn = 1;
    bool granted = false;
    Option::SetPasswordPrompt([&](QObject*, const QString&) { return granted; });
    int opened = 0;
    TForm_settings::SetModalRunnerForTesting([&](TForm_settings&) {
        EXPECT_FALSE(mainWindow->host.housekeeping.TimersActive());
        return ++opened;
    });
    mainWindow->ImageBT4MouseDown();
    EXPECT_EQ(opened, 0);
    granted = true;
    mainWindow->ImageBT4MouseDown();
    Option::SetPasswordPrompt(nullptr);
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(mainWindow->host.housekeeping.TimersActive());
}

// Texts of the record are replaced whole while the frame, motion and recording threads read
// them. Under ThreadSanitizer (G_SLICE=always-malloc, suppressions in sanitizers/tsan.supp for
// the libraries' own hand-overs) this reports nothing.
TEST_F(SettingsFlowTest, PagesSaveRepeatedlyWhileTheCameraStreamsAndRecords) {
    StartProgram({"test:ball:320x240@30"}, 0);
    UsbCamera* cam = StartCamera(gOption->deviceIds[0], 0, [](CDataClass& s) {
        StoreLive(s.motionEnabled, 1);
        StoreLive(s.motionIntervalSeconds, 0);
        StoreLive(s.motionAreaPercent, 1);
        StoreLive(s.motionSound, 0);
    });
    CDataClass& s = *cam->settings;
    ASSERT_TRUE(Streaming(cam));
    cam->recording().StartRecording();
    Open();
    ShowPage(1);
    const uint64_t before = cam->view().framesDelivered();
    for (int i = 0; i < 200; ++i) {
        const QString n = QString::number(i);
        window->overlayPage->Edit1->setText("caption " + n);
        window->motionPage->param_capImageShellExecute_move->setText("--round " + n);
        window->recordingPage->Edit_ImagePath->setText(dir.path() + "/pictures" + n + "/");
        // Numbers the frame path reads on every frame change too.
        (i % 2 ? window->overlayPage->RadioButton_rote2 : window->overlayPage->RadioButton_rote0)
            ->setChecked(true);
        window->overlayPage->CheckBox_timer->setChecked(i % 3 != 0);
        window->motionPage->TrackBar_dlta->setValue(5 + i % 20);
        window->SaveAllPages();
        window->ShowSelectedPage();
        QCoreApplication::processEvents();
        if (i % 20 == 0)  // a frame in between
            WaitFor([&, n = cam->view().framesDelivered()] {
                return cam->view().framesDelivered() > n;
            });
    }
    EXPECT_TRUE(WaitFor([&] { return cam->view().framesDelivered() > before + 5; }));
    cam->recording().StopRecording();
    window->done(QDialog::Accepted);
    EXPECT_EQ(s.caption.get(), "caption 199");
    EXPECT_EQ(s.motionProgramParams.get(), "--round 199");
    EXPECT_EQ(s.imageFolder.get(), dir.path() + "/pictures199/");
}
