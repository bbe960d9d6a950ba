#include "config/NetCams.h"

#include <QFile>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <cstdio>

#include "common/Logging.h"
#include "common/Files.h"

namespace trelvix {

namespace {
constexpr qint64 kMaxFileBytes = 1024 * 1024;
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                             QFileDevice::WriteOther | QFileDevice::ExeOther;
const char* const kHeader1 = "# Network cameras:";
const char* const kHeader2 = "# A third field";
const char* const kHeader3 = "# Options there:";

bool HasScheme(const QString& address, const char* scheme) {
    return address.startsWith(QLatin1String(scheme), Qt::CaseInsensitive);
}

// No C0 control character (tab, line breaks, NUL, ESC, BEL, …): each could cut the line, hide
// part of it from a reader or reach a terminal.
bool HasControl(const QString& s, bool tabAllowed = false) {
    return std::any_of(s.begin(), s.end(), [tabAllowed](QChar c) {
        return c.unicode() < 0x20 && !(tabAllowed && c == QLatin1Char('\t'));
    });
}

bool ValidAddress(const QString& a) {
    return IsNetworkCameraAddress(a) && !HasControl(a) && !a.contains(QLatin1Char(' ')) &&
           QUrl(a).isValid() && !QUrl(a).host().isEmpty();
}

void ParseOptions(const QString& field, NetCamEntry* cam) {
    for (const QString& word : field.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.compare(QLatin1String("udp"), Qt::CaseInsensitive) == 0)
            cam->udp = true;
        else if (word.compare(QLatin1String("record=copy"), Qt::CaseInsensitive) == 0)
            cam->copy = true;
        else if (word.startsWith(QLatin1String("detect="), Qt::CaseInsensitive))
            cam->detect = word.mid(7);
        else
            cam->otherOptions << word;
    }
}
}  // namespace

bool IsRtspAddress(const QString& a) {
    return HasScheme(a, "rtsp://") || HasScheme(a, "rtsps://");
}

bool IsNetworkCameraAddress(const QString& a) {
    return IsRtspAddress(a) || HasScheme(a, "http://") || HasScheme(a, "https://");
}

QString MaskCredentials(const QString& address) {
    // Done on the text, not through a URL parser, so even an address a parser refuses is
    // masked: the password is what lies between the first ":" and the last "@" of the part
    // before the path.
    const int schemeEnd = address.indexOf(QLatin1String("://"));
    if (schemeEnd < 0) return address;
    const int start = schemeEnd + 3;
    int end = address.indexOf(QLatin1Char('/'), start);
    if (end < 0) end = address.size();
    const int at = address.lastIndexOf(QLatin1Char('@'), end - 1);
    if (at < start) return address;
    const int colon = address.indexOf(QLatin1Char(':'), start);
    if (colon < 0 || colon > at) return address;
    return address.left(colon + 1) + QStringLiteral("***") + address.mid(at);
}

NetCamProblem CheckNetCam(const NetCamEntry& cam) {
    if (cam.name.trimmed().isEmpty() || HasControl(cam.name)) return NetCamProblem::kNoName;
    if (!ValidAddress(cam.address) || (!cam.detect.isEmpty() && !ValidAddress(cam.detect)))
        return NetCamProblem::kBadAddress;
    return NetCamProblem::kNone;
}

std::vector<NetCamEntry> ParseNetCams(const QByteArray& bytes, QStringList* otherLines) {
    std::vector<NetCamEntry> out;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1String(kHeader1)) ||
            line.startsWith(QLatin1String(kHeader2)) || line.startsWith(QLatin1String(kHeader3)))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        NetCamEntry cam;
        if (f.size() >= 2 && !line.trimmed().startsWith(QLatin1Char('#')) &&
            !HasControl(line, true)) {
            cam.name = f[0].trimmed();
            cam.address = f[1].trimmed();
            if (f.size() > 2) ParseOptions(f[2], &cam);
        }
        if (CheckNetCam(cam) == NetCamProblem::kNone)
            out.push_back(cam);
        else if (otherLines)
            *otherLines << line;  // a comment, or a line to mend by hand: never dropped
    }
    return out;
}

QByteArray SerializeNetCams(const std::vector<NetCamEntry>& cams, const QStringList& otherLines) {
    QByteArray out = QByteArray(kHeader1) + " name, a tab, the address (rtsp://, rtsps://, " +
                     "http://, https://);\n" + kHeader2 + " \"udp\" takes RTSP over UDP.\n" +
                     kHeader3 +
                     " \"record=copy\" records the camera's own stream, \"detect=<address>\"" +
                     " names a smaller stream for the pictures.\n";
    for (const QString& line : otherLines) out += line.toUtf8() + '\n';
    for (const NetCamEntry& c : cams) {
        out += c.name.toUtf8() + '\t' + c.address.toUtf8();
        QStringList options;
        if (c.udp) options << QStringLiteral("udp");
        if (c.copy) options << QStringLiteral("record=copy");
        if (!c.detect.isEmpty()) options << QStringLiteral("detect=") + c.detect;
        options << c.otherOptions;
        if (!options.isEmpty()) out += '\t' + options.join(QLatin1Char(' ')).toUtf8();
        out += '\n';
    }
    return out;
}

void NetCamList::Load() {
    cams.clear();
    otherLines.clear();
    QFile file(path_);
    if (!file.exists()) return;
    // Tightened before reading, so the passwords are exposed no longer than they were.
    if (file.permissions() & kOthers) file.setPermissions(kOwnerOnly);
    // A part of a list would lose the rest at the next save: a list this large is not read.
    tooLarge_ = file.size() > kMaxFileBytes;
    if (tooLarge_) {
        static std::atomic<bool> told{false};
        if (!told.exchange(true))
            qCWarning(lcConfig,
                      "%s is larger than 1 MiB: its network cameras are not read and the file "
                      "is kept as it is",
                      QFile::encodeName(path_).constData());
        return;
    }
    QByteArray bytes;
    if (ReadFileLimited(path_, kMaxFileBytes, &bytes)) cams = ParseNetCams(bytes, &otherLines);
}

bool NetCamList::Save() const {
    if (tooLarge_) return false;
    return WriteFileAtomically(path_, SerializeNetCams(cams, otherLines), true);
}

}  // namespace trelvix
