// Messages between threads: posted Qt events, each carrying one typed payload whose code is the
// event type. A receiver asks for the payload it handles and gets nothing for any other event.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QString>

namespace trelvix {

constexpr int kWmApp = 0x8000;

// The kinds of snapshot, as requests carry them.
enum SnapshotKind : int {
    kSnapshotMotion = 0,
    kSnapshotManual = 2,
    kSnapshotTimed = 3,   // for upload
    kSnapshotTest = 4,    // the FTP page's test
    kSnapshotRemote = 5,  // asked for by a message broker: stored and sent there, nothing shown
};

// Camera → its cell: the pipeline has news (an error, the end, the first frame after a start).
struct GraphEventMessage {
    static constexpr int kCode = kWmApp + 2;
};
// Camera → its cell (and the region page): a snapshot was stored. Only a manual one is shown.
struct SnapshotTakenMessage {
    static constexpr int kCode = kWmApp + 3;
    bool manual = false;
};
// Any thread → a camera's cell: take a snapshot of this kind.
struct SnapshotRequestMessage {
    static constexpr int kCode = kWmApp + 4;
    int cameraId = 0;
    SnapshotKind kind = kSnapshotManual;
};
// Camera → its cell: motion began (start the motion recording) or ended (stop it).
struct MotionRecordMessage {
    static constexpr int kCode = kWmApp + 5;
    bool motion = false;
};

// What the player reports to the log viewer.
enum class PlayerNotice { kDuration, kPosition, kCleared, kEnded };
struct PlayerReportMessage {
    static constexpr int kCode = kWmApp + 10;
    PlayerNotice notice = PlayerNotice::kCleared;
    int seconds = 0;  // the duration or the position
};
// The player's state text for the log viewer.
struct PlayerStateMessage {
    static constexpr int kCode = QEvent::User + 0x4B;
    QString text;
};

template <typename Payload>
class ThreadMessage : public QEvent {
public:
    static_assert(Payload::kCode >= QEvent::User && Payload::kCode <= QEvent::MaxUser);
    explicit ThreadMessage(Payload p)
        : QEvent(QEvent::Type(Payload::kCode)), payload(std::move(p)) {}
    const Payload payload;
};

// Posts a message; safe from any thread. A null receiver drops it.
template <typename Payload>
void PostMessage(QObject* receiver, Payload payload) {
    if (receiver)
        QCoreApplication::postEvent(receiver, new ThreadMessage<Payload>(std::move(payload)));
}

// The payload when `event` is that message; null for any other event.
template <typename Payload>
const Payload* MessageOf(const QEvent* event) {
    if (event->type() != QEvent::Type(Payload::kCode)) return nullptr;
    const auto* message = dynamic_cast<const ThreadMessage<Payload>*>(event);
    return message ? &message->payload : nullptr;
}

}  // namespace trelvix
