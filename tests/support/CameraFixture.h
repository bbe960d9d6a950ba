// What camera tests share: settings of their own in a temporary folder, published as the
// camera host publishes its own; cameras on headless panels; the day's log and the error boxes a
// camera would have shown.
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "capture/Usbcamera.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "history/EventLog.h"
#include "history/LogReceiver.h"
#include "host/SettingsInForce.h"
#include "support/HeadlessCameras.h"

namespace trelvix::test {

class OwnSettings {
public:
    OwnSettings() {
        EnsureUserFolder();
        owned_ = std::make_unique<Option>(dir.path() + "/kvCamera.ini");
        option = owned_.get();
        PublishSettings(option);
    }
    ~OwnSettings() {
        if (owned_) PublishSettings(nullptr);
    }
    // For a camera host, which takes them over; `option` stays valid while the host lives.
    std::unique_ptr<Option> HandOver() { return std::move(owned_); }

    QTemporaryDir dir;
    Option* option = nullptr;

private:
    std::unique_ptr<Option> owned_;
};

class CameraFixture : public ::testing::Test, protected OwnSettings, protected HeadlessCameras {
protected:
    CameraFixture() {
        SetErrorMessageHandler([this](const QString& text) { messages << text; });
    }
    ~CameraFixture() override {
        Clear();
        SetErrorMessageHandler(nullptr);
    }

    // Starts a camera on `cell` from a record saved first: its folders in the test's own, no
    // recording at start, and whatever `prepare` sets.
    UsbCamera* StartWith(const QString& id, int cell,
                         const std::function<void(CDataClass&)>& prepare = {}) {
        CDataClass rec;
        rec.cameraId = cell;
        rec.videoFolder = rec.imageFolder = dir.path();
        StoreLive(rec.autoRecord, 0);
        if (prepare) prepare(rec);
        rec.Save();
        return HeadlessCameras::Start(id, cell);
    }
    QStringList Log(const QDate& day = QDate::currentDate()) {
        QCoreApplication::sendPostedEvents();
        return ReadLogLines(LogFileName(option->LogPath, day));
    }
    // Lines whose description is text `textId`.
    int LinesSaying(int textId, const QDate& day = QDate::currentDate()) {
        int n = 0;
        for (const QString& line : Log(day)) n += SplitLogLine(line)[5] == LanguageText(textId);
        return n;
    }

    LogReceiverObject receiver;
    QStringList messages;
};

}  // namespace trelvix::test
