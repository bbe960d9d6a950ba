#include "capture/Cautofont.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <cstring>

namespace trelvix {

namespace {
constexpr int kDefaultPixelSize = 16;  // the height of the desktop's default font in a mask
constexpr int kMaxPixelSize = 4320;    // the tallest frame
}  // namespace

CAutoFont::CAutoFont() {
    logFont_.lfHeight = -12;
    logFont_.lfWeight = 400;
    logFont_.lfQuality = 2;
    logFont_.lfPitchAndFamily = 18;
    const QString face = QStringLiteral("Arial");
    for (int i = 0; i < face.size(); ++i) logFont_.lfFaceName[i] = face[i].unicode();
    font_ = ToQFont(logFont_);
}

QFont CAutoFont::ToQFont(const LogFontW& lf) {
    QFont f = QGuiApplication::font();
    f.setStyleStrategy(QFont::NoAntialias);  // a one-bit mask: no grey edges
    if (lf == LogFontW{}) {
        f.setPixelSize(kDefaultPixelSize);
        return f;
    }
    int n = 0;
    while (n < 32 && lf.lfFaceName[n]) ++n;
    if (n > 0) f.setFamily(QString::fromUtf16(lf.lfFaceName, n));
    // Any stored height, INT_MIN included, becomes a size a frame can hold.
    const int px = int(std::min<int64_t>(std::abs(int64_t(lf.lfHeight)), kMaxPixelSize));
    if (lf.lfHeight < 0) {
        f.setPixelSize(px);
    } else if (lf.lfHeight > 0) {
        // A positive height is the whole cell; scale the character height to fit it.
        f.setPixelSize(px);
        const int cell = QFontMetrics(f).height();
        if (cell > 0) f.setPixelSize(std::max(1, int(int64_t(px) * px / cell)));
    } else {
        f.setPixelSize(kDefaultPixelSize);
    }
    if (lf.lfWeight > 0) f.setWeight(QFont::Weight(std::clamp<int>(lf.lfWeight, 1, 1000)));
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    return f;
}

LogFontW CAutoFont::FromQFont(const QFont& font) {
    LogFontW lf;
    const int px = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).ascent();
    lf.lfHeight = -px;
    lf.lfWeight = font.weight();
    lf.lfItalic = font.italic();
    lf.lfUnderline = font.underline();
    lf.lfStrikeOut = font.strikeOut();
    lf.lfQuality = 2;
    const QString family = font.family().left(31);
    for (int i = 0; i < family.size(); ++i) lf.lfFaceName[i] = family[i].unicode();
    return lf;
}

void CAutoFont::Create(const LogFontW& lf, int maxPixelSize) {
    logFont_ = lf;
    font_ = ToQFont(lf);
    if (maxPixelSize > 0 && font_.pixelSize() > maxPixelSize) font_.setPixelSize(maxPixelSize);
}

std::shared_ptr<const TextMask> RenderTextMask(const QString& text, const QFont& font, int maxWidth,
                                               int maxHeight) {
    if (text.isEmpty()) return nullptr;
    const QFontMetrics fm(font);
    int w = fm.horizontalAdvance(text);
    int h = fm.height();
    if (maxWidth > 0) w = std::min(w, maxWidth);
    if (maxHeight > 0) h = std::min(h, maxHeight);
    if (w <= 0 || h <= 0) return nullptr;
    QImage img(w, h, QImage::Format_Mono);
    img.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    img.fill(1);
    {
        QPainter p(&img);
        if (!p.isActive()) return nullptr;
        p.setFont(font);
        p.setPen(QColor(0, 0, 0));
        p.drawText(0, fm.ascent(), text);
    }
    auto mask = std::make_shared<TextMask>();
    mask->width = w;
    mask->height = h;
    mask->stride = ((w + 31) / 32) * 4;
    mask->text = text;
    mask->bits.assign(size_t(mask->stride) * size_t(h), 0xFF);
    const int rowBytes = (w + 7) / 8;
    for (int y = 0; y < h; ++y) {
        uint8_t* dst = mask->bits.data() + size_t(y) * size_t(mask->stride);
        std::memcpy(dst, img.constScanLine(y), size_t(rowBytes));
        if (w % 8) dst[rowBytes - 1] |= uint8_t(0xFF >> (w % 8));  // bits past the text
    }
    return mask;
}

