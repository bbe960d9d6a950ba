// The broadcast's own small HTTP server: one thread that serves the ASF stream (plain and with
// the MMS-over-HTTP framing), the browser page and the JPEG pictures to a limited number of
// viewers. Each viewer has a bounded queue; a slow one skips to the next key frame and is
// dropped when it takes nothing for long, so it never holds up the encoder or the others.
#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "broadcast/BroadcastEncoder.h"

namespace trelvix {

enum class BroadcastRoute;

struct BroadcastStats {
    int viewers = 0;      // being served now
    int64_t refused = 0;  // answered 503 because of the viewer limit
    int64_t skips = 0;    // times a viewer's queue overflowed and it skipped ahead
    int64_t dropped = 0;  // viewers closed because they took nothing for long
};

// Who may watch: with a password, every request needs it (HTTP Basic); localOnly listens on
// 127.0.0.1 alone instead of every address.
struct BroadcastAccess {
    QByteArray password;
    bool localOnly = false;
};

class BroadcastServer : public BroadcastOutput {
public:
    BroadcastServer();
    ~BroadcastServer() override;
    BroadcastServer(const BroadcastServer&) = delete;
    BroadcastServer& operator=(const BroadcastServer&) = delete;

    enum class ListenResult { Ok, PortInUse, Failed };
    // Binds `port` (0: a free one) on every address, or on 127.0.0.1 for a local-only access;
    // connections wait until Run().
    ListenResult Listen(int port, int maxClients, int64_t bitRate, const QString& pageTitle,
                        const BroadcastAccess& access = {});
    // Starts serving on the server's thread.
    void Run();
    // Tells MMS-over-HTTP viewers that the broadcast ended, sends what it can without waiting,
    // closes every socket and joins the thread. Harmless when not running.
    void Stop();

    int Port() const { return port_; }
    QString ErrorText() const { return error_; }
    BroadcastStats Stats() const;

    // BroadcastOutput, called on the encoding thread.
    void OnAsfHeader(const QByteArray& header) override;
    void OnAsfPacket(const QByteArray& packet, const QByteArray& start) override;
    bool WantsJpeg() const override { return mjpegViewers_.load() > 0; }
    void OnJpeg(const QByteArray& jpeg) override;
    void Flush() override;

private:
    struct Client;
    struct Piece;

    void Loop();
    void AcceptAll();
    void MakeRoomFor(const QByteArray& address);
    void ReadFrom(Client& c);
    void Answer(Client& c);
    void StartViewer(Client& c, BroadcastRoute route);
    void WriteTo(Client& c);
    void Enqueue(Client& c, QByteArray head, QByteArray body);
    void DropUnsent(Client& c);
    void CloseClient(Client& c);
    void Expire();
    void Wake();
    int CountViewers() const;

    mutable std::mutex mutex_;
    std::vector<std::unique_ptr<Client>> clients_;
    QByteArray header_;
    QString pageTitle_;
    QByteArray password_;
    QString error_;
    int maxClients_ = 1;
    int port_ = 0;
    qsizetype queueLimit_ = 0;
    int listenFd_ = -1;
    int wakeFd_ = -1;
    int nextClientId_ = 1;
    BroadcastStats stats_;
    std::atomic<int> mjpegViewers_{0};
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace trelvix
