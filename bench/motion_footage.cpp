// The program's motion detector on footage, without real time: every frame of a video file is
// checked as a camera checks it, and each second's verdict is set against the seconds marked
// by hand (vtest_person_seconds.txt). Also a still scene whose light steps up by 40 % and a
// still scene with sensor noise, where every report is a false one.
//   motion_footage [video] [--sensitivity N] [--min-size N]
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <QFile>
#include <algorithm>
#include <chrono>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>

#include "common/Frame.h"
#include "capture/Motion.h"
#include "config/Cdataclass.h"

using namespace trelvix;

namespace {

constexpr const char* kFootage = "/usr/share/doc/opencv-doc/examples/data/vtest.avi";

// Calls `take` with each frame of the file as top-down BGR; false when it cannot be read.
bool DecodeFrames(const char* path, const std::function<void(const VideoFrame&)>& take) {
    AVFormatContext* fmt = nullptr;
    if (avformat_open_input(&fmt, path, nullptr, nullptr) < 0) return false;
    avformat_find_stream_info(fmt, nullptr);
    const int index = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0) return avformat_close_input(&fmt), false;
    const AVCodecParameters* par = fmt->streams[index]->codecpar;
    AVCodecContext* dec = avcodec_alloc_context3(avcodec_find_decoder(par->codec_id));
    avcodec_parameters_to_context(dec, par);
    avcodec_open2(dec, nullptr, nullptr);
    AVPacket* pkt = av_packet_alloc();
    AVFrame* pic = av_frame_alloc();
    SwsContext* sws = nullptr;
    VideoFrame out;
    auto drain = [&] {
        while (avcodec_receive_frame(dec, pic) == 0) {
            sws = sws_getCachedContext(sws, pic->width, pic->height, AVPixelFormat(pic->format),
                                       pic->width, pic->height, AV_PIX_FMT_BGR24, SWS_POINT,
                                       nullptr, nullptr, nullptr);
            out.Resize(pic->width, pic->height);
            uint8_t* dst[1] = {out.data.data()};
            const int stride[1] = {out.stride};
            sws_scale(sws, pic->data, pic->linesize, 0, pic->height, dst, stride);
            take(out);
        }
    };
    while (av_read_frame(fmt, pkt) >= 0) {
        if (pkt->stream_index == index && avcodec_send_packet(dec, pkt) == 0) drain();
        av_packet_unref(pkt);
    }
    avcodec_send_packet(dec, nullptr);
    drain();
    sws_freeContext(sws);
    av_frame_free(&pic);
    av_packet_free(&pkt);
    avcodec_free_context(&dec);
    avformat_close_input(&fmt);
    return true;
}

struct Truth {
    std::string name;
    MotionRegion region;
    std::string seconds;  // '1', '0' or '?' per second
};

std::vector<Truth> ReadTruth(const char* path) {
    std::vector<Truth> truths;
    QFile f(QString::fromUtf8(path));
    if (!f.open(QIODevice::ReadOnly)) return truths;
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QStringList w = lines[i].split(' ', Qt::SkipEmptyParts);
        if (w.size() != 5 || w[0].startsWith('#')) continue;
        Truth t{w[0].toStdString(), {w[1].toInt(), w[2].toInt(), w[3].toInt(), w[4].toInt()}, {}};
        t.seconds = QString(lines[++i]).remove(' ').toStdString();
        truths.push_back(t);
    }
    return truths;
}

struct Setup {
    int mode = kMotionObject, sensitivity = 8, minSize = 5;
    bool people = false;
    MotionRegion region;
};

const char* ModeName(const Setup& s) {
    return s.mode == kMotionArea ? "area" : s.people ? "person" : "object";
}

// The three ways a camera can look for motion.
std::vector<Setup> Modes(const Setup& base) {
    std::vector<Setup> modes(3, base);
    modes[0].mode = kMotionArea;
    modes[1].mode = modes[2].mode = kMotionObject;
    modes[2].people = true;
    return modes;
}

// What the person searches cost, timed apart from the detector (which runs them itself).
struct SearchCost {
    int searches = 0;
    double totalMs = 0, mostMs = 0;
    void Print() const {
        if (searches)
            std::printf(
                "        person search: %d searches, %.1f ms each on average, %.1f ms at "
                "most\n",
                searches, totalMs / searches, mostMs);
    }
};

