// Faults once found in the capture path: stale frames, mixed-up snapshot kinds, copies made
// for nobody, a pop-up of the wrong picture, refused first frames and uploads outliving cells.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <gst/gst.h>
#include <gtest/gtest.h>

#include "capture/Usbcamera.h"
#include "common/Messages.h"
#include "common/Process.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "history/LogReceiver.h"
#include "history/MediaRemux.h"
#include "host/CameraCell.h"
#include "host/CameraHost.h"
#include "support/CameraInternals.h"
#include "support/CameraFixture.h"
#include "support/TestFiles.h"
#include "support/Wait.h"
#include "upload/Unit_recordclass_ftp.h"
#include "upload/Unit_workthreadFTP.h"
#include "upload/UploadQueue.h"

using namespace trelvix;
using trelvix::test::WaitFor;

namespace {

class CameraFaultsTest : public trelvix::test::CameraFixture {
protected:
    void TearDown() override {
        Clear();
        SetProgramRunner(nullptr);
    }
    UsbCamera* Start(const QString& id, int cell) { return StartWith(id, cell); }
    // A stopped camera whose frame path is driven by hand.
    CSampleGrabberCB& StillCamera(int cell) {
        UsbCamera* cam = Start("test:black:64x48@30", cell);
        cam->StopCamera();
        test::FrameCallback(cam).SetUpFormat(64, 48, kPixelRGB24);
        frame.Resize(64, 48);
        return test::FrameCallback(cam);
    }
    VideoFrame frame;
};

}  // namespace

TEST_F(CameraFaultsTest, ARecordingNeverStartsWithTheFrameOfAnEarlierRun) {
    UsbCamera* cam = Start("test:ball:160x120@30", 0);
    cam->recording().StartRecording();
    ASSERT_TRUE(WaitFor([&] { return test::FrameCallback(cam).HasLatestRawFrame(); }));
    // Once nobody records, frames are no longer copied for the recording thread.
    cam->recording().StopRecording();
    EXPECT_FALSE(test::FrameCallback(cam).rawFrameWanted());
    EXPECT_FALSE(test::FrameCallback(cam).HasLatestRawFrame());

    cam->recording().StartRecording();
    ASSERT_TRUE(WaitFor([&] { return test::FrameCallback(cam).HasLatestRawFrame(); }));
    cam->StopCamera();
    EXPECT_FALSE(test::FrameCallback(cam).HasLatestRawFrame());
}

TEST_F(CameraFaultsTest, ARequestArrivingDuringAMotionSnapshotKeepsItsKind) {
    CSampleGrabberCB& cb = StillCamera(1);
    StoreLive(cb.settings->motionRunProgram, 1);
    cb.settings->motionProgramPath = QCoreApplication::applicationFilePath();
    // The timed request comes while the motion snapshot runs its program.
    SetProgramRunner([&](const QString&, const QStringList&) {
        cb.RequestSnapshot(kSnapshotTimed);
        return true;
    });
    cb.TakeSnapshot(frame.data.data(), frame.data.size(), kSnapshotMotion);
    cb.ProcessLiveFrame(frame.data.data(), frame.data.size());
    const QStringList lines = Log();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(SplitLogLine(lines[lines.size() - 2])[1], LanguageText(6));  // motion
    EXPECT_EQ(SplitLogLine(lines.last())[1], LanguageText(3));             // timed upload
    EXPECT_EQ(SplitLogLine(lines.last())[5], LanguageText(18));
    EXPECT_EQ(cb.uploadList.Count(), 1);  // the timed picture waits for upload
}

TEST_F(CameraFaultsTest, AManualSnapshotThatFailsShowsNoOlderPicture) {
    CSampleGrabberCB& cb = StillCamera(2);
    cb.TakeSnapshot(frame.data.data(), frame.data.size(), kSnapshotManual);
    const QString first = cb.snapshots.snapshotPath;
    ASSERT_TRUE(QFile::exists(first));
    // Timed pictures do not take the pop-up's place either.
    cb.TakeSnapshot(frame.data.data(), frame.data.size(), kSnapshotTimed);
    EXPECT_EQ(cb.snapshots.snapshotPath.get(), first);

    cb.settings->imageFolder = test::WriteFile(dir.path() + "/blocked");
    cb.TakeSnapshot(frame.data.data(), frame.data.size(), kSnapshotManual);
    EXPECT_EQ(cb.snapshots.snapshotPath.get(), QString());
}

