// The hand-over of event records to the UI thread, which alone writes the log files.
#pragma once

#include <QEvent>
#include <QObject>

#include "history/EventLog.h"

namespace trelvix {

class GlobalSettings;

// An event record for the log (WM_COPYDATA's number, in Qt's user range).
constexpr int kEventRecordMessage = QEvent::User + 0x4A;

// A copy of one event record on its way to the log.
class EventRecordMessage : public QEvent {
public:
    explicit EventRecordMessage(const EventLogRecord& r)
        : QEvent(QEvent::Type(kEventRecordMessage)), record(r) {}
    EventLogRecord record;
};

// The object on the UI thread that appends event records to the log. Producers on any thread
// post a copy there; with no receiver the record is dropped.
void SetLogReceiver(QObject* receiver);
QObject* LogReceiver();
void PostEventRecord(const EventLogRecord& record);

// The settings whose log folder the day's logs go into; none (records dropped) until the host
// sets them.
void SetLogSettings(const GlobalSettings* settings);

// Appends the records posted to it to the day's log of the settings' log folder.
class LogReceiverObject : public QObject {
    Q_OBJECT
public:
    explicit LogReceiverObject(QObject* parent = nullptr);
    ~LogReceiverObject() override;
    // Lands the records still queued for it (before an exit line, before the settings go).
    void Flush();

protected:
    bool event(QEvent* e) override;
};

// While on, every line appended to the log also goes to standard output, and a line the log
// file refused is reported on standard error: a program without windows shows what it does in
// its terminal or the journal.
void SetLogEcho(bool on);

// The program's own start and exit lines, appended directly on the UI thread.
void LogProgramStart();
void LogProgramExit(bool powerOffExit);
// A program line about one of its files, appended the same way.
void LogProgramNote(int descriptionId, const QString& filePath);

}  // namespace trelvix
