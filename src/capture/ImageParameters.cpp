#include "capture/ImageParameters.h"

#include <linux/videodev2.h>

#include <algorithm>

#include "capture/CameraControls.h"

namespace trelvix {

namespace {

struct ParameterEntry {
    uint32_t controlId;
    LiveNumber<int32_t> CDataClass::*field;
};

constexpr ParameterEntry kEntries[kImageParameterCount] = {
    {V4L2_CID_BRIGHTNESS, &CDataClass::imageBrightness},
    {V4L2_CID_CONTRAST, &CDataClass::imageContrast},
    {V4L2_CID_SATURATION, &CDataClass::imageSaturation},
    {V4L2_CID_HUE, &CDataClass::imageHue},
    {V4L2_CID_SHARPNESS, &CDataClass::imageSharpness},
    {V4L2_CID_GAMMA, &CDataClass::imageGamma},
};

const ParameterEntry& EntryOf(ImageParameter p) {
    return kEntries[static_cast<int>(p)];
}

// A control whose range can hold percentages.
std::optional<CameraControl> RangedControl(CameraControls* controls, ImageParameter p) {
    auto c = controls->Query(EntryOf(p).controlId);
    if (!c || c->maximum <= c->minimum) return std::nullopt;
    return c;
}

}  // namespace

uint32_t ImageParameterControlId(ImageParameter p) {
    return EntryOf(p).controlId;
}

void SetImageParameterValue(CDataClass& record, ImageParameter p, int32_t percent) {
    StoreLive(record.*(EntryOf(p).field), percent);
}

int32_t ImageParameterValue(const CDataClass& record, ImageParameter p) {
    return Live(record.*(EntryOf(p).field));
}

int32_t PercentOfRange(int32_t value, int32_t minimum, int32_t maximum) {
    if (maximum <= minimum) return -1;
    // 64 bits: a full 32-bit range times 100 does not fit in 32.
    const int64_t v = std::clamp(value, minimum, maximum);
    return int32_t((v - minimum) * 100 / (int64_t(maximum) - minimum));
}

int32_t ValueOfPercent(int32_t percent, int32_t minimum, int32_t maximum) {
    return int32_t(minimum + (int64_t(maximum) - minimum) * percent / 100);
}

void ReadImageParameters(CDataClass& record, CameraControls* controls) {
    if (!controls) return;
    for (ImageParameter p : kImageParameters) {
        const int32_t stored = ImageParameterValue(record, p);
        // A damaged entry beyond 100 is no percentage: it is read again like an unset one.
        if (stored >= 0 && stored <= 100) continue;
        const auto c = RangedControl(controls, p);
        if (!c) continue;
        if (const auto value = controls->Get(c->id))
            SetImageParameterValue(record, p, PercentOfRange(*value, c->minimum, c->maximum));
    }
}

void ApplyImageParameters(const CDataClass& record, CameraControls* controls) {
    if (!controls) return;
    for (ImageParameter p : kImageParameters) {
        const int32_t percent = ImageParameterValue(record, p);
        if (percent < 0 || percent > 100) continue;
        if (const auto c = RangedControl(controls, p))
            controls->Set(c->id, ValueOfPercent(percent, c->minimum, c->maximum));
    }
}

bool ImageParameterAdjustable(const CDataClass& record, CameraControls* controls,
                              ImageParameter p) {
    const int32_t percent = ImageParameterValue(record, p);
    if (percent < 0 || percent > 100) return false;
    if (!controls) return true;  // kept, and applied when the camera next starts
    const auto c = RangedControl(controls, p);
    return c && !c->readOnly;
}

}  // namespace trelvix
