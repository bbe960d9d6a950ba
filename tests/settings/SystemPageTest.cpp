// The system page: what its OK stores and refuses, the power-off and password switches, the
// language switch and the bounds of its numbers.
#include <QDir>
#include <QFile>
#include <QStandardItemModel>

#include "common/Files.h"
#include "common/TextConv.h"
#include "config/Language.h"
#include "views/Unit_log.h"
#include "lang/TextIds.h"
#include "settings/SettingsFixture.h"
#include "settings/Unit_Panel8.h"
#include "settings/Unit_Panel9.h"

using namespace trelvix;
using trelvix::test::SettingsFixture;

namespace {

class SystemPageTest : public SettingsFixture {
protected:
    TFrame_Panel8* OpenPage() {
        Open();
        page = static_cast<TFrame_Panel8*>(window->pages[5]);
        page->dialogs.message = [this](QWidget*, const QString& text) { messages << text; };
        page->dialogs.folder = [this](QWidget*, const QString& title, const QString&) {
            titles << title;
            return folderAnswer;
        };
        return page;
    }
    QString Ini(const QString& key) const {
        return QSettings(dir.path() + "/kvCamera.ini", QSettings::IniFormat)
            .value("Settings/" + key)
            .toString();
    }
    void SetPasswords(bool on, const QString& first, const QString& second) {
        page->CheckBox_password->setChecked(on);
        page->Edit_password1->setText(first);
        page->Edit_password2->setText(second);
    }
    void PickLanguage(int item) {
        page->ComboBoxEx1->setCurrentIndex(item);
        emit page->ComboBoxEx1->activated(item);
    }

    TFrame_Panel8* page = nullptr;
    QStringList messages, titles;
    QString folderAnswer;
};

}  // namespace

TEST_F(SystemPageTest, RefusedPasswordEntriesStoreNothingButStillCloseTheWindow) {
    struct Case {
        const char* first;
        const char* second;
    };
    for (const Case c : {Case{"secret", "secret "}, Case{"   ", "   "}, Case{"", ""}}) {
        StartProgram({});
        option->password = "old";
        option->passwordOn = 1;
        OpenPage();
        SetPasswords(true, c.first, c.second);
        page->CSpinEdit_history->setValue(20);
        page->CSpinEdit_Rows->setValue(3);
        page->BitBtn2->click();
        EXPECT_EQ(messages, QStringList{LanguageText(text::kThePasswordsDifferOrAreEmpty)});
        EXPECT_EQ(window->result(), QDialog::Accepted) << "the window closes all the same";
        EXPECT_EQ(option->password, "old");
        EXPECT_EQ(option->historyDays, 7);
        EXPECT_EQ(option->requestedRows, 2);
        EXPECT_NE(Ini("historyDays"), "20") << "nothing written";
        EXPECT_EQ(Ini("CameraRows"), "2");
        EXPECT_FALSE(option->GridChanged());
        TearDown();
        messages.clear();
    }
}

TEST_F(SystemPageTest, AcceptedPasswordKeepsItsBlanksAndSwitchingOffEmptiesIt) {
    StartProgram({});
    OpenPage();
    EXPECT_FALSE(page->Edit_password1->isEnabled()) << "protection off at first";
    SetPasswords(true, " pass word", " pass word");
    EXPECT_TRUE(page->Edit_password2->isEnabled());
    EXPECT_EQ(page->Edit_password1->maxLength(), 19);
    page->BitBtn2->click();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(option->passwordOn, 1);
    EXPECT_EQ(option->password, " pass word");
    const QByteArray config = test::ReadFile(dir.path() + "/config.bin");
    EXPECT_EQ(config.size(), 108);
    EXPECT_EQ(config.mid(2, 20), QByteArray(" \0p\0a\0s\0s\0 \0w\0o\0r\0d\0", 20));

    OpenPage();  // a new window reads the stored password back into both entries
    EXPECT_TRUE(page->CheckBox_password->isChecked());
    EXPECT_EQ(page->Edit_password2->text(), " pass word");
    SetPasswords(false, "typed", "other");
    EXPECT_FALSE(page->Edit_password1->isEnabled());
    EXPECT_EQ(page->Edit_password1->text(), "typed") << "greyed, not emptied";
    page->BitBtn2->click();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(option->passwordOn, 0);
    EXPECT_EQ(option->password, "");
}

