// The adjustable controls of a running camera: a capture device's V4L2 controls, or the
// balance and gamma elements of a synthetic source, behind one interface.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

typedef struct _GstElement GstElement;

namespace trelvix {

struct CameraControl {
    enum class Kind { Integer, Boolean, Menu, Button };

    uint32_t id = 0;  // the V4L2 control id, synthetic sources included
    QString name;
    Kind kind = Kind::Integer;
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t step = 1;
    int32_t defaultValue = 0;
    // Menu entries as (value, text); a device may leave gaps between values.
    std::vector<std::pair<int32_t, QString>> menu;
    bool readOnly = false;
    // Present but currently without effect (e.g. a manual value while the automatic is on).
    bool inactive = false;
};

class CameraControls {
public:
    virtual ~CameraControls() = default;
    // Every control the device reports, in its order.
    virtual std::vector<CameraControl> List() = 0;
    // One control; none when the device does not have it.
    virtual std::optional<CameraControl> Query(uint32_t id) = 0;
    virtual std::optional<int32_t> Get(uint32_t id) = 0;
    virtual bool Set(uint32_t id, int32_t value) = 0;
};

// A V4L2 device node's controls. A node that cannot be opened, or is no V4L2 device, has none.
class V4l2Controls : public CameraControls {
public:
    explicit V4l2Controls(const QString& devicePath);
    ~V4l2Controls() override;
    V4l2Controls(const V4l2Controls&) = delete;
    V4l2Controls& operator=(const V4l2Controls&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    std::vector<CameraControl> List() override;
    std::optional<CameraControl> Query(uint32_t id) override;
    std::optional<int32_t> Get(uint32_t id) override;
    bool Set(uint32_t id, int32_t value) override;

private:
    int fd_ = -1;
};

// A synthetic source's brightness, contrast, saturation and hue (videobalance) and gamma
// (gamma), as integer controls with their defaults in the middle of each range.
class BalanceControls : public CameraControls {
public:
    // Either element may be missing; the controls it would give are then absent.
    BalanceControls(GstElement* balance, GstElement* gamma);
    ~BalanceControls() override;
    BalanceControls(const BalanceControls&) = delete;
    BalanceControls& operator=(const BalanceControls&) = delete;

    std::vector<CameraControl> List() override;
    std::optional<CameraControl> Query(uint32_t id) override;
    std::optional<int32_t> Get(uint32_t id) override;
    bool Set(uint32_t id, int32_t value) override;

private:
    GstElement* ElementOf(uint32_t id) const;

    GstElement* balance_ = nullptr;
    GstElement* gamma_ = nullptr;
};

// The element names a synthetic source's description gives its balance and gamma elements.
inline constexpr const char* kBalanceElementName = "balance";
inline constexpr const char* kGammaElementName = "gamma";

// The controls of a camera's source: V4L2 for a device path, the balance elements found in
// `source` for a synthetic one, none otherwise.
std::unique_ptr<CameraControls> MakeCameraControls(const QString& deviceId, GstElement* source);

}  // namespace trelvix
