#include "config/Cdataclass.h"

#include <QDir>
#include <QFile>
#include <bit>
#include <cstring>

#include "common/Files.h"
#include "common/TextConv.h"
#include "config/BroadcastAccess.h"
#include "config/DayFolders.h"
#include "config/Folders.h"
#include "config/IniFile.h"

namespace trelvix {

static_assert(std::endian::native == std::endian::little, "the file images assume little-endian");

namespace {

// Larger than any valid file (18 texts of 255 units and 385 fixed bytes), so a runaway file is
// never read whole.
constexpr qint64 kMaxFileBytes = 64 * 1024;

using C = CDataClass;

// The kind of each item shows in the table and a member of the wrong type does not compile.
template <typename... M>
constexpr CameraFileInts Ints(M... members) {
    return {{members...}, int(sizeof...(members)), std::nullopt};
}
constexpr CameraFileInts Int(LiveNumber<int32_t> C::*member) {
    return Ints(member);
}
constexpr CameraFileInts IntLoadedAs(LiveNumber<int32_t> C::*member, int32_t value) {
    return {{member}, 1, value};
}
constexpr LiveNumber<uint8_t> C::*Byte(LiveNumber<uint8_t> C::*member) {
    return member;
}
constexpr SyncValue<LogFontW> C::*Font(SyncValue<LogFontW> C::*member) {
    return member;
}
constexpr LiveNumber<Colour3> C::*Colour(LiveNumber<Colour3> C::*member) {
    return member;
}
constexpr CameraFileText Text(SyncText C::*member, const char16_t* emptyValue = u"") {
    return {member, emptyValue};
}
// The device, the folders and the spare texts stay as they were when stored empty.
constexpr CameraFileText KeptText(SyncText C::*member) {
    return {member, nullptr};
}
// Items that act on the next frame; every other one after a restart.
constexpr CameraFileItem Now(CameraFileValue value) {
    return {value, ActsOn::kNextFrame};
}

constexpr CameraFileItem kItems[] = {
    KeptText(&C::deviceFriendlyName),
    KeptText(&C::deviceId),
    KeptText(&C::videoFolder),
    KeptText(&C::imageFolder),
    Now(Text(&C::caption)),
    Now(Ints(&C::captionX, &C::captionY)),
    Now(Font(&C::captionFont)),
    Now(Colour(&C::captionColour)),
    Now(IntLoadedAs(&C::motionAreaPercent, 50)),
    Now(Int(&C::motionSensitivity)),
    Now(Ints(&C::motionLeft, &C::motionTop, &C::motionRight, &C::motionBottom)),
    Now(Int(&C::motionMarkColour)),
    Now(Byte(&C::motionEnabled)),
    Now(Int(&C::motionIntervalSeconds)),
    KeptText(&C::spareText1),
    KeptText(&C::spareText2),
    Byte(&C::spareFlag),
    KeptText(&C::spareText3),
    Now(Byte(&C::showTime)),
    Now(Int(&C::timeFormat)),
    Now(Ints(&C::timeX, &C::timeY)),
    Now(Font(&C::timeFont)),
    Now(Colour(&C::timeColour)),
    Now(Byte(&C::shutterSound)),
    Now(Text(&C::shutterSoundFile)),
    Now(Byte(&C::motionSound)),
    Now(Text(&C::motionSoundFile)),
    Now(Byte(&C::motionNoPicture)),
    Now(Byte(&C::motionRunProgram)),
    Now(Text(&C::motionProgramPath)),
    Now(Text(&C::motionProgramParams)),
    Now(Int(&C::motionProgramShow)),
    Now(Byte(&C::motionRecord)),
    Now(Int(&C::motionRecordStopSeconds)),
    Int(&C::broadcastMaxClients),
    Int(&C::broadcastPort),
    Int(&C::broadcastSizeIndex),
    Byte(&C::broadcastAudio),
    Int(&C::broadcastFpsIndex),
    Int(&C::broadcastBitrateKbps),
    Int(&C::spareInt1),
    Byte(&C::spareFlag2),
    Int(&C::spareInt2),
    Int(&C::spareInt3),
    Now(Int(&C::orientation)),
    Int(&C::spareInt4),
    Now(Byte(&C::motionEnabled)),  // the second copy: at load it wins
    Byte(&C::autoRecord),
    Now(Int(&C::softBrightness)),
    Int(&C::spareInt5),
    Now(Int(&C::softContrast)),
    Byte(&C::ftpEnabled),
    Int(&C::ftpIntervalSeconds),
    Byte(&C::ftpDateFolders),
    Byte(&C::ftpUseFixedName),
    Text(&C::ftpFixedFileName),
    Text(&C::ftpHost),
    Text(&C::ftpPort, u"21"),
    Text(&C::ftpUser),
    Text(&C::ftpPassword),
    Text(&C::ftpFolder),
    Int(&C::ftpUploadSeconds),
    Int(&C::ftpBatchSize),
    Byte(&C::ftpMotionPictures),
    Int(&C::xvidCompress),
    Int(&C::xvidQuant),
    Int(&C::segmentMinutes),
    Now(Byte(&C::rulerShow)),
    Now(Int(&C::ruler5Row)),
    Now(Colour(&C::ruler5Colour)),
    Now(Int(&C::ruler10Row)),
    Now(Colour(&C::ruler10Colour)),
    Int(&C::recordFrameRate),
    Ints(&C::imageBrightness, &C::imageContrast, &C::imageSaturation, &C::imageHue,
         &C::imageSharpness, &C::imageGamma),
};
static_assert(std::size(kItems) == 74);

// Each Item() takes one item of the file into the record; false when the file ends before it.
class Reader {
public:
    Reader(const QByteArray& b, CDataClass& rec) : data_(b), rec_(rec) {}

