// Marking a clip in the log viewer's player and writing it, with the timeline's span export.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>

#include "config/Option.h"
#include "history/Cfilefilter.h"
#include "views/Timeline.h"
#include "views/Unit_log.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {

QString ClipFileName(int camera, const QDateTime& from, const QDateTime& to) {
    const QString end = to.date() == from.date() ? to.toString(QStringLiteral("HHmmss"))
                                                 : to.toString(QStringLiteral("yyyyMMdd HHmmss"));
    return QStringLiteral("%1 %2-%3.mp4")
        .arg(camera)
        .arg(from.toString(QStringLiteral("yyyyMMdd HHmmss")), end);
}

}  // namespace

void TFrmLog::CreateClipMarks() {
    SpanPanel = new QWidget(this);
    // The span reads "start – end" in every language, like the time the player shows.
    SpanPanel->setLayoutDirection(Qt::LeftToRight);
    BitBtn_from = new QPushButton(LanguageText(text::kFromHere), SpanPanel);
    BitBtn_to = new QPushButton(LanguageText(text::kToHere), SpanPanel);
    Label_span = new QLabel(SpanPanel);
    Label_span->setMinimumWidth(
        Label_span->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00 – 00:00:00")) + 8);
    BitBtn_exportMarked = new QPushButton(LanguageText(text::kExportClip), SpanPanel);
    auto* row = new QHBoxLayout(SpanPanel);
    row->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {BitBtn_from, BitBtn_to, BitBtn_exportMarked}) b->setAutoDefault(false);
    row->addWidget(BitBtn_from);
    row->addWidget(BitBtn_to);
    row->addWidget(Label_span);
    row->addWidget(BitBtn_exportMarked);
    row->addStretch(1);
    connect(BitBtn_from, &QPushButton::clicked, this, &TFrmLog::MarkClipFrom);
    connect(BitBtn_to, &QPushButton::clicked, this, &TFrmLog::MarkClipTo);
    connect(BitBtn_exportMarked, &QPushButton::clicked, this, &TFrmLog::ExportMarked);
    ShowClipMarks();
}

bool TFrmLog::PlayingMoment(int* camera, QDateTime* when) const {
    if (const QDateTime t = PlayMomentNow(); t.isValid()) {
        *camera = playCamera_;
        *when = t;
        return true;
    }
    // A recording opened from the list: the day's index knows its camera and start.
    if (!player_ || !player_->IsLoaded() || player_->StartPending() ||
        player_->fileKind != CFileFilter::kVideo || !dayIndex_)
        return false;
    for (const CameraDay& c : dayIndex_->cameras)
        for (const Segment& s : c.segments)
            if (s.path == player_->path) {
                *camera = c.camera;
                *when = s.start.addMSecs(player_->player->position());
                return true;
            }
    return false;
}

void TFrmLog::Mark(ClipMark& mark, ClipMark& other) {
    int camera = -1;
    QDateTime when;
    if (!PlayingMoment(&camera, &when)) {
        QApplication::beep();
        return;
    }
    mark = {camera, when};
    // A clip is of one camera: a mark on another one starts the span afresh.
    if (other.camera != camera) other = {};
    ShowClipMarks();
}

void TFrmLog::MarkClipFrom() {
    Mark(markFrom_, markTo_);
}

void TFrmLog::MarkClipTo() {
    Mark(markTo_, markFrom_);
}

bool TFrmLog::ClipMarked() const {
    return markFrom_.camera >= 0 && markFrom_.camera == markTo_.camera && markFrom_.at.isValid() &&
           markTo_.at.isValid() && markFrom_.at < markTo_.at;
}

void TFrmLog::ShowClipMarks() {
    const auto time = [](const ClipMark& m) {
        return m.at.isValid() ? m.at.toString(QStringLiteral("hh:mm:ss")) : QString();
    };
    const bool any = markFrom_.at.isValid() || markTo_.at.isValid();
    Label_span->setText(any ? QStringLiteral("%1 – %2").arg(time(markFrom_), time(markTo_))
                            : QString());
    BitBtn_exportMarked->setEnabled(ClipMarked());
    if (ClipMarked()) Timeline->SetSelection(markFrom_.camera, markFrom_.at, markTo_.at);
}

ExportResult TFrmLog::ExportMarkedTo(const QString& file) {
    if (!ClipMarked()) return ExportResult::kNothingRecorded;
    return ExportSpanTo(markFrom_.camera, markFrom_.at, markTo_.at, file);
}

void TFrmLog::ExportMarked() {
    if (ClipMarked()) ExportSpan(markFrom_.camera, markFrom_.at, markTo_.at);
}

ExportResult TFrmLog::ExportSelectionTo(const QString& file) {
    if (!Timeline->HasSelection()) return ExportResult::kNothingRecorded;
    return ExportSpanTo(Timeline->SelectionCamera(), Timeline->SelectionFrom(),
                        Timeline->SelectionTo(), file);
}

void TFrmLog::ExportSelection() {
    if (!Timeline->HasSelection()) {
        CDSMediaPlay::ShowMessage(this, LanguageText(text::kHoldShiftAndDragAlongA));
        return;
    }
    ExportSpan(Timeline->SelectionCamera(), Timeline->SelectionFrom(), Timeline->SelectionTo());
}

ExportResult TFrmLog::ExportSpanTo(int camera, const QDateTime& from, const QDateTime& to,
                                   const QString& file) const {
    if (!gOption) return ExportResult::kNothingRecorded;
    const auto folder = [camera](const QDate& d) { return CameraVideoFolder(camera, d); };
    const auto segments =
        SegmentsBetween(gOption->LogPath, camera, from, to, folder, CurrentDayTexts());
    return ExportClip(segments, from, to, file).result;
}

void TFrmLog::ExportSpan(int camera, const QDateTime& from, const QDateTime& to) {
    const QString file = QFileDialog::getSaveFileName(this, LanguageText(text::kExportClip),
                                                      ClipFileName(camera, from, to),
                                                      LanguageText(text::kMP4VideoMp4));
    if (file.isEmpty()) return;
    const QString where = QStringLiteral("\n") + QDir::toNativeSeparators(file);
    switch (ExportSpanTo(camera, from, to, file)) {
        case ExportResult::kOk:
            CDSMediaPlay::ShowMessage(this, LanguageText(text::kTheClipWasWritten) + where);
            break;
        case ExportResult::kNothingRecorded:
            CDSMediaPlay::ShowMessage(this, LanguageText(text::kNothingWasRecordedInThatSpan));
            break;
        case ExportResult::kCannotRead:
            CDSMediaPlay::ShowMessage(this, LanguageText(text::kARecordingOfThatSpanCould));
            break;
        case ExportResult::kCannotWrite:
            CDSMediaPlay::ShowMessage(this, LanguageText(text::kTheClipCouldNotBeWritten) + where);
            break;
    }
}

}  // namespace trelvix
