// The excluded-device list: any file loads, and the list saved loads back the same.
#include "config/DeviceList.h"
#include "fuzz/FuzzSupport.h"

using namespace trelvix;
using namespace trelvix::fuzz;

TRELVIX_FUZZ_INIT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString folder = Scratch() + "/devices/";
    QDir().mkpath(folder);
    WriteFile(folder + "device.bin",
              QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    DeviceList first(folder);
    first.LoadExcludedDevices();
    FUZZ_CHECK(first.SaveExcludedDevices());
    DeviceList second(folder);
    second.LoadExcludedDevices();
    FUZZ_CHECK(second.excludedDevices == first.excludedDevices);
    return 0;
}
