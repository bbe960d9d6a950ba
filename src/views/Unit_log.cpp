#include "views/Unit_log.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "common/Messages.h"
#include "config/Option.h"
#include "history/EventLog.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {

// Room for a window frame and title bar, before the window manager has told their size.
const QSize kFrameAllowance(16, 48);

// Which field of a log line each column shows.
constexpr int kColumnText[7] = {text::kSource,      text::kTime,     text::kDate, text::kCamera,
                                text::kDescription, text::kCameraNo, text::kFile};
constexpr int kColumnWidth[7] = {70, 60, 70, 100, 100, 80, 250};
constexpr int kLineRole = Qt::UserRole;

}  // namespace

TFrmLog::TFrmLog(QWidget* owner, int displayMode, FileDeleter deleteFile)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint), deleteFile_(std::move(deleteFile)) {
    setObjectName(QStringLiteral("TFrmLog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(LanguageText(text::kEventLog));
    resize(840, 720);
    CreateDayBar();
    CreateList();
    CreatePlayer();
    CreateTimeline();
    CreateClipMarks();
    LayOut();
    ConnectControls();
    ConnectTimeline();
    CheckBox_showFileOnly->setChecked(displayMode == 1);
    CheckBox_showMoveOnly->setChecked(displayMode == 2);
    Refresh();
    ColumnClick(1);  // newest first, as if the time column was clicked
    if (QScreen* s = screen()) {
        // Never larger than the work area of a small screen, with room for the frame.
        const QRect area = s->availableGeometry();
        resize(size().boundedTo(area.size() - kFrameAllowance));
        move(area.center() - rect().center());
    }
}

void TFrmLog::CreateDayBar() {
    Label1 = new QLabel(LanguageText(text::kLogDate), this);
    DateTimePicker1 = new QDateEdit(QDate::currentDate(), this);
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    // The earlier day lies where reading starts: on the right in a right-to-left language.
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    BitBtn2 = new QPushButton(rightToLeft ? QStringLiteral("▶") : QStringLiteral("◀"), this);
    BitBtn2->setToolTip(LanguageText(text::kPreviousDay));
    BitBtn3 = new QPushButton(rightToLeft ? QStringLiteral("◀") : QStringLiteral("▶"), this);
    BitBtn3->setToolTip(LanguageText(text::kNextDay));
    BitBtn1 = new QPushButton(LanguageText(text::kRefresh), this);
    BitBtn4 = new QPushButton(LanguageText(text::kClear), this);
    CheckBox_showFileOnly = new QCheckBox(LanguageText(text::kOnlyEntriesWithFiles), this);
    CheckBox_showMoveOnly = new QCheckBox(LanguageText(text::kOnlyMotionPictures), this);
    CheckBox_showMoveOnly->setVisible(false);
    Label_count = new QLabel(this);
    Label2 = new QLabel(LanguageText(text::kDoubleClickToPlayRightClick), this);
    for (QWidget* w : std::initializer_list<QWidget*>{BitBtn1, BitBtn2, BitBtn3, BitBtn4})
        static_cast<QPushButton*>(w)->setAutoDefault(false);
}

void TFrmLog::CreateList() {
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setColumnCount(7);
    QStringList headers;
    for (int c = 0; c < 7; ++c) headers << LanguageText(kColumnText[c]);
    ListView1->setHeaderLabels(headers);
    for (int c = 0; c < 7; ++c) ListView1->setColumnWidth(c, kColumnWidth[c]);
    ListView1->header()->setSectionsClickable(true);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView1->setAlternatingRowColors(true);
    // A selection that reads the same whether or not the window is the active one.
    ListView1->setStyleSheet(QStringLiteral(
        "QTreeView { selection-background-color: #3078c8; selection-color: white; }"));

    PopupMenu1 = new QMenu(this);
    N1 = PopupMenu1->addAction(LanguageText(text::kOpenFile));
    N2 = PopupMenu1->addAction(LanguageText(text::kDeleteSelected));
    N3 = PopupMenu1->addAction(LanguageText(text::kOpenFolder));
    N4 = PopupMenu1->addAction(LanguageText(text::kDeleteAll));
}

void TFrmLog::CreatePlayer() {
    Panel_Video = new QWidget(this);
    Panel_Video->setObjectName(QStringLiteral("Panel_Video"));
    Panel_Video->setMinimumSize(160, 120);
    QPalette pal = Panel_Video->palette();
    pal.setColor(QPalette::Window, Qt::black);
    Panel_Video->setPalette(pal);
    Panel_Video->setAutoFillBackground(true);
    Panel_Video->installEventFilter(this);
    ImageBack = new QLabel(Panel_Video);
    ImageBack->setPixmap(LogKindIcon(1).pixmap(48, 48));
    ImageBack->resize(48, 48);

    PlayPanel = new QWidget(this);
    // Playback runs left to right in every language, like the time it shows.
    PlayPanel->setLayoutDirection(Qt::LeftToRight);
    auto makeButton = [this](const QString& glyph, int hint) {
        auto* b = new QToolButton(PlayPanel);
        b->setText(glyph);
        b->setToolTip(LanguageText(hint));
        return b;
    };
    SpeedButton1 = makeButton(QStringLiteral("▶"), text::kPlay);
    SpeedButton2 = makeButton(QStringLiteral("||"), text::kPausePlay);
    SpeedButton3 = makeButton(QStringLiteral("■"), text::kStop);
    SpeedButton4 = makeButton(QStringLiteral("»"), text::kFaster);
    SpeedButton5 = makeButton(QStringLiteral("«"), text::kSlower);
    TrackBar_Player = new QSlider(Qt::Horizontal, PlayPanel);
    TrackBar_Player->setEnabled(false);
    TrackBar_Player->installEventFilter(this);
    Label_playtimer = new QLabel(PlayPanel);
    Label_playState = new QLabel(PlayPanel);
    auto* playRow = new QHBoxLayout(PlayPanel);
    playRow->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton1, SpeedButton2, SpeedButton3,
                                                      SpeedButton5, SpeedButton4})
        playRow->addWidget(w);
    playRow->addWidget(TrackBar_Player, 1);
    playRow->addWidget(Label_playtimer);
    playRow->addWidget(Label_playState);
}

