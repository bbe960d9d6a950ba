// The log viewer's timeline page, its grouped list and playing from a moment.
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMediaMetaData>
#include <QVBoxLayout>

#include "common/TextConv.h"
#include "config/Option.h"
#include "history/Cfilefilter.h"
#include "views/Timeline.h"
#include "views/Unit_log.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {

constexpr int kLineRole = Qt::UserRole;
constexpr int kColumnField[7] = {1, 3, 2, 4, 5, 6, 7};
constexpr double kSpeeds[] = {1.0, 2.0, 4.0, 8.0};

QTreeWidgetItem* RowItem(const LogRow& row) {
    auto* item = new QTreeWidgetItem;
    for (int c = 0; c < 7; ++c) item->setText(c, row.fields[size_t(kColumnField[c])]);
    if (row.icon >= 0 && row.icon <= 3) item->setIcon(0, LogKindIcon(row.icon));
    item->setData(0, kLineRole, row.line);
    return item;
}

}  // namespace

void TFrmLog::CreateTimeline() {
    CheckBox_group = new QCheckBox(LanguageText(text::kGroupMotionEvents), this);
    CheckBox_group->setChecked(true);
    ComboBox_camera = new QComboBox(this);
    ComboBox_camera->addItem(LanguageText(text::kAllCameras), -1);
    TimelinePage = new QWidget(this);
    Timeline = new TimelineView(TimelinePage);
    Label_timelineHint = new QLabel(LanguageText(text::kClickARowToPlayFrom), TimelinePage);
    Label_timelineHint->setWordWrap(true);
    BitBtn_export = new QPushButton(LanguageText(text::kExportClip), TimelinePage);
    BitBtn_export->setAutoDefault(false);
    auto* bar = new QHBoxLayout;
    bar->addWidget(Label_timelineHint, 1);
    bar->addWidget(BitBtn_export);
    auto* page = new QVBoxLayout(TimelinePage);
    page->setContentsMargins(2, 2, 2, 2);
    page->addLayout(bar);
    page->addWidget(Timeline, 1);
    Tabs = new QTabWidget(this);
    Tabs->addTab(ListView1, LanguageText(text::kList));
    Tabs->addTab(TimelinePage, LanguageText(text::kTimeline));

    // Beside the player's own buttons: speed and frame steps for reviewing.
    ComboBox_speed = new QComboBox(PlayPanel);
    for (double s : kSpeeds) ComboBox_speed->addItem(QStringLiteral("%1×").arg(s), s);
    ComboBox_speed->setToolTip(LanguageText(text::kPlaybackSpeed));
    SpeedButton_back = new QToolButton(PlayPanel);
    SpeedButton_back->setText(QStringLiteral("|◀"));
    SpeedButton_back->setToolTip(LanguageText(text::kStepBackOneFrame));
    SpeedButton_forward = new QToolButton(PlayPanel);
    SpeedButton_forward->setText(QStringLiteral("▶|"));
    SpeedButton_forward->setToolTip(LanguageText(text::kStepForwardOneFrame));
    auto* row = static_cast<QHBoxLayout*>(PlayPanel->layout());
    row->insertWidget(5, SpeedButton_forward);
    row->insertWidget(5, SpeedButton_back);
    row->insertWidget(5, ComboBox_speed);
}

void TFrmLog::ConnectTimeline() {
    connect(CheckBox_group, &QCheckBox::clicked, this, &TFrmLog::Refresh);
    connect(ComboBox_camera, &QComboBox::activated, this, [this] {
        Refresh();
        const int c = CameraFilter();
        Timeline->SetCameraFilter(c < 0 ? std::set<int>{} : std::set<int>{c});
    });
    connect(Timeline, &TimelineView::momentClicked, this,
            [this](int camera, const QDateTime& when) { PlayMoment(camera, when); });
    connect(BitBtn_export, &QPushButton::clicked, this, &TFrmLog::ExportSelection);
    connect(ComboBox_speed, &QComboBox::activated, this,
            [this](int i) { SetSpeed(ComboBox_speed->itemData(i).toDouble()); });
    connect(SpeedButton_back, &QToolButton::clicked, this, [this] { StepFrame(-1); });
    connect(SpeedButton_forward, &QToolButton::clicked, this, [this] { StepFrame(1); });
    connect(&TimerPlay, &QTimer::timeout, this,
            [this] { Timeline->SetPosition(playCamera_, PlayMomentNow()); });
}

int TFrmLog::CameraFilter() const {
    return ComboBox_camera ? ComboBox_camera->currentData().toInt() : -1;
}

void TFrmLog::FillCameraFilter(const LogDayModel& model) {
    const int chosen = CameraFilter();
    std::map<int, QString> cameras;
    for (const LogRow& r : model.rows)
        if (const auto n = TextToInt(r.fields[6]); n && *n >= 0 && !cameras.count(*n))
            cameras[*n] = r.fields[4];
    ComboBox_camera->clear();
    ComboBox_camera->addItem(LanguageText(text::kAllCameras), -1);
    for (const auto& [n, name] : cameras)
        ComboBox_camera->addItem(QStringLiteral("%1 %2").arg(n).arg(name), n);
    ComboBox_camera->setCurrentIndex(std::max(0, ComboBox_camera->findData(chosen)));
}

