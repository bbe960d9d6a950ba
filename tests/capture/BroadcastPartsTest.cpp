// The broadcast's arithmetic, ASF packet reading and request routing, without sockets.
#include <gtest/gtest.h>

#include "broadcast/AsfStream.h"
#include "broadcast/BroadcastEncoder.h"
#include "broadcast/BroadcastHttp.h"
#include "support/Bytes.h"

using namespace trelvix;
using trelvix::test::Bytes;

namespace {

TEST(BroadcastArithmetic, SizeFrameRateBitRateAndKeyFrames) {
    EXPECT_EQ(BroadcastSize(640, 480, 1), QSize(480, 360));
    EXPECT_EQ(BroadcastSize(352, 288, 3), QSize(88, 72));
    EXPECT_EQ(BroadcastSize(350, 290, 2), QSize(174, 144));  // 175 × 145 made even
    EXPECT_EQ(BroadcastSize(641, 481, 0), QSize(640, 480));
    EXPECT_EQ(BroadcastSize(640, 480, 7), QSize(640, 480));  // an unknown index is 100%

    EXPECT_EQ(BroadcastFps(29), 30);
    EXPECT_EQ(BroadcastFps(0), 1);
    EXPECT_EQ(BroadcastFrameTime100ns(29), 333333);
    EXPECT_EQ(BroadcastFrameTime100ns(0), 10000000);
    EXPECT_EQ(BroadcastBitRate(1335), 1367040);  // × 1024, not × 1000
    EXPECT_EQ(BroadcastBitRate(222), 227328);

    EXPECT_EQ(BroadcastGop(30, 3000), 90);
    EXPECT_EQ(BroadcastGop(1, 3000), 3);
    EXPECT_EQ(BroadcastGop(10, 1000), 10);
    EXPECT_EQ(BroadcastGop(30, 10000), 90);  // never more than 3 s
}

// An ASF data packet as the muxer writes it: error correction, length and property flags
// (byte-sized object number, dword offset, byte replicated length), no padding.
Bytes PacketHead(bool multiple, int payloads) {
    Bytes b;
    b.u8(0x82).u8(0).u8(0);                 // error correction data, 2 bytes
    b.u8(multiple ? 0x01 : 0x00).u8(0x5D);  // length type flags, property flags
    b.i32(1234).u8(0).u8(0);                // send time, duration
    if (multiple) b.u8(0x80 | payloads);    // word-sized payload lengths
    return b;
}

Bytes& Payload(Bytes& b, bool key, int offset, bool multiple, int size = 4, int stream = 1) {
    b.u8(stream | (key ? 0x80 : 0)).u8(7).i32(offset).u8(8).i32(5000).i32(3100);
    if (multiple) b.u8(size & 0xFF).u8(size >> 8);
    return b.zeros(size);
}

bool KeyStart(const Bytes& b, int videoStream = 1) {
    return AsfPacketHasKeyFrameStart(reinterpret_cast<const uint8_t*>(b.data.constData()),
                                     size_t(b.data.size()), videoStream);
}

TEST(AsfStream, FindsWhereAKeyFrameBegins) {
    Bytes single = PacketHead(false, 1);
    EXPECT_TRUE(KeyStart(Payload(single, true, 0, false)));
    Bytes middle = PacketHead(false, 1);
    EXPECT_FALSE(KeyStart(Payload(middle, true, 2800, false)));  // a key frame's second part
    Bytes delta = PacketHead(false, 1);
    EXPECT_FALSE(KeyStart(Payload(delta, false, 0, false)));

    // The tail of one picture, then the start of a key frame.
    Bytes mixed = PacketHead(true, 2);
    Payload(mixed, false, 900, true, 40);
    EXPECT_TRUE(KeyStart(Payload(mixed, true, 0, true)));
    Bytes tails = PacketHead(true, 2);
    Payload(tails, true, 900, true, 40);
    EXPECT_FALSE(KeyStart(Payload(tails, false, 0, true)));

    // A viewer that starts there gets the key frame alone; the 57 bytes of the picture before
    // it become padding, with a byte for its length.
    Bytes alone;
    alone.u8(0x82).u8(0).u8(0).u8(0x01 | 0x08).u8(0x5D).u8(56).i32(1234).u8(0).u8(0).u8(0x81);
    Payload(alone, true, 0, true).zeros(56);
    const auto* m = reinterpret_cast<const uint8_t*>(mixed.data.constData());
    EXPECT_EQ(AsfPacketFromKeyFrame(m, size_t(mixed.data.size())), alone.data);
    const auto* s = reinterpret_cast<const uint8_t*>(single.data.constData());
    EXPECT_EQ(AsfPacketFromKeyFrame(s, size_t(single.data.size())), single.data);
    const auto* t = reinterpret_cast<const uint8_t*>(tails.data.constData());
    EXPECT_TRUE(AsfPacketFromKeyFrame(t, size_t(tails.data.size())).isEmpty());

    Bytes cut = PacketHead(true, 2);
    Payload(cut, false, 900, true, 40);
    cut.data.append(char(0x81));  // the second payload ends after its stream number
    EXPECT_FALSE(KeyStart(cut));
}

TEST(AsfStream, WithSoundOnlyAPictureKeyFrameStartsAViewer) {
    // Every sound payload is marked key; a viewer starting on one would wait for a picture.
    Bytes sound = PacketHead(true, 2);
    Payload(sound, true, 0, true, 40, 1);
    Payload(sound, false, 0, true, 40, 2);
    EXPECT_FALSE(KeyStart(sound, 2));
    EXPECT_TRUE(KeyStart(sound, 1));

    // Sound, then a picture's key frame, then sound again: the viewer gets the last two.
    Bytes both = PacketHead(true, 3);
    Payload(both, true, 0, true, 40, 1);
    Payload(both, true, 0, true, 40, 2);
    Payload(both, true, 0, true, 40, 1);
    EXPECT_TRUE(KeyStart(both, 2));
    const auto* p = reinterpret_cast<const uint8_t*>(both.data.constData());
    const QByteArray start = AsfPacketFromKeyFrame(p, size_t(both.data.size()), 2);
    ASSERT_EQ(start.size(), both.data.size());
    EXPECT_EQ(uint8_t(start[12]) & 0x3F, 2);  // payloads left
    EXPECT_EQ(uint8_t(start[13]), 0x82);      // the first is the picture's key frame
}

TEST(AsfStream, ReassemblesChunksHandedInPieces) {
    QByteArray stream = MmshChunkHead(kAsfChunkHeader, 0, 5) + "HEADR";
    stream += MmshChunkHead(kAsfChunkData, 1, 3) + "abc";
    stream += MmshChunkHead(kAsfChunkData, 2, 0);
    AsfChunkReader reader;
    std::vector<AsfChunk> chunks;
    for (qsizetype i = 0; i < stream.size(); i += 5) {
        const QByteArray piece = stream.mid(i, 5);
        reader.Append(reinterpret_cast<const uint8_t*>(piece.constData()), size_t(piece.size()));
        AsfChunk c;
        while (reader.Next(&c)) chunks.push_back(c);
    }
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].type, kAsfChunkHeader);
    EXPECT_EQ(chunks[0].payload, "HEADR");
    EXPECT_EQ(chunks[1].type, kAsfChunkData);
    EXPECT_EQ(chunks[1].payload, "abc");
    EXPECT_TRUE(chunks[2].payload.isEmpty());
    EXPECT_FALSE(reader.Failed());

    const QByteArray junk = "GET / HTTP/1.0\r\n";
    reader.Append(reinterpret_cast<const uint8_t*>(junk.constData()), size_t(junk.size()));
    AsfChunk c;
    EXPECT_FALSE(reader.Next(&c));
    EXPECT_TRUE(reader.Failed());
}

