// Pictures of network cameras decoded straight into frames: colours in the right channels, any
// width's row padding, and damaged or hostile pictures refused without harm.
#include <gtest/gtest.h>

#include "common/Frame.h"
#include "common/Jpeg.h"

using namespace trelvix;

namespace {

// Left half blue, right half red, a green bar across the middle rows (BGR bytes).
VideoFrame Colours(int w, int h) {
    VideoFrame f;
    f.Resize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = f.Row(y) + 3 * x;
            const bool bar = y >= h / 2 - 4 && y < h / 2 + 4;
            p[0] = bar ? 20 : x < w / 2 ? 220 : 20;
            p[1] = bar ? 220 : 20;
            p[2] = bar ? 20 : x < w / 2 ? 20 : 220;
        }
    return f;
}

void ExpectNear(const uint8_t* p, int b, int g, int r, const char* where) {
    EXPECT_NEAR(p[0], b, 24) << where;
    EXPECT_NEAR(p[1], g, 24) << where;
    EXPECT_NEAR(p[2], r, 24) << where;
}

QByteArray Encoded(const VideoFrame& f) {
    return EncodeJpeg(f.data.data(), f.width, f.height, f.stride, kPixelRGB24, 95);
}

const uint8_t* Bytes(const QByteArray& a) {
    return reinterpret_cast<const uint8_t*>(a.constData());
}

}  // namespace

TEST(JpegDecoderTest, DecodesIntoPaddedBgrRowsWithTheColoursInPlace) {
    JpegDecoder decoder;
    // 66 pixels: rows of 198 bytes padded to 200.
    for (const int width : {64, 66}) {
        const VideoFrame in = Colours(width, 48);
        const QByteArray jpeg = Encoded(in);
        int w = 0, h = 0;
        ASSERT_TRUE(decoder.ReadSize(Bytes(jpeg), size_t(jpeg.size()), &w, &h));
        EXPECT_EQ(w, width);
        EXPECT_EQ(h, 48);
        VideoFrame out;
        out.Resize(w, h);
        ASSERT_TRUE(
            decoder.DecodeBGR(Bytes(jpeg), size_t(jpeg.size()), out.data.data(), w, h, out.stride));
        ExpectNear(out.Row(4) + 3 * 4, 220, 20, 20, "blue, top left");
        ExpectNear(out.Row(43) + 3 * (width - 5), 20, 20, 220, "red, bottom right");
        ExpectNear(out.Row(24) + 3 * (width / 2), 20, 220, 20, "green bar");
        // The decoder is kept: a second picture decodes the same.
        VideoFrame again;
        again.Resize(w, h);
        ASSERT_TRUE(decoder.DecodeBGR(Bytes(jpeg), size_t(jpeg.size()), again.data.data(), w, h,
                                      again.stride));
        for (int y = 0; y < h; ++y)
            EXPECT_EQ(0, memcmp(out.Row(y), again.Row(y), size_t(w) * 3)) << "row " << y;
    }
}

TEST(JpegDecoderTest, DamagedAndHostilePicturesAreRefusedOrDecodedSafely) {
    JpegDecoder decoder;
    int w = 0, h = 0;
    EXPECT_FALSE(decoder.ReadSize(nullptr, 0, &w, &h));
    const QByteArray garbage(4096, 'x');
    EXPECT_FALSE(decoder.ReadSize(Bytes(garbage), size_t(garbage.size()), &w, &h));

    const QByteArray jpeg = Encoded(Colours(64, 48));
    // Cut short: the header is whole, the rest of the picture is filled in, nothing is read
    // beyond the data.
    const qsizetype scan = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    ASSERT_GT(scan, 0);
    const QByteArray half = jpeg.left(scan + (jpeg.size() - scan) / 2);
    ASSERT_TRUE(decoder.ReadSize(Bytes(half), size_t(half.size()), &w, &h));
    VideoFrame out;
    out.Resize(w, h);
    EXPECT_TRUE(
        decoder.DecodeBGR(Bytes(half), size_t(half.size()), out.data.data(), w, h, out.stride));
    ExpectNear(out.Row(2) + 3 * 2, 220, 20, 20, "the part that came");

    // A header claiming 9216 × 9216 pixels is refused before anything is allocated.
    QByteArray huge = jpeg;
    const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    for (const qsizetype at : {sof + 5, sof + 7}) {
        huge[at] = char(0x24);
        huge[at + 1] = char(0x00);
    }
    EXPECT_FALSE(decoder.ReadSize(Bytes(huge), size_t(huge.size()), &w, &h));
    // The decoder still works after all of it.
    EXPECT_TRUE(decoder.ReadSize(Bytes(jpeg), size_t(jpeg.size()), &w, &h));
}
