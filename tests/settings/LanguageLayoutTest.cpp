// Every language module on every settings page, the log viewer and the password prompt: no
// text cut and no window larger than a small desktop. With TRELVIX_SHOTS set to a folder, the
// windows are also saved there as pictures ("lang-de-system.png", "lang-ar-log.png", ...).
#include <QApplication>
#include <QDir>
#include <QPushButton>

#include "app/Unit_password.h"
#include "history/EventLog.h"
#include "views/Unit_log.h"
#include "lang/TextIds.h"
#include "settings/SettingsFixture.h"
#include "settings/Unit_Panel6.h"
#include "support/TextFit.h"

using namespace trelvix;
using trelvix::test::SettingsFixture;

namespace {

const char* const kPages[] = {"overlay",   "motion", "recording", "ftp",
                              "broadcast", "system", "devices",   "notify"};
const char* const kCodes[] = {"en", "cn", "tw", "ja", "es", "fr", "it", "de",
                              "ru", "ko", "th", "ar", "pt", "ms", "vi"};

class LanguageLayoutTest : public SettingsFixture {
protected:
    void TearDown() override {
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        SettingsFixture::TearDown();
    }
    // The cut texts of `w` once laid out, saved as a picture when asked for.
    static QStringList Look(QWidget* w, int language, const QString& what) {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
        const QString shots = qEnvironmentVariable("TRELVIX_SHOTS");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            w->grab().save(QStringLiteral("%1/lang-%2-%3.png")
                               .arg(shots, QLatin1String(kCodes[language]), what));
        }
        return test::CutTexts(w);
    }
};

}  // namespace

TEST_F(LanguageLayoutTest, NoLanguageCutsATextOfTheSettingsWindow) {
    ASSERT_TRUE(Streaming(StartProgram({"test:black:320x240@10"})));
    for (int language = 0; language < 15; ++language) {
        option->languageIndex = language;
        option->LoadLanguageModule(language);
        Open();
        window->show();
        for (int entry = 0; entry < TForm_settings::kPageCount; ++entry) {
            ShowPage(entry);
            EXPECT_EQ(Look(window.get(), language, QLatin1String(kPages[entry])), QStringList())
                << kCodes[language] << " page " << entry;
        }
        // The FTP folder browser, a panel over the FTP page.
        ShowPage(3);
        auto* ftp = static_cast<TFrame_Panel6*>(window->pages[3]);
        ftp->Edit_FTPIP->setText("127.0.0.1");
        ftp->Edit_FTPPORT->setText("21");
        ftp->BitBtn7Click();
        ASSERT_TRUE(ftp->PanelFTPWizart->isVisible());
        EXPECT_EQ(Look(window.get(), language, "ftp-browser"), QStringList()) << kCodes[language];
        EXPECT_EQ(window->layoutDirection(), language == 11 ? Qt::RightToLeft : Qt::LeftToRight);
        window.reset();
    }
}

TEST_F(LanguageLayoutTest, NoLanguageCutsATextOfTheLogViewerOrThePasswordPrompt) {
    StartProgram({});
    const QString logFile = LogFileName(option->LogPath, QDate::currentDate());
    for (int language = 0; language < 15; ++language) {
        option->LoadLanguageModule(language);
        // A day of the texts the log gets in this language, so the columns size to them.
        QFile::remove(logFile);
        const QDateTime now = QDateTime::currentDateTime();
        for (const auto& [source, description, camera] :
             {std::tuple{text::kProgram, text::kProgramStarted, -1},
              std::tuple{text::kMotionRecording, text::kMotionRecordingStarted, 0},
              std::tuple{text::kScheduler, text::kProgramClosedForScheduledShutdown, -1}})
            ASSERT_TRUE(AppendLogRecord(
                option->LogPath, MakeEventRecord(3, LanguageText(source), camera < 0 ? "" : "0#",
                                                 LanguageText(description), camera, "", now)));
        TFrmLog viewer(nullptr, 3);
        ASSERT_EQ(viewer.RowCount(), 3);
        viewer.show();
        EXPECT_EQ(Look(&viewer, language, "log"), QStringList()) << kCodes[language];
        // The previous day's arrow points where reading starts; playback always runs rightwards.
        const bool rightToLeft = language == 11;
        EXPECT_EQ(viewer.BitBtn2->text(), rightToLeft ? "▶" : "◀");
        EXPECT_EQ(viewer.BitBtn2->x() > viewer.BitBtn3->x(), rightToLeft);
        EXPECT_LT(viewer.SpeedButton5->x(), viewer.SpeedButton4->x()) << "slower left of faster";
        EXPECT_LT(viewer.SpeedButton1->x(), viewer.TrackBar_Player->x());
        bool result = false;
        TForm_password prompt(nullptr, &result, "secret");
        prompt.show();
        EXPECT_EQ(Look(&prompt, language, "password"), QStringList()) << kCodes[language];
    }
}

TEST(TextFit, FindsTextsTooNarrowOrPastTheirParentAndPassesTheRest) {
    QWidget top;
    top.resize(300, 100);
    auto* fits = new QLabel("Zeilen", &top);
    fits->setGeometry(0, 0, fits->sizeHint().width(), 20);
    auto* narrow = new QLabel("Verlauf aufbewahren (Tage)", &top);
    narrow->setObjectName("narrow");
    narrow->setGeometry(0, 30, 40, 20);
    auto* past = new QPushButton("OK", &top);
    past->setObjectName("past");
    past->setGeometry(280, 60, past->sizeHint().width(), past->sizeHint().height());
    auto* list = new QListWidget(&top);
    list->addItem("Ausgeschlossene Geräte");
    list->setGeometry(100, 0, 60, 50);
    top.show();
    const QStringList cut = test::CutTexts(&top);
    EXPECT_EQ(cut.size(), 3) << cut.join('\n').toStdString();
    EXPECT_TRUE(cut.join('\n').contains("narrow"));
    EXPECT_TRUE(cut.join('\n').contains("past"));
    EXPECT_TRUE(cut.join('\n').contains("Ausgeschlossene"));
    top.resize(1100, 100);
    EXPECT_TRUE(test::CutTexts(&top).join('\n').contains("window 1100 x 100"));
}
