// The settings record of one camera and its binary file.
#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>

#include "common/SyncValue.h"

namespace trelvix {

// The 92-byte font image of the camera file; an all-zero font means the system's default font.
struct LogFontW {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char16_t lfFaceName[32] = {};

    bool operator==(const LogFontW&) const = default;
};
static_assert(sizeof(LogFontW) == 92);

// Three colour bytes in the order the member's table gives (R,G,B for text, B,G,R for lines).
struct Colour3 {
    uint8_t c0 = 0, c1 = 0, c2 = 0;
    bool operator==(const Colour3&) const = default;
};

using SyncText = SyncValue<QString>;

// What the motion check looks for.
enum MotionMode : int32_t {
    kMotionArea = 0,    // more than a share of the region changed
    kMotionObject = 1,  // a moving object of at least a set size anywhere in the region
};

class CDataClass {
public:
    // Longest text the file keeps, in UTF-16 code units.
    static constexpr int kMaxTextUnits = 255;

    CDataClass() = default;

    // Reads the camera's file from the user folder; a missing, short or damaged file leaves
    // defaults for what it does not hold. False when an existing file could not be read.
    bool Load(int cameraId);
    // Writes the whole file (temporary file and rename, owner-only: it holds the FTP password).
    bool Save();
    // The same two on explicit paths and bytes, for the file itself.
    void LoadFromBytes(const QByteArray& bytes);
    QByteArray SaveToBytes() const;

    // 0 capture device, 1 network stream, 2 screen, 3 IP camera.
    int SourceKind() const;

    // The camera's picture or video folder of a day, ending in "/", created when missing;
    // throws FolderError("Cannot create temp directory.") when it cannot be made.
    QString DayImageFolder(const QDate& date) const;
    QString DayVideoFolder(const QDate& date) const;

