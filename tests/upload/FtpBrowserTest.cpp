// The FTP page's connection, against a real server on loopback.
#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <atomic>
#include <gtest/gtest.h>

#include "upload/FtpBrowser.h"
#include "upload/FtpServer.h"

using namespace trelvix;
using namespace trelvix::test;

namespace {

struct Listing {
    QString path;
    QList<FtpListEntry> entries;
    bool ok = false;
};

class FtpBrowserTest : public ::testing::Test {
protected:
    void Watch(CFtpBrowser& b) {
        QObject::connect(&b, &CFtpBrowser::logLine, &b, [this](const QString& l) { lines << l; });
        QObject::connect(&b, &CFtpBrowser::loggedIn, &b, [this](bool ok) { logins << ok; });
        QObject::connect(&b, &CFtpBrowser::folderListed, &b,
                         [this](int r, const QString& p, const QList<FtpListEntry>& e, bool ok) {
                             QList<FtpListEntry> sorted = e;
                             std::sort(sorted.begin(), sorted.end(),
                                       [](auto& l, auto& r) { return l.name < r.name; });
                             listed[r] = {p, sorted, ok};
                         });
        QObject::connect(&b, &CFtpBrowser::testFinished, &b, [this] { ++tests; });
    }
    static FtpLogin LoginTo(const FtpServer& s, const QString& password = "s3cret") {
        return {"127.0.0.1", s.portText(), "cam", password};
    }
    bool Listed(int request) {
        return FtpServer::WaitFor([&] { return listed.contains(request); });
    }
    bool Tested(int count) {
        return FtpServer::WaitFor([&] { return tests == count; });
    }
    int Lines(const QString& text) const { return int(lines.count(text)); }

    QStringList lines;
    QList<bool> logins;
    QMap<int, Listing> listed;
    int tests = 0;
    QTemporaryDir local;
};

}  // namespace

TEST(FtpBrowserPaths, TreePathsEndWithASlashAndPortsAreWholeNumbers) {
    EXPECT_EQ(CFtpBrowser::TreePath({"/"}), "/");
    EXPECT_EQ(CFtpBrowser::TreePath({"/", "pub"}), "/pub/");
    EXPECT_EQ(CFtpBrowser::TreePath({"/", "pub", "cam 1"}), "/pub/cam 1/");
    EXPECT_EQ(CFtpBrowser::PortNumber("2121"), 2121);
    EXPECT_EQ(CFtpBrowser::PortNumber("65535"), 65535);
    for (const char* bad : {"", "0", "65536", "ftp", "21.5", "-21"})
        EXPECT_FALSE(CFtpBrowser::PortNumber(bad).has_value()) << bad;
}

TEST_F(FtpBrowserTest, BrowsesNestedFoldersWithSpacesAndNonAsciiNamesOnOneConnection) {
    FtpServer server;
    ASSERT_GT(server.port(), 0);
    QDir(server.root()).mkpath("pub/cam 1/日本");
    QDir(server.root()).mkpath("相机");
    WriteFile(server.root() + "/pub/readme.txt", "r");
    CFtpBrowser b;
    Watch(b);

    const int root = b.Login(LoginTo(server));
    ASSERT_TRUE(Listed(root));
    EXPECT_EQ(logins, QList<bool>{true});
    EXPECT_EQ(listed[root].path, "/");
    EXPECT_EQ(listed[root].entries, (QList<FtpListEntry>{{"pub", true}, {"相机", true}}));
    const int pub = b.List(LoginTo(server), "/pub/");
    const int cam = b.List(LoginTo(server), "/pub/cam 1/");
    const int deep = b.List(LoginTo(server), "/pub/cam 1/日本/");
    ASSERT_TRUE(Listed(deep));
    EXPECT_EQ(listed[pub].entries, (QList<FtpListEntry>{{"cam 1", true}, {"readme.txt", false}}));
    EXPECT_EQ(listed[cam].entries, (QList<FtpListEntry>{{"日本", true}}));
    EXPECT_TRUE(listed[deep].ok);
    EXPECT_TRUE(listed[deep].entries.isEmpty());
    EXPECT_EQ(server.Count("CONNECT"), 1);
    EXPECT_TRUE(server.Commands().contains("CWD /pub/cam 1/日本"));

    // Other login fields are another account: its own connection, refused here.
    const int refused = b.List(LoginTo(server, "wrong"), "/pub/");
    ASSERT_TRUE(Listed(refused));
    EXPECT_FALSE(listed[refused].ok);
    EXPECT_EQ(lines.filter("530").size(), 1) << lines.join('\n').toStdString();
    const int again = b.List(LoginTo(server), "/missing/");
    ASSERT_TRUE(Listed(again));
    EXPECT_FALSE(listed[again].ok);
    EXPECT_TRUE(lines.last().startsWith("MLSD /missing/: ")) << lines.last();
    EXPECT_EQ(server.Count("CONNECT"), 3);

    // A port that is no number is refused before any connection.
    FtpLogin badPort = LoginTo(server);
    badPort.port = "21x";
    const int linesBefore = int(lines.size());
    const int bad = b.List(badPort, "/");
    ASSERT_TRUE(Listed(bad));
    EXPECT_FALSE(listed[bad].ok);
    EXPECT_EQ(lines.size(), linesBefore + 1);
    EXPECT_EQ(server.Count("CONNECT"), 3);
}

