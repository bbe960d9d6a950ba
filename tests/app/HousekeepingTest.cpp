#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <thread>

#include "host/CameraCell.h"
#include "host/CameraHost.h"
#include "host/Housekeeping.h"
#include "common/Messages.h"
#include "capture/Usbcamera.h"
#include "common/Clock.h"
#include "common/TextConv.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "support/CameraFixture.h"
#include "support/TestFiles.h"
#include "history/LogReceiver.h"

using namespace trelvix;

namespace {

class HousekeepingTest : public ::testing::Test, protected trelvix::test::OwnSettings {
protected:
    void SetUp() override {
        SetClockForTesting([this] { return now; });
    }
    void TearDown() override {
        SetClockForTesting(nullptr);
        Option::SetCommandRunner(nullptr);
    }
    QStringList LogLines(const QDate& day) {
        QCoreApplication::sendPostedEvents();
        return ReadLogLines(LogFileName(option->LogPath, day));
    }
    void Touch(const QString& name) { test::WriteFile(option->LogPath + name); }

    QDateTime now{QDate(2024, 5, 10), QTime(9, 0)};
};

}  // namespace

TEST_F(HousekeepingTest, RecordsPostedFromOtherThreadsLandInTheLogInOrder) {
    LogReceiverObject receiver;
    std::thread producer([] {
        for (int i = 0; i < 20; ++i)
            PostEventRecord(MakeEventRecord(1, "Program", "0#", QString::number(i), 0, "",
                                            QDateTime(QDate(2024, 5, 10), QTime(9, 0, i))));
    });
    producer.join();
    const QStringList lines = LogLines(QDate(2024, 5, 10));
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(lines[19], "1|Program|2024-05-10|09:00:19|0#|19|0||");
}

TEST_F(HousekeepingTest, RetentionRunsOncePerDayAndLogsWhenCamerasExist) {
    HeadlessPanel cell(0);  // cells outlive the host's cameras
    CameraHost host(HandOver());
    Housekeeping& hk = host.housekeeping;
    Touch("2024-05-02.txt");
    Touch("2024-05-03.txt");
    hk.TimerStartDoTick();
    EXPECT_FALSE(QFile::exists(option->LogPath + "2024-05-02.txt"));
    EXPECT_TRUE(QFile::exists(option->LogPath + "2024-05-03.txt"));
    EXPECT_EQ(option->lastCleanupDate.date(), QDate(2024, 5, 10));
    EXPECT_TRUE(LogLines(QDate(2024, 5, 10)).isEmpty());  // no camera, no record

    // Same day: not again. Next day, with a camera: the clean-up record is written.
    Touch("2024-05-02.txt");
    hk.TimerStartDoTick();
    EXPECT_TRUE(QFile::exists(option->LogPath + "2024-05-02.txt"));
    EnsureUserFolder();
    option->deviceIds = {"test:ball"};
    option->deviceCount = 1;
    host.CreateCameras({&cell});
    now = now.addDays(1);
    hk.TimerStartDoTick();
    const QStringList lines = LogLines(QDate(2024, 5, 11));
    ASSERT_EQ(lines.size(), 1);
    const auto fields = SplitLogLine(lines[0]);
    EXPECT_EQ(fields[0], "0");
    EXPECT_EQ(fields[1], option->LanguageText(3));
    EXPECT_EQ(fields[5], option->LanguageText(9001) + " " + DateToShortText(QDate(2024, 5, 4)) +
                             " " + option->LanguageText(9002));
    EXPECT_EQ(fields[6], "-1");
    EXPECT_FALSE(QFile::exists(option->LogPath + "2024-05-03.txt"));
}

TEST_F(HousekeepingTest, PeriodicCleanupComesEverySixthTickAndTimersResume) {
    Housekeeping hk;
    QSignalSpy periodic(&hk, &Housekeeping::periodicCleanupDue);
    hk.StartTimers();
    for (int i = 1; i <= 12; ++i) {
        hk.TimerStartDoTick();
        EXPECT_EQ(periodic.count(), i / 6) << i;
    }
    EXPECT_EQ(hk.cleanupTick, 0);
    EXPECT_TRUE(hk.TimersActive());
    hk.StopTimers();
    hk.TimerStartDoTick();  // a tick with the timers stopped leaves them stopped
    EXPECT_FALSE(hk.TimerStartDo.isActive());
}

TEST_F(HousekeepingTest, PowerOffTickRunsTheShutdownAndAsksToClose) {
    int runs = 0;
    Option::SetCommandRunner([&](const QString&, const QStringList&) { return ++runs, true; });
    // A stand-in on PATH: the runner above is what would start it.
    QFile::setPermissions(test::WriteFile(dir.path() + "/shutdown"),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8());
    Housekeeping hk;
    QSignalSpy due(&hk, &Housekeeping::powerOffDue);
    option->powerOff = true;
    option->powerOffDaily = true;
    option->powerOffTime = "09:00:30";
    now.setTime(QTime(8, 59, 0));
    hk.TimerDatetimeTick();
    EXPECT_EQ(due.count(), 0);
    now.setTime(QTime(8, 59, 45));
    hk.TimerDatetimeTick();
    EXPECT_EQ(due.count(), 1);
    qputenv("PATH", oldPath);
    EXPECT_EQ(runs, 1);
}

TEST_F(HousekeepingTest, ProgramStartAndExitLines) {
    LogProgramStart();
    now = now.addSecs(5);
    LogProgramExit(false);
    LogProgramExit(true);
    const QStringList lines = LogLines(QDate(2024, 5, 10));
    ASSERT_EQ(lines.size(), 3);
    const auto t = [&](int id) { return option->LanguageText(id); };
    EXPECT_EQ(lines[0], "3|" + t(1) + "|2024-05-10|09:00:00||" + t(2) + "|-1||");
    EXPECT_EQ(lines[1], "3|" + t(1) + "|2024-05-10|09:00:05||" + t(5) + "|-1||");
    EXPECT_EQ(lines[2], "3|" + t(3) + "|2024-05-10|09:00:05||" + t(4) + "|-1||");
}
