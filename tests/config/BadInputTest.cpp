// Settings files as users and full disks leave them: nothing stored is lost, nothing absurd
// is believed.
#include <QFile>
#include <gtest/gtest.h>

#include "config/Cdataclass.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

using namespace trelvix;
using trelvix::test::FileSizeLimit;

namespace {

class BadInputTest : public test::FolderTest {
protected:
    const QString ini = folder + "kvCamera.ini";
};

}  // namespace

TEST_F(BadInputTest, AFullDiskLeavesEverySettingsFileAsItWas) {
    EnsureUserFolder();
    {
        Option opt(ini);
        opt.password = "secret";
        opt.passwordOn = 1;
        opt.excludedDevices = {"/dev/video7"};
        opt.requestedRows = 2;
    }
    CDataClass record;
    record.cameraId = 0;
    record.caption = "Front door";
    ASSERT_TRUE(record.Save());
    const QString recordPath = CameraSettingsPath(0);
    const QByteArray recordBefore = test::ReadFile(recordPath);
    const QByteArray iniBefore = Read("kvCamera.ini"), configBefore = Read("config.bin"),
                     devicesBefore = Read("device.bin");
    ASSERT_FALSE(iniBefore.isEmpty() || recordBefore.isEmpty());
    {
        FileSizeLimit full(4);  // lives until after the exit's save
        Option opt(ini);
        opt.password = "changed";
        opt.excludedDevices << "/dev/video8";
        opt.requestedRows = 3;
        EXPECT_FALSE(opt.SaveSettings());
        EXPECT_FALSE(opt.SaveExcludedDevices());
        record.caption = "Back door";
        EXPECT_FALSE(record.Save());
    }
    EXPECT_EQ(Read("kvCamera.ini"), iniBefore);
    EXPECT_EQ(Read("config.bin"), configBefore);
    EXPECT_EQ(Read("device.bin"), devicesBefore);
    EXPECT_EQ(test::ReadFile(recordPath), recordBefore);
}

TEST_F(BadInputTest, GridSizesAreBoundedWithoutOverflow) {
    for (const auto& [rows, cols, wantRows, wantCols] :
         std::vector<std::tuple<QString, QString, int, int>>{{"50000", "50000", 8, 8},
                                                             {"2147483647", "1", 8, 1},
                                                             {"65536", "65536", 8, 8},
                                                             {"-3", "3", 1, 3}}) {
        Write("kvCamera.ini",
              ("[Settings]\nCameraRows=" + rows + "\nCameraCols=" + cols + "\n").toUtf8());
        Option opt(ini);
        EXPECT_EQ(opt.gridRows, wantRows) << rows.toStdString();
        EXPECT_EQ(opt.gridCols, wantCols) << cols.toStdString();
        EXPECT_EQ(opt.cellCount(), wantRows * wantCols);
        EXPECT_FALSE(opt.GridChanged());
    }
}

TEST_F(BadInputTest, HistoryDaysBelowOneCountAsOne) {
    Write("kvCamera.ini", "[Settings]\nhistoryDays=-1\n");
    Option opt(ini);
    EXPECT_EQ(opt.historyDays, 1);
}

TEST_F(BadInputTest, Utf16SettingsAreReadAndWrittenBackAsUtf8) {
    const QString text =
        "[Settings]\r\nCameraRows=2\r\nstart_powon=False\r\nPowerOff_day=a,b\r\n"
        "PowerOff_time=\"12:00\r\n";
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    Write("kvCamera.ini", utf16);
    {
        Option opt(ini);
        EXPECT_EQ(opt.gridRows, 2);
        EXPECT_FALSE(opt.startWithComputer);
        // Commas and a lone quote are part of the text.
        EXPECT_EQ(opt.powerOffDay, "a,b");
        EXPECT_EQ(opt.powerOffTime, "\"12:00");
        QFile::remove(opt.startupShortcutPath());
    }
    const QByteArray saved = Read("kvCamera.ini");
    EXPECT_TRUE(saved.startsWith("[Settings]"));
    EXPECT_TRUE(saved.contains("PowerOff_day=a,b\n"));
    EXPECT_TRUE(saved.contains("PowerOff_time=\"12:00\n"));
    Option again(ini);
    EXPECT_EQ(again.powerOffDay, "a,b");
    EXPECT_FALSE(QFile::exists(again.startupShortcutPath()));
}

TEST_F(BadInputTest, LoneCarriageReturnsEndSettingsLinesSoASaveChangesNothing) {
    Write("kvCamera.ini", "[Settings]\rCameraRows=3\r\rCameraCols=2\r\r\nhistoryDays=9\r");
    {
        Option opt(ini);
        EXPECT_EQ(opt.gridRows, 3);
        EXPECT_EQ(opt.gridCols, 2);
        EXPECT_EQ(opt.historyDays, 9);
        QFile::remove(opt.startupShortcutPath());
    }
    const QByteArray saved = Read("kvCamera.ini");
    EXPECT_FALSE(saved.contains('\r'));
    { Option again(ini); }
    EXPECT_EQ(Read("kvCamera.ini"), saved);
}

TEST_F(BadInputTest, APasswordIsKeptUnitForUnitEvenWhenItLooksLikeAByteOrderMark) {
    QByteArray block("\x01\x00", 2);
    block += QByteArray("\xFE\xFF\x61\x00\xFF\xFE\x62\x00", 8);  // U+FFFE a U+FEFF b
    block += QByteArray(108 - block.size(), '\0');
    Write("config.bin", block);
    {
        Option opt(ini);
        const QChar units[] = {QChar(0xFFFE), QChar('a'), QChar(0xFEFF), QChar('b')};
        EXPECT_EQ(opt.password, QString(units, 4));
        QFile::remove(opt.startupShortcutPath());
    }
    EXPECT_EQ(Read("config.bin").toHex(), block.toHex());
}

TEST_F(BadInputTest, ALongDeviceListIsKeptWholeAndAnAbsurdOneIsLeftAlone) {
    QByteArray list;
    for (int i = 0; i < 30000; ++i)
        list += QStringLiteral("/dev/v4l/by-id/usb-camera-%1-video-index0\n").arg(i).toUtf8();
    ASSERT_GT(list.size(), 1024 * 1024);
    Write("device.bin", list);
    {
        Option opt(ini);
        EXPECT_EQ(opt.excludedDevices.size(), 30000);
    }
    EXPECT_EQ(Read("device.bin"), list);

    QByteArray absurd(40 * 1024 * 1024, 'x');
    Write("device.bin", absurd);
    {
        Option opt(ini);
        EXPECT_TRUE(opt.excludedDevices.isEmpty());
    }
    EXPECT_EQ(Read("device.bin").size(), absurd.size());  // not cut, not replaced
}

TEST_F(BadInputTest, DeviceListLineEndsOfEitherKindGiveTheSameIdentifiersAfterASave) {
    Write("device.bin", "test:ball\r\n/dev/video1\r\r\nUSB\\VID_046D\r");
    QStringList first;
    {
        Option opt(ini);
        first = opt.excludedDevices;
    }
    EXPECT_EQ(first, (QStringList{"test:ball", "/dev/video1", "USB\\VID_046D"}));
    Option again(ini);
    EXPECT_EQ(again.excludedDevices, first);
}
