#include <QFile>
#include <QVideoFrame>
#include <QVideoSink>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "config/Folders.h"
#include "config/Option.h"
#include "views/Timeline.h"
#include "views/Unit_log.h"
#include "support/MediaProbe.h"
#include "support/SyntheticRecordings.h"
#include "support/LogViewerFixture.h"
#include "support/Wait.h"

using namespace trelvix;
using trelvix::test::WaitFor;

namespace {

class TimelineTest : public test::LogViewerFixture {
protected:
    QString Line(int kind, const QString& time, int camera, const QString& file) {
        return QStringLiteral("%1|Src|%2|%3|Cam%4|what|%4|%5|")
            .arg(kind)
            .arg(day.toString("yyyy-MM-dd"), time)
            .arg(camera)
            .arg(file);
    }
    // The second of the day the player shows now; -1 when it shows nothing yet.
    static int ShownSecond(TFrmLog& viewer) {
        QVideoSink* sink = viewer.Player() ? viewer.Player()->player->videoSink() : nullptr;
        return sink ? test::ReadTimeCode(sink->videoFrame().toImage(), 160) : -1;
    }
    static int SecondOf(const QDateTime& t) { return QTime(0, 0).secsTo(t.time()); }
    void Click(TFrmLog& viewer, int camera, const QDateTime& when) {
        TimelineView* t = viewer.Timeline;
        QTest::mouseClick(t, Qt::LeftButton, {},
                          QPoint(t->XOf(when), t->RowRect(camera).center().y()));
    }

    // Plays `camera` from `when` and pauses exactly there; whether the player got there.
    bool PauseAt(TFrmLog& viewer, int camera, const QDateTime& when) {
        Click(viewer, camera, when);
        if (!WaitFor([&] { return viewer.PlayMomentNow().isValid(); })) return false;
        if (!viewer.Player()->IsPaused()) viewer.SpeedButton2->click();
        QMediaPlayer* p = viewer.Player()->player;
        p->setPosition(p->position() + viewer.PlayMomentNow().msecsTo(when));
        return WaitFor([&] { return viewer.PlayMomentNow() == when; });
    }
};

}  // namespace

