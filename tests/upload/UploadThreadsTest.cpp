#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "host/CameraCell.h"
#include "host/Housekeeping.h"
#include "capture/Usbcamera.h"
#include "common/Clock.h"
#include "config/Folders.h"
#include "common/Messages.h"
#include "config/Option.h"
#include "host/SettingsInForce.h"
#include "history/LogReceiver.h"
#include "upload/FtpServer.h"
#include "upload/Unit_recordclass_ftp.h"
#include "upload/Unit_workFTPQueueUploadThread.h"
#include "upload/Unit_workthreadFTP.h"

using namespace std::chrono_literals;
using namespace trelvix;
using namespace trelvix::test;

namespace {

class UploadThreadsTest : public ::testing::Test {
protected:
    void Point(const FtpServer& server) {
        settings.ftpHost = "127.0.0.1";
        settings.ftpPort = server.portText();
        settings.ftpUser = "cam";
        settings.ftpPassword = "s3cret";
        settings.ftpFolder = "/";
    }
    // `n` pictures of the camera's day folder, queued oldest first; picture i holds "i".
    QStringList Queue(int n) {
        QStringList paths;
        for (int i = 0; i < n; ++i) {
            const QString name = QString("/01/20240503Image/%1.jpg").arg(i, 2, 10, QChar('0'));
            queue.Append(paths.emplace_back(WriteFile(local.path() + name, QByteArray::number(i))));
        }
        return paths;
    }
    void ExpectUntouched(const QStringList& paths) {
        for (int i = 0; i < paths.size(); ++i) EXPECT_EQ(ReadFile(paths[i]), QByteArray::number(i));
    }

    QTemporaryDir local;
    CDataClass settings;
    UploadQueue queue;
};

struct Receiver : QObject {
    bool event(QEvent* e) override {
        const auto* m = MessageOf<SnapshotRequestMessage>(e);
        if (!m) return QObject::event(e);
        messages.append({m->cameraId, m->kind});
        return true;
    }
    QList<std::pair<int, SnapshotKind>> messages;
};

}  // namespace

TEST(UploadSubFolder, IsTheNameOfTheFolderHoldingThePath) {
    EXPECT_EQ(FTPQueueUploadThread::SubFolderOf("/home/u/01/20240503Image/a b.jpg"),
              "20240503Image");
    EXPECT_EQ(FTPQueueUploadThread::SubFolderOf("/x/a.jpg"), "x");
    for (const char* none : {"x/a.jpg", "/a.jpg", "a.jpg", "/a/"})
        EXPECT_EQ(FTPQueueUploadThread::SubFolderOf(none), "") << none;
}

TEST_F(UploadThreadsTest, TwelvePathsGoOutInBatchesOfFiveFiveAndTwo) {
    FtpServer server;
    ASSERT_GT(server.port(), 0);
    Point(server);
    StoreLive(settings.ftpDateFolders, 1);
    StoreLive(settings.ftpBatchSize, 5);
    StoreLive(settings.ftpUploadSeconds, 3);
    const QStringList paths = Queue(12);
    RecordClass_FTP record(queue, nullptr, settings);
    record.second = 1ms;
    record.StartUploadThread();
    ASSERT_TRUE(FtpServer::WaitFor([&] { return record.uploadThread->batchesSent() == 3; }));
    record.StopUploadThread();

    EXPECT_EQ(queue.Count(), 0);
    QList<int> storsPerConnection;
    for (const QString& line : server.Commands()) {
        if (line == "CONNECT") storsPerConnection.append(0);
        if (line.startsWith("STOR ")) ++storsPerConnection.last();
    }
    EXPECT_EQ(storsPerConnection, (QList<int>{5, 5, 2}));
    EXPECT_EQ(server.Count("MKD /20240503Image"), 1);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(ReadFile(server.root() + "/20240503Image/" + QFileInfo(paths[i]).fileName()),
                  QByteArray::number(i));
    ExpectUntouched(paths);
}

TEST_F(UploadThreadsTest, EmptyFixedNameAndAnUnreachableServer) {
    FtpServer server;
    ASSERT_GT(server.port(), 0);
    Point(server);
    StoreLive(settings.ftpBatchSize, 4);
    StoreLive(settings.ftpUseFixedName, 1);  // with no name: files keep their own
    const QStringList paths = Queue(10);
    TIndyFTPCore ftp;
    ftp.SetServer("127.0.0.1", server.portText(), "/", "s3cret", "cam");
    EXPECT_TRUE(FTPQueueUploadThread::UploadBatch(ftp, queue, settings));
    EXPECT_EQ(server.Commands().filter(QRegularExpression("^STOR 0[0-3].jpg$")).size(), 4);

    // Nobody listening: each period still takes its batch off the queue, and sends nothing.
    ftp.SetServer("127.0.0.1", QString::number(FreePort()), "/", "p", "u");
    for (const int left : {2, 0}) {
        EXPECT_TRUE(FTPQueueUploadThread::UploadBatch(ftp, queue, settings));
        EXPECT_EQ(queue.Count(), left);
    }
    EXPECT_FALSE(FTPQueueUploadThread::UploadBatch(ftp, queue, settings));
    EXPECT_TRUE(ftp.lastError.startsWith("Login: "));
    EXPECT_EQ(server.Commands().filter("STOR").size(), 4);
    ExpectUntouched(paths);
}

