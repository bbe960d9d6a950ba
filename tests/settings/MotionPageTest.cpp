// The motion page: the region editor under the mouse, the load repairs, the indicator, the
// sound list and the reactions.
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "support/CameraInternals.h"
#include "capture/Sound.h"
#include "common/Messages.h"
#include "common/Process.h"
#include "lang/TextIds.h"
#include "settings/PageRules.h"
#include "settings/SettingsFixture.h"

using namespace trelvix;
using trelvix::test::SettingsFixture;
using trelvix::test::WaitFor;
using trelvix::test::WriteFile;

namespace {

class MotionPageTest : public SettingsFixture {
protected:
    // The motion page shown over a streaming camera whose stored region is `region`.
    TFrame_Panel2* OpenOn(const QString& id, MotionRegion region = {20, 20, 200, 200}) {
        cam = StartProgram({id});
        EXPECT_TRUE(Streaming(cam));
        StoreRegion(*cam->settings, region);
        Open();
        ShowPage(1);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return page = window->motionPage;
    }
    MotionRegion Region() const { return StoredRegion(*cam->settings); }
    // A move without a button (QTest would move the desktop's pointer, which may lie there).
    void Hover(QPoint at) {
        QMouseEvent e(QEvent::MouseMove, at, page->Panel2->mapToGlobal(at), Qt::NoButton,
                      Qt::NoButton, {});
        QApplication::sendEvent(page->Panel2, &e);
    }
    void Drag(QPoint from, QPoint to) {
        Hover(from);
        QTest::mousePress(page->Panel2, Qt::LeftButton, {}, from);
        QTest::mouseMove(page->Panel2, to);
        QTest::mouseRelease(page->Panel2, Qt::LeftButton, {}, to);
    }
    UsbCamera* cam = nullptr;
    TFrame_Panel2* page = nullptr;
};

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

}  // namespace

TEST_F(MotionPageTest, OnA640x480PictureEachPanelPixelIsTwoPicturePixels) {
    OpenOn("test:black:640x480@10", {150, 50, 400, 300});
    Hover({100, 50});
    EXPECT_EQ(page->Panel2->cursor().shape(), Qt::SizeAllCursor);
    QTest::mousePress(page->Panel2, Qt::LeftButton, {}, {100, 50});
    EXPECT_TRUE(page->dragging);
    EXPECT_EQ(QPoint(page->lastX, page->lastY), QPoint(200, 100));
    QTest::mouseMove(page->Panel2, {110, 60});
    QTest::mouseRelease(page->Panel2, Qt::LeftButton, {}, {110, 60});
    EXPECT_EQ(Region(), (MotionRegion{170, 70, 420, 320}));
    EXPECT_FALSE(page->dragging);
    EXPECT_EQ(page->edge, 0);
}

TEST_F(MotionPageTest, OnA352x288PictureThePanelReachesOnlyItsTopLeftPart) {
    OpenOn("test:black:352x288@10");
    // The picture keeps its proportions: a point of the panel is taken where it lies on the
    // picture stretched over the whole panel.
    ASSERT_TRUE(WaitFor([&] { return page->Panel2->LatestFrame() != nullptr; }));
    const QRect shown = page->Panel2->PictureRect({352, 288});
    const QPoint at(shown.x() + 100 * shown.width() / 320, 50);
    Hover(at);
    QTest::mousePress(page->Panel2, Qt::LeftButton, {}, at);
    EXPECT_NEAR(page->lastX, 100, 1);
    EXPECT_EQ(page->lastY, 50);
    QTest::mouseRelease(page->Panel2, Qt::LeftButton, {}, at);
}

TEST_F(MotionPageTest, APictureSmallerThanThePanelCannotBeEdited) {
    OpenOn("test:black:160x120@10");
    // Loading pulled the region inside the small picture.
    const MotionRegion loaded{0, 0, 159, 119};
    EXPECT_EQ(Region(), loaded);
    Drag({100, 50}, {300, 200});
    EXPECT_EQ(QPoint(page->lastX, page->lastY), QPoint(0, 0));
    EXPECT_EQ(Region(), loaded);
}

