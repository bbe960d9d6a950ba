// The program without windows: the camera host on stand-in cells, ended by a signal or by the
// scheduled power-off.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

#include "host/CameraCell.h"
#include "host/CameraHost.h"

namespace trelvix {

class HeadlessShell : public QObject {
    Q_OBJECT
public:
    // Takes the program's settings over (through its camera host).
    explicit HeadlessShell(std::unique_ptr<Option> settings, QObject* parent = nullptr);
    ~HeadlessShell() override;

    // Logs the start, starts one camera per kept device and the timers; with `broadcast` every
    // running camera broadcasts. The user folder, the cameras, the broadcast addresses and from
    // then on every log line go to standard output.
    void Start(bool broadcast = false);
    // Where the program keeps and finds its files, one line each: the user folder, the log
    // folder when elsewhere, the language module and the sounds.
    QStringList FolderSummary() const;
    // The cameras it runs, with device and state, and the devices the grid leaves out.
    QStringList CameraSummary() const;
    // The addresses of the cameras that broadcast.
    QStringList BroadcastSummary() const;
    // Logs the exit, saves every file and quits the event loop.
    void Exit(bool powerOffExit);

    // The cells outlive the host's cameras: declared first, destroyed last.
    std::vector<std::unique_ptr<HeadlessPanel>> panels;
    CameraHost host;
};

}  // namespace trelvix
