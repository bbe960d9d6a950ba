#include "config/Cdataclass.h"

#include <QDir>
#include <QFile>
#include <bit>
#include <cstring>

#include "common/Files.h"
#include "config/Folders.h"

namespace trelvix {

static_assert(std::endian::native == std::endian::little, "the file images assume little-endian");

namespace {

// Larger than any valid file (18 texts of 255 units and 385 fixed bytes), so a runaway file is
// never read whole.
constexpr qint64 kMaxFileBytes = 64 * 1024;

class Reader {
public:
    explicit Reader(const QByteArray& b) : data_(b) {}

    bool Int(int32_t* v) { return Raw(v, 4); }
    bool Byte(uint8_t* v) { return Raw(v, 1); }
    // An item of several values is taken whole or not at all.
    bool Ints(std::initializer_list<int32_t*> targets) {
        if (data_.size() - pos_ < qsizetype(4 * targets.size())) return false;
        for (int32_t* t : targets) Int(t);
        return true;
    }
    bool Font(SyncValue<LogFontW>* f) {
        LogFontW font;
        if (!Raw(&font, sizeof font)) return false;
        f->set(font);
        return true;
    }
    bool Colour(Colour3* c) {
        uint8_t b[3];
        if (!Raw(b, 3)) return false;
        *c = {b[0], b[1], b[2]};
        return true;
    }
    // keepOnEmpty: an empty text leaves the member as it was; emptyValue otherwise.
    bool Text(SyncText* t, bool keepOnEmpty, const QString& emptyValue = QString()) {
        int32_t len = 0;
        if (!Int(&len)) return false;
        if (len <= 0) {
            if (!keepOnEmpty) t->set(emptyValue);
            return true;
        }
        if (data_.size() - pos_ < len) return false;
        // A 512-byte zero-filled buffer: what does not fit is cut, the text ends at the first
        // NUL, and at most 255 code units are kept.
        char16_t buf[256] = {};
        std::memcpy(buf, data_.constData() + pos_,
                    std::min<int32_t>(len, 2 * CDataClass::kMaxTextUnits));
        pos_ += len;
        int n = 0;
        while (n < CDataClass::kMaxTextUnits && buf[n] != 0) ++n;
        t->set(QString::fromUtf16(buf, n));
        return true;
    }

private:
    bool Raw(void* out, qsizetype n) {
        if (data_.size() - pos_ < n) return false;
        std::memcpy(out, data_.constData() + pos_, n);
        pos_ += n;
        return true;
    }
    const QByteArray& data_;
    qsizetype pos_ = 0;
};

class Writer {
public:
    void Int(int32_t v) { data_.append(reinterpret_cast<const char*>(&v), 4); }
    void Byte(uint8_t v) { data_.append(static_cast<char>(v)); }
    void Font(const LogFontW& f) { data_.append(reinterpret_cast<const char*>(&f), sizeof f); }
    void Colour(const Colour3& c) {
        Byte(c.c0);
        Byte(c.c1);
        Byte(c.c2);
    }
    void Text(const QString& t) {
        const QString cut = t.left(CDataClass::kMaxTextUnits);
        Int(static_cast<int32_t>(cut.size() * 2));
        data_.append(reinterpret_cast<const char*>(cut.utf16()), cut.size() * 2);
    }
    QByteArray data_;
};

}  // namespace

QString CameraSettingsPath(int cameraId) {
    return UserFolder() + QString::number(cameraId) + QStringLiteral(".bin");
}

bool CDataClass::Load(int id) {
    cameraId = id;
    settingsPath = CameraSettingsPath(id);
    const QString path = settingsPath;
    if (!QFile::exists(path)) return true;
    QByteArray bytes;
    if (!ReadFileLimited(path, kMaxFileBytes, &bytes)) return false;
    LoadFromBytes(bytes);
    return true;
}

void CDataClass::LoadFromBytes(const QByteArray& bytes) {
    Reader r(bytes);
    // Each step reads one item of the file; the first that the file cannot supply ends the
    // load, and that item and all later ones keep their defaults.
    auto load = [&]() -> bool {
        if (!r.Text(&deviceFriendlyName, true)) return false;
        if (!r.Text(&deviceId, true)) return false;
        if (!r.Text(&videoFolder, true)) return false;
        if (!r.Text(&imageFolder, true)) return false;
        if (!r.Text(&caption, false)) return false;
        if (!r.Ints({&captionX, &captionY})) return false;
        if (!r.Font(&captionFont)) return false;
        if (!r.Colour(&captionColour)) return false;
        if (!r.Int(&motionAreaPercent)) return false;
        motionAreaPercent = 50;  // the stored value is never used
        if (!r.Int(&motionSensitivity)) return false;
        if (!r.Ints({&motionLeft, &motionTop, &motionRight, &motionBottom})) return false;
        if (!r.Int(&motionMarkColour)) return false;
        if (!r.Byte(&motionEnabled)) return false;
        if (!r.Int(&motionIntervalSeconds)) return false;
        if (!r.Text(&spareText1, true)) return false;
        if (!r.Text(&spareText2, true)) return false;
        if (!r.Byte(&spareFlag)) return false;
        if (!r.Text(&spareText3, true)) return false;
        if (!r.Byte(&showTime)) return false;
        if (!r.Int(&timeFormat)) return false;
        if (!r.Ints({&timeX, &timeY})) return false;
        if (!r.Font(&timeFont)) return false;
        if (!r.Colour(&timeColour)) return false;
        if (!r.Byte(&shutterSound)) return false;
        if (!r.Text(&shutterSoundFile, false)) return false;
        if (!r.Byte(&motionSound)) return false;
        if (!r.Text(&motionSoundFile, false)) return false;
        if (!r.Byte(&motionNoPicture)) return false;
        if (!r.Byte(&motionRunProgram)) return false;
        if (!r.Text(&motionProgramPath, false)) return false;
        if (!r.Text(&motionProgramParams, false)) return false;
        if (!r.Int(&motionProgramShow)) return false;
        if (!r.Byte(&motionRecord)) return false;
        if (!r.Int(&motionRecordStopSeconds)) return false;
        if (!r.Int(&broadcastMaxClients)) return false;
        if (!r.Int(&broadcastPort)) return false;
        if (!r.Int(&broadcastSizeIndex)) return false;
        if (!r.Byte(&broadcastAudio)) return false;
        if (!r.Int(&broadcastFpsIndex)) return false;
        if (!r.Int(&broadcastBitrateKbps)) return false;
        if (!r.Int(&spareInt1)) return false;
        if (!r.Byte(&spareFlag2)) return false;
        if (!r.Int(&spareInt2)) return false;
        if (!r.Int(&spareInt3)) return false;
        if (!r.Int(&orientation)) return false;
        if (!r.Int(&spareInt4)) return false;
        if (!r.Byte(&motionEnabled)) return false;  // the second copy wins
        if (!r.Byte(&autoRecord)) return false;
        if (!r.Int(&softBrightness)) return false;
        if (!r.Int(&spareInt5)) return false;
        if (!r.Int(&softContrast)) return false;
        if (!r.Byte(&ftpEnabled)) return false;
        if (!r.Int(&ftpIntervalSeconds)) return false;
        if (!r.Byte(&ftpDateFolders)) return false;
        if (!r.Byte(&ftpUseFixedName)) return false;
        if (!r.Text(&ftpFixedFileName, false)) return false;
        if (!r.Text(&ftpHost, false)) return false;
        if (!r.Text(&ftpPort, false, QStringLiteral("21"))) return false;
        if (!r.Text(&ftpUser, false)) return false;
        if (!r.Text(&ftpPassword, false)) return false;
        if (!r.Text(&ftpFolder, false)) return false;
        if (!r.Int(&ftpUploadSeconds)) return false;
        if (!r.Int(&ftpBatchSize)) return false;
        if (!r.Byte(&ftpMotionPictures)) return false;
        if (!r.Int(&xvidCompress)) return false;
        if (!r.Int(&xvidQuant)) return false;
        if (!r.Int(&segmentMinutes)) return false;
        if (!r.Byte(&rulerShow)) return false;
        if (!r.Int(&ruler5Row)) return false;
        if (!r.Colour(&ruler5Colour)) return false;
        if (!r.Int(&ruler10Row)) return false;
        if (!r.Colour(&ruler10Colour)) return false;
        if (!r.Int(&recordFrameRate)) return false;
        return r.Ints({&imageBrightness, &imageContrast, &imageSaturation, &imageHue,
                       &imageSharpness, &imageGamma});
    };
    load();
}

QByteArray CDataClass::SaveToBytes() const {
    Writer w;
    w.Text(deviceFriendlyName);
    w.Text(deviceId);
    w.Text(videoFolder);
    w.Text(imageFolder);
    w.Text(caption);
    w.Int(captionX);
    w.Int(captionY);
    w.Font(captionFont);
    w.Colour(captionColour);
    w.Int(motionAreaPercent);
    w.Int(motionSensitivity);
    w.Int(motionLeft);
    w.Int(motionTop);
    w.Int(motionRight);
    w.Int(motionBottom);
    w.Int(motionMarkColour);
    w.Byte(motionEnabled);
    w.Int(motionIntervalSeconds);
    w.Text(spareText1);
    w.Text(spareText2);
    w.Byte(spareFlag);
    w.Text(spareText3);
    w.Byte(showTime);
    w.Int(timeFormat);
    w.Int(timeX);
    w.Int(timeY);
    w.Font(timeFont);
    w.Colour(timeColour);
    w.Byte(shutterSound);
    w.Text(shutterSoundFile);
    w.Byte(motionSound);
    w.Text(motionSoundFile);
    w.Byte(motionNoPicture);
    w.Byte(motionRunProgram);
    w.Text(motionProgramPath);
    w.Text(motionProgramParams);
    w.Int(motionProgramShow);
    w.Byte(motionRecord);
    w.Int(motionRecordStopSeconds);
    w.Int(broadcastMaxClients);
    w.Int(broadcastPort);
    w.Int(broadcastSizeIndex);
    w.Byte(broadcastAudio);
    w.Int(broadcastFpsIndex);
    w.Int(broadcastBitrateKbps);
    w.Int(spareInt1);
    w.Byte(spareFlag2);
    w.Int(spareInt2);
    w.Int(spareInt3);
    w.Int(orientation);
    w.Int(spareInt4);
    w.Byte(motionEnabled);
    w.Byte(autoRecord);
    w.Int(softBrightness);
    w.Int(spareInt5);
    w.Int(softContrast);
    w.Byte(ftpEnabled);
    w.Int(ftpIntervalSeconds);
    w.Byte(ftpDateFolders);
    w.Byte(ftpUseFixedName);
    w.Text(ftpFixedFileName);
    w.Text(ftpHost);
    w.Text(ftpPort);
    w.Text(ftpUser);
    w.Text(ftpPassword);
    w.Text(ftpFolder);
    w.Int(ftpUploadSeconds);
    w.Int(ftpBatchSize);
    w.Byte(ftpMotionPictures);
    w.Int(xvidCompress);
    w.Int(xvidQuant);
    w.Int(segmentMinutes);
    w.Byte(rulerShow);
    w.Int(ruler5Row);
    w.Colour(ruler5Colour);
    w.Int(ruler10Row);
    w.Colour(ruler10Colour);
    w.Int(recordFrameRate);
    w.Int(imageBrightness);
    w.Int(imageContrast);
    w.Int(imageSaturation);
    w.Int(imageHue);
    w.Int(imageSharpness);
    w.Int(imageGamma);
    return w.data_;
}

bool CDataClass::Save() {
    settingsPath = CameraSettingsPath(cameraId);
    return WriteFileAtomically(settingsPath, SaveToBytes(), true);
}

int CDataClass::SourceKind() const {
    const QString id = deviceId.get().toLower();
    if (id.startsWith(QLatin1String("mms:")) || id.startsWith(QLatin1String("http:"))) return 1;
    if (id.startsWith(QLatin1String("ipcam:"))) return 3;
    if (id == QLatin1String("screen")) return 2;
    return 0;
}

QString CDataClass::DayFolder(const QString& root, const QDate& date, const char* word) const {
    const QString relative = QString::asprintf("%02d/%04d%02d%02d%s", cameraId, date.year(),
                                               date.month(), date.day(), word);
    // An empty root would land relative to the working folder.
    const QString path = WithSlash(root.isEmpty() ? UserFolder() : root) + relative;
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
