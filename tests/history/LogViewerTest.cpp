#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/LogViewerFixture.h"
#include "support/SyntheticRecordings.h"
#include "support/Wait.h"

#include "common/Frame.h"
#include "record/Ymp4.h"
#include "common/Clock.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "history/LogReceiver.h"
#include "views/Cdsmediaplay.h"
#include "history/Cfilefilter.h"
#include "views/Unit_log.h"
#include "history/EventLog.h"
#include "lang/TextIds.h"

using namespace trelvix;
using trelvix::test::WaitFor;

namespace {

class LogViewerTest : public test::LogViewerFixture {
protected:
    // A picture file inside the program's folders (the log folder is one).
    QString Picture(const QString& name) { return test::WriteFile(option->LogPath + name, "jpeg"); }
    QString Line(const QString& kind, const QString& time, const QString& desc, const QString& num,
                 const QString& file) {
        return kind + "|Src|" + day.toString("yyyy-MM-dd") + "|" + time + "|Cam|" + desc + "|" +
               num + "|" + file + "|";
    }
    // A recording of `seconds` at ten frames a second, the day's only line.
    void LoggedRecording(const QString& name, int width, int height, int seconds) {
        const QStringList files = test::RecordSynthetic(
            92, option->LogPath + name, QDateTime(day, QTime(10, 0)), seconds, 1, width, height);
        ASSERT_EQ(files.size(), 1);
        WriteLog({Line("1", "10:00:00", "Recording started", "0", files[0])});
    }
};

}  // namespace

TEST(FileFilter, EveryRowOfTheTable) {
    CFileFilter f;
    EXPECT_EQ(f.Classify("clip.mp4"), 2);
    EXPECT_EQ(f.Classify("/a/b/CLIP.MP4"), 2);
    EXPECT_EQ(f.Classify("x.jpg"), 0);
    EXPECT_EQ(f.Classify("x.wmv"), 2);
    EXPECT_EQ(f.Classify("archive.tar.gz"), 6);
    EXPECT_EQ(f.Classify("README"), 7);
    EXPECT_EQ(f.Classify("/home/u/my.folder/README"), 7);
    EXPECT_EQ(f.Classify("x.midi"), 1);
    EXPECT_EQ(f.Classify("x.mpeg"), 2);
    EXPECT_EQ(f.Classify("x.swf"), 3);
    EXPECT_EQ(f.Classify("x.Pdf"), 4);
    EXPECT_EQ(f.Classify("x.msi"), 5);
    EXPECT_EQ(f.Classify("x."), 7);
}

TEST(PlayerTexts, TimesAndState) {
    EXPECT_EQ(PlayTimeText(3725), "01:02:05");
    EXPECT_EQ(PlayTimeText(61) + "/" + PlayTimeText(3725), "00:01:01/01:02:05");
    EXPECT_EQ(PlayTimeText(360000), "100:00:00");
    EXPECT_EQ(PlayStateText("/v/01/a b.mp4", 1.5, true), "a b.mp4 [Rate: 1.50] (Pause)");
    EXPECT_EQ(PlayStateText("", 1.0, false), " [Rate: 1.00] ");
}

