// The password file: any block is read or refused whole, and a block written back reads the
// same.
#include "config/GlobalSettings.h"
#include "fuzz/FuzzSupport.h"

using namespace trelvix;
using namespace trelvix::fuzz;

TRELVIX_FUZZ_INIT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray block(reinterpret_cast<const char*>(data), qsizetype(size));
    GlobalSettings first(Scratch() + "/kvCamera.ini");
    if (!first.ReadConfigBlock(block)) return 0;
    const QByteArray written = first.ConfigBlock();
    FUZZ_CHECK(written.size() == GlobalSettings::kConfigBinSize);
    GlobalSettings second(Scratch() + "/kvCamera.ini");
    FUZZ_CHECK(second.ReadConfigBlock(written));
    FUZZ_CHECK(second.ConfigBlock() == written);
    FUZZ_CHECK(second.password == first.password && second.passwordOn == first.passwordOn);
    return 0;
}
