#include "capture/Devices.h"

#include <gst/gst.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <atomic>
#include <mutex>

#include "config/NetCams.h"

namespace trelvix {

namespace {
std::atomic<bool> syntheticListed{false};
std::atomic<int> syntheticCount{4};
const char* const kDemoPatterns[] = {"ball", "smpte", "zone", "pinwheel"};
std::mutex listerMutex;
std::function<void(QStringList*, QStringList*)> testLister;
}  // namespace

void SetDeviceListerForTesting(std::function<void(QStringList*, QStringList*)> lister) {
    std::lock_guard lock(listerMutex);
    testLister = std::move(lister);
}

void EnsureGStreamer() {
    static std::once_flag once;
    std::call_once(once, [] { gst_init(nullptr, nullptr); });
}

void SetSyntheticSourcesListed(bool listed, int count) {
    syntheticListed = listed;
    syntheticCount = count;
}

bool SyntheticSourcesListed() {
    return syntheticListed;
}

namespace {

// The /dev/v4l/by-id link of a device node, which survives re-plugging; the node otherwise.
QString StableDevicePath(const QString& node) {
    const QDir byId(QStringLiteral("/dev/v4l/by-id"));
    const QString target = QFileInfo(node).canonicalFilePath();
    for (const QFileInfo& link :
         byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (link.canonicalFilePath() == target && !target.isEmpty()) return link.absoluteFilePath();
    }
    return node;
}

}  // namespace

void EnumerateVideoDevices(QStringList* ids, QStringList* names) {
    EnsureGStreamer();
    {
        std::lock_guard lock(listerMutex);
        if (testLister) {
            testLister(ids, names);
            return;
        }
    }
    GstDeviceMonitor* monitor = gst_device_monitor_new();
    gst_device_monitor_add_filter(monitor, "Video/Source", nullptr);
    QStringList seenNodes;
    if (gst_device_monitor_start(monitor)) {
        GList* devices = gst_device_monitor_get_devices(monitor);
        for (GList* l = devices; l; l = l->next) {
            GstDevice* device = GST_DEVICE(l->data);
            GstStructure* props = gst_device_get_properties(device);
            QString node;
            if (props) {
                for (const char* key : {"device.path", "api.v4l2.path", "object.path"}) {
                    const char* v = gst_structure_get_string(props, key);
                    if (v && QString::fromUtf8(v).startsWith(QLatin1String("/dev/video"))) {
                        node = QString::fromUtf8(v);
                        break;
                    }
                }
                gst_structure_free(props);
            }
            if (!node.isEmpty() && !seenNodes.contains(node)) {
                seenNodes << node;
                gchar* display = gst_device_get_display_name(device);
                ids->append(StableDevicePath(node));
                names->append(display ? QString::fromUtf8(display) : node);
                g_free(display);
            }
        }
        g_list_free_full(devices, gst_object_unref);
        gst_device_monitor_stop(monitor);
    }
    gst_object_unref(monitor);

    if (syntheticListed) {
        for (int i = 0; i < syntheticCount; ++i) {
            const QString id = QStringLiteral("test:") + QLatin1String(kDemoPatterns[i % 4]);
            SyntheticSource s;
            ParseSyntheticId(id, &s);
            ids->append(id);
            names->append(SyntheticFriendlyName(s));
        }
    }
}

bool IsSyntheticId(const QString& id) {
    return id.startsWith(QLatin1String("test:"));
}

bool ParseSyntheticId(const QString& id, SyntheticSource* out) {
    static const QRegularExpression re(
        QStringLiteral("^test:([a-z-]+)(?::(\\d{1,5})x(\\d{1,5})(?:@(\\d{1,3}))?)?$"));
    const auto m = re.match(id);
    if (!m.hasMatch()) return false;
    SyntheticSource s;
    s.pattern = m.captured(1);
    static const QStringList kPatterns = {"ball", "smpte", "zone", "pinwheel", "snow", "black"};
    if (!kPatterns.contains(s.pattern)) return false;
    if (m.capturedLength(2)) {
        s.width = m.captured(2).toInt();
        s.height = m.captured(3).toInt();
    }
    if (m.capturedLength(4)) s.fps = m.captured(4).toInt();
    if (s.width < 16 || s.height < 16 || s.width > 7680 || s.height > 4320 || s.fps < 1 ||
        s.fps > 240)
        return false;
    *out = s;
    return true;
}

QString SyntheticFriendlyName(const SyntheticSource& s) {
    return QStringLiteral("Test source (%1, %2×%3)").arg(s.pattern).arg(s.width).arg(s.height);
}

bool IsNetworkStreamId(const QString& id) {
    // "http://" addresses are network cameras now; other "http:" texts stay stopped.
    return id.left(4).compare(QLatin1String("mms:"), Qt::CaseInsensitive) == 0 ||
           (id.left(5).compare(QLatin1String("http:"), Qt::CaseInsensitive) == 0 &&
            !IsNetworkCameraAddress(id));
}

}  // namespace trelvix
