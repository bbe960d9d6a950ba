// The system page: the program-wide settings (start with the session, tray, scheduled
// power-off, access password, log folder, history, disk limit, grid size, language). It reads
// them once when created; either OK of the settings window stores them and closes the window.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>

#include "settings/Unit_PanelBase.h"

namespace trelvix {

class TFrame_Panel8 : public TFrame_PanelBase {
    Q_OBJECT
public:
    TFrame_Panel8(QWidget* owner, int cameraIndex);

    // The texts from the loaded language module; the title keeps the one it was created with.
    void SetTexts();
    void ApplyShutdownRule();
    void CheckBox_passwordClick();
    void BitBtn3Click();
    // A language picked in the list: its module is loaded at once and the page relabelled; the
    // choice is stored only by OK.
    void ComboBoxEx1Change(int item);
    void BitBtn2Click();
    // What OK stores, without closing: the settings window's other OK calls it too.
    void ApplyChoices();

    QCheckBox* checkBox_startPOWERON;
    QCheckBox* CheckBox_systray;
    QCheckBox* CheckBox_topwindow;
    QGroupBox* GroupBox2;
    QCheckBox* CheckBox_PowerOff;
    QLabel* Label2;
    QDateEdit* DateTimePicker1;
    QTimeEdit* DateTimePicker2;
    QCheckBox* CheckBox_PowerOff_daily;
    QGroupBox* GroupBox3;
    QCheckBox* CheckBox_password;
    QLabel* Label3;
    QLineEdit* Edit_password1;
    QLabel* Label4;
    QLineEdit* Edit_password2;
    QLabel* Label6;
    QLineEdit* Edit_logpath;
    QPushButton* BitBtn3;
    QLabel* Label17;
    QSpinBox* CSpinEdit_history;
    QLabel* Label10;
    QSpinBox* CSpinEdit_diskspacelimited;
    QLabel* Label1;
    QGroupBox* GroupBox5;
    QLabel* Label7;
    QSpinBox* CSpinEdit_Rows;
    QLabel* Label8;
    QSpinBox* CSpinEdit_Cols;
    QLabel* Label5;
    QComboBox* ComboBoxEx1;
    QPushButton* BitBtn2;

signals:
    // OK was handled, whatever it stored: the settings window closes.
    void closeRequested();

private:
    void CreateControls();
    void LayOut();
    void LoadSettings();
    // False, with the reason shown, when the password entries are refused: nothing is stored.
    bool StoreSettings();
};

}  // namespace trelvix
