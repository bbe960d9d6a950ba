// The six picture controls a camera record keeps as percentages of each control's range:
// read from the device into unset entries, and applied to it, whenever a pipeline starts.
#pragma once

#include <cstdint>

#include "config/Cdataclass.h"

namespace trelvix {

class CameraControls;

// In the order the record stores them.
enum class ImageParameter { Brightness, Contrast, Saturation, Hue, Sharpness, Gamma };
inline constexpr int kImageParameterCount = 6;

inline constexpr ImageParameter kImageParameters[kImageParameterCount] = {
    ImageParameter::Brightness, ImageParameter::Contrast,  ImageParameter::Saturation,
    ImageParameter::Hue,        ImageParameter::Sharpness, ImageParameter::Gamma,
};

// The device control behind a parameter (a V4L2 control id).
uint32_t ImageParameterControlId(ImageParameter p);
// The record's member for a parameter: 0 to 100, or -1 when unset.
void SetImageParameterValue(CDataClass& record, ImageParameter p, int32_t percent);
int32_t ImageParameterValue(const CDataClass& record, ImageParameter p);

// (value - minimum) * 100 / (maximum - minimum), truncated; a value outside the range counts
// as its nearer end. -1 for a range without width, which has no percentages.
int32_t PercentOfRange(int32_t value, int32_t minimum, int32_t maximum);
// minimum + (maximum - minimum) * percent / 100, truncated.
int32_t ValueOfPercent(int32_t percent, int32_t minimum, int32_t maximum);

// Unset (or damaged) entries the device has take its current value. Nothing without controls.
void ReadImageParameters(CDataClass& record, CameraControls* controls);
// Entries from 0 to 100 are set on the device; a control it lacks or refuses is skipped.
void ApplyImageParameters(const CDataClass& record, CameraControls* controls);
// Whether the operator can move a parameter: it holds a percentage and, while the camera
// runs, its device has the control with a usable range.
bool ImageParameterAdjustable(const CDataClass& record, CameraControls* controls, ImageParameter p);

}  // namespace trelvix