QString TimeText(int timeFormat, const QDateTime& when) {
    static const char* const kWeekdays[] = {"Sun.",  "Mon.", "Tues.", "Wed.",
                                            "Thur.", "Fri.", "Sat."};
    const QDate d = when.date();
    const QTime t = when.time();
    const char* weekday = kWeekdays[d.dayOfWeek() % 7];
    switch (timeFormat) {
        case 0:
            return QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d", d.year(), d.month(), d.day(),
                                     t.hour(), t.minute(), t.second());
        case 1:
            return QString::asprintf("%04d/%02d/%02d/%s:%02d:%02d:%02d", d.year(), d.month(),
                                     d.day(), weekday, t.hour(), t.minute(), t.second());
        case 2:
            return QString::asprintf("%s:%02d:%02d:%02d", weekday, t.hour(), t.minute(),
                                     t.second());
        case 3:
            return QString::asprintf("%02d:%02d:%02d", t.hour(), t.minute(), t.second());
        default:
            return QString();
    }
}

void DrawGuideLines(uint8_t* frame, int width, int height, int stride, CDataClass* s) {
    if (!Live(s->rulerShow) || !frame) return;
    if (Live(s->ruler5Row) >= height || Live(s->ruler5Row) <= 10) StoreLive(s->ruler5Row, 200);
    if (Live(s->ruler10Row) >= height || Live(s->ruler10Row) <= 10) StoreLive(s->ruler10Row, 100);
    auto line = [&](int row, const Colour3& c, int length) {
        // The two picture rows directly above the configured row.
        for (int y = row - 2; y <= row - 1; ++y) {
            if (y < 0 || y >= height) continue;
            uint8_t* r = frame + size_t(stride) * size_t(y);
            for (int i = 0; i < length && i < width; ++i) {
                uint8_t* left = r + 3 * i;
                uint8_t* right = r + 3 * (width - 1 - i);
                left[0] = right[0] = c.c0;
                left[1] = right[1] = c.c1;
                left[2] = right[2] = c.c2;
            }
        }
    };
    line(Live(s->ruler5Row), Live(s->ruler5Colour), 100);
    line(Live(s->ruler10Row), Live(s->ruler10Colour), 80);
}

COverlayController::COverlayController(CDataClass* settings) : settings_(settings) {}

COverlayController::~COverlayController() = default;

void COverlayController::CreateWriter(bool caption) {
    auto writer = CreatePixelWriter(pixelFormatCode_);
    if (writer) {
        const Colour3 c = caption ? Live(settings_->captionColour) : Live(settings_->timeColour);
        writer->SetColour(c.c0, c.c1, c.c2);
    }
    pixelWriter_ = std::move(writer);
}

void COverlayController::SetCaptionFormat(int code) {
    std::lock_guard lock(mutex_);
    if (code == pixelFormatCode_) return;
    pixelFormatCode_ = code;
    CreateWriter(true);
}

void COverlayController::SetTimeFormat(int code) {
    std::lock_guard lock(mutex_);
    if (code == pixelFormatCode_) return;
    pixelFormatCode_ = code;
    CreateWriter(false);
}

void COverlayController::SetGeometry(int width, int height, int bitCount, bool bottomUp) {
    std::lock_guard lock(mutex_);
    frameWidth_ = width;
    frameHeight_ = std::abs(height);
    bitCount_ = bitCount;
    frameStride_ = (bitCount / 8 * width + 3) & ~3;
    bottomUp_ = bottomUp;
    underRows_ = 0;  // kept from frames of another shape
}

