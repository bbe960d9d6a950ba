// The notifications page: its tests report back without holding up the window, and its
// choices land in notify.ini.
#include <gtest/gtest.h>

#include "lang/TextIds.h"
#include "notify/NotifyServers.h"
#include "settings/SettingsFixture.h"
#include "settings/Unit4.h"
#include "settings/Unit_Panel10.h"

using namespace trelvix;
using trelvix::test::SettingsFixture;

TEST_F(SettingsFixture, NotificationsPageTestsEachChannelAndStoresItsChoices) {
    test::HttpAndMail servers;
    StartProgram({});
    Open();
    auto* page = window->notifyPage;
    page->WebhookUrl->setText(servers.webhookUrl());
    page->MqttHost->setText("127.0.0.1");
    page->MqttPort->setValue(test::FreePort());  // nothing listens there
    page->MqttPassword->setText("mq-s3cret");
    page->MailServer->setText("ftp://127.0.0.1");

    page->TestButtons[1]->click();
    page->TestButtons[0]->click();
    page->TestButtons[2]->click();
    // The clicks come back at once; the answers follow.
    EXPECT_EQ(page->TestResults[0]->text(), option->LanguageText(text::kSending));
    EXPECT_FALSE(page->TestButtons[0]->isEnabled());
    ASSERT_TRUE(test::WaitFor([&] {
        return page->TestButtons[0]->isEnabled() && page->TestButtons[1]->isEnabled() &&
               page->TestButtons[2]->isEnabled();
    }));
    EXPECT_EQ(page->TestResults[1]->text(), option->LanguageText(text::kSent));
    EXPECT_EQ(servers.Count("post-*.bin"), 1);
    EXPECT_EQ(page->TestResults[0]->text(),
              option->LanguageText(text::kFailed1).arg("Connection refused"));
    EXPECT_TRUE(page->TestResults[2]->text().contains("smtp://"));

    page->MqttEnabled->setChecked(true);
    page->Cooldown->setValue(15);
    window->accept();
    const NotifySettings stored = LoadNotifySettings();
    EXPECT_EQ(stored, page->Choices());
    EXPECT_EQ(stored.mqtt.password, "mq-s3cret");
    EXPECT_EQ(stored.events.cooldownSeconds, 15);
}