    bool Item(const CameraFileInts& item) {
        if (Left() < 4 * item.count) return false;
        for (LiveNumber<int32_t> C::*m : item.Members()) {
            int32_t v = 0;
            Raw(&v, 4);
            StoreLive(rec_.*m, v);
        }
        if (item.loadsAs) StoreLive(rec_.*item.members[0], *item.loadsAs);
        return true;
    }
    bool Item(LiveNumber<uint8_t> C::*m) {
        uint8_t v = 0;
        if (!Raw(&v, 1)) return false;
        StoreLive(rec_.*m, v);
        return true;
    }
    bool Item(SyncValue<LogFontW> C::*m) {
        LogFontW font;
        if (!Raw(&font, sizeof font)) return false;
        rec_.*m = font;
        return true;
    }
    bool Item(LiveNumber<Colour3> C::*m) {
        uint8_t b[3];
        if (!Raw(b, 3)) return false;
        StoreLive(rec_.*m, Colour3{b[0], b[1], b[2]});
        return true;
    }
    bool Item(const CameraFileText& item) {
        int32_t len = 0;
        if (!Raw(&len, 4)) return false;
        if (len <= 0) return Empty(item);
        if (Left() < len) return false;
        // A 512-byte zero-filled buffer: what does not fit is cut, the text ends at the first
        // NUL, and at most 255 code units are kept.
        char16_t buf[256] = {};
        std::memcpy(buf, data_.constData() + pos_,
                    std::min<int32_t>(len, 2 * CDataClass::kMaxTextUnits));
        pos_ += len;
        int n = 0;
        while (n < CDataClass::kMaxTextUnits && buf[n] != 0) ++n;
        if (n == 0) return Empty(item);
        // Unit by unit: a decoder would take a leading byte-order mark as one.
        rec_.*item.member = QString(reinterpret_cast<const QChar*>(buf), n);
        return true;
    }

private:
    // A text stored empty, or empty up to its first NUL, reads as the item's empty value, so
    // a record saved and loaded again stays the same.
    bool Empty(const CameraFileText& item) {
        if (item.emptyValue) rec_.*item.member = QString::fromUtf16(item.emptyValue);
        return true;
    }
    qsizetype Left() const { return data_.size() - pos_; }
    bool Raw(void* out, qsizetype n) {
        if (Left() < n) return false;
        std::memcpy(out, data_.constData() + pos_, n);
        pos_ += n;
        return true;
    }
    const QByteArray& data_;
    CDataClass& rec_;
    qsizetype pos_ = 0;
};

class Writer {
public:
    explicit Writer(const CDataClass& rec) : rec_(rec) {}