TEST_F(FtpBrowserTest, TestUploadStoresTheNewestPictureInEachPass) {
    FtpServer server;
    ASSERT_GT(server.port(), 0);
    QDir(server.root()).mkpath("pub/cam 1");
    const QString picture = WriteFile(local.path() + "/20240503 101112123.jpg", "jpeg");
    CFtpBrowser b;
    b.SetPassDelay(std::chrono::milliseconds(20));
    Watch(b);
    std::atomic<int> requests{0};
    QString newest = picture;  // read on the browser's thread only while a test runs
    const FtpTestPicture camera{[&] { ++requests; }, [&] { return newest; }};

    b.TestUpload(LoginTo(server), "/pub/cam 1/", camera);
    ASSERT_TRUE(Tested(1));
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(Lines("upload file is ok."), 5);
    EXPECT_EQ(server.Count("STOR 20240503 101112123.jpg"), 5);
    EXPECT_EQ(ReadFile(server.root() + "/pub/cam 1/20240503 101112123.jpg"), "jpeg");
    EXPECT_EQ(server.Count("MKD /pub/cam 1"), 0);

    // No picture yet: each pass says so and sends nothing.
    newest.clear();
    int before = int(lines.size());
    b.TestUpload(LoginTo(server), "/pub/cam 1/", camera);
    ASSERT_TRUE(Tested(2));
    EXPECT_EQ(lines.size(), before + 5);
    EXPECT_EQ(Lines("upload file is ok."), 5);

    // A picture that cannot be opened ends the passes at once.
    newest = local.path() + "/gone.jpg";
    before = int(lines.size());
    b.TestUpload(LoginTo(server), "/pub/cam 1/", camera);
    ASSERT_TRUE(Tested(3));
    EXPECT_EQ(lines.mid(before),
              QStringList{"Cannot open " + newest + ": No such file or directory"});

    // A folder that is not there fails once, after the picture was asked for; nothing is made.
    newest = picture;
    before = int(lines.size());
    b.TestUpload(LoginTo(server), "/nope/", camera);
    ASSERT_TRUE(Tested(4));
    EXPECT_EQ(requests, 4);
    EXPECT_EQ(lines.mid(before).size(), 1);
    EXPECT_TRUE(lines.last().startsWith("CWD /nope/: ")) << lines.last();
    EXPECT_FALSE(QDir(server.root() + "/nope").exists());
    EXPECT_EQ(server.Count("STOR 20240503 101112123.jpg"), 5);
    EXPECT_EQ(server.Count("CONNECT"), 1);
}

TEST_F(FtpBrowserTest, AServerThatIsDownOrRefusesTheLoginGivesOneFailureAndNoPass) {
    CFtpBrowser b;
    b.SetPassDelay(std::chrono::milliseconds(20));
    Watch(b);
    int requests = 0;
    const FtpTestPicture camera{[&] { ++requests; }, [] { return QString("/x.jpg"); }};
    FtpLogin down{"127.0.0.1", QString::number(FreePort()), "cam", "s3cret"};
    b.TestUpload(down, "/", camera);
    ASSERT_TRUE(Tested(1));
    EXPECT_EQ(lines.filter(QRegularExpression("^Login: ")).size(), 1) << lines.join('\n');
    EXPECT_FALSE(lines.filter("Connecting to 127.0.0.1:").isEmpty());

    FtpServer server;
    ASSERT_GT(server.port(), 0);
    b.Login(LoginTo(server, "wrong"));
    ASSERT_TRUE(FtpServer::WaitFor([&] { return logins.size() == 1; }));
    EXPECT_EQ(logins, QList<bool>{false});
    EXPECT_EQ(lines.filter("530").size(), 1);
    EXPECT_EQ(requests, 0);
    EXPECT_EQ(Lines("upload file is ok."), 0);
}

TEST_F(FtpBrowserTest, CloseDropsQueuedJobsAndSaysQuit) {
    FtpServer server;
    ASSERT_GT(server.port(), 0);
    QDir(server.root()).mkpath("pub");
    {
        CFtpBrowser b;
        Watch(b);
        b.SetPassDelay(std::chrono::seconds(60));
        std::atomic<int> requests{0};
        // A test waiting for its first pass holds the queue; the listings wait behind it.
        b.TestUpload(LoginTo(server), "/", {[&] { ++requests; }, [] { return QString(); }});
        ASSERT_TRUE(FtpServer::WaitFor([&] { return server.Count("CWD /") == 1; }));
        for (int i = 0; i < 3; ++i) b.List(LoginTo(server), "/pub/");
        b.Close();
        ASSERT_TRUE(Tested(1));
        ASSERT_TRUE(FtpServer::WaitFor([&] { return b.PendingJobs() == 0; }));
        EXPECT_EQ(requests, 1);
        EXPECT_EQ(server.Count("CWD /pub"), 0);
        EXPECT_TRUE(listed.isEmpty());
        EXPECT_EQ(server.Commands().last(), "QUIT");
        // The page keeps working after a close: the next job logs in again.
        const int after = b.List(LoginTo(server), "/pub/");
        ASSERT_TRUE(Listed(after));
        EXPECT_TRUE(listed[after].ok);
        EXPECT_EQ(server.Count("CONNECT"), 2);
    }
    EXPECT_TRUE(FtpServer::WaitFor([&] { return server.Count("QUIT") == 2; }));

    // A server that stops answering does not keep the page from going.
    FtpServer hung({"--hang", "MLSD"});
    ASSERT_GT(hung.port(), 0);
    auto b = std::make_unique<CFtpBrowser>();
    b->Login(LoginTo(hung));
    ASSERT_TRUE(FtpServer::WaitFor([&] { return hung.Count("MLSD") == 1; }));
    b.reset();
    EXPECT_TRUE(FtpServer::WaitFor([&] { return ReadFile(hung.logPath()).contains("CLOSE"); }));
}
