// The overlay page: the caption, the date and time, the two guide lines and the picture's
// orientation, each seen at once in the page's live picture.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include "config/Cdataclass.h"
#include "settings/Unit_PanelBase.h"

namespace trelvix {

class COverlayController;

class TFrame_Panel1 : public TFrame_PanelBase {
    Q_OBJECT
public:
    TFrame_Panel1(QWidget* owner, int cameraIndex);

    void SaveToCamera() override;
    void LoadFromCamera() override;
    void EnableControls(bool enabled) override;
    TPreviewPanel* PreviewPanel() const override { return Panel1; }

    // Arrow buttons: a step of CSpinEdit3 pixels in the direction (dx, dy).
    void MoveCaption(int dx, int dy);
    void MoveTime(int dx, int dy);
    void MoveRuler(int direction);
    void SpeedButton1_ruleColorClick();
    void SpeedButton14Click();
    void SpeedButton12Click();
    void SpeedButton_TimerFontClick();
    void CheckBox_timerClick();
    void ComboBox_TimerFormatCloseUp();
    void CheckBox_rulerClick();
    void RadioButton_roteClick();

    TPreviewPanel* Panel1;
    QGroupBox* GroupBox1;
    QLabel* Label9;
    QLineEdit* Edit1;
    QPushButton* SpeedButton14;
    QPushButton* SpeedButton12;
    QLabel* Label12;
    QToolButton* SpeedButton16;  // left
    QToolButton* SpeedButton15;  // up
    QToolButton* SpeedButton17;  // down
    QToolButton* SpeedButton18;  // right
    QGroupBox* GroupBox_timer;
    QCheckBox* CheckBox_timer;
    QLabel* Label_timer1;
    QComboBox* ComboBox_TimerFormat;
    QLabel* Label_timer2;
    QToolButton* SpeedButton_TimerLeft;
    QToolButton* SpeedButton_TimerUp;
    QToolButton* SpeedButton_TimerDown;
    QToolButton* SpeedButton_TimerRight;
    QPushButton* SpeedButton_TimerFont;
    QLabel* Label10;
    QSpinBox* CSpinEdit3;
    QCheckBox* CheckBox_ruler;
    QGroupBox* GroupBox2;
    QLabel* Label_ruler_line;
    QComboBox* ComboBox_ruler;
    QLabel* Label_ruler2;
    QToolButton* SpeedButton_rulerUP;
    QToolButton* SpeedButton_rulerDOWN;
    QPushButton* SpeedButton1_ruleColor;
    QRadioButton* RadioButton_rote0;
    QRadioButton* RadioButton_rote1;
    QRadioButton* RadioButton_rote2;
    QLabel* Label1_ts;
    QCheckBox* CheckBox_autoRecord;
    // What the font dialog shows next: the last font and colour chosen on this page.
    QFont FontDialog1Font;
    QColor FontDialog1Colour = Qt::black;

private:
    QWidget* BuildCaptionGroup();
    QWidget* BuildTimeGroup();
    QWidget* BuildRulerGroup();
    QWidget* BuildOrientation();
    void EnableTimeControls(bool enabled);
    QToolButton* Arrow(const char* name, Qt::ArrowType type);
    // In: the font and colour drawn now, where the dialog starts; out: the chosen ones.
    bool ChooseFont(LogFontW* chosen, Colour3* colour);
};

}  // namespace trelvix
