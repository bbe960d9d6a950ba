#include "record/FragmentedMp4.h"

#include <QFile>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

namespace trelvix {

bool BeginFragmentedFile(AVFormatContext* fmt, const QString& path, const QDateTime& start,
                         FragmentState* s) {
    av_dict_set(&fmt->metadata, "creation_time",
                start.toUTC().toString(Qt::ISODateWithMs).toUtf8().constData(), 0);
    const QByteArray url = "file:" + QFile::encodeName(path);
    if (avio_open(&fmt->pb, url.constData(), AVIO_FLAG_WRITE) < 0) return false;
    AVDictionary* muxOpts = nullptr;
    av_dict_set(&muxOpts, "movflags", "frag_keyframe+empty_moov+default_base_moof", 0);
    av_dict_set_int(&muxOpts, "frag_duration", 1000000, 0);
    const int header = avformat_write_header(fmt, &muxOpts);
    av_dict_free(&muxOpts);
    if (header < 0) return false;
    s->headerWritten = true;
    avio_flush(fmt->pb);
    s->headerEnd = s->lastGood = avio_tell(fmt->pb);
    return fmt->pb->error >= 0;
}

bool FlushFragment(AVFormatContext* fmt, FragmentState* s) {
    avio_flush(fmt->pb);
    if (fmt->pb->error < 0) return s->Fail();
    s->lastGood = avio_tell(fmt->pb);
    return true;
}

bool EndFragmentedFile(AVFormatContext** fmt, const QString& path, FragmentState* s) {
    if (!*fmt) return !s->failed;
    if (s->headerWritten && !s->failed && av_write_trailer(*fmt) < 0) s->failed = true;
    if ((*fmt)->pb && (*fmt)->pb->error < 0) s->failed = true;
    avio_closep(&(*fmt)->pb);
    avformat_free_context(*fmt);
    *fmt = nullptr;
    // A write that failed (a full disk) may have left half a fragment: the file ends with the
    // last whole one instead, and plays.
    if (s->failed && s->headerWritten) QFile::resize(path, s->lastGood);
    return !s->failed;
}

}  // namespace trelvix
