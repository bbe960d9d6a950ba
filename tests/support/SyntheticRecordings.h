// Recordings of a synthetic camera made without waiting: the real writer, driven by a test
// clock, fed frames that carry their own wall time as a bar code (the burned-in time).
#pragma once

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStringList>

#include "common/Frame.h"
#include "record/Ymp4.h"

namespace trelvix::test {

inline constexpr int kCodeBits = 17;  // seconds of a day
inline constexpr int kBarWidth = 8;

// Frame width × height, BGR, with the second of the day `second` as bars across the top half.
inline VideoFrame TimeCodedFrame(int width, int height, int second) {
    VideoFrame f;
    f.Resize(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = f.Row(y);
        for (int x = 0; x < width; ++x) {
            const int bit = x / kBarWidth;
            const bool on = y < height / 2 && bit < kCodeBits && ((second >> bit) & 1);
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = on ? 235 : (y < height / 2 ? 16 : 90);
        }
    }
    return f;
}

// The second a shown picture carries; -1 when it carries none.
inline int ReadTimeCode(const QImage& picture, int codedWidth) {
    if (picture.isNull()) return -1;
    const QImage img = picture.convertToFormat(QImage::Format_Grayscale8);
    const double sx = double(img.width()) / codedWidth;
    int second = 0;
    for (int bit = 0; bit < kCodeBits; ++bit) {
        const int x = int((bit * kBarWidth + kBarWidth / 2) * sx);
        if (qGray(img.pixel(x, img.height() / 4)) > 128) second |= 1 << bit;
    }
    return second;
}

// Records `seconds` at 10 frames a second from `start` into `folder` with writer `handle`,
// in segments of `segmentMinutes`; returns the files in time order. Each file's time is set
// to its last frame, as a recording made in real time leaves it.
inline QStringList RecordSynthetic(int handle, const QString& folder, const QDateTime& start,
                                   int seconds, int segmentMinutes = 1, int width = 160,
                                   int height = 120) {
    QDateTime now = start;
    SetWriterClockForTesting([&now] { return now; });
    yMP4CNew(handle, kYmp4Agreed);
    QStringList files;
    if (yMP4COpen(handle, 10, width, height, 4, 15, folder, segmentMinutes)) {
        for (int i = 0; i < seconds * 10; ++i) {
            now = start.addMSecs(qint64(i) * 100);
            const VideoFrame f = TimeCodedFrame(width, height, QTime(0, 0).secsTo(now.time()));
            if (!yVideoWrite(handle, f.data.data(), f.data.size())) break;
            const QString file = yMP4CCurrentFile(handle);
            if (files.isEmpty() || files.last() != file) files << file;
        }
    }
    yMP4CClose(handle);
    yMP4CDelete(handle);
    SetWriterClockForTesting({});
    for (int i = 0; i < files.size(); ++i) {
        QFile f(files[i]);
        const QDateTime end =
            i + 1 < files.size()
                ? QDateTime::fromString(QFileInfo(files[i + 1]).fileName().left(15),
                                        QStringLiteral("yyyyMMdd HHmmss"))
                : start.addSecs(seconds);
        if (f.open(QIODevice::ReadWrite)) f.setFileTime(end, QFileDevice::FileModificationTime);
    }
    return files;
}

}  // namespace trelvix::test
