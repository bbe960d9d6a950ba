// Program entry: single instance, settings, then the main window or the headless host.
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/ExportCommand.h"
#include "app/HeadlessShell.h"
#include "app/SignalWatcher.h"
#include "app/SingleInstance.h"
#include "app/Unit1.h"
#include "app/Unit_password.h"
#include "capture/Devices.h"
#include "capture/Usbcamera.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "lang/TextIds.h"

#include <QFile>
#include <QSettings>

using namespace trelvix;

namespace {

constexpr const char* kVersion = TRELVIX_VERSION;

void PrintHelp() {
    std::printf(
        "Usage: trelvix [options]\n"
        "Watches and records the cameras of this computer.\n\n"
        "Options:\n"
        "  --headless   run without any window (the same cameras, recording, log and\n"
        "               housekeeping); SIGINT or SIGTERM ends it cleanly\n"
        "  --demo       add synthetic test cameras\n"
        "  --broadcast  with --headless: every running camera broadcasts its live picture\n"
        "               from the start (each on its own port)\n"
        "  --export CAMERA FROM TO FILE\n"
        "               write camera CAMERA's recording from FROM to TO (\"yyyy-MM-dd\n"
        "               hh:mm:ss\", local time) into the MP4 file FILE, without encoding\n"
        "               again; status 1 when nothing was recorded then\n"
        "  --help       show this help and exit\n"
        "  --version    show the version and exit\n");
}

struct Args {
    bool headless = false;
    bool demo = false;
    bool broadcast = false;
    bool help = false;
    bool version = false;
    bool exportClip = false;
    QStringList exportArgs;
    const char* unknown = nullptr;
};

Args ParseArgs(int argc, char** argv) {
    Args a;
    for (int i = 1; i < argc; ++i) {
        const char* s = argv[i];
        if (!std::strcmp(s, "--headless"))
            a.headless = true;
        else if (!std::strcmp(s, "--demo"))
            a.demo = true;
        else if (!std::strcmp(s, "--broadcast"))
            a.broadcast = true;
        else if (!std::strcmp(s, "--help") || !std::strcmp(s, "-h"))
            a.help = true;
        else if (!std::strcmp(s, "--version") || !std::strcmp(s, "-v"))
            a.version = true;
        else if (!std::strcmp(s, "--export")) {
            a.exportClip = true;
            for (int k = 0; k < 4 && i + 1 < argc; ++k)
                a.exportArgs << QString::fromLocal8Bit(argv[++i]);
        } else if (!a.unknown && s[0] == '-' && std::strcmp(s, "-platform") != 0)
            a.unknown = s;
    }
    return a;
}

// The start-up up to the main window: user folder, single instance, settings (handed to the
// shell's camera host).
// Returns -1 to go on, otherwise the exit code.
int StartUp(bool gui, bool demo, SingleInstance* instance, std::unique_ptr<Option>* settings) {
    try {
        EnsureUserFolder();
    } catch (const FolderError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        if (gui)
            QMessageBox::critical(nullptr, QStringLiteral("Error!"), QString::fromUtf8(e.what()));
        return 1;
    }
    // Before anything is written: a second start on this folder changes nothing.
    if (!instance->Acquire(UserFolder())) {
        if (!instance->LockError().isEmpty()) {
            const QString text = QStringLiteral("trelvix: cannot lock %1: %2")
                                     .arg(instance->LockPath(), instance->LockError());
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
            return 1;
        }
        std::fprintf(stderr, "trelvix: already running (pid %lld)\n",
                     static_cast<long long>(instance->RunningPid()));
        // The running one shows its window, and this one ends.
        if (!gui) return 1;
        instance->AskRunningToShow();
        return 0;
    }
    const QString ini = UserFolder() + QStringLiteral("kvCamera.ini");
    if (demo) {
        SetSyntheticSourcesListed(true);
        // A newcomer's first start shows four cameras at once.
        if (!QFile::exists(ini)) {
            QSettings settings(ini, QSettings::IniFormat);
            settings.setValue(QStringLiteral("Settings/CameraRows"), QStringLiteral("2"));
            settings.setValue(QStringLiteral("Settings/CameraCols"), QStringLiteral("2"));
            // The demo cameras stamp the date and time and the guide lines from the start.
            for (int i = 0; i < 4; ++i) {
                if (QFile::exists(CameraSettingsPath(i))) continue;
                CDataClass record;
                record.cameraId = i;
                StoreLive(record.showTime, 1);
                StoreLive(record.rulerShow, 1);
                // Each demo camera can broadcast at the same time as the others.
                StoreLive(record.broadcastPort, 8080 + i);
                record.Save();
            }
        }
    }
    EnsureGStreamer();
    Option::SetDeviceEnumerator(EnumerateVideoDevices);
    *settings = std::make_unique<Option>(ini);
    // No application display name: Qt would append it to every window's caption.
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const Args args = ParseArgs(argc, argv);
    if (args.help) {
        PrintHelp();
        return 0;
    }
    if (args.version) {
        std::printf("trelvix %s\n", kVersion);
        return 0;
    }
    if (args.broadcast && !args.headless) {
        std::fprintf(stderr, "trelvix: --broadcast needs --headless (see --help)\n");
        return 2;
    }
    if (args.unknown) {
        std::fprintf(stderr, "trelvix: unknown option %s (see --help)\n", args.unknown);
        return 2;
    }

    if (args.exportClip) {
        QCoreApplication app(argc, argv);
        return RunExportCommand(args.exportArgs);
    }

    QCoreApplication::setApplicationName(QStringLiteral("trelvix"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // Ties the windows to the menu entry and its icon (Wayland's app id, startup notification).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.trelvix.Trelvix"));

    if (args.headless) {
        // Text drawing still needs a GUI application; the offscreen platform gives one.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        SingleInstance instance;
        std::unique_ptr<Option> settings;
        if (int rc = StartUp(false, args.demo, &instance, &settings); rc >= 0) return rc;
        HeadlessShell shell(std::move(settings));
        SignalWatcher watcher;
        QObject::connect(&watcher, &SignalWatcher::terminateRequested, &shell,
                         [&shell] { shell.Exit(false); });
        shell.Start(args.broadcast);
        return app.exec();
    }

    // Playback keeps Qt Multimedia's GStreamer backend: the other one crashes on machines
    // without a sound card.
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    SingleInstance instance;
    std::unique_ptr<Option> settings;
    if (int rc = StartUp(true, args.demo, &instance, &settings); rc >= 0) return rc;
    SetErrorMessageHandler([](const QString& text) {
        QMessageBox::critical(nullptr, QStringLiteral("Error!"), text);
    });
    InstallPasswordPrompt();
    auto* window = new TForm1(std::move(settings));
    window->setAttribute(Qt::WA_DeleteOnClose);
    SignalWatcher watcher;
    QObject::connect(&watcher, &SignalWatcher::terminateRequested, window,
                     &TForm1::TerminateBySignal);
    QObject::connect(&instance, &SingleInstance::showRequested, window, &TForm1::BringToFront);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, window, [window] {
        // The session is ending: a real exit (the password is still asked when set).
        window->realExit = true;
        window->close();
    });
    window->ShowMaximised();
    return app.exec();
}
