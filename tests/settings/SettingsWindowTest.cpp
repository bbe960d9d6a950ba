// The settings window: choosing cameras, the page cycle, "apply to all" and closing.

#include "support/CameraInternals.h"
#include "settings/PageRules.h"
#include "settings/SettingsFixture.h"

using namespace trelvix;
using trelvix::test::SettingsFixture;

namespace {

const QStringList kTwo = {"test:black:320x240@10", "test:black:160x120@10"};

class SettingsWindowTest : public SettingsFixture {};

}  // namespace

TEST_F(SettingsWindowTest, AnInitialIndexOutsideTheListSelectsTheFirstCamera) {
    StartProgram(kTwo);
    for (int index : {2, -1}) {
        Open(index);
        EXPECT_EQ(window->ComboBox1->currentIndex(), 0) << index;
        EXPECT_EQ(window->currentCamera, cameras[0].get());
        EXPECT_EQ(window->overlayPage->Edit1->text(), "0#");
        for (int i = 0; i < TForm_settings::kCameraPages; ++i)
            EXPECT_EQ(window->pages[size_t(i)]->camera, cameras[0].get());
        EXPECT_EQ(window->pages[5]->camera, nullptr);
        window.reset();
    }
    Open(1);
    EXPECT_EQ(window->currentCamera, cameras[1].get());
    TFrame_PanelBase* page = window->pages[3];
    EXPECT_EQ(page->LabelCaption->text(), LanguageText(1000));
    EXPECT_FALSE(page->Animate2->isVisibleTo(page));
    page->StartBusyAnimation();
    EXPECT_TRUE(page->Animate2->isVisibleTo(page));
    EXPECT_TRUE(page->Animate2->playing());
    page->StopBusyAnimation();
    EXPECT_FALSE(page->Animate2->isVisibleTo(page));
    EXPECT_EQ(window->ListView_Navigate->count(), 8);
    EXPECT_EQ(window->ListView_Navigate->item(2)->text(), LanguageText(437));
    EXPECT_EQ(window->ListView_Navigate->item(6)->text(), LanguageText(500));
    EXPECT_EQ(window->ListView_Navigate->item(7)->text(), LanguageText(31000));
}

TEST_F(SettingsWindowTest, EachPageGetsThePictureItShowsAndOnlyTheMotionPageTestsTheRegion) {
    StartProgram(kTwo);
    UsbCamera* cam = cameras[0].get();
    Open();
    EXPECT_EQ(cam->view().previewNotifyWindow(), window->overlayPage);
    EXPECT_FALSE(cam->view().regionTestMode());
    ShowPage(1);
    EXPECT_EQ(cam->view().previewNotifyWindow(), window->motionPage);
    EXPECT_TRUE(cam->view().regionTestMode());
    ASSERT_TRUE(
        test::WaitFor([&] { return window->motionPage->Panel2->LatestFrame() != nullptr; }));
    ShowPage(2);  // no picture on the recording page: nothing is painted
    EXPECT_EQ(cam->view().previewNotifyWindow(), window.get());
    EXPECT_FALSE(cam->view().regionTestMode());
    ShowPage(1);
    window->done(QDialog::Accepted);
    EXPECT_EQ(cam->view().previewNotifyWindow(), nullptr);
    EXPECT_FALSE(cam->view().regionTestMode());
}

TEST_F(SettingsWindowTest, SwitchingCamerasSavesTypedValuesIntoTheCameraTheyWereTypedFor) {
    StartProgram(kTwo);
    Open();
    window->overlayPage->Edit1->setText("front door");
    window->motionPage->CSpinEdit1->setValue(5);
    Choose(window.get(), 1);
    EXPECT_EQ(window->currentCamera, cameras[1].get());
    EXPECT_EQ(cameras[0]->settings->caption.get(), "front door");
    EXPECT_EQ(Live(cameras[0]->settings->motionIntervalSeconds), 5);
    EXPECT_EQ(cameras[1]->settings->caption.get(), "1#");
    EXPECT_EQ(window->overlayPage->Edit1->text(), "1#");
    EXPECT_EQ(window->motionPage->CSpinEdit1->value(), 2);
    window->overlayPage->Edit1->setText("yard");
    window->done(QDialog::Accepted);
    EXPECT_EQ(cameras[1]->settings->caption.get(), "yard");
    EXPECT_EQ(cameras[0]->settings->caption.get(), "front door");
    // Closing writes both records to their files.
    CDataClass stored;
    stored.Load(0);
    EXPECT_EQ(stored.caption.get(), "front door");
    stored.Load(1);
    EXPECT_EQ(stored.caption.get(), "yard");
}