void COverlayController::SetCaptionColour(uint8_t r, uint8_t g, uint8_t b) {
    StoreLive(settings_->captionColour, {r, g, b});
    std::lock_guard lock(mutex_);
    if (pixelWriter_) pixelWriter_->SetColour(r, g, b);
}

void COverlayController::SetTimeColour(uint8_t r, uint8_t g, uint8_t b) {
    StoreLive(settings_->timeColour, {r, g, b});
    std::lock_guard lock(mutex_);
    if (pixelWriter_) pixelWriter_->SetColour(r, g, b);
}

void COverlayController::CaptionFontChanged() {
    fontDirty_ = true;
}

void COverlayController::TimeFontChanged() {
    fontDirty_ = true;
}

bool COverlayController::RenderInto(const QString& text, const LogFontW& lf) {
    int width, height;
    {
        std::lock_guard lock(mutex_);
        width = frameWidth_;
        height = frameHeight_;
    }
    if (fontDirty_) {
        font_.Create(lf, height);
        fontDirty_ = false;
    }
    // A text may start left of the frame: twice the width is all any position can show.
    auto mask = RenderTextMask(text, font_.font(), 2 * width, height);
    if (!mask) return false;
    std::lock_guard lock(mutex_);
    mask_ = std::move(mask);
    return true;
}

bool COverlayController::RenderCaption() {
    const QString caption = settings_->caption;
    if (caption.isEmpty()) {
        std::lock_guard lock(mutex_);
        active_ = false;
        return false;
    }
    const bool rendered = CanRender() && RenderInto(caption, settings_->captionFont);
    std::lock_guard lock(mutex_);
    active_ = pixelWriter_ && rendered;
    return active_;
}

void COverlayController::Deactivate() {
    std::lock_guard lock(mutex_);
    active_ = false;
}

void COverlayController::Activate() {
    std::lock_guard lock(mutex_);
    active_ = pixelWriter_ != nullptr;
}

void COverlayController::DrawCaption(uint8_t* frame) {
    if (active()) StampCaption(frame);
}

bool COverlayController::PrepareTime(const QDateTime& now) {
    if (!Live(settings_->showTime)) return false;
    const QString text = TimeText(Live(settings_->timeFormat), now);
    bool ok;
    {
        // The picture is the same as rendering every frame: only a new text or font re-renders.
        std::lock_guard lock(mutex_);
        ok = !fontDirty_ && mask_ && mask_->text == text && !text.isEmpty();
    }
    if (!ok) ok = RenderInto(text, settings_->timeFont);
    std::lock_guard lock(mutex_);
    active_ = ok;
    return ok;
}

void COverlayController::DrawTime(uint8_t* frame, const QDateTime& now) {
    if (PrepareTime(now)) StampTime(frame);
}

void COverlayController::DrawCaption(PlanarFrame& frame) {
    if (active()) Stamp(frame, Live(settings_->captionX), Live(settings_->captionY));
}

void COverlayController::DrawTime(PlanarFrame& frame, const QDateTime& now) {
    if (PrepareTime(now)) Stamp(frame, Live(settings_->timeX), Live(settings_->timeY));
}

void COverlayController::Stamp(PlanarFrame& frame, int x, int y) {
    std::lock_guard lock(mutex_);
    if (!mask_ || !pixelWriter_) return;
    const PlaneColour colour =
        ToPlaneColour(pixelWriter_->red, pixelWriter_->green, pixelWriter_->blue);
    StampOnPlanes(frame, *mask_, x, y, colour, keepUnder_ ? &planesUnder_ : nullptr);
}

void COverlayController::RestoreUnder(PlanarFrame& frame) {
    std::lock_guard lock(mutex_);
    planesUnder_.Restore(frame);
}

void COverlayController::StampCaption(uint8_t* frame) {
    Stamp(frame, Live(settings_->captionX), Live(settings_->captionY));
}