TEST_F(LogViewerTest, DeletingRowsRemovesExactlyTheirLinesAndFiles) {
    const QString a = Picture("a.jpg"), b = Picture("b.jpg"), c = Picture("c.jpg");
    WriteLog({Line("2", "10:00:00", "one", "0", a), Line("3", "10:00:01", "x", "0", ""),
              Line("1", "10:00:02", "Two", "0", b), Line("3", "10:00:03", "y", "0", ""),
              Line("2", "10:00:04", "three", "0", c), Line("3", "10:00:05", "z", "0", "")});
    TFrmLog viewer(nullptr, 1, DeleteLogged);
    // Newest first right after opening; "one" and "three" are one motion event, shown by its
    // first picture.
    ASSERT_EQ(viewer.RowCount(), 2);
    EXPECT_EQ(viewer.RowText(0, 6), b);
    viewer.CheckBox_group->click();  // a row per line again, refreshed
    ASSERT_EQ(viewer.RowCount(), 3);
    EXPECT_EQ(viewer.RowText(0, 6), a);  // a refresh keeps file order
    EXPECT_EQ(viewer.Label_count->text(), "3");

    // Sort on another column (description, descending by the first click: two, three, one).
    viewer.ColumnClick(4);
    ASSERT_EQ(viewer.RowText(0, 4), "Two");
    // A line appended after the refresh must survive.
    const QString log = test::AppendFile(LogFileName(option->LogPath, day),
                                         Line("3", "10:00:06", "late", "0", "").toUtf8() + "\r\n");
    viewer.SelectRows({0});  // "Two": file b, line 2
    viewer.DeleteSelected();
    EXPECT_FALSE(QFile::exists(b));
    EXPECT_TRUE(QFile::exists(a));
    QStringList lines = ReadLogLines(log);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_FALSE(lines.join('\n').contains("Two"));
    EXPECT_TRUE(lines.last().contains("late"));
    EXPECT_EQ(viewer.Label_count->text(), "2");
    // A second deletion still hits the right line: "three" was line 4, now 3.
    int three = viewer.RowText(0, 4) == "three" ? 0 : 1;
    EXPECT_EQ(viewer.RowLine(three), 3);
    viewer.SelectRows({three});
    viewer.DeleteSelected();
    lines = ReadLogLines(log);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_FALSE(lines.join('\n').contains("three"));
    EXPECT_FALSE(QFile::exists(c));
}

TEST_F(LogViewerTest, FilesOutsideTheProgramsFoldersAreNeverDeleted) {
    QTemporaryDir elsewhere;
    const QString foreign = test::WriteFile(elsewhere.path() + "/precious.jpg");
    // A hand-edited line, and one climbing out of the log folder.
    const QString sneaky =
        option->LogPath + "../../" + QDir(option->LogPath).relativeFilePath(foreign);
    WriteLog({Line("2", "10:00:00", "p", "0", foreign), Line("2", "10:00:01", "q", "0", sneaky)});
    TFrmLog viewer(nullptr, 3, DeleteLogged);
    viewer.CheckBox_group->click();  // a row per line
    ASSERT_EQ(viewer.RowCount(), 2);
    viewer.SelectRows({0, 1});
    viewer.DeleteSelected();
    EXPECT_TRUE(QFile::exists(foreign));
    EXPECT_EQ(viewer.RowCount(), 0);
    EXPECT_TRUE(ReadLogLines(LogFileName(option->LogPath, day)).isEmpty());
}

