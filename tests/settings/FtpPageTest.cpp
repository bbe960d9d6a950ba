// The FTP page: its record fields, the start switch, the folder browser on a real server, the
// test upload, and a window that keeps answering while a server is slow or gone.
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "support/CameraInternals.h"
#include "settings/SettingsFixture.h"
#include "settings/Unit_Panel6.h"
#include "upload/FtpServer.h"

using namespace trelvix;
using trelvix::test::FtpServer;
using trelvix::test::SettingsFixture;

namespace {

const QString kCamera = "test:black:320x240@10";

class FtpPageTest : public SettingsFixture {
protected:
    TFrame_Panel6* OpenPage() {
        Open();
        page = static_cast<TFrame_Panel6*>(window->pages[3]);
        page->dialogs.message = [this](QWidget*, const QString& text) { messages << text; };
        page->browser().SetPassDelay(std::chrono::milliseconds(100));
        ShowPage(3);
        return page;
    }
    static std::function<void(CDataClass&)> Server(const QString& host, const QString& port,
                                                   const QString& password = "s3cret") {
        return [=](CDataClass& r) {
            r.ftpHost = host;
            r.ftpPort = port;
            r.ftpUser = "cam";
            r.ftpPassword = password;
        };
    }
    QTreeWidgetItem* Child(QTreeWidgetItem* node, const QString& name) const {
        for (int i = 0; node && i < node->childCount(); ++i)
            if (node->child(i)->text(0) == name) return node->child(i);
        return nullptr;
    }
    bool Quiet() const {
        return FtpServer::WaitFor([this] { return page->browser().PendingJobs() == 0; }) &&
               FtpServer::WaitFor([this] { return !page->Animate2->isVisibleTo(page); });
    }
    QStringList LogLines() const {
        QStringList out;
        for (int i = 0; i < page->ListViewLog->topLevelItemCount(); ++i)
            out << page->ListViewLog->topLevelItem(i)->text(0);
        return out;
    }
    void Click(QTreeWidgetItem* node) {
        page->TreeView1->setCurrentItem(node);
        emit page->TreeView1->itemClicked(node, 0);
    }
    // Clicks down from `node` through `names`, each listed before the next; the last item, or
    // null when one is missing or its listing does not end.
    QTreeWidgetItem* OpenPath(QTreeWidgetItem* node, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (!(node = Child(node, QString::fromUtf8(name)))) return nullptr;
            Click(node);
            if (!Quiet()) return nullptr;
        }
        return node;
    }

    TFrame_Panel6* page = nullptr;
    QStringList messages;
};

}  // namespace