TEST_F(SystemPageTest, LogFolderGetsItsSlashAndTheRootOrAnUnusableFolderIsRefused) {
    StartProgram({});
    OpenPage();
    const QString before = page->Edit_logpath->text();
    EXPECT_EQ(before, option->LogPath);
    QFile(dir.path() + "/plain").open(QIODevice::WriteOnly);
    for (const QString& bad : {QString("/"), QString("//"), dir.path() + "/plain/logs"}) {
        folderAnswer = bad;
        page->BitBtn3Click();
        EXPECT_EQ(page->Edit_logpath->text(), before) << bad.toStdString();
    }
    EXPECT_EQ(messages.size(), 3);
    EXPECT_EQ(messages.value(0), LanguageText(text::kTheLogFolderMustBeA));
    EXPECT_EQ(titles.value(0), "Select folder with files");
    folderAnswer.clear();  // cancelled
    page->BitBtn3Click();
    EXPECT_EQ(page->Edit_logpath->text(), before);

    folderAnswer = dir.path() + "/logs";
    ASSERT_TRUE(QDir().mkpath(folderAnswer));
    page->BitBtn3Click();
    EXPECT_EQ(page->Edit_logpath->text(), dir.path() + "/logs/");
    page->BitBtn2->click();
    EXPECT_EQ(option->LogPath, dir.path() + "/logs/");
    EXPECT_EQ(Ini("LogPath"), dir.path() + "/logs/");
}

TEST_F(SystemPageTest, PowerOffSwitchesGreyTheirPickersAndStoreAsTexts) {
    StartProgram({});
    OpenPage();
    EXPECT_FALSE(page->CheckBox_PowerOff_daily->isEnabled());
    EXPECT_FALSE(page->DateTimePicker1->isEnabled());
    EXPECT_FALSE(page->DateTimePicker2->isEnabled());
    page->CheckBox_PowerOff->click();
    EXPECT_TRUE(page->DateTimePicker1->isEnabled());
    page->CheckBox_PowerOff_daily->click();
    EXPECT_FALSE(page->DateTimePicker1->isEnabled()) << "every day: no date";
    EXPECT_TRUE(page->DateTimePicker2->isEnabled());
    page->DateTimePicker1->setDate(QDate(2031, 2, 3));
    page->DateTimePicker2->setTime(QTime(22, 15, 30));
    page->checkBox_startPOWERON->setChecked(false);
    page->CheckBox_systray->setChecked(true);
    page->BitBtn2->click();
    EXPECT_EQ(Ini("PowerOff"), "True");
    EXPECT_EQ(Ini("PowerOff_daily"), "True");
    EXPECT_EQ(Ini("start_powon"), "False");
    EXPECT_EQ(Ini("systray"), "True");
    EXPECT_EQ(Ini("TopWindow"), "False");
    EXPECT_EQ(ShortTextToDate(Ini("PowerOff_day")), QDate(2031, 2, 3));
    EXPECT_EQ(LongTextToTime(Ini("PowerOff_time")), QTime(22, 15, 30));
    EXPECT_EQ(option->lastCleanupDate.date(), QDate(2000, 1, 1)) << "retention runs again";

    // Read back by a new page; an unreadable date shows today, an unreadable time stays 0:00.
    option->powerOffDay = "someday";
    option->powerOffTime = "teatime";
    OpenPage();
    EXPECT_TRUE(page->CheckBox_PowerOff_daily->isChecked());
    EXPECT_EQ(page->DateTimePicker1->date(), QDate::currentDate());
    EXPECT_EQ(page->DateTimePicker2->time(), QTime(0, 0));
    EXPECT_FALSE(page->checkBox_startPOWERON->isChecked());
}

