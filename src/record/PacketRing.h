// The last seconds of a camera's encoded pictures, kept so that a recording can begin before
// the moment it is started. Knows packets and their times only, not who made them.
#pragma once

#include <deque>
#include <vector>

#include "record/EncodedPacket.h"

namespace trelvix {

class PacketRing {
public:
    // Past this a ring drops its oldest key-frame runs whatever its seconds.
    static constexpr size_t kMaxBytes = 16 * 1024 * 1024;

    explicit PacketRing(int seconds = 0, size_t maxBytes = kMaxBytes);
    void SetSeconds(int seconds);

    // Packets come in decoding order; the ring begins at a key frame, so packets before the
    // first one are dropped. Whole runs from one key frame to the next go once the run after
    // them still reaches back `seconds` from the newest packet, or while over the byte bound.
    void Push(EncodedPacket packet);
    // The packets from the key frame nearest `sinceMs` on; the ring is then empty.
    std::vector<EncodedPacket> TakeFrom(qint64 sinceMs);
    void Clear();

    size_t bytes() const { return bytes_; }
    bool empty() const { return packets_.empty(); }
    // From the first kept picture to the newest, in ms.
    qint64 spanMs() const;

private:
    void DropFirstRun();

    std::deque<EncodedPacket> packets_;
    int seconds_;
    size_t maxBytes_;
    size_t bytes_ = 0;
};

}  // namespace trelvix
