// A day's log file: any bytes load into the viewer's rows, and removing a row rewrites every
// other line byte for byte.
#include "history/EventLog.h"
#include "fuzz/FuzzSupport.h"

using namespace trelvix;
using namespace trelvix::fuzz;

TRELVIX_FUZZ_INIT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int filter = data[0] % 8;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString folder = Scratch() + "/log/";
    QDir().mkpath(folder);
    const QDate day(2026, 12, 9);
    const QString file = LogFileName(folder, day);
    WriteFile(file, bytes);

    for (const QString& line : ReadLogLines(file)) SplitLogLine(line);
    LogDayModel model;
    LoadLogDay(&model, folder, filter, day);

    const QStringList before = ReadLogLines(file);
    if (before.isEmpty()) return 0;
    FUZZ_CHECK(RemoveLogLines(file, {0}));
    const QStringList after = ReadLogLines(file);
    FUZZ_CHECK(after == before.mid(1));
    return 0;
}
