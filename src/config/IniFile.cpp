#include "config/IniFile.h"

#include <QFile>
#include <QStringDecoder>

#include "common/Files.h"

namespace trelvix {

namespace {

// A settings file far beyond any real one is not read whole.
constexpr qint64 kMaxIniBytes = 4 * 1024 * 1024;

bool IsSection(const QString& line, QString* name) {
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']'))) return false;
    *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

}  // namespace

bool IniFile::Load(const QString& path) {
    lines_.clear();
    QFile file(path);
    if (!file.exists()) return true;
    if (!file.open(QIODevice::ReadOnly)) return false;
    Parse(file.read(kMaxIniBytes));
    return true;
}

void IniFile::Parse(const QByteArray& bytes) {
    const auto encoding = QStringConverter::encodingForData(bytes);
    // Stateless: a cut last character reads as U+FFFD instead of vanishing.
    QStringDecoder decode(encoding.value_or(QStringConverter::Utf8),
                          QStringConverter::Flag::Stateless);
    QString text = decode(bytes);
    // Marks beyond the one the decoder took mean nothing in a settings file.
    while (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    // Old Mac files end lines with a lone CR; one left inside a line would come back as a CRLF
    // after a save and change the file on every load.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines_ = text.split(QLatin1Char('\n'));
    if (!lines_.isEmpty() && lines_.last().isEmpty()) lines_.removeLast();
}

int IniFile::Find(const QString& section, const QString& key, int* end) const {
    QString current;
    bool inSection = false;
    *end = -1;
    for (int i = 0; i < lines_.size(); ++i) {
        if (IsSection(lines_[i], &current)) {
            inSection = current.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection) *end = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (!lines_[i].trimmed().isEmpty()) *end = i + 1;
        const qsizetype eq = lines_[i].indexOf(QLatin1Char('='));
        if (eq > 0 && lines_[i].left(eq).trimmed() == key) return i;
    }
    return -1;
}

std::optional<QString> IniFile::Value(const QString& section, const QString& key) const {
    int end = 0;
    const int i = Find(section, key, &end);
    if (i < 0) return std::nullopt;
    QString value = lines_[i].mid(lines_[i].indexOf(QLatin1Char('=')) + 1).trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return value;
}

void IniFile::SetValue(const QString& section, const QString& key, const QString& value) {
    // A line break would start a line of its own.
    QString text = value;
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString line = key + QLatin1Char('=') + text;
    int end = 0;
    const int i = Find(section, key, &end);
    if (i >= 0) {
        lines_[i] = line;
    } else if (end >= 0) {
        lines_.insert(end, line);
    } else {
        lines_ << QLatin1Char('[') + section + QLatin1Char(']') << line;
    }
}

QByteArray IniFile::Serialize() const {
    QByteArray out;
    for (const QString& line : lines_) out += line.toUtf8() + '\n';
    return out;
}

bool IniFile::HoldsPassword() const {
    QString current;
    bool inBroadcast = false;
    for (const QString& line : lines_) {
        if (IsSection(line, &current)) {
            inBroadcast = current.compare(QLatin1String("Broadcast"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inBroadcast && eq > 0 && line.trimmed().startsWith(QLatin1String("Password")) &&
            !line.mid(eq + 1).trimmed().isEmpty())
            return true;
    }
    return false;
}

bool IniFile::Save(const QString& path) const {
    // A file made owner-only stays so: the save keeps the permissions it finds.
    return WriteFileAtomically(path, Serialize(), HoldsPassword());
}

}  // namespace trelvix
