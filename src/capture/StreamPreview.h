// A network camera's address tried before it is kept: its live picture on a surface, and
// whether it delivers one. Runs the camera's own source, so what works here works in the grid.
#pragma once

#include <QString>
#include <memory>

#include "common/Frame.h"

typedef struct _GstElement GstElement;

namespace trelvix {

class CSampleGrabberCB;
class NetSource;

class StreamPreview {
public:
    enum class Status { kConnecting, kRunning, kFailed };

    StreamPreview(const QString& address, bool udp, VideoSurface* surface);
    ~StreamPreview();  // the pipeline is gone before the surface may go
    StreamPreview(const StreamPreview&) = delete;
    StreamPreview& operator=(const StreamPreview&) = delete;

    // Reads what the pipeline reported (UI thread) and says where the attempt stands.
    Status Poll();
    uint64_t framesShown() const;

private:
    bool Build(bool pictures);
    void Drop();

    QString address_;
    bool udp_;
    VideoSurface* surface_;
    std::unique_ptr<CSampleGrabberCB> grabber_;
    std::unique_ptr<NetSource> source_;
    GstElement* pipeline_ = nullptr;
    Status status_ = Status::kConnecting;
};

}  // namespace trelvix