TEST_F(UploadThreadsTest, TimedSnapshotRequestsEndWithTheirThread) {
    Receiver panel;
    settings.cameraId = 2;
    StoreLive(settings.ftpIntervalSeconds, 0);  // taken as one second
    RecordClass_FTP record(queue, nullptr, settings);
    record.second = 2ms;
    record.targetWindow = &panel;
    record.StartTimedSnapshots();
    ASSERT_TRUE(FtpServer::WaitFor([&] { return panel.messages.size() >= 3; }));
    const int posted = record.timedThread->requestsPosted();
    record.StopTimedSnapshots();
    QCoreApplication::processEvents();
    EXPECT_GE(panel.messages.size(), posted);
    const auto received = panel.messages.size();
    QCoreApplication::processEvents();
    EXPECT_EQ(panel.messages.size(), received);
    for (const auto& m : panel.messages)
        EXPECT_EQ(m, (std::pair<int, SnapshotKind>(2, kSnapshotTimed)));
}

// The server stops answering at one step of a batch: the stop does not wait for it.
class StopDuringBatch : public UploadThreadsTest, public ::testing::WithParamInterface<QString> {};

TEST_P(StopDuringBatch, EndsTheBatchAndLeavesThePictures) {
    FtpServer server({"--hang", GetParam()});
    ASSERT_GT(server.port(), 0);
    Point(server);
    StoreLive(settings.ftpBatchSize, 3);
    const QStringList paths = Queue(5);
    auto record = std::make_unique<RecordClass_FTP>(queue, nullptr, settings);
    record->StartUploadThread();
    ASSERT_TRUE(FtpServer::WaitFor(
        [&] { return !server.Commands().filter(QRegularExpression("^" + GetParam())).isEmpty(); }));
    record.reset();
    EXPECT_EQ(queue.Count(), 2);
    ExpectUntouched(paths);
}

INSTANTIATE_TEST_SUITE_P(Steps, StopDuringBatch, ::testing::Values("PASS", "CWD", "STOR"));

TEST_F(UploadThreadsTest, ACameraUploadsItsTimedPicturesIntoTheDayFolder) {
    FtpServer server;
    ASSERT_GT(server.port(), 0);
    EnsureUserFolder();
    Option option(local.path() + "/kvCamera.ini");
    PublishSettings(&option);
    LogReceiverObject log;
    Point(server);
    settings.cameraId = 3;
    settings.imageFolder = local.path() + "/pictures/";
    QDir().mkpath(settings.imageFolder);
    StoreLive(settings.ftpEnabled, 1);
    StoreLive(settings.ftpDateFolders, 1);
    settings.ftpFolder = "/cams/";
    StoreLive(settings.ftpIntervalSeconds, 1);
    StoreLive(settings.ftpUploadSeconds, 3);
    QDir(server.root()).mkpath("cams");
    ASSERT_TRUE(settings.Save());
    HeadlessPanel panel(3);
    {
        UsbCamera camera(nullptr, &panel, &panel, "test:smpte:160x120@15", 3);
        panel.AttachCamera(&camera);
        ASSERT_TRUE(camera.upload().uploadRecord());
        // Starting again restarts both threads, here with a shorter second.
        camera.upload().uploadRecord()->second = 20ms;
        camera.upload().StartUpload();
        const QDir pictures(camera.settings->DayImageFolder(Now().date()));
        const QDir remote(server.root() + "/cams/" + pictures.dirName());
        // Stopping may cut a transfer short; the pictures stored whole before are compared.
        QStringList whole;
        ASSERT_TRUE(FtpServer::WaitFor([&] {
            whole.clear();
            for (const QString& name : remote.entryList(QDir::Files))
                if (QFileInfo(remote.filePath(name)).size() ==
                    QFileInfo(pictures.filePath(name)).size())
                    whole << name;
            return whole.size() >= 2;
        }));
        camera.StopCamera();
        EXPECT_FALSE(camera.upload().uploadRecord());
        EXPECT_EQ(pictures.dirName(), Now().toString("yyyyMMdd") + "Image");
        for (const QString& name : whole)
            EXPECT_EQ(ReadFile(remote.filePath(name)), ReadFile(pictures.filePath(name))) << name;
        panel.AttachCamera(nullptr);
    }
    StoreLive(settings.ftpEnabled, 0);
    ASSERT_TRUE(settings.Save());
    EXPECT_FALSE(
        UsbCamera(nullptr, &panel, &panel, "test:smpte:160x120@15", 3).upload().uploadRecord());
    PublishSettings(nullptr);
}