TEST_F(LogViewerTest, DeleteAllSortingFiltersAndDays) {
    const QString a = Picture("d.jpg");
    WriteLog({Line("2", "10:00:00", "beta", "9", a), Line("1", "10:00:01", "Alpha", "10", ""),
              Line("3", "10:00:02", "gamma", "11", "")});
    TFrmLog viewer(nullptr, 3, DeleteLogged);
    ASSERT_EQ(viewer.RowCount(), 3);
    EXPECT_EQ(CompareLogTexts("x", "9", true), 0);  // a non-number ties
    // Column 5 compares numbers: 10 after 9 ascending (second click).
    viewer.ColumnClick(5);
    viewer.ColumnClick(5);
    EXPECT_EQ(viewer.RowText(0, 5), "9");
    EXPECT_EQ(viewer.RowText(1, 5), "10");
    // Column 4 ignores case.
    viewer.ColumnClick(4);
    viewer.ColumnClick(4);
    EXPECT_EQ(viewer.RowText(0, 4), "Alpha");
    EXPECT_EQ(viewer.RowText(1, 4), "beta");

    // The hidden motion box unchecks the file box; unchecking it leaves the file box alone.
    viewer.CheckBox_showFileOnly->setChecked(true);
    viewer.CheckBox_showMoveOnly->setChecked(true);
    viewer.FilterClicked(viewer.CheckBox_showMoveOnly);
    EXPECT_FALSE(viewer.CheckBox_showFileOnly->isChecked());
    EXPECT_EQ(viewer.RowCount(), 1);
    viewer.CheckBox_showFileOnly->setChecked(true);
    viewer.CheckBox_showMoveOnly->setChecked(false);
    viewer.FilterClicked(viewer.CheckBox_showMoveOnly);
    EXPECT_TRUE(viewer.CheckBox_showFileOnly->isChecked());

    viewer.DeleteAll();
    EXPECT_EQ(viewer.RowCount(), 0);
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_FALSE(QFile::exists(LogFileName(option->LogPath, day)));
    // Again, on a day without a file: nothing to do, nothing breaks.
    viewer.DeleteAll();
    EXPECT_EQ(viewer.Label_count->text(), "0");

    viewer.DateTimePicker1->setDate(QDate(2024, 3, 1));
    viewer.PreviousDay();
    EXPECT_EQ(viewer.DateTimePicker1->date(), QDate(2024, 2, 29));
    viewer.NextDay();
    viewer.NextDay();
    EXPECT_EQ(viewer.DateTimePicker1->date(), QDate(2024, 3, 2));
}

TEST_F(LogViewerTest, PlayerRatesPauseAndTheEndOfAFile) {
    // A real three-second recording.
    const QString folder = option->LogPath + "rec";
    const QStringList files =
        test::RecordSynthetic(90, folder, QDateTime(day, QTime(10, 0)), 3, 1, 320, 240);
    ASSERT_EQ(files.size(), 1);
    const QString file = files[0];

    QWidget owner;
    QWidget panel(&owner);
    panel.resize(400, 300);
    CDSMediaPlay player(&owner, &panel);
    ASSERT_TRUE(player.Open(file));
    ASSERT_TRUE(WaitFor([&] { return player.state != CDSMediaPlay::kOpening; }));
    ASSERT_EQ(player.state, CDSMediaPlay::kRunning) << messages.join(", ").toStdString();
    EXPECT_EQ(player.fileKind, 2);
    // 30 frames at 10 per second; whole seconds, truncated.
    EXPECT_GE(player.durationSeconds, 2);
    EXPECT_LE(player.durationSeconds, 3);
    for (int i = 0; i < 5; ++i) player.Faster();
    EXPECT_TRUE(player.StateText().contains("[Rate: 1.50]")) << player.StateText().toStdString();
    EXPECT_FALSE(player.SetRate(-1.0));  // refused: nothing changes
    EXPECT_TRUE(player.StateText().contains("[Rate: 1.50]"));
    player.TogglePause();
    EXPECT_TRUE(player.StateText().endsWith("(Pause)"));
    player.Resume();
    EXPECT_TRUE(player.StateText().contains("[Rate: 1.00]"));
    EXPECT_TRUE(player.PositionText().endsWith("/" + PlayTimeText(player.durationSeconds)));
    // The end of the file unloads it.
    ASSERT_TRUE(WaitFor([&] { return !player.IsLoaded(); }));
    EXPECT_EQ(player.fileKind, CDSMediaPlay::kNothingLoaded);
    EXPECT_TRUE(messages.isEmpty());

    // A file that is no video at all.
    player.Open(test::WriteFile(folder + "/junk.mp4", QByteArray(4096, 'x')));
    ASSERT_TRUE(WaitFor([&] { return !player.IsLoaded(); }));
    EXPECT_EQ(messages, QStringList{"Can't play.Please download codec"});
    EXPECT_FALSE(player.IsLoaded());

    // A picture: shown, no duration, no rate.
    const QString pic = folder + "/p.jpg";
    QImage(200, 100, QImage::Format_RGB32).save(pic);
    ASSERT_TRUE(player.Open(pic));
    EXPECT_EQ(player.fileKind, 0);
    EXPECT_EQ(player.videoWidth, 200);
    EXPECT_FALSE(player.SetRate(1.5));
    EXPECT_EQ(player.PositionText(), "");
    player.Close();
}

