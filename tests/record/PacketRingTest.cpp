#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
}

#include "record/PacketRing.h"

using namespace trelvix;

namespace {

// A picture of a 10 fps stream with a key frame every 2 s that begins between two key frames.
EncodedPacket Picture(int i, int size) {
    AVPacket* p = av_packet_alloc();
    av_new_packet(p, size);
    p->pts = p->dts = i;
    if (i % 20 == 3) p->flags |= AV_PKT_FLAG_KEY;
    EncodedPacket e = EncodedPacket::Reference(p, 1000000 + qint64(i) * 100);
    av_packet_free(&p);
    return e;
}

}  // namespace

TEST(PacketRing, KeepsTheLastSecondsFromAKeyFrameWithinItsBytes) {
    PacketRing ring(5, 1 << 20);
    ring.Push(Picture(0, 1000));  // before any key frame: no use to a file
    EXPECT_TRUE(ring.empty());
    for (int i = 1; i < 600; ++i) ring.Push(Picture(i, 1000));
    // At least the seconds asked for, at most a key-frame interval more.
    EXPECT_GE(ring.spanMs(), 5000);
    EXPECT_LT(ring.spanMs(), 7000);
    EXPECT_LT(ring.bytes(), 72u * (1000 + sizeof(AVPacket)));
    const qint64 newest = 1000000 + 599 * 100;
    const std::vector<EncodedPacket> taken = ring.TakeFrom(newest - 5000);
    ASSERT_FALSE(taken.empty());
    EXPECT_TRUE(taken.front().key());
    EXPECT_LE(qAbs(taken.front().wallMs - (newest - 5000)), 1000);
    EXPECT_EQ(taken.back().wallMs, newest);
    EXPECT_TRUE(ring.empty());

    // The byte bound wins over the seconds: whole runs go, and a run alone over it is not kept.
    PacketRing bounded(30, 100000);
    for (int i = 1; i < 600; ++i) bounded.Push(Picture(i, 1000));
    EXPECT_LE(bounded.bytes(), 100000u);
    EXPECT_TRUE(bounded.TakeFrom(0).front().key());
    PacketRing tiny(30, 5000);
    for (int i = 1; i < 30; ++i) tiny.Push(Picture(i, 1000));
    EXPECT_LE(tiny.bytes(), 5000u);
}
