#include <QDir>
#include <QFile>
#include <cstddef>
#include <gtest/gtest.h>

#include "common/TextConv.h"
#include "history/EventLog.h"
#include "support/TestFiles.h"

using namespace trelvix;

namespace {

// Each test's log folder is an empty folder of its own.
using EventLogTest = test::FolderTest;

}  // namespace

TEST(EventLogRecord, LayoutMatchesTheRecordTable) {
    EXPECT_EQ(sizeof(EventLogRecord), 892u);
    EXPECT_EQ(offsetof(EventLogRecord, kind), 0u);
    EXPECT_EQ(offsetof(EventLogRecord, source), 4u);
    EXPECT_EQ(offsetof(EventLogRecord, dateText), 44u);
    EXPECT_EQ(offsetof(EventLogRecord, timeText), 68u);
    EXPECT_EQ(offsetof(EventLogRecord, cameraName), 88u);
    EXPECT_EQ(offsetof(EventLogRecord, description), 168u);
    EXPECT_EQ(offsetof(EventLogRecord, cameraNumber), 368u);
    EXPECT_EQ(offsetof(EventLogRecord, filePath), 372u);
}

TEST(EventLogRecord, LongTextsAreCutAndTerminatedInTheirField) {
    const EventLogRecord r =
        MakeEventRecord(2, QString(50, 's'), QString(45, 'c'), QString(150, 'd'), 4,
                        QString(300, 'f'), QDateTime(QDate(2024, 5, 3), QTime(8, 15, 2)));
    EXPECT_EQ(RecordText(r.source), QString(19, 's'));
    EXPECT_EQ(r.source[19], 0);
    EXPECT_EQ(RecordText(r.cameraName), QString(39, 'c'));
    EXPECT_EQ(RecordText(r.description), QString(99, 'd'));
    EXPECT_EQ(RecordText(r.filePath), QString(259, 'f'));
    EXPECT_EQ(r.cameraNumber, 4);  // the field after the description is untouched
}

TEST_F(EventLogTest, LinesHaveEightBarredFieldsInTheRecordsDayFile) {
    const EventLogRecord start = MakeEventRecord(3, "Program", "", "Started", -1, "",
                                                 QDateTime(QDate(2024, 5, 3), QTime(8, 15, 2)));
    ASSERT_TRUE(AppendLogRecord(folder, start));
    EXPECT_EQ(Read("2024-05-03.txt"), "3|Program|2024-05-03|08:15:02||Started|-1||\r\n");

    // Filled at 23:59:59 and appended later: still the earlier day's file.
    const EventLogRecord late =
        MakeEventRecord(1, "Program", QStringLiteral("1#"), QStringLiteral("新文件"), 1, "/v/a.mp4",
                        QDateTime(QDate(2024, 5, 3), QTime(23, 59, 59)));
    ASSERT_TRUE(AppendLogRecord(folder, late));
    EXPECT_EQ(QString::fromUtf8(Read("2024-05-03.txt")),
              QStringLiteral("3|Program|2024-05-03|08:15:02||Started|-1||\r\n"
                             "1|Program|2024-05-03|23:59:59|1#|新文件|1|/v/a.mp4|\r\n"));
    EXPECT_FALSE(QFile::exists(folder + "2024-05-04.txt"));

    // A record whose date cannot be read is dropped without writing.
    EventLogRecord bad = start;
    SetRecordText(bad.dateText, "no date");
    EXPECT_FALSE(AppendLogRecord(folder, bad));
    EXPECT_EQ(LogFileName(folder, QDate(2024, 5, 3)), folder + "2024-05-03.txt");
}

TEST_F(EventLogTest, AppendRepairsAMissingLineEndAndConvertsMarkedFiles) {
    Write("2024-05-03.txt", "0|a|2024-05-03|01:00:00||x|-1||");
    const auto rec =
        MakeEventRecord(3, "P", "", "d", -1, "", QDateTime(QDate(2024, 5, 3), QTime(2, 0)));
    AppendLogRecord(folder, rec);
    EXPECT_EQ(Read("2024-05-03.txt"),
              "0|a|2024-05-03|01:00:00||x|-1||\r\n3|P|2024-05-03|02:00:00||d|-1||\r\n");

    // A UTF-16 file with its mark is read, then written back as UTF-8 with the new line.
    QByteArray utf16("\xff\xfe", 2);
    for (QChar c : QStringLiteral("2|运动|2024-05-04|01:00:00|0#|m|0|/p.jpg|\r\n"))
        utf16.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    Write("2024-05-04.txt", utf16);
    AppendLogRecord(folder, MakeEventRecord(3, "P", "", "d", -1, "",
                                            QDateTime(QDate(2024, 5, 4), QTime(2, 0))));
    EXPECT_EQ(
        QString::fromUtf8(Read("2024-05-04.txt")),
        QStringLiteral(
            "2|运动|2024-05-04|01:00:00|0#|m|0|/p.jpg|\r\n3|P|2024-05-04|02:00:00||d|-1||\r\n"));
}

