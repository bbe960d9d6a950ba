// The broadcast's sound: where chunks land on the time line, the capture pipeline on GStreamer
// test sources, and sound with pictures in the ASF stream and file, read back with libavformat.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "capture/AudioCapture.h"
#include "broadcast/Broadcast.h"
#include "support/MediaProbe.h"
#include "support/Wait.h"

using namespace trelvix;
using trelvix::test::WaitFor;

namespace {

TEST(BroadcastSound, ChunksFollowEachOtherAndStayNearTheWallClock) {
    // A chunk the clock says began at `wall`, after sound placed up to `after` (-1: none yet):
    // where its first kept sample lands, how many samples it drops and where the next follows.
    struct Chunk {
        int64_t after, wall;
        int frames;
        int64_t position;
        int skip;
        int64_t next;
    };
    const Chunk chunks[] = {
        // The first starts where the clock says; the next ones follow without a gap even when
        // they arrive a little early or late.
        {-1, 5000, 1000, 5000, 0, 6000},
        {6000, 6300, 1000, 6000, 0, 7000},
        {7000, 6500, 1000, 7000, 0, 8000},
        // After a dropout the sound jumps to the clock and leaves a gap.
        {8000, 20000, 1000, 20000, 0, 21000},
        // A device that ran fast: its overlap with what was placed is dropped, a chunk inside
        // it entirely, until it is within the tolerance again.
        {30000, 25000, 3000, 28000, 3000, 30000},
        {30000, 24000, 8000, 30000, 6000, 32000},
        {32000, 29000, 1000, 32000, 0, 33000},
        // Nothing before the start.
        {-1, -300, 1000, 0, 300, 700},
    };
    for (const Chunk& c : chunks) {
        SCOPED_TRACE(testing::Message() << "chunk at " << c.wall << " after " << c.after);
        int64_t next = c.after;
        const AudioPlacement a = PlaceAudio(&next, c.wall, c.frames, 4410, 0);
        EXPECT_EQ(a.position, c.position);
        EXPECT_EQ(a.skip, c.skip);
        EXPECT_EQ(next, c.next);
    }
}

// Collects what a capture delivers.
struct Collected {
    std::mutex mutex;
    int64_t frames = 0;
    double sumSquares = 0;
    int failures = 0;
    QString failure;

