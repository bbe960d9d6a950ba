// The broadcast page: repairs of stored values, the test broadcast with its two addresses and
// the end of the broadcast with the window.
#include <QTcpServer>
#include <QTcpSocket>

#include <QFile>

#include "broadcast/Broadcast.h"
#include "config/IniFile.h"
#include "settings/SettingsFixture.h"
#include "settings/Unit_Panel7.h"
#include "support/CameraInternals.h"
#include "support/RawHttpClient.h"

using namespace trelvix;
using trelvix::test::RawClient;
using trelvix::test::SettingsFixture;
using trelvix::test::WaitFor;

namespace {

// Answers every request with `reply` as the caller's public address; none when empty.
class AddressService {
public:
    explicit AddressService(QByteArray reply) {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this, reply] {
            QTcpSocket* s = server.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::disconnected, [this] { ++closed; });
            if (reply.isEmpty()) return;
            QObject::connect(s, &QTcpSocket::readyRead, s, [s, reply] {
                s->readAll();
                s->write("HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(reply.size()) +
                         "\r\n\r\n" + reply);
                s->disconnectFromHost();
            });
        });
        SetAddressServiceUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort()));
    }
    QTcpServer server;
    int closed = 0;  // connections the asker ended
};

class BroadcastPageTest : public SettingsFixture {
protected:
    void TearDown() override {
        SettingsFixture::TearDown();
        SetErrorMessageHandler(nullptr);
    }
    TFrame_Panel7* OpenPage() {
        page = Open()->broadcastPage;
        ShowPage(4);
        page->openUrl = [this](const QUrl& url) {
            opened << url.toString();
            return true;
        };
        return page;
    }
    TFrame_Panel7* page = nullptr;
    QStringList opened;
};

}  // namespace

TEST_F(BroadcastPageTest, StoredValuesOutOfRangeAreRepairedInTheRecordAtOnce) {
    StartProgram({"test:black:320x240@10"});
    CDataClass& s = *cameras[0]->settings;
    StoreLive(s.broadcastFpsIndex, 30);
    StoreLive(s.broadcastBitrateKbps, 100);
    StoreLive(s.broadcastSizeIndex, 7);
    StoreLive(s.broadcastPort, 9090);
    StoreLive(s.broadcastMaxClients, 5);
    OpenPage();
    EXPECT_EQ(page->ComboBox_profile_fps->currentText(), "5 FPS");
    EXPECT_EQ(Live(s.broadcastFpsIndex), 4);
    EXPECT_EQ(page->TrackBar_BitRate->value(), 1335);
    EXPECT_EQ(page->Label_profile_BitRate_value->text(), "1335kbps");
    EXPECT_EQ(Live(s.broadcastBitrateKbps), 1335);
    EXPECT_EQ(page->ComboBox_profile->currentText(), "100%");
    EXPECT_EQ(Live(s.broadcastSizeIndex), 7);  // only saving stores the list's choice
    EXPECT_EQ(page->Edit_port->text(), "9090");
    EXPECT_EQ(page->CSpinEdit_maxClient->value(), 5);
    EXPECT_FALSE(page->AddressesShown());
    EXPECT_TRUE(cameras[0]->view().regionTestMode());

    StoreLive(s.broadcastBitrateKbps, 2227);
    StoreLive(s.broadcastFpsIndex, -1);
    page->LoadFromCamera();
    EXPECT_EQ(Live(s.broadcastBitrateKbps), 2227);
    EXPECT_EQ(Live(s.broadcastFpsIndex), 4);
    page->TrackBar_BitRate->setValue(800);
    EXPECT_EQ(page->Label_profile_BitRate_value->text(), "800kbps");
    EXPECT_EQ(Live(s.broadcastBitrateKbps), 2227);  // the bar is stored by the save

    page->Edit_port->clear();
    page->ComboBox_profile->setCurrentIndex(3);
    page->SaveToCamera();
    EXPECT_EQ(Live(s.broadcastPort), 0);
    EXPECT_EQ(Live(s.broadcastSizeIndex), 3);
    EXPECT_EQ(Live(s.broadcastBitrateKbps), 800);
    EXPECT_TRUE(cameras[0]->view().regionTestMode());  // saving leaves the preview alone
}

TEST_F(BroadcastPageTest, TheTestButtonStartsAndStopsAndTheWindowEndsTheBroadcast) {
    AddressService service("203.0.113.7");
    UsbCamera* cam = StartProgram({"test:black:320x240@10"});
    ASSERT_TRUE(Streaming(cam));
    OpenPage();
    page->Edit_port->setText("0");  // a free port
    page->BitBtn5->click();
    ASSERT_TRUE(cam->broadcast().IsBroadcasting());
    const int port = cam->broadcast().broadcastEngine().Port();
    EXPECT_TRUE(page->AddressesShown());
    EXPECT_EQ(page->Label_LocalIP->text(), BroadcastPrivateUrl(port));
    EXPECT_EQ(page->Edit_port->text(), QString::number(port));
    const QString expected = QStringLiteral("mms://203.0.113.7:%1").arg(port);
    EXPECT_TRUE(WaitFor([&] { return page->Label_publicIP->text() == expected; }, 5000));
    page->SpeedButton1->click();
    page->SpeedButton2->click();
    EXPECT_EQ(opened, QStringList({expected, BroadcastPrivateUrl(port)}));

    page->BitBtn5->click();
    EXPECT_FALSE(cam->broadcast().IsBroadcasting());
    EXPECT_TRUE(cam->HasGraph());
    EXPECT_FALSE(page->AddressesShown());

    page->BitBtn5->click();
    ASSERT_TRUE(cam->broadcast().IsBroadcasting());
    ShowPage(0);  // it runs on while other pages are shown
    EXPECT_TRUE(cam->broadcast().IsBroadcasting());
    window->done(QDialog::Accepted);
    EXPECT_FALSE(cam->broadcast().IsBroadcasting());
    EXPECT_TRUE(cam->HasGraph());
}

