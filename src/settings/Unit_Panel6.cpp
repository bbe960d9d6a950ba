#include "settings/Unit_Panel6.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "capture/Usbcamera.h"
#include "common/TextConv.h"
#include "config/Option.h"
#include "lang/TextIds.h"
#include "settings/PageRules.h"

namespace trelvix {

namespace {

constexpr int kIconRole = Qt::UserRole;
// 0 not listed, 1 asked for, 2 listed.
constexpr int kListedRole = Qt::UserRole + 1;

QLineEdit* Edit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(CDataClass::kMaxTextUnits);
    return edit;
}

QSpinBox* Spin(const char* name, int low, int high, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(low, high);
    return spin;
}

QCheckBox* Check(const char* name, int textId, QWidget* parent) {
    auto* box = new QCheckBox(LanguageText(textId), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// The stored value, or the default where the page holds 0 or less.
int32_t PositiveOr(int value, int32_t fallback) {
    return value <= 0 ? fallback : int32_t(value);
}

}  // namespace

TFrame_Panel6::TFrame_Panel6(QWidget* owner, int index)
    : TFrame_PanelBase(owner, index, text::kFTPUpload), browser_(new CFtpBrowser) {
    setObjectName(QStringLiteral("TFrame_Panel6"));
    Panel6 = new TPreviewPanel(QStringLiteral("Panel6"), Body());
    CheckBox_start = Check("CheckBox_start", text::kEnableFTPUpload, Body());
    connect(CheckBox_start, &QCheckBox::clicked, this, &TFrame_Panel6::CheckBox_startClick);

    auto* left = new QVBoxLayout;
    left->addWidget(Panel6);
    left->addWidget(BuildTimedGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(BuildServerFields());
    right->addWidget(BuildOptionGroup());
    right->addWidget(CheckBox_start);
    right->addStretch();
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(8, 0, 8, 8);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    BuildBrowser();
    connect(browser_.get(), &CFtpBrowser::logLine, this, &TFrame_Panel6::AddLogLine);
    connect(browser_.get(), &CFtpBrowser::loggedIn, this, &TFrame_Panel6::LoggedIn);
    connect(browser_.get(), &CFtpBrowser::folderListed, this, &TFrame_Panel6::FolderListed);
    connect(browser_.get(), &CFtpBrowser::testFinished, this,
            [this] { BitBtn1->setEnabled(true); });
    connect(browser_.get(), &CFtpBrowser::idle, this, &TFrame_Panel6::Idle);
    EnableControls(CheckBox_start->isChecked());
}

TFrame_Panel6::~TFrame_Panel6() {
    // The connection says QUIT before the controls its answers would reach are gone.
    browser_.reset();
}

QWidget* TFrame_Panel6::BuildServerFields() {
    auto* box = new QWidget(Body());
    Label_FTPIP = new QLabel(LanguageText(text::kHost), box);
    Edit_FTPIP = Edit("Edit_FTPIP", box);
    Label_FTPPORT = new QLabel(LanguageText(text::kPort), box);
    Edit_FTPPORT = Edit("Edit_FTPPORT", box);
    Edit_FTPPORT->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), box));
    Label_FTPUSER = new QLabel(LanguageText(text::kUserName), box);
    Edit_FTPUSER = Edit("Edit_FTPUSER", box);
    Label_FTPPASSWORD = new QLabel(LanguageText(text::kPassword1004), box);
    Edit_FTPPASSWORD = Edit("Edit_FTPPASSWORD", box);
    Edit_FTPPASSWORD->setEchoMode(QLineEdit::Password);
    Label_FTPDIR = new QLabel(LanguageText(text::kUploadFolder), box);
    Edit_FTPDIR = Edit("Edit_FTPDIR", box);
    Edit_FTPDIR->setReadOnly(true);
    BitBtn7 = new QPushButton(LanguageText(text::kChooseFTPFolder), box);
    BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
    BitBtn7->setAutoDefault(false);
    connect(BitBtn7, &QPushButton::clicked, this, &TFrame_Panel6::BitBtn7Click);

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::pair<QLabel*, QLineEdit*> rows[] = {{Label_FTPIP, Edit_FTPIP},
                                                   {Label_FTPPORT, Edit_FTPPORT},
                                                   {Label_FTPUSER, Edit_FTPUSER},
                                                   {Label_FTPPASSWORD, Edit_FTPPASSWORD},
                                                   {Label_FTPDIR, Edit_FTPDIR}};
    int row = 0;
    for (const auto& [label, edit] : rows) {
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row++, 1);
    }
    grid->addWidget(BitBtn7, row, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* TFrame_Panel6::BuildTimedGroup() {
    GroupBox4 = new QGroupBox(LanguageText(text::kTimedSnapshots), Body());
    Label15 = new QLabel(LanguageText(text::kSnapshotIntervalS), GroupBox4);
    CSpinEdit4 = Spin("CSpinEdit4", 1, 3600, GroupBox4);
    Label3 = new QLabel(LanguageText(text::kUploadIntervalS), GroupBox4);
    CSpinEdit1 = Spin("CSpinEdit1", 3, 3600, GroupBox4);
    Label4 = new QLabel(LanguageText(text::kPicturesPerUpload), GroupBox4);
    CSpinEdit2 = Spin("CSpinEdit2", 1, 100, GroupBox4);
    auto* grid = new QGridLayout(GroupBox4);
    grid->addWidget(Label15, 0, 0);
    grid->addWidget(CSpinEdit4, 0, 1);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(CSpinEdit1, 1, 1);
    grid->addWidget(Label4, 2, 0);
    grid->addWidget(CSpinEdit2, 2, 1);
    grid->setColumnStretch(0, 1);
    return GroupBox4;
}

QWidget* TFrame_Panel6::BuildOptionGroup() {
    GroupBoxOption = new QGroupBox(LanguageText(text::kUploadFileOptions), Body());
    CheckBox_FTPmakeDIRbyDate =
        Check("CheckBox_FTPmakeDIRbyDate", text::kCreateAFolderPerDay, GroupBoxOption);
    CheckBox_FTPfixdFileName =
        Check("CheckBox_FTPfixdFileName", text::kUseAFixedFileName, GroupBoxOption);
    Label = new QLabel(LanguageText(text::kFileName), GroupBoxOption);
    Edit_FTPfixedFileName = Edit("Edit_FTPfixedFileName", GroupBoxOption);
    CheckBox_FTPMoveImageUpload =
        Check("CheckBox_FTPMoveImageUpload", text::kUploadMotionPictures, GroupBoxOption);
    connect(CheckBox_FTPfixdFileName, &QCheckBox::clicked, this,
            &TFrame_Panel6::CheckBox_FTPfixdFileNameClick);
    auto* name = new QHBoxLayout;
    name->addSpacing(20);
    name->addWidget(Label);
    name->addWidget(Edit_FTPfixedFileName, 1);
    auto* layout = new QVBoxLayout(GroupBoxOption);
    layout->addWidget(CheckBox_FTPmakeDIRbyDate);
    layout->addWidget(CheckBox_FTPfixdFileName);
    layout->addLayout(name);
    layout->addWidget(CheckBox_FTPMoveImageUpload);
    return GroupBoxOption;
}

void TFrame_Panel6::BuildBrowser() {
    PanelFTPWizart = new QFrame(this);
    PanelFTPWizart->setObjectName(QStringLiteral("PanelFTPWizart"));
    PanelFTPWizart->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelFTPWizart->setAutoFillBackground(true);
    QWidget* p = PanelFTPWizart;
    ImageList1 = {style()->standardIcon(QStyle::SP_DirIcon),
                  style()->standardIcon(QStyle::SP_DirOpenIcon),
                  style()->standardIcon(QStyle::SP_FileIcon)};
    BitBtn5 = new QPushButton(LanguageText(text::kLogInToFTPServer), p);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    SpeedButton2 = new QToolButton(p);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    SpeedButton2->setToolTip(LanguageText(text::kUseThisFolder));
    SpeedButton1 = new QToolButton(p);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    SpeedButton1->setToolTip(LanguageText(text::kClose));
    Label1 = new QLabel(LanguageText(text::kChooseFTPFolder1019), p);
    TreeView1 = new QTreeWidget(p);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setIconSize(QSize(16, 16));
    Label2 = new QLabel(LanguageText(text::kUploadFolder1020), p);
    Edit_FTPDIR_SHOW = Edit("Edit_FTPDIR_SHOW", p);
    Edit_FTPDIR_SHOW->setReadOnly(true);
    Edit_FTPDIR_SHOW->setEnabled(false);
    BitBtn1 = new QPushButton(LanguageText(text::kTestSnapshotUpload), p);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    ListViewLog = new QTreeWidget(p);
    ListViewLog->setObjectName(QStringLiteral("ListViewLog"));
    ListViewLog->setRootIsDecorated(false);
    ListViewLog->setHeaderLabels({LanguageText(text::kMessage), LanguageText(text::kTime1023)});
    ListViewLog->setStyleSheet(
        QStringLiteral("QTreeWidget#ListViewLog { background: black; color: lime; }"));
    ListViewLog->header()->setStretchLastSection(false);
    ListViewLog->viewport()->installEventFilter(this);
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{BitBtn5, BitBtn1})
        static_cast<QPushButton*>(b)->setAutoDefault(false);
    connect(BitBtn5, &QPushButton::clicked, this, &TFrame_Panel6::BitBtn5Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrame_Panel6::BitBtn1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TFrame_Panel6::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TFrame_Panel6::SpeedButton2Click);
    connect(TreeView1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { TreeView1Click(node); });
    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { TreeView1Click(node); });
    connect(TreeView1, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* node) { ListNode(node); });

    auto* top = new QHBoxLayout;
    top->addWidget(BitBtn5);
    top->addStretch();
    top->addWidget(SpeedButton2);
    top->addWidget(SpeedButton1);
    auto* side = new QVBoxLayout;
    side->addWidget(Label2);
    side->addWidget(Edit_FTPDIR_SHOW);
    side->addWidget(BitBtn1, 0, Qt::AlignLeft);
    side->addStretch();
    auto* grid = new QGridLayout(p);
    grid->addLayout(top, 0, 0, 1, 2);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(TreeView1, 2, 0);
    grid->addLayout(side, 2, 1);
    grid->addWidget(ListViewLog, 3, 0, 1, 2);
    grid->setRowStretch(2, 3);
    grid->setRowStretch(3, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    PanelFTPWizart->hide();
}

