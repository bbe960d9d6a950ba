// The device page's editor of the network cameras: the list, a name and an address to add
// or change, removal, and a try of the address with its live picture. Every change is stored
// at once; the grid takes it when the settings window closes.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "config/NetCams.h"

namespace trelvix {

class StreamPreview;
class TVideoPanel;

class TNetCamEditor : public QGroupBox {
    Q_OBJECT
public:
    explicit TNetCamEditor(QWidget* parent);
    ~TNetCamEditor() override;

    void ListClick();
    void AddClick();
    void ChangeClick();
    void RemoveClick();
    void TryClick();

    bool changed() const { return changed_; }

    QListWidget* List_NetCams;
    QLabel* Label_Name;
    QLineEdit* Edit_Name;
    QLabel* Label_Address;
    QLineEdit* Edit_Address;
    QCheckBox* CheckBox_Udp;
    QCheckBox* CheckBox_Copy;
    QLabel* Label_Detect;
    QLineEdit* Edit_Detect;
    QPushButton* BitBtn_Add;
    QPushButton* BitBtn_Change;
    QPushButton* BitBtn_Remove;
    QPushButton* BitBtn_Try;
    TVideoPanel* Panel_Try;
    QLabel* Label_Status;

signals:
    // The stored list changed: the page lists the cameras anew.
    void camerasChanged();

private:
    NetCamEntry Entered() const;
    // False, with the reason shown, when the entry cannot be kept.
    bool Acceptable(const NetCamEntry& cam);
    bool Store(const std::vector<NetCamEntry>& cams);
    void FillList();
    void ShowTryStatus();
    void StopTry();

    std::unique_ptr<StreamPreview> try_;
    QTimer tryTimer_;
    bool changed_ = false;
};

}  // namespace trelvix
