#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "upload/FtpServer.h"
#include "upload/Indyftpcore.h"

using namespace trelvix;
using namespace trelvix::test;

namespace {

class FtpCoreTest : public ::testing::Test {
protected:
    void Point(TIndyFTPCore& ftp, const FtpServer& server, const QString& base) {
        ftp.SetServer("127.0.0.1", server.portText(), base, "s3cret", "cam");
    }
    QString Picture(const QString& name, const QByteArray& bytes) {
        return WriteFile(local.path() + "/01/20240503Image/" + name, bytes);
    }
    QTemporaryDir local;
};

// A new connection's login, then `commands`.
QStringList Login(const QStringList& commands) {
    return QStringList{"CONNECT", "USER cam", "PASS s3cret", "PWD"} + commands;
}

}  // namespace

TEST_F(FtpCoreTest, FolderStepsAsTheServerSeesThem) {
    FtpServer server;
    ASSERT_GT(server.port(), 0);
    QDir(server.root()).mkpath("pub/20240503Image");
    const QString a = Picture("20240503 101112123.jpg", "first"), b = Picture("b.jpg", "second");
    TIndyFTPCore ftp;

    // No sub-folder: straight into the base folder, no MKD.
    Point(ftp, server, "/pub/");
    ftp.UploadFiles({a}, "", "");
    ftp.Disconnect();
    EXPECT_EQ(server.Commands(),
              Login({"CWD /pub", "PORT", "TYPE I", "STOR 20240503 101112123.jpg", "QUIT"}));
    EXPECT_EQ(ReadFile(server.root() + "/pub/20240503 101112123.jpg"), "first");

    // An existing day folder: one CWD, no MKD, one connection for the batch.
    server.ClearLog();
    ftp.UploadFiles({a, b}, "20240503Image", "");
    ftp.Disconnect();
    EXPECT_EQ(server.Commands(),
              Login({"CWD /pub/20240503Image", "PORT", "TYPE I", "STOR 20240503 101112123.jpg",
                     "PORT", "STOR b.jpg", "QUIT"}));

    // A missing one is made once and entered; the next batch just enters it.
    server.ClearLog();
    ftp.UploadFiles({b}, "20240504Image", "");
    ftp.Disconnect();
    ftp.UploadFiles({b}, "20240504Image", "");
    ftp.Disconnect();
    const QStringList store{"PORT", "TYPE I", "STOR b.jpg", "QUIT"};
    EXPECT_EQ(server.Commands(),
              Login(QStringList{"CWD /pub/20240504Image", "MKD /pub/20240504Image",
                                "CWD /pub/20240504Image"} +
                    store) +
                  Login(QStringList{"CWD /pub/20240504Image"} + store));
    EXPECT_EQ(ReadFile(server.root() + "/pub/20240504Image/b.jpg"), "second");

    // A missing base folder fails at the folder step: only one level is ever made.
    Point(ftp, server, "/nope/");
    EXPECT_TRUE(ftp.Connect());
    EXPECT_FALSE(ftp.ChangeToFolder("20240503Image"));
    EXPECT_TRUE(ftp.lastError.startsWith("CWD /nope/20240503Image: ")) << ftp.lastError;
    server.ClearLog();
    ftp.UploadFiles({a}, "20240503Image", "");
    ftp.Disconnect();
    EXPECT_EQ(server.Commands().filter("STOR").size(), 0);
    EXPECT_FALSE(QDir(server.root() + "/nope").exists());

    // The settings' default, an empty folder, never lands in the login folder.
    Point(ftp, server, "");
    ftp.UploadFiles({a}, "", "");
    ftp.Disconnect();
    EXPECT_EQ(ftp.lastError, "CWD: no folder given");
    EXPECT_FALSE(QFile::exists(server.root() + "/20240503 101112123.jpg"));

    EXPECT_EQ(ReadFile(a), "first");
    EXPECT_EQ(ReadFile(b), "second");
}

