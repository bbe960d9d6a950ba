#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/Clock.h"
#include "common/TextConv.h"
#include "config/Folders.h"
#include "config/IniFile.h"
#include "config/Option.h"
#include "lang/TextIds.h"
#include "support/Bytes.h"
#include "support/TestFiles.h"

using namespace trelvix;
using trelvix::test::Bytes;

namespace {

// Each test gets an empty settings folder of its own.
class OptionTest : public test::FolderTest {
protected:
    void TearDown() override {
        Option::SetDeviceEnumerator(nullptr);
        Option::SetCommandRunner(nullptr);
        Option::SetPasswordPrompt(nullptr);
        SetClockForTesting(nullptr);
    }
    void WriteIni(const QString& body) { test::WriteFile(ini, body.toUtf8()); }
    QString IniValue(const char* key) {
        IniFile file;
        file.Load(ini);
        return file.Value("Settings", key).value_or(QString());
    }

    const QString ini = folder + "kvCamera.ini";
};

}  // namespace

TEST_F(OptionTest, FirstStartTakesTheDefaultsAndWritesThemBack) {
    {
        Option opt(ini);
        EXPECT_EQ(opt.gridRows, 1);
        EXPECT_EQ(opt.gridCols, 1);
        EXPECT_NE(opt.languageIndex, 9999);  // resolved from the system language
        EXPECT_EQ(opt.LogPath, folder);      // "log" does not exist yet
        EXPECT_EQ(opt.historyDays, 7);
        EXPECT_EQ(opt.diskSpaceLimitMB, 500);
        EXPECT_EQ(opt.passwordOn, 0);
        EXPECT_TRUE(opt.startWithComputer);
        EXPECT_EQ(opt.powerOffDay, DateToShortText(QDate::currentDate()));
        EXPECT_EQ(opt.powerOffTime, "00:00:00");
        EXPECT_EQ(opt.lastCleanupDate.date(), QDate(2000, 1, 1));
        EXPECT_FALSE(opt.GridChanged());
    }
    EXPECT_EQ(Read("config.bin"), QByteArray(108, '\0'));
    EXPECT_TRUE(QFile::exists(folder + "device.bin"));
    EXPECT_EQ(IniValue("CameraRows"), "1");
    EXPECT_EQ(IniValue("systray"), "False");
    EXPECT_EQ(IniValue("diskspaceLimited"), "500");
    EXPECT_EQ(IniValue("LogPath"), folder);
    EXPECT_EQ(QFile::permissions(folder + "config.bin") &
                  (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              0);
}

TEST_F(OptionTest, IniValuesAreConvertedAndBadOnesReadAsMissing) {
    QDir().mkdir(folder + "log");
    WriteIni(
        "[Settings]\nCameraRows=0\nCameraCols=-4\nhistoryDays=abc\ndiskspaceLimited= 800 \n"
        "Lang=7\nsystray=1\nstart_powon=true\nPowerOff_time=12:30:00\nTopWindow=yes\n");
    {
        Option opt(ini);
        EXPECT_EQ(opt.gridRows, 1);
        EXPECT_EQ(opt.gridCols, 1);
        EXPECT_EQ(opt.historyDays, 7);
        EXPECT_EQ(opt.diskSpaceLimitMB, 800);
        EXPECT_EQ(opt.languageIndex, 7);
        EXPECT_TRUE(opt.minimizeToTray);
        EXPECT_EQ(opt.LogPath, folder + "log/");
        // Switches are read once; a text that is no boolean is the default.
        EXPECT_FALSE(opt.topWindow);
        EXPECT_TRUE(opt.startWithComputer);
    }
    EXPECT_EQ(IniValue("CameraRows"), "1");
    EXPECT_EQ(IniValue("CameraCols"), "1");
    EXPECT_EQ(IniValue("historyDays"), "7");
    EXPECT_EQ(IniValue("systray"), "True");
    EXPECT_EQ(IniValue("PowerOff_time"), "12:30:00");

    WriteIni("[Settings]\nsystray=maybe\n");
    Option opt(ini);
    EXPECT_FALSE(opt.minimizeToTray);
}

TEST_F(OptionTest, DamagedIniKeepsWhatCanBeRead) {
    QByteArray junk =
        "[Settings]\nCameraRows=3\n\x01\x02\xff\xfe garbage ===\n[[[\nhistoryDays=12\n";
    junk += QByteArray(5000, '\xfa');
    Write("kvCamera.ini", junk);
    {
        Option opt(ini);
        EXPECT_EQ(opt.gridRows, 3);
    }
    // Written back whole: what was read survives, the rest takes its defaults.
    EXPECT_EQ(IniValue("CameraRows"), "3");
    EXPECT_EQ(IniValue("diskspaceLimited"), "500");
}

TEST_F(OptionTest, RequestedGridIsStoredButTakesEffectOnTheNextCreation) {
    {
        Option opt(ini);
        opt.requestedRows = 2;
        opt.requestedCols = 3;
        EXPECT_TRUE(opt.GridChanged());
        EXPECT_EQ(opt.gridRows, 1);
        opt.SaveSettings();
        EXPECT_EQ(IniValue("CameraRows"), "2");
    }
    Option again(ini);
    EXPECT_EQ(again.gridRows, 2);
    EXPECT_EQ(again.gridCols, 3);
    EXPECT_EQ(again.cellCount(), 6);
}

TEST_F(OptionTest, ConfigBinLayout) {
    // passwordOn, one zero byte, 20 UTF-16LE units of password, 66 reserved bytes.
    Bytes block;
    block.u8(1).u8(0).utf16("pa ss").zeros(30);
    for (int i = 0; i < 66; ++i) block.u8(i + 100);
    ASSERT_EQ(block.data.size(), 108);
    Write("config.bin", block.data);
    {
        Option opt(ini);
        EXPECT_EQ(opt.passwordOn, 1);
        EXPECT_EQ(opt.password, "pa ss");
        opt.password = QStringLiteral("新密码");
    }
    Bytes expected;
    expected.u8(1).u8(0).utf16(QStringLiteral("新密码")).zeros(34);
    for (int i = 0; i < 66; ++i) expected.u8(i + 100);
    EXPECT_EQ(Read("config.bin").toHex(), expected.data.toHex());

    // 107 bytes: ignored as a whole, and the next save writes a full block.
    Write("config.bin", block.data.left(107));
    {
        Option opt(ini);
        EXPECT_EQ(opt.passwordOn, 0);
        EXPECT_EQ(opt.password, "");
    }
    EXPECT_EQ(Read("config.bin").size(), 108);

    // Oversized: the first 108 bytes count.
    Write("config.bin", block.data + QByteArray(500, 'x'));
    Option big(ini);
    EXPECT_EQ(big.password, "pa ss");
}

TEST_F(OptionTest, ExcludedDevicesAreSkippedAndTheGridCapsTheList) {
    Option::SetDeviceEnumerator([](QStringList* ids, QStringList* names) {
        *ids = {"/dev/video0", "/dev/video1", "/dev/video2"};
        *names = {"Cam A", "Cam B", "Cam C"};
    });
    Write("device.bin", "/dev/video0\r\n");
    {
        Option opt(ini);
        EXPECT_EQ(opt.excludedDevices, QStringList{"/dev/video0"});
        EXPECT_EQ(opt.deviceCount, 1);
        EXPECT_EQ(opt.deviceIds, QStringList{"/dev/video1"});
        EXPECT_EQ(opt.deviceNames, QStringList{"Cam B"});
        EXPECT_EQ(opt.allDeviceIds.size(), 3);
        opt.excludedDevices.append("/dev/video2");
    }
    EXPECT_EQ(Read("device.bin"), "/dev/video0\n/dev/video2\n");
    WriteIni("[Settings]\nCameraRows=2\nCameraCols=2\n");
    Write("device.bin", "");
    Option grid(ini);
    EXPECT_EQ(grid.deviceCount, 3);
}

TEST_F(OptionTest, StartupShortcutFollowsTheSwitch) {
    Option opt(ini);
    const QString path = opt.startupShortcutPath();
    QFile::remove(path);
    opt.startWithComputer = true;
    opt.UpdateStartupShortcut();
    const QString text = QString::fromUtf8(test::ReadFile(path));
    EXPECT_TRUE(text.startsWith("[Desktop Entry]"));
    EXPECT_TRUE(text.contains("Exec=\"" + QCoreApplication::applicationFilePath() + "\""));
    opt.startWithComputer = false;
    opt.UpdateStartupShortcut();
    EXPECT_FALSE(QFile::exists(path));
}

// An entry is only replaced when the program it starts is gone (moved build, removed
// package); one the user pointed at an existing program stays.
TEST_F(OptionTest, StartupEntryOfAVanishedProgramIsRewritten) {
    Option opt(ini);
    const QString path = opt.startupShortcutPath();
    auto read = [&] { return QString::fromUtf8(test::ReadFile(path)); };
    opt.startWithComputer = true;

    test::WriteFile(path, "[Desktop Entry]\nExec=\"" + folder.toUtf8() + "gone/trelvix\"\n");
    EXPECT_TRUE(opt.UpdateStartupShortcut());
    const QString self = QCoreApplication::applicationFilePath();
    EXPECT_TRUE(read().contains("Exec=\"" + self + "\"")) << read().toStdString();
    EXPECT_TRUE(read().contains("TryExec=" + self + "\n"));

    const QByteArray edited = "[Desktop Entry]\nExec=/bin/sh -c true\n";
    test::WriteFile(path, edited);
    opt.UpdateStartupShortcut();
    EXPECT_EQ(read(), QString::fromUtf8(edited));
    test::WriteFile(path, "[Desktop Entry]\nExec=trelvix --headless\n");
    opt.UpdateStartupShortcut();
    EXPECT_TRUE(read().contains("Exec=trelvix --headless"));
}

TEST_F(OptionTest, PowerOffFiresInTheLastMinuteBeforeItsTime) {
    QDateTime now(QDate(2024, 5, 10), QTime(21, 59, 10));
    SetClockForTesting([&] { return now; });
    Option opt(ini);
    opt.powerOff = true;
    opt.powerOffDaily = false;
    opt.powerOffDay = DateToShortText(QDate(2024, 5, 10));
    opt.powerOffTime = "22:00:00";
    EXPECT_TRUE(opt.IsPowerOffTime());
    now.setTime(QTime(21, 58, 59));
    EXPECT_FALSE(opt.IsPowerOffTime());
    now.setTime(QTime(22, 0, 0));
    EXPECT_TRUE(opt.IsPowerOffTime());
    now.setTime(QTime(22, 0, 1));
    EXPECT_FALSE(opt.IsPowerOffTime());

    // A one-time power-off for tomorrow does not fire today; a daily one does.
    now.setTime(QTime(21, 59, 30));
    opt.powerOffDay = DateToShortText(QDate(2024, 5, 11));
    EXPECT_FALSE(opt.IsPowerOffTime());
    opt.powerOffDaily = true;
    EXPECT_TRUE(opt.IsPowerOffTime());
    // Unreadable values never fire.
    opt.powerOffTime = "late";
    EXPECT_FALSE(opt.IsPowerOffTime());
    opt.powerOffTime = "22:00:00";
    opt.powerOff = false;
    EXPECT_FALSE(opt.IsPowerOffTime());
    opt.powerOff = true;
    opt.powerOffDaily = false;
    opt.powerOffDay = "not a date";
    EXPECT_FALSE(opt.IsPowerOffTime());
}

TEST_F(OptionTest, ShutdownCommandRunsOnlyWhenTheProgramExists) {
    QStringList calls;
    Option::SetCommandRunner([&](const QString& program, const QStringList& args) {
        calls << program + " " + args.join(' ');
        return true;
    });
    Option opt(ini);
    SetActiveLanguage(opt.languageModule.get());  // the comment is in the user's language
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8());
    opt.RunShutdownCommand();
    EXPECT_TRUE(calls.isEmpty());
    QFile::setPermissions(Write("shutdown", "#!/bin/sh\nexit 0\n"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    opt.RunShutdownCommand();
    qputenv("PATH", oldPath);
    ASSERT_EQ(calls.size(), 1);
    const QString comment = LanguageText(text::kTheSurveillanceProgramHasClosedThe);
    SetActiveLanguage(nullptr);
    EXPECT_FALSE(comment.isEmpty());
    EXPECT_EQ(calls[0], folder + "shutdown -P +1 " + comment);
}

TEST_F(OptionTest, AccessCheckAsksOnlyWhenProtectionIsOn) {
    int prompts = 0;
    QString asked;
    Option::SetPasswordPrompt([&](QObject*, const QString& password) {
        ++prompts;
        asked = password;
        return password == "Secret";
    });
    Option opt(ini);
    EXPECT_TRUE(opt.CheckAccess(nullptr));
    EXPECT_EQ(prompts, 0);
    opt.passwordOn = 1;
    opt.password = "Secret";
    EXPECT_TRUE(opt.CheckAccess(nullptr));
    EXPECT_EQ(asked, "Secret");
    opt.password = "other";
    EXPECT_FALSE(opt.CheckAccess(nullptr));
    EXPECT_EQ(prompts, 2);
}

TEST_F(OptionTest, TheStoredLanguageSetsTheDirectionOfTheWindows) {
    WriteIni("[Settings]\nLang=11\n");
    {
        Option o(ini);
        EXPECT_EQ(o.LanguageText(231), QStringLiteral("موافق"));
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        o.LoadLanguageModule(7);
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        o.LoadLanguageModule(11);
        // No module at all leaves empty texts, written left to right.
        QTemporaryDir empty;
        SetLanguageFolder(empty.path());
        o.LoadLanguageModule(11);
        SetLanguageFolder(QString());
        EXPECT_EQ(o.LanguageText(231), "");
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }
    // Portuguese and Vietnamese, which the system language picks, have modules of their own.
    for (const char* lang : {"12", "14"}) {
        WriteIni(QStringLiteral("[Settings]\nLang=%1\n").arg(lang));
        Option o(ini);
        EXPECT_EQ(o.LanguageText(228), lang == QLatin1String("12") ? "Linhas" : "Hàng");
    }
}
