// The MP4 segment writer library: MPEG-4 Visual (mp4v) or H.264 in fragmented MP4 files, cut
// into segments by recorded time at key frames. One writer per handle (a camera number); each
// handle has its own lock, so different handles may be written from different threads at once.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace trelvix {

struct PlanarFrame;

// The video format of a handle's files; the numbers are those the camera settings keep.
enum class VideoCodec : int { kMpeg4 = 0, kH264 = 1 };

// The integer that yXvidInit and yMP4CNew must be given; any other value is refused.
inline constexpr int kYmp4Agreed = 0x594D5034;

// Prepares the encoder; cameraCount is a hint, reserved must be 0 (ignored).
bool yXvidInit(int agreed, int cameraCount, int reserved);
// Finishes every open file and releases every handle.
void yXvidUnInt();

// Creates the writer of `handle` (a handle that exists already is kept as it is).
bool yMP4CNew(int handle, int agreed);
// Finishes the handle's file and releases the handle.
void yMP4CDelete(int handle);

// Called on the writing thread for every new file of the handle once its first frame is on the
// disk (a file that could not be written is never reported), with the handle number and the
// file's full path. It runs outside the handle's lock, so it may
// call back into the library; replacing it does not wait for a call in progress (stop the
// writing thread first).
using NewMP4FileCallback = std::function<void(const int32_t* handle, const QString& path)>;
void yMP4CSetNewMP4FileCallBackFunc(int handle, NewMP4FileCallback cb);

// Called on the writing thread, outside the handle's lock, when the handle's recording pauses
// because the disk of its folder is full (full = true), and when a file is written there again
// (false); once per change, with the folder.
using DiskFullCallback =
    std::function<void(const int32_t* handle, bool full, const QString& folder)>;
void yMP4CSetDiskFullCallBackFunc(int handle, DiskFullCallback cb);

// The same when a file could not be begun or written for another reason than a full disk (a
// folder that went, a drive removed, a write error): failed = true once, false when a file is
// written again.
using WriteFailureCallback = DiskFullCallback;
void yMP4CSetWriteFailureCallBackFunc(int handle, WriteFailureCallback cb);

// Starts a recording: frames of width × height at frameRate (1..60) go into files in `folder`
// (created when missing), a new file every segmentMinutes (at least 1). quantizer 0..31 is the
// fixed quantiser (0: the best, 2); compression 0..15 is the encoder's effort. Finishes a file
// that is open. The first file is created by the first frame. False when the handle does not
// exist, an argument is unusable or the folder cannot be created.
bool yMP4COpen(int handle, int frameRate, int width, int height, int quantizer, int compression,
               const QString& folder, int segmentMinutes);

// Appends one frame: packed 24-bit BGR, rows top-down, stride width × 3 rounded up to a
// multiple of 4, length stride × height. False when nothing is open, the length differs or
// the file could not be written (the file is then finished and stays playable; a new one is
// tried a few seconds later).
bool yVideoWrite(int handle, const uint8_t* frame, size_t length);
// The same for a picture as a JPEG camera's planes hold it (4:2:0 or 4:2:2, full range):
// no colour conversion on the way.
bool yVideoWritePlanes(int handle, const PlanarFrame& frame);

// The format of the files of the next yMP4COpen (MPEG-4 until set). False when the handle does
// not exist or this library cannot encode it.
bool yMP4CSetCodec(int handle, VideoCodec codec);

// From now on frames are encoded but only the last `seconds` of them are kept, in memory,
// beginning at a key frame; the current file is finished. Needs an open handle.
bool yMP4CHold(int handle, int seconds);
// Ends a hold: the next frame begins a file with the kept frames from the key frame nearest
// `since` on (none kept: at the next key frame), so the file begins before the call.
bool yMP4CRelease(int handle, const QDateTime& since);
// The bytes the hold keeps now.
size_t yMP4CHeldBytes(int handle);

// Later files go into `folder`; when it differs from the current file's folder, the next frame
// starts a new file there. Also replaces the segment length.
bool yMP4CSetRootPath(int handle, const QString& folder, int segmentMinutes);

// Finishes the current file; harmless when none is open or the handle does not exist.
void yMP4CClose(int handle);

// The file being written, empty when none; the disk clean-up must leave it alone.
QString yMP4CCurrentFile(int handle);

// Segment cutting, file names and retries follow this clock; empty restores the default, the
// program's clock (common/Clock.h).
void SetWriterClockForTesting(std::function<QDateTime()> clock);

}  // namespace trelvix