void TFrame_Panel6::resizeEvent(QResizeEvent* e) {
    TFrame_PanelBase::resizeEvent(e);
    PlaceBrowser();
}

void TFrame_Panel6::PlaceBrowser() {
    // Over the page's controls, below the banner; as large as the page allows.
    PanelFTPWizart->setGeometry(14, 30, std::max(0, width() - 28), std::max(0, height() - 38));
}

bool TFrame_Panel6::eventFilter(QObject* watched, QEvent* e) {
    // The message list's columns share its width whenever it changes, shown or not.
    if (watched == ListViewLog->viewport() && e->type() == QEvent::Resize) {
        const int list = ListViewLog->viewport()->width();
        ListViewLog->setColumnWidth(0, list * 3 / 4);
        ListViewLog->setColumnWidth(1, std::max(0, list / 4 - 10));
    }
    return TFrame_PanelBase::eventFilter(watched, e);
}

FtpLogin TFrame_Panel6::CurrentLogin() const {
    return {Edit_FTPIP->text(), Edit_FTPPORT->text(), Edit_FTPUSER->text(),
            Edit_FTPPASSWORD->text()};
}

bool TFrame_Panel6::HostAndPortGiven() const {
    return !Edit_FTPIP->text().isEmpty() && !Edit_FTPPORT->text().isEmpty();
}

