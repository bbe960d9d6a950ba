#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

#include "capture/Usbcamera.h"
#include "config/Cdataclass.h"
#include "config/Folders.h"
#include "support/Bytes.h"
#include "support/TestFiles.h"

using namespace trelvix;
using trelvix::test::Bytes;

namespace {

// The defaults of the member table, in file order.
Bytes DefaultFile() {
    Bytes b;
    b.text("").text("").text("").text("").text("noset").i32(0).i32(0).zeros(92).rgb(255, 0, 0);
    b.i32(50).i32(8).i32(20).i32(20).i32(200).i32(200).i32(3).u8(0).i32(2);
    b.text("").text("").u8(0).text("").u8(0).i32(0).i32(0).i32(20).zeros(92).rgb(255, 0, 0);
    b.u8(1).text(QStringLiteral("拍照咔嚓.WAV")).u8(1).text(QStringLiteral("欢迎光临.WAV"));
    b.u8(0).u8(0).text("").text("").i32(0).u8(0).i32(20);
    b.i32(2).i32(8080).i32(0).u8(0).i32(29).i32(1335);
    b.i32(0).u8(1).i32(29).i32(2227).i32(0).i32(0).u8(0).u8(1).i32(0).i32(0).i32(0);
    b.u8(0).i32(5).u8(0).u8(0).text("").text("").text("21").text("").text("").text("");
    b.i32(120).i32(30).u8(0).i32(15).i32(4).i32(30);
    b.u8(0).i32(230).rgb(0, 0, 255).i32(130).rgb(0, 255, 255).i32(10);
    for (int i = 0; i < 6; ++i) b.i32(-1);
    return b;
}

QString ItemText(int item) {
    return "t" + QString::number(item);
}

// A file whose every value names the item it sits in: item n holds the byte n, the text "tn",
// int32 values 100n, 100n + 1, ..., a font of height n, or the colour bytes n, n + 1, n + 2.
// emptyTexts: every text stored empty instead, alternately with length 0 and -2.
Bytes NumberedFile(bool emptyTexts = false, std::vector<int>* starts = nullptr) {
    // The items in file order: T text, B byte, F font, C colour, a digit that many int32s.
    constexpr std::string_view kinds =
        "TTTTT2FC11"
        "41B1TTBTB1"
        "2FCBTBTBBT"
        "T1B1111B11"
        "1B1111BB11"
        "1B1BBTTTTT"
        "T11B111B1C"
        "1C16";
    static_assert(kinds.size() == 74);
    Bytes b;
    if (starts) starts->assign(1, 0);  // items count from 1
    for (int n = 1; n <= 74; ++n) {
        if (starts) starts->push_back(b.data.size());
        const char kind = kinds[n - 1];
        if (kind == 'T' && emptyTexts)
            b.i32(n % 2 ? 0 : -2);
        else if (kind == 'T')
            b.text(ItemText(n));
        else if (kind == 'B')
            b.u8(n);
        else if (kind == 'C')
            b.rgb(n, n + 1, n + 2);
        else if (kind == 'F') {
            b.i32(n);
            for (int i = 0; i < 88; ++i) b.u8(n + i);
        } else {
            for (int k = 0; k < kind - '0'; ++k) b.i32(100 * n + k);
        }
    }
    return b;
}

// As call arguments, long lists of uneven items pack into few lines (braced lists would not).
template <typename T, typename... A>
std::vector<T> VectorOf(A... values) {
    return {T(values)...};
}

// The record's texts in file order, their items, and the items whose text, stored empty, stays
// as it was.
std::vector<const SyncText*> Texts(const CDataClass& r) {
    return VectorOf<const SyncText*>(
        &r.deviceFriendlyName, &r.deviceId, &r.videoFolder, &r.imageFolder, &r.caption,
        &r.spareText1, &r.spareText2, &r.spareText3, &r.shutterSoundFile, &r.motionSoundFile,
        &r.motionProgramPath, &r.motionProgramParams, &r.ftpFixedFileName, &r.ftpHost, &r.ftpPort,
        &r.ftpUser, &r.ftpPassword, &r.ftpFolder);
}
constexpr int kTextItems[] = {1, 2, 3, 4, 5, 15, 16, 18, 25, 27, 30, 31, 56, 57, 58, 59, 60, 61};
constexpr bool KeptWhenEmpty(int item) {
    return item <= 4 || item == 15 || item == 16 || item == 18;
}

}  // namespace

