#include "views/Timeline.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {

constexpr qint64 kMinSpanMs = 2LL * 60 * 1000;
constexpr int kNameWidth = 90;
constexpr int kAxisHeight = 22;
constexpr int kMaxRowHeight = 56;

const QColor kContinuous(60, 120, 210);
const QColor kMotionRec(235, 140, 30);
const QColor kEvent(220, 40, 40, 110);
const QColor kGap(150, 0, 0);
const QColor kPosition(20, 170, 60);

// A tick spacing that gives labels about every 80 pixels.
qint64 TickStep(qint64 spanMs, int width) {
    static constexpr qint64 kSteps[] = {10'000,    30'000,    60'000,     120'000,
                                        300'000,   600'000,   900'000,    1'800'000,
                                        3'600'000, 7'200'000, 10'800'000, 21'600'000};
    const qint64 wanted = spanMs * 80 / std::max(1, width);
    for (qint64 s : kSteps)
        if (s >= wanted) return s;
    return kSteps[std::size(kSteps) - 1];
}

}  // namespace

TimelineView::TimelineView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Timeline"));
    setLayoutDirection(Qt::LeftToRight);
    setMouseTracking(true);
    setMinimumSize(320, 120);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TimelineView::SetIndex(std::shared_ptr<const DayIndex> index) {
    index_ = std::move(index);
    update();
}

void TimelineView::SetCameraFilter(const std::set<int>& cameras) {
    filter_ = cameras;
    update();
}

void TimelineView::SetView(qint64 startMs, qint64 spanMs) {
    viewSpan_ = std::clamp(spanMs, kMinSpanMs, kDayMs);
    viewStart_ = std::clamp<qint64>(startMs, 0, kDayMs - viewSpan_);
    update();
}

void TimelineView::SetPosition(int camera, const QDateTime& when) {
    posCamera_ = camera;
    position_ = when;
    update();
}

void TimelineView::SetSelection(int camera, const QDateTime& from, const QDateTime& to) {
    selCamera_ = camera;
    selFrom_ = MsOf(from);
    selTo_ = MsOf(to);
    update();
    emit selectionChanged();
}

std::vector<int> TimelineView::ShownCameras() const {
    std::vector<int> shown;
    if (!index_) return shown;
    for (const CameraDay& c : index_->cameras)
        if (filter_.empty() || filter_.count(c.camera)) shown.push_back(c.camera);
    return shown;
}

QRect TimelineView::Plot() const {
    return rect().adjusted(kNameWidth, kAxisHeight, -4, -2);
}

QRect TimelineView::RowRect(int camera) const {
    const std::vector<int> shown = ShownCameras();
    const auto it = std::find(shown.begin(), shown.end(), camera);
    if (it == shown.end()) return {};
    const QRect plot = Plot();
    const int h = std::min(kMaxRowHeight, plot.height() / int(shown.size()));
    return {plot.left(), plot.top() + int(it - shown.begin()) * h, plot.width(), h - 4};
}

int TimelineView::CameraAtY(int y) const {
    for (int c : ShownCameras()) {
        const QRect r = RowRect(c);
        if (y >= r.top() && y <= r.bottom() + 4) return c;
    }
    return -1;
}

// Plain date and time arithmetic: a QDateTime conversion per mark is too slow for a redraw.
qint64 TimelineView::MsOf(const QDateTime& when) const {
    if (!index_ || !when.isValid()) return -1;
    return index_->day.daysTo(when.date()) * kDayMs + when.time().msecsSinceStartOfDay();
}

QDateTime TimelineView::TimeAt(qint64 ms) const {
    if (!index_) return {};
    const qint64 days = ms >= 0 ? ms / kDayMs : -1 - (-ms - 1) / kDayMs;
    return QDateTime(index_->day.addDays(days),
                     QTime::fromMSecsSinceStartOfDay(int(ms - days * kDayMs)));
}

qint64 TimelineView::MsAtX(int x) const {
    const QRect plot = Plot();
    return viewStart_ + (qint64(x) - plot.left()) * viewSpan_ / std::max(1, plot.width());
}

QDateTime TimelineView::TimeAtX(int x) const {
    return TimeAt(std::clamp<qint64>(MsAtX(x), 0, kDayMs - 1));
}

int TimelineView::XOfMs(qint64 ms) const {
    const QRect plot = Plot();
    return plot.left() + int((ms - viewStart_) * plot.width() / viewSpan_);
}

int TimelineView::XOf(const QDateTime& when) const {
    return XOfMs(MsOf(when));
}