TEST_F(SystemPageTest, StartWithTheSessionCreatesAndRemovesTheAutostartEntry) {
    StartProgram({});
    const QString entry = option->startupShortcutPath();
    QFile::remove(entry);
    OpenPage();
    page->checkBox_startPOWERON->setChecked(true);
    page->BitBtn2->click();
    ASSERT_TRUE(QFile::exists(entry));
    EXPECT_TRUE(test::ReadFile(entry).contains("Exec=\"" +
                                               QCoreApplication::applicationFilePath().toUtf8()));
    OpenPage();
    page->checkBox_startPOWERON->setChecked(false);
    page->BitBtn2->click();
    EXPECT_FALSE(QFile::exists(entry));
}

TEST_F(SystemPageTest, NumbersAreBoundedAndStoredValuesOutsideTheBoundsKept) {
    StartProgram({});
    OpenPage();
    EXPECT_EQ(page->CSpinEdit_Rows->value(), 2);
    EXPECT_EQ(page->CSpinEdit_Cols->value(), 2);
    for (QSpinBox* box : {page->CSpinEdit_Rows, page->CSpinEdit_Cols}) {
        box->setValue(-3);
        EXPECT_EQ(box->value(), 1);
        box->setValue(100);
        EXPECT_EQ(box->value(), 8);
    }
    page->CSpinEdit_history->setValue(0);
    EXPECT_EQ(page->CSpinEdit_history->value(), 1);
    page->CSpinEdit_diskspacelimited->setValue(-5);
    EXPECT_EQ(page->CSpinEdit_diskspacelimited->value(), 300);
    page->BitBtn2->click();
    EXPECT_EQ(Ini("CameraRows"), "8");
    EXPECT_EQ(Ini("historyDays"), "1");
    EXPECT_EQ(option->gridRows, 2) << "the grid in use stays until rebuilt";
    EXPECT_TRUE(option->GridChanged());

    // Values the file holds beyond the boxes' bounds survive an OK without a change.
    option->historyDays = 90;
    option->diskSpaceLimitMB = 100;
    OpenPage();
    EXPECT_EQ(page->CSpinEdit_history->value(), 90);
    page->BitBtn2->click();
    EXPECT_EQ(option->historyDays, 90);
    EXPECT_EQ(option->diskSpaceLimitMB, 100);
}

TEST_F(SystemPageTest, ALanguageRelabelsThePageAtOnceAndOtherWindowsWhenNextOpened) {
    StartProgram({});
    // Only English and Chinese are beside the program.
    QTemporaryDir modules;
    for (const char* name : {"LangEN.qm", "LangCN.qm"})
        ASSERT_TRUE(QFile::copy(ExecutableFolder() + name, modules.path() + "/" + name));
    SetLanguageFolder(modules.path());
    option->languageIndex = 0;
    option->LoadLanguageModule(0);
    OpenPage();
    const QString englishTitle = page->LabelCaption->text();
    EXPECT_EQ(page->BitBtn2->text(), "OK");
    auto* model = qobject_cast<QStandardItemModel*>(page->ComboBoxEx1->model());
    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(model->item(1)->isEnabled());
    EXPECT_FALSE(model->item(5)->isEnabled()) << "no French module beside the program";

    PickLanguage(1);
    EXPECT_EQ(page->BitBtn2->text(), "确定");
    EXPECT_EQ(page->GroupBox5->title(), "摄像头个数");
    EXPECT_EQ(page->LabelCaption->text(), englishTitle) << "the title keeps its language";
    EXPECT_EQ(window->ListView_Navigate->item(0)->text(), "Overlay") << "other windows keep";
    EXPECT_EQ(option->languageIndex, 0) << "stored only by OK";
    page->BitBtn2->click();
    EXPECT_EQ(Ini("Lang"), "1");
    TFrmLog viewer(nullptr, 1);
    EXPECT_EQ(viewer.windowTitle(), LanguageText(text::kEventLog));
    EXPECT_EQ(viewer.windowTitle(), "系统日志");

    SetLanguageFolder(QString());

    // A stored language without an item in the list is kept, not replaced by "none".
    option->languageIndex = 15;
    OpenPage();
    EXPECT_EQ(page->ComboBoxEx1->currentIndex(), -1);
    page->BitBtn2->click();
    EXPECT_EQ(option->languageIndex, 15);
}