TEST_F(FtpPageTest, FieldsLoadAndSaveWithDefaultsForIntervalsOfZeroOrLess) {
    StartProgram({kCamera}, 0);
    StartCamera(kCamera, 0, [](CDataClass& r) {
        Server("ftp.example.com", "2121")(r);
        r.ftpFolder = "/pub/cam1/";
        StoreLive(r.ftpDateFolders, 1);
        StoreLive(r.ftpUseFixedName, 1);
        r.ftpFixedFileName = "latest.jpg";
        StoreLive(r.ftpMotionPictures, 1);
        StoreLive(r.ftpIntervalSeconds, 0);
        StoreLive(r.ftpUploadSeconds, -5);
        StoreLive(r.ftpBatchSize, 0);
    });
    OpenPage();
    EXPECT_EQ(page->Edit_FTPIP->text(), "ftp.example.com");
    EXPECT_EQ(page->Edit_FTPPASSWORD->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(page->Edit_FTPDIR->isReadOnly());
    EXPECT_TRUE(page->Edit_FTPfixedFileName->isEnabled());
    page->CheckBox_FTPfixdFileName->click();
    EXPECT_FALSE(page->Edit_FTPfixedFileName->isEnabled());
    page->SaveToCamera();
    CDataClass& s = *cameras[0]->settings;
    EXPECT_EQ(Live(s.ftpIntervalSeconds), 3);
    EXPECT_EQ(Live(s.ftpUploadSeconds), 3);
    EXPECT_EQ(Live(s.ftpBatchSize), 1);
    EXPECT_EQ(Live(s.ftpUseFixedName), 0);
    EXPECT_EQ(Live(s.ftpDateFolders), 1);
    EXPECT_EQ(Live(s.ftpMotionPictures), 1);
    EXPECT_EQ(s.ftpFixedFileName.get(), "latest.jpg");
    EXPECT_EQ(s.ftpPort.get(), "2121");
    EXPECT_EQ(s.ftpFolder.get(), "/pub/cam1/");
    EXPECT_EQ(s.ftpPassword.get(), "s3cret");

    // Greyed, the fixed name's edit goes along whatever its box says; no camera, no writes.
    page->EnableControls(false);
    EXPECT_FALSE(page->Edit_FTPfixedFileName->isEnabled());
    EXPECT_FALSE(page->BitBtn7->isEnabled());
    EXPECT_FALSE(page->CheckBox_start->isEnabled());
    page->EnableControls(true);
    EXPECT_TRUE(page->Edit_FTPfixedFileName->isEnabled());
    page->camera = nullptr;
    page->Edit_FTPIP->setText("elsewhere");
    page->SaveToCamera();
    page->BitBtn1Click();
    EXPECT_EQ(s.ftpHost.get(), "ftp.example.com");
    EXPECT_EQ(page->browser().PendingJobs(), 0);
}

TEST_F(FtpPageTest, TheStartSwitchAndTheBrowserNeedHostAndPort) {
    StartProgram({kCamera}, 0);
    StartCamera(kCamera, 0, [](CDataClass& r) { StoreLive(r.ftpEnabled, 1); });
    // Loaded on with no host: the switch's check refuses it, so saving turns upload off.
    OpenPage();
    EXPECT_FALSE(page->CheckBox_start->isChecked());
    QCoreApplication::processEvents();
    const QString needed = LanguageText(9000);
    ASSERT_FALSE(needed.isEmpty());
    EXPECT_EQ(messages, QStringList{needed});
    EXPECT_FALSE(page->CheckBox_start->isChecked());
    page->SaveToCamera();
    EXPECT_EQ(Live(cameras[0]->settings->ftpEnabled), 0);

    page->BitBtn7->click();
    EXPECT_FALSE(page->PanelFTPWizart->isVisibleTo(page));
    page->Edit_FTPIP->setText("127.0.0.1");
    page->Edit_FTPPORT->clear();
    page->CheckBox_start->click();
    EXPECT_FALSE(page->CheckBox_start->isChecked());
    EXPECT_EQ(messages.size(), 3);
    page->Edit_FTPPORT->setText("21");
    page->CheckBox_start->click();
    EXPECT_TRUE(page->CheckBox_start->isChecked());
    page->CheckBox_start->click();  // unchecking needs nothing
    EXPECT_FALSE(page->CheckBox_start->isChecked());
    EXPECT_EQ(messages.size(), 3);
    page->CheckBox_start->click();
    page->SaveToCamera();
    EXPECT_EQ(Live(cameras[0]->settings->ftpEnabled), 1);

    // The browser starts at the stored folder; only its take button puts a folder back.
    page->Edit_FTPDIR->setText("/pub/");
    page->BitBtn7->click();
    EXPECT_TRUE(page->PanelFTPWizart->isVisibleTo(page));
    EXPECT_EQ(page->Edit_FTPDIR_SHOW->text(), "/pub/");
    page->Edit_FTPDIR_SHOW->setText("/other/");
    page->SpeedButton1->click();
    EXPECT_FALSE(page->PanelFTPWizart->isVisibleTo(page));
    EXPECT_EQ(page->Edit_FTPDIR->text(), "/pub/");
    page->BitBtn7->click();
    page->Edit_FTPDIR_SHOW->setText("/other/");
    page->SpeedButton2->click();
    EXPECT_EQ(page->Edit_FTPDIR->text(), "/other/");
    EXPECT_EQ(messages.size(), 3);
}

TEST_F(FtpPageTest, BrowsesARealServerAndTheTestStoresFivePicturesInTheChosenFolder) {
    FtpServer server;
    ASSERT_GT(server.port(), 0);
    QDir(server.root()).mkpath("pub/cam 1/日本");
    QDir(server.root()).mkpath("相机");
    test::WriteFile(server.root() + "/pub/readme.txt", "r");
    StartProgram({kCamera}, 0);
    UsbCamera* cam = StartCamera(kCamera, 0, Server("127.0.0.1", server.portText()));
    ASSERT_TRUE(Streaming(cam));
    OpenPage();

    page->BitBtn7->click();
    page->BitBtn5->click();
    EXPECT_FALSE(page->BitBtn5->isEnabled());
    EXPECT_TRUE(page->Animate2->isVisibleTo(page));
    ASSERT_TRUE(Quiet());
    EXPECT_TRUE(page->BitBtn5->isEnabled());
    ASSERT_EQ(page->TreeView1->topLevelItemCount(), 1);
    QTreeWidgetItem* root = page->TreeView1->topLevelItem(0);
    EXPECT_EQ(root->text(0), "/");
    QTreeWidgetItem* pub = Child(root, "pub");
    ASSERT_TRUE(pub && Child(root, "相机"));
    EXPECT_EQ(TFrame_Panel6::NodeIcon(pub), TFrame_Panel6::kFolderIcon);

    Click(pub);
    EXPECT_EQ(page->Edit_FTPDIR_SHOW->text(), "/pub/");
    ASSERT_TRUE(Quiet());
    QTreeWidgetItem* readme = Child(pub, "readme.txt");
    ASSERT_TRUE(readme);
    EXPECT_EQ(TFrame_Panel6::NodeIcon(readme), TFrame_Panel6::kFileIcon);
    Click(readme);  // a file is no folder to pick
    EXPECT_EQ(page->Edit_FTPDIR_SHOW->text(), "/pub/");
    QTreeWidgetItem* deep = OpenPath(pub, {"cam 1", "日本"});
    ASSERT_TRUE(deep);
    const int listings = server.Count("MLSD");
    Click(deep);
    Click(pub);  // listed already: shown again, not listed again
    EXPECT_EQ(page->Edit_FTPDIR_SHOW->text(), "/pub/");
    Click(deep);
    ASSERT_TRUE(Quiet());
    EXPECT_EQ(server.Count("MLSD"), listings);
    EXPECT_EQ(page->Edit_FTPDIR_SHOW->text(), "/pub/cam 1/日本/");

    page->BitBtn1->click();
    EXPECT_FALSE(page->BitBtn1->isEnabled());
    ASSERT_TRUE(FtpServer::WaitFor([&] { return page->BitBtn1->isEnabled(); }));
    ASSERT_TRUE(Quiet());
    const QString newest = test::FrameCallback(cam).snapshots.newestPath;
    const QString name = QFileInfo(newest).fileName();
    EXPECT_EQ(LogLines().count("upload file is ok."), 5) << LogLines().join('\n');
    EXPECT_EQ(LogLines().first(), "upload file is ok.");
    EXPECT_FALSE(page->ListViewLog->topLevelItem(0)->text(1).isEmpty());
    EXPECT_EQ(server.Count("STOR " + name), 5);
    EXPECT_EQ(test::ReadFile(server.root() + "/pub/cam 1/日本/" + name), test::ReadFile(newest));
    EXPECT_GE(test::FrameCallback(cam).uploadList.Count(),
              1);                           // a test picture waits for the upload too
    EXPECT_EQ(server.Count("CONNECT"), 1);  // one login for the whole visit

    // Logging in again rebuilds the tree from one root, on the connection that is open.
    page->BitBtn5->click();
    ASSERT_TRUE(Quiet());
    ASSERT_EQ(page->TreeView1->topLevelItemCount(), 1);
    EXPECT_EQ(page->TreeView1->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(Child(Child(page->TreeView1->topLevelItem(0), "pub"), "cam 1"), nullptr);
    EXPECT_EQ(server.Count("CONNECT"), 1);
    ASSERT_TRUE(OpenPath(page->TreeView1->topLevelItem(0), {"pub", "cam 1", "日本"}));
    EXPECT_EQ(page->Edit_FTPDIR_SHOW->text(), "/pub/cam 1/日本/");
    if (const QString shots = qEnvironmentVariable("TRELVIX_SHOTS"); !shots.isEmpty()) {
        window->show();
        EXPECT_TRUE(window->grab().save(shots + "/ftp-browser-server.png"));
    }
    page->SpeedButton2->click();
    page->SaveToCamera();
    EXPECT_EQ(cam->settings->ftpFolder.get(), "/pub/cam 1/日本/");
    window.reset();
    EXPECT_TRUE(FtpServer::WaitFor([&] { return server.Count("QUIT") == 1; }));
}

TEST_F(FtpPageTest, AServerThatIsDownSlowOrRefusingGivesALineAndTheWindowKeepsAnswering) {
    const int closed = test::FreePort();
    // Started before the watch: a server's start-up is the test's wait, not the window's.
    FtpServer refusing;
    FtpServer hung({"--hang", "MLSD"});
    ASSERT_GT(refusing.port(), 0);
    ASSERT_GT(hung.port(), 0);
    StartProgram({kCamera}, 0);
    UsbCamera* cam = StartCamera(kCamera, 0, Server("127.0.0.1", QString::number(closed)));
    OpenPage();
    page->BitBtn7->click();
    page->Edit_FTPDIR_SHOW->setText("/");
    page->BitBtn1->click();
    ASSERT_TRUE(FtpServer::WaitFor([&] { return page->BitBtn1->isEnabled(); }));
    ASSERT_TRUE(Quiet());
    EXPECT_EQ(LogLines().filter(QRegularExpression("^Login: ")).size(), 1) << LogLines().join('\n');
    EXPECT_EQ(LogLines().count("upload file is ok."), 0);
    EXPECT_EQ(test::FrameCallback(cam).uploadList.Count(), 0);  // no picture without a login

    page->Edit_FTPPORT->setText("99999");
    page->BitBtn5->click();
    ASSERT_TRUE(Quiet());
    EXPECT_EQ(LogLines().first(), LanguageText(30200).arg("99999"));
    EXPECT_TRUE(page->BitBtn5->isEnabled());
    EXPECT_EQ(page->TreeView1->topLevelItemCount(), 0);

    page->Edit_FTPPORT->setText(refusing.portText());
    page->Edit_FTPPASSWORD->setText("wrong");
    page->BitBtn5->click();
    ASSERT_TRUE(Quiet());
    EXPECT_TRUE(LogLines().first().contains("530")) << LogLines().first();

    // A server that stops answering: the window goes on, and closing it does not wait for it.
    page->Edit_FTPPORT->setText(hung.portText());
    page->Edit_FTPPASSWORD->setText("s3cret");
    page->BitBtn5->click();
    ASSERT_TRUE(FtpServer::WaitFor([&] { return hung.Count("MLSD") == 1; }));
    const uint64_t frames = cam->view().framesDelivered();
    ASSERT_TRUE(test::WaitFor([&] { return cam->view().framesDelivered() > frames + 3; }));
    EXPECT_TRUE(page->Animate2->isVisibleTo(page));
    EXPECT_FALSE(page->BitBtn5->isEnabled());
    window.reset();
    EXPECT_TRUE(
        FtpServer::WaitFor([&] { return test::ReadFile(hung.logPath()).contains("CLOSE"); }));
}

// Every text of the page and its browser shows whole in both shipped languages. With
// TRELVIX_SHOTS set, the window is saved there as ftp-<language>.png and ftp-browser-<...>.png.
TEST_F(FtpPageTest, TextsShowWholeInEnglishAndChinese) {
    const QString shots = qEnvironmentVariable("TRELVIX_SHOTS");
    for (const auto& [index, name] : {std::pair{0, "en"}, std::pair{1, "cn"}}) {
        StartProgram({"test:ball:320x240@10"}, 0);
        ASSERT_TRUE(gOption->LoadLanguageModule(index));
        StartCamera("test:ball:320x240@10", 0, Server("127.0.0.1", "21"));
        OpenPage();
        window->show();
        // The page shows the camera's live picture without the motion region's test.
        EXPECT_EQ(cameras[0]->view().previewNotifyWindow(), page);
        EXPECT_FALSE(cameras[0]->view().regionTestMode());
        ASSERT_TRUE(test::WaitFor([&] { return page->Panel6->LatestFrame() != nullptr; }));
        for (const bool browser : {false, true}) {
            if (browser) page->BitBtn7->click();
            QCoreApplication::processEvents();
            for (QWidget* w : page->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(page)) continue;
                const auto* label = qobject_cast<QLabel*>(w);
                const bool text = (label && !label->wordWrap() && !label->text().isEmpty()) ||
                                  qobject_cast<QAbstractButton*>(w);
                if (text && (w->width() < w->sizeHint().width() ||
                             w->height() < w->minimumSizeHint().height())) {
                    ADD_FAILURE() << name << ": " << w->objectName().toStdString() << " "
                                  << w->width() << " < " << w->sizeHint().width();
                }
            }
            const QString file =
                QString("%1/ftp%2-%3.png").arg(shots, browser ? "-browser" : "", name);
            if (!shots.isEmpty()) {
                EXPECT_TRUE(window->grab().save(file)) << file;
            }
        }
        TearDown();
    }
}
