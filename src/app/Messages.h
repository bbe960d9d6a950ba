// Messages between threads: posted Qt events whose types are the program's message codes.
#pragma once

#include <QEvent>
#include <QObject>
#include <QString>
#include <cstdint>

#include "history/EventLog.h"

namespace trelvix {

constexpr int kWmApp = 0x8000;
// Camera panel messages.
constexpr int CAM_MSG_GRAPH_EVENT = kWmApp + 2;
constexpr int CAM_MSG_SNAPSHOT_TAKEN = kWmApp + 3;
constexpr int CAM_MSG_SNAPSHOT_REQUEST = kWmApp + 4;
constexpr int CAM_MSG_MOTION_RECORD = kWmApp + 5;
// Player → log viewer.
constexpr int PLAYER_MSG = kWmApp + 10;
// Second instance → main window: bring the window to the front.
constexpr int WM_TRAY_NOTIFY = kWmApp + 100;
// An event record for the log (WM_COPYDATA's number, in Qt's user range).
constexpr int kEventRecordMessage = QEvent::User + 0x4A;

// The player's state text for the log viewer.
constexpr int kPlayerStateMessage = QEvent::User + 0x4B;

static_assert(CAM_MSG_GRAPH_EVENT >= QEvent::User && WM_TRAY_NOTIFY <= QEvent::MaxUser);

// A window message: the event type is the message code.
class CameraMessage : public QEvent {
public:
    CameraMessage(int code, intptr_t wParam, intptr_t lParam)
        : QEvent(QEvent::Type(code)), wParam(wParam), lParam(lParam) {}
    intptr_t wParam;
    intptr_t lParam;
};

// A copy of one event record on its way to the log.
class EventRecordMessage : public QEvent {
public:
    explicit EventRecordMessage(const EventLogRecord& r)
        : QEvent(QEvent::Type(kEventRecordMessage)), record(r) {}
    EventLogRecord record;
};

// A line of text for a window (the player's state text).
class TextMessage : public QEvent {
public:
    TextMessage(int type, const QString& t) : QEvent(QEvent::Type(type)), text(t) {}
    QString text;
};

// Posts a message; safe from any thread. A null receiver drops it.
void PostCameraMessage(QObject* receiver, int code, intptr_t wParam, intptr_t lParam);

// The object on the UI thread that appends event records to the log (the main window, or the
// headless host). Producers on any thread post a copy there.
void SetLogReceiver(QObject* receiver);
QObject* LogReceiver();
void PostEventRecord(const EventLogRecord& record);

}  // namespace trelvix
