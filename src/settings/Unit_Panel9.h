// The device exclusion page: every capture device of the system with a mark for the ones the
// program must not use. Its OK stores the marks and closes the window; a changed list makes
// the main window rebuild its cameras.
#pragma once

#include <QListWidget>
#include <QPushButton>

#include "settings/NetCamEditor.h"
#include "settings/Unit_PanelBase.h"

namespace trelvix {

class TFrame_Panel9 : public TFrame_PanelBase {
    Q_OBJECT
public:
    TFrame_Panel9(QWidget* owner, int cameraIndex);

    // Shows the identifier of the selected device, not its friendly name (nor a password).
    void CheckListBox1Click();
    void BitBtn2Click();
    // What OK stores, without closing: the settings window's other OK calls it too.
    void ApplyMarks();

    QLabel* Label3;
    QLabel* Label4;
    QListWidget* CheckListBox1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* BitBtn2;
    TNetCamEditor* NetCams;

private:
    // One item per device of the global list, the network cameras last; marks kept by id.
    void FillDeviceList();

signals:
    // OK was handled, changed or not: the settings window closes.
    void closeRequested();
};

}  // namespace trelvix