TEST_F(EventLogTest, RemovingTheFirstLineNeverMakesTheNextReadAsAByteOrderMark) {
    // UTF-8 without a mark whose second line opens with the bytes of a UTF-16 mark, and a
    // UTF-16LE file whose second line opens with a NUL (FF FE 00 00 is the UTF-32 mark); a cut
    // last character; a UTF-32 file with a lone surrogate.
    QByteArray utf16("\xff\xfe", 2);
    for (QChar c : QString("0|a|\r\n") + QChar(0) + QString("|b|\r\n"))
        utf16.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    const QByteArray files[] = {"0|a|\r\n\xff\xfe|b|\r\n2|c|\r\n", utf16,
                                "\xef\xbb\xbf"
                                "0|a|\n\xef\xbb\xbf|b|\n",
                                "\n\xef\xbb\xbf\n\xef",
                                QByteArray("\xff\xfe\0\0"
                                           "0\0\0\0"
                                           "\r\0\0\0"
                                           "\x00\xdc\0\0"
                                           "|\0\0\0",
                                           20)};
    for (const QByteArray& bytes : files) {
        Write("2024-05-05.txt", bytes);
        const QStringList before = ReadLogLines(folder + "2024-05-05.txt");
        ASSERT_GE(before.size(), 2);
        ASSERT_TRUE(RemoveLogLines(folder + "2024-05-05.txt", {0}));
        EXPECT_EQ(ReadLogLines(folder + "2024-05-05.txt"), before.mid(1))
            << bytes.toHex().constData();
    }
}

TEST_F(EventLogTest, ReadingADayAppliesTheThreeFilters) {
    Write("2024-05-10.txt",
          "2|Motion|2024-05-10|10:00:00|0#|Snap|0|/img/a.jpg|\r\n"
          "2|Motion|2024-05-10|10:00:01|0#||0||\r\n"
          "1|Program|2024-05-10|10:00:02|0#|Rec|0|/vid/b.mp4|\r\n"
          "x|no icon|\r\n"
          "no bars at all\r\n"
          "3|a|b|c|d|e|f|g|h|i|j|\r\n");
    LogDayModel all;
    LoadLogDay(&all, folder, kLogAll, QDate(2024, 5, 10));
    ASSERT_EQ(all.rows.size(), 6u);
    EXPECT_EQ(all.rows[0].icon, 2);
    EXPECT_EQ(all.rows[3].icon, -1);
    EXPECT_EQ(all.rows[3].fields[1], "no icon");
    EXPECT_EQ(all.rows[3].fields[2], "");
    for (const QString& f : all.rows[4].fields) EXPECT_EQ(f, "");
    EXPECT_EQ(all.rows[5].fields[7], "g");  // only the first eight fields count
    EXPECT_EQ(all.rows[5].line, 5);

    LogDayModel withFile;
    LoadLogDay(&withFile, folder, kLogWithFile, QDate(2024, 5, 10));
    ASSERT_EQ(withFile.rows.size(), 3u);
    EXPECT_EQ(withFile.rows[1].line, 2);  // rows remember their line in the file

    LogDayModel motion;
    LoadLogDay(&motion, folder, kLogMotionWithFile, QDate(2024, 5, 10));
    ASSERT_EQ(motion.rows.size(), 1u);
    EXPECT_EQ(LogFileOfRow(motion, 0), "/img/a.jpg");
    EXPECT_EQ(LogFileOfRow(motion, 1), "");
    EXPECT_EQ(SelectedLogFile(motion), "");
    motion.selectedRow = 0;
    EXPECT_EQ(SelectedLogFile(motion), "/img/a.jpg");

    LogDayModel none;
    none.rows.resize(2);
    LoadLogDay(&none, folder, kLogAll, QDate(2024, 5, 11));
    EXPECT_TRUE(none.rows.empty());
}

TEST_F(EventLogTest, RetentionDeletesOnlyDatedFilesBeforeTheCutoff) {
    for (const char* name : {"2024-05-01.txt", "2024-05-02.txt", "2024-05-03.txt", "2024-05-09.txt",
                             "notes.txt", "2024-13-01.txt", "2024-xx-01.txt"})
        Write(QString::fromLatin1(name), "x");
    // historyDays 7 on 10 May 2024.
    const int deleted = DeleteOldLogFiles(folder, QDate(2024, 5, 10).addDays(-7));
    EXPECT_EQ(deleted, 2);
    QStringList left = QDir(folder).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(left, (QStringList{"2024-05-03.txt", "2024-05-09.txt", "2024-13-01.txt",
                                 "2024-xx-01.txt", "notes.txt"}));

    // Names that only begin like a day log are someone else's.
    Write("2024-05-01.TXT", "x");
    Write("2024-05-02b.txt", "x");
    EXPECT_EQ(DeleteOldLogFiles(folder, QDate(2024, 5, 3)), 0);
    EXPECT_EQ(DeleteOldLogFiles(folder, QDate(2000, 1, 1)), 0);
}

TEST_F(EventLogTest, OnlyFilesNamedExactlyAsADayLogGo) {
    const QStringList names = {"2024-05-01.txt", "2024-05-01.txt.bak", "2024-05-01 notes.txt",
                               "2024-5-01.txt",  "2024-05-02.jpg",     "2024-05-03x.txt"};
    for (const QString& name : names) Write(name);
    EXPECT_EQ(DeleteOldLogFiles(folder, QDate(2024, 6, 1)), 1);
    EXPECT_FALSE(QFile::exists(folder + "2024-05-01.txt"));
    for (const QString& name : names.mid(1))
        EXPECT_TRUE(QFile::exists(folder + name)) << name.toStdString();
}
