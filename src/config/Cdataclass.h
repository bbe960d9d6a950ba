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

#include "common/LiveNumber.h"
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
    LiveNumber<int32_t> spareInt1{0};
    LiveNumber<uint8_t> spareFlag2{1};
    LiveNumber<int32_t> spareInt2{29};
    LiveNumber<int32_t> spareInt3{2227};
    LiveNumber<int32_t> broadcastMaxClients{2};
    LiveNumber<int32_t> broadcastPort{8080};
    LiveNumber<int32_t> broadcastSizeIndex{0};
    LiveNumber<int32_t> broadcastFpsIndex{29};
    LiveNumber<int32_t> broadcastBitrateKbps{1335};
    LiveNumber<uint8_t> broadcastAudio{0};
    LiveNumber<int32_t> orientation{0};
    LiveNumber<int32_t> spareInt4{0};
    LiveNumber<uint8_t> autoRecord{1};
    LiveNumber<uint8_t> ftpEnabled{0};
    SyncText ftpHost;
    SyncText ftpPort{QStringLiteral("21")};
    SyncText ftpUser;
    SyncText ftpPassword;
    SyncText ftpFolder;
    LiveNumber<uint8_t> ftpDateFolders{0};
    LiveNumber<uint8_t> ftpUseFixedName{0};
    SyncText ftpFixedFileName;
    LiveNumber<uint8_t> ftpMotionPictures{0};
    LiveNumber<int32_t> ftpUploadSeconds{120};
    LiveNumber<int32_t> ftpBatchSize{30};
    LiveNumber<int32_t> ftpIntervalSeconds{5};
    LiveNumber<int32_t> xvidCompress{15};
    LiveNumber<int32_t> xvidQuant{4};
    LiveNumber<int32_t> segmentMinutes{30};
    LiveNumber<int32_t> recordFrameRate{10};
    LiveNumber<int32_t> softBrightness{0};
    LiveNumber<int32_t> spareInt5{0};
    LiveNumber<int32_t> softContrast{0};
    LiveNumber<int32_t> imageBrightness{-1};
    LiveNumber<int32_t> imageContrast{-1};
    LiveNumber<int32_t> imageSaturation{-1};
    LiveNumber<int32_t> imageHue{-1};
    LiveNumber<int32_t> imageSharpness{-1};
    LiveNumber<int32_t> imageGamma{-1};
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
    LiveNumber<int32_t> captionX{0};
    LiveNumber<int32_t> captionY{0};
    SyncValue<LogFontW> captionFont;
    LiveNumber<Colour3> captionColour{Colour3{255, 0, 0}};
    LiveNumber<uint8_t> showTime{0};
    LiveNumber<int32_t> timeFormat{0};
    LiveNumber<int32_t> timeX{0};
    LiveNumber<int32_t> timeY{20};
    SyncValue<LogFontW> timeFont;
    LiveNumber<Colour3> timeColour{Colour3{255, 0, 0}};
    LiveNumber<int32_t> motionAreaPercent{50};
    LiveNumber<int32_t> motionSensitivity{8};
    LiveNumber<int32_t> motionLeft{20};
    LiveNumber<int32_t> motionTop{20};
    LiveNumber<int32_t> motionRight{200};
    LiveNumber<int32_t> motionBottom{200};
    LiveNumber<int32_t> motionMarkColour{3};
    LiveNumber<uint8_t> motionEnabled{0};
    LiveNumber<uint8_t> spareFlag{0};
    LiveNumber<int32_t> motionIntervalSeconds{2};
    LiveNumber<uint8_t> rulerShow{0};
    LiveNumber<int32_t> ruler5Row{230};
    LiveNumber<Colour3> ruler5Colour{Colour3{0, 0, 255}};
    LiveNumber<int32_t> ruler10Row{130};
    LiveNumber<Colour3> ruler10Colour{Colour3{0, 255, 255}};
    LiveNumber<uint8_t> shutterSound{1};
    SyncText shutterSoundFile{QStringLiteral("拍照咔嚓.WAV")};
    LiveNumber<uint8_t> motionSound{1};
    SyncText motionSoundFile{QStringLiteral("欢迎光临.WAV")};
    LiveNumber<uint8_t> motionNoPicture{0};
    LiveNumber<uint8_t> motionRunProgram{0};
    SyncText motionProgramPath;
    SyncText motionProgramParams;
    LiveNumber<int32_t> motionProgramShow{0};
    LiveNumber<uint8_t> motionRecord{0};
    LiveNumber<int32_t> motionRecordStopSeconds{20};
    // Kept in the INI, not in the camera file, whose layout is fixed.
    LiveNumber<int32_t> motionMode{0};     // MotionMode
    LiveNumber<int32_t> motionMinSize{5};  // the smallest moving object, per mille of the picture
    LiveNumber<uint8_t> motionPeople{0};   // motion counts only when a person moves
    LiveNumber<int32_t> recordCodec{0};    // VideoCodec (record/Ymp4.h): 0 MPEG-4, 1 H.264
    LiveNumber<int32_t> preMotionSeconds{5};  // a motion recording begins this long before it
    // Not in the camera file: kept in the INI file (config/BroadcastAccess.h).
    SyncText broadcastPassword;
    LiveNumber<uint8_t> broadcastLocalOnly{0};

private:
    bool LoadIniItems();
    bool SaveIniItems() const;

    QString DayFolder(const QString& root, const QDate& date, const char* word) const;
};

// The camera file as one table of items in file order, each naming the members it holds. Load and
// save walk it, so the order is written once; item-by-item copies can walk it too.
struct CameraFileInts {  // int32 values, read whole or not at all
    std::array<LiveNumber<int32_t> CDataClass::*, 6> members{};
    int count = 0;
    std::optional<int32_t> loadsAs;  // when set, load gives the member this, never the stored value

    std::span<LiveNumber<int32_t> CDataClass::*const> Members() const {
        return {members.data(), size_t(count)};
    }
};
struct CameraFileText {  // int32 byte length + UTF-16LE, at most CDataClass::kMaxTextUnits
    SyncText CDataClass::*member = nullptr;
    const char16_t* emptyValue = u"";  // what a length <= 0 gives; null keeps the member as it was
};
using CameraFileValue =
    std::variant<CameraFileInts, LiveNumber<uint8_t> CDataClass::*, CameraFileText,
                 SyncValue<LogFontW> CDataClass::*, LiveNumber<Colour3> CDataClass::*>;
// When a changed value takes effect on a running camera: with its next frame (the frame path,
// motion check, overlays, snapshots and the device read it as they go), or only once the camera
// restarts (its pipeline, recording, broadcast or upload is built from it).
enum class ActsOn : uint8_t { kNextFrame, kRestart };
struct CameraFileItem {
    template <typename V>
    constexpr CameraFileItem(V v, ActsOn a = ActsOn::kRestart) : value(v), acts(a) {}  // NOLINT
    CameraFileValue value;
    ActsOn acts;
};

// All 74 items; motionEnabled is in it twice (items 13 and 47), settingsPath and cameraId not.
std::span<const CameraFileItem> CameraFileItems();

// Whether `after` differs from `before` in a value that acts only after a restart.
bool NeedsRestart(const CDataClass& before, const CDataClass& after);

// The record file of a camera: user folder + decimal id + ".bin".
QString CameraSettingsPath(int cameraId);

}  // namespace trelvix
