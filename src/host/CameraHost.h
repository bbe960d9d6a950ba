// The engine behind both programs: the cameras of the grid, their start, stop and restart,
// the grid's tear-down and rebuild, the housekeeping timers and the log. The main window and
// the headless program are shells that supply the cells and react to the signals.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "config/Cdataclass.h"
#include "history/LogReceiver.h"
#include "host/Housekeeping.h"
#include "host/Storage.h"
#include "notify/Notifier.h"

namespace trelvix {

class CameraCell;
class Option;
class UsbCamera;

class CameraHost : public QObject {
    Q_OBJECT
public:
    // Takes the program's settings over and publishes them; the grid is rebuilt from their file.
    explicit CameraHost(std::unique_ptr<Option> settings, QObject* parent = nullptr);
    // Stops and frees every camera (each saving its record), then saves the settings.
    ~CameraHost() override;

    // The program's start: its log line, the cameras of the cells (with `broadcast`, every
    // running one broadcasting), the housekeeping timers.
    void Start(const std::vector<CameraCell*>& cells, bool broadcast = false);
    // The program's end: the exit line after every queued record, every camera stopped and
    // freed, the global settings saved and gone. Once only.
    void Finish(bool powerOffExit);

    // One camera per kept device, cell i getting device i; recording and upload as each
    // camera's record says. Each recording starts once, after the camera's broadcast.
    void CreateCameras(const std::vector<CameraCell*>& cells, bool broadcast = false);
    void StopAllCameras();
    // Every camera stopped, then each started again, then recording and upload, so that
    // changed settings take effect.
    void RestartAllCameras();
    // The cameras' records as they are now (cell by cell), for RestartChangedCameras.
    std::vector<CDataClass> RecordsNow() const;
    // The same for the cameras whose record changed since `before` in a value that acts only
    // after a restart; the others keep running (and recording) without a gap.
    void RestartChangedCameras(const std::vector<CDataClass>& before);
    // The stop/start button on one cell.
    void ToggleCamera(int cell);
    // The broadcast button on one cell: its camera's broadcast stops (back to the preview) or
    // starts.
    void ToggleBroadcast(int cell);
    // Every running camera starts broadcasting; the cells whose broadcast runs.
    std::vector<int> StartAllBroadcasts();
    // Stops and frees the cameras; uploads end first, so no thread posts to a cell that goes.
    void DestroyCameras();
    // Cameras freed and the settings saved and destroyed; the cells may go after this.
    void TearDownGrid();
    // New settings from the same file; the shell then makes cells and calls CreateCameras.
    void BuildGrid();
    // The settings in force; none between TearDownGrid and BuildGrid and after Finish.
    Option* settings() const { return settings_.get(); }

    // The notification engine, from `settings`, receiving every camera's notices; it also
    // announces the cameras of the grid and carries out a broker's commands for them.
    void StartNotifications(const NotifySettings& settings);
    Notifier* notifier() const { return notifier_.get(); }

    // The disk clean-up and the move of recordings into the new day's folder.
    void PeriodicCleanup();

    UsbCamera* camera(int cell) const;
    UsbCamera* FindCameraByDeviceId(const QString& id) const;
    const CameraList& cameras() const { return cameras_; }
    QString iniPath() const { return iniPath_; }
    bool finished() const { return finished_; }

    LogReceiverObject logReceiver;
    Housekeeping housekeeping;
    Storage storage{cameras_};

signals:
    // After each periodic clean-up: whether some recording drive is still below its limit.
    void diskSpaceChecked(bool low);

private:
    void AnnounceCameras();
    void CarryOut(int camera, CameraCommand command);
    void ReplaceSettings(std::unique_ptr<Option> settings);
    void RestartCameras(const std::vector<bool>& which);

    std::unique_ptr<Option> settings_;
    std::unique_ptr<Notifier> notifier_;
    CameraList cameras_;
    std::vector<CameraCell*> cells_;
    QString iniPath_;
    bool writerReady_ = false;
    bool finished_ = false;
};

}  // namespace trelvix
