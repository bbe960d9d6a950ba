// A camera's settings follow its device through every grid build: exclusions, devices that
// come and go, and a new order.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "capture/Usbcamera.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "support/StartupSettings.h"
#include "host/CameraCell.h"
#include "host/CameraHost.h"

using namespace trelvix;

namespace {

const QString kA = "test:ball:160x120@10";
const QString kB = "test:smpte:160x120@10";
const QString kC = "test:zone:160x120@10";
const QString kD = "test:snow:160x120@10";
QStringList gDevices;

class CameraRecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureUserFolder();
        for (const QString& f : QDir(UserFolder()).entryList({"[0-9]*.bin"}))
            QFile::remove(UserFolder() + f);
        ini = dir.path() + "/kvCamera.ini";
        test::WriteGrid(ini, 2, 2);
        QFile::remove(UserFolder() + "device.bin");
        // Each device's own record: its caption and brightness name it.
        const QStringList ids = {kA, kB, kC};
        for (int i = 0; i < 3; ++i) {
            CDataClass rec;
            rec.cameraId = i;
            rec.deviceId = ids[i];
            rec.caption = "cam " + ids[i].section(':', 1, 1);
            StoreLive(rec.imageBrightness, 10 * (i + 1));
            ASSERT_TRUE(rec.Save());
        }
        gDevices = {kA, kB, kC};
        Option::SetDeviceEnumerator([](QStringList* ids, QStringList* names) {
            *ids = gDevices;
            *names = gDevices;
        });
        startup.Load(ini);
        for (int i = 0; i < 4; ++i) panels.push_back(std::make_unique<HeadlessPanel>(i));
        for (auto& p : panels) cells.push_back(p.get());
    }
    void TearDown() override {
        host.reset();
        startup.Drop();
        Option::SetDeviceEnumerator(nullptr);
    }
    // The grid built again with `devices` present and `excluded` left out.
    void Rebuild(const QStringList& devices, const QStringList& excluded) {
        if (!host) host = std::make_unique<CameraHost>(startup.Take());
        gOption->excludedDevices = excluded;
        host->TearDownGrid();
        gDevices = devices;
        host->BuildGrid();
        host->CreateCameras(cells);
    }
    // Per cell: the device and the caption and brightness its camera got.
    std::string Grid() const {
        QStringList out;
        for (int i = 0; i < 4; ++i) {
            UsbCamera* cam = host->camera(i);
            if (!cam) break;
            out << QString("%1=%2/%3")
                       .arg(cam->settings->deviceId.get().section(':', 1, 1),
                            cam->settings->caption.get())
                       .arg(Live(cam->settings->imageBrightness));
        }
        return out.join(", ").toStdString();
    }

    QTemporaryDir dir;
    QString ini;
    std::vector<std::unique_ptr<HeadlessPanel>> panels;
    std::vector<CameraCell*> cells;
    trelvix::test::StartupSettings startup;
    std::unique_ptr<CameraHost> host;
};

}  // namespace

TEST_F(CameraRecordsTest, SettingsFollowTheDeviceNotTheSlot) {
    Rebuild({kA, kB, kC}, {});
    EXPECT_EQ(Grid(), "ball=cam ball/10, smpte=cam smpte/20, zone=cam zone/30");

    // Excluded, the middle one's record waits; the next device keeps its own.
    Rebuild({kA, kB, kC}, {kB});
    EXPECT_EQ(Grid(), "ball=cam ball/10, zone=cam zone/30");

    // A new device gets the defaults (the brightness its source reports); the excluded one comes
    // back with its settings.
    Rebuild({kD, kA, kB, kC}, {});
    EXPECT_EQ(Grid(), "snow=0#/50, ball=cam ball/10, smpte=cam smpte/20, zone=cam zone/30");

    // Unplugged and plugged in again in another order: each keeps its own.
    Rebuild({kC, kD}, {});
    EXPECT_EQ(Grid(), "zone=cam zone/30, snow=0#/50");
    Rebuild({kB, kA, kC}, {});
    EXPECT_EQ(Grid(), "smpte=cam smpte/20, ball=cam ball/10, zone=cam zone/30");
}