void TFrmLog::LayOut() {
    auto* top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addWidget(DateTimePicker1);
    top->addWidget(BitBtn2);
    top->addWidget(BitBtn3);
    top->addWidget(BitBtn1);
    top->addWidget(BitBtn4);
    top->addWidget(CheckBox_showFileOnly);
    top->addWidget(CheckBox_showMoveOnly);
    top->addStretch(1);
    top->addWidget(Label_count);
    auto* second = new QHBoxLayout;
    second->addWidget(Label2, 1);
    second->addWidget(CheckBox_group);
    second->addWidget(ComboBox_camera);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(second);
    layout->addWidget(Tabs, 2);
    layout->addWidget(Panel_Video, 3);
    layout->addWidget(PlayPanel);
    layout->addWidget(SpanPanel);
}

void TFrmLog::ConnectControls() {
    TimerPlay.setInterval(500);
    connect(&TimerPlay, &QTimer::timeout, this, [this] {
        if (player_) player_->ReportPosition();
    });
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmLog::Refresh);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmLog::PreviousDay);
    connect(BitBtn3, &QPushButton::clicked, this, &TFrmLog::NextDay);
    connect(BitBtn4, &QPushButton::clicked, this, &TFrmLog::DeleteAll);
    connect(CheckBox_showFileOnly, &QCheckBox::clicked, this,
            [this] { FilterClicked(CheckBox_showFileOnly); });
    connect(CheckBox_showMoveOnly, &QCheckBox::clicked, this,
            [this] { FilterClicked(CheckBox_showMoveOnly); });
    connect(ListView1->header(), &QHeaderView::sectionClicked, this, &TFrmLog::ColumnClick);
    // Queued: opening a file waits for the player, which must not happen inside the list's
    // own mouse handling.
    connect(
        ListView1, &QTreeWidget::itemSelectionChanged, this,
        [this] {
            const QString file = SelectedFile();
            if (!file.isEmpty() && QFileInfo::exists(file)) PlaySelected();
        },
        Qt::QueuedConnection);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { PlaySelected(); });
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(ListView1->viewport()->mapToGlobal(p)); });
    connect(N1, &QAction::triggered, this, &TFrmLog::PlaySelected);
    connect(N2, &QAction::triggered, this, &TFrmLog::DeleteSelected);
    connect(N3, &QAction::triggered, this, &TFrmLog::OpenFolder);
    connect(N4, &QAction::triggered, this, &TFrmLog::DeleteAll);
    connect(SpeedButton1, &QToolButton::clicked, this, &TFrmLog::PlaySelected);
    connect(SpeedButton2, &QToolButton::clicked, this, &TFrmLog::PlayButton2);
    connect(SpeedButton3, &QToolButton::clicked, this, &TFrmLog::StopButton);
    connect(SpeedButton4, &QToolButton::clicked, this, [this] {
        if (player_ && player_->IsLoaded()) player_->Faster();
    });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] {
        if (player_ && player_->IsLoaded()) player_->Slower();
    });
    connect(TrackBar_Player, &QSlider::valueChanged, this, [this](int v) {
        // Only the operator's hand seeks; the position updates move the bar too.
        if (dragging_ && player_ && player_->IsLoaded()) player_->Seek(v);
    });
}