TEST(CDataClassFile, DefaultRecordMatchesTheFormatTable) {
    CDataClass rec;
    const QByteArray bytes = rec.SaveToBytes();
    EXPECT_EQ(bytes.toHex(), DefaultFile().data.toHex());
    // 457 bytes plus two per code unit of the texts ("noset", the two sound names, "21").
    EXPECT_EQ(bytes.size(), 457 + 2 * (5 + 8 + 8 + 2));
}

TEST(CDataClassFile, EmptyTextsKeepOrClearAsEachItemSays) {
    CDataClass rec;
    rec.deviceId = "kept-id";
    rec.videoFolder = "/kept/video";
    rec.spareText2 = "kept2";
    // The default file with an empty caption: items 1-5 all empty.
    QByteArray file = DefaultFile().data;
    file.replace(0, 4 * 4 + 4 + 10, Bytes().text("").text("").text("").text("").text("").data);
    rec.LoadFromBytes(file);
    EXPECT_EQ(rec.deviceId.get(), "kept-id");
    EXPECT_EQ(rec.videoFolder.get(), "/kept/video");
    EXPECT_EQ(rec.spareText2.get(), "kept2");
    EXPECT_EQ(rec.caption.get(), "");  // an empty caption stays empty

    // ftpPort written empty reads as "21"; a negative length counts as empty.
    CDataClass withPort;
    withPort.ftpPort = "";
    withPort.ftpHost = "host";
    CDataClass loaded;
    loaded.ftpPort = "999";
    loaded.LoadFromBytes(withPort.SaveToBytes());
    EXPECT_EQ(loaded.ftpPort.get(), "21");
    EXPECT_EQ(loaded.ftpHost.get(), "host");

    // A text that ends at its first unit counts as empty too, so a save changes nothing more.
    withPort.ftpPort = QString(QChar(0)) + "x";
    withPort.deviceId = QString(QChar(0));
    CDataClass nulLed;
    nulLed.deviceId = "kept-id";
    nulLed.LoadFromBytes(withPort.SaveToBytes());
    EXPECT_EQ(nulLed.ftpPort.get(), "21");
    EXPECT_EQ(nulLed.deviceId.get(), "kept-id");
    CDataClass again;
    again.LoadFromBytes(nulLed.SaveToBytes());
    EXPECT_EQ(again.SaveToBytes(), nulLed.SaveToBytes());
}

TEST(CDataClassFile, ShortOrDamagedFilesKeepDefaultsForWhatIsMissing) {
    std::vector<int> start;
    const QByteArray file = NumberedFile(false, &start).data;
    // Truncated after item 40: items 1-40 load, the rest keep defaults.
    CDataClass rec;
    rec.LoadFromBytes(file.left(start[41]));
    EXPECT_EQ(Live(rec.broadcastBitrateKbps), 4000);
    EXPECT_EQ(Live(rec.spareInt1), 0);
    EXPECT_EQ(Live(rec.motionEnabled), 13);  // item 47, the second copy, is missing
    EXPECT_EQ(Live(rec.autoRecord), 1);
    EXPECT_EQ(rec.ftpPort.get(), "21");
    EXPECT_EQ(Live(rec.imageGamma), -1);

    // Cut inside a multi-value item: the whole item keeps its defaults.
    CDataClass half;
    half.LoadFromBytes(file.left(start[11] + 8));  // half of item 11
    EXPECT_EQ(Live(half.motionSensitivity), 1000);
    EXPECT_EQ(Live(half.motionLeft), 20);
    EXPECT_EQ(Live(half.motionTop), 20);

    // A length running past the end of the file, and garbage.
    CDataClass runaway;
    runaway.LoadFromBytes(Bytes().text("ok").i32(0x7fffffff).utf16("xx").data);
    EXPECT_EQ(runaway.deviceFriendlyName.get(), "ok");
    EXPECT_EQ(runaway.deviceId.get(), "");
    EXPECT_EQ(runaway.caption.get(), "noset");
    CDataClass garbage;
    garbage.deviceId = "kept";
    garbage.LoadFromBytes(QByteArray(3000, '\xff'));  // every length reads as -1: texts kept
    EXPECT_EQ(garbage.deviceId.get(), "kept");
    EXPECT_EQ(Live(garbage.motionAreaPercent), 50);
}

