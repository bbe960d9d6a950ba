// In every language written without Chinese characters, no window shows one: the main window,
// every page of the settings window, the log viewer, the device properties and the
// wrong-password message. The Chinese module keeps the program's original texts.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>

#include "app/Unit1.h"
#include "app/Unit_password.h"
#include "views/DeviceProperties.h"
#include "common/FreeSpace.h"
#include "views/Unit_log.h"
#include "lang/TextIds.h"
#include "settings/SettingsFixture.h"

using namespace trelvix;
using trelvix::test::SettingsFixture;

namespace {

bool Chinese(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (c.script() == QChar::Script_Han || (u >= 0x3000 && u <= 0x303F) ||
            (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

// Every text `top` holds, shown now or not, that has a Chinese character.
QStringList ChineseTexts(QWidget* top) {
    QStringList texts;
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        QStringList own{w->windowTitle(), w->toolTip()};
        if (auto* l = qobject_cast<QLabel*>(w)) own << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) own << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) own << g->title();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) own << c->itemText(i);
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i) own << list->item(i)->text();
        if (auto* tree = qobject_cast<QTreeWidget*>(w))
            for (int i = 0; i < tree->columnCount(); ++i) own << tree->headerItem()->text(i);
        for (const QString& t : own)
            if (Chinese(t)) texts << w->objectName() + ": " + t;
    }
    return texts;
}

class TranslatedTextsTest : public SettingsFixture {
protected:
    void TearDown() override {
        delete mainWindow;
        SetFreeSpaceQuery(nullptr);
        Option::SetPasswordPrompt(nullptr);
        SettingsFixture::TearDown();
    }
    // The message a wrong password brings, with its title.
    QStringList WrongPasswordMessage() {
        InstallPasswordPrompt();
        option->passwordOn = 1;
        option->password = "secret";
        QStringList seen;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen << box->windowTitle() << box->text();
                box->accept();
            } else if (auto* prompt = qobject_cast<TForm_password*>(modal)) {
                prompt->Edit1->setText("wrong");
                prompt->BitBtn2Click();
            }
        });
        answer.start(20);
        EXPECT_FALSE(option->CheckAccess(nullptr));
        option->passwordOn = 0;
        return seen;
    }

    TForm1* mainWindow = nullptr;
};

}  // namespace

TEST_F(TranslatedTextsTest, NoChineseTextInTheWindowsOfOtherLanguages) {
    StartProgram({"test:black:320x240@10"}, 0);
    SetFreeSpaceQuery([](const QString&, qint64* bytes) {
        *bytes = qint64(77) << 30;
        return true;
    });
    for (int language : {0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}) {
        LoadSettings();  // the last main window took them with it
        option->languageIndex = language;
        option->LoadLanguageModule(language);
        mainWindow = new TForm1(TakeSettings());
        UsbCamera* cam = mainWindow->host.camera(0);
        ASSERT_NE(cam, nullptr);
        mainWindow->RefreshDiskLabels();
        EXPECT_EQ(ChineseTexts(mainWindow), QStringList()) << "main window, language " << language;

        {  // the windows of this camera go before the main window and its cameras
            TForm_settings settings(nullptr, 0, [&](const QString& id) {
                return mainWindow->host.FindCameraByDeviceId(id);
            });
            EXPECT_EQ(ChineseTexts(&settings), QStringList()) << "settings, language " << language;
            settings.done(QDialog::Rejected);

            TDeviceProperties properties(nullptr, cam->device().Controls());
            EXPECT_EQ(ChineseTexts(&properties), QStringList()) << "properties, " << language;
            TFrmLog viewer(nullptr, 1);
            viewer.setAttribute(Qt::WA_DeleteOnClose, false);
            EXPECT_EQ(ChineseTexts(&viewer), QStringList()) << "log viewer, language " << language;
            const QStringList message = WrongPasswordMessage();
            ASSERT_EQ(message.size(), 2);
            EXPECT_FALSE(Chinese(message.join(' '))) << "language " << language;
        }

        mainWindow->realExit = true;
        mainWindow->skipAccessCheck = true;
        delete mainWindow;
        mainWindow = nullptr;
    }
}

TEST_F(TranslatedTextsTest, TheChineseModuleKeepsTheOriginalTexts) {
    StartProgram({"test:black:320x240@10"}, 0);
    option->LoadLanguageModule(1);
    EXPECT_EQ(DiskLabelText(qint64(77) << 30, LanguageText(text::kFreeSpace)), "剩余空间: 77G");
    EXPECT_EQ(LanguageText(text::kLowDiskSpace), "磁盘空间低！");
    EXPECT_EQ(LanguageText(text::kFrameRate30752), "帧率");
    EXPECT_EQ(LanguageText(text::kDeviceProperties30755), "设备属性/Device Properties");
    EXPECT_EQ(WrongPasswordMessage().value(1), "密码错误。");
}
