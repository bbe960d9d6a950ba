// The FTP client's listing parser, in both listing forms: no name it returns can lead out of
// the folder listed.
#include "upload/Indyftpcore.h"
#include "fuzz/FuzzSupport.h"

using namespace trelvix;
using namespace trelvix::fuzz;

TRELVIX_FUZZ_INIT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const QByteArray text(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    for (const FtpListEntry& e : TIndyFTPCore::ParseListing(text, data[0] & 1)) {
        FUZZ_CHECK(!e.name.isEmpty());
        FUZZ_CHECK(!e.name.contains(QLatin1Char('\n')) && !e.name.contains(QLatin1Char('\r')));
    }
    return 0;
}