void TimelineView::PaintAxis(QPainter& p) const {
    const QRect plot = Plot();
    const qint64 step = TickStep(viewSpan_, plot.width());
    p.setPen(palette().color(QPalette::WindowText));
    const QString format = step < 60'000 ? QStringLiteral("hh:mm:ss") : QStringLiteral("hh:mm");
    for (qint64 t = (viewStart_ / step + 1) * step - step; t <= viewStart_ + viewSpan_; t += step) {
        if (t < viewStart_) continue;
        const int x = plot.left() + int((t - viewStart_) * plot.width() / viewSpan_);
        p.setPen(QColor(160, 160, 160));
        p.drawLine(x, plot.top() - 4, x, plot.bottom());
        p.setPen(palette().color(QPalette::WindowText));
        // The last label stays whole inside the widget.
        p.drawText(QRect(std::min(x - 40, width() - 80), 0, 80, kAxisHeight - 4), Qt::AlignCenter,
                   QTime(0, 0).addMSecs(int(t % kDayMs)).toString(format));
    }
}

void TimelineView::PaintRow(QPainter& p, const CameraDay& c, const QRect& row) const {
    p.fillRect(row, palette().color(QPalette::AlternateBase));
    const qint64 viewEnd = viewStart_ + viewSpan_;
    // Only what lies in view is drawn, and one line per pixel column at most.
    auto span = [&](qint64 a, qint64 b, int top, int height) {
        const qint64 from = std::max(a, viewStart_), to = std::min(b, viewEnd);
        if (to < from) return QRect();
        const int x0 = XOfMs(from), x1 = XOfMs(to);
        return QRect(x0, top, std::max(1, x1 - x0), height);
    };
    const int barTop = row.top() + row.height() / 4, barHeight = row.height() / 2;
    for (const Segment& s : c.segments) {
        const qint64 at = MsOf(s.start);
        if (const QRect r = span(at, at + s.durationMs, barTop, barHeight); !r.isNull())
            p.fillRect(r, s.motion ? kMotionRec : kContinuous);
    }
    for (const MotionEvent& e : c.events) {
        const QRect r = span(MsOf(e.start), MsOf(e.end) + 1000, row.top(), row.height() / 2);
        if (!r.isNull()) p.fillRect(r, kEvent);
    }
    int lastX[3] = {-1, -1, -1};
    for (const DayMark& m : c.marks) {
        const qint64 t = m.wallMs - WallMs(index_->day, 0);
        if (t < viewStart_ || t > viewEnd) continue;
        const int x = XOfMs(t);
        if (x == lastX[m.kind]) continue;
        lastX[m.kind] = x;
        if (m.kind == DayMark::kGap) {
            p.setPen(QPen(kGap, 2));
            p.drawLine(x, row.top(), x, row.bottom());
        } else {
            p.setPen(m.kind == DayMark::kMotionPicture ? kEvent.darker(130) : QColor(90, 90, 90));
            p.drawLine(x, row.bottom() - row.height() / 4, x, row.bottom());
        }
    }
}

void TimelineView::PaintOverlay(QPainter& p) const {
    if (HasSelection()) {
        const QRect row = RowRect(selCamera_);
        const int x0 = XOf(TimeAt(selFrom_)), x1 = XOf(TimeAt(selTo_));
        if (!row.isNull()) {
            p.fillRect(QRect(x0, row.top(), x1 - x0, row.height()), QColor(255, 220, 0, 90));
            p.setPen(QPen(QColor(200, 160, 0), 1));
            p.drawRect(QRect(x0, row.top(), x1 - x0, row.height()));
        }
    }
    if (position_.isValid()) {
        const QRect row = RowRect(posCamera_);
        const int x = XOf(position_);
        if (!row.isNull() && x >= row.left() && x <= row.right()) {
            p.setPen(QPen(kPosition, 2));
            p.drawLine(x, row.top() - 2, x, row.bottom() + 2);
        }
    }
}

void TimelineView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    if (!index_) return;
    PaintAxis(p);
    p.setClipRect(Plot().adjusted(0, -2, 0, 2));
    for (int camera : ShownCameras()) PaintRow(p, *index_->Camera(camera), RowRect(camera));
    PaintOverlay(p);
    p.setClipping(false);
    p.setPen(palette().color(QPalette::WindowText));
    for (int camera : ShownCameras()) {
        const CameraDay& c = *index_->Camera(camera);
        const QRect r = RowRect(camera);
        const QString name = c.name.isEmpty() ? QString::number(c.camera) : c.name;
        p.drawText(QRect(4, r.top(), kNameWidth - 8, r.height()), Qt::AlignVCenter | Qt::AlignLeft,
                   fontMetrics().elidedText(name, Qt::ElideRight, kNameWidth - 8));
    }
}

