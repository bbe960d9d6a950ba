#include "host/CameraHost.h"

#include <malloc.h>

#include "capture/Usbcamera.h"
#include "record/Ymp4.h"
#include "config/CameraRecords.h"
#include "config/Option.h"
#include "host/CameraCell.h"
#include "host/SettingsInForce.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {
// Pictures, JPEG files and upload buffers of 128 KiB and more come and go on many threads.
// glibc raises its mapping threshold after the first large free and then serves them from its
// heaps, whose holes of odd sizes keep the process growing over weeks; a fixed threshold
// gives such blocks back to the system when they are freed.
void KeepLargeBlocksOutOfTheHeaps() {
    static const bool once = mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    (void)once;
}
}  // namespace

CameraHost::CameraHost(std::unique_ptr<Option> settings, QObject* parent)
    : QObject(parent), iniPath_(settings ? settings->iniPath : QString()) {
    KeepLargeBlocksOutOfTheHeaps();
    ReplaceSettings(std::move(settings));
    connect(&housekeeping, &Housekeeping::retentionDue, this, [this] { storage.DailyRetention(); });
    connect(&housekeeping, &Housekeeping::periodicCleanupDue, this, &CameraHost::PeriodicCleanup);
}

CameraHost::~CameraHost() {
    DestroyCameras();
    if (notifier_) SetNoticeSink(nullptr);
    ReplaceSettings(nullptr);
}

void CameraHost::ReplaceSettings(std::unique_ptr<Option> settings) {
    // Withdrawn before they go: no engine thread may read settings being destroyed.
    PublishSettings(nullptr);
    settings_ = std::move(settings);  // the old ones are saved here
    PublishSettings(settings_.get());
}

void CameraHost::StartNotifications(const NotifySettings& settings) {
    if (notifier_) SetNoticeSink(nullptr);
    notifier_.reset();
    notifier_ = std::make_unique<Notifier>(settings, [this](int camera, CameraCommand command) {
        QMetaObject::invokeMethod(
            this, [this, camera, command] { CarryOut(camera, command); }, Qt::QueuedConnection);
    });
    SetNoticeSink(notifier_.get());
    AnnounceCameras();
}

void CameraHost::AnnounceCameras() {
    if (!notifier_) return;
    std::map<int, QString> cameras;
    for (const auto& cam : cameras_) {
        if (!cam) continue;
        cameras[cam->cameraId()] = cam->settings->caption.get();
        const CameraState state = cam->state();
        cam->PostCameraNotice(NoticeKind::Recording, state == CameraState::Recording ||
                                                         state == CameraState::MotionRecording);
    }
    notifier_->SetCameras(cameras);
}

void CameraHost::CarryOut(int cell, CameraCommand command) {
    UsbCamera* cam = camera(cell);
    if (!cam || cam->IsStopped()) return;
    switch (command) {
        case CameraCommand::RecordingOn:
            cam->recording().StartRecording();
            break;
        case CameraCommand::RecordingOff:
            cam->recording().StopRecording();
            cam->recording().StopMotionRecording();
            break;
        case CameraCommand::Snapshot:
            cam->RequestSnapshot(kSnapshotRemote);
            break;
    }
}

void CameraHost::Start(const std::vector<CameraCell*>& cells, bool broadcast) {
    LogProgramStart();
    if (settings_ && settings_->netCams.tooLarge())
        LogProgramNote(text::kTheNetworkCameraListIsLarger, settings_->netCams.path());
    if (!notifier_) StartNotifications(LoadNotifySettings());
    CreateCameras(cells, broadcast);
    housekeeping.StartTimers();
}

void CameraHost::Finish(bool powerOffExit) {
    if (finished_) return;
    finished_ = true;
    housekeeping.StopTimers();
    // Records still queued from camera threads land before the exit line.
    logReceiver.Flush();
    LogProgramExit(powerOffExit);
    TearDownGrid();
}

void CameraHost::CreateCameras(const std::vector<CameraCell*>& cells, bool broadcast) {
    DestroyCameras();
    if (!settings_) return;
    const int count = std::min<int>(settings_->deviceCount, int(cells.size()));
    // Each camera loads the record of its own device, whatever slot it lands in.
    AssignCameraRecords(settings_->deviceIds.mid(0, count));
    writerReady_ = yXvidInit(kYmp4Agreed, count, 0);
    cells_ = cells;
    cameras_.resize(cells.size());
    for (int i = 0; i < count; ++i) {
        CameraCell* cell = cells[size_t(i)];
        cameras_[size_t(i)] = std::make_unique<UsbCamera>(
            this, cell->MessageTarget(), cell->VideoArea(), settings_->deviceIds[i], i);
        UsbCamera* cam = cameras_[size_t(i)].get();
        cell->AttachCamera(cam);
    }
    storage.RemoveUnkeptBroadcastCopies();
    // A broadcast records beside itself: a recording begun before it would be cut at once.
    if (broadcast) StartAllBroadcasts();
    for (const auto& cam : cameras_)
        if (cam && Live(cam->settings->autoRecord) && !cam->broadcast().IsBroadcasting())
            cam->recording().StartRecording();
    AnnounceCameras();
}