void TFrame_Panel6::AddLogLine(const QString& text) {
    auto* row = new QTreeWidgetItem({text, TimeToLongText(QTime::currentTime())});
    ListViewLog->insertTopLevelItem(0, row);
}

void TFrame_Panel6::CheckBox_startClick() {
    if (!CheckBox_start->isChecked() || HostAndPortGiven()) return;
    CheckBox_start->setChecked(false);
    dialogs.message(this, LanguageText(text::kEnterTheFTPServerAddressAnd));
}

void TFrame_Panel6::CheckBox_FTPfixdFileNameClick() {
    Edit_FTPfixedFileName->setEnabled(CheckBox_FTPfixdFileName->isChecked());
}

void TFrame_Panel6::BitBtn7Click() {
    if (!HostAndPortGiven()) {
        dialogs.message(this, LanguageText(text::kEnterTheFTPServerAddressAnd));
        return;
    }
    PlaceBrowser();
    Edit_FTPDIR_SHOW->setText(Edit_FTPDIR->text());
    PanelFTPWizart->show();
    PanelFTPWizart->raise();
    PlaceBrowser();
}

void TFrame_Panel6::SpeedButton1Click() {
    PanelFTPWizart->hide();
}

void TFrame_Panel6::SpeedButton2Click() {
    Edit_FTPDIR->setText(Edit_FTPDIR_SHOW->text());
    PanelFTPWizart->hide();
}

