// Storage per camera-hour, picture quality and encode CPU of the program's recording path (the
// writer library on BGR frames at 10 fps) in MPEG-4 and in H.264 at several presets and rate
// factors, on the four --demo patterns (640 × 480) and a real scene (vtest.avi, 768 × 576).
// SSIM is libavfilter's, through ffmpeg, of each file against the frames it was given.
// Run by hand: storage [seconds per pattern, 15] [vtest.avi]
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <functional>
#include <gst/app/gstappsink.h>
#include <gst/gst.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include "capture/Usbcamera.h"
#include "common/Frame.h"
#include "record/VideoEncoder.h"
#include "record/Ymp4.h"

using namespace trelvix;

namespace {

using FrameSink = std::function<void(const VideoFrame&)>;

struct Input {
    QString name;
    int width = 0, height = 0;
    std::function<int(const FrameSink&)> play;  // calls the sink per frame at 10 fps; the count
};

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A demo camera's pictures as --demo makes them (30 fps), every third one as recording at
// 10 fps takes them; not live, so it runs as fast as it can.
Input Pattern(const QString& pattern, int seconds) {
    Input in{pattern, 640, 480, {}};
    in.play = [pattern, seconds](const FrameSink& sink) {
        QString d = SourceDescription(QStringLiteral("test:") + pattern);
        d.replace(QStringLiteral("is-live=true"),
                  QStringLiteral("is-live=false num-buffers=%1").arg(seconds * 30));
        GError* err = nullptr;
        GstElement* p = gst_parse_launch(
            (d + QStringLiteral(" ! appsink name=s sync=false")).toUtf8().constData(), &err);
        if (!p) return 0;
        GstElement* s = gst_bin_get_by_name(GST_BIN(p), "s");
        gst_element_set_state(p, GST_STATE_PLAYING);
        int n = 0, k = 0;
        VideoFrame f;
        f.Resize(640, 480);
        while (GstSample* sample = gst_app_sink_pull_sample(GST_APP_SINK(s))) {
            GstMapInfo map;
            GstBuffer* b = gst_sample_get_buffer(sample);
            if (k++ % 3 == 0 && gst_buffer_map(b, &map, GST_MAP_READ)) {
                std::copy(map.data, map.data + std::min(map.size, f.data.size()), f.data.begin());
                gst_buffer_unmap(b, &map);
                sink(f);
                ++n;
            }
            gst_sample_unref(sample);
        }
        gst_element_set_state(p, GST_STATE_NULL);
        gst_object_unref(s);
        gst_object_unref(p);
        return n;
    };
    return in;
}

// Every picture of a file, as BGR.
Input Footage(const QString& path) {
    Input in{QFileInfo(path).fileName(), 0, 0, {}};
    AVFormatContext* fmt = nullptr;
    if (avformat_open_input(&fmt, path.toUtf8().constData(), nullptr, nullptr) == 0 &&
        avformat_find_stream_info(fmt, nullptr) >= 0) {
        const int i = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (i >= 0) {
            in.width = fmt->streams[i]->codecpar->width;
            in.height = fmt->streams[i]->codecpar->height;
        }
    }
    avformat_close_input(&fmt);
    in.play = [path, w = in.width, h = in.height](const FrameSink& sink) {
        AVFormatContext* fmt = nullptr;
        if (avformat_open_input(&fmt, path.toUtf8().constData(), nullptr, nullptr) < 0) return 0;
        avformat_find_stream_info(fmt, nullptr);
        const int i = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        const AVCodecParameters* par = fmt->streams[i]->codecpar;
        AVCodecContext* dec = avcodec_alloc_context3(avcodec_find_decoder(par->codec_id));
        avcodec_parameters_to_context(dec, par);
        avcodec_open2(dec, nullptr, nullptr);
        SwsContext* sws = nullptr;
        AVPacket* pkt = av_packet_alloc();
        AVFrame* pic = av_frame_alloc();
        VideoFrame f;
        f.Resize(w, h);
        int n = 0;
        auto receive = [&] {
            while (avcodec_receive_frame(dec, pic) == 0) {
                sws =
                    sws_getCachedContext(sws, w, h, AVPixelFormat(pic->format), w, h,
                                         AV_PIX_FMT_BGR24, SWS_BICUBIC, nullptr, nullptr, nullptr);
                uint8_t* dst[4] = {f.data.data()};
                const int stride[4] = {f.stride};
                sws_scale(sws, pic->data, pic->linesize, 0, h, dst, stride);
                sink(f);
                ++n;
            }
        };
        while (av_read_frame(fmt, pkt) >= 0) {
            if (pkt->stream_index == i && avcodec_send_packet(dec, pkt) == 0) receive();
            av_packet_unref(pkt);
        }
        avcodec_send_packet(dec, nullptr);
        receive();
        av_frame_free(&pic);
        av_packet_free(&pkt);
        sws_freeContext(sws);
        avcodec_free_context(&dec);
        avformat_close_input(&fmt);
        return n;
    };
    return in;
}

struct Config {
    VideoCodec codec;
    QString preset;
    int crf;
    QString params;
    QString name() const {
        if (codec == VideoCodec::kMpeg4) return QStringLiteral("mpeg4 q4");
        return QStringLiteral("x264 %1%2 crf%3")
            .arg(preset, params.isEmpty() ? QString() : QStringLiteral("+mbt"))
            .arg(crf);
    }
};

struct Result {
    qint64 bytes = 0;
    int frames = 0;
    double cpu = 0, ssim = 0;
};

// Records the input through the writer, then measures the file's SSIM against the input.
Result Run(const Input& in, const Config& c, const QString& folder) {
    Result r;
    QDir(folder).removeRecursively();
    QDateTime now(QDate(2024, 1, 1), QTime(12, 0));
    SetWriterClockForTesting([&now] { return now; });
    SetH264TuningForBench({c.preset, c.crf, c.params});
    yMP4CNew(1, kYmp4Agreed);
    yMP4CSetCodec(1, c.codec);
    yMP4COpen(1, 10, in.width, in.height, 4, 15, folder, 60);
    r.frames = in.play([&](const VideoFrame& f) {
        const double t0 = ThreadCpuSeconds();
        yVideoWrite(1, f.data.data(), f.data.size());
        r.cpu += ThreadCpuSeconds() - t0;
        now = now.addMSecs(100);
    });
    const double t0 = ThreadCpuSeconds();
    yMP4CClose(1);
    r.cpu += ThreadCpuSeconds() - t0;
    SetWriterClockForTesting({});
    const QFileInfoList files = QDir(folder).entryInfoList({"*.mp4"}, QDir::Files);
    if (files.size() != 1) return r;
    r.bytes = files[0].size();

    QProcess ff;
    ff.start("ffmpeg",
             {"-hide_banner", "-nostats", "-i", files[0].filePath(), "-f", "rawvideo", "-pix_fmt",
              "bgr24", "-s", QStringLiteral("%1x%2").arg(in.width).arg(in.height), "-r", "10", "-i",
              "pipe:0", "-lavfi", "[0:v][1:v]ssim", "-f", "null", "-"});
    ff.waitForStarted();
    in.play([&](const VideoFrame& f) {
        for (int y = 0; y < in.height; ++y)
            ff.write(reinterpret_cast<const char*>(f.Row(y)), qint64(in.width) * 3);
        while (ff.bytesToWrite() > (8 << 20)) ff.waitForBytesWritten(1000);
    });
    ff.closeWriteChannel();
    ff.waitForFinished(-1);
    const QString out = QString::fromUtf8(ff.readAllStandardError());
    const auto m = QRegularExpression(QStringLiteral("All:([0-9.]+)")).match(out);
    if (m.hasMatch()) r.ssim = m.captured(1).toDouble();
    return r;
}

// The most a 5 s hold before a motion keeps in memory while the input plays.
size_t HeldBytes(const Input& in, VideoCodec codec) {
    QDateTime now(QDate(2024, 1, 1), QTime(12, 0));
    SetWriterClockForTesting([&now] { return now; });
    SetH264TuningForBench(DefaultH264Tuning());
    QTemporaryDir dir;
    yMP4CNew(2, kYmp4Agreed);
    yMP4CSetCodec(2, codec);
    yMP4COpen(2, 10, in.width, in.height, 4, 15, dir.path(), 60);
    yMP4CHold(2, 5);
    size_t most = 0;
    in.play([&](const VideoFrame& f) {
        yVideoWrite(2, f.data.data(), f.data.size());
        most = std::max(most, yMP4CHeldBytes(2));
        now = now.addMSecs(100);
    });
    yMP4CClose(2);
    SetWriterClockForTesting({});
    return most;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    gst_init(&argc, &argv);
    yXvidInit(kYmp4Agreed, 1, 0);
    const int seconds = argc > 1 ? std::max(2, atoi(argv[1])) : 15;
    const QString vtest = argc > 2
                              ? QString::fromLocal8Bit(argv[2])
                              : QStringLiteral("/usr/share/doc/opencv-doc/examples/data/vtest.avi");
    std::vector<Input> inputs;
    for (const char* p : {"ball", "smpte", "zone", "pinwheel"})
        inputs.push_back(Pattern(p, seconds));
    if (QFileInfo::exists(vtest))
        inputs.push_back(Footage(vtest));
    else
        std::fprintf(stderr, "%s missing: scripts/install-deps --bench\n", qPrintable(vtest));

    const QString mbtree = QStringLiteral("mbtree=1:rc-lookahead=10");
    const std::vector<Config> configs = {
        {VideoCodec::kMpeg4, {}, 0, {}},
        {VideoCodec::kH264, "ultrafast", 23, {}},
        {VideoCodec::kH264, "superfast", 23, {}},
        {VideoCodec::kH264, "superfast", 26, {}},
        {VideoCodec::kH264, "superfast", 24, mbtree},
        {VideoCodec::kH264, "superfast", 26, mbtree},
        {VideoCodec::kH264, "superfast", 27, mbtree},
        {VideoCodec::kH264, "veryfast", 23, {}},
        {VideoCodec::kH264, "veryfast", 26, {}},
    };
    QTemporaryDir dir;
    std::printf("%-10s %-26s %9s %8s %10s %8s\n", "input", "format", "MB/cam-h", "SSIM", "ms/frame",
                "x mpeg4");
    for (const Input& in : inputs) {
        double mpeg4Bytes = 0;
        for (const Config& c : configs) {
            const Result r = Run(in, c, dir.path() + "/rec/");
            const double hours = r.frames / 10.0 / 3600.0;
            if (c.codec == VideoCodec::kMpeg4) mpeg4Bytes = double(r.bytes);
            std::printf("%-10s %-26s %9.1f %8.4f %10.2f %8.2f\n", qPrintable(in.name),
                        qPrintable(c.name()), r.bytes / 1e6 / hours, r.ssim,
                        1000.0 * r.cpu / std::max(1, r.frames),
                        mpeg4Bytes > 0 ? r.bytes / mpeg4Bytes : 0.0);
            std::fflush(stdout);
        }
    }
    const H264Tuning d = DefaultH264Tuning();
    std::printf("\nheld for 5 s before a motion (most, bytes); H.264 at %s crf%d\n",
                qPrintable(d.preset), d.crfAtDefault);
    for (const Input& in : inputs)
        std::printf("%-10s %dx%d  mpeg4 %8zu  h264 %8zu\n", qPrintable(in.name), in.width,
                    in.height, HeldBytes(in, VideoCodec::kMpeg4), HeldBytes(in, VideoCodec::kH264));
    yXvidUnInt();
    return 0;
}