void TFrmLog::FillList(const LogDayModel& model) {
    FillCameraFilter(model);
    const int camera = CameraFilter();
    std::vector<LogRow> rows;
    for (const LogRow& r : model.rows)
        if (camera < 0 || r.fields[6] == QString::number(camera)) rows.push_back(r);
    std::map<int, const MotionEvent*> eventOfLine;
    const auto events = CheckBox_group->isChecked()
                            ? GroupMotionEvents(rows, kDefaultEventGapSeconds)
                            : std::vector<MotionEvent>{};
    // An event of one row stays that row: there is nothing to open.
    for (const MotionEvent& e : events)
        if (e.lines.size() > 1)
            for (int line : e.lines) eventOfLine[line] = &e;
    std::map<const MotionEvent*, QTreeWidgetItem*> parents;
    QList<QTreeWidgetItem*> items;
    for (const LogRow& row : rows) {
        const auto found = eventOfLine.find(row.line);
        if (found == eventOfLine.end()) {
            items << RowItem(row);
            continue;
        }
        QTreeWidgetItem*& parent = parents[found->second];
        if (!parent) {
            parent = RowItem(row);
            parent->setText(4,
                            LanguageText(text::kMotionEvent1Pictures).arg(found->second->pictures));
            parent->setText(6, found->second->firstPicture);
            parent->setData(0, kLineRole, -1);
            items << parent;
        }
        parent->addChild(RowItem(row));
    }
    ListView1->setRootIsDecorated(!parents.empty());
    ListView1->addTopLevelItems(items);
}

void TFrmLog::RefreshTimeline() {
    const QDate day = DateTimePicker1->date();
    if (!gOption) return;
    dayIndex_ = CachedDayIndex(gOption->LogPath, day, CameraVideoFolders(day), CurrentDayTexts());
    Timeline->SetIndex(dayIndex_);
}

void TFrmLog::EnsurePlayer() {
    if (player_) return;
    player_ = std::make_unique<CDSMediaPlay>(this, Panel_Video);
    connect(player_.get(), &CDSMediaPlay::opened, this, &TFrmLog::OnPlayerOpened);
}

void TFrmLog::OnPlayerOpened(bool ok) {
    // The window keeps its title: the playing file's name shows in the state line.
    if (!ok) {
        playCamera_ = -1;
        CDSMediaPlay::ShowMessage(this, LanguageText(text::kPlaybackFailedCheckWhetherTheFile));
        return;
    }
    TimerPlay.start();
    if (playCamera_ < 0) return;
    pendingSeekMs_ = -1;
    SetSpeed(ComboBox_speed->currentData().toDouble());
}

void TFrmLog::OpenSegment(int camera, const Segment& segment, qint64 offsetMs) {
    EnsurePlayer();
    const bool running =
        player_->state == CDSMediaPlay::kRunning || player_->state == CDSMediaPlay::kPaused;
    // Another moment of the file that plays is a seek: loading it again takes most of a second.
    if (running && playCamera_ == camera && player_->path == segment.path &&
        !player_->StartPending()) {
        player_->player->setPosition(offsetMs);
        return;
    }
    playCamera_ = camera;
    playSegment_ = segment;
    pendingSeekMs_ = offsetMs;
    if (!player_->Open(segment.path, offsetMs)) playCamera_ = -1;
}

bool TFrmLog::PlayMoment(int camera, const QDateTime& when) {
    const CameraDay* c = dayIndex_ ? dayIndex_->Camera(camera) : nullptr;
    // A click just before a recording starts plays its beginning.
    const Moment m = c ? FindMoment(*c, when, 60'000) : Moment{};
    if (!m.segment || !QFileInfo::exists(m.segment->path)) return false;
    OpenSegment(camera, *m.segment, m.offsetMs);
    return true;
}

bool TFrmLog::PlayNextSegment() {
    const CameraDay* c = dayIndex_ ? dayIndex_->Camera(playCamera_) : nullptr;
    if (!c) return false;
    for (const Segment& s : c->segments)
        if (s.path == playSegment_.path) {
            const Segment* next = NextSegment(*c, &s);
            if (!next) return false;
            OpenSegment(playCamera_, *next, 0);
            return true;
        }
    return false;
}

QDateTime TFrmLog::PlayMomentNow() const {
    if (playCamera_ < 0 || !player_ || !player_->IsLoaded() || pendingSeekMs_ >= 0 ||
        player_->StartPending())
        return {};
    return playSegment_.start.addMSecs(player_->player->position());
}

void TFrmLog::SetSpeed(double rate) {
    if (player_ && player_->IsLoaded() && !player_->IsPaused()) player_->SetRate(rate);
}

void TFrmLog::StepFrame(int direction) {
    if (!player_ || !player_->IsPaused() || player_->fileKind != CFileFilter::kVideo) return;
    const double fps = player_->player->metaData().value(QMediaMetaData::VideoFrameRate).toDouble();
    const qint64 step = qint64(1000.0 / (fps > 0 ? fps : 10.0));
    player_->player->setPosition(
        std::max<qint64>(0, player_->player->position() + direction * step));
}

}  // namespace trelvix
