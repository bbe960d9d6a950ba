#include "app/TrayKeeper.h"

#include <QWidget>

#include "app/ButtonPictures.h"
#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {
std::function<bool()> trayProbe;
constexpr int kTrayCheckMs = 2000;
constexpr int kNoteMs = 10000;
}  // namespace

TrayKeeper::TrayKeeper(QWidget* window) : QObject(window), window_(window) {
    icon_.setIcon(QIcon(ProgramIcon()));
    icon_.setToolTip(LanguageText(text::kTrelvix));
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::Context) emit activated();
    });
    icon_.show();
    watch_.setInterval(kTrayCheckMs);
    connect(&watch_, &QTimer::timeout, this, &TrayKeeper::CheckTrayStillThere);
}

void TrayKeeper::SetTrayProbeForTesting(std::function<bool()> probe) {
    trayProbe = std::move(probe);
}

bool TrayKeeper::TrayAvailable() const {
    const bool tray = trayProbe ? trayProbe() : QSystemTrayIcon::isSystemTrayAvailable();
    return tray && icon_.isVisible();
}

void TrayKeeper::PutAway() {
    if (!TrayAvailable()) {
        window_->showMinimized();
        return;
    }
    window_->hide();
    watch_.start();
    if (notesShown > 0) return;
    ++notesShown;
    icon_.showMessage(LanguageText(text::kTrelvix),
                      LanguageText(text::kTrelvixGoesOnRecordingInThe),
                      QSystemTrayIcon::Information, kNoteMs);
}

void TrayKeeper::Returned() {
    watch_.stop();
}

void TrayKeeper::CheckTrayStillThere() {
    if (window_->isVisible()) return watch_.stop();
    if (TrayAvailable()) return;
    watch_.stop();
    window_->showMinimized();
}

}  // namespace trelvix
