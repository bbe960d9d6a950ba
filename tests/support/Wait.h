#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

namespace trelvix::test {

// Runs the event loop until `done` holds or `ms` pass; whether it holds.
template <typename F>
bool WaitFor(F done, int ms = 15000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

}  // namespace trelvix::test