void TFrame_Panel6::Idle() {
    // A job queued after the browser went idle keeps the animation going.
    if (browser_->PendingJobs() == 0) StopBusyAnimation();
}

void TFrame_Panel6::BitBtn5Click() {
    BitBtn5->setEnabled(false);
    StartBusyAnimation();
    TreeView1->clear();
    listings_.clear();
    loginRequest_ = browser_->Login(CurrentLogin());
}

void TFrame_Panel6::LoggedIn(bool ok) {
    if (!ok) {
        BitBtn5->setEnabled(true);
        return;
    }
    auto* root = new QTreeWidgetItem(TreeView1, {QStringLiteral("/")});
    root->setIcon(0, ImageList1.value(kFolderIcon));
    root->setData(0, kIconRole, kFolderIcon);
    root->setData(0, kListedRole, 1);
    listings_.insert(loginRequest_, root);
}

void TFrame_Panel6::TreeView1Click(QTreeWidgetItem* node) {
    if (!node || NodeIcon(node) == kFileIcon) return;
    // The path shows whenever a folder is picked, listed before or not.
    Edit_FTPDIR_SHOW->setText(NodePath(node));
    ListNode(node);
}

void TFrame_Panel6::ListNode(QTreeWidgetItem* node) {
    // A folder is listed once; logging in again rebuilds the tree.
    if (!node || NodeIcon(node) != kFolderIcon || node->data(0, kListedRole).toInt() != 0) return;
    node->setData(0, kListedRole, 1);
    StartBusyAnimation();
    listings_.insert(browser_->List(CurrentLogin(), NodePath(node)), node);
}

void TFrame_Panel6::FolderListed(int request, const QString&, const QList<FtpListEntry>& entries,
                                 bool ok) {
    if (request == loginRequest_) BitBtn5->setEnabled(true);
    QTreeWidgetItem* node = listings_.take(request);
    if (!node) return;
    for (const FtpListEntry& e : entries) {
        auto* child = new QTreeWidgetItem(node, {e.name});
        const int icon = e.folder ? kFolderIcon : kFileIcon;
        child->setIcon(0, ImageList1.value(icon));
        child->setData(0, kIconRole, icon);
        child->setData(0, kListedRole, 0);
        child->setChildIndicatorPolicy(e.folder ? QTreeWidgetItem::ShowIndicator
                                                : QTreeWidgetItem::DontShowIndicator);
    }
    // A failed listing may be asked for again with another click.
    node->setData(0, kListedRole, ok ? 2 : 0);
    if (ok) node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    if (ok && node->childCount() > 0) node->setExpanded(true);
}

void TFrame_Panel6::BitBtn1Click() {
    if (!camera) return;
    StartBusyAnimation();
    BitBtn1->setEnabled(false);
    UsbCamera* cam = camera;
    FtpTestPicture picture{[cam] { cam->RequestSnapshot(kSnapshotTest); },
                           [cam] { return cam->view().newestSnapshotPath(); }};
    browser_->TestUpload(CurrentLogin(), Edit_FTPDIR_SHOW->text(), std::move(picture));
}

