// A camera's live broadcast: its processed frames, taken at the broadcast frame rate, and its
// sound, encoded once as WMV2 and WMA in ASF, written to a local file and served to a limited
// number of viewers over HTTP ("/" plain, the MMS-over-HTTP framing players use for
// "mms://host:port", "/live" and
// "/mjpeg" for browsers).
#pragma once

#include <QObject>
#include <QSize>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "broadcast/BroadcastEncoder.h"
#include "broadcast/BroadcastServer.h"
#include "common/Frame.h"

namespace trelvix {

struct BroadcastParams {
    int sourceWidth = 0;  // of the frames that will be pushed
    int sourceHeight = 0;
    int sizeIndex = 0;  // 0 100%, 1 3/4, 2 1/2, 3 1/4
    int fpsIndex = 29;  // frames per second - 1
    int bitrateKbps = 1335;
    int port = 8080;  // 0: a free port, see Port()
    int maxClients = 2;
    QString filePath;  // the local .wmv; empty for none. The caller decides its deletion.
    QString title;     // the stream header's, also the browser page's title
    QString description;
    // The longest time between key frames, at most 3 s. A new viewer starts at the next key
    // frame; 2 s keeps its wait for the first picture under 3 s.
    int keyFrameMs = 2000;
    // A sound stream (fed through PushAudio) as stream 1; the pictures are then stream 2.
    bool audio = false;
    QString password;        // viewers must give it (HTTP Basic); empty: everyone may watch
    bool localOnly = false;  // served on 127.0.0.1 alone
};

enum class BroadcastError { None, BadSettings, PortInUse, Network, Encoder };

class BroadcastEngine {
public:
    BroadcastEngine();
    ~BroadcastEngine();
    BroadcastEngine(const BroadcastEngine&) = delete;
    BroadcastEngine& operator=(const BroadcastEngine&) = delete;

    // Opens the port, the encoder and the file and starts serving. False with Error() and
    // ErrorText() set when any of them fails; nothing is left running then.
    bool Start(const BroadcastParams& params);
    // Finishes the stream and the file, closes every viewer and joins the threads.
    void Stop();
    bool IsRunning() const;

    // Hands a processed frame to the encoder without waiting: only the newest frame is kept
    // until the next frame time. May be called on any thread, also while stopping.
    void PushFrame(FramePtr frame);
    // The same for a frame in the caller's buffer (packed BGR, rows top-down); it is copied.
    void PushFrame(const uint8_t* data, int width, int height, int stride);
    // Hands over interleaved 16-bit stereo samples at 44.1 kHz that have just been captured;
    // they are timed by their arrival, so they line up with the pictures. Any thread; ignored
    // unless the broadcast runs with sound.
    void PushAudio(const int16_t* samples, int frames);

    int Port() const { return port_; }  // the bound port while running
    QSize Size() const { return format_.size; }
    int Fps() const { return format_.fps; }
    BroadcastError Error() const { return error_; }
    QString ErrorText() const { return errorText_; }
    BroadcastStats Stats() const { return server_.Stats(); }

private:
    void EncodeLoop();
    bool Fail(BroadcastError error, const QString& text);

    BroadcastServer server_;
    BroadcastEncoder encoder_;
    BroadcastFormat format_;
    BroadcastError error_ = BroadcastError::None;
    QString errorText_;
    int port_ = 0;

    mutable std::mutex slotMutex_;
    std::condition_variable wake_;
    FramePtr pending_;  // the newest frame not encoded yet
    struct AudioChunk {
        int64_t position = 0;  // samples since start_
        int frames = 0;
        std::vector<int16_t> samples;
    };
    std::vector<AudioChunk> audio_;  // captured, not encoded yet
    int64_t audioQueued_ = 0;        // samples in audio_
    int64_t audioNext_ = -1;         // where the next chunk continues
    bool audioOn_ = false;
    std::chrono::steady_clock::time_point start_;  // the time line's zero
    bool running_ = false;
    bool stopping_ = false;
    std::thread thread_;

    std::mutex poolMutex_;
    std::vector<std::shared_ptr<VideoFrame>> pool_;  // copies of pushed buffers
};

// The first IPv4 address of an interface that is up and not loopback; "127.0.0.1" when
// there is none.
QString FirstLocalIPv4();
// "mms://" + FirstLocalIPv4() + ":" + port.
QString BroadcastPrivateUrl(int port);
// "mms://" + address + ":" + port; empty when the address is.
QString BroadcastPublicUrl(const QString& address, int port);

// The address service: an HTTP URL that answers with the caller's public address as text.
QString AddressServiceUrl();
void SetAddressServiceUrl(const QString& url);
// Asks the address service (empty: AddressServiceUrl()) for this machine's public address
// and calls `done` on the calling thread's event loop with it, or with an empty text when it
// is not known within timeoutMs. Never blocks. Nothing is called once `context` is gone.
void LookUpPublicAddress(QObject* context, std::function<void(const QString&)> done,
                         int timeoutMs = 3000, const QString& serviceUrl = QString());

}  // namespace trelvix