TEST_F(SettingsWindowTest, ApplyToAllCopiesTheSharedSettingsAtOnceOnYes) {
    StartProgram(kTwo);
    CDataClass& a = *cameras[0]->settings;
    CDataClass& b = *cameras[1]->settings;
    StoreLive(a.motionSensitivity, 17);
    a.videoFolder = "/videos/";
    StoreLive(a.segmentMinutes, 45);
    StoreLive(a.broadcastPort, 9001);
    Open();
    window->CheckBox_AppToAll->click();
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(Live(b.motionSensitivity), 17);
    EXPECT_EQ(b.videoFolder.get(), "/videos/");
    EXPECT_EQ(Live(b.segmentMinutes), 45);
    // The caption and the broadcast port stay each camera's own.
    EXPECT_EQ(b.caption.get(), "1#");
    EXPECT_EQ(Live(b.broadcastPort), 8080);
    // Unchecking asks nothing.
    window->CheckBox_AppToAll->click();
    EXPECT_EQ(questions, 1);
    window->done(QDialog::Accepted);
    EXPECT_FALSE(gOption->applyToAll);
}

TEST_F(SettingsWindowTest, ApplyToAllAnsweredNoCopiesTheFinalValuesAtClose) {
    StartProgram(kTwo);
    answerYes = false;
    Open();
    window->CheckBox_AppToAll->click();
    EXPECT_TRUE(window->CheckBox_AppToAll->isChecked());
    EXPECT_EQ(Live(cameras[1]->settings->motionEnabled), 0);
    window->motionPage->CheckBox_startMove->setChecked(true);
    window->recordingPage->TrackBar_XVIDjgminutes->setValue(50);
    window->recordingPage->ComboBox_codec->setCurrentIndex(1);
    window->recordingPage->CSpinEdit_preMotion->setValue(12);
    window->overlayPage->Edit1->setText("only mine");
    window->done(QDialog::Accepted);
    EXPECT_TRUE(gOption->applyToAll);
    EXPECT_EQ(Live(cameras[1]->settings->motionEnabled), 1);
    EXPECT_EQ(Live(cameras[1]->settings->segmentMinutes), 50);
    EXPECT_EQ(Live(cameras[1]->settings->recordCodec), 1);
    EXPECT_EQ(Live(cameras[1]->settings->preMotionSeconds), 12);
    EXPECT_EQ(cameras[1]->settings->caption.get(), "1#");
}

TEST_F(SettingsWindowTest, TheStoredApplyToAllIsShownWithoutAQuestion) {
    StartProgram(kTwo);
    gOption->applyToAll = true;
    Open();
    EXPECT_TRUE(window->CheckBox_AppToAll->isChecked());
    EXPECT_EQ(questions, 0);
    EXPECT_TRUE(window->creationDone);
}

TEST_F(SettingsWindowTest, WithoutCamerasThePagesAreGreyedAndClosingSavesNothing) {
    StartProgram({});
    Open();
    EXPECT_EQ(window->currentCamera, nullptr);
    EXPECT_FALSE(window->ComboBox1->isEnabled());
    EXPECT_FALSE(window->CheckBox_AppToAll->isEnabled());
    EXPECT_FALSE(window->BitBtn7->isEnabled());
    EXPECT_FALSE(window->overlayPage->Edit1->isEnabled());
    EXPECT_FALSE(window->motionPage->TrackBar_dlta->isEnabled());
    EXPECT_FALSE(window->recordingPage->BitBtn1->isEnabled());
    EXPECT_TRUE(window->recordingPage->TrackBar_XVIDjgminutes->isEnabled());
    window->done(QDialog::Accepted);
}

TEST_F(SettingsWindowTest, ADeviceWithoutARunningCameraLeavesThePagesWritingNowhere) {
    StartProgram(kTwo, 1);
    Open();
    window->overlayPage->Edit1->setText("kept");
    Choose(window.get(), 1);
    EXPECT_EQ(window->currentCamera, nullptr);
    EXPECT_EQ(cameras[0]->settings->caption.get(), "kept");
    EXPECT_EQ(window->overlayPage->Edit1->text(), "kept");  // the last contents stay
    window->overlayPage->SpeedButton14->click();
    window->done(QDialog::Accepted);
    EXPECT_EQ(cameras[0]->view().previewNotifyWindow(), nullptr);
}