TEST_F(CameraFaultsTest, TheFirstFramesOfEveryRecordingAreWritten) {
    UsbCamera* cam = Start("test:ball:160x120@30", 3);
    VideoFrame raw;
    for (int run = 0; run < 20; ++run) {
        cam->recording().StartRecording();
        xvidCaptureControlthread* thread = cam->recording().recorder().thread();
        ASSERT_TRUE(thread);
        ASSERT_TRUE(WaitFor([&] { return thread->framesWritten() > 0; })) << run;
        EXPECT_EQ(thread->framesRefused(), 0u) << run;
        cam->recording().StopRecording();
    }
}

TEST_F(CameraFaultsTest, StoppedCamerasEndTheirUploadsBeforeTheirCellsAreReleased) {
    struct CountingCell : HeadlessPanel {
        using HeadlessPanel::HeadlessPanel;
        bool event(QEvent* e) override {
            requests += MessageOf<SnapshotRequestMessage>(e) != nullptr;
            return HeadlessPanel::event(e);
        }
        int requests = 0;
    } cell(0);
    CDataClass rec;
    StoreLive(rec.ftpEnabled, 1);
    rec.ftpHost = "127.0.0.1";
    StoreLive(rec.ftpIntervalSeconds, 1);
    rec.Save();
    option->deviceIds = {"mms://camera.invalid/live"};  // never runs: stopped from the start
    option->deviceCount = 1;
    CameraHost host(HandOver());
    host.CreateCameras({&cell});
    UsbCamera* cam = host.camera(0);
    ASSERT_TRUE(cam->IsStopped());
    ASSERT_TRUE(cam->upload().uploadRecord());
    host.StopAllCameras();  // leaves stopped cameras alone
    ASSERT_TRUE(WaitFor([&] { return cell.requests > 0; }));
    host.DestroyCameras();
    const int before = cell.requests;
    // An upload of the same interval started now: its third request comes two intervals later.
    UploadQueue queue;
    RecordClass_FTP same(queue, &cell, rec);
    same.StartTimedSnapshots();
    ASSERT_TRUE(WaitFor([&] { return same.timedThread->requestsPosted() >= 3; }));
    EXPECT_EQ(cell.requests, before);
    EXPECT_EQ(cell.camera, nullptr);
}

namespace {

// Holds back every buffer a camera's source sends while it lives, as a stalled device does.
class SourceStall {
public:
    explicit SourceStall(UsbCamera* cam) {
        GstIterator* it = gst_bin_iterate_sources(GST_BIN(test::Pipeline(cam)));
        GValue item = G_VALUE_INIT;
        if (gst_iterator_next(it, &item) == GST_ITERATOR_OK) {
            pad_ = gst_element_get_static_pad(GST_ELEMENT(g_value_get_object(&item)), "src");
            probe_ = gst_pad_add_probe(pad_, GST_PAD_PROBE_TYPE_BLOCK_DOWNSTREAM, nullptr, nullptr,
                                       nullptr);
            g_value_unset(&item);
        }
        gst_iterator_free(it);
    }
    ~SourceStall() {
        if (!pad_) return;
        gst_pad_remove_probe(pad_, probe_);
        gst_object_unref(pad_);
    }
    bool active() const { return pad_ != nullptr; }

private:
    GstPad* pad_ = nullptr;
    gulong probe_ = 0;
};

}  // namespace

TEST_F(CameraFaultsTest, AStalledSourceHoldsUpNoOtherCameraAndItsRecordingGoesOnAfterwards) {
    UsbCamera* stalled = Start("test:ball:160x120@30", 0);
    UsbCamera* other = Start("test:smpte:160x120@30", 1);
    stalled->recording().StartRecording();
    ASSERT_TRUE(
        WaitFor([&] { return stalled->recording().recorder().thread()->framesWritten() > 10; }));
    {
        SourceStall stall(stalled);
        ASSERT_TRUE(stall.active());
        // Frames on their way still arrive while the other camera delivers a few.
        const uint64_t otherAtStall = other->view().framesDelivered();
        ASSERT_TRUE(WaitFor([&] { return other->view().framesDelivered() > otherAtStall + 3; }));
        const uint64_t stalledBefore = stalled->view().framesDelivered();
        const uint64_t otherBefore = other->view().framesDelivered();
        EXPECT_TRUE(WaitFor([&] { return other->view().framesDelivered() > otherBefore + 20; }))
            << "held up by the stall";
        EXPECT_EQ(stalled->view().framesDelivered(), stalledBefore);
    }
    const uint64_t resumed = stalled->view().framesDelivered();
    ASSERT_TRUE(WaitFor([&] { return stalled->view().framesDelivered() > resumed + 15; }))
        << "the camera did not come back after the stall";
    stalled->recording().StopRecording();
    int segments = 0;
    QDirIterator it(dir.path(), {"*.mp4"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        ++segments;
        EXPECT_GT(ProbeDurationMs(it.next()), 1000) << "recording not readable";
    }
    EXPECT_EQ(segments, 1);
}
