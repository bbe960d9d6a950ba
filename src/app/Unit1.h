// The main window: the camera grid, the control bar, the timers and the notification icon.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/ButtonPictures.h"
#include "app/TrayKeeper.h"
#include "host/CameraHost.h"

namespace trelvix {

class TFrameCameraPanel;
class CameraCell;
class UsbCamera;

// A picture button: normal, hovered and pressed pictures switched by the window.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Takes the program's settings over (through its camera host).
    explicit TForm1(std::unique_ptr<Option> settings);
    ~TForm1() override;

    void FormCreate();
    void SelectCell(int index);
    void LayoutGrid();
    void RefreshButtons();
    void HideToTray();
    void RestoreFromTray();
    void ShowMaximised();
    void TearDownGrid();
    void BuildGrid();

    // Control bar.
    void ImageBT1MouseDown();
    void ImageBT2MouseDown();
    void ImageBT3MouseDown();
    void ImageBT4MouseDown();
    void ImageBT5MouseDown();
    void ImageBT6MouseDown();
    void ImageBT7MouseDown();
    void Image1Click();
    void Timer1Timer();
    // The scheduled power-off time has come.
    void PowerOffClose();
    // Every housekeeping minute: the free space of the first four cameras' drives.
    void RefreshDiskLabels();
    // SIGINT/SIGTERM: leave as the exit button does, without the password (the signal's
    // sender may end the process anyway).
    void TerminateBySignal();
    // A second start asked for the window.
    void BringToFront();

    UsbCamera* SelectedCamera() const;
    bool trayAvailable() const;

    QWidget* Panel_controlBar;
    TPictureButton* ImageBT1;
    TPictureButton* ImageBT2;
    TPictureButton* ImageBT3;
    TPictureButton* ImageBT7;
    TPictureButton* ImageBT4;
    TPictureButton* ImageBT5;
    TPictureButton* ImageBT6;
    QLabel* Label_warning;
    QLabel* Label_disksize1;
    QLabel* Label_disksize2;
    QLabel* Label_disksize3;
    QLabel* Label_disksize4;
    QLabel* Image1;
    // The cameras, the log and the housekeeping timers (Timer_datetime, TimerStartDo).
    CameraHost host;
    QTimer Timer1;

    std::vector<QWidget*> cellPanels;
    std::vector<TFrameCameraPanel*> cameraPanels;
    int selectedCell = 0;
    bool powerOffExit = false;
    bool realExit = false;
    bool inTray = false;
    bool skipAccessCheck = false;
    QPointer<QWidget> logViewer;
    bool logViewerOpen = false;
    QPointer<QWidget> imageParamsDialog;
    bool imageParamsOpen = false;
    TrayKeeper* tray = nullptr;

    // Runs `action` between stopping and restarting the housekeeping timers, after the access
    // check; the timers run again whatever the answer.
    bool WithAccess(const std::function<void()>& action);

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void CreateCells();
    void FreeCells();
    // The control bar's tooltips, in the current language.
    void ShowButtonTips();
    std::vector<CameraCell*> Cells() const;

    // The access check, counting open prompts so a signal can unwind them.
    bool AskAccess();
    void CloseModalWindows();

    std::vector<TPictureButton*> controlButtons_;  // top to bottom
    int accessDepth_ = 0;
    bool terminatePending_ = false;
    bool closed_ = false;
};

}  // namespace trelvix
