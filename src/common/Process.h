// Starting other programs: never through a shell, and replaceable in tests so that nothing is
// really started (a shutdown above all).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace trelvix {

using ProgramRunner = std::function<bool(const QString& program, const QStringList& args)>;

// Starts `program` detached with `args`; false when it could not be started.
bool StartProgram(const QString& program, const QStringList& args);
// Empty restores the real starter.
void SetProgramRunner(ProgramRunner runner);

}  // namespace trelvix
