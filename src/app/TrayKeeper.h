// Where the main window goes when it is closed or minimised: into the notification area when
// the desktop has one, minimised otherwise, so the window can always be found again.
#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>

class QWidget;

namespace trelvix {

class TrayKeeper : public QObject {
    Q_OBJECT
public:
    explicit TrayKeeper(QWidget* window);

    // Tests stand in for the desktop's notification area; empty restores the real one.
    static void SetTrayProbeForTesting(std::function<bool()> probe);
    bool TrayAvailable() const;
    // Hides the window into the tray (the first time with a note that recording goes on), or
    // minimises it where there is no tray.
    void PutAway();
    // The window is back.
    void Returned();
    void HideIcon() { icon_.hide(); }

    // The notes shown in the tray so far.
    int notesShown = 0;

signals:
    // The icon was clicked.
    void activated();

private:
    void CheckTrayStillThere();

    QWidget* window_;
    QSystemTrayIcon icon_;
    // A tray that goes away (its program ended) must not take the hidden window with it.
    QTimer watch_;
};

}  // namespace trelvix
