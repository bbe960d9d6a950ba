// Messages between threads: posted Qt events whose types are the program's message codes.
#pragma once

#include <QEvent>
#include <QObject>
#include <QString>
#include <cstdint>

namespace trelvix {

constexpr int kWmApp = 0x8000;
// Camera panel messages.
constexpr int CAM_MSG_GRAPH_EVENT = kWmApp + 2;
constexpr int CAM_MSG_SNAPSHOT_TAKEN = kWmApp + 3;
constexpr int CAM_MSG_SNAPSHOT_REQUEST = kWmApp + 4;
constexpr int CAM_MSG_MOTION_RECORD = kWmApp + 5;
// Player → log viewer; wParam says what the player reports.
constexpr int PLAYER_MSG = kWmApp + 10;
enum PlayerNotice : int {
    kPlayerDuration = 11,  // lParam: whole seconds
    kPlayerPosition = 12,  // lParam: whole seconds
    kPlayerCleared = 13,
    kPlayerEnded = 14,
};
// Second instance → main window: bring the window to the front.
constexpr int WM_TRAY_NOTIFY = kWmApp + 100;
// The player's state text for the log viewer.
constexpr int kPlayerStateMessage = QEvent::User + 0x4B;

// The kinds of snapshot, as requests carry them.
enum SnapshotKind : int {
    kSnapshotMotion = 0,
    kSnapshotManual = 2,
    kSnapshotTimed = 3,   // for upload
    kSnapshotTest = 4,    // the FTP page's test
    kSnapshotRemote = 5,  // asked for by a message broker: stored and sent there, nothing shown
};

static_assert(CAM_MSG_GRAPH_EVENT >= QEvent::User && WM_TRAY_NOTIFY <= QEvent::MaxUser);

// A window message: the event type is the message code.
class CameraMessage : public QEvent {
public:
    CameraMessage(int code, intptr_t wParam, intptr_t lParam)
        : QEvent(QEvent::Type(code)), wParam(wParam), lParam(lParam) {}
    intptr_t wParam;
    intptr_t lParam;
};

// A line of text for a window (the player's state text).
class TextMessage : public QEvent {
public:
    TextMessage(int type, const QString& t) : QEvent(QEvent::Type(type)), text(t) {}
    QString text;
};

// Posts a message; safe from any thread. A null receiver drops it.
void PostCameraMessage(QObject* receiver, int code, intptr_t wParam, intptr_t lParam);

}  // namespace trelvix