TFrmLog::~TFrmLog() {
    player_.reset();
}

int TFrmLog::Filter() const {
    if (CheckBox_showMoveOnly->isChecked()) return kLogMotionWithFile;
    if (CheckBox_showFileOnly->isChecked()) return kLogWithFile;
    return kLogAll;
}

void TFrmLog::Refresh() {
    ListView1->clear();
    LogDayModel model;
    shownDay_ = DateTimePicker1->date();
    if (gOption) LoadLogDay(&model, gOption->LogPath, Filter(), shownDay_);
    FillList(model);
    RefreshTimeline();
    // Every text shows whole, in whatever language the rows and headers are.
    for (int c = 0; c < 7; ++c) {
        ListView1->resizeColumnToContents(c);
        if (ListView1->columnWidth(c) < kColumnWidth[c])
            ListView1->setColumnWidth(c, kColumnWidth[c]);
    }
    Label_count->setText(QString::asprintf("%i", RowCount()));
}

void TFrmLog::PreviousDay() {
    DateTimePicker1->setDate(DateTimePicker1->date().addDays(-1));
    Refresh();
}

void TFrmLog::NextDay() {
    DateTimePicker1->setDate(DateTimePicker1->date().addDays(1));
    Refresh();
}

void TFrmLog::FilterClicked(QCheckBox* source) {
    if (source == CheckBox_showMoveOnly && CheckBox_showMoveOnly->isChecked())
        CheckBox_showFileOnly->setChecked(false);
    Refresh();
}

int TFrmLog::CompareRows(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const {
    const int tag = columnTags[size_t(sortColumn)];
    const int r = CompareLogTexts(a->text(sortColumn), b->text(sortColumn), tag & 16);
    return (tag & 1) ? r : -r;
}

void TFrmLog::ColumnClick(int column) {
    if (column < 0 || column >= 7) return;
    sortColumn = column;
    columnTags[size_t(column)] ^= 1;
    QList<QTreeWidgetItem*> items;
    while (ListView1->topLevelItemCount() > 0) items << ListView1->takeTopLevelItem(0);
    std::stable_sort(items.begin(), items.end(),
                     [this](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
                         return CompareRows(a, b) < 0;
                     });
    ListView1->addTopLevelItems(items);
}

QString TFrmLog::RowText(int row, int column) const {
    const QTreeWidgetItem* item = ListView1->topLevelItem(row);
    return item ? item->text(column) : QString();
}

int TFrmLog::RowLine(int row) const {
    const QTreeWidgetItem* item = ListView1->topLevelItem(row);
    return item ? item->data(0, kLineRole).toInt() : -1;
}

void TFrmLog::SelectRows(const std::vector<int>& rows) {
    ListView1->clearSelection();
    for (int r : rows)
        if (QTreeWidgetItem* item = ListView1->topLevelItem(r)) item->setSelected(true);
}

QString TFrmLog::SelectedFile() const {
    // The first selected row in the list's order.
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = ListView1->topLevelItem(i);
        if (item->isSelected()) return item->text(6).trimmed();
    }
    return QString();
}

void TFrmLog::PlaySelected() {
    const QString file = SelectedFile();
    if (file.isEmpty() || !QFileInfo::exists(file)) return;
    EnsurePlayer();
    playCamera_ = -1;
    player_->Open(file);
}

void TFrmLog::OpenFolder() {
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = ListView1->topLevelItem(i);
        const QString file = item->text(6).trimmed();
        if (!item->isSelected() || file.isEmpty() || !QFileInfo::exists(file)) continue;
        // The desktop's file manager with the file selected, where it offers that.
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"),
            QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
        call << QStringList{QUrl::fromLocalFile(file).toString()} << QString();
        const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 3000);
        if (reply.type() != QDBusMessage::ReplyMessage)
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath()));
        return;
    }
}

bool TFrmLog::DeleteLoggedFile(const QString& path) const {
    return deleteFile_ && deleteFile_(path);
}

