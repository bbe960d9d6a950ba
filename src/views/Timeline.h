// One row per camera over a day: recordings, motion events, pictures and gaps, zoomed with the
// wheel and moved by dragging. Time runs left to right in every language.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <memory>
#include <set>

#include "history/DayIndex.h"

namespace trelvix {

class TimelineView : public QWidget {
    Q_OBJECT
public:
    explicit TimelineView(QWidget* parent = nullptr);

    void SetIndex(std::shared_ptr<const DayIndex> index);
    const DayIndex* Index() const { return index_.get(); }
    // Cameras shown; empty shows every camera of the index.
    void SetCameraFilter(const std::set<int>& cameras);
    // The shown part of the day, in milliseconds from its start.
    void SetView(qint64 startMs, qint64 spanMs);
    qint64 ViewStart() const { return viewStart_; }
    qint64 ViewSpan() const { return viewSpan_; }
    // The play position line; an invalid time hides it.
    void SetPosition(int camera, const QDateTime& when);
    // The chosen span (Shift+drag), if any.
    bool HasSelection() const { return selCamera_ >= 0 && selFrom_ < selTo_; }
    int SelectionCamera() const { return selCamera_; }
    QDateTime SelectionFrom() const { return TimeAt(selFrom_); }
    QDateTime SelectionTo() const { return TimeAt(selTo_); }
    void SetSelection(int camera, const QDateTime& from, const QDateTime& to);

    // Where things are drawn, for tests and the window.
    QRect RowRect(int camera) const;
    int XOf(const QDateTime& when) const;
    int XOfMs(qint64 msFromMidnight) const;
    QDateTime TimeAtX(int x) const;
    int CameraAtY(int y) const;
    std::vector<int> ShownCameras() const;

signals:
    void momentClicked(int camera, const QDateTime& when);
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    bool event(QEvent* e) override;

private:
    QRect Plot() const;
    qint64 MsAtX(int x) const;
    QDateTime TimeAt(qint64 ms) const;
    qint64 MsOf(const QDateTime& when) const;
    void PaintAxis(QPainter& p) const;
    void PaintRow(QPainter& p, const CameraDay& c, const QRect& row) const;
    void PaintOverlay(QPainter& p) const;
    bool ShowTip(const QPoint& at);

    std::shared_ptr<const DayIndex> index_;
    std::set<int> filter_;
    qint64 viewStart_ = 0;
    qint64 viewSpan_ = 24LL * 3600 * 1000;
    int posCamera_ = -1;
    QDateTime position_;
    int selCamera_ = -1;
    qint64 selFrom_ = 0, selTo_ = 0;
    // Mouse: where the press was and what the drag does.
    enum class Drag { kNone, kPan, kSelect };
    Drag drag_ = Drag::kNone;
    QPoint pressAt_;
    qint64 pressViewStart_ = 0;
    bool moved_ = false;
};

}  // namespace trelvix