void COverlayController::StampTime(uint8_t* frame) {
    Stamp(frame, Live(settings_->timeX), Live(settings_->timeY));
}

void COverlayController::Stamp(uint8_t* frame, int x, int y) {
    std::lock_guard lock(mutex_);
    const TextMask* m = mask_.get();
    if (!frame || !m || !pixelWriter_ || bitCount_ % 8 != 0) return;
    // Positions far outside the frame draw nothing, and the arithmetic below never overflows.
    if (x <= -m->width || y <= -m->height) return;
    if (x >= frameWidth_ || y >= frameHeight_ || m->width <= 0 || m->height <= 0) return;
    // A text partly off the left or top edge is clipped there too.
    const int skipX = std::max(0, -x), skipY = std::max(0, -y);
    const int columns = std::min(frameWidth_ - x, m->width);
    const int rows = std::min(frameHeight_ - y, m->height);
    const int bpp = bitCount_ / 8;
    if (keepUnder_)
        KeepRows(frame, y + skipY, rows - skipY, (x + skipX) * bpp, (columns - skipX) * bpp);
    for (int i = skipY; i < rows; ++i) {
        const int frameRow = bottomUp_ ? frameHeight_ - 1 - (y + i) : y + i;
        uint8_t* rowStart = frame + size_t(frameStride_) * size_t(frameRow);
        const uint8_t* maskRow = m->bits.data() + size_t(i) * size_t(m->stride);
        for (int j = skipX; j < columns; ++j) {
            const uint8_t bits = maskRow[j >> 3];
            // Most of a text's box is background: its bytes are passed eight columns at a time.
            if (bits == 0xFF) {
                j |= 7;
                continue;
            }
            if (!(bits & (0x80 >> (j & 7))))
                pixelWriter_->WritePixel(rowStart + size_t(x + j) * size_t(bpp));
        }
    }
}

void COverlayController::KeepRows(const uint8_t* frame, int first, int count, int offset,
                                  int bytes) {
    under_.resize(size_t(count) * size_t(bytes));
    for (int i = 0; i < count; ++i) {
        const int row = bottomUp_ ? frameHeight_ - 1 - (first + i) : first + i;
        std::memcpy(under_.data() + size_t(i) * size_t(bytes),
                    frame + size_t(frameStride_) * size_t(row) + size_t(offset), size_t(bytes));
    }
    underRow_ = first;
    underRows_ = count;
    underOffset_ = offset;
    underBytes_ = bytes;
}

void COverlayController::KeepUnder(bool on) {
    std::lock_guard lock(mutex_);
    keepUnder_ = on;
    underRows_ = 0;
    planesUnder_.Forget();
}

void COverlayController::RestoreUnder(uint8_t* frame) {
    std::lock_guard lock(mutex_);
    if (!frame) return;
    for (int i = 0; i < underRows_; ++i) {
        const int row = bottomUp_ ? frameHeight_ - 1 - (underRow_ + i) : underRow_ + i;
        std::memcpy(frame + size_t(frameStride_) * size_t(row) + size_t(underOffset_),
                    under_.data() + size_t(i) * size_t(underBytes_), size_t(underBytes_));
    }
    underRows_ = 0;
}

void COverlayController::ForgetUnder() {
    std::lock_guard lock(mutex_);
    underRows_ = 0;
    planesUnder_.Forget();
}

bool COverlayController::active() const {
    std::lock_guard lock(mutex_);
    return active_;
}

int COverlayController::pixelFormatCode() const {
    std::lock_guard lock(mutex_);
    return pixelFormatCode_;
}

std::shared_ptr<const TextMask> COverlayController::mask() const {
    std::lock_guard lock(mutex_);
    return mask_;
}

void COverlayController::SetMask(std::shared_ptr<const TextMask> mask) {
    std::lock_guard lock(mutex_);
    mask_ = std::move(mask);
    active_ = pixelWriter_ != nullptr && mask_ != nullptr;
}

}  // namespace trelvix
