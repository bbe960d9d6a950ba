#include "common/Clock.h"

#include <mutex>

namespace trelvix {

namespace {
std::mutex clockMutex;
std::function<QDateTime()> testClock;
}  // namespace

QDateTime Now() {
    std::lock_guard lock(clockMutex);
    return testClock ? testClock() : QDateTime::currentDateTime();
}

void SetClockForTesting(std::function<QDateTime()> clock) {
    std::lock_guard lock(clockMutex);
    testClock = std::move(clock);
}

}  // namespace trelvix