// Which seconds of 10-frame-a-second pictures report motion, checked at every frame.
class SecondCounter {
public:
    explicit SecondCounter(const Setup& s) {
        StoreLive(settings.motionMode, s.mode);
        StoreLive(settings.motionSensitivity, s.sensitivity);
        StoreLive(settings.motionMinSize, s.minSize);
        StoreLive(settings.motionPeople, s.people);
        StoreLive(settings.motionIntervalSeconds, 0);
        StoreLive(settings.motionLeft, s.region.left);
        StoreLive(settings.motionTop, s.region.top);
        StoreLive(settings.motionRight, s.region.right);
        StoreLive(settings.motionBottom, s.region.bottom);
    }
    void Take(const VideoFrame& f) {
        const QDateTime now = start.addMSecs(100 * frames);
        const size_t second = size_t(frames++ / 10);
        if (reported.size() <= second) reported.resize(second + 1, false);
        if (detector.Check(f.data.data(), f.data.size(), f.width, f.height, settings, true, false,
                           now) == MotionVerdict::kMotion)
            reported[second] = true;
        if (Live(settings.motionPeople) && !detector.objects.empty() && frames - lastTimed >= 5) {
            lastTimed = frames;
            const auto begin = std::chrono::steady_clock::now();
            FindPerson(f.data.data(), f.stride, f.width, f.height, detector.objects.front());
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                    .count();
            cost.searches += 1, cost.totalMs += ms, cost.mostMs = std::max(cost.mostMs, ms);
        }
    }
    std::vector<bool> reported;
    SearchCost cost;

private:
    const QDateTime start{QDate(2026, 1, 1), QTime(12, 0)};
    CDataClass settings;
    MotionDetector detector{true};  // no real time: the person search runs in line
    int frames = 0, lastTimed = -100;
};

void ScoreFootage(const char* video, const Truth& t, const Setup& base) {
    for (Setup s : Modes(base)) {
        s.region = t.region;
        SecondCounter counter(s);
        if (!DecodeFrames(video, [&](const VideoFrame& f) { counter.Take(f); })) {
            std::printf("cannot read %s\n", video);
            return;
        }
        int people = 0, found = 0, empty = 0, falseAlarms = 0;
        std::string line;
        for (size_t i = 0; i < t.seconds.size() && i < counter.reported.size(); ++i) {
            const bool r = counter.reported[i];
            line += r ? '+' : '.';
            if (t.seconds[i] == '1') people += 1, found += r;
            if (t.seconds[i] == '0') empty += 1, falseAlarms += r;
        }
        std::printf(
            "%-5s %-6s  person seconds found %2d/%2d (%3d %%)  empty seconds reported %2d/%2d"
            "\n        %s\n",
            t.name.c_str(), ModeName(s), found, people, people ? 100 * found / people : 0,
            falseAlarms, empty, line.c_str());
        counter.cost.Print();
    }
}

// A still picture for `seconds` at 10 frames a second, changed by `alter` before each check;
// returns the seconds reporting motion.
int StillScene(const VideoFrame& still, Setup s, const std::function<void(VideoFrame&, int)>& alter,
               int seconds) {
    s.region = {0, 0, still.width, still.height};
    SecondCounter counter(s);
    for (int i = 0; i < seconds * 10; ++i) {
        VideoFrame f = still;
        alter(f, i);
        counter.Take(f);
    }
    int n = 0;
    for (bool r : counter.reported) n += r;
    return n;
}

void ScoreStillScenes(const VideoFrame& still, const Setup& base) {
    std::mt19937 random(7);
    for (const Setup& mode : Modes(base)) {
        // The light steps up by 40 % at frame 100 (second 10).
        const int light = StillScene(
            still, mode,
            [](VideoFrame& f, int i) {
                if (i < 100) return;
                for (uint8_t& b : f.data) b = uint8_t(std::min(255, b * 14 / 10));
            },
            30);
        // Independent noise on every byte, up to ±12.
        std::uniform_int_distribution<int> noise(-12, 12);
        const int noisy = StillScene(
            still, mode,
            [&](VideoFrame& f, int) {
                for (uint8_t& b : f.data) b = uint8_t(std::clamp(b + noise(random), 0, 255));
            },
            30);
        std::printf(
            "still %-6s  light step: %d of 30 seconds report motion; sensor noise: %d of 30\n",
            ModeName(mode), light, noisy);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const char* video = kFootage;
    Setup base;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--sensitivity") && i + 1 < argc)
            base.sensitivity = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--min-size") && i + 1 < argc)
            base.minSize = std::atoi(argv[++i]);
        else
            video = argv[i];
    }
    std::printf("sensitivity %d, smallest object %d per mille, a check every frame\n",
                base.sensitivity, base.minSize);
    for (const Truth& t : ReadTruth(TRELVIX_BENCH_DIR "/vtest_person_seconds.txt"))
        ScoreFootage(video, t, base);
    VideoFrame first;
    DecodeFrames(video, [&](const VideoFrame& f) {
        if (first.data.empty()) first = f;
    });
    if (!first.data.empty()) ScoreStillScenes(first, base);
    return 0;
}