    AudioCapture::SamplesHandler Samples() {
        return [this](const int16_t* s, int n) {
            std::lock_guard lock(mutex);
            frames += n;
            for (int i = 0; i < 2 * n; ++i) sumSquares += double(s[i]) * s[i];
        };
    }
    AudioCapture::FailureHandler Failed() {
        return [this](const QString& why) {
            std::lock_guard lock(mutex);
            ++failures;
            failure = why;
        };
    }
    int64_t Frames() {
        std::lock_guard lock(mutex);
        return frames;
    }
};

TEST(BroadcastSound, CaptureDeliversStereoAt44100AndSaysWhyItCannot) {
    Collected tone, endless, clock;
    AudioCapture capture, live, timer;
    // A live mono tone of one second at another rate arrives as one second of 16-bit stereo at
    // 44.1 kHz, and its end is reported once.
    const AudioSource source = AudioSourceFromDescription(
        "audiotestsrc is-live=true volume=0.5 samplesperbuffer=2205 num-buffers=10 ! "
        "capsfilter caps=audio/x-raw,rate=22050,channels=1",
        "tone");
    ASSERT_TRUE(capture.Start(source, tone.Samples(), tone.Failed()))
        << capture.ErrorText().toStdString();
    ASSERT_TRUE(WaitFor([&] { return tone.failures > 0; }));
    EXPECT_NEAR(tone.Frames(), 44100, 441);
    EXPECT_GT(std::sqrt(tone.sumSquares / double(2 * tone.Frames())), 0.5 * 32767 * 0.5);
    // A stopped capture delivers nothing more while a third one delivers a fifth of a second.
    const AudioSource running = AudioSourceFromDescription("audiotestsrc is-live=true", "live");
    ASSERT_TRUE(live.Start(running, endless.Samples()));
    live.Stop();
    const int64_t stopped = endless.Frames();
    ASSERT_TRUE(timer.Start(running, clock.Samples()));
    ASSERT_TRUE(WaitFor([&] { return clock.Frames() >= 8820; }));
    timer.Stop();
    EXPECT_EQ(endless.Frames(), stopped);
    EXPECT_EQ(tone.failures, 1);
    capture.Stop();

    Collected none;
    EXPECT_FALSE(capture.Start(AudioSource{}, none.Samples()));
    EXPECT_EQ(capture.ErrorText(), "No sound input device was found.");
    EXPECT_FALSE(capture.Start(AudioSourceFromDescription("nosuchaudiosrc", "x"), none.Samples()));
    EXPECT_FALSE(capture.ErrorText().isEmpty());
    // A source that runs but never delivers.
    EXPECT_FALSE(capture.Start(
        AudioSourceFromDescription("audiotestsrc is-live=true ! valve drop=true", "mute"),
        none.Samples(), {}, 500));
    EXPECT_EQ(capture.ErrorText(), "The sound device delivers nothing.");
    EXPECT_FALSE(capture.IsRunning());
}

struct Stream {
    AVCodecID codec = AV_CODEC_ID_NONE;
    int id = 0;  // the ASF stream number
    int sampleRate = 0, channels = 0, width = 0;
    double seconds = 0;  // from the first to the end of the last packet read
    int decoded = 0;     // packets that decoded
    double rms = 0;      // of the decoded sound
};

// Reads `where` as a player does, decoding every stream for up to `seconds` of packets.
std::vector<Stream> Read(const QString& where, double seconds) {
    std::vector<Stream> out;
    AVFormatContext* fmt = test::OpenMedia(where);
    if (!fmt) return out;
    std::vector<AVCodecContext*> decoders;
    std::vector<double> first, last, squares, samples;
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream* st = fmt->streams[i];
        Stream s;
        s.codec = st->codecpar->codec_id;
        s.id = st->id;
        s.sampleRate = st->codecpar->sample_rate;
        s.channels = st->codecpar->ch_layout.nb_channels;
        s.width = st->codecpar->width;
        out.push_back(s);
        AVCodecContext* dec = avcodec_alloc_context3(avcodec_find_decoder(s.codec));
        avcodec_parameters_to_context(dec, st->codecpar);
        avcodec_open2(dec, nullptr, nullptr);
        decoders.push_back(dec);
    }
    first.assign(out.size(), -1);
    last.assign(out.size(), 0);
    squares.assign(out.size(), 0);
    samples.assign(out.size(), 0);
    AVPacket* pkt = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    double span = 0;
    while (span < seconds && av_read_frame(fmt, pkt) >= 0) {
        const auto i = size_t(pkt->stream_index);
        const double tb = av_q2d(fmt->streams[i]->time_base);
        if (first[i] < 0) first[i] = double(pkt->pts) * tb;
        last[i] = std::max(last[i], double(pkt->pts + pkt->duration) * tb);
        span = last[i] - first[i];
        if (avcodec_send_packet(decoders[i], pkt) == 0) ++out[i].decoded;
        while (avcodec_receive_frame(decoders[i], frame) == 0) {
            if (out[i].sampleRate == 0) continue;
            for (int c = 0; c < frame->ch_layout.nb_channels; ++c)
                for (int k = 0; k < frame->nb_samples; ++k) {
                    const double v = reinterpret_cast<const float*>(frame->data[c])[k];
                    squares[i] += v * v;
                    samples[i] += 1;
                }
        }
        av_packet_unref(pkt);
    }
    for (size_t i = 0; i < out.size(); ++i) {
        out[i].seconds = first[i] < 0 ? 0 : last[i] - first[i];
        if (samples[i] > 0) out[i].rms = std::sqrt(squares[i] / samples[i]);
        avcodec_free_context(&decoders[i]);
    }
    av_frame_free(&frame);
    av_packet_free(&pkt);
    avformat_close_input(&fmt);
    return out;
}

