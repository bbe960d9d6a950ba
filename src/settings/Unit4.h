// The settings window: a camera chooser, the navigation list and one page at a time. Camera
// pages edit the chosen camera's record while it keeps running and painting into the page.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <array>
#include <functional>

#include "settings/PageDialogs.h"

namespace trelvix {

class TFrame_PanelBase;
class TFrame_Panel1;
class TFrame_Panel2;
class TFrame_Panel5;
class TFrame_Panel7;
class TFrame_Panel10;
class UsbCamera;

// The running camera of a device identifier; null when none runs it.
using CameraFinder = std::function<UsbCamera*(const QString& deviceId)>;

class TForm_settings : public QDialog {
    Q_OBJECT
public:
    // Pages 0 to 4 edit cameras, 5 to 7 the program.
    static constexpr int kPageCount = 8;
    static constexpr int kCameraPages = 5;

    TForm_settings(QWidget* owner, int initialCameraIndex, CameraFinder findCamera);
    ~TForm_settings() override;

    // Shows the window and returns once it is closed. Tests answer it in place of the operator.
    int RunModal();
    using ModalRunner = std::function<int(TForm_settings& window)>;
    static void SetModalRunnerForTesting(ModalRunner runner);

    void FormCreate();
    // The camera chooser closed on an entry: the pages save into the camera they edited and
    // load from the chosen one.
    void ComboBox1CloseUp();
    void ShowSelectedPage();
    void CheckBox_AppToAllClick(bool checked);
    // The current camera's shared settings into every other running camera, at once.
    void ApplyToAllCameras();
    void SaveAllPages();
    void LoadAllPages();
    void EnableAllPages(bool enabled);
    // Every way of closing ends here: pages saved, "apply to all" stored and done, the camera
    // detached from the pages, the records written.
    void done(int result) override;

    QLabel* Label1;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QCheckBox* CheckBox_AppToAll;
    QPushButton* BitBtn7;
    QListWidget* ListView_Navigate;
    QList<QIcon> ImageList1;
    std::array<TFrame_PanelBase*, kPageCount> pages{};
    TFrame_Panel1* overlayPage;
    TFrame_Panel2* motionPage;
    TFrame_Panel5* recordingPage;
    TFrame_Panel7* broadcastPage;
    TFrame_Panel10* notifyPage;

    UsbCamera* currentCamera = nullptr;
    int initialCameraIndex;
    bool creationDone = false;
    PageDialogs dialogs = PageDialogs::Standard();

private:
    void SetCurrentCamera(UsbCamera* camera);
    void DetachCamera();
    void SaveRecords();

    CameraFinder findCamera_;
    QStackedWidget* pageStack_;
    bool closed_ = false;
};

}  // namespace trelvix
