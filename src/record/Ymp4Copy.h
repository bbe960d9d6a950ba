// The camera's own encoded stream into the same MP4 segments, without decoding it: cut at key
// frames, fragmented and crash-safe like the encoded recordings, with the caption and the time
// as a timed-text track. Handles, folders, file names and reports are those of Ymp4.h.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace trelvix {

enum class CopyCodec { kH264, kH265 };

// What a file of the stream needs before its first packet.
struct CopyStreamInfo {
    CopyCodec codec = CopyCodec::kH264;
    int width = 0;
    int height = 0;
    QByteArray extradata;  // avcC / hvcC: the stream's parameter sets

    bool operator==(const CopyStreamInfo&) const = default;
};

// One access unit as the camera sent it: length-prefixed NAL units (AVC/HVCC stream format),
// times in nanoseconds on any steady clock; dts may be negative when unknown (pts is used).
struct CopyPacket {
    const uint8_t* data = nullptr;
    size_t size = 0;
    int64_t pts = 0;
    int64_t dts = -1;
    bool key = false;
    qint64 wallMs = 0;  // when the picture was taken (ms since the epoch); 0: now
};

// The text of the timed-text track for a moment of the recording (caption and date-time).
using TimedText = std::function<QString(const QDateTime&)>;

// Starts a copied recording of `handle` into `folder` (created when missing), a new file every
// segmentMinutes at the first key frame after; the first file begins at the first key frame.
// Finishes a copied file that is open. False when the folder cannot be created.
bool yMP4COpenCopy(int handle, const QString& folder, int segmentMinutes, TimedText text);

// Appends one packet. A new stream description (other parameter sets or size) begins a new
// file at its next key frame. False when nothing is open, the packet waits for a key frame or
// the file could not be written (it is then finished and stays playable; a new one is tried a
// few seconds later, at a key frame).
bool yMP4CWritePacket(int handle, const CopyStreamInfo& info, const CopyPacket& packet);

// While held, packets are kept in memory for the last `seconds` (from a key frame on) instead
// of being written; a release writes them from the key frame nearest `since` on, into a file
// named by its first picture, and writes every later packet as it comes. As yMP4CHold and
// yMP4CRelease do for encoded recordings. False when nothing is open (or held, for a release).
bool yMP4CHoldCopy(int handle, int seconds);
bool yMP4CReleaseCopy(int handle, const QDateTime& since);
size_t yMP4CHeldCopyBytes(int handle);

// Later files go into `folder`, as yMP4CSetRootPath does for encoded recordings.
bool yMP4CSetCopyRootPath(int handle, const QString& folder, int segmentMinutes);

// Finishes the copied file; harmless when none is open.
void yMP4CCloseCopy(int handle);

// The copied file being written, empty when none.
QString yMP4CCopyCurrentFile(int handle);

}  // namespace trelvix