TEST_F(LogViewerTest, ClosingTheViewerWhileAFileLoadsIsSafe) {
    LoggedRecording("clip", 160, 120, 1);
    QPointer<TFrmLog> viewer = new TFrmLog(nullptr, 3, DeleteLogged);
    viewer->show();
    ASSERT_EQ(viewer->RowCount(), 1);
    viewer->ListView1->topLevelItem(0)->setSelected(true);
    // The window is closed (and freed) while the file is still loading.
    QTimer::singleShot(0, viewer, [&] { viewer->close(); });
    viewer->PlaySelected();
    if (viewer) viewer->PlaySelected();  // a second selection while the first still loads
    EXPECT_TRUE(WaitFor([&] { return viewer.isNull(); }, 5000));
    QCoreApplication::processEvents();
}

// Playing keeps the window's title, and the window never reaches past the work area, even
// when it grows for the video from a place near the screen's corner.
TEST_F(LogViewerTest, PlayingKeepsTheTitleAndTheWindowInsideTheWorkArea) {
    LoggedRecording("wide", 640, 360, 2);
    TFrmLog viewer(nullptr, 3, DeleteLogged);
    viewer.setAttribute(Qt::WA_DeleteOnClose, false);
    viewer.show();
    const QRect area = viewer.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(viewer.frameGeometry())) << "opened larger than the work area";
    viewer.resize(viewer.minimumSizeHint());
    const QSize frame = viewer.frameGeometry().size();
    viewer.move(area.right() - frame.width() - 10, area.bottom() - frame.height() - 10);
    const QSize before = viewer.size();
    viewer.ListView1->topLevelItem(0)->setSelected(true);
    viewer.PlaySelected();
    ASSERT_TRUE(WaitFor([&] { return viewer.TimerPlay.isActive(); }))
        << messages.join(", ").toStdString();
    EXPECT_EQ(viewer.windowTitle(), LanguageText(text::kEventLog));
    ASSERT_TRUE(WaitFor([&] { return viewer.size() != before; })) << "grew for the video";
    EXPECT_TRUE(area.contains(viewer.frameGeometry()));
    viewer.close();
}

TEST_F(LogViewerTest, ARecordingStillBeingWrittenPlaysToItsCurrentEnd) {
    ASSERT_TRUE(yMP4CNew(91, kYmp4Agreed));
    const QString folder = option->LogPath + "growing";
    ASSERT_TRUE(yMP4COpen(91, 10, 160, 120, 4, 15, folder, 30));
    VideoFrame f;
    f.Resize(160, 120);
    auto writeSeconds = [&](int seconds) {
        for (int i = 0; i < seconds * 10; ++i) {
            std::fill(f.data.begin(), f.data.end(), uint8_t(i * 8));
            ASSERT_TRUE(yVideoWrite(91, f.data.data(), f.data.size()));
        }
    };
    writeSeconds(2);
    const QString file = yMP4CCurrentFile(91);
    QWidget owner;
    QWidget panel(&owner);
    CDSMediaPlay player(&owner, &panel);
    player.Open(file);
    ASSERT_TRUE(WaitFor([&] { return player.state == CDSMediaPlay::kRunning; }));
    player.SetRate(2.0);
    writeSeconds(3);  // the camera goes on recording while the file plays
    qint64 furthest = 0;
    ASSERT_TRUE(WaitFor(
        [&] {
            furthest = std::max(furthest, player.player->position());
            return !player.IsLoaded();
        },
        20000));
    yMP4CClose(91);
    yMP4CDelete(91);
    EXPECT_GE(furthest, 3500) << "stopped at " << furthest << " ms";
}

