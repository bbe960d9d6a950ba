// The recording page: where a camera's videos and pictures go, and how its video is encoded.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "settings/Unit_PanelBase.h"

namespace trelvix {

class TFrame_Panel5 : public TFrame_PanelBase {
    Q_OBJECT
public:
    TFrame_Panel5(QWidget* owner, int cameraIndex);

    void SaveToCamera() override;
    void LoadFromCamera() override;
    void EnableControls(bool enabled) override;

    void BitBtn1Click();
    void BitBtn4Click();

    QLabel* Label18;
    QLineEdit* Edit_VideoPath;
    QPushButton* BitBtn1;
    QLabel* Label14;
    QLineEdit* Edit_ImagePath;
    QPushButton* BitBtn4;
    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label5;
    QSlider* TrackBar_XVIDquant;
    QLabel* Label_XVIDquant;
    QLabel* Label3;
    QSlider* TrackBar_XVIDjgminutes;
    QLabel* Label_XVIDjgminutes;
    QLabel* Label6;
    QSpinBox* CSpinEdit_frameRate;
    QLabel* Label7;
    QLabel* Label2;
    QSlider* TrackBar_XVIDcompress;
    QLabel* Label_XVIDcompress;
    QLabel* Label_codec;
    QComboBox* ComboBox_codec;  // item index = recordCodec
    QLabel* Label_preMotion;
    QSpinBox* CSpinEdit_preMotion;

private:
    // Puts the chosen folder into `edit`; a folder that cannot be made or written is refused
    // with a message and the edit keeps its folder.
    void ChooseFolder(QLineEdit* edit, int titleTextId);
    QSlider* Bar(const char* name, int low, int high, QLabel* valueLabel);
    void LayOutRows(QWidget* body);
};

}  // namespace trelvix