TEST_F(MotionPageTest, DraggingAgainstTheLeftBorderIsRefusedAsAWhole) {
    OpenOn("test:black:640x480@10", {10, 100, 110, 200});
    Drag({30, 75}, {20, 65});  // 20 left and 20 up: left would reach -10
    EXPECT_EQ(Region(), (MotionRegion{10, 100, 110, 200}));
    Drag({30, 75}, {26, 65});  // left reaches 2: the whole step is taken
    EXPECT_EQ(Region(), (MotionRegion{2, 80, 102, 180}));
}

TEST_F(MotionPageTest, ResizingKeepsMoreThanTwentyPixelsAndMayReachTheBorder) {
    OpenOn("test:black:640x480@10", {100, 100, 200, 200});
    Hover({50, 60});  // on the left edge
    EXPECT_EQ(page->Panel2->cursor().shape(), Qt::SizeHorCursor);
    QTest::mousePress(page->Panel2, Qt::LeftButton, {}, {50, 60});
    EXPECT_EQ(page->edge, kLeftEdge);
    for (int x = 51; x <= 95; ++x) QTest::mouseMove(page->Panel2, {x, 60});
    QTest::mouseRelease(page->Panel2, Qt::LeftButton, {}, {95, 60});
    EXPECT_EQ(Region(), (MotionRegion{178, 100, 200, 200}));

    StoreRegion(*cam->settings, {10, 100, 200, 200});
    Drag({5, 70}, {0, 70});
    EXPECT_EQ(Region().left, 0);
    Hover({50, 50});  // on the top edge
    EXPECT_EQ(page->Panel2->cursor().shape(), Qt::SizeVerCursor);
    Drag({50, 50}, {50, 0});
    EXPECT_EQ(Region(), (MotionRegion{0, 0, 200, 200}));
}

TEST_F(MotionPageTest, StoredRegionsOutsideThePictureOrTooSmallAreRepairedOnLoad) {
    OpenOn("test:black:640x480@10", {0, 0, 10, 10});
    page->LoadFromCamera();
    EXPECT_EQ(Region(), (MotionRegion{0, 0, 30, 30}));
    StoreRegion(*cam->settings, {500, 20, 700, 200});
    page->LoadFromCamera();
    EXPECT_EQ(Region(), (MotionRegion{0, 20, 639, 200}));
}

TEST_F(MotionPageTest, BeforeTheFirstFrameTheStoredRegionIsLeftAlone) {
    cam = StartProgram({"mms://camera.invalid/stream"});
    StoreRegion(*cam->settings, {300, 200, 900, 700});
    Open();
    EXPECT_EQ(cam->view().FrameSize().width(), 0);
    EXPECT_EQ(Region(), (MotionRegion{300, 200, 900, 700}));
}

TEST_F(MotionPageTest, SensitivityAndColourAreStoredAtOnceOutOfRangeValuesRepaired) {
    cam = StartProgram({"test:black:320x240@10"});
    CDataClass& s = *cam->settings;
    StoreLive(s.motionSensitivity, 99);
    StoreLive(s.motionIntervalSeconds, 9);
    StoreLive(s.motionRecordStopSeconds, 5);
    page = Open()->motionPage;
    EXPECT_EQ(page->TrackBar_dlta->value(), 40);
    EXPECT_EQ(Live(s.motionSensitivity), 40);
    EXPECT_EQ(page->CSpinEdit1->value(), 6);
    page->TrackBar_dlta->setValue(12);
    EXPECT_EQ(Live(s.motionSensitivity), 12);
    page->SpeedButton9->click();
    EXPECT_EQ(Live(s.motionMarkColour), 1);
    page->SpeedButton10->click();
    EXPECT_EQ(Live(s.motionMarkColour), 2);
    // The switch, the interval and the seconds wait for the save.
    page->CheckBox_startMove->click();
    EXPECT_EQ(Live(s.motionEnabled), 0);
    page->SaveToCamera();
    EXPECT_EQ(Live(s.motionEnabled), 1);
    EXPECT_EQ(Live(s.motionIntervalSeconds), 6);
    EXPECT_EQ(Live(s.motionRecordStopSeconds), 20);
}

