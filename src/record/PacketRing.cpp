#include "record/PacketRing.h"

#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace trelvix {

EncodedPacket EncodedPacket::Reference(const AVPacket* source, qint64 wallMs) {
    EncodedPacket p;
    AVPacket* copy = av_packet_alloc();
    if (!copy || av_packet_ref(copy, source) < 0) {
        av_packet_free(&copy);
        return p;
    }
    p.packet.reset(copy, [](AVPacket* q) { av_packet_free(&q); });
    p.wallMs = wallMs;
    return p;
}

bool EncodedPacket::key() const {
    return packet && (packet->flags & AV_PKT_FLAG_KEY);
}

size_t EncodedPacket::bytes() const {
    return packet ? size_t(packet->size) + sizeof(AVPacket) : 0;
}

PacketRing::PacketRing(int seconds, size_t maxBytes)
    : seconds_(std::max(0, seconds)), maxBytes_(maxBytes) {}

void PacketRing::SetSeconds(int seconds) {
    seconds_ = std::max(0, seconds);
}

void PacketRing::Push(EncodedPacket packet) {
    if (!packet.packet || (packets_.empty() && !packet.key())) return;
    bytes_ += packet.bytes();
    packets_.push_back(std::move(packet));
    const qint64 reach = packets_.back().wallMs - qint64(seconds_) * 1000;
    for (;;) {
        const auto next = std::find_if(packets_.begin() + 1, packets_.end(),
                                       [](const EncodedPacket& p) { return p.key(); });
        if (next == packets_.end()) break;
        if (next->wallMs > reach && bytes_ <= maxBytes_) break;
        DropFirstRun();
    }
    // A single run over the bound is not kept at all.
    if (bytes_ > maxBytes_) Clear();
}

std::vector<EncodedPacket> PacketRing::TakeFrom(qint64 sinceMs) {
    auto best = packets_.end();
    for (auto it = packets_.begin(); it != packets_.end(); ++it) {
        if (!it->key()) continue;
        if (best == packets_.end() || qAbs(it->wallMs - sinceMs) < qAbs(best->wallMs - sinceMs))
            best = it;
    }
    std::vector<EncodedPacket> taken(std::make_move_iterator(best),
                                     std::make_move_iterator(packets_.end()));
    Clear();
    return taken;
}

void PacketRing::Clear() {
    packets_.clear();
    bytes_ = 0;
}

qint64 PacketRing::spanMs() const {
    return packets_.empty() ? 0 : packets_.back().wallMs - packets_.front().wallMs;
}

void PacketRing::DropFirstRun() {
    do {
        bytes_ -= packets_.front().bytes();
        packets_.pop_front();
    } while (!packets_.empty() && !packets_.front().key());
}

}  // namespace trelvix
