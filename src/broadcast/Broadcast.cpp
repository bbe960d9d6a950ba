#include "broadcast/Broadcast.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <cstring>
#include <utility>

#include "common/SyncValue.h"

namespace trelvix {

namespace {

// Sound further than this from the wall clock is moved back onto it.
constexpr int64_t kAudioTolerance = kBroadcastAudioRate * 3 / 10;
// The encoder is woken for sound once about one of its frames is waiting.
constexpr int64_t kAudioWakeFrames = 2048;
// Sound the encoder has not taken after this long is dropped, oldest first.
constexpr int64_t kAudioQueueLimit = kBroadcastAudioRate * 2;

}  // namespace

BroadcastEngine::BroadcastEngine() : encoder_(&server_) {}

BroadcastEngine::~BroadcastEngine() {
    Stop();
}

bool BroadcastEngine::Fail(BroadcastError error, const QString& text) {
    error_ = error;
    errorText_ = text;
    port_ = 0;
    return false;
}

bool BroadcastEngine::Start(const BroadcastParams& p) {
    Stop();
    error_ = BroadcastError::None;
    errorText_.clear();
    format_ = BroadcastFormat{};
    format_.size = BroadcastSize(p.sourceWidth, p.sourceHeight, p.sizeIndex);
    format_.fps = BroadcastFps(p.fpsIndex);
    format_.bitRate = BroadcastBitRate(p.bitrateKbps);
    format_.gop = BroadcastGop(format_.fps, p.keyFrameMs);
    format_.filePath = p.filePath;
    format_.title = p.title;
    format_.description = p.description;
    format_.audio = p.audio;
    if (format_.size.width() < 2 || format_.size.height() < 2 || p.bitrateKbps <= 0)
        return Fail(BroadcastError::BadSettings,
                    QStringLiteral("The broadcast picture size or bit rate is unusable."));
    const int64_t totalBitRate = format_.bitRate + (p.audio ? kBroadcastAudioBitRate : 0);
    const BroadcastAccess access{p.password.toUtf8(), p.localOnly};
    switch (server_.Listen(p.port, p.maxClients, totalBitRate, p.title, access)) {
        case BroadcastServer::ListenResult::PortInUse:
            return Fail(BroadcastError::PortInUse, server_.ErrorText());
        case BroadcastServer::ListenResult::Failed:
            return Fail(BroadcastError::Network, server_.ErrorText());
        case BroadcastServer::ListenResult::Ok:
            break;
    }
    // The encoder hands the stream header to the server before anyone is let in.
    if (!encoder_.Open(format_)) {
        server_.Stop();
        return Fail(BroadcastError::Encoder, encoder_.ErrorText());
    }
    port_ = server_.Port();
    server_.Run();
    {
        std::lock_guard lock(slotMutex_);
        pending_.reset();
        audio_.clear();
        audioQueued_ = 0;
        audioNext_ = -1;
        audioOn_ = p.audio;
        start_ = std::chrono::steady_clock::now();
        stopping_ = false;
        running_ = true;
    }
    thread_ = std::thread(&BroadcastEngine::EncodeLoop, this);
    return true;
}

void BroadcastEngine::Stop() {
    FramePtr dropped;
    {
        std::lock_guard lock(slotMutex_);
        running_ = false;
        stopping_ = true;
        dropped = std::move(pending_);
        audioOn_ = false;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();  // it finishes the stream and the file
    server_.Stop();
    port_ = 0;
}

bool BroadcastEngine::IsRunning() const {
    std::lock_guard lock(slotMutex_);
    return running_;
}

void BroadcastEngine::PushFrame(FramePtr frame) {
    if (!frame) return;
    FramePtr older;  // released outside the lock
    std::lock_guard lock(slotMutex_);
    if (!running_) return;
    older = std::exchange(pending_, std::move(frame));
}

void BroadcastEngine::PushFrame(const uint8_t* data, int width, int height, int stride) {
    if (!data || width <= 0 || height <= 0 || stride < width * 3 || !IsRunning()) return;
    std::shared_ptr<VideoFrame> copy;
    {
        std::lock_guard lock(poolMutex_);
        // A frame neither waiting nor being encoded, of this size if there is one.
        std::shared_ptr<VideoFrame>* idle = nullptr;
        for (auto& f : pool_) {
            if (f.use_count() != 1) continue;
            if (!idle || (f->width == width && f->height == height)) idle = &f;
        }
        if (!idle && pool_.size() < 3) idle = &pool_.emplace_back(std::make_shared<VideoFrame>());
        copy = idle ? *idle : std::make_shared<VideoFrame>();
        if (copy->width != width || copy->height != height) copy->Resize(width, height);
    }
    for (int y = 0; y < height; ++y)
        std::memcpy(copy->Row(y), data + size_t(stride) * size_t(y), size_t(width) * 3);
    PushFrame(FramePtr(std::move(copy)));
}

void BroadcastEngine::PushAudio(const int16_t* samples, int frames) {
    using namespace std::chrono;
    if (!samples || frames <= 0) return;
    const auto now = steady_clock::now();
    {
        std::lock_guard lock(slotMutex_);
        if (!running_ || !audioOn_) return;
        const int64_t end =
            duration_cast<microseconds>(now - start_).count() * kBroadcastAudioRate / 1000000;
        const AudioPlacement at = PlaceAudio(&audioNext_, end - frames, frames, kAudioTolerance, 0);
        if (at.skip >= frames) return;
        AudioChunk& c = audio_.emplace_back();
        c.position = at.position;
        c.frames = frames - at.skip;
        c.samples.assign(samples + 2 * at.skip, samples + 2 * frames);
        audioQueued_ += c.frames;
        while (audioQueued_ > kAudioQueueLimit && audio_.size() > 1) {
            audioQueued_ -= audio_.front().frames;
            audio_.erase(audio_.begin());
        }
        if (audioQueued_ < kAudioWakeFrames) return;
    }
    wake_.notify_all();
}

void BroadcastEngine::EncodeLoop() {
    using namespace std::chrono;
    const auto period =
        duration_cast<steady_clock::duration>(nanoseconds(1000000000 / format_.fps));
    int64_t tick = 0;
    std::vector<AudioChunk> sound;
    std::unique_lock lock(slotMutex_);
    for (;;) {
        wake_.wait_until(lock, start_ + period * tick,
                         [this] { return stopping_ || audioQueued_ >= kAudioWakeFrames; });
        if (stopping_) break;
        sound.swap(audio_);
        audio_.clear();
        audioQueued_ = 0;
        const bool frameTime = steady_clock::now() >= start_ + period * tick;
        FramePtr frame;
        if (frameTime) frame = std::exchange(pending_, nullptr);
        lock.unlock();
        for (const AudioChunk& c : sound)
            encoder_.EncodeAudio(c.samples.data(), c.frames, c.position);
        sound.clear();
        if (frameTime) {
            if (frame) encoder_.Encode(*frame, tick);
            frame.reset();
            // Frame times that passed while encoding are skipped: the newest frame wins.
            const int64_t due = int64_t((steady_clock::now() - start_) / period) + 1;
            tick = std::max(tick + 1, due);
        }
        lock.lock();
    }
    sound.swap(audio_);
    audio_.clear();
    audioQueued_ = 0;
    lock.unlock();
    for (const AudioChunk& c : sound) encoder_.EncodeAudio(c.samples.data(), c.frames, c.position);
    encoder_.Close();
}

QString FirstLocalIPv4() {
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto flags = i.flags();
        if (!(flags & QNetworkInterface::IsUp) || (flags & QNetworkInterface::IsLoopBack)) continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            const QHostAddress a = e.ip();
            if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
                return a.toString();
        }
    }
    return QStringLiteral("127.0.0.1");
}

