#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ButtonPictures.h"
#include "app/Unit1.h"
#include "app/Unit_CameraPanel.h"
#include "app/Unit_password.h"
#include "lang/TextIds.h"
#include "settings/Unit4.h"
#include "settings/Unit_PanelBase.h"
#include "common/Messages.h"
#include "capture/Usbcamera.h"
#include "views/Unit2.h"
#include "common/FreeSpace.h"

#include <QPointer>
#include "common/TextConv.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "support/CameraInternals.h"
#include "support/StartupSettings.h"
#include "history/LogReceiver.h"
#include "support/Wait.h"

using namespace trelvix;

namespace {

const QColor kRed(255, 0, 0);
const QColor kSilver(0xC0, 0xC0, 0xC0);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureUserFolder();
        ini = UserFolder() + "kvCamera.ini";
        QFile::remove(UserFolder() + "config.bin");  // no password left by an earlier test
        test::WriteGrid(ini, 2, 2);
        startup.Load(ini);
    }
    void TearDown() override {
        delete window;
        startup.Drop();
        Option::SetPasswordPrompt(nullptr);
    }
    QStringList TodaysLog() {
        QCoreApplication::sendPostedEvents();
        return ReadLogLines(trelvix::LogFileName(UserFolder(), QDate::currentDate()));
    }
    QString ini;
    trelvix::test::StartupSettings startup;
    TForm1* window = nullptr;
};

}  // namespace

TEST(ButtonPictures, EveryButtonHasThreeDistinctPictures) {
    for (int b = 1; b <= 7; ++b) {
        QImage prev;
        for (int v = 1; v <= 3; ++v) {
            const QPixmap pm = ButtonBitmap(QStringLiteral("btBitmap_%1%2").arg(b).arg(v));
            ASSERT_FALSE(pm.isNull()) << b << v;
            EXPECT_EQ(pm.size(), QSize(120, 53));
            EXPECT_NE(pm.toImage(), prev);
            prev = pm.toImage();
        }
    }
    EXPECT_TRUE(ButtonBitmap("btBitmap_81").isNull());
    EXPECT_NE(ButtonBitmap("btBitmap_11").toImage(), ButtonBitmap("btBitmap_21").toImage());
}

TEST_F(MainWindowTest, GridOfEmptyCellsLaidOutWithTheSelectionInRed) {
    window = new TForm1(startup.Take());
    window->resize(1135, 801);
    window->show();
    ASSERT_EQ(window->cellPanels.size(), 4u);
    EXPECT_EQ(window->cellPanels[3]->objectName(), "panel3");
    // w = (1135 - 135 - 2) / 2 = 499, h = (801 - 2) / 2 = 399.
    EXPECT_EQ(window->cellPanels[0]->geometry(), QRect(1, 1, 499, 399));
    EXPECT_EQ(window->cellPanels[3]->geometry(), QRect(501, 401, 499, 399));
    EXPECT_EQ(window->Panel_controlBar->geometry(), QRect(1000, 0, 135, 801));
    EXPECT_EQ(window->ImageBT6->y(), 314);
    EXPECT_EQ(window->cameraPanels[0]->FrameColour(), kRed);
    EXPECT_EQ(window->cameraPanels[1]->FrameColour(), kSilver);
    // One pixel of the frame shows at the left and top of the video area.
    EXPECT_EQ(window->cameraPanels[0]->VideoPanel->geometry(), QRect(1, 1, 498, 398));

    // A click on an empty cell selects it; the camera buttons then do nothing.
    QTest::mouseClick(window->cameraPanels[2]->VideoPanel, Qt::LeftButton);
    EXPECT_EQ(window->selectedCell, 2);
    EXPECT_EQ(window->cameraPanels[2]->FrameColour(), kRed);
    EXPECT_EQ(window->cameraPanels[0]->FrameColour(), kSilver);
    window->ImageBT1MouseDown();
    window->ImageBT5MouseDown();
    EXPECT_EQ(window->ImageBT1->picture(), "btBitmap_11");
    EXPECT_EQ(window->ImageBT5->picture(), "btBitmap_51");

    // Hover pictures.
    QEvent leave(QEvent::Leave);
    QTest::mouseMove(window->ImageBT3);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(window->ImageBT3, &enter);
    EXPECT_EQ(window->ImageBT3->picture(), "btBitmap_32");
    QApplication::sendEvent(window->ImageBT3, &leave);
    EXPECT_EQ(window->ImageBT3->picture(), "btBitmap_31");
    EXPECT_EQ(window->windowTitle(), LanguageText(100));
}