TEST_F(FtpCoreTest, PortText) {
    TIndyFTPCore ftp;
    ftp.SetServer("127.0.0.1", "2121", "/", "s3cret", "cam");
    EXPECT_EQ(ftp.port(), 2121);
    FtpServer on2121({}, 2121);
    if (on2121.port() == 2121) {  // when the port is free on this machine
        EXPECT_TRUE(ftp.Connect()) << ftp.lastError;
        ftp.Disconnect();
        EXPECT_EQ(on2121.Count("USER cam"), 1);
    }
    for (const char* text : {"ftp", "", "21.5"}) {
        ftp.SetServer("127.0.0.1", text, "/", "p", "u");
        EXPECT_EQ(ftp.port(), 21) << text;
        if (!ftp.Connect()) {
            EXPECT_TRUE(ftp.lastError.contains("port 21")) << ftp.lastError;
        }
    }
}

TEST_F(FtpCoreTest, FixedNameAndAFileDeletedMeanwhile) {
    FtpServer server;
    ASSERT_GT(server.port(), 0);
    const QString a = Picture("a.jpg", "A"), b = Picture("b.jpg", "B"), c = Picture("c.jpg", "C");
    TIndyFTPCore ftp;
    Point(ftp, server, "/");
    ftp.UploadFiles({a, b, c}, "", "latest.jpg");
    EXPECT_EQ(server.Count("STOR latest.jpg"), 3);
    EXPECT_EQ(ReadFile(server.root() + "/latest.jpg"), "C");

    QFile::remove(b);
    ftp.UploadFiles({a, b, c}, "", "");
    EXPECT_EQ(ReadFile(server.root() + "/a.jpg"), "A");
    EXPECT_EQ(ReadFile(server.root() + "/c.jpg"), "C");
    EXPECT_EQ(server.Count("STOR b.jpg"), 0);
    EXPECT_TRUE(ftp.lastError.startsWith("Cannot open " + b)) << ftp.lastError;
}

TEST_F(FtpCoreTest, FailingServersAreReportedAndTouchNoLocalFile) {
    const QByteArray big(1 << 20, 'B');  // seconds at the server's slowed rate
    const QString a = Picture("a.jpg", "A"), b = Picture("b.jpg", big), c = Picture("c.jpg", "C");
    TIndyFTPCore ftp;
    ftp.SetServer("127.0.0.1", QString::number(FreePort()), "/", "p", "u");
    EXPECT_FALSE(ftp.Connect());
    EXPECT_TRUE(ftp.lastError.startsWith("Login: Failed to connect")) << ftp.lastError;

    FtpServer server({"--drop-stor", "2"});
    ASSERT_GT(server.port(), 0);
    ftp.SetServer("127.0.0.1", server.portText(), "/", "wrong", "cam");
    ftp.UploadFiles({a}, "", "");
    EXPECT_TRUE(ftp.lastError.contains("530")) << ftp.lastError;
    EXPECT_EQ(server.Commands().filter("STOR").size(), 0);

    // The connection drops during the second transfer; the third still reaches the day folder.
    server.ClearLog();
    Point(ftp, server, "/");
    ftp.UploadFiles({a, b, c}, "20240503Image", "");
    ftp.Disconnect();
    EXPECT_EQ(ReadFile(server.root() + "/20240503Image/a.jpg"), "A");
    EXPECT_EQ(ReadFile(server.root() + "/20240503Image/c.jpg"), "C");
    EXPECT_LT(QFileInfo(server.root() + "/20240503Image/b.jpg").size(), big.size());
    EXPECT_TRUE(ftp.lastError.startsWith("STOR b.jpg: ")) << ftp.lastError;
    const QStringList log = server.Commands();
    EXPECT_EQ(log.mid(log.lastIndexOf("CONNECT")),
              Login({"CWD /20240503Image", "PORT", "TYPE I", "STOR c.jpg", "QUIT"}));

    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(b), big);
    EXPECT_EQ(ReadFile(c), "C");
}