void CameraHost::StopAllCameras() {
    for (const auto& cam : cameras_)
        if (cam && !cam->IsStopped()) cam->StopCamera();
    // Their stop lines land before the settings go.
    logReceiver.Flush();
}

void CameraHost::RestartAllCameras() {
    RestartCameras(std::vector<bool>(cameras_.size(), true));
}

std::vector<CDataClass> CameraHost::RecordsNow() const {
    std::vector<CDataClass> records(cameras_.size());
    for (size_t i = 0; i < cameras_.size(); ++i)
        if (cameras_[i]) records[i] = *cameras_[i]->settings;
    return records;
}

void CameraHost::RestartChangedCameras(const std::vector<CDataClass>& before) {
    std::vector<bool> changed(cameras_.size(), false);
    for (size_t i = 0; i < cameras_.size() && i < before.size(); ++i)
        changed[i] = cameras_[i] && NeedsRestart(before[i], *cameras_[i]->settings);
    RestartCameras(changed);
}

void CameraHost::RestartCameras(const std::vector<bool>& which) {
    auto chosen = [&](size_t i) { return cameras_[i] && i < which.size() && which[i]; };
    for (size_t i = 0; i < cameras_.size(); ++i)
        if (chosen(i)) cameras_[i]->StopCamera();
    for (size_t i = 0; i < cameras_.size(); ++i)
        if (chosen(i)) cameras_[i]->RestartCamera();
    for (size_t i = 0; i < cameras_.size(); ++i) {
        if (!chosen(i)) continue;
        UsbCamera* cam = cameras_[i].get();
        if (Live(cam->settings->autoRecord)) cam->recording().StartRecording();
        cam->upload().StartUpload();
    }
    // Captions may have changed.
    AnnounceCameras();
}

void CameraHost::ToggleCamera(int cell) {
    UsbCamera* cam = camera(cell);
    if (!cam) return;
    if (cam->IsStopped())
        cam->RestartCamera();
    else
        cam->StopCamera();
    if (cam->IsStopped()) return;
    if (Live(cam->settings->autoRecord)) cam->recording().StartRecording();
    // Stopping ended the camera's uploads; starting it again brings them back.
    cam->upload().StartUpload();
}

void CameraHost::ToggleBroadcast(int cell) {
    UsbCamera* cam = camera(cell);
    if (!cam) return;
    if (cam->broadcast().IsBroadcasting())
        cam->broadcast().StopBroadcast(true);
    else
        cam->broadcast().StartBroadcast(false);
}

std::vector<int> CameraHost::StartAllBroadcasts() {
    std::vector<int> running;
    for (size_t i = 0; i < cameras_.size(); ++i) {
        UsbCamera* cam = cameras_[i].get();
        if (cam && !cam->IsStopped() && cam->broadcast().StartBroadcast(false))
            running.push_back(int(i));
    }
    return running;
}

void CameraHost::DestroyCameras() {
    for (const auto& cam : cameras_)
        if (cam) cam->upload().StopUpload();
    StopAllCameras();
    // A message still queued for a cell must not reach a camera that is gone.
    for (CameraCell* cell : cells_) cell->AttachCamera(nullptr);
    cells_.clear();
    for (auto& cam : cameras_) {
        if (cam) cam->view().DetachPanel();
        cam.reset();  // saves its record
    }
    cameras_.clear();
    logReceiver.Flush();
    if (writerReady_) yXvidUnInt();
    writerReady_ = false;
}

void CameraHost::TearDownGrid() {
    housekeeping.StopTimers();
    DestroyCameras();
    ReplaceSettings(nullptr);  // saves the settings files
}

void CameraHost::BuildGrid() {
    if (!settings_) ReplaceSettings(std::make_unique<Option>(iniPath_));
}

void CameraHost::PeriodicCleanup() {
    const bool low = storage.DiskCleanup();
    for (const auto& cam : cameras_)
        if (cam) cam->recording().UpdateRecordingRoot();
    emit diskSpaceChecked(low);
}

UsbCamera* CameraHost::camera(int cell) const {
    if (cell < 0 || size_t(cell) >= cameras_.size()) return nullptr;
    return cameras_[size_t(cell)].get();
}

UsbCamera* CameraHost::FindCameraByDeviceId(const QString& id) const {
    for (const auto& cam : cameras_)
        if (cam && cam->settings->deviceId.get() == id) return cam.get();
    return nullptr;
}

}  // namespace trelvix
