// The pieces of a live ASF stream: the chunks that the streaming ASF muxer writes, the
// key-frame test on a data packet, and the MMS-over-HTTP framing sent to each viewer.
#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

namespace trelvix {

// Chunk types of the MMS-over-HTTP framing ("$H", "$D", "$E" little-endian).
inline constexpr uint16_t kAsfChunkHeader = 0x4824;
inline constexpr uint16_t kAsfChunkData = 0x4424;
inline constexpr uint16_t kAsfChunkEnd = 0x4524;

struct AsfChunk {
    uint16_t type = 0;
    QByteArray payload;  // without the chunk's own header
};

// Splits the streaming muxer's output, handed in as it comes, into whole chunks.
class AsfChunkReader {
public:
    void Append(const uint8_t* data, size_t size);
    // The next whole chunk; false when none is complete yet.
    bool Next(AsfChunk* chunk);
    // The output did not look like chunks; nothing more is read.
    bool Failed() const { return failed_; }

private:
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool failed_ = false;
};

// Whether a media object of the video stream `videoStream` marked as key frame begins in this
// ASF data packet: a viewer that starts with this packet can decode from its first picture.
// Sound payloads are key frames too, but a viewer starting there would get no picture.
bool AsfPacketHasKeyFrameStart(const uint8_t* packet, size_t size, int videoStream = 1);
// The packet as the first one of a viewer: the payloads before the key frame's start removed
// (they would be pictures without their reference), their room made padding. Empty when no
// key frame of `videoStream` begins in the packet.
QByteArray AsfPacketFromKeyFrame(const uint8_t* packet, size_t size, int videoStream = 1);

// The 12-byte head of a "$H" or "$D" chunk of `payloadSize` bytes with sequence number `seq`.
QByteArray MmshChunkHead(uint16_t type, uint32_t seq, size_t payloadSize);
// The "$E" chunk that tells a viewer the broadcast has ended.
QByteArray MmshEndChunk();

}  // namespace trelvix
