// Turns SIGINT and SIGTERM into a Qt signal on the UI thread, so they end the program as the
// exit button does.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace trelvix {

class SignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;

signals:
    void terminateRequested(int signal);

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace trelvix