TEST_F(BroadcastPageTest, WithoutAPublicAddressOrAStartTheFieldsSayNothingWrong) {
    AddressService silent("");
    UsbCamera* cam = StartProgram({"test:black:320x240@10"});
    ASSERT_TRUE(Streaming(cam));
    QStringList errors;
    SetErrorMessageHandler([&](const QString& text) { errors << text; });
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
    OpenPage();
    page->Edit_port->setText(QString::number(taken.serverPort()));
    page->BitBtn5->click();
    EXPECT_FALSE(cam->broadcast().IsBroadcasting());
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(page->AddressesShown());  // shown, with what the camera holds: nothing
    EXPECT_EQ(page->Label_LocalIP->text(), "");
    EXPECT_EQ(page->Label_publicIP->text(), "");
    EXPECT_FALSE(page->SpeedButton1->isEnabled());

    page->Edit_port->setText("0");
    page->BitBtn5->click();
    ASSERT_TRUE(cam->broadcast().IsBroadcasting());
    // The service never answers: both starts' questions end with their time-out.
    ASSERT_TRUE(WaitFor([&] { return silent.closed == 2; }));
    EXPECT_EQ(page->Label_publicIP->text(), "");
    EXPECT_FALSE(page->SpeedButton1->isEnabled());
    EXPECT_TRUE(page->SpeedButton2->isEnabled());
}

TEST_F(BroadcastPageTest, AViewerPasswordAndThisComputerOnlyReachTheServerAndTheIniFile) {
    AddressService service("203.0.113.7");
    UsbCamera* cam = StartProgram({"test:black:320x240@10"});
    ASSERT_TRUE(Streaming(cam));
    OpenPage();
    EXPECT_FALSE(page->CheckBox_password->isChecked());  // open to the local network, as before
    EXPECT_FALSE(page->Edit_password->isEnabled());
    EXPECT_EQ(page->ComboBox_reach->currentIndex(), 1);
    page->CheckBox_password->setChecked(true);
    EXPECT_TRUE(page->Edit_password->isEnabled());
    page->Edit_password->setText("gate keeper");
    page->ComboBox_reach->setCurrentIndex(0);
    page->Edit_port->setText("0");
    page->BitBtn5->click();
    ASSERT_TRUE(cam->broadcast().IsBroadcasting());
    const int port = cam->broadcast().broadcastEngine().Port();
    EXPECT_EQ(page->Label_LocalIP->text(), QStringLiteral("mms://127.0.0.1:%1").arg(port));
    RawClient stranger(port, "/");
    EXPECT_TRUE(stranger.ReadUntil([&] { return stranger.closed; }));
    EXPECT_TRUE(stranger.data.startsWith("HTTP/1.0 401 Unauthorized\r\n"));
    RawClient viewer(port, "/", 0,
                     "Authorization: Basic " + QByteArray("me:gate keeper").toBase64() + "\r\n");
    EXPECT_TRUE(viewer.ReadUntil([&] { return viewer.total > 4000; }));
    EXPECT_TRUE(viewer.data.startsWith("HTTP/1.0 200 OK\r\n"));

    window->done(QDialog::Accepted);
    IniFile ini;
    ASSERT_TRUE(ini.Load(option->iniPath));
    EXPECT_EQ(ini.Value("Broadcast", "Password0").value_or(""), "gate keeper");
    EXPECT_EQ(ini.Value("Broadcast", "LocalOnly0").value_or(""), "True");
    EXPECT_EQ(QFile::permissions(option->iniPath) &
                  (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup),
              0);
    window.reset();
    OpenPage();
    EXPECT_TRUE(page->CheckBox_password->isChecked());
    EXPECT_EQ(page->Edit_password->text(), "gate keeper");
    EXPECT_EQ(page->ComboBox_reach->currentIndex(), 0);
}

// With TRELVIX_SHOTS set to a folder: pictures of the page after a test start, in English and
// Chinese, for a person to look at.
TEST_F(BroadcastPageTest, PicturesOfThePageWithBothAddresses) {
    const QString shots = qEnvironmentVariable("TRELVIX_SHOTS");
    if (shots.isEmpty()) GTEST_SKIP() << "TRELVIX_SHOTS not set";
    AddressService service("203.0.113.7");
    ASSERT_TRUE(Streaming(StartProgram({"test:ball:320x240@15"})));
    for (const auto& [language, name] : {std::pair{0, "en"}, std::pair{1, "cn"}}) {
        option->LoadLanguageModule(language);
        OpenPage();
        window->resize(980, 640);
        window->show();
        page->Edit_port->setText("0");
        page->BitBtn5->click();
        WaitFor([&] { return !page->Label_publicIP->text().isEmpty(); }, 5000);
        const uint64_t frames = cameras[0]->view().framesDelivered();
        WaitFor([&] { return cameras[0]->view().framesDelivered() > frames + 5; });  // previewed
        EXPECT_TRUE(window->grab().save(shots + "/broadcast-" + name + ".png"));
        window->done(QDialog::Accepted);
        window.reset();
    }
}
