#pragma once

#include <QDateTime>
#include <functional>

namespace trelvix {

// The wall clock, replaceable in tests so that nothing waits for real days or minutes.
QDateTime Now();
void SetClockForTesting(std::function<QDateTime()> clock);  // empty restores the real clock

}  // namespace trelvix