TEST_F(SystemPageTest, EveryModuleHasTheListItemOfItsIndexAndOkKeepsIt) {
    StartProgram({});
    OpenPage();
    const QStringList names = {"English",  "Chinese", "Traditional", "JAN",     "Spanish",
                               "French",   "Italian", "German",      "Russian", "Korea",
                               "Thailand", "Arabic",  "Portuguese",  "Malay",   "Vietnamese"};
    auto* model = qobject_cast<QStandardItemModel*>(page->ComboBoxEx1->model());
    ASSERT_EQ(page->ComboBoxEx1->count(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(page->ComboBoxEx1->itemText(i), names[i]);
        EXPECT_TRUE(model->item(i)->isEnabled()) << names[i].toStdString();
    }
    // Picking "Malay" loads the Malay module, and the stored index opens on the same item.
    PickLanguage(13);
    EXPECT_EQ(page->BitBtn2->text(), "OK");
    EXPECT_EQ(page->GroupBox5->title(), "Bilangan Kamera");
    page->BitBtn2->click();
    EXPECT_EQ(Ini("Lang"), "13");
    for (int stored : {12, 13, 14}) {
        option->languageIndex = stored;
        OpenPage();
        EXPECT_EQ(page->ComboBoxEx1->currentIndex(), stored);
        page->BitBtn2->click();
        EXPECT_EQ(option->languageIndex, stored) << "kept, never replaced by Chinese";
    }
    // Arabic turns the windows right to left at once.
    OpenPage();
    PickLanguage(11);
    EXPECT_EQ(page->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(page->BitBtn2->text(), QStringLiteral("موافق"));
    PickLanguage(0);
    EXPECT_EQ(page->layoutDirection(), Qt::LeftToRight);
}

TEST_F(SystemPageTest, ASettingsFileThatCannotBeWrittenIsReported) {
    StartProgram({});
    const QString ini = dir.path() + "/kvCamera.ini";
    ASSERT_TRUE(QFile::remove(ini));
    ASSERT_TRUE(QDir().mkdir(ini));  // in the way of the file
    OpenPage();
    page->BitBtn2->click();
    EXPECT_EQ(messages, QStringList{LanguageText(text::kTheSettingsCouldNotBeSaved)});
    EXPECT_EQ(window->result(), QDialog::Accepted);
    DropSettings();
    QDir(ini).removeRecursively();
}

// A choice on one program page survives the OK of the other: both OKs store both pages.
TEST_F(SystemPageTest, EitherOkStoresTheChoicesOfBothProgramPages) {
    const QString device = "test:black:160x120@10";
    for (int okPage : {5, 6}) {
        QFile::remove(dir.path() + "/kvCamera.ini");
        StartProgram({device}, 0);
        OpenPage();
        auto* devices = static_cast<TFrame_Panel9*>(window->pages[6]);
        PickLanguage(page->ComboBoxEx1->findData(7));  // German
        page->CSpinEdit_history->setValue(20);
        devices->CheckListBox1->item(0)->setCheckState(Qt::Checked);
        (okPage == 5 ? page->BitBtn2 : devices->BitBtn2)->click();
        EXPECT_EQ(window->result(), QDialog::Accepted) << okPage;
        EXPECT_EQ(Ini("Lang"), "7") << okPage;
        EXPECT_EQ(Ini("historyDays"), "20") << okPage;
        EXPECT_EQ(option->excludedDevices, QStringList{device}) << okPage;
        EXPECT_TRUE(option->deviceListChanged) << okPage;
        TearDown();
        QFile::remove(dir.path() + "/device.bin");
    }
}