TEST_F(MotionPageTest, TheDetectionModeAndTheSmallestObjectActAtOnce) {
    cam = StartProgram({"test:black:320x240@10"});
    CDataClass& s = *cam->settings;
    StoreLive(s.motionMode, kMotionObject);
    StoreLive(s.motionMinSize, 7);
    page = Open()->motionPage;
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(page->ComboBox_motionMode->currentIndex(), 1);
    EXPECT_TRUE(page->ComboBox_motionMode->isEnabled());
    EXPECT_TRUE(page->CSpinEdit_minSize->isEnabled());
    EXPECT_EQ(page->CSpinEdit_minSize->value(), 7);
    page->CSpinEdit_minSize->setValue(9);
    EXPECT_EQ(Live(s.motionMinSize), 9);
    // The smallest object means nothing to the area mode.
    page->ComboBox_motionMode->setCurrentIndex(0);
    EXPECT_EQ(Live(s.motionMode), kMotionArea);
    EXPECT_FALSE(page->CSpinEdit_minSize->isEnabled());
}

TEST_F(MotionPageTest, TheIndicatorFlashesWhenTheCameraSeesMotionInTheRegion) {
    cam = StartProgram({"test:ball:160x120@10"});
    StoreLive(cam->settings->motionIntervalSeconds, 0);
    StoreLive(cam->settings->motionAreaPercent, 1);  // any move of the ball counts
    Open();
    page = window->motionPage;
    TShape* shape = page->Shape1;
    // Other reports are not motion.
    PostMessage(page, SnapshotTakenMessage{true});
    QCoreApplication::sendPostedEvents(page);
    EXPECT_EQ(shape->brushColour(), QColor(Qt::white));
    ShowPage(1);  // the camera now tests the region and reports to the page
    ASSERT_TRUE(WaitFor([&] { return shape->brushColour() == QColor(Qt::red); }));
    ShowPage(0);
    ASSERT_TRUE(WaitFor([&] { return shape->brushColour() == QColor(Qt::white); }));
}

TEST_F(MotionPageTest, SoundsFromTheSoundFolderAreChosenOthersCopiedIn) {
    QTemporaryDir media, elsewhere;
    const QString folder = media.path() + "/";
    WriteFile(folder + "bell.wav", "RIFF1");
    WriteFile(folder + "empty.wav", "");
    WriteFile(folder + "notes.txt", "x");
    WriteFile(elsewhere.path() + "/Horn.WAV", "RIFF2");
    WriteFile(elsewhere.path() + "/bell.wav", "RIFF3");
    cam = StartProgram({"test:black:320x240@10"});
    cam->settings->motionSoundFile = "missing.wav";
    gOption->mediaFolder = folder;
    page = Open()->motionPage;
    QComboBox* list = page->ComboBox_capImagePlaySound_move;
    EXPECT_EQ(Items(list), QStringList({"bell.wav"}));
    // A stored sound the list does not have stays the camera's sound.
    EXPECT_EQ(list->currentIndex(), -1);
    page->SaveToCamera();
    EXPECT_EQ(cam->settings->motionSoundFile.get(), "missing.wav");

    QString chosen = folder + "BELL.wav";
    page->dialogs.openFile = [&](QWidget*, const QString&, const QString&) { return chosen; };
    page->BitBtn__capImagePlaySound_Brow_moveClick();
    EXPECT_EQ(list->currentText(), "bell.wav");
    chosen = elsewhere.path() + "/Horn.WAV";
    page->BitBtn__capImagePlaySound_Brow_moveClick();
    EXPECT_EQ(Items(list), QStringList({"bell.wav", "Horn.WAV"}));
    EXPECT_EQ(list->currentText(), "Horn.WAV");
    chosen = elsewhere.path() + "/bell.wav";  // replaces the file of that name, listed once
    page->BitBtn__capImagePlaySound_Brow_moveClick();
    EXPECT_EQ(Items(list), QStringList({"bell.wav", "Horn.WAV"}));
    EXPECT_EQ(test::ReadFile(folder + "bell.wav"), "RIFF3");

    QStringList played;
    SetSoundPlayerForTesting([&](const QString& path) { played << path; });
    page->BitBtn_capImagePlaySound_Preview_moveClick();
    SetSoundPlayerForTesting(nullptr);
    EXPECT_EQ(played, QStringList({folder + "bell.wav"}));
}

