#include "history/EventLog.h"

#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QStringDecoder>

#include "common/Files.h"
#include "common/TextConv.h"

namespace trelvix {

EventLogRecord MakeEventRecord(int kind, const QString& source, const QString& cameraName,
                               const QString& description, int cameraNumber,
                               const QString& filePath, const QDateTime& when) {
    EventLogRecord r;
    r.kind = kind;
    SetRecordText(r.source, source);
    SetRecordText(r.dateText, DateToShortText(when.date()));
    SetRecordText(r.timeText, TimeToLongText(when.time()));
    SetRecordText(r.cameraName, cameraName);
    SetRecordText(r.description, description);
    r.cameraNumber = cameraNumber;
    SetRecordText(r.filePath, filePath);
    return r;
}

QString LogFileName(const QString& logPath, const QDate& date) {
    return logPath + date.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".txt");
}

namespace {
bool RecordDateTime(const EventLogRecord& r, QDate* date, QTime* time) {
    *date = ShortTextToDate(RecordText(r.dateText));
    *time = LongTextToTime(RecordText(r.timeText));
    return date->isValid() && time->isValid();
}
}  // namespace

QString LogLine(const EventLogRecord& r) {
    QDate date;
    QTime time;
    if (!RecordDateTime(r, &date, &time)) return QString();
    const QChar bar = QLatin1Char('|');
    return QString::number(r.kind) + bar + RecordText(r.source) + bar +
           date.toString(QStringLiteral("yyyy-MM-dd")) + bar +
           time.toString(QStringLiteral("hh:mm:ss")) + bar + RecordText(r.cameraName) + bar +
           RecordText(r.description) + bar + QString::number(r.cameraNumber) + bar +
           RecordText(r.filePath) + bar;
}

namespace {
// A lone surrogate cannot be written back when a line is removed; it reads as U+FFFD, as bad
// bytes do in UTF-8.
void ReplaceLoneSurrogates(QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
}
}  // namespace

QStringList ReadLogLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    QString text;
    if (auto enc = QStringConverter::encodingForData(bytes)) {
        // Stateless: a cut last character reads as U+FFFD, as without a mark, not as nothing.
        QStringDecoder decoder(*enc, QStringConverter::Flag::Stateless);
        // The decoder drops the mark itself; a U+FEFF after it is the first line's own.
        text = decoder.decode(bytes);
        ReplaceLoneSurrogates(text);
    } else {
        text = QString::fromUtf8(bytes);
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

bool AppendLogRecord(const QString& logPath, const EventLogRecord& record) {
    QDate date;
    QTime time;
    if (!RecordDateTime(record, &date, &time)) return false;
    const QString path = LogFileName(logPath, date);
    const QByteArray line = LogLine(record).toUtf8() + "\r\n";

    QFile file(path);
    QByteArray head;
    if (file.open(QIODevice::ReadOnly)) {
        head = file.read(4);
        file.close();
    }
    // A file written with a byte-order mark is converted once, so every line stays readable.
    if (QStringConverter::encodingForData(head)) {
        QByteArray all;
        for (const QString& l : ReadLogLines(path)) all += l.toUtf8() + "\r\n";
        all += line;
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
        return file.write(all) == all.size();
    }
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) return false;
    QByteArray out = line;
    if (file.size() > 0) {
        // A last line without its line end must not run into the new one.
        file.seek(file.size() - 1);
        const QByteArray last = file.read(1);
        if (last != "\n" && last != "\r") out.prepend("\r\n");
        file.seek(file.size());
    }
    return file.write(out) == out.size() && file.flush();
}

std::array<QString, 8> SplitLogLine(const QString& line) {
    std::array<QString, 8> fields;
    qsizetype start = 0;
    for (int i = 0; i < 8; ++i) {
        const qsizetype bar = line.indexOf(QLatin1Char('|'), start);
        if (bar < 0) break;
        fields[i] = line.mid(start, bar - start);
        start = bar + 1;
    }
    return fields;
}