TEST(CDataClassFile, EveryMemberLoadsFromItsOwnItemAndSavesBackInPlace) {
    std::vector<int> start;
    const QByteArray file = NumberedFile(false, &start).data;
    CDataClass r;
    r.LoadFromBytes(file);
    // In file order; an int32 value is 100 × its item + its place in the item.
    const auto ints = VectorOf<int32_t>(
        Live(r.captionX), Live(r.captionY), Live(r.motionAreaPercent), Live(r.motionSensitivity),
        Live(r.motionLeft), Live(r.motionTop), Live(r.motionRight), Live(r.motionBottom),
        Live(r.motionMarkColour), Live(r.motionIntervalSeconds), Live(r.timeFormat), Live(r.timeX),
        Live(r.timeY), Live(r.motionProgramShow), Live(r.motionRecordStopSeconds),
        Live(r.broadcastMaxClients), Live(r.broadcastPort), Live(r.broadcastSizeIndex),
        Live(r.broadcastFpsIndex), Live(r.broadcastBitrateKbps), Live(r.spareInt1),
        Live(r.spareInt2), Live(r.spareInt3), Live(r.orientation), Live(r.spareInt4),
        Live(r.softBrightness), Live(r.spareInt5), Live(r.softContrast), Live(r.ftpIntervalSeconds),
        Live(r.ftpUploadSeconds), Live(r.ftpBatchSize), Live(r.xvidCompress), Live(r.xvidQuant),
        Live(r.segmentMinutes), Live(r.ruler5Row), Live(r.ruler10Row), Live(r.recordFrameRate),
        Live(r.imageBrightness), Live(r.imageContrast), Live(r.imageSaturation), Live(r.imageHue),
        Live(r.imageSharpness), Live(r.imageGamma));
    EXPECT_EQ(ints,
              VectorOf<int32_t>(600, 601, 50, 1000, 1100, 1101, 1102, 1103, 1200, 1400, 2000, 2100,
                                2101, 3200, 3400, 3500, 3600, 3700, 3900, 4000, 4100, 4300, 4400,
                                4500, 4600, 4900, 5000, 5100, 5300, 6200, 6300, 6500, 6600, 6700,
                                6900, 7100, 7300, 7400, 7401, 7402, 7403, 7404, 7405));
    // motionEnabled holds item 47, the second copy.
    const auto bytes = VectorOf<int>(
        Live(r.motionEnabled), Live(r.spareFlag), Live(r.showTime), Live(r.shutterSound),
        Live(r.motionSound), Live(r.motionNoPicture), Live(r.motionRunProgram),
        Live(r.motionRecord), Live(r.broadcastAudio), Live(r.spareFlag2), Live(r.autoRecord),
        Live(r.ftpEnabled), Live(r.ftpDateFolders), Live(r.ftpUseFixedName),
        Live(r.ftpMotionPictures), Live(r.rulerShow));
    EXPECT_EQ(bytes,
              (std::vector<int>{47, 17, 19, 24, 26, 28, 29, 33, 38, 42, 48, 52, 54, 55, 64, 68}));
    const std::vector<const SyncText*> texts = Texts(r);
    ASSERT_EQ(texts.size(), std::size(kTextItems));
    for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i]->get(), ItemText(kTextItems[i]));
    EXPECT_EQ(r.captionFont.get().lfHeight, 7);
    EXPECT_EQ(r.timeFont.get().lfHeight, 22);
    EXPECT_EQ(Live(r.captionColour), (Colour3{8, 9, 10}));
    EXPECT_EQ(Live(r.timeColour), (Colour3{23, 24, 25}));
    EXPECT_EQ(Live(r.ruler5Colour), (Colour3{70, 71, 72}));
    EXPECT_EQ(Live(r.ruler10Colour), (Colour3{72, 73, 74}));

    // Only item 9 (read as 50) and item 13 (the one member, last set by item 47) change.
    QByteArray expected = file;
    expected.replace(start[9], 4, Bytes().i32(50).data);
    expected[start[13]] = 47;
    EXPECT_EQ(r.SaveToBytes().toHex(), expected.toHex());
}