QString BroadcastPrivateUrl(int port) {
    return BroadcastPublicUrl(FirstLocalIPv4(), port);
}

QString BroadcastPublicUrl(const QString& address, int port) {
    if (address.isEmpty()) return QString();
    const bool v6 = QHostAddress(address).protocol() == QAbstractSocket::IPv6Protocol;
    return QStringLiteral("mms://%1:%2").arg(v6 ? "[" + address + "]" : address).arg(port);
}

namespace {

SyncValue<QString>& ServiceUrl() {
    static SyncValue<QString> url(QStringLiteral("https://api.ipify.org"));
    return url;
}

}  // namespace

QString AddressServiceUrl() {
    return ServiceUrl().get();
}

void SetAddressServiceUrl(const QString& url) {
    ServiceUrl().set(url);
}

void LookUpPublicAddress(QObject* context, std::function<void(const QString&)> done, int timeoutMs,
                         const QString& serviceUrl) {
    auto* manager = new QNetworkAccessManager(context);
    QNetworkRequest request(QUrl(serviceUrl.isEmpty() ? AddressServiceUrl() : serviceUrl));
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager->get(request);
    // The transfer timeout does not cover every stage (a slow name lookup); this does.
    QTimer::singleShot(timeoutMs, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, manager,
                     [reply, manager, done = std::move(done)] {
                         QString address;
                         if (reply->error() == QNetworkReply::NoError) {
                             const QHostAddress a(QString::fromUtf8(reply->read(256)).trimmed());
                             if (!a.isNull()) address = a.toString();
                         }
                         reply->deleteLater();
                         manager->deleteLater();
                         done(address);
                     });
}

}  // namespace trelvix
