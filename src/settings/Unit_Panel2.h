// The motion detection page: whether and how often the camera looks for motion, the region it
// watches (edited with the mouse over the live picture), and what happens on motion.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "settings/Unit_PanelBase.h"

namespace trelvix {

// A small circle that flashes red when the camera sees motion in the region.
class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent);
    void SetBrushColour(const QColor& c);
    QColor brushColour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor colour_ = Qt::white;
};

class TFrame_Panel2 : public TFrame_PanelBase {
    Q_OBJECT
public:
    TFrame_Panel2(QWidget* owner, int cameraIndex);

    void SaveToCamera() override;
    void LoadFromCamera() override;
    void EnableControls(bool enabled) override;
    TPreviewPanel* PreviewPanel() const override { return Panel2; }
    bool RegionTestMode() const override { return true; }

    // Region editor, mouse positions in panel pixels.
    void Panel2MouseDown(QPoint at);
    void Panel2MouseMove(QPoint at);
    void Panel2MouseUp();

    void CheckBox_capImagePlaySound_moveClick();
    void CheckBox_capImageShellExecute_moveClick();
    void CheckBox_CapVideo_moveClick();
    void BitBtn_capImagePlaySound_Preview_moveClick();
    void BitBtn__capImagePlaySound_Brow_moveClick();
    void BitBtn_capImageShellExecute_moveClick();
    void BitBtn1_capImageShellExecute_moveClick();
    void SetMarkColour(int colour);
    void TrackBar_dltaChange();
    // Mode and smallest object act at once, so the preview shows them.
    void ComboBox_motionModeChange();
    void CSpinEdit_minSizeChange();
    void CheckBox_motionPeopleClick();

    TPreviewPanel* Panel2;
    TShape* Shape1;
    QLabel* Label2;
    QSlider* TrackBar_dlta;
    QLabel* Label8;
    QPushButton* SpeedButton9;
    QPushButton* SpeedButton10;
    QPushButton* SpeedButton11;
    QLabel* Label6;
    QSpinBox* CSpinEdit1;
    QLabel* Label_motionMode;
    QComboBox* ComboBox_motionMode;
    QLabel* Label_minSize;
    QSpinBox* CSpinEdit_minSize;
    QCheckBox* CheckBox_motionPeople;
    QCheckBox* CheckBox_startMove;
    QCheckBox* CheckBox_capImagePlaySound_move;
    QGroupBox* GroupBox_capImagePlaySound_move;
    QLabel* Label18_capImagePlaySound_move;
    QComboBox* ComboBox_capImagePlaySound_move;
    QPushButton* BitBtn_capImagePlaySound_Preview_move;
    QPushButton* BitBtn__capImagePlaySound_Brow_move;
    QCheckBox* CheckBox_NoCapImage_move;
    QCheckBox* CheckBox_capImageShellExecute_move;
    QGroupBox* GroupBox_capImageShellExecute_move;
    QLabel* Label18_capImageShellExecute_move;
    QLineEdit* program_capImageShellExecute_move;
    QPushButton* BitBtn_capImageShellExecute_move;
    QPushButton* BitBtn1_capImageShellExecute_move;
    QLabel* Label19_capImageShellExecute_move;
    QComboBox* RunMode_capImageShellExecute_move;
    QLabel* Label181_capImageShellExecute_move;
    QLineEdit* param_capImageShellExecute_move;
    QCheckBox* CheckBox_CapVideo_move;
    QLabel* Label_CapVideo_move;
    QSpinBox* CSpinEdit_CapVideo_move;
    QLabel* Label1_CapVideo_move;
    QLabel* Label1_ts;

    // Region editor state: a whole-region drag, the edge being resized, the last mouse position
    // in picture pixels.
    bool dragging = false;
    int edge = 0;
    int lastX = 0;
    int lastY = 0;

protected:
    bool event(QEvent* e) override;

private:
    QWidget* BuildDetection();
    QWidget* BuildObjectControls();
    void EnableObjectControls();
    QWidget* BuildSoundGroup();
    QWidget* BuildProgramGroup();
    QLayout* BuildRecordSentence();
    void FillSoundList();
    // Lists a sound file of the sound folder; the entry's data is its file name.
    void AddSound(const QString& file);
    QString SoundFile(int index) const;
    void EnableSoundControls(bool enabled);
    void EnableProgramControls(bool enabled);
    void EnableRecordControls(bool enabled);
    int SoundIndex(const QString& name, Qt::CaseSensitivity cs) const;
    QPoint ToPicture(QPoint at) const;
    void FlashIndicator();

    QString soundFolder_;
};

}  // namespace trelvix