TEST_F(MainWindowTest, ClosingByTheFrameHidesAndAWrongPasswordKeepsTheProgramRunning) {
    window = new TForm1(startup.Take());
    window->show();
    EXPECT_TRUE(TodaysLog().last().contains("|" + LanguageText(2) + "|-1||"));

    // The frame's close button only hides (or minimises, with no notification area).
    window->close();
    EXPECT_TRUE(window->inTray);
    window->RestoreFromTray();
    EXPECT_FALSE(window->inTray);
    EXPECT_TRUE(window->isVisible());

    gOption->passwordOn = 1;
    gOption->password = "Open Sesame";
    QStringList entries = {"open sesame", " Open Sesame", "Open Sesame"};
    int asked = 0;
    Option::SetPasswordPrompt([&](QObject*, const QString& password) {
        bool result = false;
        TForm_password dialog(nullptr, &result, password);
        dialog.Edit1->setText(entries[asked++]);
        dialog.BitBtn2Click();
        return result;
    });
    const QString exitText = LanguageText(5);  // the settings are gone after the exit
    window->ImageBT6MouseDown();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(window->realExit);
    EXPECT_TRUE(gOption != nullptr);
    EXPECT_TRUE(window->host.housekeeping.TimersActive());
    // The frame's close button now asks again instead of hiding.
    window->close();
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(gOption != nullptr);
    window->close();
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(gOption, nullptr);  // settings saved and destroyed
    EXPECT_TRUE(TodaysLog().last().contains("|" + exitText + "|-1||"));
    startup.Load(ini);  // for TearDown
}

// The window hides in the notification area only while there is one, says once that recording
// goes on, and comes back minimised when the tray goes away under it.
TEST_F(MainWindowTest, ClosingHidesOnlyIntoATrayThatIsThere) {
    bool trayThere = false;
    TrayKeeper::SetTrayProbeForTesting([&] { return trayThere; });
    window = new TForm1(startup.Take());
    window->show();
    window->close();
    EXPECT_TRUE(window->isVisible()) << "no tray: the window must stay reachable";
    EXPECT_TRUE(window->isMinimized());
    EXPECT_EQ(window->tray->notesShown, 0);
    window->RestoreFromTray();

    trayThere = true;
    for (int i = 0; i < 2; ++i) {
        window->close();
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->tray->notesShown, 1) << "the note comes with the first hide only";
        if (i == 0) window->RestoreFromTray();
    }
    trayThere = false;
    EXPECT_TRUE(test::WaitFor([&] { return window->isVisible(); }));
    EXPECT_TRUE(window->isMinimized());
    TrayKeeper::SetTrayProbeForTesting(nullptr);
}

TEST_F(MainWindowTest, SecondaryWindowsStopTheTimersOnlyDuringTheCheck) {
    window = new TForm1(startup.Take());
    gOption->passwordOn = 1;
    bool timersDuringPrompt = true;
    Option::SetPasswordPrompt([&](QObject*, const QString&) {
        timersDuringPrompt = window->host.housekeeping.TimersActive();
        return false;
    });
    window->ImageBT3MouseDown();
    EXPECT_FALSE(timersDuringPrompt);
    EXPECT_TRUE(window->host.housekeeping.TimersActive());
}

TEST_F(MainWindowTest, GridRebuildUsesTheRequestedSizeAndRestartsTheTimers) {
    window = new TForm1(startup.Take());
    gOption->requestedRows = 1;
    gOption->requestedCols = 3;
    // The settings window closes as soon as it opens.
    TForm_settings::SetModalRunnerForTesting(
        [](TForm_settings&) { return int(QDialog::Accepted); });
    window->ImageBT4MouseDown();
    TForm_settings::SetModalRunnerForTesting(nullptr);
    ASSERT_NE(gOption, nullptr);
    EXPECT_EQ(gOption->gridCols, 3);
    EXPECT_EQ(window->cellPanels.size(), 3u);
    EXPECT_EQ(window->windowTitle(), LanguageText(100) + "(v1.6)");
    EXPECT_TRUE(window->host.housekeeping.TimersActive());
    EXPECT_EQ(window->cameraPanels[0]->FrameColour(), kRed);
}