    // Members, in declaration order with their defaults.
    int32_t spareInt1 = 0;
    uint8_t spareFlag2 = 1;
    int32_t spareInt2 = 29;
    int32_t spareInt3 = 2227;
    int32_t broadcastMaxClients = 2;
    int32_t broadcastPort = 8080;
    int32_t broadcastSizeIndex = 0;
    int32_t broadcastFpsIndex = 29;
    int32_t broadcastBitrateKbps = 1335;
    uint8_t broadcastAudio = 0;
    int32_t orientation = 0;
    int32_t spareInt4 = 0;
    uint8_t autoRecord = 1;
    uint8_t ftpEnabled = 0;
    SyncText ftpHost;
    SyncText ftpPort{QStringLiteral("21")};
    SyncText ftpUser;
    SyncText ftpPassword;
    SyncText ftpFolder;
    uint8_t ftpDateFolders = 0;
    uint8_t ftpUseFixedName = 0;
    SyncText ftpFixedFileName;
    uint8_t ftpMotionPictures = 0;
    int32_t ftpUploadSeconds = 120;
    int32_t ftpBatchSize = 30;
    int32_t ftpIntervalSeconds = 5;
    int32_t xvidCompress = 15;
    int32_t xvidQuant = 4;
    int32_t segmentMinutes = 30;
    int32_t recordFrameRate = 10;
    int32_t softBrightness = 0;
    int32_t spareInt5 = 0;
    int32_t softContrast = 0;
    int32_t imageBrightness = -1;
    int32_t imageContrast = -1;
    int32_t imageSaturation = -1;
    int32_t imageHue = -1;
    int32_t imageSharpness = -1;
    int32_t imageGamma = -1;
    SyncText settingsPath;
    SyncText spareText2;
    SyncText spareText1;
    SyncText spareText3;
    SyncText deviceFriendlyName;
    SyncText deviceId;
    int32_t cameraId = 0;
    SyncText videoFolder;
    SyncText imageFolder;
    SyncText caption{QStringLiteral("noset")};
    int32_t captionX = 0;
    int32_t captionY = 0;
    SyncValue<LogFontW> captionFont;
    Colour3 captionColour{255, 0, 0};
    uint8_t showTime = 0;
    int32_t timeFormat = 0;
    int32_t timeX = 0;
    int32_t timeY = 20;
    SyncValue<LogFontW> timeFont;
    Colour3 timeColour{255, 0, 0};
    int32_t motionAreaPercent = 50;
    int32_t motionSensitivity = 8;
    int32_t motionLeft = 20;
    int32_t motionTop = 20;
    int32_t motionRight = 200;
    int32_t motionBottom = 200;
    int32_t motionMarkColour = 3;
    uint8_t motionEnabled = 0;
    uint8_t spareFlag = 0;
    int32_t motionIntervalSeconds = 2;
    uint8_t rulerShow = 0;
    int32_t ruler5Row = 230;
    Colour3 ruler5Colour{0, 0, 255};
    int32_t ruler10Row = 130;
    Colour3 ruler10Colour{0, 255, 255};
    uint8_t shutterSound = 1;
    SyncText shutterSoundFile{QStringLiteral("拍照咔嚓.WAV")};
    uint8_t motionSound = 1;
    SyncText motionSoundFile{QStringLiteral("欢迎光临.WAV")};
    uint8_t motionNoPicture = 0;
    uint8_t motionRunProgram = 0;
    SyncText motionProgramPath;
    SyncText motionProgramParams;
    int32_t motionProgramShow = 0;
    uint8_t motionRecord = 0;
    int32_t motionRecordStopSeconds = 20;
    // Kept in the INI, not in the camera file, whose layout is fixed.
    int32_t motionMode = 0;        // MotionMode
    int32_t motionMinSize = 5;     // the smallest moving object, per mille of the picture
    uint8_t motionPeople = 0;      // motion counts only when a person moves
    int32_t recordCodec = 0;       // VideoCodec (record/Ymp4.h): 0 MPEG-4, 1 H.264
    int32_t preMotionSeconds = 5;  // a motion recording begins this long before the motion
    // Not in the camera file: kept in the INI file (config/BroadcastAccess.h).
    SyncText broadcastPassword;
    uint8_t broadcastLocalOnly = 0;

private:
    bool LoadIniItems();
    bool SaveIniItems() const;

    QString DayFolder(const QString& root, const QDate& date, const char* word) const;
};

// The camera file as one table of items in file order, each naming the members it holds. Load and
// save walk it, so the order is written once; item-by-item copies can walk it too.
struct CameraFileInts {  // int32 values, read whole or not at all
    std::array<int32_t CDataClass::*, 6> members{};
    int count = 0;
    std::optional<int32_t> loadsAs;  // when set, load gives the member this, never the stored value

    std::span<int32_t CDataClass::*const> Members() const {
        return {members.data(), size_t(count)};
    }
};
struct CameraFileText {  // int32 byte length + UTF-16LE, at most CDataClass::kMaxTextUnits
    SyncText CDataClass::*member = nullptr;
    const char16_t* emptyValue = u"";  // what a length <= 0 gives; null keeps the member as it was
};
using CameraFileItem = std::variant<CameraFileInts, uint8_t CDataClass::*, CameraFileText,
                                    SyncValue<LogFontW> CDataClass::*, Colour3 CDataClass::*>;

// All 74 items; motionEnabled is in it twice (items 13 and 47), settingsPath and cameraId not.
std::span<const CameraFileItem> CameraFileItems();

// A number of a running camera's record, read whole: the settings window replaces numbers
// while camera threads read them, without a lock (see StoreLive).
template <typename T>
T Live(const T& field) {
    return std::atomic_ref<T>(const_cast<T&>(field)).load(std::memory_order_relaxed);
}
template <typename T>
void StoreLive(T& field, T value) {
    std::atomic_ref<T>(field).store(value, std::memory_order_relaxed);
}

// The record file of a camera: user folder + decimal id + ".bin".
QString CameraSettingsPath(int cameraId);

}  // namespace trelvix