QString TFrame_Panel6::NodePath(const QTreeWidgetItem* node) {
    QStringList texts;
    for (; node; node = node->parent()) texts.prepend(node->text(0));
    return CFtpBrowser::TreePath(texts);
}

int TFrame_Panel6::NodeIcon(const QTreeWidgetItem* node) {
    return node ? node->data(0, kIconRole).toInt() : -1;
}

void TFrame_Panel6::LoadFromCamera() {
    if (!camera) return;
    CDataClass& s = *camera->settings;
    // A stored 0 or less is what the page would save as the default, so it shows the default.
    CSpinEdit4->setValue(PositiveOr(Live(s.ftpIntervalSeconds), 3));
    CSpinEdit1->setValue(PositiveOr(Live(s.ftpUploadSeconds), 3));
    CSpinEdit2->setValue(PositiveOr(Live(s.ftpBatchSize), 1));
    CheckBox_FTPmakeDIRbyDate->setChecked(Live(s.ftpDateFolders) != 0);
    CheckBox_FTPfixdFileName->setChecked(Live(s.ftpUseFixedName) != 0);
    CheckBox_FTPMoveImageUpload->setChecked(Live(s.ftpMotionPictures) != 0);
    Edit_FTPfixedFileName->setText(s.ftpFixedFileName);
    Edit_FTPIP->setText(s.ftpHost);
    Edit_FTPUSER->setText(s.ftpUser);
    Edit_FTPPORT->setText(s.ftpPort);
    Edit_FTPPASSWORD->setText(s.ftpPassword);
    Edit_FTPDIR->setText(s.ftpFolder);
    // After the edits: the box's check must see this camera's host and port, not the last one's.
    CheckBox_start->setChecked(Live(s.ftpEnabled) != 0);
    if (CheckBox_start->isChecked() && !HostAndPortGiven()) {
        CheckBox_start->setChecked(false);
        // Said once the window shows, not while it is still being built.
        QTimer::singleShot(0, this, [this] {
            dialogs.message(this, LanguageText(text::kEnterTheFTPServerAddressAnd));
        });
    }
    Edit_FTPfixedFileName->setEnabled(CheckBox_FTPfixdFileName->isChecked());
}

void TFrame_Panel6::SaveToCamera() {
    if (!camera) return;
    CDataClass& s = *camera->settings;
    StoreLive(s.ftpIntervalSeconds, PositiveOr(CSpinEdit4->value(), 3));
    StoreLive(s.ftpUploadSeconds, PositiveOr(CSpinEdit1->value(), 3));
    StoreLive(s.ftpBatchSize, PositiveOr(CSpinEdit2->value(), 1));
    StoreLive(s.ftpEnabled, uint8_t(CheckBox_start->isChecked()));
    StoreLive(s.ftpDateFolders, uint8_t(CheckBox_FTPmakeDIRbyDate->isChecked()));
    StoreLive(s.ftpUseFixedName, uint8_t(CheckBox_FTPfixdFileName->isChecked()));
    StoreLive(s.ftpMotionPictures, uint8_t(CheckBox_FTPMoveImageUpload->isChecked()));
    s.ftpFixedFileName = Edit_FTPfixedFileName->text();
    s.ftpHost = Edit_FTPIP->text();
    s.ftpUser = Edit_FTPUSER->text();
    s.ftpPort = Edit_FTPPORT->text();
    s.ftpPassword = Edit_FTPPASSWORD->text();
    s.ftpFolder = Edit_FTPDIR->text();
}

void TFrame_Panel6::EnableControls(bool enabled) {
    // The fixed name's edit follows this switch here, whatever its box says.
    for (QWidget* w : std::initializer_list<QWidget*>{
             CSpinEdit4, CSpinEdit1, CSpinEdit2, CheckBox_FTPmakeDIRbyDate,
             CheckBox_FTPfixdFileName, Edit_FTPfixedFileName, Edit_FTPIP, Edit_FTPUSER,
             Edit_FTPPORT, Edit_FTPPASSWORD, Edit_FTPDIR, BitBtn7, CheckBox_FTPMoveImageUpload,
             CheckBox_start})
        w->setEnabled(enabled);
}

}  // namespace trelvix