TEST_F(MainWindowTest, MinimiseToTrayAfterStartWhenSet) {
    gOption->minimizeToTray = true;
    window = new TForm1(startup.Take());
    window->show();
    window->Timer1Timer();
    EXPECT_TRUE(window->inTray);
    EXPECT_FALSE(window->Timer1.isActive());
    window->RestoreFromTray();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, SignalDuringThePasswordPromptStillEndsTheProgram) {
    window = new TForm1(startup.Take());
    gOption->passwordOn = 1;
    gOption->password = "pw";
    int prompts = 0;
    Option::SetPasswordPrompt([&](QObject*, const QString&) {
        ++prompts;
        window->TerminateBySignal();  // SIGTERM arrives while the prompt waits
        return false;
    });
    window->ImageBT6MouseDown();
    EXPECT_EQ(prompts, 1);
    EXPECT_EQ(gOption, nullptr);  // logged, saved and gone despite the refused entry
    EXPECT_TRUE(TodaysLog().last().endsWith("|-1||"));
    startup.Load(ini);
}

TEST_F(MainWindowTest, SignalWhileTheSettingsWindowIsOpenClosesItFirstThenEndsTheProgram) {
    startup.Drop();
    startup.LoadWithDevices(ini, {"test:black:64x48@5"});
    window = new TForm1(startup.Take());
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    ASSERT_NE(window->host.camera(0), nullptr);
    bool settingsClosedFirst = false;
    TForm_settings::SetModalRunnerForTesting([&](TForm_settings& settings) {
        settings.open();              // modal and shown, as while its own event loop runs
        window->TerminateBySignal();  // SIGTERM arrives meanwhile
        settingsClosedFirst =
            !settings.isVisible() && gOption != nullptr && window->host.camera(0) != nullptr;
        return settings.result();
    });
    window->ImageBT4MouseDown();
    TForm_settings::SetModalRunnerForTesting(nullptr);
    EXPECT_TRUE(settingsClosedFirst) << "the program ended under the open settings window";
    EXPECT_TRUE(QTest::qWaitFor([] { return gOption == nullptr; }, 3000))
        << "the program did not end after the settings window closed";
    EXPECT_TRUE(TodaysLog().join("\n").contains("|Program closed|-1||"));
    startup.Load(ini);
}

TEST_F(MainWindowTest, SnapshotPopUpShowsThePictureAndClosesItself) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/shot.jpg";
    QImage(320, 240, QImage::Format_RGB32).save(path, "JPEG");
    QPointer<TForm2> pop = new TForm2(nullptr, path);
    EXPECT_TRUE(pop->pictureLoaded());
    EXPECT_EQ(pop->frameGeometry().size(), QSize(320, 240));  // the frame included
    EXPECT_EQ(pop->windowTitle(), path);
    for (int i = 0; i < 3; ++i) pop->Timer_autocloaseTimer();
    EXPECT_TRUE(pop->isVisible());
    pop->Timer_autocloaseTimer();  // the fourth tick
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(pop.isNull());

    // A picture that cannot be read still closes by itself.
    QPointer<TForm2> broken = new TForm2(nullptr, dir.path() + "/missing.jpg");
    EXPECT_FALSE(broken->pictureLoaded());
    EXPECT_TRUE(broken->Timer_autocloase.isActive());
    for (int i = 0; i < 4; ++i) broken->Timer_autocloaseTimer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(broken.isNull());
}

