#include "settings/Unit4.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

#include "views/DeviceProperties.h"
#include "capture/Usbcamera.h"
#include "config/Option.h"
#include "lang/TextIds.h"
#include "settings/PageRules.h"
#include "settings/Unit_Panel1.h"
#include "settings/Unit_Panel2.h"
#include "settings/Unit_Panel5.h"
#include "settings/Unit_Panel6.h"
#include "settings/Unit_Panel7.h"
#include "settings/Unit_Panel8.h"
#include "settings/Unit_Panel10.h"
#include "settings/Unit_Panel9.h"

namespace trelvix {

namespace {

struct NavigationEntry {
    int textId;
    int icon;
};
constexpr NavigationEntry kNavigation[TForm_settings::kPageCount] = {
    {text::kOverlay, 0},         {text::kMotionDetection453, 1}, {text::kRecording, 4},
    {text::kFTPUpload, 5},       {text::kLiveBroadcast, 6},      {text::kSystem, 7},
    {text::kExcludedDevices, 8}, {text::kNotifications, 9},
};

QList<QIcon> NavigationIcons(const QStyle* style) {
    const QStyle::StandardPixmap kinds[] = {
        QStyle::SP_FileDialogContentsView,
        QStyle::SP_MessageBoxWarning,
        QStyle::SP_FileIcon,
        QStyle::SP_FileIcon,
        QStyle::SP_DriveHDIcon,
        QStyle::SP_DriveNetIcon,
        QStyle::SP_MediaVolume,
        QStyle::SP_ComputerIcon,
        QStyle::SP_DirIcon,
        QStyle::SP_MessageBoxInformation,
    };
    QList<QIcon> icons;
    for (QStyle::StandardPixmap kind : kinds) icons << style->standardIcon(kind);
    return icons;
}

TForm_settings::ModalRunner modalRunner;

}  // namespace

int TForm_settings::RunModal() {
    if (!modalRunner) return exec();
    const int result = modalRunner(*this);
    if (!closed_) done(result);
    return result;
}

void TForm_settings::SetModalRunnerForTesting(ModalRunner runner) {
    modalRunner = std::move(runner);
}

TForm_settings::TForm_settings(QWidget* owner, int index, CameraFinder findCamera)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      initialCameraIndex(index),
      findCamera_(std::move(findCamera)) {
    setObjectName(QStringLiteral("TForm_settings"));
    setWindowTitle(LanguageText(text::kDeviceSettings));
    Label1 = new QLabel(LanguageText(text::kAvailableDevices), this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMinimumContentsLength(18);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setVisible(false);
    CheckBox_AppToAll = new QCheckBox(LanguageText(text::kApplyCurrentSettingsToAllCameras), this);
    CheckBox_AppToAll->setObjectName(QStringLiteral("CheckBox_AppToAll"));
    BitBtn7 = new QPushButton(LanguageText(text::kDeviceProperties), this);
    BitBtn7->setAutoDefault(false);
    ListView_Navigate = new QListWidget(this);
    ListView_Navigate->setObjectName(QStringLiteral("ListView_Navigate"));
    ListView_Navigate->setViewMode(QListView::ListMode);
    ListView_Navigate->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView_Navigate->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView_Navigate->setIconSize(QSize(16, 16));
    ImageList1 = NavigationIcons(style());
    pageStack_ = new QStackedWidget(this);

    creationDone = false;
    overlayPage = new TFrame_Panel1(pageStack_, index);
    motionPage = new TFrame_Panel2(pageStack_, index);
    recordingPage = new TFrame_Panel5(pageStack_, index);
    broadcastPage = new TFrame_Panel7(pageStack_, index);
    pages = {overlayPage,
             motionPage,
             recordingPage,
             new TFrame_Panel6(pageStack_, index),
             broadcastPage,
             new TFrame_Panel8(pageStack_, index),
             new TFrame_Panel9(pageStack_, index),
             notifyPage = new TFrame_Panel10(pageStack_, index)};
    for (TFrame_PanelBase* page : pages) pageStack_->addWidget(page);
    // Either program page's OK stores both pages, then closes the window: a choice made on
    // one page is never lost by pressing the other's OK.
    auto* systemPage = static_cast<TFrame_Panel8*>(pages[5]);
    auto* devicesPage = static_cast<TFrame_Panel9*>(pages[6]);
    connect(systemPage, &TFrame_Panel8::closeRequested, this, [this, devicesPage] {
        devicesPage->ApplyMarks();
        accept();
    });
    connect(devicesPage, &TFrame_Panel9::closeRequested, this, [this, systemPage] {
        systemPage->ApplyChoices();
        accept();
    });

    connect(ComboBox1, &QComboBox::activated, this, [this](int i) {
        ComboBox2->setCurrentIndex(i);
        ComboBox1CloseUp();
    });
    connect(CheckBox_AppToAll, &QCheckBox::clicked, this, &TForm_settings::CheckBox_AppToAllClick);
    connect(BitBtn7, &QPushButton::clicked, this,
            [this] { ShowDevicePropertyPages(currentCamera, this); });
    connect(ListView_Navigate, &QListWidget::currentRowChanged, this,
            &TForm_settings::ShowSelectedPage);

    auto* top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addWidget(ComboBox1);
    top->addSpacing(12);
    top->addWidget(CheckBox_AppToAll);
    top->addStretch();
    top->addWidget(BitBtn7);
    auto* main = new QHBoxLayout;
    main->addWidget(ListView_Navigate);
    main->addWidget(pageStack_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 6, 9, 9);
    layout->addLayout(top);
    layout->addLayout(main, 1);
    FormCreate();
}

TForm_settings::~TForm_settings() {
    // However the window goes, no camera may keep painting into its pages.
    DetachCamera();
}

void TForm_settings::FormCreate() {
    int widest = 0;
    for (const NavigationEntry& e : kNavigation) {
        auto* item = new QListWidgetItem(ImageList1.value(e.icon), LanguageText(e.textId));
        ListView_Navigate->addItem(item);
        widest = std::max(widest, ListView_Navigate->fontMetrics().horizontalAdvance(item->text()));
    }
    // The list is as wide as its longest entry: no entry is cut in any language.
    ListView_Navigate->setFixedWidth(std::max(75, widest + 16 + 28));
    resize(QSize(760, 500).expandedTo(minimumSizeHint()));

    currentCamera = nullptr;
    if (gOption) {
        for (const QString& name : gOption->deviceNames) ComboBox1->addItem(name);
        for (const QString& id : gOption->deviceIds) ComboBox2->addItem(id);
    }
    if (ComboBox1->count() == 0) {
        EnableAllPages(false);
    } else {
        const int start = initialCameraIndex < 0 || initialCameraIndex >= ComboBox1->count()
                              ? 0
                              : initialCameraIndex;
        ComboBox1->setCurrentIndex(start);
        ComboBox2->setCurrentIndex(start);
        SetCurrentCamera(findCamera_ ? findCamera_(ComboBox2->itemText(start)) : nullptr);
        EnableAllPages(true);
        LoadAllPages();
    }
    CheckBox_AppToAll->setChecked(gOption && gOption->applyToAll);
    creationDone = true;
    ListView_Navigate->setCurrentRow(0);
    ShowSelectedPage();
}

void TForm_settings::SetCurrentCamera(UsbCamera* camera) {
    currentCamera = camera;
    for (int i = 0; i < kCameraPages; ++i) pages[size_t(i)]->camera = camera;
}

void TForm_settings::ComboBox1CloseUp() {
    if (ComboBox1->count() == 0) return;
    const int index = ComboBox1->currentIndex();
    SaveAllPages();
    // The previous camera's last picture must not stay on a page.
    for (TFrame_PanelBase* page : pages)
        if (TPreviewPanel* preview = page->PreviewPanel()) preview->ClearFrame();
    SetCurrentCamera(findCamera_ && index >= 0 ? findCamera_(ComboBox2->itemText(index)) : nullptr);
    LoadAllPages();
    ShowSelectedPage();
}

void TForm_settings::ShowSelectedPage() {
    const int entry = std::max(0, ListView_Navigate->currentRow());
    pageStack_->setCurrentIndex(entry);
    if (!currentCamera) return;
    TFrame_PanelBase* page = pages[size_t(entry)];
    if (TPreviewPanel* preview = page->PreviewPanel()) {
        currentCamera->view().SetPreviewTarget(preview, page);
        currentCamera->view().SetRegionTestMode(page->RegionTestMode());
    } else {
        currentCamera->view().SetPreviewTarget(nullptr, this);
        currentCamera->view().SetRegionTestMode(false);
    }
}

void TForm_settings::CheckBox_AppToAllClick(bool checked) {
    if (!creationDone || !checked) return;
    // "No" leaves the box checked: the copy then happens when the window closes.
    if (dialogs.ask(this, LanguageText(text::kApplyTheCurrentCameraSSettings),
                    LanguageText(text::kApplyToAllCameras)))
        ApplyToAllCameras();
}

void TForm_settings::ApplyToAllCameras() {
    if (!currentCamera || !findCamera_) return;
    for (int i = 0; i < ComboBox2->count(); ++i) {
        UsbCamera* other = findCamera_(ComboBox2->itemText(i));
        if (other && other != currentCamera)
            CopySharedSettings(*currentCamera->settings, *other->settings);
    }
}

void TForm_settings::SaveAllPages() {
    for (int i = 0; i < kCameraPages; ++i) pages[size_t(i)]->SaveToCamera();
}

void TForm_settings::LoadAllPages() {
    for (int i = 0; i < kCameraPages; ++i) pages[size_t(i)]->LoadFromCamera();
}

void TForm_settings::EnableAllPages(bool enabled) {
    for (int i = 0; i < kCameraPages; ++i) pages[size_t(i)]->EnableControls(enabled);
    CheckBox_AppToAll->setEnabled(enabled);
    ComboBox1->setEnabled(enabled);
    BitBtn7->setEnabled(enabled);
}

void TForm_settings::done(int result) {
    if (!closed_) {
        closed_ = true;
        SaveAllPages();
        if (gOption) gOption->applyToAll = CheckBox_AppToAll->isChecked();
        if (CheckBox_AppToAll->isChecked()) ApplyToAllCameras();
        if (!notifyPage->ApplyChoices())
            dialogs.message(this, LanguageText(text::kTheSettingsCouldNotBeSaved));
        DetachCamera();
        SaveRecords();
    }
    QDialog::done(result);
}

void TForm_settings::DetachCamera() {
    if (!currentCamera) return;
    currentCamera->view().SetRegionTestMode(false);
    currentCamera->view().ClearPreviewTarget();
    // A broadcast ends with the window; the preview goes on.
    if (currentCamera->broadcast().IsBroadcasting()) currentCamera->broadcast().StopBroadcast(true);
}

void TForm_settings::SaveRecords() {
    // The edits are on disk at once, not only when the program ends.
    if (!findCamera_) return;
    for (int i = 0; i < ComboBox2->count(); ++i)
        if (UsbCamera* camera = findCamera_(ComboBox2->itemText(i))) camera->settings->Save();
}

}  // namespace trelvix
