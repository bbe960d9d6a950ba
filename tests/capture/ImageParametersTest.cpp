#include <gtest/gtest.h>
#include <linux/videodev2.h>

#include <climits>
#include <map>

#include "capture/CameraControls.h"
#include "capture/ImageParameters.h"
#include "capture/Usbcamera.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "host/CameraCell.h"
#include "support/CameraFixture.h"
#include "support/FakeControls.h"
#include "support/Wait.h"

using namespace trelvix;
using trelvix::test::WaitFor;

namespace {

// A device with brightness at 0 in -64..64, contrast 0..255, and a hue whose range has no
// width; it has no saturation, sharpness or gamma. Sets are recorded.
class FakeDevice : public trelvix::test::FakeControls {
public:
    FakeDevice() {
        Add(V4L2_CID_BRIGHTNESS, -64, 64, 0);
        Add(V4L2_CID_CONTRAST, 0, 255, 32);
        Add(V4L2_CID_HUE, 5, 5, 5);
    }
};

}  // namespace

TEST(ImageParameterFormulas, PercentsMapOntoTheDeviceRangeAndBack) {
    EXPECT_EQ(ValueOfPercent(0, -64, 64), -64);
    EXPECT_EQ(ValueOfPercent(50, -64, 64), 0);
    EXPECT_EQ(ValueOfPercent(100, -64, 64), 64);
    EXPECT_EQ(PercentOfRange(-64, -64, 64), 0);
    EXPECT_EQ(PercentOfRange(0, -64, 64), 50);
    EXPECT_EQ(PercentOfRange(64, -64, 64), 100);
    EXPECT_EQ(PercentOfRange(1, 0, 3), 33);  // truncated
    // A value the device reports beyond its own range counts as the nearer end.
    EXPECT_EQ(PercentOfRange(900, -64, 64), 100);
    EXPECT_EQ(PercentOfRange(-900, -64, 64), 0);
    // The widest range does not overflow either way.
    EXPECT_EQ(PercentOfRange(INT_MAX, INT_MIN, INT_MAX), 100);
    EXPECT_EQ(PercentOfRange(0, INT_MIN, INT_MAX), 50);
    EXPECT_EQ(ValueOfPercent(100, INT_MIN, INT_MAX), INT_MAX);
    EXPECT_EQ(ValueOfPercent(0, INT_MIN, INT_MAX), INT_MIN);
    // A range without width has no percentages (and no division by zero).
    EXPECT_EQ(PercentOfRange(5, 5, 5), -1);
    EXPECT_EQ(PercentOfRange(5, 9, 1), -1);
}

TEST(ImageParameterRecord, AFreshRecordReadsTheDeviceOnceAndAppliesItsPercentsAfterwards) {
    FakeDevice device;
    CDataClass record;
    ReadImageParameters(record, &device);
    EXPECT_EQ(Live(record.imageBrightness), 50);
    EXPECT_EQ(Live(record.imageContrast), 12);  // 32 * 100 / 255
    EXPECT_EQ(Live(record.imageHue), -1);       // no width: stays unset
    EXPECT_EQ(Live(record.imageSaturation), -1);
    EXPECT_EQ(Live(record.imageSharpness), -1);
    EXPECT_EQ(Live(record.imageGamma), -1);

    ApplyImageParameters(record, &device);
    EXPECT_EQ(device.values[V4L2_CID_BRIGHTNESS], 0);
    EXPECT_EQ(device.values[V4L2_CID_CONTRAST], 30);  // 255 * 12 / 100
    EXPECT_EQ(device.sets.size(), 2u);                // nothing for missing or widthless ones

    // From then on the stored value wins over the device's own.
    device.values[V4L2_CID_BRIGHTNESS] = 40;
    StoreLive(record.imageBrightness, 0);
    ReadImageParameters(record, &device);
    EXPECT_EQ(Live(record.imageBrightness), 0);
    ApplyImageParameters(record, &device);
    EXPECT_EQ(device.values[V4L2_CID_BRIGHTNESS], -64);
    StoreLive(record.imageBrightness, 100);
    ApplyImageParameters(record, &device);
    EXPECT_EQ(device.values[V4L2_CID_BRIGHTNESS], 64);
}

TEST(ImageParameterRecord, DamagedEntriesRefusalsAndMissingDevicesLoseNothing) {
    FakeDevice device;
    CDataClass record;
    StoreLive(record.imageBrightness, 150);  // no percentage: read again
    StoreLive(record.imageContrast, -7);
    ApplyImageParameters(record, &device);
    EXPECT_TRUE(device.sets.empty());
    ReadImageParameters(record, &device);
    EXPECT_EQ(Live(record.imageBrightness), 50);
    EXPECT_EQ(Live(record.imageContrast), 12);

    device.refuseSets = true;
    StoreLive(record.imageBrightness, 80);
    ApplyImageParameters(record, &device);
    EXPECT_EQ(Live(record.imageBrightness), 80);
    EXPECT_EQ(device.values[V4L2_CID_BRIGHTNESS], 0);

    // No controls (camera not running): nothing read, stored values kept and adjustable.
    CDataClass idle;
    StoreLive(idle.imageHue, 30);
    ReadImageParameters(idle, nullptr);
    ApplyImageParameters(idle, nullptr);
    EXPECT_EQ(Live(idle.imageBrightness), -1);
    EXPECT_TRUE(ImageParameterAdjustable(idle, nullptr, ImageParameter::Hue));
    EXPECT_FALSE(ImageParameterAdjustable(idle, nullptr, ImageParameter::Brightness));
}

