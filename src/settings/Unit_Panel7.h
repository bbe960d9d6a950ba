// The broadcast page: how a camera's live picture is served to network viewers, and a test
// broadcast with the two addresses viewers open.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QUrl>
#include <functional>

#include "settings/Unit_PanelBase.h"

namespace trelvix {

class TFrame_Panel7 : public TFrame_PanelBase {
    Q_OBJECT
public:
    TFrame_Panel7(QWidget* owner, int cameraIndex);

    void SaveToCamera() override;
    void LoadFromCamera() override;
    void EnableControls(bool enabled) override;
    TPreviewPanel* PreviewPanel() const override { return Panel7; }
    bool RegionTestMode() const override { return true; }

    // The test button: stops the camera's broadcast, or saves the page and starts one.
    void BitBtn5Click();
    // Whether the two addresses and their buttons are shown.
    bool AddressesShown() const { return !Label_LocalIP->isHidden(); }

    QLabel* Label_sm1;
    QLabel* Label_profile_video;
    QComboBox* ComboBox_profile;
    QLabel* Label_profile_fps;
    QComboBox* ComboBox_profile_fps;
    QLabel* Label_profile_BitRate;
    QSlider* TrackBar_BitRate;
    QLabel* Label_profile_BitRate_low;
    QLabel* Label_profile_BitRate_med;
    QLabel* Label_profile_BitRate_high;
    QLabel* Label_profile_BitRate_value;
    QLabel* Labelport;
    QLineEdit* Edit_port;
    QLabel* Labelmaxclient;
    QSpinBox* CSpinEdit_maxClient;
    QCheckBox* CheckBox_audio;
    QCheckBox* CheckBox_password;
    QLineEdit* Edit_password;
    QLabel* Label_reach;
    QComboBox* ComboBox_reach;  // 0 this computer only, 1 the local network
    TPreviewPanel* Panel7;
    QPushButton* BitBtn5;
    QLineEdit* Label_publicIP;
    QToolButton* SpeedButton1;
    QLineEdit* Label_LocalIP;
    QToolButton* SpeedButton2;

    // Opens an address in the desktop's player for it; tests answer in its place.
    std::function<bool(const QUrl&)> openUrl;

private:
    QWidget* BuildProfile();
    QWidget* BuildTest();
    void BuildAccess(QWidget* box);
    QLineEdit* AddressField(const char* name);
    void ShowAddresses(bool shown);
    void Open(const QLineEdit* address);
};

}  // namespace trelvix
