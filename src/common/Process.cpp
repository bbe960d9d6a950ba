#include "common/Process.h"

#include <QProcess>
#include <mutex>

namespace trelvix {

namespace {
std::mutex runnerMutex;
ProgramRunner runner;
}  // namespace

bool StartProgram(const QString& program, const QStringList& args) {
    ProgramRunner r;
    {
        std::lock_guard lock(runnerMutex);
        r = runner;
    }
    if (r) return r(program, args);
    return QProcess::startDetached(program, args);
}

void SetProgramRunner(ProgramRunner r) {
    std::lock_guard lock(runnerMutex);
    runner = std::move(r);
}

}  // namespace trelvix