    void Item(const CameraFileInts& item) {
        for (LiveNumber<int32_t> C::*m : item.Members()) {
            const int32_t v = Live(rec_.*m);
            Raw(&v, 4);
        }
    }
    void Item(LiveNumber<uint8_t> C::*m) {
        const uint8_t v = Live(rec_.*m);
        Raw(&v, 1);
    }
    void Item(SyncValue<LogFontW> C::*m) {
        const LogFontW font = (rec_.*m).get();
        Raw(&font, sizeof font);
    }
    void Item(LiveNumber<Colour3> C::*m) {
        const Colour3 c = Live(rec_.*m);
        const uint8_t b[3] = {c.c0, c.c1, c.c2};
        Raw(b, 3);
    }
    void Item(const CameraFileText& item) {
        const QString cut = (rec_.*item.member).get().left(CDataClass::kMaxTextUnits);
        const int32_t len = static_cast<int32_t>(cut.size() * 2);
        Raw(&len, 4);
        Raw(cut.utf16(), len);
    }
    QByteArray data_;

private:
    void Raw(const void* in, qsizetype n) { data_.append(static_cast<const char*>(in), n); }
    const CDataClass& rec_;
};

}  // namespace

QString CameraSettingsPath(int cameraId) {
    return UserFolder() + QString::number(cameraId) + QStringLiteral(".bin");
}

bool CDataClass::Load(int id) {
    cameraId = id;
    settingsPath = CameraSettingsPath(id);
    const bool iniRead = LoadIniItems();
    LoadBroadcastAccess(*this);
    const QString path = settingsPath;
    if (!QFile::exists(path)) return iniRead;
    QByteArray bytes;
    if (!ReadFileLimited(path, kMaxFileBytes, &bytes)) return false;
    LoadFromBytes(bytes);
    return iniRead;
}

namespace {

// Settings the camera file has no room for, kept in the program's INI under their section, as
// the key followed by the camera number.
struct CameraIniItem {
    const char* section;
    const char* key;
    std::variant<LiveNumber<int32_t> C::*, LiveNumber<uint8_t> C::*> member;
    std::span<const char* const> words;  // a number stored as one of these words (its index)
    int min = 0, max = 0;                // the range of a number stored as digits
    ActsOn acts = ActsOn::kNextFrame;
};

constexpr const char* kMotionModeWords[] = {"area", "object"};
constexpr const char* kCodecWords[] = {"mpeg4", "h264"};

const CameraIniItem kIniItems[] = {
    {"Motion", "Mode", &C::motionMode, kMotionModeWords, 0, 0},
    {"Motion", "MinSize", &C::motionMinSize, {}, 1, 1000},
    {"Motion", "People", &C::motionPeople, {}, 0, 0},
    {"Recording", "Codec", &C::recordCodec, kCodecWords, 0, 0, ActsOn::kRestart},
    {"Recording", "PreMotion", &C::preMotionSeconds, {}, 0, 30},
};

QString IniKey(const CameraIniItem& item, int cameraId) {
    return QLatin1String(item.key) + QString::number(cameraId);
}

// A value that does not read keeps the member's default.
void ReadIniItem(const CameraIniItem& item, const QString& text, CDataClass& rec) {
    if (const auto flag = std::get_if<LiveNumber<uint8_t> C::*>(&item.member)) {
        if (const auto b = TextToBool(text)) StoreLive(rec.*(*flag), *b);
        return;
    }
    LiveNumber<int32_t>& number = rec.*std::get<LiveNumber<int32_t> C::*>(item.member);
    if (item.words.empty()) {
        if (const auto n = TextToInt(text)) StoreLive(number, std::clamp(*n, item.min, item.max));
        return;
    }
    for (size_t i = 0; i < item.words.size(); ++i)
        if (text.compare(QLatin1String(item.words[i]), Qt::CaseInsensitive) == 0)
            StoreLive(number, int32_t(i));
}

QString IniItemText(const CameraIniItem& item, const CDataClass& rec) {
    if (const auto flag = std::get_if<LiveNumber<uint8_t> C::*>(&item.member))
        return BoolToText(Live(rec.*(*flag)) != 0);
    const int32_t number = Live(rec.*std::get<LiveNumber<int32_t> C::*>(item.member));
    if (item.words.empty()) return QString::number(number);
    return QLatin1String(
        item.words[size_t(std::clamp<int32_t>(number, 0, int(item.words.size()) - 1))]);
}

QString CameraIniPath() {
    return UserFolder() + QStringLiteral("kvCamera.ini");
}

}  // namespace

bool CDataClass::LoadIniItems() {
    IniFile ini;
    if (!ini.Load(CameraIniPath())) return false;
    for (const CameraIniItem& item : kIniItems)
        if (const auto text = ini.Value(QLatin1String(item.section), IniKey(item, cameraId)))
            ReadIniItem(item, *text, *this);
    return true;
}

bool CDataClass::SaveIniItems() const {
    // Lines of other cameras and of the program stay; an unreadable file is not replaced.
    IniFile ini;
    if (!ini.Load(CameraIniPath())) return false;
    bool changed = false;
    static const CDataClass defaults;
    for (const CameraIniItem& item : kIniItems) {
        const QString key = IniKey(item, cameraId), text = IniItemText(item, *this);
        const QString section = QLatin1String(item.section);
        const std::optional<QString> stored = ini.Value(section, key);
        // A default never stored is not written: the file changes only for a choice made.
        if (stored == text || (!stored && text == IniItemText(item, defaults))) continue;
        ini.SetValue(section, key, text);
        changed = true;
    }
    return !changed || ini.Save(CameraIniPath());
}

std::span<const CameraFileItem> CameraFileItems() {
    return kItems;
}

void CDataClass::LoadFromBytes(const QByteArray& bytes) {
    Reader r(bytes, *this);
    // The first item the file cannot supply ends the load: it and all later ones keep their
    // defaults.
    for (const CameraFileItem& item : kItems)
        if (!std::visit([&](const auto& i) { return r.Item(i); }, item.value)) return;
}

QByteArray CDataClass::SaveToBytes() const {
    Writer w(*this);
    for (const CameraFileItem& item : kItems)
        std::visit([&](const auto& i) { w.Item(i); }, item.value);
    return w.data_;
}

bool NeedsRestart(const CDataClass& before, const CDataClass& after) {
    for (const CameraFileItem& item : kItems) {
        if (item.acts != ActsOn::kRestart) continue;
        Writer a(before), b(after);
        std::visit([&](const auto& i) { a.Item(i); }, item.value);
        std::visit([&](const auto& i) { b.Item(i); }, item.value);
        if (a.data_ != b.data_) return true;
    }
    for (const CameraIniItem& item : kIniItems)
        if (item.acts == ActsOn::kRestart && IniItemText(item, before) != IniItemText(item, after))
            return true;
    // The broadcast's access is read when it starts.
    return before.broadcastPassword.get() != after.broadcastPassword.get() ||
           Live(before.broadcastLocalOnly) != Live(after.broadcastLocalOnly);
}

bool CDataClass::Save() {
    settingsPath = CameraSettingsPath(cameraId);
    const bool iniSaved = SaveIniItems();
    const bool access = SaveBroadcastAccess(*this);
    return WriteFileAtomically(settingsPath, SaveToBytes(), true) && iniSaved && access;
}

int CDataClass::SourceKind() const {
    const QString id = deviceId.get().toLower();
    if (id.startsWith(QLatin1String("mms:")) || id.startsWith(QLatin1String("http:"))) return 1;
    if (id.startsWith(QLatin1String("ipcam:"))) return 3;
    if (id == QLatin1String("screen")) return 2;
    return 0;
}

QString DayFolderName(const QString& root, int cameraId, const QDate& date, const char* word) {
    const QString relative = QString::asprintf("%02d/%04d%02d%02d%s", cameraId, date.year(),
                                               date.month(), date.day(), word);
    // An empty root would land relative to the working folder.
    return WithSlash(root.isEmpty() ? UserFolder() : root) + relative;
}

QString CDataClass::DayFolder(const QString& root, const QDate& date, const char* word) const {
    const QString path = DayFolderName(root, cameraId, date, word);
    if (!QDir(path).exists() && !QDir().mkpath(path))
        throw FolderError("Cannot create temp directory.");
    return path + QLatin1Char('/');
}

QString CDataClass::DayImageFolder(const QDate& date) const {
    return DayFolder(imageFolder, date, "Image");
}

QString CDataClass::DayVideoFolder(const QDate& date) const {
    return DayFolder(videoFolder, date, "Video");
}

}  // namespace trelvix
