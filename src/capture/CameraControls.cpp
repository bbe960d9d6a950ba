#include "capture/CameraControls.h"

#include <fcntl.h>
#include <gst/gst.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "capture/Devices.h"

namespace trelvix {

namespace {

int Ioctl(int fd, unsigned long request, void* arg) {
    int r;
    do {
        r = ::ioctl(fd, request, arg);
    } while (r < 0 && errno == EINTR);
    return r;
}

// A bogus driver must not make the panel list thousands of menu entries.
constexpr int kMaxMenuEntries = 256;

QString FixedText(const uint8_t* text, size_t size) {
    const char* s = reinterpret_cast<const char*>(text);
    return QString::fromUtf8(s, qsizetype(strnlen(s, size)));
}

void QueryMenu(int fd, const v4l2_queryctrl& q, CameraControl* c) {
    for (int64_t i = q.minimum; i <= q.maximum && c->menu.size() < kMaxMenuEntries; ++i) {
        v4l2_querymenu m{};
        m.id = q.id;
        m.index = uint32_t(i);
        if (Ioctl(fd, VIDIOC_QUERYMENU, &m) != 0) continue;  // gaps are allowed
        const QString text = q.type == V4L2_CTRL_TYPE_INTEGER_MENU
                                 ? QString::number(m.value)
                                 : FixedText(m.name, sizeof m.name);
        c->menu.emplace_back(int32_t(i), text);
    }
}

std::optional<CameraControl> Convert(int fd, const v4l2_queryctrl& q) {
    if (q.flags & V4L2_CTRL_FLAG_DISABLED) return std::nullopt;
    CameraControl c;
    switch (q.type) {
        case V4L2_CTRL_TYPE_INTEGER:
            c.kind = CameraControl::Kind::Integer;
            break;
        case V4L2_CTRL_TYPE_BOOLEAN:
            c.kind = CameraControl::Kind::Boolean;
            break;
        case V4L2_CTRL_TYPE_MENU:
        case V4L2_CTRL_TYPE_INTEGER_MENU:
            c.kind = CameraControl::Kind::Menu;
            break;
        case V4L2_CTRL_TYPE_BUTTON:
            c.kind = CameraControl::Kind::Button;
            break;
        default:
            return std::nullopt;  // classes, 64-bit, strings, bit masks
    }
    c.id = q.id;
    c.name = FixedText(q.name, sizeof q.name);
    c.minimum = q.minimum;
    c.maximum = q.maximum;
    c.step = q.step > 0 ? q.step : 1;
    c.defaultValue = q.default_value;
    c.readOnly = q.flags & (V4L2_CTRL_FLAG_READ_ONLY | V4L2_CTRL_FLAG_GRABBED);
    c.inactive = q.flags & V4L2_CTRL_FLAG_INACTIVE;
    if (c.kind == CameraControl::Kind::Menu) QueryMenu(fd, q, &c);
    return c;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// V4L2

V4l2Controls::V4l2Controls(const QString& devicePath) {
    // Non-blocking: a control call must never wait on a busy device's stream.
    fd_ = ::open(devicePath.toLocal8Bit().constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
}

V4l2Controls::~V4l2Controls() {
    if (fd_ >= 0) ::close(fd_);
}

std::vector<CameraControl> V4l2Controls::List() {
    std::vector<CameraControl> out;
    if (fd_ < 0) return out;
    v4l2_queryctrl q{};
    q.id = V4L2_CTRL_FLAG_NEXT_CTRL;
    uint32_t last = 0;
    while (Ioctl(fd_, VIDIOC_QUERYCTRL, &q) == 0 && q.id > last) {
        last = q.id;
        if (auto c = Convert(fd_, q)) out.push_back(std::move(*c));
        q.id |= V4L2_CTRL_FLAG_NEXT_CTRL;
    }
    if (last != 0) return out;
    // Drivers without enumeration: the user controls one by one.
    for (uint32_t id = V4L2_CID_BASE; id < V4L2_CID_LASTP1; ++id)
        if (auto c = Query(id)) out.push_back(std::move(*c));
    return out;
}

std::optional<CameraControl> V4l2Controls::Query(uint32_t id) {
    if (fd_ < 0) return std::nullopt;
    v4l2_queryctrl q{};
    q.id = id;
    if (Ioctl(fd_, VIDIOC_QUERYCTRL, &q) != 0 || q.id != id) return std::nullopt;
    return Convert(fd_, q);
}

std::optional<int32_t> V4l2Controls::Get(uint32_t id) {
    if (fd_ < 0) return std::nullopt;
    v4l2_control c{};
    c.id = id;
    if (Ioctl(fd_, VIDIOC_G_CTRL, &c) != 0) return std::nullopt;
    return c.value;
}

bool V4l2Controls::Set(uint32_t id, int32_t value) {
    if (fd_ < 0) return false;
    v4l2_control c{};
    c.id = id;
    c.value = value;
    return Ioctl(fd_, VIDIOC_S_CTRL, &c) == 0;
}

// ---------------------------------------------------------------------------------------------
// Synthetic sources

namespace {

struct BalanceRange {
    uint32_t id;
    const char* name;
    const char* property;
    int32_t minimum, maximum, defaultValue;
    bool onGamma;
};

// Hundredths of the element's value; each default sits at exactly 50 %, so a fresh record
// reads and re-applies it without drift and the elements stay in pass-through.
constexpr BalanceRange kBalance[] = {
    {V4L2_CID_BRIGHTNESS, "Brightness", "brightness", -100, 100, 0, false},
    {V4L2_CID_CONTRAST, "Contrast", "contrast", 0, 200, 100, false},
    {V4L2_CID_SATURATION, "Saturation", "saturation", 0, 200, 100, false},
    {V4L2_CID_HUE, "Hue", "hue", -100, 100, 0, false},
    {V4L2_CID_GAMMA, "Gamma", "gamma", 1, 199, 100, true},
};

const BalanceRange* BalanceRangeOf(uint32_t id) {
    for (const BalanceRange& s : kBalance)
        if (s.id == id) return &s;
    return nullptr;
}

CameraControl ControlOf(const BalanceRange& s) {
    CameraControl c;
    c.id = s.id;
    c.name = QString::fromLatin1(s.name);
    c.minimum = s.minimum;
    c.maximum = s.maximum;
    c.defaultValue = s.defaultValue;
    return c;
}

}  // namespace

BalanceControls::BalanceControls(GstElement* balance, GstElement* gamma)
    : balance_(balance ? GST_ELEMENT(gst_object_ref(balance)) : nullptr),
      gamma_(gamma ? GST_ELEMENT(gst_object_ref(gamma)) : nullptr) {}

BalanceControls::~BalanceControls() {
    if (balance_) gst_object_unref(balance_);
    if (gamma_) gst_object_unref(gamma_);
}

GstElement* BalanceControls::ElementOf(uint32_t id) const {
    const BalanceRange* s = BalanceRangeOf(id);
    if (!s) return nullptr;
    return s->onGamma ? gamma_ : balance_;
}

std::vector<CameraControl> BalanceControls::List() {
    std::vector<CameraControl> out;
    for (const BalanceRange& s : kBalance)
        if (ElementOf(s.id)) out.push_back(ControlOf(s));
    return out;
}

std::optional<CameraControl> BalanceControls::Query(uint32_t id) {
    if (!ElementOf(id)) return std::nullopt;
    return ControlOf(*BalanceRangeOf(id));
}

std::optional<int32_t> BalanceControls::Get(uint32_t id) {
    GstElement* e = ElementOf(id);
    if (!e) return std::nullopt;
    double v = 0;
    g_object_get(e, BalanceRangeOf(id)->property, &v, nullptr);
    return int32_t(std::lround(v * 100));
}

bool BalanceControls::Set(uint32_t id, int32_t value) {
    GstElement* e = ElementOf(id);
    if (!e) return false;
    const BalanceRange* s = BalanceRangeOf(id);
    // As a driver does: out-of-range values are clamped, not refused.
    value = std::clamp(value, s->minimum, s->maximum);
    g_object_set(e, s->property, value / 100.0, nullptr);
    return true;
}

std::unique_ptr<CameraControls> MakeCameraControls(const QString& deviceId, GstElement* source) {
    if (IsSyntheticId(deviceId)) {
        if (!source || !GST_IS_BIN(source)) return nullptr;
        GstElement* balance = gst_bin_get_by_name(GST_BIN(source), kBalanceElementName);
        GstElement* gamma = gst_bin_get_by_name(GST_BIN(source), kGammaElementName);
        auto controls = std::make_unique<BalanceControls>(balance, gamma);
        if (balance) gst_object_unref(balance);
        if (gamma) gst_object_unref(gamma);
        return controls;
    }
    if (!deviceId.startsWith(QLatin1Char('/'))) return nullptr;
    auto controls = std::make_unique<V4l2Controls>(deviceId);
    if (!controls->IsOpen()) return nullptr;
    return controls;
}

}  // namespace trelvix
