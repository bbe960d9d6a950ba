#include "app/ExportCommand.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "common/TextConv.h"
#include "config/Folders.h"
#include "config/GlobalSettings.h"
#include "history/ClipExport.h"

namespace trelvix {

namespace {

void Fail(const QString& text) {
    std::fprintf(stderr, "trelvix: %s\n", text.toLocal8Bit().constData());
}

QDateTime ParseMoment(const QString& text) {
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

}  // namespace

int RunExportCommand(const QStringList& args) {
    if (args.size() != 4) {
        Fail(QStringLiteral("--export needs CAMERA FROM TO FILE (see --help)"));
        return 2;
    }
    const auto camera = TextToInt(args[0]);
    const QDateTime from = ParseMoment(args[1]), to = ParseMoment(args[2]);
    if (!camera || *camera < 0) {
        Fail(QStringLiteral("CAMERA must be a camera number, not \"%1\"").arg(args[0]));
        return 2;
    }
    if (!from.isValid() || !to.isValid() || to <= from) {
        Fail(QStringLiteral("FROM and TO must be \"yyyy-MM-dd hh:mm:ss\", FROM before TO"));
        return 2;
    }
    // Only read: a running program keeps its folder, and nothing here writes settings.
    GlobalSettings settings(UserFolder() + QStringLiteral("kvCamera.ini"));
    settings.LoadSettings();
    const auto folder = [&](const QDate& d) { return CameraVideoFolder(*camera, d); };
    const auto segments =
        SegmentsBetween(settings.LogPath, *camera, from, to, folder, CurrentDayTexts());
    const QString out = QFileInfo(args[3]).absoluteFilePath();
    const ExportSummary sum = ExportClip(segments, from, to, out);
    switch (sum.result) {
        case ExportResult::kOk:
            std::printf("%s: %.1f s from %d file(s)\n", out.toLocal8Bit().constData(),
                        double(sum.durationMs) / 1000.0, sum.segments);
            return 0;
        case ExportResult::kNothingRecorded:
            Fail(QStringLiteral("camera %1 recorded nothing between %2 and %3")
                     .arg(*camera)
                     .arg(args[1], args[2]));
            return 1;
        case ExportResult::kCannotRead:
            Fail(QStringLiteral("a recording of that span cannot be read"));
            return 1;
        case ExportResult::kCannotWrite:
            Fail(QStringLiteral("cannot write %1").arg(out));
            return 1;
    }
    return 1;
}

}  // namespace trelvix
