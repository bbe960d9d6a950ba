// The log viewer's tests: a user folder and options of their own, today as the day shown, and
// what the player would have said in a box.
#pragma once

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "config/Folders.h"
#include "history/EventLog.h"
#include "config/Option.h"
#include "support/CameraFixture.h"
#include "support/TestFiles.h"
#include "capture/Usbcamera.h"
#include "host/Storage.h"
#include "views/Cdsmediaplay.h"

namespace trelvix::test {

class LogViewerFixture : public ::testing::Test, protected OwnSettings {
protected:
    void SetUp() override {
        day = QDate::currentDate();
        CDSMediaPlay::SetMessageSink([this](const QString& m) { messages << m; });
    }
    void TearDown() override { CDSMediaPlay::SetMessageSink(nullptr); }

    // What the program's viewer deletes with, without cameras that could be recording.
    static bool DeleteLogged(const QString& path) {
        static const CameraList none;
        static const Storage storage(none);
        return storage.DeleteLoggedFile(path);
    }

    // The lines as the whole log of the day shown.
    void WriteLog(const QStringList& lines) {
        WriteFile(LogFileName(option->LogPath, day), LogText(lines));
    }

    QDate day;
    QStringList messages;
};

}  // namespace trelvix::test
