#include <QGuiApplication>
#include <gtest/gtest.h>

#include <limits>

#include "capture/Cautofont.h"
#include "common/Frame.h"
#include "capture/PixelWriters.h"

using namespace trelvix;

namespace {

// A mask whose ink bits are given row by row as strings of '#' (ink) and '.'.
std::shared_ptr<TextMask> Mask(std::initializer_list<const char*> rows) {
    auto m = std::make_shared<TextMask>();
    m->height = int(rows.size());
    m->width = int(std::strlen(*rows.begin()));
    m->stride = ((m->width + 31) / 32) * 4;
    m->bits.assign(size_t(m->stride * m->height), 0xFF);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < m->width; ++x)
            if (row[x] == '#')
                m->bits[size_t(y * m->stride + x / 8)] &= uint8_t(~(0x80 >> (x % 8)));
        ++y;
    }
    return m;
}

// The '#'/'.' picture of which pixels of a 24-bit top-down frame hold colour (b, g, r).
std::vector<std::string> Painted(const VideoFrame& f, Colour3 bgr) {
    std::vector<std::string> rows;
    for (int y = 0; y < f.height; ++y) {
        std::string row;
        for (int x = 0; x < f.width; ++x) {
            const uint8_t* p = f.Row(y) + 3 * x;
            row += (p[0] == bgr.c0 && p[1] == bgr.c1 && p[2] == bgr.c2) ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

TEST(PixelWriters, PackedValuesPerFormat) {
    auto w555 = CreatePixelWriter(kPixelRGB555);
    w555->SetColour(200, 100, 50);
    uint8_t px[4] = {};
    w555->WritePixel(px);
    // b 50*32/256 = 6, g 100*32/256 = 12, r 200*32/256 = 25: 6 + (12 << 5) + (25 << 10) = 0x6586.
    EXPECT_EQ(px[0], 0x86);
    EXPECT_EQ(px[1], 0x65);
    w555->SetColour(255, 0, 0);
    w555->WritePixel(px);
    EXPECT_EQ(px[0], 0x00);
    EXPECT_EQ(px[1], 0x7C);

    auto w565 = CreatePixelWriter(kPixelRGB565);
    w565->SetColour(200, 100, 50);
    w565->WritePixel(px);
    // g 100*64/256 = 25: 6 + (25 << 5) + (25 << 11) = 0xCB26.
    EXPECT_EQ(px[0], 0x26);
    EXPECT_EQ(px[1], 0xCB);

    auto w8 = CreatePixelWriter(kPixelRGB8);
    w8->SetColour(1, 2, 3);
    px[0] = 0;
    w8->WritePixel(px);
    EXPECT_EQ(px[0], 10);
    EXPECT_EQ(w8->bytesPerPixel, 1);

    auto w32 = CreatePixelWriter(kPixelRGB32);
    w32->SetColour(1, 2, 3);
    uint8_t p32[4] = {9, 9, 9, 9};
    w32->WritePixel(p32);
    EXPECT_EQ((std::vector<uint8_t>(p32, p32 + 4)), (std::vector<uint8_t>{3, 2, 1, 0}));
    w32->InvertPixel(p32);
    EXPECT_EQ((std::vector<uint8_t>(p32, p32 + 4)), (std::vector<uint8_t>{252, 253, 254, 255}));
    EXPECT_EQ(w32->PixelAddress(p32, 1), p32 + 4);

    EXPECT_EQ(CreatePixelWriter(kPixelUnknown), nullptr);
    EXPECT_EQ(CreatePixelWriter(6)->bytesPerPixel, 3);
}

TEST(TimeText, FourFormatsOnATuesday) {
    const QDateTime t(QDate(2014, 5, 6), QTime(7, 8, 9));
    ASSERT_EQ(t.date().dayOfWeek(), Qt::Tuesday);
    EXPECT_EQ(TimeText(0, t), "2014/05/06 07:08:09");
    EXPECT_EQ(TimeText(1, t), "2014/05/06/Tues.:07:08:09");
    EXPECT_EQ(TimeText(2, t), "Tues.:07:08:09");
    EXPECT_EQ(TimeText(3, t), "07:08:09");
    EXPECT_EQ(TimeText(4, t), "");
    EXPECT_EQ(TimeText(-1, t), "");
    EXPECT_EQ(TimeText(2, QDateTime(QDate(2014, 5, 11), QTime(0, 0))), "Sun.:00:00:00");
    EXPECT_EQ(TimeText(2, QDateTime(QDate(2014, 5, 8), QTime(0, 0))), "Thur.:00:00:00");
}

TEST(GuideLines, TwoRowsAboveEachRowAtBothEdges) {
    CDataClass s;
    StoreLive(s.rulerShow, 1);
    VideoFrame f;
    f.Resize(320, 240);
    DrawGuideLines(f.data.data(), f.width, f.height, f.stride, &s);
    const auto red = Painted(f, Live(s.ruler5Colour));      // row 230: rows 228 and 229
    const auto yellow = Painted(f, Live(s.ruler10Colour));  // row 130: rows 128 and 129
    const std::string five = std::string(100, '#') + std::string(120, '.') + std::string(100, '#');
    const std::string ten = std::string(80, '#') + std::string(160, '.') + std::string(80, '#');
    EXPECT_EQ(red[228], five);
    EXPECT_EQ(red[229], five);
    EXPECT_EQ(red[227], std::string(320, '.'));
    EXPECT_EQ(red[230], std::string(320, '.'));
    EXPECT_EQ(yellow[128], ten);
    EXPECT_EQ(yellow[129], ten);
    EXPECT_EQ(yellow[130], std::string(320, '.'));

    // Rows out of range are moved in the settings themselves.
    StoreLive(s.ruler5Row, 5);
    StoreLive(s.ruler10Row, 240);
    DrawGuideLines(f.data.data(), f.width, f.height, f.stride, &s);
    EXPECT_EQ(Live(s.ruler5Row), 200);
    EXPECT_EQ(Live(s.ruler10Row), 100);
    StoreLive(s.ruler5Row, 10);
    StoreLive(s.ruler10Row, 11);
    DrawGuideLines(f.data.data(), f.width, f.height, f.stride, &s);
    EXPECT_EQ(Live(s.ruler5Row), 200);
    EXPECT_EQ(Live(s.ruler10Row), 11);

    // A frame too small for the moved rows and segments is left alone, never overrun.
    VideoFrame small;
    small.Resize(50, 60);
    StoreLive(s.ruler5Row, 230);
    DrawGuideLines(small.data.data(), small.width, small.height, small.stride, &s);
    EXPECT_EQ(Painted(small, Live(s.ruler5Colour))[58], std::string(50, '.'));

    // Off: nothing drawn.
    VideoFrame clean;
    clean.Resize(320, 240);
    StoreLive(s.rulerShow, 0);
    DrawGuideLines(clean.data.data(), clean.width, clean.height, clean.stride, &s);
    EXPECT_EQ(clean.data, std::vector<uint8_t>(clean.data.size(), 0));
}

TEST(Overlay, StampingPlacesAndClipsTheMaskBits) {
    CDataClass s;
    StoreLive(s.captionColour, {255, 0, 0});
    COverlayController o(&s);
    o.SetCaptionFormat(kPixelRGB24);
    o.SetGeometry(8, 6, 24, false);
    o.SetMask(Mask({"#.#.#.#.#.", ".#.#.#.#.#", "##########"}));
    VideoFrame f;
    f.Resize(8, 6);
    StoreLive(s.captionX, 3);
    StoreLive(s.captionY, 4);
    o.DrawCaption(f.data.data());
    const Colour3 red{0, 0, 255};  // frame byte order
    EXPECT_EQ(Painted(f, red), (std::vector<std::string>{"........", "........", "........",
                                                         "........", "...#.#.#", "....#.#."}));

    // Partly off the left and top edges: only the part inside is drawn.
    VideoFrame g;
    g.Resize(8, 6);
    StoreLive(s.captionX, -2);
    StoreLive(s.captionY, -1);
    o.DrawCaption(g.data.data());
    EXPECT_EQ(Painted(g, red), (std::vector<std::string>{".#.#.#.#", "########", "........",
                                                         "........", "........", "........"}));

    // Beyond the right or bottom edge: nothing.
    VideoFrame h;
    h.Resize(8, 6);
    StoreLive(s.captionX, 8);
    StoreLive(s.captionY, 0);
    o.DrawCaption(h.data.data());
    StoreLive(s.captionX, 0);
    StoreLive(s.captionY, 6);
    o.DrawCaption(h.data.data());
    EXPECT_EQ(h.data, std::vector<uint8_t>(h.data.size(), 0));
}

TEST(Overlay, BottomUpFramesAndTwoBytePixels) {
    CDataClass s;
    StoreLive(s.timeColour, {255, 0, 0});
    COverlayController o(&s);
    o.SetTimeFormat(kPixelRGB555);
    o.SetGeometry(4, 3, 16, true);  // stride (2 × 4 + 3) & ~3 = 8
    o.SetMask(Mask({"#..#"}));
    std::vector<uint8_t> frame(8 * 3, 0);
    StoreLive(s.timeX, 0);
    StoreLive(s.timeY, 0);
    o.StampTime(frame.data());
    // The top picture row is the last memory row.
    EXPECT_EQ(std::vector<uint8_t>(frame.begin() + 16, frame.end()),
              (std::vector<uint8_t>{0x00, 0x7C, 0, 0, 0, 0, 0x00, 0x7C}));
    EXPECT_EQ(std::vector<uint8_t>(frame.begin(), frame.begin() + 16), std::vector<uint8_t>(16, 0));
}

TEST(Overlay, RenderedTextsOnlyInkIsWritten) {
    CDataClass s;
    s.caption = "";
    COverlayController o(&s);
    o.SetCaptionFormat(kPixelRGB24);
    o.SetGeometry(200, 40, 24, false);
    EXPECT_FALSE(o.RenderCaption());  // an empty caption draws nothing
    s.caption = "Gate 7";
    EXPECT_TRUE(o.RenderCaption());
    auto mask = o.mask();
    ASSERT_TRUE(mask);
    EXPECT_GT(mask->width, 20);
    int ink = 0;
    for (int y = 0; y < mask->height; ++y)
        for (int x = 0; x < mask->width; ++x) ink += mask->Ink(x, y);
    EXPECT_GT(ink, 20);
    EXPECT_LT(ink, mask->width * mask->height / 2);

    VideoFrame f;
    f.Resize(200, 40);
    std::fill(f.data.begin(), f.data.end(), 7);
    o.DrawCaption(f.data.data());
    int red = 0, untouched = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) {
            const uint8_t* p = f.Row(y) + 3 * x;
            if (p[0] == 0 && p[1] == 0 && p[2] == 255)
                ++red;
            else if (p[0] == 7 && p[1] == 7 && p[2] == 7)
                ++untouched;
        }
    EXPECT_EQ(red, ink);
    EXPECT_EQ(red + untouched, 200 * 40);

    // Without a writer (an unknown pixel format) nothing is active.
    COverlayController none(&s);
    none.SetCaptionFormat(kPixelUnknown);
    EXPECT_FALSE(none.RenderCaption());
}

TEST(Overlay, TimeTextIsRenderedOncePerDistinctText) {
    CDataClass s;
    StoreLive(s.showTime, 1);
    StoreLive(s.timeFormat, 3);
    COverlayController o(&s);
    o.SetTimeFormat(kPixelRGB24);
    o.SetGeometry(160, 40, 24, false);
    VideoFrame a, b;
    a.Resize(160, 40);
    b.Resize(160, 40);
    const QDateTime t(QDate(2024, 5, 10), QTime(9, 0, 0));
    o.DrawTime(a.data.data(), t);
    const auto first = o.mask();
    o.DrawTime(b.data.data(), t.addMSecs(400));
    EXPECT_EQ(o.mask(), first);  // same second: the same mask
    EXPECT_EQ(a.data, b.data);
    o.DrawTime(b.data.data(), t.addSecs(1));
    EXPECT_NE(o.mask(), first);
    EXPECT_EQ(o.mask()->text, "09:00:01");
    // A cached mask is exactly what a fresh rendering gives.
    auto fresh = RenderTextMask("09:00:01", CAutoFont::ToQFont(s.timeFont));
    EXPECT_EQ(fresh->bits, o.mask()->bits);
    // A font change renders again.
    o.TimeFontChanged();
    const auto beforeFont = o.mask();
    o.DrawTime(b.data.data(), t.addSecs(1));
    EXPECT_NE(o.mask(), beforeFont);
    // Switched off: not drawn.
    StoreLive(s.showTime, 0);
    VideoFrame c;
    c.Resize(160, 40);
    o.DrawTime(c.data.data(), t);
    EXPECT_EQ(c.data, std::vector<uint8_t>(c.data.size(), 0));
}

TEST(Overlay, FontsFromTheStoredImage) {
    const QFont def = CAutoFont::ToQFont(LogFontW{});
    EXPECT_EQ(def.pixelSize(), 16);
    LogFontW lf;
    lf.lfHeight = -24;
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    const QString face = "DejaVu Sans";
    for (int i = 0; i < face.size(); ++i) lf.lfFaceName[i] = face[i].unicode();
    const QFont f = CAutoFont::ToQFont(lf);
    EXPECT_EQ(f.pixelSize(), 24);
    EXPECT_EQ(f.weight(), QFont::Bold);
    EXPECT_TRUE(f.italic());
    EXPECT_EQ(f.family(), face);
    const LogFontW back = CAutoFont::FromQFont(f);
    EXPECT_EQ(back.lfHeight, -24);
    EXPECT_EQ(back.lfWeight, 700);
    EXPECT_EQ(back.lfItalic, 1);
    CAutoFont initial;
    EXPECT_EQ(initial.logFont().lfHeight, -12);
    EXPECT_EQ(initial.logFont().lfPitchAndFamily, 18);
}

TEST(Overlay, AbsurdFontsAndPositionsStayWithinTheFrame) {
    CDataClass s;
    s.caption = "Front gate, camera one";
    LogFontW huge{};
    huge.lfHeight = -14000;
    s.captionFont = huge;
    COverlayController o(&s);
    o.SetCaptionFormat(kPixelRGB24);
    o.SetGeometry(320, 240, 24, false);
    o.CaptionFontChanged();
    ASSERT_TRUE(o.RenderCaption());
    ASSERT_TRUE(o.mask());
    // No taller than the frame, and no wider than the frame can show from where it starts.
    EXPECT_LE(o.mask()->height, 240);
    EXPECT_LE(o.mask()->width, 2 * 320);

    VideoFrame f;
    f.Resize(320, 240);
    for (int x : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        StoreLive(s.captionX, x);
        StoreLive(s.captionY, x);
        o.DrawCaption(f.data.data());
    }
    EXPECT_EQ(f.data, std::vector<uint8_t>(f.data.size(), 0));

    // Heights at the ends of the stored range become sizes a frame can hold.
    for (int h : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        huge.lfHeight = h;
        const int px = CAutoFont::ToQFont(huge).pixelSize();
        EXPECT_GT(px, 0) << h;
        EXPECT_LE(px, 4320) << h;
    }
}

TEST(Overlay, StampedTextsRunInTheirOwnDirectionWhateverTheInterfaceLanguage) {
    const QFont font = CAutoFont::ToQFont(LogFontW{});
    const QStringList texts = {"0#", "2024/05/10 09:00:01", "Gate 2 (north)", "Thur. 09:00:01 PM"};
    std::vector<std::vector<uint8_t>> leftToRight;
    for (const QString& t : texts) leftToRight.push_back(RenderTextMask(t, font)->bits);
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(RenderTextMask(texts[i], font)->bits, leftToRight[size_t(i)])
            << texts[i].toStdString();
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);

    // An Arabic caption reads from the right: its number, written last, stands leftmost.
    const auto caption = RenderTextMask(QStringLiteral("كاميرا 7"), font);
    const auto digit = RenderTextMask(QStringLiteral("7"), font);
    ASSERT_TRUE(caption && digit);
    ASSERT_EQ(caption->height, digit->height);
    int differing = 0;
    for (int y = 0; y < digit->height; ++y)
        for (int x = 0; x < digit->width; ++x) differing += caption->Ink(x, y) != digit->Ink(x, y);
    EXPECT_EQ(differing, 0);
}

TEST(Overlay, KeptUnderAStampTheSamePictureIsStampedAgainAsIfFresh) {
    CDataClass s;
    StoreLive(s.timeColour, {0, 255, 0});
    for (const bool bottomUp : {false, true}) {
        COverlayController o(&s);
        o.SetTimeFormat(kPixelRGB24);
        o.SetGeometry(8, 6, 24, bottomUp);
        o.KeepUnder(true);
        VideoFrame pristine;
        pristine.Resize(8, 6);
        for (size_t i = 0; i < pristine.data.size(); ++i) pristine.data[i] = uint8_t(i * 13 + 5);
        // Partly off the top and left edges, then inside with another text.
        StoreLive(s.timeX, -1);
        StoreLive(s.timeY, -1);
        o.SetMask(Mask({"#####", "#.#.#", "#####"}));
        VideoFrame f = pristine;
        o.StampTime(f.data.data());
        EXPECT_NE(f.data, pristine.data);
        o.RestoreUnder(f.data.data());
        EXPECT_EQ(f.data, pristine.data) << "bottom-up " << bottomUp;
        // Once only: a second restore changes nothing.
        o.StampTime(f.data.data());
        o.RestoreUnder(f.data.data());
        const VideoFrame restored = f;
        o.RestoreUnder(f.data.data());
        EXPECT_EQ(f.data, restored.data);

        StoreLive(s.timeX, 2);
        StoreLive(s.timeY, 3);
        o.SetMask(Mask({".#.", "###"}));
        o.StampTime(f.data.data());
        VideoFrame fresh = pristine;
        o.StampTime(fresh.data.data());
        EXPECT_EQ(f.data, fresh.data);
        // Forgotten (a new picture came): nothing of the old one is put back.
        o.ForgetUnder();
        VideoFrame other;
        other.Resize(8, 6);
        o.RestoreUnder(other.data.data());
        EXPECT_EQ(other.data, std::vector<uint8_t>(other.data.size(), 0));
    }
}