TEST_F(LogViewerTest, DeletingActsOnTheDayShownAndKeepsOtherLinesByteForByte) {
    // A line another program wrote in an 8-bit Chinese encoding, then two of ours.
    const QByteArray foreign = "2|\xC7\xB0\xC3\xC5|" + day.toString("yyyy-MM-dd").toLatin1() +
                               "|09:00:00|Cam|\xD2\xC6\xB6\xAF|0||\r\n";
    const QString log =
        test::WriteFile(LogFileName(option->LogPath, day),
                        foreign + test::LogText({Line("1", "10:00:00", "one", "0", ""),
                                                 Line("1", "10:00:01", "two", "0", "")}));
    const QString yesterday = test::WriteFile(LogFileName(option->LogPath, day.addDays(-1)),
                                              "1|Src|x|10:00:00|Cam|keep me|0||\r\n");

    TFrmLog viewer(nullptr, 3, DeleteLogged);
    ASSERT_EQ(viewer.RowCount(), 3);
    // The picker moves, but the rows shown are still today's.
    viewer.DateTimePicker1->setDate(day.addDays(-1));
    for (int r = 0; r < viewer.RowCount(); ++r)
        if (viewer.RowText(r, 4) == "two") viewer.SelectRows({r});
    viewer.DeleteSelected();
    const QByteArray after = test::ReadFile(log);
    EXPECT_TRUE(after.startsWith(foreign));
    EXPECT_FALSE(after.contains("|two|"));
    EXPECT_TRUE(after.contains("|one|"));
    EXPECT_EQ(ReadLogLines(yesterday).size(), 1);
    // Clearing the list clears the day shown, not the picker's.
    viewer.DeleteAll();
    EXPECT_FALSE(QFile::exists(log));
    EXPECT_TRUE(QFile::exists(yesterday));
}

TEST_F(LogViewerTest, OnlyPicturesAndVideosGoWithTheirRows) {
    const QString picture = Picture("20240101 000000000.jpg");
    QStringList kept = {option->userFolder() + "kvCamera.ini", option->userFolder() + "config.bin",
                        option->userFolder() + "device.bin", option->userFolder() + "0.bin",
                        LogFileName(option->LogPath, day)};
    QStringList lines;
    for (const QString& file : kept + QStringList{picture}) {
        if (!QFile::exists(file)) test::WriteFile(file, "x");
        lines << Line("1", "10:00:00", "entry", "0", file);
    }
    WriteLog(lines);
    TFrmLog viewer(nullptr, 3, DeleteLogged);
    ASSERT_EQ(viewer.RowCount(), lines.size());
    std::vector<int> all;
    for (int r = 0; r < viewer.RowCount(); ++r) all.push_back(r);
    viewer.SelectRows(all);
    viewer.DeleteSelected();
    EXPECT_FALSE(QFile::exists(picture));
    for (const QString& file : kept) EXPECT_TRUE(QFile::exists(file)) << file.toStdString();
}

TEST_F(LogViewerTest, ColumnsAreWideEnoughForTheirTexts) {
    WriteLog({Line("1", "10:00:00", "Motion recording started", "0", Picture("a.jpg")),
              Line("3", "10:00:01", "Program closed for scheduled shutdown", "12", "")});
    TFrmLog viewer(nullptr, 3, DeleteLogged);
    viewer.show();
    ASSERT_EQ(viewer.RowCount(), 2);
    const QFontMetrics fm(viewer.ListView1->font());
    for (int r = 0; r < viewer.RowCount(); ++r)
        for (int c = 0; c < 6; ++c) {
            const QString text = viewer.RowText(r, c);
            EXPECT_GE(viewer.ListView1->columnWidth(c), fm.horizontalAdvance(text))
                << text.toStdString();
        }
}