BroadcastRoute Route(const QByteArray& head) {
    const auto r = ParseHttpRequest(head);
    return r ? RouteRequest(*r) : BroadcastRoute::BadMethod;
}

TEST(BroadcastHttp, RoutesPlayersAndBrowsers) {
    EXPECT_EQ(Route("GET / HTTP/1.1\r\nUser-Agent: Lavf/59\r\n\r\n"), BroadcastRoute::Stream);
    EXPECT_EQ(Route("GET /live?x=1 HTTP/1.1\r\n\r\n"), BroadcastRoute::LivePage);
    EXPECT_EQ(Route("GET /mjpeg HTTP/1.1\r\n\r\n"), BroadcastRoute::Mjpeg);
    EXPECT_EQ(Route("GET /favicon.ico HTTP/1.1\r\n\r\n"), BroadcastRoute::NotFound);
    EXPECT_EQ(Route("POST / HTTP/1.0\r\n\r\n"), BroadcastRoute::NoContent);
    EXPECT_FALSE(ParseHttpRequest("\x01\x00\x00\x00\xce\xfa\x0b\xb0"));

    // A media player's two requests; the pragmas may come in several headers.
    EXPECT_EQ(Route("GET / HTTP/1.0\r\nUser-Agent: NSPlayer/4.1.0.3856\r\n"
                    "Pragma: no-cache,rate=1.000000,request-context=1\r\n"
                    "Pragma: xClientGUID={c77e7400-738a-11d2-9add-0020af0a3278}\r\n\r\n"),
              BroadcastRoute::MmshDescribe);
    EXPECT_EQ(Route("GET / HTTP/1.0\r\nUser-Agent: NSPlayer/4.1.0.3856\r\n"
                    "Pragma: no-cache,rate=1.000000,request-context=2\r\n"
                    "Pragma: xPlayStrm=1\r\nPragma: stream-switch-count=1\r\n\r\n"),
              BroadcastRoute::MmshPlay);
    EXPECT_TRUE(ShortResponse(503).startsWith("HTTP/1.0 503 Service Unavailable\r\n"));
}

}  // namespace