TEST_F(MotionPageTest, ASoundThatCannotBeCopiedInLeavesTheListAsItWas) {
    QTemporaryDir media, elsewhere;
    const QString folder = media.path() + "/";
    WriteFile(folder + "bell.wav", "RIFF1");
    WriteFile(elsewhere.path() + "/ding.wav", "RIFF2");
    // A read-only folder, and (for a user the modes do not stop) a folder in the file's way.
    QDir().mkdir(folder + "ding.wav");
    QFile::setPermissions(media.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    StartProgram({"test:black:320x240@10"});
    gOption->mediaFolder = folder;
    page = Open()->motionPage;
    QStringList messages;
    page->dialogs.message = [&](QWidget*, const QString& text) { messages << text; };
    page->dialogs.openFile = [&](QWidget*, const QString&, const QString&) {
        return elsewhere.path() + "/ding.wav";
    };
    page->BitBtn__capImagePlaySound_Brow_moveClick();
    QFile::setPermissions(media.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(messages, QStringList({LanguageText(text::kTheFileCouldNotBeCopied)}));
    EXPECT_EQ(Items(page->ComboBox_capImagePlaySound_move), QStringList({"bell.wav"}));
}

TEST_F(MotionPageTest, ReactionsFollowTheirSwitchesAndTheProgramRunsWithoutAShell) {
    cam = StartProgram({"test:black:320x240@10"});
    CDataClass& s = *cam->settings;
    StoreLive(s.motionRecord, 1);
    StoreLive(s.motionProgramShow, 7);
    page = Open()->motionPage;
    EXPECT_EQ(page->RunMode_capImageShellExecute_move->currentIndex(), 0);
    EXPECT_FALSE(page->program_capImageShellExecute_move->isEnabled());
    // Unchecking greys the seconds; the record changes only when the page is saved.
    page->CheckBox_CapVideo_move->click();
    EXPECT_FALSE(page->CSpinEdit_CapVideo_move->isEnabled());
    EXPECT_EQ(Live(s.motionRecord), 1);
    page->CheckBox_capImageShellExecute_move->click();
    EXPECT_EQ(Live(s.motionRunProgram), 1);
    EXPECT_TRUE(page->program_capImageShellExecute_move->isEnabled());
    page->CheckBox_capImagePlaySound_move->click();
    EXPECT_EQ(Live(s.motionSound), 0);
    EXPECT_FALSE(page->ComboBox_capImagePlaySound_move->isEnabled());

    QTemporaryDir dir;
    const QString program = dir.path() + "/alarm";
    WriteFile(program, "#!/bin/sh\n");
    page->dialogs.openFile = [&](QWidget*, const QString&, const QString&) { return program; };
    page->BitBtn_capImageShellExecute_moveClick();
    page->param_capImageShellExecute_move->setText("--zone \"front door\"; rm -rf x");
    page->RunMode_capImageShellExecute_move->setCurrentIndex(1);
    QList<QStringList> runs;
    SetProgramRunner([&](const QString& p, const QStringList& args) {
        runs << (QStringList{p} + args);
        return true;
    });
    page->BitBtn1_capImageShellExecute_moveClick();
    page->program_capImageShellExecute_move->setText(dir.path() + "/gone");
    page->BitBtn1_capImageShellExecute_moveClick();  // a missing program: nothing happens
    SetProgramRunner(nullptr);
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0], QStringList({program, "--zone", "front door;", "rm", "-rf", "x"}));
    page->program_capImageShellExecute_move->setText(program);
    page->SaveToCamera();
    EXPECT_EQ(Live(s.motionRecord), 0);
    EXPECT_EQ(s.motionProgramPath.get(), program);
    EXPECT_EQ(Live(s.motionProgramShow), 1);
    EXPECT_EQ(s.motionProgramParams.get(), "--zone \"front door\"; rm -rf x");
}