TEST(CDataClassFile, EveryTextStoredEmptyIsKeptOrClearedAsItsItemSays) {
    CDataClass r;
    r.LoadFromBytes(NumberedFile().data);
    r.LoadFromBytes(NumberedFile(true).data);
    const std::vector<const SyncText*> texts = Texts(r);
    for (size_t i = 0; i < texts.size(); ++i) {
        const int item = kTextItems[i];
        const QString cleared = texts[i] == &r.ftpPort ? "21" : "";
        EXPECT_EQ(texts[i]->get(), KeptWhenEmpty(item) ? ItemText(item) : cleared) << item;
    }
}

TEST(CDataClassFile, LongTextsAreCutAt255CodeUnits) {
    CDataClass rec;
    const QString t255(255, QChar(u'字'));
    rec.caption = t255;
    rec.motionProgramPath = QString(400, QLatin1Char('p'));
    CDataClass back;
    back.LoadFromBytes(rec.SaveToBytes());
    EXPECT_EQ(back.caption.get(), t255);
    EXPECT_EQ(back.motionProgramPath.get(), QString(255, QLatin1Char('p')));

    // A foreign file with a 600-byte text: cut, and the items after it still line up.
    Bytes b;
    b.i32(600).utf16(QString(300, QLatin1Char('x')));
    b.text("/dev/video1");
    CDataClass foreign;
    foreign.LoadFromBytes(b.data);
    EXPECT_EQ(foreign.deviceFriendlyName.get(), QString(255, QLatin1Char('x')));
    EXPECT_EQ(foreign.deviceId.get(), "/dev/video1");
    // A text stops at its first NUL.
    CDataClass nul;
    nul.LoadFromBytes(Bytes().i32(8).utf16(QStringLiteral("ab")).i32(0).data);
    EXPECT_EQ(nul.deviceFriendlyName.get(), "ab");
}

TEST(CDataClassRecord, SourceKindIgnoresLetterCase) {
    CDataClass rec;
    const std::pair<const char*, int> cases[] = {
        {"MMS://cam", 1}, {"HTTP://cam/x", 1}, {"http:", 1}, {"IPCam:1", 3},     {"Screen", 2},
        {"screen2", 0},   {"/dev/video0", 0},  {"", 0},      {"https://cam", 0},
    };
    for (auto [id, kind] : cases) {
        rec.deviceId = QString::fromLatin1(id);
        EXPECT_EQ(rec.SourceKind(), kind) << id;
    }
}

TEST(CDataClassRecord, DayFoldersAreBuiltOnceWithOneSeparator) {
    QTemporaryDir dir;
    CDataClass rec;
    rec.cameraId = 0;
    rec.imageFolder = dir.path() + "/Cam";
    const QDate day(2015, 3, 5);
    const QString expected = dir.path() + "/Cam/00/20150305Image/";
    EXPECT_EQ(rec.DayImageFolder(day), expected);
    EXPECT_TRUE(QDir(expected).exists());
    rec.imageFolder = dir.path() + "/Cam/";
    EXPECT_EQ(rec.DayImageFolder(day), expected);
    rec.cameraId = 123;
    rec.videoFolder = dir.path();
    EXPECT_EQ(rec.DayVideoFolder(QDate(2014, 6, 18)), dir.path() + "/123/20140618Video/");

    // A root that is a file cannot hold folders.
    rec.videoFolder = test::WriteFile(dir.path() + "/file");
    EXPECT_THROW(rec.DayVideoFolder(day), FolderError);
    try {
        rec.DayVideoFolder(day);
    } catch (const FolderError& e) {
        EXPECT_STREQ(e.what(), "Cannot create temp directory.");
    }
}

