#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "host/CameraCell.h"
#include "host/Storage.h"
#include "capture/Usbcamera.h"
#include "common/Clock.h"
#include "common/FreeSpace.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "support/CameraFixture.h"
#include "support/TestFiles.h"
#include "history/EventLog.h"

using namespace trelvix;

namespace {

// A disk whose free space grows by what is deleted from it.
class CleanupTest : public ::testing::Test, protected trelvix::test::OwnSettings {
protected:
    void SetUp() override {
        SetClockForTesting([this] { return now; });
        root = dir.path() + "/rec";
        QDir().mkpath(root);
        CDataClass rec;
        rec.cameraId = 4;
        rec.videoFolder = root;
        rec.Save();
        cameras.push_back(std::make_unique<UsbCamera>(nullptr, nullptr, &panel, "/dev/none", 4));
        SetFreeSpaceQuery([this](const QString&, qint64* bytes) {
            qint64 used = 0;
            for (const QString& f : files)
                if (QFile::exists(f)) used += QFileInfo(f).size();
            *bytes = (capacityMB * 1024 * 1024) - used;
            return true;
        });
    }
    void TearDown() override {
        SetFreeSpaceQuery(nullptr);
        SetClockForTesting(nullptr);
        cameras.clear();
    }
    QString Day(const QString& name) { return root + "/04/" + name; }
    void Make(const QString& folder, const QString& file, int mb) {
        files << test::WriteFile(Day(folder) + "/" + file);
        QFile::resize(files.last(), qint64(mb) * 1024 * 1024);
    }
    bool Has(const QString& folder, const QString& file = QString()) {
        return file.isEmpty() ? QDir(Day(folder)).exists()
                              : QFile::exists(Day(folder) + "/" + file);
    }

    QDateTime now{QDate(2024, 5, 10), QTime(12, 0)};
    HeadlessPanel panel{0};
    CameraList cameras;
    Storage storage{cameras};
    QString root;
    QStringList files;
    qint64 capacityMB = 100;
};

}  // namespace

TEST_F(CleanupTest, RetentionDeletesOnlyDayFoldersBeforeTheCutoff) {
    Make("20240501Video", "a.mp4", 1);
    Make("20240502Image", "b.jpg", 1);
    Make("20240503Video", "c.mp4", 1);
    Make("backup", "keep.mp4", 1);
    Make("2014abcd", "keep.mp4", 1);
    Make("20240401 mine", "keep.mp4", 1);
    QDir().mkpath(Day("20240502Video/sub"));
    option->historyDays = 7;
    storage.DailyRetention();
    EXPECT_FALSE(Has("20240501Video"));
    EXPECT_FALSE(Has("20240502Image"));
    EXPECT_TRUE(Has("20240502Video"));  // holds a sub-folder: its files go, the folder stays
    EXPECT_TRUE(Has("20240503Video", "c.mp4"));
    EXPECT_TRUE(Has("backup", "keep.mp4"));
    EXPECT_TRUE(Has("2014abcd", "keep.mp4"));
    EXPECT_TRUE(Has("20240401 mine", "keep.mp4"));
    EXPECT_EQ(option->lastCleanupDate.date(), QDate(2024, 5, 10));

    EXPECT_FALSE(storage.DeleteFolderFiles(""));
    EXPECT_FALSE(storage.DeleteFolderFiles("0"));
}

TEST_F(CleanupTest, CleanupTakesPastDaysFirstThenTodaysFilesOnlyAsFarAsNeeded) {
    Make("20240508Video", "a.mp4", 10);
    Make("20240509Video", "b.mp4", 10);
    Make("20240509Video", "c.mp4", 10);
    Make("20240510Video", "d.mp4", 10);
    Make("20240510Video", "e.mp4", 10);
    Make("backup", "f.mp4", 10);
    const QString log = test::WriteFile(LogFileName(option->LogPath, QDate(2024, 5, 8)));
    // 60 MB used of 100: 40 free; a limit of 55 needs 15 more: the oldest day (10) is not
    // enough, the next (20) is.
    option->diskSpaceLimitMB = 55;
    EXPECT_FALSE(storage.DiskCleanup());
    EXPECT_FALSE(Has("20240508Video"));
    EXPECT_FALSE(QFile::exists(log));  // the log of a deleted day goes too
    EXPECT_FALSE(Has("20240509Video"));
    EXPECT_TRUE(Has("20240510Video", "d.mp4"));
    EXPECT_TRUE(Has("20240510Video", "e.mp4"));

    // A limit above what the disk can give: today's files go one by one, then it reports.
    option->diskSpaceLimitMB = 95;
    EXPECT_TRUE(storage.DiskCleanup());
    EXPECT_FALSE(Has("20240510Video", "d.mp4"));
    EXPECT_FALSE(Has("20240510Video", "e.mp4"));
    EXPECT_TRUE(Has("backup", "f.mp4"));
}