TEST_F(MainWindowTest, ManualSnapshotMessageOpensThePopUpOthersDoNot) {
    QWidget container;
    TFrameCameraPanel panel(&container, 0, nullptr, nullptr);
    UsbCamera cam(nullptr, &panel, panel.VideoPanel, "test:black:64x48@5", 0);
    panel.AttachCamera(&cam);
    QTemporaryDir dir;
    test::FrameCallback(cam).snapshots.snapshotPath = dir.path() + "/none.jpg";
    auto popUps = [] {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) n += qobject_cast<TForm2*>(w) != nullptr;
        return n;
    };
    const int before = popUps();
    PostMessage(&panel, SnapshotTakenMessage{false});
    QCoreApplication::sendPostedEvents(&panel);
    EXPECT_EQ(popUps(), before);
    PostMessage(&panel, SnapshotTakenMessage{true});
    QCoreApplication::sendPostedEvents(&panel);
    EXPECT_EQ(popUps(), before + 1);
    // The next manual snapshot shows in the same pop-up, for its own four seconds.
    const QString newest = dir.path() + "/newest.jpg";
    QImage(200, 100, QImage::Format_RGB32).save(newest, "JPEG");
    test::FrameCallback(cam).snapshots.snapshotPath = newest;
    PostMessage(&panel, SnapshotTakenMessage{true});
    QCoreApplication::sendPostedEvents(&panel);
    EXPECT_EQ(popUps(), before + 1);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* pop = qobject_cast<TForm2*>(w)) {
            EXPECT_EQ(pop->windowTitle(), newest);
            EXPECT_TRUE(pop->pictureLoaded());
        }
    // A request message asks the camera for a snapshot of its kind.
    PostMessage(&panel, SnapshotRequestMessage{0, kSnapshotTimed});
    QCoreApplication::sendPostedEvents(&panel);
    EXPECT_EQ(test::FrameCallback(cam).snapshots.TakeRequest(), std::optional<int>(kSnapshotTimed));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TForm2*>(w)) delete w;
}

TEST_F(MainWindowTest, DiskLabelsForCellsWithACameraAndTheLowSpaceWarning) {
    startup.Drop();
    startup.LoadWithDevices(ini, {"test:black:64x48@5"});
    SetFreeSpaceQuery([](const QString&, qint64* bytes) {
        *bytes = qint64(1024) * 1024 * 1024;
        return true;
    });
    window = new TForm1(startup.Take());
    ASSERT_NE(window->host.camera(0), nullptr);
    EXPECT_EQ(window->host.camera(1), nullptr);
    window->RefreshDiskLabels();
    EXPECT_TRUE(window->Label_disksize1->isVisibleTo(window));
    EXPECT_EQ(window->Label_disksize1->text(), LanguageText(text::kFreeSpace) + " 1G");
    EXPECT_FALSE(window->Label_disksize2->isVisibleTo(window));
    EXPECT_FALSE(window->Label_disksize4->isVisibleTo(window));
    gOption->diskSpaceLimitMB = 2000;
    window->host.PeriodicCleanup();
    EXPECT_TRUE(window->Label_warning->isVisibleTo(window));
    gOption->diskSpaceLimitMB = 500;
    window->host.PeriodicCleanup();
    EXPECT_FALSE(window->Label_warning->isVisibleTo(window));
    // A failed query keeps the label's text.
    SetFreeSpaceQuery([](const QString&, qint64*) { return false; });
    window->RefreshDiskLabels();
    EXPECT_EQ(window->Label_disksize1->text(), LanguageText(text::kFreeSpace) + " 1G");
    SetFreeSpaceQuery(nullptr);
}

TEST_F(MainWindowTest, ThePasswordPromptOffersOnlyItsCloseButton) {
    bool result = false;
    TForm_password dialog(nullptr, &result, "x");
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindowTest, AShrunkPictureKeepsItsThinLines) {
    TVideoPanel panel(nullptr);
    panel.resize(320, 240);
    auto frame = std::make_shared<VideoFrame>();
    frame->Resize(640, 480);
    // One white row, where a nearest-pixel halving drops it.
    std::fill(frame->Row(101), frame->Row(101) + 640 * 3, 255);
    panel.PresentFrame(frame);
    const QImage shown = panel.grab().toImage();
    int brightest = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            brightest = std::max(brightest, qGray(shown.pixel(x, y)));
    EXPECT_GT(brightest, 60);
}