TEST(CDataClassRecord, CameraSavesItsRecordOnlyWhenDestroyed) {
    EnsureUserFolder();
    const QString path = UserFolder() + "3.bin";
    QFile::remove(path);
    {
        UsbCamera cam(nullptr, nullptr, nullptr, "/dev/video3", 3);
        EXPECT_EQ(cam.settings->caption.get(), "3#");
        EXPECT_FALSE(QFile::exists(path));
    }
    ASSERT_TRUE(QFile::exists(path));
    // It holds the FTP password: owner only.
    EXPECT_EQ(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther), 0);
    CDataClass rec;
    rec.Load(3);
    EXPECT_EQ(rec.deviceId.get(), "/dev/video3");
    EXPECT_EQ(rec.caption.get(), "3#");
    EXPECT_EQ(rec.settingsPath.get(), path);
    EXPECT_EQ(Live(rec.autoRecord), 1);

    // An empty caption stays empty: only "noset" is replaced.
    rec.caption = "";
    rec.Save();
    UsbCamera again(nullptr, nullptr, nullptr, "/dev/video3", 3);
    EXPECT_EQ(again.settings->caption.get(), "");
}

TEST(CDataClassRecord, MotionAndRecordingChoicesLiveInTheIniBesideOtherLines) {
    EnsureUserFolder();
    const QString ini = UserFolder() + "kvCamera.ini";
    QFile::remove(ini);
    test::WriteFile(ini,
                    "[Settings]\nLang=7\n[Motion]\nMode5=OBJECT\nMinSize5=abc\n"
                    "Mode6=object\n[Recording]\nCodec5=H264\nPreMotion5=45\n");
    CDataClass rec;
    EXPECT_EQ(Live(rec.recordCodec), 0);  // MPEG-4 and 5 s unless chosen
    EXPECT_EQ(Live(rec.preMotionSeconds), 5);
    rec.Load(5);
    EXPECT_EQ(Live(rec.recordCodec), 1);
    EXPECT_EQ(Live(rec.preMotionSeconds), 30);
    StoreLive(rec.recordCodec, 0);
    EXPECT_EQ(Live(rec.motionMode), kMotionObject);
    EXPECT_EQ(Live(rec.motionMinSize), 5) << "a value that does not read keeps the default";
    StoreLive(rec.motionMode, kMotionArea);
    StoreLive(rec.motionMinSize, 2000);  // beyond the picture: kept as stored, clamped when read
    ASSERT_TRUE(rec.Save());
    CDataClass again;
    again.Load(5);
    EXPECT_EQ(Live(again.motionMode), kMotionArea);
    EXPECT_EQ(Live(again.motionMinSize), 1000);
    const QString text = QString::fromUtf8(test::ReadFile(ini));
    for (const char* kept : {"Lang=7", "Mode6=object", "Mode5=area", "Codec5=mpeg4"})
        EXPECT_TRUE(text.contains(kept)) << kept;
    QFile::remove(ini);
    QFile::remove(UserFolder() + "5.bin");
}

TEST(CDataClassRecord, BroadcastAccessIsKeptPerCameraInTheIniFileForTheOwnerOnly) {
    EnsureUserFolder();
    const QString ini = UserFolder() + "kvCamera.ini";
    const QByteArray before = "[Settings]\nLang=0\n";
    ASSERT_TRUE(QFile::setPermissions(test::WriteFile(ini, before),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther));
    CDataClass rec;
    rec.Load(5);
    EXPECT_EQ(rec.broadcastPassword.get(), "");  // open, on every address, as before
    EXPECT_EQ(Live(rec.broadcastLocalOnly), 0);
    rec.Save();
    EXPECT_EQ(test::ReadFile(ini), before) << "an open broadcast leaves the file alone";

    rec.broadcastPassword = " pa=ss \"w\xC3\xB6rd\" ";
    StoreLive(rec.broadcastLocalOnly, 1);
    ASSERT_TRUE(rec.Save());
    EXPECT_EQ(QFile::permissions(ini) & (QFileDevice::ReadGroup | QFileDevice::ReadOther), 0);
    EXPECT_TRUE(test::ReadFile(ini).startsWith(before));
    EXPECT_TRUE(test::ReadFile(ini).contains("[Broadcast]\nPassword5="));
    CDataClass again, other;
    again.Load(5);
    other.Load(6);
    EXPECT_EQ(again.broadcastPassword.get(), rec.broadcastPassword.get());
    EXPECT_EQ(Live(again.broadcastLocalOnly), 1);
    EXPECT_EQ(other.broadcastPassword.get(), "");
    EXPECT_EQ(Live(other.broadcastLocalOnly), 0);
    QFile::remove(ini);
}