void TimelineView::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
    pressAt_ = e->position().toPoint();
    pressViewStart_ = viewStart_;
    moved_ = false;
    const int camera = CameraAtY(pressAt_.y());
    if ((e->modifiers() & Qt::ShiftModifier) && camera >= 0) {
        drag_ = Drag::kSelect;
        selCamera_ = camera;
        selFrom_ = selTo_ = MsAtX(pressAt_.x());
    } else {
        drag_ = Drag::kPan;
    }
}

void TimelineView::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    if (drag_ == Drag::kNone) return;
    if ((at - pressAt_).manhattanLength() > 3) moved_ = true;
    if (drag_ == Drag::kPan) {
        SetView(pressViewStart_ - (qint64(at.x()) - pressAt_.x()) * viewSpan_ / Plot().width(),
                viewSpan_);
    } else {
        const qint64 a = MsAtX(pressAt_.x()), b = MsAtX(at.x());
        selFrom_ = std::clamp<qint64>(std::min(a, b), 0, kDayMs);
        selTo_ = std::clamp<qint64>(std::max(a, b), 0, kDayMs);
        update();
    }
}

void TimelineView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || drag_ == Drag::kNone) return;
    const Drag was = drag_;
    drag_ = Drag::kNone;
    if (was == Drag::kSelect) {
        if (!moved_) selCamera_ = -1;
        update();
        emit selectionChanged();
        return;
    }
    const QPoint at = e->position().toPoint();
    const int camera = CameraAtY(at.y());
    if (!moved_ && camera >= 0 && Plot().contains(at)) emit momentClicked(camera, TimeAtX(at.x()));
}

void TimelineView::wheelEvent(QWheelEvent* e) {
    const int steps = e->angleDelta().y() / 120;
    if (steps == 0) return;
    // The time under the mouse stays where it is.
    const int x = int(e->position().x());
    const qint64 at = MsAtX(x);
    qint64 span = viewSpan_;
    for (int i = 0; i < std::abs(steps); ++i) span = steps > 0 ? span * 2 / 3 : span * 3 / 2;
    span = std::clamp(span, kMinSpanMs, kDayMs);
    SetView(at - (qint64(x) - Plot().left()) * span / std::max(1, Plot().width()), span);
    e->accept();
}

bool TimelineView::ShowTip(const QPoint& at) {
    const int camera = CameraAtY(at.y());
    const CameraDay* c = index_ ? index_->Camera(camera) : nullptr;
    if (!c || !Plot().contains(at)) return false;
    const int slack = 4;
    for (const DayMark& m : c->marks) {
        if (std::abs(XOfMs(m.wallMs - WallMs(index_->day, 0)) - at.x()) > slack) continue;
        QString tip = FromWallMs(m.wallMs).time().toString(QStringLiteral("hh:mm:ss"));
        if (m.kind == DayMark::kGap) {
            tip += QStringLiteral(" ") + LanguageText(text::kRecordingStopped);
        } else {
            tip += QStringLiteral(" ") + LanguageText(text::kPicture);
            tip = QStringLiteral("<p>%1</p><img src=\"%2\" width=\"160\">")
                      .arg(tip.toHtmlEscaped(), m.file.toHtmlEscaped());
        }
        QToolTip::showText(mapToGlobal(at), tip, this);
        return true;
    }
    const QDateTime when = TimeAtX(at.x());
    for (const MotionEvent& ev : c->events) {
        if (when < ev.start.addSecs(-1) || when > ev.end.addSecs(1)) continue;
        QString tip = QStringLiteral("%1 %2–%3")
                          .arg(LanguageText(text::kMotionEvent), ev.start.time().toString(),
                               ev.end.time().toString());
        if (!ev.firstPicture.isEmpty())
            tip = QStringLiteral("<p>%1</p><img src=\"%2\" width=\"160\">")
                      .arg(tip.toHtmlEscaped(), ev.firstPicture.toHtmlEscaped());
        QToolTip::showText(mapToGlobal(at), tip, this);
        return true;
    }
    const Moment m = FindMoment(*c, when);
    if (!m.segment) return false;
    QToolTip::showText(
        mapToGlobal(at),
        QStringLiteral("%1 %2").arg(
            LanguageText(m.segment->motion ? text::kMotionRecording : text::kRecording),
            when.time().toString()),
        this);
    return true;
}

bool TimelineView::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        if (!ShowTip(static_cast<QHelpEvent*>(e)->pos())) {
            QToolTip::hideText();
            e->ignore();
        }
        return true;
    }
    return QWidget::event(e);
}

}  // namespace trelvix