TEST_F(FtpCoreTest, ListsAFolderAndReportsStatus) {
    for (const bool machineReadable : {true, false}) {
        FtpServer server(machineReadable ? QStringList{} : QStringList{"--no-mlsd"});
        ASSERT_GT(server.port(), 0);
        QDir(server.root()).mkpath("pub/cam 1");
        WriteFile(server.root() + "/pub/x.jpg", "x");
        QFile::link(server.root() + "/pub/x.jpg", server.root() + "/pub/link");
        TIndyFTPCore ftp;
        QStringList status;
        ftp.SetStatusObserver([&](const QString& line) { status << line; });
        Point(ftp, server, "/");

        QList<FtpListEntry> entries;
        ASSERT_TRUE(ftp.ListFolder("/pub/", &entries)) << ftp.lastError;
        std::sort(entries.begin(), entries.end(),
                  [](const auto& l, const auto& r) { return l.name < r.name; });
        // This server's machine-readable listing follows links; its LIST shows them as links.
        QList<FtpListEntry> expected{{"cam 1", true}, {"x.jpg", false}};
        if (machineReadable) expected.insert(1, {"link", false});
        EXPECT_EQ(entries, expected);
        EXPECT_FALSE(ftp.ListFolder("/missing/", &entries));
        ftp.Disconnect();

        EXPECT_TRUE(server.Commands().contains("CWD /pub"));
        EXPECT_EQ(server.Commands().contains("LIST"), !machineReadable);
        const QString at = QString("127.0.0.1:%1.").arg(server.port());
        EXPECT_EQ(status.mid(0, 3), (QStringList{"Resolving hostname 127.0.0.1.",
                                                 "Connecting to " + at, "Connected to " + at}));
        EXPECT_TRUE(status.contains("Error: " + ftp.lastError));
        EXPECT_EQ(status.last(), "Disconnected.");
    }
}

TEST(FtpListing, KeepsFoldersAndFilesInTheListingsOrder) {
    EXPECT_EQ(TIndyFTPCore::ParseListing("type=cdir; /pub\r\ntype=pdir; /\r\n"
                                         "type=file;size=3; z b.jpg\r\n"
                                         "type=OS.unix=slink:/x; link\r\n"
                                         "Type=DIR;modify=20240503101112; 20240503Image\r\n",
                                         true),
              (QList<FtpListEntry>{{"z b.jpg", false}, {"20240503Image", true}}));
    EXPECT_EQ(
        TIndyFTPCore::ParseListing(
            "total 12\r\n"
            "-rw-r--r--   1 owner    group           3 May 03 10:11 z  b.jpg\r\n"
            "lrwxrwxrwx   1 owner    group           1 May 03 10:11 link -> x\r\n"
            "drwxr-xr-x   2 owner    group        4096 May  3  2023 20240503Image\r\n"
            "05-03-24  10:11AM       <DIR>          cam 1\r\n"
            "05-03-24  10:12PM                 1234 a.jpg\r\n",
            false),
        (QList<FtpListEntry>{
            {"z  b.jpg", false}, {"20240503Image", true}, {"cam 1", true}, {"a.jpg", false}}));
    // A name carrying a line break could never be entered: not listed.
    EXPECT_EQ(TIndyFTPCore::ParseListing("type=dir; a\rCWD x\r\ntype=dir; b\r\n", true),
              (QList<FtpListEntry>{{"b", true}}));
}

TEST_F(FtpCoreTest, NamesAndFoldersCannotLeadOutOfTheUploadFolder) {
    FtpServer server;
    ASSERT_GT(server.port(), 0);
    QDir(server.root()).mkpath("pub/cams");
    const QString a = Picture("a.jpg", "picture");
    TIndyFTPCore ftp;
    Point(ftp, server, "/pub/cams/");
    for (const QString name : {"../escaped.jpg", "..", "sub/name.jpg", "a\\b.jpg", "x\r\nDELE y"}) {
        ftp.UploadFiles({a}, "", name);
        ftp.Disconnect();
        EXPECT_FALSE(ftp.lastError.isEmpty()) << name.toStdString();
        ftp.lastError.clear();
    }
    for (const QString folder : {"../..", "20240503Image/../../.."}) {
        ftp.UploadFiles({a}, folder, "");
        ftp.Disconnect();
        EXPECT_FALSE(ftp.lastError.isEmpty()) << folder.toStdString();
        ftp.lastError.clear();
    }
    Point(ftp, server, "/pub/cams/../../");
    ftp.UploadFiles({a}, "", "");
    ftp.Disconnect();
    EXPECT_FALSE(ftp.lastError.isEmpty());
    // Nothing arrived anywhere but where it should.
    EXPECT_FALSE(QFile::exists(server.root() + "/pub/escaped.jpg"));
    EXPECT_FALSE(QFile::exists(server.root() + "/escaped.jpg"));
    EXPECT_FALSE(QFile::exists(server.root() + "/a.jpg"));
    EXPECT_FALSE(QFile::exists(server.root() + "/pub/a.jpg"));
}
