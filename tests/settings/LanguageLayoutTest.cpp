// Every language module on every settings page, the log viewer and the password prompt: no
// text cut and no window larger than a small desktop. With TRELVIX_SHOTS set to a folder, the
// windows are also saved there as pictures ("lang-de-3.png", "lang-ar-log.png", ...).
#include <QApplication>
#include <QDir>

#include "app/Unit_password.h"
#include "history/Unit_log.h"
#include "settings/SettingsFixture.h"
#include "support/TextFit.h"

using namespace trelvix;
using trelvix::test::SettingsFixture;

namespace {

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
    StartProgram({"test:black:320x240@10"});
    ASSERT_TRUE(Streaming(cameras[0].get()));
    for (int language = 0; language < 15; ++language) {
        option->languageIndex = language;
        option->LoadLanguageModule(language);
        Open();
        window->show();
        for (int entry = 0; entry < TForm_settings::kPageCount; ++entry) {
            ShowPage(entry);
            EXPECT_EQ(Look(window.get(), language, QString::number(entry)), QStringList())
                << kCodes[language] << " page " << entry;
        }
        EXPECT_EQ(window->layoutDirection(), language == 11 ? Qt::RightToLeft : Qt::LeftToRight);
        window.reset();
    }
}

TEST_F(LanguageLayoutTest, NoLanguageCutsATextOfTheLogViewerOrThePasswordPrompt) {
    StartProgram({});
    for (int language = 0; language < 15; ++language) {
        option->LoadLanguageModule(language);
        TFrmLog viewer(nullptr, 1);
        viewer.show();
        EXPECT_EQ(Look(&viewer, language, "log"), QStringList()) << kCodes[language];
        bool result = false;
        TForm_password prompt(nullptr, &result, "secret");
        prompt.show();
        EXPECT_EQ(Look(&prompt, language, "password"), QStringList()) << kCodes[language];
    }
}
