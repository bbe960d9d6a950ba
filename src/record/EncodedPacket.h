// One encoded picture as a recording file takes it, whoever encoded it.
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <memory>

struct AVPacket;

namespace trelvix {

// The packet's pts, dts and duration are in the time base of the stream it came from;
// `wallMs` is when its picture was taken (ms since the epoch). Copies share the data.
struct EncodedPacket {
    std::shared_ptr<AVPacket> packet;
    qint64 wallMs = 0;

    // A new reference to `source`'s data; empty when it cannot be made.
    static EncodedPacket Reference(const AVPacket* source, qint64 wallMs);
    bool key() const;
    size_t bytes() const;
};

}  // namespace trelvix
