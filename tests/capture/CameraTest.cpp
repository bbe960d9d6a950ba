#include <QCoreApplication>
#include <gtest/gtest.h>

#include "support/CameraInternals.h"
#include "support/CameraFixture.h"
#include "support/Wait.h"

#include "host/CameraCell.h"
#include "host/Housekeeping.h"
#include "capture/Devices.h"
#include "capture/Usbcamera.h"
#include "config/Folders.h"
#include "common/Messages.h"
#include "config/Option.h"
#include "history/LogReceiver.h"

using namespace trelvix;
using trelvix::test::WaitFor;

namespace {

class CameraTest : public trelvix::test::CameraFixture {
protected:
    void TearDown() override { SetDeviceListerForTesting(nullptr); }
};

}  // namespace

TEST_F(CameraTest, SyntheticSourceDeliversFramesOfItsSizeWithTheCaption) {
    UsbCamera* cam = Start("test:smpte:320x240@30", 0);
    EXPECT_TRUE(cam->HasGraph());
    EXPECT_EQ(cam->state(), CameraState::Previewing);
    EXPECT_FALSE(cam->IsStopped());
    EXPECT_EQ(cam->settings->caption.get(), "0#");
    EXPECT_TRUE(cam->settings->deviceFriendlyName.get().contains("smpte"));
    ASSERT_TRUE(WaitFor([&] { return panels[0]->framesShown() >= 5; }));
    FramePtr f = panels[0]->LatestFrame();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->width, 320);
    EXPECT_EQ(f->height, 240);
    EXPECT_EQ(f->stride, 960);
    EXPECT_EQ(cam->view().FrameSize().width(), 320);
    EXPECT_EQ(test::FrameCallback(cam).pixelFormatCode, kPixelRGB24);
    // The caption "0#" is stamped in red at the top left.
    int red = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 30; ++x) {
            const uint8_t* p = f->Row(y) + 3 * x;
            red += p[0] == 0 && p[1] == 0 && p[2] == 255;
        }
    EXPECT_GT(red, 5);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CameraTest, ALostDeviceStopsOnlyItsCamera) {
    UsbCamera* lost = Start("test:black:160x120@30", 0);
    UsbCamera* other = Start("test:smpte:160x120@30", 1);
    ASSERT_TRUE(
        WaitFor([&] { return panels[0]->framesShown() > 2 && panels[1]->framesShown() > 2; }));
    lost->network().SimulateDeviceLost();
    ASSERT_TRUE(WaitFor([&] { return !lost->HasGraph(); }));
    EXPECT_EQ(lost->state(), CameraState::Idle);
    EXPECT_FALSE(lost->IsStopped());  // idle until the operator restarts it
    EXPECT_FALSE(panels[0]->LatestFrame());
    const auto before = panels[1]->framesShown();
    ASSERT_TRUE(WaitFor([&] { return panels[1]->framesShown() > before + 3; }));
    EXPECT_TRUE(other->HasGraph());
    // The operator's start brings it back.
    lost->RestartCamera();
    EXPECT_TRUE(lost->HasGraph());
    ASSERT_TRUE(WaitFor([&] { return panels[0]->LatestFrame() != nullptr; }));
}

TEST_F(CameraTest, StopAndRestartSendTheirRecords) {
    UsbCamera* cam = Start("test:black:160x120@10", 2);
    cam->StopCamera();
    EXPECT_TRUE(cam->IsStopped());
    EXPECT_FALSE(cam->HasGraph());
    cam->StopCamera();  // again: one more record, still stopped
    EXPECT_TRUE(cam->IsStopped());
    cam->RestartCamera();
    EXPECT_FALSE(cam->IsStopped());
    EXPECT_TRUE(cam->HasGraph());
    const QStringList lines = Log();
    ASSERT_EQ(lines.size(), 3);
    const QString t15 = option->LanguageText(15), t16 = option->LanguageText(16);
    EXPECT_TRUE(lines[0].startsWith("3|" + t15 + "|")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith("|2#|" + t15 + "|2||"));
    EXPECT_TRUE(lines[1].endsWith("|2#|" + t15 + "|2||"));
    EXPECT_TRUE(lines[2].endsWith("|2#|" + t16 + "|2||"));
}