TEST_F(TimelineTest, AClickPlaysThatMomentAndGoesOnIntoTheNextFile) {
    const QString folder = option->LogPath + "rec/";
    const QStringList files =
        test::RecordSynthetic(80, folder, QDateTime(day, QTime(10, 0, 30)), 90);
    ASSERT_EQ(files.size(), 2);  // 10:00:30 and 10:01:30, a minute each
    WriteLog({Line(1, "10:00:30", 0, files[0]), Line(1, "10:01:30", 0, files[1])});
    TFrmLog viewer(nullptr, 3, DeleteLogged);
    viewer.resize(1000, 700);
    viewer.show();
    viewer.Tabs->setCurrentWidget(viewer.TimelinePage);
    viewer.Timeline->SetView(10 * 3600 * 1000, 3 * 60 * 1000);

    // A click at 10:00:45 opens the first file 15 s in; the shown picture says so.
    Click(viewer, 0, QDateTime(day, QTime(10, 0, 45)));
    const int clicked =
        SecondOf(viewer.Timeline->TimeAtX(viewer.Timeline->XOf(QDateTime(day, QTime(10, 0, 45)))));
    // Once the shown picture and the player's position agree, both are the clicked moment.
    ASSERT_TRUE(WaitFor([&] {
        const int shown = ShownSecond(viewer);
        return viewer.PlayMomentNow().isValid() && shown > 0 &&
               std::abs(shown - SecondOf(viewer.PlayMomentNow())) <= 1;
    })) << messages.join(", ").toStdString();
    EXPECT_EQ(viewer.Player()->path, files[0]);
    EXPECT_NEAR(ShownSecond(viewer), clicked, 1);
    EXPECT_NEAR(SecondOf(viewer.PlayMomentNow()), ShownSecond(viewer), 1);

    // Another moment of the same file.
    Click(viewer, 0, QDateTime(day, QTime(10, 1, 10)));
    ASSERT_TRUE(WaitFor([&] {
        return std::abs(ShownSecond(viewer) - SecondOf(QDateTime(day, QTime(10, 1, 10)))) <= 1;
    }));
    EXPECT_EQ(viewer.Player()->path, files[0]);

    // Near the file's end, playing goes on into the next one.
    Click(viewer, 0, QDateTime(day, QTime(10, 1, 28)));
    ASSERT_TRUE(WaitFor([&] { return viewer.Player()->path == files[1]; }, 30000));
    ASSERT_TRUE(
        WaitFor([&] { return ShownSecond(viewer) >= SecondOf(QDateTime(day, QTime(10, 1, 30))); }));
    EXPECT_LE(ShownSecond(viewer), SecondOf(QDateTime(day, QTime(10, 1, 35))));
    EXPECT_EQ(viewer.PlayCamera(), 0);

    // The span chosen on the row is exported through the same engine as the command line.
    viewer.Timeline->SetSelection(0, QDateTime(day, QTime(10, 0, 50)),
                                  QDateTime(day, QTime(10, 1, 40)));
    const QString clip = dir.path() + "/clip.mp4";
    EXPECT_EQ(viewer.ExportSelectionTo(clip), ExportResult::kOk);
    EXPECT_GT(QFileInfo(clip).size(), 0);
    viewer.Timeline->SetSelection(0, QDateTime(day, QTime(12, 0)), QDateTime(day, QTime(12, 1)));
    EXPECT_EQ(viewer.ExportSelectionTo(dir.path() + "/none.mp4"), ExportResult::kNothingRecorded);
    EXPECT_FALSE(QFile::exists(dir.path() + "/none.mp4"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(", ").toStdString();
}

TEST_F(TimelineTest, AMotionEventIsOneRowThatOpensToItsPicturesAndGoesWithThem) {
    QStringList pictures;
    for (int i = 0; i < 4; ++i) {
        pictures << option->LogPath + QStringLiteral("m%1.jpg").arg(i);
        test::WriteFile(pictures.last());
    }
    WriteLog({Line(2, "10:00:00", 0, pictures[0]), Line(3, "10:00:01", -1, ""),
              Line(2, "10:00:20", 0, pictures[1]), Line(2, "10:00:45", 0, pictures[2]),
              Line(2, "10:00:10", 1, pictures[3]), Line(2, "10:30:00", 0, "")});
    TFrmLog viewer(nullptr, 3, DeleteLogged);
    viewer.ColumnClick(1);            // oldest first
    ASSERT_EQ(viewer.RowCount(), 4);  // event, program row, camera 1's picture, lone record
    QTreeWidgetItem* event = viewer.ListView1->topLevelItem(0);
    EXPECT_EQ(event->childCount(), 3);
    EXPECT_EQ(event->text(4), "Motion event: 3 pictures");
    EXPECT_EQ(event->text(6), pictures[0]);

    // The camera filter keeps one camera's rows, in the list and on the timeline.
    viewer.ComboBox_camera->setCurrentIndex(viewer.ComboBox_camera->findData(1));
    viewer.Refresh();
    EXPECT_EQ(viewer.RowCount(), 1);
    viewer.ComboBox_camera->setCurrentIndex(0);
    viewer.Refresh();
    viewer.ColumnClick(1);
    viewer.ColumnClick(1);

    // Deleting the event deletes its pictures and exactly its rows.
    ASSERT_EQ(viewer.RowText(0, 4), "Motion event: 3 pictures");
    viewer.SelectRows({0});
    viewer.DeleteSelected();
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(QFile::exists(pictures[i]));
    EXPECT_TRUE(QFile::exists(pictures[3]));
    const QStringList left = ReadLogLines(LogFileName(option->LogPath, day));
    ASSERT_EQ(left.size(), 3);
    EXPECT_TRUE(left[0].startsWith("3|"));
    EXPECT_TRUE(left[1].contains(pictures[3]));
    EXPECT_TRUE(left[2].contains("10:30:00"));
    EXPECT_EQ(viewer.RowCount(), 3);
}

namespace {

// The player's clip marks in English and in a right-to-left language (the module's index).
class PlayerClipTest : public TimelineTest, public ::testing::WithParamInterface<int> {
protected:
    void TearDown() override {
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        TimelineTest::TearDown();
    }
};

}  // namespace

// With TRELVIX_SHOTS set to a folder, the marked player is saved there as a picture.
TEST_P(PlayerClipTest, TheSpanMarkedInThePlayerIsWrittenAcrossTheSegmentCut) {
    ASSERT_TRUE(option->LoadLanguageModule(GetParam()));
    const QStringList files =
        test::RecordSynthetic(81, option->LogPath + "rec/", QDateTime(day, QTime(10, 0, 30)), 90);
    ASSERT_EQ(files.size(), 2);  // 10:00:30 and 10:01:30
    WriteLog({Line(1, "10:00:30", 0, files[0]), Line(1, "10:01:30", 0, files[1])});
    TFrmLog viewer(nullptr, 3);
    viewer.resize(1000, 700);
    viewer.show();
    viewer.Tabs->setCurrentWidget(viewer.TimelinePage);
    viewer.Timeline->SetView(10 * 3600 * 1000, 3 * 60 * 1000);
    const QDateTime from(day, QTime(10, 0, 50)), to(day, QTime(10, 1, 40));

    viewer.BitBtn_from->click();  // nothing plays: nothing to mark
    EXPECT_FALSE(viewer.MarkedFrom().at.isValid());
    ASSERT_TRUE(PauseAt(viewer, 0, from)) << messages.join(", ").toStdString();
    viewer.BitBtn_from->click();
    EXPECT_FALSE(viewer.BitBtn_exportMarked->isEnabled());
    ASSERT_TRUE(PauseAt(viewer, 0, to));
    EXPECT_EQ(viewer.Player()->path, files[1]);
    viewer.BitBtn_to->click();
    // The span reads from start to end, left to right, in every language.
    EXPECT_EQ(viewer.Label_span->text(), "10:00:50 – 10:01:40");
    EXPECT_LT(viewer.BitBtn_from->x(), viewer.BitBtn_to->x());
    EXPECT_TRUE(viewer.BitBtn_exportMarked->isEnabled());
    if (const QString shots = qEnvironmentVariable("TRELVIX_SHOTS"); !shots.isEmpty()) {
        const QString file =
            QStringLiteral("%1/player-export-%2.png").arg(shots, GetParam() ? "ar" : "en");
        EXPECT_TRUE(viewer.grab().save(file)) << file.toStdString();
    }

    const QString clip = dir.path() + "/marked.mp4";
    ASSERT_EQ(viewer.ExportMarkedTo(clip), ExportResult::kOk);
    const test::Probe probe = test::ProbeFile(clip);
    ASSERT_TRUE(probe.opened);
    EXPECT_NEAR(probe.seconds, 50.0, 2.0 + 0.15);      // the span ± one key-frame interval
    EXPECT_NEAR(probe.frames, 10 * probe.seconds, 2);  // both files' pictures, none lost
    const QImage first(probe.firstLuma.data(), probe.width, probe.height, probe.width,
                       QImage::Format_Grayscale8);
    const int firstSecond = test::ReadTimeCode(first, probe.width);
    EXPECT_LE(firstSecond, SecondOf(from));
    EXPECT_GE(firstSecond, SecondOf(from) - 2);

    viewer.BitBtn_from->click();  // a start that is not before the end
    EXPECT_FALSE(viewer.BitBtn_exportMarked->isEnabled());
    EXPECT_TRUE(messages.isEmpty()) << messages.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, PlayerClipTest, ::testing::Values(0, 11));
