// The broadcast server's request head: any bytes parse or are refused, and a parsed request
// always gets an answer head.
#include "broadcast/BroadcastHttp.h"
#include "fuzz/FuzzSupport.h"

using namespace trelvix;
using namespace trelvix::fuzz;

TRELVIX_FUZZ_INIT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray head(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<HttpRequest> request = ParseHttpRequest(head);
    if (!request) return 0;
    const BroadcastRoute route = RouteRequest(*request);
    if (IsViewerRoute(route)) FUZZ_CHECK(!ResponseHead(route, 1, 0).isEmpty());
    return 0;
}
