// Event records and the daily log files.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace trelvix {

// What an event record is about.
enum EventKind : int32_t {
    kEventCleanup = 0,
    kEventRecording = 1,  // recording, broadcast and snapshots
    kEventMotion = 2,
    kEventProgram = 3,  // the program and its cameras
};

// The fixed 892-byte record that producers fill and hand to the UI thread for the log.
struct EventLogRecord {
    int32_t kind = kEventCleanup;
    char16_t source[20] = {};
    char16_t dateText[12] = {};
    char16_t timeText[10] = {};
    char16_t cameraName[40] = {};
    char16_t description[100] = {};
    int32_t cameraNumber = -1;
    char16_t filePath[260] = {};
};
static_assert(sizeof(EventLogRecord) == 892);

// Stores as much of `text` as fits in the field, always NUL-terminated, rest zero.
template <size_t N>
void SetRecordText(char16_t (&field)[N], const QString& text) {
    const size_t n = std::min<size_t>(N - 1, size_t(text.size()));
    for (size_t i = 0; i < N; ++i) field[i] = i < n ? char16_t(text.at(qsizetype(i)).unicode()) : 0;
}
template <size_t N>
QString RecordText(const char16_t (&field)[N]) {
    size_t n = 0;
    while (n < N && field[n] != 0) ++n;
    return QString::fromUtf16(field, qsizetype(n));
}

// A zeroed record with every field set; date and time from `when` in the locale's formats.
EventLogRecord MakeEventRecord(int kind, const QString& source, const QString& cameraName,
                               const QString& description, int cameraNumber,
                               const QString& filePath, const QDateTime& when);

// logPath + "yyyy-MM-dd.txt".
QString LogFileName(const QString& logPath, const QDate& date);

// The line of a record, without the line end; empty when its date or time cannot be read.
QString LogLine(const EventLogRecord& record);

// Appends the record's line to the log file of the record's own date. False (and nothing
// written) when the date or time cannot be read or the file cannot be written.
bool AppendLogRecord(const QString& logPath, const EventLogRecord& record);

// One row of a day's log as the viewer shows it.
struct LogRow {
    std::array<QString, 8> fields;  // kind, source, date, time, camera, description, number, file
    int icon = -1;                  // the kind read as an integer; -1 when it is none
    int line = 0;                   // position of the line in the file, from 0
};

// The rows of one day, and the viewer's selection.
struct LogDayModel {
    std::vector<LogRow> rows;
    int selectedRow = -1;
};

enum LogFilter { kLogAll = 0, kLogWithFile = 1, kLogMotionWithFile = 2 };

// Splits one line into its eight fields (missing ones empty, text after the eighth bar dropped).
std::array<QString, 8> SplitLogLine(const QString& line);
// Reads a log file's lines, honouring a UTF-8 or UTF-16 byte-order mark (UTF-8 otherwise).
QStringList ReadLogLines(const QString& path);
// Clears `model` and fills it with the rows of the day that pass `filter`.
void LoadLogDay(LogDayModel* model, const QString& logPath, int filter, const QDate& date);
// The file of the selected row, or of row `index`; empty when there is none.
QString SelectedLogFile(const LogDayModel& model);
QString LogFileOfRow(const LogDayModel& model, int index);

// Removes the lines numbered `lines` (from 0) from the log file, read afresh so that lines
// appended meanwhile stay; the rest is written back in the log's own format. False when the
// file cannot be read or written.
bool RemoveLogLines(const QString& logFile, const std::vector<int>& lines);
// A row's line number after the lines `removed` were taken out of its file.
int LineAfterRemoval(int line, const std::vector<int>& removed);
// The viewer's row order: numbers compared as numbers (rows equal when either is not one),
// everything else as text without regard to case. -1, 0 or 1.
int CompareLogTexts(const QString& a, const QString& b, bool numeric);

// Deletes the date-named log files older than `cutoff`, walking the names in ascending order
// and stopping at the first that is not old. Returns how many were deleted.
int DeleteOldLogFiles(const QString& logPath, const QDate& cutoff);

}  // namespace trelvix