// Pictures at 10 per second and a 440 Hz tone of amplitude 0.25 in 1024-sample chunks, both
// in real time, as a camera and a sound device would deliver them.
class Feeder {
public:
    explicit Feeder(BroadcastEngine* engine, double soundSeconds = 1e9) {
        pictures_ = std::thread([this, engine] {
            auto f = std::make_shared<VideoFrame>();
            f->Resize(320, 240);
            for (int k = 0; run_; ++k) {
                for (int y = 0; y < 240; ++y)
                    std::memset(f->Row(y), 40 + (k * 4 + y / 2) % 160, 3 * 320);
                engine->PushFrame(f->data.data(), 320, 240, f->stride);
                ++fed_;
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        });
        sound_ = std::thread([this, engine, soundSeconds] {
            std::vector<int16_t> chunk(2 * 1024);
            const auto start = std::chrono::steady_clock::now();
            for (int64_t n = 0; run_ && n < soundSeconds * 44100; n += 1024) {
                for (int i = 0; i < 1024; ++i) {
                    const double t = double(n + i) / 44100;
                    chunk[size_t(2 * i)] = chunk[size_t(2 * i + 1)] =
                        int16_t(8192 * std::sin(2 * M_PI * 440 * t));
                }
                std::this_thread::sleep_until(
                    start + std::chrono::microseconds((n + 1024) * 1000000 / 44100));
                engine->PushAudio(chunk.data(), 1024);
            }
        });
    }
    ~Feeder() { Stop(); }
    // Waits until `n` pictures have gone in since the start.
    bool Fed(int n) const {
        return WaitFor([&] { return fed_ >= n; });
    }
    void Stop() {
        run_ = false;
        if (pictures_.joinable()) pictures_.join();
        if (sound_.joinable()) sound_.join();
    }

private:
    std::atomic<int> fed_{0};
    std::atomic<bool> run_{true};
    std::thread pictures_, sound_;
};

// What the Feeder's pictures and sound make, on a port the system chooses.
BroadcastParams WithSound() {
    BroadcastParams p;
    p.sourceWidth = 320;
    p.sourceHeight = 240;
    p.fpsIndex = 9;
    p.bitrateKbps = 300;
    p.port = 0;
    p.keyFrameMs = 1000;
    p.audio = true;
    return p;
}

TEST(BroadcastSound, PlayersAndTheFileGetSoundAsStreamOneBesideThePictures) {
    QTemporaryDir dir;
    BroadcastEngine engine;
    BroadcastParams p = WithSound();
    p.maxClients = 2;
    p.filePath = dir.path() + "/sound.wmv";
    ASSERT_TRUE(engine.Start(p)) << engine.ErrorText().toStdString();
    Feeder feeder(&engine);
    ASSERT_TRUE(feeder.Fed(15));

    for (const char* scheme : {"http", "mmsh"}) {
        SCOPED_TRACE(scheme);
        const auto streams =
            Read(QStringLiteral("%1://127.0.0.1:%2/").arg(scheme).arg(engine.Port()), 2.0);
        ASSERT_EQ(streams.size(), 2u);
        EXPECT_EQ(streams[0].codec, AV_CODEC_ID_WMAV2);
        EXPECT_EQ(streams[0].id, 1);
        EXPECT_EQ(streams[0].sampleRate, 44100);
        EXPECT_EQ(streams[0].channels, 2);
        EXPECT_GT(streams[0].decoded, 10);
        EXPECT_GT(streams[0].rms, 0.1);  // the tone, not silence or noise at full scale
        EXPECT_LT(streams[0].rms, 0.3);
        EXPECT_EQ(streams[1].codec, AV_CODEC_ID_WMV2);
        EXPECT_EQ(streams[1].id, 2);
        EXPECT_EQ(streams[1].width, 320);
        EXPECT_GT(streams[1].decoded, 5);
        EXPECT_TRUE(WaitFor([&] { return engine.Stats().viewers == 0; }));
    }

    ASSERT_TRUE(feeder.Fed(35));  // the file's pictures cover more than three seconds
    feeder.Stop();
    engine.Stop();
    const auto file = Read(p.filePath, 1000);
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(file[0].codec, AV_CODEC_ID_WMAV2);
    EXPECT_EQ(file[1].codec, AV_CODEC_ID_WMV2);
    EXPECT_GT(file[1].seconds, 3.0);
    // Sound and pictures cover the same time, give or take the last picture and sound frame.
    EXPECT_NEAR(file[0].seconds, file[1].seconds, 0.25);
    EXPECT_NEAR(file[0].rms, 0.177, 0.05);
}

TEST(BroadcastSound, SoundThatStopsNeverHoldsUpThePictures) {
    BroadcastEngine engine;
    ASSERT_TRUE(engine.Start(WithSound()));
    Feeder feeder(&engine, 0.5);
    ASSERT_TRUE(feeder.Fed(15));
    const auto streams = Read(QStringLiteral("http://127.0.0.1:%1/").arg(engine.Port()), 2.0);
    ASSERT_EQ(streams.size(), 2u);
    EXPECT_EQ(streams[0].decoded, 0);
    EXPECT_GT(streams[1].decoded, 15);
}

}  // namespace