TEST_F(MainWindowTest, TheBroadcastButtonTogglesTheSelectedCamerasBroadcastAndItsPicture) {
    startup.Drop();
    CDataClass record;
    record.cameraId = 0;
    StoreLive(record.broadcastPort, 0);  // a free port
    StoreLive(record.autoRecord, 0);
    record.Save();
    startup.LoadWithDevices(ini, {"test:black:64x48@10"});
    window = new TForm1(startup.Take());
    UsbCamera* cam = window->host.camera(0);
    ASSERT_NE(cam, nullptr);
    ASSERT_TRUE(test::WaitFor([&] { return cam->view().FrameSize().width() > 0; }));
    window->ImageBT2MouseDown();
    EXPECT_TRUE(cam->broadcast().IsBroadcasting());
    EXPECT_EQ(window->ImageBT2->picture(), "btBitmap_23");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(window->ImageBT2, &leave);
    EXPECT_EQ(window->ImageBT2->picture(), "btBitmap_23");  // kept while it broadcasts

    window->ImageBT2MouseDown();
    EXPECT_FALSE(cam->broadcast().IsBroadcasting());
    EXPECT_TRUE(cam->HasGraph());
    EXPECT_EQ(window->ImageBT2->picture(), "btBitmap_21");
    const QStringList log = TodaysLog();
    EXPECT_EQ(log.filter(LanguageText(21)).size(), 1);
    EXPECT_EQ(log.filter(LanguageText(22)).size(), 1);
    delete window;
    window = nullptr;
    QFile::remove(CameraSettingsPath(0));
}

TEST_F(MainWindowTest, EveryControlBarButtonSaysWhatItDoesInTheUsersLanguage) {
    const int language = gOption->languageIndex;
    startup.Drop();
    QSettings s(ini, QSettings::IniFormat);
    s.setValue("Settings/Lang", "7");  // German
    s.sync();
    startup.Load(ini);
    window = new TForm1(startup.Take());
    QStringList tips;
    for (QLabel* b : {window->ImageBT1, window->ImageBT2, window->ImageBT3, window->ImageBT7,
                      window->ImageBT4, window->ImageBT5, window->ImageBT6}) {
        EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
        tips << b->toolTip();
    }
    EXPECT_EQ(tips.removeDuplicates(), 0) << tips.join(" / ").toStdString();
    EXPECT_EQ(window->ImageBT6->toolTip(), "Programm beenden");
    gOption->languageIndex = language;  // saved as it was for the next test
}

TEST(PictureCells, PicturesKeepTheirProportionsBehindBlackBars) {
    // A wide white picture: 16:9.
    auto frame = std::make_shared<VideoFrame>();
    frame->Resize(320, 180);
    std::fill(frame->data.begin(), frame->data.end(), uint8_t(0xFF));
    const auto at = [](QWidget* w, int x, int y) { return w->grab().toImage().pixelColor(x, y); };

    // A grid cell lower than the picture: bars left and right.
    QWidget grid;
    grid.resize(400, 100);
    TVideoPanel cell(&grid);
    cell.setGeometry(0, 0, 400, 100);
    grid.show();
    cell.PresentFrame(frame);
    EXPECT_EQ(at(&cell, 5, 50), QColor(Qt::black));
    EXPECT_EQ(at(&cell, 200, 50), QColor(Qt::white));

    // Full screen, squarer than the picture: bars above and below.
    cell.SetFullScreen(true);
    ASSERT_TRUE(test::WaitFor([&] { return cell.height() * 16 > cell.width() * 9; }, 3000))
        << cell.width() << "x" << cell.height();
    EXPECT_EQ(at(&cell, cell.width() / 2, 2), QColor(Qt::black));
    EXPECT_EQ(at(&cell, cell.width() / 2, cell.height() / 2), QColor(Qt::white));
    cell.SetFullScreen(false);

    // A settings page's 4:3 preview: bars above and below, and a press on the picture's corner
    // is the corner for the page.
    TPreviewPanel preview("Panel2", nullptr);
    preview.show();
    preview.PresentFrame(frame);
    EXPECT_EQ(at(&preview, 160, 5), QColor(Qt::black));
    EXPECT_EQ(at(&preview, 160, 120), QColor(Qt::white));
    QPoint pressed(-1, -1);
    QObject::connect(&preview, &TPreviewPanel::mouseDown, [&](QPoint p) { pressed = p; });
    QTest::mousePress(&preview, Qt::LeftButton, {}, QPoint(0, 30));
    EXPECT_EQ(pressed, QPoint(0, 0));
    QTest::mousePress(&preview, Qt::LeftButton, {}, QPoint(160, 120));
    EXPECT_EQ(pressed, QPoint(160, 120));
}
