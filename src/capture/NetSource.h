// The source of a network camera: GStreamer elements made one by one (never parsed from a
// text, so nothing in an address can add elements), in a bin whose one "src" pad gives JPEG
// pictures as they came (image/jpeg) or any other video converted to packed BGR. RTSP through
// rtspsrc, an HTTP stream through souphttpsrc, and a single-picture HTTP address polled at a fixed
// rate into an appsrc.
#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "common/StoppableWorker.h"
#include "record/Ymp4Copy.h"

typedef struct _GstElement GstElement;
typedef struct _GstCaps GstCaps;
typedef struct _GstSample GstSample;

namespace trelvix {

// What the bin's pad gives, for the element that follows it.
inline constexpr char kNetSourceCaps[] = "video/x-raw,format=BGR; image/jpeg";

enum class NetSourceKind { kRtsp, kHttpStream, kHttpPictures };

// An RTSP camera's H.264/H.265 packets, for recording them as they came. The packets arrive
// on a streaming thread; they are valid only during the call.
using PacketSink = std::function<void(const CopyStreamInfo&, const CopyPacket&)>;

struct NetSourceCopy {
    PacketSink packets;            // none: nothing is copied
    QString detect;                // a second stream for the pictures; empty: the same one
    std::function<void()> cannot;  // the stream is no H.264/H.265: once, on a streaming thread
};

class NetSource {
public:
    // The kind an address starts as: HTTP addresses are taken for streams until one answers
    // with a single picture.
    static NetSourceKind KindOf(const QString& address);
    // Null when an element is missing; `why` says which.
    static std::unique_ptr<NetSource> Make(const QString& address, NetSourceKind kind, bool udp,
                                           int picturesPerSecond, QString* why,
                                           NetSourceCopy copy = {});
    ~NetSource();
    // Packets of the camera's own stream handed to the packet sink.
    uint64_t packetsSeen() const { return packets_; }
    NetSource(const NetSource&) = delete;
    NetSource& operator=(const NetSource&) = delete;

    // The bin, floating until a pipeline takes it.
    GstElement* bin() const { return bin_; }
    NetSourceKind kind() const { return kind_; }
    // Starts polling once the pipeline runs; stops it before the pipeline goes.
    void Start();
    void Stop();
    // After the end of an HTTP stream: the answer was one picture, not a stream of them.
    bool AnsweredOnePicture() const;
    // Pictures the poller fetched.
    uint64_t picturesFetched() const { return fetched_; }
    // Whether pictures are decoded: off, the decoder gets nothing until it is wanted again,
    // and then from the next key frame.
    void SetDecodeWanted(bool wanted) { decodeWanted_ = wanted; }
    bool copies() const { return bool(copy_.packets); }

private:
    NetSource() = default;
    friend struct CopyChain;
    // The detection stream's source, feeding the decoder.
    bool AddDetectSource(bool udp, QString* why);
    void Poll();
    // Fetches one picture; false with the reason when the camera did not give one.
    bool FetchPicture(QByteArray* body, QString* why);

    NetSourceKind kind_ = NetSourceKind::kHttpStream;
    GstElement* bin_ = nullptr;
    GstElement* appsrc_ = nullptr;  // own reference, while polling is the source
    QString address_;
    int periodMs_ = 500;
    StoppableWorker poller_;
    std::atomic<uint64_t> fetched_{0};
    NetSourceCopy copy_;
    std::atomic<uint64_t> packets_{0};
    GstElement* decode_ = nullptr;  // the bin's decoder (owned by the bin)
    std::atomic<bool> decodeWanted_{true};
    bool waitKey_ = true;          // the gate opened: the decoder starts at a key frame
    GstCaps* lastCaps_ = nullptr;  // the caps `info_` was read from
    CopyStreamInfo info_;
};

}  // namespace trelvix
