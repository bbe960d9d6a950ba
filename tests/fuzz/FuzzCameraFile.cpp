// The camera file: any bytes load, values used by the frame path stay in their ranges, and a
// saved record loads back to the same bytes.
#include "config/Cdataclass.h"
#include "fuzz/FuzzSupport.h"

using namespace trelvix;
using namespace trelvix::fuzz;

TRELVIX_FUZZ_INIT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CDataClass first;
    first.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QByteArray saved = first.SaveToBytes();
    CDataClass second;
    second.LoadFromBytes(saved);
    FUZZ_CHECK(second.SaveToBytes() == saved);
    return 0;
}
