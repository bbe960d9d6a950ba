#include "settings/Unit_Panel10.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

#include "config/Option.h"
#include "lang/TextIds.h"
#include "notify/Notice.h"

namespace trelvix {

namespace {
QLineEdit* Field(QWidget* parent, const char* name, bool secret = false) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    if (secret) e->setEchoMode(QLineEdit::Password);
    return e;
}

QCheckBox* Check(int textId, QWidget* parent, const char* name) {
    auto* c = new QCheckBox(LanguageText(textId), parent);
    c->setObjectName(QLatin1String(name));
    return c;
}

QFormLayout* Form(QGroupBox* box) {
    auto* form = new QFormLayout(box);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}
}  // namespace

TFrame_Panel10::TFrame_Panel10(QWidget* owner, int index)
    : TFrame_PanelBase(owner, index, text::kNotifications), tester_(new NotifyTester(this)) {
    setObjectName(QStringLiteral("TFrame_Panel10"));
    QWidget* b = Body();
    auto* layout = new QGridLayout(b);
    layout->setContentsMargins(12, 4, 12, 8);
    layout->addWidget(MqttGroup(b), 0, 0, 2, 1);
    layout->addWidget(WebhookGroup(b), 0, 1);
    layout->addWidget(MailGroup(b), 1, 1);
    layout->addWidget(EventsGroup(b), 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    connect(tester_, &NotifyTester::finished, this, &TFrame_Panel10::TestFinished);
    loaded_ = LoadNotifySettings();
    Show(loaded_);
}

QWidget* TFrame_Panel10::TestRow(NotifyChannel channel, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    const size_t i = size_t(channel);
    TestButtons[i] = new QPushButton(LanguageText(text::kSendATest), row);
    TestButtons[i]->setObjectName(QStringLiteral("TestButton%1").arg(i));
    TestButtons[i]->setAutoDefault(false);
    TestResults[i] = WrappingLabel(QString(), row);
    TestResults[i]->setObjectName(QStringLiteral("TestResult%1").arg(i));
    TestResults[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    h->addWidget(TestButtons[i]);
    h->addWidget(TestResults[i], 1);
    connect(TestButtons[i], &QPushButton::clicked, this, [this, channel] { SendTest(channel); });
    return row;
}

QWidget* TFrame_Panel10::MqttGroup(QWidget* parent) {
    auto* box = new QGroupBox(LanguageText(text::kMQTTBrokerHomeAssistant), parent);
    MqttEnabled = Check(text::kEnable, box, "MqttEnabled");
    MqttHost = Field(box, "MqttHost");
    MqttPort = new QSpinBox(box);
    MqttPort->setRange(1, 65535);
    MqttUser = Field(box, "MqttUser");
    MqttPassword = Field(box, "MqttPassword", true);
    MqttPrefix = Field(box, "MqttPrefix");
    MqttDiscovery = Check(text::kHomeAssistantDiscovery, box, "MqttDiscovery");
    MqttTls = Check(text::kEncryptedTLS, box, "MqttTls");
    QFormLayout* form = Form(box);
    form->addRow(MqttEnabled);
    form->addRow(LanguageText(text::kServer), MqttHost);
    form->addRow(LanguageText(text::kPort), MqttPort);
    form->addRow(LanguageText(text::kUserName31003), MqttUser);
    form->addRow(LanguageText(text::kPassword1004), MqttPassword);
    form->addRow(LanguageText(text::kTopicPrefix), MqttPrefix);
    form->addRow(MqttDiscovery);
    form->addRow(MqttTls);
    form->addRow(TestRow(NotifyChannel::Mqtt, box));
    return box;
}

QWidget* TFrame_Panel10::WebhookGroup(QWidget* parent) {
    auto* box = new QGroupBox(LanguageText(text::kWebAddressToCallWebhook), parent);
    WebhookEnabled = Check(text::kEnable, box, "WebhookEnabled");
    WebhookUrl = Field(box, "WebhookUrl");
    QFormLayout* form = Form(box);
    form->addRow(WebhookEnabled);
    form->addRow(WrappingLabel(LanguageText(text::kAddressHttpOrHttps), box));
    form->addRow(WebhookUrl);
    form->addRow(TestRow(NotifyChannel::Webhook, box));
    return box;
}

QWidget* TFrame_Panel10::MailGroup(QWidget* parent) {
    auto* box = new QGroupBox(LanguageText(text::kEMail), parent);
    MailEnabled = Check(text::kEnable, box, "MailEnabled");
    MailServer = Field(box, "MailServer");
    MailUser = Field(box, "MailUser");
    MailPassword = Field(box, "MailPassword", true);
    MailFrom = Field(box, "MailFrom");
    MailTo = Field(box, "MailTo");
    MailStartTls = Check(text::kEncryptWithSTARTTLS, box, "MailStartTls");
    QFormLayout* form = Form(box);
    form->addRow(MailEnabled);
    form->addRow(WrappingLabel(LanguageText(text::kServerSmtpOrSmtpsHostPort), box));
    form->addRow(MailServer);
    form->addRow(LanguageText(text::kUserName31003), MailUser);
    form->addRow(LanguageText(text::kPassword1004), MailPassword);
    form->addRow(LanguageText(text::kSender), MailFrom);
    form->addRow(WrappingLabel(LanguageText(text::kRecipientsCommaSeparated), box));
    form->addRow(MailTo);
    form->addRow(MailStartTls);
    form->addRow(TestRow(NotifyChannel::Mail, box));
    return box;
}

QWidget* TFrame_Panel10::EventsGroup(QWidget* parent) {
    auto* box = new QGroupBox(LanguageText(text::kSendOn), parent);
    SendMotion = Check(text::kMotion, box, "SendMotion");
    SendCameraLost = Check(text::kCameraLost, box, "SendCameraLost");
    SendDiskFull = Check(text::kDiskFull, box, "SendDiskFull");
    SendRecordingFailed = Check(text::kRecordingFailed, box, "SendRecordingFailed");
    Cooldown = new QSpinBox(box);
    Cooldown->setObjectName(QStringLiteral("Cooldown"));
    Cooldown->setRange(0, 86400);
    auto* grid = new QGridLayout(box);
    grid->addWidget(SendMotion, 0, 0);
    grid->addWidget(SendCameraLost, 0, 1);
    grid->addWidget(SendDiskFull, 0, 2);
    grid->addWidget(SendRecordingFailed, 0, 3);
    grid->addWidget(WrappingLabel(LanguageText(text::kSecondsBetweenTwoMotionNoticesOf), box), 1, 0,
                    1, 3);
    grid->addWidget(Cooldown, 1, 3);
    return box;
}

void TFrame_Panel10::Show(const NotifySettings& s) {
    MqttEnabled->setChecked(s.mqtt.enabled);
    MqttHost->setText(s.mqtt.host);
    MqttPort->setValue(s.mqtt.port);
    MqttUser->setText(s.mqtt.user);
    MqttPassword->setText(s.mqtt.password);
    MqttPrefix->setText(s.mqtt.prefix);
    MqttDiscovery->setChecked(s.mqtt.discovery);
    MqttTls->setChecked(s.mqtt.tls);
    WebhookEnabled->setChecked(s.webhook.enabled);
    WebhookUrl->setText(s.webhook.url);
    MailEnabled->setChecked(s.mail.enabled);
    MailServer->setText(s.mail.server);
    MailUser->setText(s.mail.user);
    MailPassword->setText(s.mail.password);
    MailFrom->setText(s.mail.from);
    MailTo->setText(s.mail.to);
    MailStartTls->setChecked(s.mail.startTls);
    SendMotion->setChecked(s.events.motion);
    SendCameraLost->setChecked(s.events.cameraLost);
    SendDiskFull->setChecked(s.events.diskFull);
    SendRecordingFailed->setChecked(s.events.recordingFailed);
    Cooldown->setValue(s.events.cooldownSeconds);
}

NotifySettings TFrame_Panel10::Choices() const {
    NotifySettings s;
    s.mqtt = {MqttEnabled->isChecked(),
              MqttHost->text().trimmed(),
              MqttPort->value(),
              MqttUser->text(),
              MqttPassword->text(),
              MqttPrefix->text().trimmed().isEmpty() ? QStringLiteral("trelvix")
                                                     : MqttPrefix->text().trimmed(),
              MqttDiscovery->isChecked(),
              MqttTls->isChecked()};
    s.webhook = {WebhookEnabled->isChecked(), WebhookUrl->text().trimmed()};
    s.mail = {MailEnabled->isChecked(), MailServer->text().trimmed(), MailUser->text(),
              MailPassword->text(),     MailFrom->text().trimmed(),   MailTo->text().trimmed(),
              MailStartTls->isChecked()};
    s.events = {SendMotion->isChecked(), SendCameraLost->isChecked(), SendDiskFull->isChecked(),
                SendRecordingFailed->isChecked(), Cooldown->value()};
    return s;
}

bool TFrame_Panel10::ApplyChoices() {
    const NotifySettings s = Choices();
    if (s == loaded_) return true;
    if (!SaveNotifySettings(s)) return false;
    loaded_ = s;
    ReloadNotifySettings();
    return true;
}

void TFrame_Panel10::SendTest(NotifyChannel channel) {
    const size_t i = size_t(channel);
    TestButtons[i]->setEnabled(false);
    TestResults[i]->setText(LanguageText(text::kSending));
    tester_->Start(channel, Choices());
}

void TFrame_Panel10::TestFinished(int channel, const QString& error) {
    const size_t i = size_t(channel);
    if (i >= TestButtons.size()) return;
    TestButtons[i]->setEnabled(true);
    TestResults[i]->setText(error.isEmpty() ? LanguageText(text::kSent)
                                            : LanguageText(text::kFailed1).arg(error));
}

}  // namespace trelvix
