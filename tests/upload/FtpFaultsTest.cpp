// Servers that fail in the middle of a conversation: every failure is reported, no local
// picture is touched, and the next upload to a healthy server goes through.
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <atomic>
#include <thread>

#include "upload/FtpServer.h"
#include "upload/Indyftpcore.h"

using namespace trelvix;
using namespace trelvix::test;

namespace {

class FtpFaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        a = WriteFile(local.path() + "/a.jpg", "A");
        b = WriteFile(local.path() + "/b.jpg", QByteArray(4096, 'B'));
    }
    static void Point(TIndyFTPCore& ftp, const FtpServer& server) {
        ftp.SetServer("127.0.0.1", server.portText(), "/", "s3cret", "cam");
    }
    void ExpectPicturesUntouched() {
        EXPECT_EQ(ReadFile(a), "A");
        EXPECT_EQ(ReadFile(b), QByteArray(4096, 'B'));
    }
    QTemporaryDir local;
    QString a, b;
};

class DroppedAtCommand : public FtpFaultsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(DroppedAtCommand, IsReportedAndTheNextServerGetsThePictures) {
    FtpServer broken({"--drop-at", GetParam()});
    ASSERT_GT(broken.port(), 0);
    TIndyFTPCore ftp;
    Point(ftp, broken);
    ftp.UploadFiles({a, b}, "20240503Image", "");
    ftp.Disconnect();
    EXPECT_FALSE(ftp.lastError.isEmpty()) << "a dropped " << GetParam() << " went unnoticed";
    ExpectPicturesUntouched();

    FtpServer healthy;
    Point(ftp, healthy);
    ftp.lastError.clear();
    ftp.UploadFiles({a, b}, "20240503Image", "");
    ftp.Disconnect();
    EXPECT_TRUE(ftp.lastError.isEmpty()) << ftp.lastError;
    EXPECT_EQ(ReadFile(healthy.root() + "/20240503Image/a.jpg"), "A");
    EXPECT_EQ(ReadFile(healthy.root() + "/20240503Image/b.jpg").size(), 4096);
}

INSTANTIATE_TEST_SUITE_P(EachCommand, DroppedAtCommand,
                         ::testing::Values("USER", "PASS", "PWD", "CWD", "MKD", "TYPE", "PORT",
                                           "STOR"));

TEST_F(FtpFaultsTest, ASlowServerStillGetsEveryPicture) {
    FtpServer slow({"--slow", "0.3"});
    ASSERT_GT(slow.port(), 0);
    TIndyFTPCore ftp;
    Point(ftp, slow);
    ftp.UploadFiles({a, b}, "", "");
    ftp.Disconnect();
    EXPECT_TRUE(ftp.lastError.isEmpty()) << ftp.lastError;
    EXPECT_EQ(ReadFile(slow.root() + "/a.jpg"), "A");
    EXPECT_EQ(ReadFile(slow.root() + "/b.jpg").size(), 4096);
}

TEST_F(FtpFaultsTest, AServerThatNeverAnswersIsLeftWhenTheUploadIsStopped) {
    FtpServer silent({"--silent"});
    ASSERT_GT(silent.port(), 0);
    TIndyFTPCore ftp;
    Point(ftp, silent);
    // The stop a camera or the window gives once the client waits for the greeting; the
    // client's own time-out would end it later, with another reason.
    std::atomic<bool> over{false};
    std::thread stopper([&] {
        while (!over && silent.Count("CONNECT") == 0) std::this_thread::yield();
        ftp.Abort();
    });
    EXPECT_FALSE(ftp.Connect());
    over = true;
    stopper.join();
    EXPECT_TRUE(ftp.lastError.contains("abort", Qt::CaseInsensitive)) << ftp.lastError;
    EXPECT_FALSE(ftp.Connected());
    ExpectPicturesUntouched();
}

}  // namespace
