// What the camera pages do to a settings record that is plain arithmetic: the motion region's
// repairs and mouse edits, and the copy of settings from one camera to the others.
#pragma once

#include <atomic>
#include <cstdint>

#include "capture/Motion.h"
#include "config/Cdataclass.h"

namespace trelvix {

MotionRegion StoredRegion(CDataClass& s);
void StoreRegion(CDataClass& s, const MotionRegion& r);

// The region as loaded for a width × height picture: pulled inside it and at least 30 pixels
// each way, in the order the motion page repairs it.
MotionRegion RepairRegion(MotionRegion r, int width, int height);

// Picture pixels per panel pixel: whole numbers, so a picture smaller than the panel gives 0.
inline int PanelFactor(int pictureSize, int panelSize) {
    return panelSize > 0 ? pictureSize / panelSize : 0;
}

// "Near" an edge: at most 3 picture pixels away.
inline bool NearEdge(int position, int edge) {
    return position - edge <= 3 && edge - position <= 3;
}

// A drag step: the region keeps its size; a step that would reach the left or right border is
// refused as a whole, one that would reach the top or bottom border moves only sideways.
MotionRegion MoveRegion(MotionRegion r, int dx, int dy, int width, int height);

enum RegionEdge : int32_t {
    kNoEdge = 0,
    kLeftEdge = 1,
    kRightEdge = 2,
    kTopEdge = 3,
    kBottomEdge = 4
};
// A resize step of one edge; refused when it would leave the picture or make the region 20
// pixels or less across.
MotionRegion ResizeRegion(MotionRegion r, int edge, int delta, int width, int height);

// The "apply to all cameras" copy: the listed groups of `from` into `to`, in their order;
// everything else of `to` (its caption, fonts, positions, broadcast, device) stays its own.
void CopySharedSettings(CDataClass& from, CDataClass& to);

}  // namespace trelvix
