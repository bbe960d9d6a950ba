// The log viewer: one day's events, filtered and sorted, played back and deleted.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "history/ClipExport.h"
#include "views/Cdsmediaplay.h"
#include "history/DayIndex.h"

namespace trelvix {

class TimelineView;

class TFrmLog : public QWidget {
    Q_OBJECT
public:
    // displayMode: 1 entries with files, 2 motion entries, 3 everything. `storage` guards the
    // deletion of logged files (none: only the user and log folders count as the program's).
    // Deletes a file a log line names, or says why not (false); the viewer deletes nothing
    // without one.
    using FileDeleter = std::function<bool(const QString& path)>;
    TFrmLog(QWidget* owner, int displayMode, FileDeleter deleteFile = {});
    ~TFrmLog() override;

    int Filter() const;
    void Refresh();  // BitBtn1
    void PreviousDay();
    void NextDay();
    void FilterClicked(QCheckBox* source);
    void ColumnClick(int column);
    void PlaySelected();
    void OpenFolder();
    void DeleteSelected();
    void DeleteAll();
    // The rows in their shown order, for tests and the count label.
    int RowCount() const { return ListView1->topLevelItemCount(); }
    QString RowText(int row, int column) const;
    int RowLine(int row) const;
    void SelectRows(const std::vector<int>& rows);
    // The comparison of the sort: -1, 0, 1.
    int CompareRows(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const;
    CDSMediaPlay* Player() const { return player_.get(); }

    // The timeline: the day's index, playing a camera from a moment, exporting a span.
    void RefreshTimeline();
    bool PlayMoment(int camera, const QDateTime& when);
    ExportResult ExportSelectionTo(const QString& file);
    void ExportSelection();
    void StepFrame(int direction);
    void SetSpeed(double rate);
    // The camera and moment being played from the timeline; -1 when none.
    int PlayCamera() const { return playCamera_; }
    QDateTime PlayMomentNow() const;
    // The camera chosen in the filter, -1 for all.
    int CameraFilter() const;

    // A clip marked in the player: the moment being played becomes its start or its end.
    struct ClipMark {
        int camera = -1;
        QDateTime at;
    };
    void MarkClipFrom();
    void MarkClipTo();
    const ClipMark& MarkedFrom() const { return markFrom_; }
    const ClipMark& MarkedTo() const { return markTo_; }
    ExportResult ExportMarkedTo(const QString& file);
    void ExportMarked();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QCheckBox* CheckBox_showFileOnly = nullptr;
    QCheckBox* CheckBox_showMoveOnly = nullptr;
    QLabel* Label_count = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N1 = nullptr;
    QAction* N2 = nullptr;
    QAction* N3 = nullptr;
    QAction* N4 = nullptr;
    QWidget* Panel_Video = nullptr;
    QLabel* ImageBack = nullptr;
    QWidget* PlayPanel = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QSlider* TrackBar_Player = nullptr;
    QLabel* Label_playtimer = nullptr;
    QLabel* Label_playState = nullptr;
    QTimer TimerPlay;
    QTabWidget* Tabs = nullptr;
    QCheckBox* CheckBox_group = nullptr;
    QComboBox* ComboBox_camera = nullptr;
    QWidget* TimelinePage = nullptr;
    TimelineView* Timeline = nullptr;
    QLabel* Label_timelineHint = nullptr;
    QPushButton* BitBtn_export = nullptr;
    QComboBox* ComboBox_speed = nullptr;
    QToolButton* SpeedButton_back = nullptr;
    QToolButton* SpeedButton_forward = nullptr;
    QWidget* SpanPanel = nullptr;
    QPushButton* BitBtn_from = nullptr;
    QPushButton* BitBtn_to = nullptr;
    QLabel* Label_span = nullptr;
    QPushButton* BitBtn_exportMarked = nullptr;

    int sortColumn = 0;
    std::array<int, 7> columnTags{1, 33, 33, 1, 1, 17, 1};

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void CreateDayBar();
    void CreateList();
    void CreatePlayer();
    void CreateTimeline();
    void ConnectTimeline();
    void CreateClipMarks();
    // The camera and moment the player shows, from the timeline or from a listed recording.
    bool PlayingMoment(int* camera, QDateTime* when) const;
    void Mark(ClipMark& mark, ClipMark& other);
    bool ClipMarked() const;
    void ShowClipMarks();
    // The timeline's span and the player's marks are written by the same engine.
    ExportResult ExportSpanTo(int camera, const QDateTime& from, const QDateTime& to,
                              const QString& file) const;
    void ExportSpan(int camera, const QDateTime& from, const QDateTime& to);
    void FillList(const LogDayModel& model);
    void FillCameraFilter(const LogDayModel& model);
    void EnsurePlayer();
    void OnPlayerOpened(bool ok);
    // At a segment's end, the next one of the same camera plays on.
    bool PlayNextSegment();
    void OpenSegment(int camera, const Segment& segment, qint64 offsetMs);
    void LayOut();
    void ConnectControls();
    QString SelectedFile() const;
    void ClearPlayDisplay(bool disableBar);
    void PlayButton2();
    void StopButton();
    // A logged file goes only when it is the program's own and not being recorded.
    bool DeleteLoggedFile(const QString& path) const;

    const FileDeleter deleteFile_;
    QDate shownDay_;  // the day whose rows the list holds: deletions act on it
    std::unique_ptr<CDSMediaPlay> player_;
    bool dragging_ = false;
    std::shared_ptr<const DayIndex> dayIndex_;
    int playCamera_ = -1;
    Segment playSegment_;
    qint64 pendingSeekMs_ = -1;
    ClipMark markFrom_;
    ClipMark markTo_;
};

// A small picture per entry kind (0 clean-up, 1 recording and snapshots, 2 motion, 3 program).
QIcon LogKindIcon(int kind);

}  // namespace trelvix
