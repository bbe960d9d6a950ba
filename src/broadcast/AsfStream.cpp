#include "broadcast/AsfStream.h"

namespace trelvix {

namespace {

// Each muxer chunk: type (2), length (2) counting the 8-byte extension and the payload,
// sequence (4), flags (2), length again (2).
constexpr qsizetype kChunkHead = 12;

void PutLe16(QByteArray* out, uint32_t v) {
    out->append(char(v & 0xFF));
    out->append(char((v >> 8) & 0xFF));
}

void PutLe32(QByteArray* out, uint32_t v) {
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

// Reads little-endian fields of the sizes that ASF length-type codes give (0, 1, 2 or 4 bytes).
class FieldReader {
public:
    FieldReader(const uint8_t* p, size_t n) : p_(p), n_(n) {}

    static size_t Size(uint32_t lengthType) {
        static constexpr size_t kSizes[4] = {0, 1, 2, 4};
        return kSizes[lengthType & 3];
    }
    bool Read(uint32_t lengthType, uint32_t* value) {
        const size_t size = Size(lengthType);
        if (pos_ + size > n_) return false;
        uint32_t v = 0;
        for (size_t i = 0; i < size; ++i) v |= uint32_t(p_[pos_ + i]) << (8 * i);
        pos_ += size;
        *value = v;
        return true;
    }
    bool Skip(size_t size) {
        if (pos_ + size > n_) return false;
        pos_ += size;
        return true;
    }
    size_t Pos() const { return pos_; }

private:
    const uint8_t* p_;
    size_t n_;
    size_t pos_ = 0;
};

// Where the fields of a data packet lie, as far as a viewer's first packet needs them.
struct PacketLayout {
    size_t flagsPos = 0;     // the length type flags
    size_t paddingPos = 0;   // the padding length field
    uint32_t padding = 0;    // bytes of padding at the end
    size_t timePos = 0;      // send time and duration
    size_t payloadsPos = 0;  // the first payload
    bool multiple = false;
    uint32_t payloadFlags = 0;
    int keyIndex = -1;  // the first payload that begins a key frame
    size_t keyPos = 0;
};

bool ParsePacket(const uint8_t* packet, size_t size, int videoStream, PacketLayout* l) {
    FieldReader r(packet, size);
    uint32_t flags = 0, props = 0, ignored = 0;
    if (!r.Read(1, &flags)) return false;
    if (flags & 0x80) {  // error correction data comes first
        if (!r.Skip(flags & 0x0F)) return false;
        l->flagsPos = r.Pos();
        if (!r.Read(1, &flags)) return false;
    }
    // Property flags, packet length, sequence, padding length, send time and duration.
    if (!r.Read(1, &props) || !r.Read(flags >> 5, &ignored) || !r.Read(flags >> 1, &ignored))
        return false;
    l->paddingPos = r.Pos();
    if (!r.Read(flags >> 3, &l->padding)) return false;
    l->timePos = r.Pos();
    l->multiple = flags & 1;
    if (!r.Skip(6) || (l->multiple && !r.Read(1, &l->payloadFlags))) return false;
    l->payloadsPos = r.Pos();
    const int payloads = l->multiple ? int(l->payloadFlags & 0x3F) : 1;
    for (int i = 0; i < payloads; ++i) {
        const size_t at = r.Pos();
        uint32_t stream = 0, object = 0, offset = 0, replicated = 0, length = 0;
        if (!r.Read(1, &stream) || !r.Read(props >> 4, &object) || !r.Read(props >> 2, &offset) ||
            !r.Read(props, &replicated) || !r.Skip(replicated))
            return false;
        // With one replicated byte the payload is a group of whole objects (offset is a time).
        if ((stream & 0x80) && int(stream & 0x7F) == videoStream &&
            (offset == 0 || replicated == 1)) {
            l->keyIndex = i;
            l->keyPos = at;
            return true;
        }
        if (!l->multiple) return true;
        if (!r.Read(l->payloadFlags >> 6, &length) || !r.Skip(length)) return false;
    }
    return true;
}

}  // namespace

void AsfChunkReader::Append(const uint8_t* data, size_t size) {
    if (failed_) return;
    // Drop what was read already before the buffer grows again.
    if (pos_ > 0) {
        buffer_.remove(0, pos_);
        pos_ = 0;
    }
    buffer_.append(reinterpret_cast<const char*>(data), qsizetype(size));
}

bool AsfChunkReader::Next(AsfChunk* chunk) {
    if (failed_ || buffer_.size() - pos_ < 4) return false;
    const auto* p = reinterpret_cast<const uint8_t*>(buffer_.constData()) + pos_;
    const uint16_t type = uint16_t(p[0] | (p[1] << 8));
    const qsizetype length = p[2] | (p[3] << 8);
    if ((type & 0xFF) != '$' || length < kChunkHead - 4) {
        failed_ = true;
        return false;
    }
    if (buffer_.size() - pos_ < 4 + length) return false;
    chunk->type = type;
    chunk->payload = buffer_.mid(pos_ + kChunkHead, 4 + length - kChunkHead);
    pos_ += 4 + length;
    return true;
}

bool AsfPacketHasKeyFrameStart(const uint8_t* packet, size_t size, int videoStream) {
    PacketLayout l;
    return ParsePacket(packet, size, videoStream, &l) && l.keyIndex >= 0;
}

QByteArray AsfPacketFromKeyFrame(const uint8_t* packet, size_t size, int videoStream) {
    PacketLayout l;
    if (!ParsePacket(packet, size, videoStream, &l) || l.keyIndex < 0 || l.padding > size)
        return QByteArray();
    const auto* bytes = reinterpret_cast<const char*>(packet);
    if (l.keyIndex == 0) return QByteArray(bytes, qsizetype(size));
    // The payloads before the key frame become padding; the packet keeps its size.
    const uint32_t flags = packet[l.flagsPos];
    const size_t oldField = FieldReader::Size(flags >> 3);
    const size_t freed = l.keyPos - l.payloadsPos + oldField + l.padding;
    const size_t field = freed - 1 < 256 ? 1 : 2;
    const size_t padding = freed - field;
    QByteArray out(bytes, qsizetype(l.flagsPos));
    out.append(char((flags & ~0x18u) | (field == 1 ? 0x08u : 0x10u)));
    out.append(bytes + l.flagsPos + 1, qsizetype(l.paddingPos - l.flagsPos - 1));
    out.append(char(padding & 0xFF));
    if (field == 2) out.append(char(padding >> 8));
    out.append(bytes + l.timePos, 6);
    out.append(char((l.payloadFlags & 0xC0) | ((l.payloadFlags & 0x3F) - uint32_t(l.keyIndex))));
    out.append(bytes + l.keyPos, qsizetype(size - l.padding - l.keyPos));
    out.append(QByteArray(qsizetype(padding), '\0'));
    return out;
}

QByteArray MmshChunkHead(uint16_t type, uint32_t seq, size_t payloadSize) {
    const uint32_t length = uint32_t(payloadSize + 8);
    QByteArray head;
    head.reserve(kChunkHead);
    PutLe16(&head, type);
    PutLe16(&head, length);
    PutLe32(&head, seq);
    PutLe16(&head, type == kAsfChunkHeader ? 0x0C00 : 0);  // a whole header in one chunk
    PutLe16(&head, length);
    return head;
}

QByteArray MmshEndChunk() {
    QByteArray chunk;
    PutLe16(&chunk, kAsfChunkEnd);
    PutLe16(&chunk, 4);
    PutLe32(&chunk, 0);  // the broadcast ended normally
    return chunk;
}

}  // namespace trelvix