void LoadLogDay(LogDayModel* model, const QString& logPath, int filter, const QDate& date) {
    model->rows.clear();
    model->selectedRow = -1;
    const QString path = LogFileName(logPath, date);
    if (!QFile::exists(path)) return;
    const QStringList lines = ReadLogLines(path);
    for (int i = 0; i < lines.size(); ++i) {
        LogRow row;
        row.fields = SplitLogLine(lines[i]);
        row.line = i;
        const QString& kind = row.fields[0];
        const QString& file = row.fields[7];
        if (filter == kLogWithFile && file.isEmpty()) continue;
        if (filter == kLogMotionWithFile && (file.isEmpty() || kind != QLatin1String("2")))
            continue;
        if (auto k = TextToInt(kind)) row.icon = *k;
        model->rows.push_back(std::move(row));
    }
}

QString LogFileOfRow(const LogDayModel& model, int index) {
    if (index < 0 || index >= int(model.rows.size())) return QString();
    return model.rows[size_t(index)].fields[7];
}

QString SelectedLogFile(const LogDayModel& model) {
    return LogFileOfRow(model, model.selectedRow);
}

namespace {

// The lines of a log file as bytes, each with its own line end, split where ReadLogLines
// splits them.
std::vector<QByteArray> RawLines(const QByteArray& bytes) {
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r') continue;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        lines.push_back(bytes.mid(start, i + 1 - start));
        start = i + 1;
    }
    if (start < bytes.size()) lines.push_back(bytes.mid(start));
    return lines;
}

bool Removed(const std::vector<int>& lines, int i) {
    return std::find(lines.begin(), lines.end(), i) != lines.end();
}

}  // namespace

bool RemoveLogLines(const QString& logFile, const std::vector<int>& lines) {
    QFile file(logFile);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QByteArray bytes = file.readAll();
    file.close();
    auto encoding = QStringConverter::encodingForData(bytes);
    QByteArray out;
    if (encoding && *encoding != QStringConverter::Utf8) {
        // Two or four bytes a character: rewritten in the file's own encoding, mark included.
        const QStringList all = ReadLogLines(logFile);
        QString text;
        for (int i = 0; i < all.size(); ++i)
            if (!Removed(lines, i)) text += all[i] + QLatin1String("\r\n");
        // FF FE followed by a NUL character reads as the four-byte mark; big-endian has no
        // such clash.
        if (encoding == QStringConverter::Utf16LE && text.startsWith(QChar(0)))
            encoding = QStringConverter::Utf16BE;
        QStringEncoder encode(*encoding, QStringConverter::Flag::WriteBom);
        out = encode(text);
    } else {
        // Every other line stays byte for byte, whatever its encoding.
        if (bytes.startsWith("\xEF\xBB\xBF")) {
            out = bytes.left(3);
            bytes.remove(0, 3);
        }
        const std::vector<QByteArray> raw = RawLines(bytes);
        QByteArray kept;
        for (int i = 0; i < int(raw.size()); ++i)
            if (!Removed(lines, i)) kept += raw[size_t(i)];
        // A line that now opens the file must not read as a byte-order mark.
        if (out.isEmpty() && QStringConverter::encodingForData(kept)) out = "\xEF\xBB\xBF";
        out += kept;
    }
    return WriteFileAtomically(logFile, out, false);
}

int LineAfterRemoval(int line, const std::vector<int>& removed) {
    int before = 0;
    for (int r : removed) before += r < line;
    return line - before;
}

int CompareLogTexts(const QString& a, const QString& b, bool numeric) {
    if (numeric) {
        bool okA = false, okB = false;
        const double x = a.trimmed().toDouble(&okA), y = b.trimmed().toDouble(&okB);
        if (!okA || !okB) return 0;
        return x > y ? 1 : x < y ? -1 : 0;
    }
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c > 0 ? 1 : c < 0 ? -1 : 0;
}

int DeleteOldLogFiles(const QString& logPath, const QDate& cutoff) {
    QDir dir(logPath);
    QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    int deleted = 0;
    // Only the day logs themselves: a log folder set to a folder of the user's own (or to "/")
    // keeps every other file.
    static const QRegularExpression dayLog(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}\\.txt$"));
    for (const QString& name : names) {
        if (!dayLog.match(name).hasMatch()) continue;
        bool okY = false, okM = false, okD = false;
        const int y = name.mid(0, 4).toInt(&okY);
        const int m = name.mid(5, 2).toInt(&okM);
        const int d = name.mid(8, 2).toInt(&okD);
        const QDate date(y, m, d);
        if (!okY || !okM || !okD || !date.isValid()) continue;
        if (date >= cutoff) break;
        if (QFile::remove(dir.filePath(name))) ++deleted;
    }
    return deleted;
}

}  // namespace trelvix
