// A camera's live broadcast: started and stopped around its running capture pipeline.
#include <QDir>
#include <algorithm>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QThread>

#include "capture/AudioCapture.h"
#include "capture/Usbcamera.h"
#include "common/Clock.h"
#include "common/Files.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "history/EventLog.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {

// The stream header's texts are kept within the 59 characters players were made for.
QString HeaderText(QString text) {
    return text.left(59);
}

// A copy that is not kept says so in its name, so one a crash left behind can be found.
constexpr char kUnkeptSuffix[] = ".temporary.wmv";

QString BroadcastFileName(const QDateTime& t, bool keep) {
    const QDate d = t.date();
    const QTime h = t.time();
    return QString::asprintf("%04d%02d%02d %02d%02d%02d%03d", d.year(), d.month(), d.day(),
                             h.hour(), h.minute(), h.second(), h.msec()) +
           QLatin1String(keep ? ".wmv" : kUnkeptSuffix);
}

}  // namespace

bool IsUnkeptBroadcastCopy(const QString& fileName) {
    static const QRegularExpression name(QStringLiteral("^\\d{8} \\d{9}") +
                                         QRegularExpression::escape(QLatin1String(kUnkeptSuffix)) +
                                         QLatin1Char('$'));
    return name.match(fileName).hasMatch();
}

bool UsbCamera::StartBroadcast(bool keepFile) {
    if (IsBroadcasting()) return true;
    // The running recording ends here; a new one starts once the broadcast runs.
    const bool wasRecording = IsRecording();
    StopRecording();
    StopMotionRecording();
    if (recorder_->recording()) recorder_->CloseRecording();
    QString why;
    if (!BuildBroadcastGraph(keepFile, &why)) {
        const QString text =
            LanguageText(text::kBroadcastCouldNotStart) + QStringLiteral(": ") + why;
        callback.SendEventText(kEventRecording, text::kProgram, text);
        ShowErrorMessage(text);
        privateUrl_.clear();  // no address suggests a broadcast that is not there
        if (wasRecording) StartRecording();
        return false;
    }
    broadcasting_ = true;
    callback.state = CameraState::Broadcasting;
    if (Live(settings->autoRecord)) {
        // Recording goes on beside the broadcast; the state stays Broadcasting.
        StartRecorder();
    }
    // A copy that goes when the broadcast ends is not one to find in the log.
    SendEventRecord(kEventRecording, text::kProgram, text::kBroadcastStarted,
                    keepFile ? broadcastFile_ : QString());
    return true;
}

bool UsbCamera::BuildBroadcastGraph(bool keepFile, QString* why) {
    if (!graph) {
        // A stopped camera starts for its broadcast.
        callback.DestroyOverlays();
        callback.CreateOverlays();
        if (BuildPreviewGraph(callback.videoPanel()) < 0) {
            TearDownGraph();
            *why = LanguageText(text::kTheCameraDeliversNoPicture);
            return false;
        }
        callback.RefreshOverlays();
        callback.stopped = false;
    }
    BroadcastParams p = BroadcastSettings();
    // A copied camera that decoded nothing so far starts now, at its next key frame.
    if (netSource_) netSource_->SetDecodeWanted(true);
    const QSize source = WaitForFrameSize(3000);
    if (source.isEmpty()) {
        *why = LanguageText(text::kTheCameraDeliversNoPicture);
        return false;
    }
    p.sourceWidth = source.width();
    p.sourceHeight = source.height();
    const QDateTime now = Now();
    QString folder;
    try {
        folder = settings->DayVideoFolder(now.date());
    } catch (const std::exception&) {
        folder = WithSlash(settings->videoFolder);
    }
    broadcastFile_ = folder + BroadcastFileName(now, keepFile);
    QFile::remove(broadcastFile_);
    keepBroadcastFile_ = keepFile;
    p.filePath = broadcastFile_;
    QString noSound;
    p.audio = StartBroadcastSound(&noSound);
    if (!broadcast_->Start(p)) {
        if (broadcastSound_) broadcastSound_->Stop();
        *why = broadcast_->ErrorText();
        broadcastFile_.clear();
        return false;
    }
    // A missing or broken sound device never costs the pictures.
    if (!noSound.isEmpty())
        callback.SendEventText(
            kEventRecording, text::kProgram,
            LanguageText(text::kBroadcastWithoutSound) + QStringLiteral(": ") + noSound);
    // A port the system chose is the camera's port from now on.
    if (p.port == 0) StoreLive(settings->broadcastPort, int32_t(broadcast_->Port()));
    // Never with the password: it goes to players and into the log only as an address.
    privateUrl_ = p.localOnly ? BroadcastPublicUrl(QStringLiteral("127.0.0.1"), broadcast_->Port())
                              : BroadcastPrivateUrl(broadcast_->Port());
    callback.broadcastSink = broadcast_.get();
    return true;
}

