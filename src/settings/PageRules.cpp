#include "settings/PageRules.h"

#include <variant>

namespace trelvix {

MotionRegion StoredRegion(CDataClass& s) {
    return {Live(s.motionLeft), Live(s.motionTop), Live(s.motionRight), Live(s.motionBottom)};
}

void StoreRegion(CDataClass& s, const MotionRegion& r) {
    StoreLive(s.motionLeft, int32_t(r.left));
    StoreLive(s.motionTop, int32_t(r.top));
    StoreLive(s.motionRight, int32_t(r.right));
    StoreLive(s.motionBottom, int32_t(r.bottom));
}

MotionRegion RepairRegion(MotionRegion r, int width, int height) {
    if (r.right > width) {
        r.left = 0;
        r.right = width - 1;
    }
    if (r.bottom > height) {
        r.top = 0;
        r.bottom = height - 1;
    }
    if (r.bottom - r.top < 30) {
        r.top = 0;
        r.bottom = 30;
    }
    if (r.right - r.left < 30) {
        r.left = 0;
        r.right = 30;
    }
    if (r.top < 0) r.top = 0;
    if (r.left < 0) r.left = 0;
    return r;
}

MotionRegion MoveRegion(MotionRegion r, int dx, int dy, int width, int height) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (r.left + dx <= 0 || r.left + dx + w >= width) return r;
    r.left += dx;
    r.right = r.left + w;
    if (r.top + dy > 0 && r.top + dy + h < height) {
        r.top += dy;
        r.bottom = r.top + h;
    }
    return r;
}

MotionRegion ResizeRegion(MotionRegion r, int edge, int delta, int width, int height) {
    switch (edge) {
        case kLeftEdge:
            if (const int v = r.left + delta; v >= 0 && v < width && v + 20 < r.right) r.left = v;
            break;
        case kRightEdge:
            if (const int v = r.right + delta; v > 0 && v < width && r.left + 20 < v) r.right = v;
            break;
        case kTopEdge:
            if (const int v = r.top + delta; v >= 0 && v < height && v + 20 < r.bottom) r.top = v;
            break;
        case kBottomEdge:
            if (const int v = r.bottom + delta; v >= 0 && v < height && r.top + 20 < v)
                r.bottom = v;
            break;
        default:
            break;
    }
    return r;
}

namespace {

using C = CDataClass;
using SharedField = std::variant<LiveNumber<int32_t> C::*, LiveNumber<uint8_t> C::*, SyncText C::*>;

// The groups in the order they are copied; the region's four edges count as one block.
// clang-format off
const SharedField kSharedFields[] = {
    &C::motionAreaPercent,                                                            // 1
    &C::motionSensitivity, &C::motionEnabled, &C::motionIntervalSeconds,              // 2
    &C::motionLeft, &C::motionTop, &C::motionRight, &C::motionBottom,                 // 3
    &C::motionMode, &C::motionMinSize, &C::motionPeople,
    &C::videoFolder, &C::imageFolder,                                                 // 4
    &C::spareText1, &C::spareText2, &C::spareText3,                                   // 5
    &C::timeFormat,                                                                   // 6
    &C::shutterSound, &C::shutterSoundFile,                                           // 7
    &C::motionSound, &C::motionSoundFile, &C::motionNoPicture, &C::motionRunProgram,  // 8
    &C::motionProgramPath, &C::motionProgramShow, &C::motionProgramParams,
    &C::motionRecord, &C::motionRecordStopSeconds,
    &C::ftpIntervalSeconds, &C::ftpUploadSeconds, &C::ftpBatchSize,                   // 9
    &C::ftpDateFolders, &C::ftpUseFixedName, &C::ftpFixedFileName, &C::ftpHost,
    &C::ftpUser, &C::ftpPort, &C::ftpPassword, &C::ftpFolder, &C::ftpEnabled,
    &C::rulerShow,                                                                    // 10
    &C::segmentMinutes, &C::xvidCompress, &C::xvidQuant,                              // 11
    &C::recordCodec, &C::preMotionSeconds,
};
// clang-format on

}  // namespace

void CopySharedSettings(CDataClass& from, CDataClass& to) {
    if (&from == &to) return;
    for (const SharedField& field : kSharedFields) {
        std::visit(
            [&](auto member) {
                using T = std::remove_reference_t<decltype(from.*member)>;
                if constexpr (std::is_same_v<T, SyncText>)
                    (to.*member).set((from.*member).get());
                else
                    StoreLive(to.*member, Live(from.*member));
            },
            field);
    }
}

}  // namespace trelvix