TEST(ImageParameterRecord, OnlyControlsTheDeviceHasAreAdjustableAndZeroIsOne) {
    FakeDevice device;
    CDataClass record;
    StoreLive(record.imageBrightness, 0);
    StoreLive(record.imageHue, 40);    // stored, but the device's hue has no range
    StoreLive(record.imageGamma, 60);  // stored, but this device has no gamma
    EXPECT_TRUE(ImageParameterAdjustable(record, &device, ImageParameter::Brightness));
    EXPECT_FALSE(ImageParameterAdjustable(record, &device, ImageParameter::Hue));
    EXPECT_FALSE(ImageParameterAdjustable(record, &device, ImageParameter::Gamma));
    EXPECT_FALSE(ImageParameterAdjustable(record, &device, ImageParameter::Contrast));  // unset
    device.controls[V4L2_CID_BRIGHTNESS].readOnly = true;
    EXPECT_FALSE(ImageParameterAdjustable(record, &device, ImageParameter::Brightness));
}

TEST(V4l2Controls, ANodeThatIsNoCaptureDeviceHasNoControls) {
    V4l2Controls notADevice("/dev/null");
    EXPECT_TRUE(notADevice.IsOpen());
    EXPECT_TRUE(notADevice.List().empty());
    EXPECT_FALSE(notADevice.Query(V4L2_CID_BRIGHTNESS));
    EXPECT_FALSE(notADevice.Get(V4L2_CID_BRIGHTNESS));
    EXPECT_FALSE(notADevice.Set(V4L2_CID_BRIGHTNESS, 1));
    V4l2Controls missing("/dev/video-not-here");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_TRUE(missing.List().empty());
    EXPECT_FALSE(missing.Set(V4L2_CID_BRIGHTNESS, 1));
    EXPECT_EQ(MakeCameraControls("/dev/video-not-here", nullptr), nullptr);
    EXPECT_EQ(MakeCameraControls("rtsp://127.0.0.1/x", nullptr), nullptr);
}

namespace {

class SyntheticImageTest : public ::testing::Test, protected trelvix::test::OwnSettings {
protected:
    void SetUp() override { QFile::remove(CameraSettingsPath(3)); }
    void TearDown() override { camera.reset(); }
    void Start(const QString& id) {
        camera = std::make_unique<UsbCamera>(nullptr, &panel, &panel, id, 3);
        panel.AttachCamera(camera.get());
    }
    // The mean of the lower half's bytes of a frame shown after this call.
    double NextMeanLevel() {
        const uint64_t after = panel.framesShown() + 2;
        EXPECT_TRUE(WaitFor([&] { return panel.framesShown() > after; }));
        FramePtr f = panel.LatestFrame();
        if (!f) return -1;
        double sum = 0;
        for (int y = f->height / 2; y < f->height; ++y)
            for (int x = 0; x < f->width * 3; ++x) sum += f->Row(y)[x];
        return sum / (f->height / 2 * f->width * 3);
    }

    HeadlessPanel panel{3};
    std::unique_ptr<UsbCamera> camera;
};

}  // namespace

TEST_F(SyntheticImageTest, BrightnessChangesThePixelsAndThePercentsAreKept) {
    Start("test:black:160x120@30");
    ASSERT_TRUE(camera->HasGraph());
    CameraControls* controls = camera->device().Controls();
    ASSERT_NE(controls, nullptr);
    EXPECT_EQ(controls->List().size(), 5u);  // no sharpness
    CDataClass& record = *camera->settings;
    EXPECT_EQ(Live(record.imageBrightness), 50);
    EXPECT_EQ(Live(record.imageContrast), 50);
    EXPECT_EQ(Live(record.imageSaturation), 50);
    EXPECT_EQ(Live(record.imageHue), 50);
    EXPECT_EQ(Live(record.imageGamma), 50);
    EXPECT_EQ(Live(record.imageSharpness), -1);
    EXPECT_EQ(controls->Get(V4L2_CID_GAMMA), 100);  // read and applied without drift

    const double dark = NextMeanLevel();
    EXPECT_LT(dark, 30);
    StoreLive(record.imageBrightness, 90);
    camera->device().ApplyImageParameters();
    EXPECT_EQ(controls->Get(V4L2_CID_BRIGHTNESS), 80);
    const double bright = NextMeanLevel();
    EXPECT_GT(bright, dark + 80);

    // The percent survives the file and a restart, and is applied rather than read again.
    ASSERT_TRUE(record.Save());
    CDataClass reloaded;
    reloaded.Load(3);
    EXPECT_EQ(Live(reloaded.imageBrightness), 90);
    EXPECT_EQ(Live(reloaded.imageSharpness), -1);
    camera->StopCamera();
    EXPECT_EQ(camera->device().Controls(), nullptr);
    camera->RestartCamera();
    ASSERT_NE(camera->device().Controls(), nullptr);
    EXPECT_EQ(camera->device().Controls()->Get(V4L2_CID_BRIGHTNESS), 80);
    EXPECT_EQ(Live(record.imageBrightness), 90);
    EXPECT_GT(NextMeanLevel(), dark + 80);
}