TEST_F(CameraTest, NetworkStreamsMissingAndExcludedDevicesNeverRun) {
    // "http://" addresses are network cameras (NetCameraTest); the bare prefix stays stopped.
    for (const char* id : {"MMS://cam/live", "Http:cam/x", "http:x"}) {
        UsbCamera* cam = Start(QString::fromLatin1(id), 0);
        EXPECT_TRUE(cam->IsStopped()) << id;
        EXPECT_FALSE(cam->HasGraph());
    }
    SetDeviceListerForTesting([](QStringList* ids, QStringList* names) {
        *ids = {"/dev/video40", "/dev/video41"};
        *names = {"Desk cam", kExcludedFriendlyName};
    });
    UsbCamera* missing = Start("/dev/video99", 1);
    EXPECT_FALSE(missing->IsStopped());
    EXPECT_FALSE(missing->HasGraph());
    EXPECT_EQ(missing->state(), CameraState::Idle);
    UsbCamera* excluded = Start("/dev/video41", 2);
    EXPECT_FALSE(excluded->HasGraph());
    EXPECT_EQ(excluded->settings->deviceFriendlyName.get(), kExcludedFriendlyName);
    EXPECT_TRUE(messages.isEmpty());  // silently
    // A listed device whose node cannot be opened fails to run, with the message.
    UsbCamera* broken = Start("/dev/video40", 3);
    EXPECT_FALSE(broken->HasGraph());
    EXPECT_EQ(messages, QStringList{"Could not run graph"});
}

TEST_F(CameraTest, PreviewTargetRawFrameAndFullScreen) {
    UsbCamera* cam = Start("test:black:160x120@30", 0);
    test::FrameCallback(cam).SetRawFrameWanted(true);
    struct Preview : VideoSurface {
        void PresentFrame(FramePtr) override { ++count; }
        void ClearFrame() override {}
        void SetFullScreen(bool) override {}
        bool IsFullScreen() const override { return false; }
        void FitVideo() override {}
        std::atomic<int> count{0};
    } preview;
    cam->view().SetPreviewTarget(&preview, nullptr);
    ASSERT_TRUE(WaitFor([&] { return preview.count >= 3; }));
    cam->view().ClearPreviewTarget();
    const int seen = preview.count;
    const auto shown = panels[0]->framesShown();
    ASSERT_TRUE(WaitFor([&] { return panels[0]->framesShown() > shown + 3; }));
    EXPECT_EQ(preview.count, seen);

    // What the recording thread is handed is the frame as delivered: black, without the caption.
    RecordFrame raw;
    ASSERT_EQ(test::FrameCallback(cam).TakeLatestRawFrame(&raw), CSampleGrabberCB::RawFrame::kNew);
    EXPECT_EQ(raw.bgr.width, 160);
    EXPECT_EQ(raw.bgr.data, std::vector<uint8_t>(raw.bgr.data.size(), 0));
    EXPECT_NE(panels[0]->LatestFrame()->data, raw.bgr.data);

    cam->view().ToggleFullScreen();
    EXPECT_TRUE(cam->view().IsFullScreen());
    EXPECT_TRUE(panels[0]->IsFullScreen());
    cam->view().ToggleFullScreen();
    EXPECT_FALSE(panels[0]->IsFullScreen());
    cam->StopCamera();
    cam->view().ToggleFullScreen();  // no graph: nothing
    EXPECT_FALSE(panels[0]->IsFullScreen());
}

TEST_F(CameraTest, DeviceListWithSyntheticSourcesFillsTheGridInOrder) {
    SetDeviceListerForTesting(nullptr);
    SetSyntheticSourcesListed(true, 4);
    QStringList ids, names;
    EnumerateVideoDevices(&ids, &names);
    SetSyntheticSourcesListed(false);
    ASSERT_GE(ids.size(), 4);
    EXPECT_EQ(ids.mid(ids.size() - 4),
              (QStringList{"test:ball", "test:smpte", "test:zone", "test:pinwheel"}));
    EXPECT_EQ(ids.size(), names.size());

    SyntheticSource s;
    EXPECT_TRUE(ParseSyntheticId("test:ball:1280x720@10", &s));
    EXPECT_EQ(s.width, 1280);
    EXPECT_EQ(s.fps, 10);
    EXPECT_FALSE(ParseSyntheticId("test:ball:2x2", &s));
    EXPECT_FALSE(ParseSyntheticId("test:unknown", &s));
    EXPECT_FALSE(ParseSyntheticId("/dev/video0", &s));
    EXPECT_TRUE(IsNetworkStreamId("mMs:x"));
    EXPECT_FALSE(IsNetworkStreamId("https://x"));
}

TEST_F(CameraTest, PanelMessagesReachTheCameraOnlyWhenThereIsOne) {
    HeadlessPanel empty(0);
    PostMessage(&empty, GraphEventMessage{});
    PostMessage(&empty, SnapshotRequestMessage{0, kSnapshotManual});
    QCoreApplication::sendPostedEvents(&empty);  // ignored, no crash
    UsbCamera* cam = Start("test:black:160x120@30", 1);
    ASSERT_TRUE(WaitFor([&] { return panels[0]->framesShown() > 0; }));
    cam->network().SimulateDeviceLost();  // the bus posts the graph-event message to the panel
    ASSERT_TRUE(WaitFor([&] { return !cam->HasGraph(); }));
}
