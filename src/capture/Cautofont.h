// Text and guide-line overlays: fonts, the one-bit text mask and its stamping into frames.
#pragma once

#include <QDateTime>
#include <QFont>
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "capture/PixelWriters.h"
#include "capture/PlaneStamp.h"
#include "config/Cdataclass.h"

namespace trelvix {

// Holds the font a renderer draws with, made from the stored 92-byte font image.
class CAutoFont {
public:
    CAutoFont();
    // The stored image as a font; an all-zero image means the system's default font.
    static QFont ToQFont(const LogFontW& lf);
    static LogFontW FromQFont(const QFont& font);

    // maxPixelSize bounds the character height (0: no bound).
    void Create(const LogFontW& lf, int maxPixelSize = 0);
    const QFont& font() const { return font_; }
    const LogFontW& logFont() const { return logFont_; }

private:
    LogFontW logFont_;
    QFont font_;
};

// A rendered text: one bit per pixel, rows top-down, most significant bit first;
// 0 is ink, 1 is background.
struct TextMask {
    int width = 0;
    int height = 0;
    int stride = 0;  // ((width + 31) / 32) × 4
    std::vector<uint8_t> bits;
    QString text;

    bool Ink(int x, int y) const {
        return !(bits[size_t(y) * size_t(stride) + size_t(x / 8)] & (0x80 >> (x % 8)));
    }
};

// Renders `text` with `font`; null when the text is empty or cannot be drawn.
// At most maxWidth × maxHeight pixels are drawn (0: no bound): a text never needs more than
// its frame can show.
std::shared_ptr<const TextMask> RenderTextMask(const QString& text, const QFont& font,
                                               int maxWidth = 0, int maxHeight = 0);

// The date and time text of a time format (0 to 3); empty for any other format.
QString TimeText(int timeFormat, const QDateTime& when);

// The two guide lines, written straight into a top-down frame. Rows out of range are first
// moved to 200 and 100 in the settings; rows that still miss the frame are skipped.
void DrawGuideLines(uint8_t* frame, int width, int height, int stride, CDataClass* settings);

// One text renderer: the caption, or the date and time of one frame path.
class COverlayController {
public:
    explicit COverlayController(CDataClass* settings);
    virtual ~COverlayController();

    // Format and geometry of the frames to stamp.
    void SetCaptionFormat(int code);
    void SetTimeFormat(int code);
    void SetGeometry(int width, int height, int bitCount, bool bottomUp);
    void SetCaptionColour(uint8_t r, uint8_t g, uint8_t b);
    void SetTimeColour(uint8_t r, uint8_t g, uint8_t b);
    void CaptionFontChanged();
    void TimeFontChanged();

    virtual bool RenderCaption();
    virtual void Deactivate();
    virtual void DrawCaption(uint8_t* frame);
    // Renders the time text of `now` (again only when the text or font changed) and stamps it.
    virtual void DrawTime(uint8_t* frame, const QDateTime& now);
    virtual void Activate();
    virtual bool CanRender() const { return true; }
    virtual void StampCaption(uint8_t* frame);
    virtual void StampTime(uint8_t* frame);

    bool active() const;
    int pixelFormatCode() const;
    std::shared_ptr<const TextMask> mask() const;
    // Tests stamp a mask whose bits they know.
    void SetMask(std::shared_ptr<const TextMask> mask);
    // While on, each stamp keeps what it covered, so the same picture can be stamped again as
    // if it were fresh (the recording path, when no newer frame came).
    void KeepUnder(bool on);
    // Puts back what the last stamp covered, once; nothing when it kept nothing.
    void RestoreUnder(uint8_t* frame);
    // The same three on a frame's planes.
    void DrawCaption(PlanarFrame& frame);
    void DrawTime(PlanarFrame& frame, const QDateTime& now);
    void RestoreUnder(PlanarFrame& frame);
    // The picture changed: what was kept belongs to no frame any more.
    void ForgetUnder();

private:
    void CreateWriter(bool caption);
    bool RenderInto(const QString& text, const LogFontW& lf);
    // Renders the time text of `now` when it changed; whether there is a text to stamp.
    bool PrepareTime(const QDateTime& now);
    void Stamp(uint8_t* frame, int x, int y);
    void Stamp(PlanarFrame& frame, int x, int y);
    // Under the lock: keeps `count` rows from `first`, `bytes` bytes from `offset` in each.
    void KeepRows(const uint8_t* frame, int first, int count, int offset, int bytes);

    CDataClass* settings_;
    mutable std::mutex mutex_;  // guards what the UI thread swaps while a frame thread stamps
    std::unique_ptr<CBasePixel> pixelWriter_;
    std::shared_ptr<const TextMask> mask_;
    bool active_ = false;
    std::atomic<bool> fontDirty_{true};
    int pixelFormatCode_ = 0;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    int frameStride_ = 0;
    int bitCount_ = 0;
    bool bottomUp_ = true;
    bool keepUnder_ = false;
    std::vector<uint8_t> under_;  // the covered rows' bytes, row after row
    int underRow_ = 0, underRows_ = 0, underOffset_ = 0, underBytes_ = 0;
    PlaneUnder planesUnder_;
    CAutoFont font_;
};

}  // namespace trelvix