BroadcastParams UsbCamera::BroadcastSettings() const {
    const CDataClass& s = *settings;
    BroadcastParams p;
    p.sizeIndex = Live(s.broadcastSizeIndex);
    p.fpsIndex = Live(s.broadcastFpsIndex);
    p.bitrateKbps = Live(s.broadcastBitrateKbps);
    p.port = Live(s.broadcastPort);
    p.maxClients = std::clamp(int(Live(s.broadcastMaxClients)), 1, 20);
    p.password = s.broadcastPassword.get();
    p.localOnly = Live(s.broadcastLocalOnly) != 0;
    p.title = HeaderText(LanguageText(text::kTrelvixLiveBroadcast) + QLatin1Char(' ') +
                         QLocale().toString(Now().date(), QLocale::ShortFormat));
    p.description = HeaderText(LanguageText(text::kLivePictureOfASurveillanceCamera));
    return p;
}

bool UsbCamera::StartBroadcastSound(QString* whyNot) {
    if (!Live(settings->broadcastAudio)) return false;
    if (!broadcastSound_) broadcastSound_ = std::make_unique<AudioCapture>();
    BroadcastEngine* engine = broadcast_.get();
    CSampleGrabberCB* events = &callback;
    // Samples that come before the engine runs are ignored by it.
    const bool ok = broadcastSound_->Start(
        BroadcastAudioSourceFor(settings->deviceId.get()),
        [engine](const int16_t* samples, int frames) { engine->PushAudio(samples, frames); },
        [events](const QString& reason) {
            events->SendEventText(
                kEventRecording, text::kProgram,
                LanguageText(text::kBroadcastSoundStopped) + QStringLiteral(": ") + reason);
        });
    if (!ok) *whyNot = broadcastSound_->ErrorText();
    return ok;
}

QSize UsbCamera::WaitForFrameSize(int timeoutMs) const {
    // A pipeline built a moment ago knows its size only with its first frame.
    QElapsedTimer t;
    t.start();
    for (;;) {
        const QSize size(callback.frameWidth, callback.frameHeight);
        if (!size.isEmpty() || t.elapsed() >= timeoutMs || !graph) return size;
        QThread::msleep(10);
    }
}

void UsbCamera::StopBroadcast(bool rebuildPreview) {
    if (!IsBroadcasting()) return;
    EndRecordingBesideBroadcast();
    if (!rebuildPreview) {
        TearDownGraph();  // ends the broadcast too
        return;
    }
    EndBroadcast();
    // The pipeline never stopped: the preview is there at once.
    callback.state = CameraState::Previewing;
    if (Live(settings->autoRecord)) StartRecording();
}

void UsbCamera::EndRecordingBesideBroadcast() {
    if (callback.state == CameraState::MotionRecording) {
        StopMotionRecording();
    } else if (recorder_->recording()) {
        recorder_->CloseRecording();
        SendEventRecord(kEventRecording, text::kProgram, text::kRecordingStopped);
    }
}

bool UsbCamera::EndBroadcast() {
    if (!broadcasting_) return false;
    callback.broadcastSink = nullptr;
    if (broadcastSound_) broadcastSound_->Stop();
    broadcast_->Stop();  // the file is finished before it may go
    broadcasting_ = false;
    if (!keepBroadcastFile_ && !broadcastFile_.isEmpty()) QFile::remove(broadcastFile_);
    if (callback.state == CameraState::Broadcasting) callback.state = CameraState::Idle;
    SendEventRecord(kEventRecording, text::kProgram, text::kBroadcastStopped);
    return true;
}

void UsbCamera::ComputePublicUrl(std::function<void()> done) {
    publicUrl_.clear();
    LookUpPublicAddress(lookups_.get(), [this, done = std::move(done)](const QString& address) {
        const int port = IsBroadcasting() ? broadcast_->Port() : int(Live(settings->broadcastPort));
        // A broadcast for this computer alone cannot be reached from outside.
        publicUrl_ =
            Live(settings->broadcastLocalOnly) ? QString() : BroadcastPublicUrl(address, port);
        if (done) done();
    });
}

}  // namespace trelvix
