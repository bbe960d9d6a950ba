// The recording page: clamps of the stored values and the two folder choices.

#include "settings/SettingsFixture.h"

using namespace trelvix;
using trelvix::test::SettingsFixture;

namespace {

class RecordingPageTest : public SettingsFixture {
protected:
    TFrame_Panel5* OpenPage() {
        page = Open()->recordingPage;
        page->dialogs.message = [this](QWidget*, const QString& text) { messages << text; };
        page->dialogs.folder = [this](QWidget*, const QString& title, const QString& start) {
            titles << title;
            starts << start;
            return answer;
        };
        return page;
    }
    TFrame_Panel5* page = nullptr;
    QString answer;
    QStringList messages, titles, starts;
};

}  // namespace

TEST_F(RecordingPageTest, StoredValuesOutOfRangeLoadAndSaveClamped) {
    StartProgram({"test:black:320x240@10"});
    CDataClass& s = *cameras[0]->settings;
    StoreLive(s.segmentMinutes, 90);
    StoreLive(s.recordFrameRate, 2);
    StoreLive(s.xvidQuant, -4);
    StoreLive(s.xvidCompress, 11);
    OpenPage();
    EXPECT_EQ(page->TrackBar_XVIDjgminutes->value(), 60);
    EXPECT_EQ(page->Label_XVIDjgminutes->text(), "60");
    EXPECT_EQ(page->CSpinEdit_frameRate->value(), 5);
    EXPECT_EQ(page->Label_XVIDquant->text(), "0");
    EXPECT_FALSE(page->TrackBar_XVIDcompress->isVisibleTo(page));
    page->TrackBar_XVIDquant->setValue(9);
    EXPECT_EQ(page->Label_XVIDquant->text(), "9");
    EXPECT_EQ(Live(s.xvidQuant), -4);  // bars are stored by the save
    page->SaveToCamera();
    EXPECT_EQ(Live(s.segmentMinutes), 60);
    EXPECT_EQ(Live(s.recordFrameRate), 5);
    EXPECT_EQ(Live(s.xvidQuant), 9);
    EXPECT_EQ(Live(s.xvidCompress), 11);
}

TEST_F(RecordingPageTest, TheVideoFolderDialogReArmsRetentionEvenWhenCancelled) {
    StartProgram({"test:black:320x240@10"});
    const QString before = cameras[0]->settings->videoFolder;
    OpenPage();
    gOption->lastCleanupDate = QDateTime::currentDateTime();
    page->BitBtn1->click();
    EXPECT_EQ(titles, QStringList({LanguageText(486)}));
    EXPECT_EQ(starts, QStringList({before}));
    EXPECT_EQ(page->Edit_VideoPath->text(), before);
    EXPECT_EQ(gOption->lastCleanupDate, QDateTime(QDate(2000, 1, 1), QTime(0, 0)));

    answer = dir.path() + "/videos";  // made when missing
    page->BitBtn1->click();
    EXPECT_EQ(page->Edit_VideoPath->text(), dir.path() + "/videos/");
    gOption->lastCleanupDate = QDateTime::currentDateTime();
    answer = dir.path() + "/pictures";
    page->BitBtn4->click();
    EXPECT_EQ(titles.last(), LanguageText(487));
    EXPECT_EQ(page->Edit_ImagePath->text(), dir.path() + "/pictures/");
    EXPECT_NE(gOption->lastCleanupDate, QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    page->SaveToCamera();
    EXPECT_EQ(cameras[0]->settings->videoFolder.get(), dir.path() + "/videos/");
    EXPECT_EQ(cameras[0]->settings->imageFolder.get(), dir.path() + "/pictures/");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(RecordingPageTest, AFolderThatCannotBeMadeOrWrittenIsRefused) {
    StartProgram({"test:black:320x240@10"});
    OpenPage();
    const QString before = page->Edit_ImagePath->text();
    test::WriteFile(dir.path() + "/plain");
    for (const QString& bad : {dir.path() + "/plain/sub", QStringLiteral("/proc")}) {
        answer = bad;
        page->BitBtn4->click();
        EXPECT_EQ(page->Edit_ImagePath->text(), before) << bad.toStdString();
    }
    EXPECT_EQ(messages, QStringList(2, LanguageText(441)));
}

TEST_F(RecordingPageTest, WithoutACameraOnlyTheMinutesAndFrameRateStayUsable) {
    StartProgram({});
    OpenPage();
    EXPECT_FALSE(page->BitBtn1->isEnabled());
    EXPECT_FALSE(page->Edit_ImagePath->isEnabled());
    EXPECT_FALSE(page->TrackBar_XVIDquant->isEnabled());
    EXPECT_TRUE(page->TrackBar_XVIDjgminutes->isEnabled());
    EXPECT_TRUE(page->CSpinEdit_frameRate->isEnabled());
    page->TrackBar_XVIDjgminutes->setValue(20);
    page->SaveToCamera();  // writes nowhere
}
