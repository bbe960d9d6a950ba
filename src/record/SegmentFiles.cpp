#include "record/SegmentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "common/Files.h"

namespace trelvix {

// The folder as an absolute path ending in "/", created when missing; empty when it cannot be.
QString PrepareFolder(const QString& folder) {
    if (folder.trimmed().isEmpty()) return {};
    const QString path = WithSlash(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    if (!QDir().mkpath(path)) return {};
    return path;
}

void RemoveEmptyRecordings(const QString& folder) {
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.mp4")}, QDir::Files, QDir::Name);
    for (const QFileInfo& f : files) {
        if (f.size() > 64 * 1024) continue;
        // Only the writer's own files: empty, or an MP4 header; anything else stays.
        QFile file(f.filePath());
        if (f.size() > 0 && (!file.open(QIODevice::ReadOnly) || file.read(8).mid(4) != "ftyp"))
            continue;
        file.close();
        AVFormatContext* ctx = nullptr;
        bool frames = false;
        if (avformat_open_input(&ctx, QFile::encodeName(f.filePath()).constData(), nullptr,
                                nullptr) == 0) {
            AVPacket* pkt = av_packet_alloc();
            frames =
                pkt && avformat_find_stream_info(ctx, nullptr) >= 0 && av_read_frame(ctx, pkt) >= 0;
            av_packet_free(&pkt);
            avformat_close_input(&ctx);
        }
        if (!frames) QFile::remove(f.filePath());
    }
}

QString ReserveFileName(const QString& folder, const QDateTime& start) {
    const QString base = folder + start.toString(QStringLiteral("yyyyMMdd HHmmss"));
    for (int n = 1; n < 1000; ++n) {
        const QString path =
            n == 1 ? base + QStringLiteral(".mp4") : base + QStringLiteral("_%1.mp4").arg(n);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return path;
        if (!f.exists()) return {};  // not a name clash: the folder is unusable
    }
    return {};
}

}  // namespace trelvix
