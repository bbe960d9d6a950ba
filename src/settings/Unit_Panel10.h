// The notifications page: the MQTT broker, the webhook and e-mail, which events go out and
// how often. It edits notify.ini, not a camera; each channel has a test that never makes the
// window wait.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <array>

#include "notify/NotifySettings.h"
#include "notify/NotifyTester.h"
#include "settings/Unit_PanelBase.h"

namespace trelvix {

class TFrame_Panel10 : public TFrame_PanelBase {
    Q_OBJECT
public:
    TFrame_Panel10(QWidget* owner, int cameraIndex);

    NotifySettings Choices() const;
    void Show(const NotifySettings& s);
    // Stores the choices when they changed and has the engine take them up; false when the
    // file could not be written.
    bool ApplyChoices();
    void SendTest(NotifyChannel channel);

    QCheckBox *MqttEnabled, *MqttDiscovery, *MqttTls;
    QLineEdit *MqttHost, *MqttUser, *MqttPassword, *MqttPrefix;
    QSpinBox* MqttPort;
    QCheckBox* WebhookEnabled;
    QLineEdit* WebhookUrl;
    QCheckBox *MailEnabled, *MailStartTls;
    QLineEdit *MailServer, *MailUser, *MailPassword, *MailFrom, *MailTo;
    QCheckBox *SendMotion, *SendCameraLost, *SendDiskFull, *SendRecordingFailed;
    QSpinBox* Cooldown;
    std::array<QPushButton*, 3> TestButtons{};
    std::array<QLabel*, 3> TestResults{};

private:
    QWidget* MqttGroup(QWidget* parent);
    QWidget* WebhookGroup(QWidget* parent);
    QWidget* MailGroup(QWidget* parent);
    QWidget* EventsGroup(QWidget* parent);
    QWidget* TestRow(NotifyChannel channel, QWidget* parent);
    void TestFinished(int channel, const QString& error);

    NotifySettings loaded_;
    NotifyTester* tester_;
};

}  // namespace trelvix