TEST_F(CleanupTest, TodaysFilesStopAsSoonAsTheLimitIsMet) {
    Make("20240510Video", "1.mp4", 10);
    Make("20240510Video", "2.mp4", 10);
    Make("20240510Video", "3.mp4", 10);
    Make("20240511Video", "4.mp4", 10);
    option->diskSpaceLimitMB = 65;  // 60 free: one file of 10 is enough
    EXPECT_FALSE(storage.DiskCleanup());
    int left = 0;
    for (const char* f : {"1.mp4", "2.mp4", "3.mp4"}) left += Has("20240510Video", f);
    EXPECT_EQ(left, 2);
    EXPECT_TRUE(Has("20240511Video", "4.mp4"));  // later folders keep every file
    // Nothing needed, nothing deleted.
    option->diskSpaceLimitMB = 10;
    EXPECT_FALSE(storage.DiskCleanup());
    EXPECT_EQ(QDir(Day("20240510Video")).entryList(QDir::Files).size(), 2);
}

TEST_F(CleanupTest, TheFileBeingRecordedIsNeverDeleted) {
    UsbCamera* cam = cameras[0].get();
    StoreLive(cam->settings->recordFrameRate, 10);
    // Recording into today's folder, frames written by hand.
    cam->recording().recorder().OpenRecording(*cam->settings);
    cam->recording().recorder().ResumeRecordingThread();
    RecordFrame frame;
    frame.bgr.Resize(64, 48);
    cam->recording().recorder().WriteFrame(frame);
    const QString recording = cam->recording().recorder().CurrentFile();
    ASSERT_FALSE(recording.isEmpty());
    files << recording;
    Make("20240510Video", "old.mp4", 10);
    option->diskSpaceLimitMB = 1000;
    EXPECT_TRUE(storage.DiskCleanup());
    EXPECT_TRUE(QFile::exists(recording));
    EXPECT_FALSE(Has("20240510Video", "old.mp4"));
    cam->recording().recorder().CloseRecording();
}

TEST(DiskLabels, MegabytesGigabytesTerabytes) {
    const qint64 mb = 1024 * 1024;
    const QString caption = QStringLiteral("剩余空间:");
    EXPECT_EQ(DiskLabelText(1023 * mb, caption), QStringLiteral("剩余空间: 1023M"));
    EXPECT_EQ(DiskLabelText(1024 * mb, caption), QStringLiteral("剩余空间: 1G"));
    EXPECT_EQ(DiskLabelText(2000000 * mb, "Free space:"), QStringLiteral("Free space: 1T"));
    EXPECT_EQ(DiskLabelText(1048575 * mb, caption), QStringLiteral("剩余空间: 1023G"));
    qint64 free = 0;
    EXPECT_TRUE(FreeBytes(QDir::tempPath() + "/not/made/yet", &free));
    EXPECT_GT(free, 0);
}

TEST_F(CleanupTest, RetentionNeverTakesTodayWhateverTheHistoryDays) {
    Make("20240510Video", "today.mp4", 1);
    Make("20240509Image", "yesterday.jpg", 1);
    const QString log = test::WriteFile(LogFileName(option->LogPath, QDate(2024, 5, 10)));
    for (int days : {0, -1, -2147483647 - 1}) {
        option->historyDays = days;
        storage.DailyRetention();
        EXPECT_TRUE(Has("20240510Video", "today.mp4")) << days;
        EXPECT_TRUE(Has("20240509Image", "yesterday.jpg")) << days;
        EXPECT_TRUE(QFile::exists(log)) << days;
    }
}
