// Running synthetic cameras and a settings window over them, with the operator's dialogs
// answered by the test.
#pragma once

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "app/Unit1.h"
#include "capture/Usbcamera.h"
#include "history/EventLog.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "host/SettingsInForce.h"
#include "host/CameraCell.h"
#include "settings/Unit4.h"
#include "settings/Unit_Panel1.h"
#include "settings/Unit_Panel2.h"
#include "settings/Unit_Panel5.h"
#include "support/CameraInternals.h"
#include "support/HeadlessCameras.h"
#include "support/StartupSettings.h"
#include "support/TestFiles.h"
#include "support/Wait.h"

namespace trelvix::test {

class SettingsFixture : public ::testing::Test, protected trelvix::test::HeadlessCameras {
protected:
    // The devices the program lists, each run by a camera unless `started` says otherwise;
    // returns the first camera.
    UsbCamera* StartProgram(const QStringList& ids, int startedCount = -1) {
        EnsureUserFolder();
        const QString ini = dir.path() + "/kvCamera.ini";
        test::WriteGrid(ini, 2, 2);
        QStringList names;
        for (const QString& id : ids) names << "Camera " + id;
        Option::SetDeviceEnumerator([ids, names](QStringList* i, QStringList* n) {
            *i = ids;
            *n = names;
        });
        LoadSettings();
        for (int i = 0; i < (startedCount < 0 ? int(ids.size()) : startedCount); ++i)
            StartCamera(ids[i], i);
        return cameras.empty() ? nullptr : cameras[0].get();
    }
    void TearDown() override {
        window.reset();
        Clear();
        DropSettings();
        Option::SetDeviceEnumerator(nullptr);
    }
    // A fresh record without recording at start: these tests look at settings only.
    static void FreshRecord(int cell) {
        QFile::remove(CameraSettingsPath(cell));
        CDataClass record;
        record.cameraId = cell;
        StoreLive(record.autoRecord, 0);
        record.Save();
    }
    // `prepare` edits the fresh record before the camera starts reading it.
    UsbCamera* StartCamera(const QString& id, int cell,
                           const std::function<void(CDataClass&)>& prepare = {}) {
        FreshRecord(cell);
        if (prepare) {
            CDataClass record;
            record.Load(cell);
            prepare(record);
            record.Save();
        }
        return HeadlessCameras::Start(id, cell);
    }
    UsbCamera* Find(const QString& id) const {
        for (const auto& c : cameras)
            if (c->settings->deviceId.get() == id) return c.get();
        return nullptr;
    }
    // Waits for the camera's first frame, so its picture size is known.
    static bool Streaming(UsbCamera* cam) {
        return WaitFor([cam] { return cam->view().FrameSize().width() > 0; });
    }
    TForm_settings* Open(int initialIndex = 0) {
        window = std::make_unique<TForm_settings>(nullptr, initialIndex,
                                                  [this](const QString& id) { return Find(id); });
        window->dialogs.ask = [this](QWidget*, const QString&, const QString&) {
            ++questions;
            return answerYes;
        };
        return window.get();
    }
    void ShowPage(int entry) { window->ListView_Navigate->setCurrentRow(entry); }
    // The operator picks entry `i` of the camera chooser.
    static void Choose(TForm_settings* w, int i) {
        w->ComboBox1->setCurrentIndex(i);
        emit w->ComboBox1->activated(i);
    }

    QTemporaryDir dir;
    // The settings from the program's file, as a start-up reads them.
    void LoadSettings() {
        DropSettings();
        owned_ = std::make_unique<Option>(dir.path() + "/kvCamera.ini");
        option = owned_.get();
        PublishSettings(option);
    }
    // For a main window, which takes them over.
    std::unique_ptr<Option> TakeSettings() { return std::move(owned_); }
    // Saves and withdraws the settings, unless a main window took them over.
    void DropSettings() {
        if (owned_) PublishSettings(nullptr);
        owned_.reset();
        option = nullptr;
    }

    std::unique_ptr<Option> owned_;
    Option* option = nullptr;  // the settings in force
    std::unique_ptr<TForm_settings> window;
    int questions = 0;
    bool answerYes = true;
};

// The same with the main window over the cameras, the way the operator opens the settings.
class MainWindowFixture : public SettingsFixture {
protected:
    void TearDown() override {
        TForm_settings::SetModalRunnerForTesting(nullptr);
        mainWindow.reset();
        SettingsFixture::TearDown();
    }
    // The main window takes the settings over, as at the program's start.
    TForm1* OpenMainWindow() {
        mainWindow = std::make_unique<TForm1>(TakeSettings());
        return mainWindow.get();
    }
    int LogLinesSaying(int textId) {
        QCoreApplication::sendPostedEvents();
        int n = 0;
        for (const QString& line :
             ReadLogLines(LogFileName(gOption->LogPath, QDate::currentDate())))
            n += SplitLogLine(line)[5] == LanguageText(textId);
        return n;
    }

    std::unique_ptr<TForm1> mainWindow;
};

}  // namespace trelvix::test