void TFrmLog::DeleteSelected() {
    if (!gOption) return;
    const QString logFile = LogFileName(gOption->LogPath, shownDay_);
    std::vector<int> removed;
    auto removeRow = [&](QTreeWidgetItem* item) {
        const QString file = item->text(6).trimmed();
        if (player_ && player_->path == file) player_->Close();
        DeleteLoggedFile(file);
        removed.push_back(item->data(0, kLineRole).toInt());
        delete item;
    };
    for (int i = ListView1->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* item = ListView1->topLevelItem(i);
        // A selected motion event goes with all its pictures and rows.
        for (int k = item->childCount() - 1; k >= 0; --k)
            if (item->isSelected() || item->child(k)->isSelected()) removeRow(item->child(k));
        if (item->data(0, kLineRole).toInt() < 0) {
            if (item->childCount() == 0) delete item;
        } else if (item->isSelected()) {
            removeRow(item);
        }
    }
    if (QFileInfo::exists(logFile)) RemoveLogLines(logFile, removed);
    // The remaining rows keep pointing at their own lines.
    auto renumber = [&](QTreeWidgetItem* item) {
        const int line = item->data(0, kLineRole).toInt();
        if (line >= 0) item->setData(0, kLineRole, LineAfterRemoval(line, removed));
    };
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = ListView1->topLevelItem(i);
        renumber(item);
        for (int k = 0; k < item->childCount(); ++k) renumber(item->child(k));
    }
    Label_count->setText(QString::asprintf("%i", RowCount()));
}

void TFrmLog::DeleteAll() {
    if (!gOption) return;
    if (player_) player_->Close();
    for (int i = ListView1->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* item = ListView1->topLevelItem(i);
        for (int k = 0; k < item->childCount(); ++k)
            DeleteLoggedFile(item->child(k)->text(6).trimmed());
        if (item->data(0, kLineRole).toInt() >= 0) DeleteLoggedFile(item->text(6).trimmed());
        delete item;
    }
    const QString logFile = LogFileName(gOption->LogPath, shownDay_);
    if (QFileInfo::exists(logFile)) QFile::remove(logFile);
    Label_count->setText(QStringLiteral("0"));
}

void TFrmLog::ClearPlayDisplay(bool disableBar) {
    TrackBar_Player->setValue(0);
    TrackBar_Player->setMaximum(0);
    Label_playtimer->clear();
    Label_playState->clear();
    if (disableBar) TrackBar_Player->setEnabled(false);
}

void TFrmLog::PlayButton2() {
    if (!player_ || !player_->IsLoaded()) return;
    if (player_->IsPaused()) {
        player_->Resume();
        TimerPlay.start();
    } else {
        player_->TogglePause();
        TimerPlay.stop();
    }
}

void TFrmLog::StopButton() {
    if (!player_ || !player_->IsLoaded()) return;
    player_->Close();
    ClearPlayDisplay(true);
}

bool TFrmLog::event(QEvent* e) {
    if (const auto* m = MessageOf<PlayerReportMessage>(e)) {
        switch (m->notice) {
            case PlayerNotice::kDuration:
                TrackBar_Player->setEnabled(m->seconds > 0);
                TrackBar_Player->setMaximum(m->seconds);
                Label_playtimer->setText(PlayTimeText(m->seconds));
                break;
            case PlayerNotice::kPosition:
                TrackBar_Player->setValue(m->seconds);
                if (player_) Label_playtimer->setText(player_->PositionText());
                break;
            case PlayerNotice::kCleared:
                ClearPlayDisplay(false);
                break;
            case PlayerNotice::kEnded:
                if (playCamera_ < 0 || !PlayNextSegment()) {
                    playCamera_ = -1;
                    ClearPlayDisplay(true);
                }
                break;
        }
        return true;
    }
    if (const auto* m = MessageOf<PlayerStateMessage>(e)) {
        Label_playState->setText(m->text);
        return true;
    }
    return QWidget::event(e);
}

bool TFrmLog::eventFilter(QObject* watched, QEvent* e) {
    if (watched == TrackBar_Player) {
        if (e->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            dragging_ = true;
        else if (e->type() == QEvent::MouseMove &&
                 (static_cast<QMouseEvent*>(e)->buttons() & Qt::LeftButton))
            dragging_ = true;
        else if (e->type() == QEvent::MouseButtonRelease &&
                 static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            dragging_ = false;
    } else if (watched == Panel_Video && e->type() == QEvent::Resize) {
        if (player_) player_->CentreVideo();
        ImageBack->move((Panel_Video->width() - ImageBack->width()) / 2,
                        (Panel_Video->height() - ImageBack->height()) / 2);
    }
    return QWidget::eventFilter(watched, e);
}

void TFrmLog::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        BitBtn1->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace trelvix
