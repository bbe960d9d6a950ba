#include "app/Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QScreen>
#include <QUrl>
#include <QWindowStateChangeEvent>

#include "app/ButtonPictures.h"
#include "app/Unit_CameraPanel.h"
#include "app/Unit_password.h"
#include "views/Unit_log.h"
#include "settings/Unit4.h"
#include "views/Unit_capparam.h"
#include "capture/Usbcamera.h"
#include "common/FreeSpace.h"
#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {
constexpr int kControlBarWidth = 135;
constexpr int kWindowManagerAnswerMs = 500;
constexpr int kUnwindCheckMs = 50;
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kRed(0xFF, 0, 0);

QLabel* MakeLabel(QWidget* parent, const char* name, const QColor& colour, int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->setGeometry(8, top, kControlBarWidth - 10, 22);
    label->hide();
    return label;
}
}  // namespace

TForm1::TForm1(std::unique_ptr<Option> settings) : host(std::move(settings)) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowIcon(QIcon(ProgramIcon()));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setMinimumSize(kControlBarWidth + 160, 600);

    Panel_controlBar = new QWidget(this);
    Panel_controlBar->setObjectName(QStringLiteral("Panel_controlBar"));
    Panel_controlBar->setAutoFillBackground(true);
    Panel_controlBar->setPalette(pal);

    struct ButtonLayout {
        TPictureButton** button;
        const char* name;
        int number;
        int top;
        void (TForm1::*press)();
    };
    const ButtonLayout buttons[] = {
        {&ImageBT1, "ImageBT1", 1, 2, &TForm1::ImageBT1MouseDown},
        {&ImageBT2, "ImageBT2", 2, 54, &TForm1::ImageBT2MouseDown},
        {&ImageBT3, "ImageBT3", 3, 106, &TForm1::ImageBT3MouseDown},
        {&ImageBT7, "ImageBT7", 7, 158, &TForm1::ImageBT7MouseDown},
        {&ImageBT4, "ImageBT4", 4, 210, &TForm1::ImageBT4MouseDown},
        {&ImageBT5, "ImageBT5", 5, 262, &TForm1::ImageBT5MouseDown},
        {&ImageBT6, "ImageBT6", 6, 314, &TForm1::ImageBT6MouseDown},
    };
    for (const ButtonLayout& entry : buttons) {
        auto* b = new TPictureButton(QLatin1String(entry.name), Panel_controlBar);
        *entry.button = b;
        controlButtons_.push_back(b);
        b->move(8, entry.top);
        const QString base = QStringLiteral("btBitmap_%1").arg(entry.number);
        b->ShowPicture(base + QLatin1Char('1'));
        const int number = entry.number;
        // While the selected camera broadcasts (2) or is stopped (5) its state picture stays.
        auto statePicture = [this, number]() -> bool {
            UsbCamera* cam = SelectedCamera();
            if (!cam) return false;
            return (number == 2 && cam->broadcast().IsBroadcasting()) ||
                   (number == 5 && cam->IsStopped());
        };
        connect(b, &TPictureButton::entered, this, [b, base, statePicture] {
            b->ShowPicture(base + (statePicture() ? QLatin1Char('3') : QLatin1Char('2')));
        });
        connect(b, &TPictureButton::left, this, [b, base, statePicture] {
            b->ShowPicture(base + (statePicture() ? QLatin1Char('3') : QLatin1Char('1')));
        });
        connect(b, &TPictureButton::pressed, this, entry.press);
    }

    Label_warning = MakeLabel(Panel_controlBar, "Label_warning", Qt::yellow, 398);
    Label_warning->setText(LanguageText(text::kLowDiskSpace));
    Label_disksize1 = MakeLabel(Panel_controlBar, "Label_disksize1", Qt::white, 423);
    Label_disksize2 = MakeLabel(Panel_controlBar, "Label_disksize2", Qt::white, 449);
    Label_disksize3 = MakeLabel(Panel_controlBar, "Label_disksize3", Qt::white, 474);
    Label_disksize4 = MakeLabel(Panel_controlBar, "Label_disksize4", Qt::white, 500);

    Image1 = new QLabel(Panel_controlBar);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ProgramIcon(60));
    Image1->setFixedSize(60, 60);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(&host.housekeeping, &Housekeeping::powerOffDue, this, &TForm1::PowerOffClose);
    connect(&host.housekeeping, &Housekeeping::diskLabelsDue, this, &TForm1::RefreshDiskLabels);
    connect(&host, &CameraHost::diskSpaceChecked, Label_warning, &QWidget::setVisible);

    setWindowTitle(LanguageText(text::kTrelvix));
    ShowButtonTips();
    FormCreate();
}

void TForm1::ShowButtonTips() {
    // In the order of the control bar, top to bottom; none of the buttons has a shortcut.
    static constexpr int kTips[] = {text::kTakeAPictureWithTheSelected,
                                    text::kStartOrStopTheSelectedCamera,  // its broadcast
                                    text::kOpenTheLogOfEventsAnd,
                                    text::kAdjustTheSelectedCameraSPicture,
                                    text::kOpenTheSettings,
                                    text::kStopOrStartTheSelectedCamera,
                                    text::kExitTheProgram};
    for (size_t i = 0; i < controlButtons_.size() && i < std::size(kTips); ++i)
        controlButtons_[i]->setToolTip(LanguageText(kTips[i]));
}

TForm1::~TForm1() {
    // Its end must not reach a window half destroyed.
    delete imageParamsDialog;
    // The panels go with the window: no camera may still show frames in them.
    host.DestroyCameras();
    if (tray) tray->HideIcon();
}

void TForm1::FormCreate() {
    CreateCells();
    host.Start(Cells());
    SelectCell(0);
    inTray = false;
    tray = new TrayKeeper(this);
    connect(tray, &TrayKeeper::activated, this, &TForm1::RestoreFromTray);
    Timer1.start();
}

bool TForm1::trayAvailable() const {
    return tray && tray->TrayAvailable();
}

void TForm1::CreateCells() {
    if (!gOption) return;
    const int cells = gOption->cellCount();
    for (int i = 0; i < cells; ++i) {
        auto* container = new QWidget(this);
        container->setObjectName(QStringLiteral("panel%1").arg(i));
        container->resize(760, 268);
        cellPanels.push_back(container);
        cameraPanels.push_back(new TFrameCameraPanel(container, i, nullptr, this));
        container->show();
    }
    Panel_controlBar->raise();
}

void TForm1::FreeCells() {
    for (QWidget* container : cellPanels) delete container;  // takes its camera panel along
    cellPanels.clear();
    cameraPanels.clear();
}

std::vector<CameraCell*> TForm1::Cells() const {
    return {cameraPanels.begin(), cameraPanels.end()};
}

UsbCamera* TForm1::SelectedCamera() const {
    return host.camera(selectedCell);
}

void TForm1::SelectCell(int index) {
    for (TFrameCameraPanel* panel : cameraPanels) panel->SetFrameColour(kSilver);
    selectedCell = index;
    if (index >= 0 && size_t(index) < cameraPanels.size())
        cameraPanels[size_t(index)]->SetFrameColour(kRed);
    RefreshButtons();
}

void TForm1::RefreshButtons() {
    UsbCamera* cam = SelectedCamera();
    if (!cam) return;
    ImageBT2->ShowPicture(cam->broadcast().IsBroadcasting() ? QStringLiteral("btBitmap_23")
                                                            : QStringLiteral("btBitmap_21"));
    ImageBT5->ShowPicture(cam->IsStopped() ? QStringLiteral("btBitmap_53")
                                           : QStringLiteral("btBitmap_51"));
}

void TForm1::LayoutGrid() {
    Panel_controlBar->setGeometry(width() - kControlBarWidth, 0, kControlBarWidth, height());
    Image1->move(8, std::max(528, height() - 70));
    if (realExit || !gOption) return;
    const int rows = gOption->gridRows, cols = gOption->gridCols;
    const int w = std::max(0, (width() - kControlBarWidth - cols) / cols);
    const int h = std::max(0, (height() - rows) / rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const size_t i = size_t(r * cols + c);
            if (i >= cellPanels.size()) continue;
            cellPanels[i]->setGeometry(c * (w + 1) + 1, r * (h + 1) + 1, w, h);
        }
    }
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    LayoutGrid();
}

void TForm1::HideToTray() {
    // Without a notification area a hidden window could never be found again: it minimises.
    if (tray)
        tray->PutAway();
    else
        showMinimized();
    inTray = true;
}

void TForm1::ShowMaximised() {
    QScreen* scr = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!scr) return showMaximized();
    const QRect area = scr->availableGeometry();
    // Restoring returns to this: inside the work area with room for the title bar.
    if (!isMaximized()) {
        QRect restored(QPoint(), area.size() * 4 / 5);
        restored.moveCenter(area.center());
        setGeometry(restored);
    }
    showMaximized();
    // Without a window manager "maximised" means nothing and no frame ever comes: cover the
    // work area then.
    QTimer::singleShot(kWindowManagerAnswerMs, this, [this, area] {
        if (isMaximized() && frameGeometry() == geometry()) setGeometry(area);
    });
}

void TForm1::RestoreFromTray() {
    ShowMaximised();
    setVisible(true);
    raise();
    activateWindow();
    inTray = false;
    if (tray) tray->Returned();
}

void TForm1::BringToFront() {
    RestoreFromTray();
}

void TForm1::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(e);
    if (isMinimized() && !(change->oldState() & Qt::WindowMinimized) && trayAvailable())
        QTimer::singleShot(0, this, &TForm1::HideToTray);
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Image1 && e->type() == QEvent::MouseButtonRelease) Image1Click();
    return QWidget::eventFilter(watched, e);
}

void TForm1::Timer1Timer() {
    Timer1.stop();
    if (gOption && gOption->minimizeToTray) HideToTray();
}

bool TForm1::AskAccess() {
    if (!gOption) return true;
    ++accessDepth_;
    const bool granted = gOption->CheckAccess(this);
    --accessDepth_;
    return granted || terminatePending_;
}

bool TForm1::WithAccess(const std::function<void()>& action) {
    host.housekeeping.StopTimers();
    const bool granted = AskAccess();
    if (terminatePending_) {
        QTimer::singleShot(0, this, [this] { close(); });
        return false;
    }
    if (granted) action();
    if (terminatePending_) {
        QTimer::singleShot(0, this, [this] { close(); });
        return false;
    }
    host.housekeeping.StartTimers();
    return granted;
}

void TForm1::ImageBT1MouseDown() {
    UsbCamera* cam = SelectedCamera();
    if (!cam) return;
    ImageBT1->ShowPicture(QStringLiteral("btBitmap_13"));
    if (!cam->IsStopped()) cam->RequestSnapshot(2);
}

void TForm1::ImageBT2MouseDown() {
    if (!SelectedCamera()) return;
    ImageBT2->ShowPicture(QStringLiteral("btBitmap_23"));
    host.ToggleBroadcast(selectedCell);
    RefreshButtons();
}

void TForm1::ImageBT3MouseDown() {
    ImageBT3->ShowPicture(QStringLiteral("btBitmap_33"));
    if (logViewerOpen && logViewer) {
        logViewer->raise();
        logViewer->activateWindow();
        return;
    }
    WithAccess([this] {
        auto* viewer = new TFrmLog(
            this, 1, [this](const QString& path) { return host.storage.DeleteLoggedFile(path); });
        logViewer = viewer;
        logViewerOpen = true;
        connect(viewer, &QObject::destroyed, this, [this] { logViewerOpen = false; });
        viewer->show();
    });
}

void TForm1::ImageBT4MouseDown() {
    ImageBT4->ShowPicture(QStringLiteral("btBitmap_43"));
    WithAccess([this] {
        if (!gOption) return;
        gOption->deviceListChanged = false;
        const std::vector<CDataClass> before = host.RecordsNow();
        const UsbCamera* selected = SelectedCamera();
        {
            TForm_settings settings(
                this, selected ? selected->cameraId() : 0,
                [this](const QString& id) { return host.FindCameraByDeviceId(id); });
            settings.RunModal();
        }
        if (terminatePending_) return;  // the program ends; nothing to rebuild
        ImageBT4->ShowPicture(QStringLiteral("btBitmap_41"));
        setWindowTitle(LanguageText(text::kTrelvix));
        ShowButtonTips();  // in the language chosen
        if (gOption->GridChanged() || gOption->deviceListChanged) {
            TearDownGrid();
            BuildGrid();
            LayoutGrid();
            host.housekeeping.StartTimers();
        } else {
            host.RestartChangedCameras(before);
            LayoutGrid();
        }
    });
    RefreshButtons();
}

void TForm1::ImageBT5MouseDown() {
    UsbCamera* cam = SelectedCamera();
    if (!cam) return;
    ImageBT5->ShowPicture(QStringLiteral("btBitmap_53"));
    host.ToggleCamera(selectedCell);
    RefreshButtons();
}

void TForm1::ImageBT6MouseDown() {
    ImageBT6->ShowPicture(QStringLiteral("btBitmap_63"));
    realExit = true;
    close();
}

void TForm1::ImageBT7MouseDown() {
    auto* open = qobject_cast<TForm_capparam*>(imageParamsDialog.data());
    if (SelectedCamera() && imageParamsOpen && open && open->camera == SelectedCamera()) {
        open->raise();
        open->activateWindow();
    } else if (SelectedCamera()) {
        WithAccess([this] {
            UsbCamera* cam = SelectedCamera();
            if (!cam) return;
            // One dialog, for the camera selected now.
            if (imageParamsDialog) imageParamsDialog->close();
            auto* dialog = new TForm_capparam(this, cam);
            imageParamsDialog = dialog;
            imageParamsOpen = true;
            connect(dialog, &QObject::destroyed, this, [this, dialog] {
                if (!imageParamsDialog || imageParamsDialog == dialog) imageParamsOpen = false;
            });
            dialog->show();
            dialog->raise();
            dialog->activateWindow();
        });
    }
    ImageBT7->ShowPicture(QStringLiteral("btBitmap_73"));
}

void TForm1::Image1Click() {
    if (gOption) QDesktopServices::openUrl(QUrl::fromLocalFile(gOption->userFolder()));
}

void TForm1::RefreshDiskLabels() {
    if (!gOption) return;
    QLabel* labels[] = {Label_disksize1, Label_disksize2, Label_disksize3, Label_disksize4};
    for (int i = 0; i < 4 && i < gOption->cellCount(); ++i) {
        UsbCamera* cam = host.camera(i);
        if (!cam) {
            labels[i]->hide();
            continue;
        }
        qint64 bytes = 0;
        if (!FreeBytes(cam->settings->videoFolder, &bytes)) continue;  // keeps its text
        labels[i]->setText(DiskLabelText(bytes, LanguageText(text::kFreeSpace)));
        labels[i]->show();
    }
}

void TForm1::PowerOffClose() {
    powerOffExit = true;
    realExit = true;
    close();
}

void TForm1::TerminateBySignal() {
    realExit = true;
    skipAccessCheck = true;
    if (accessDepth_ > 0 || QApplication::activeModalWidget()) {
        // A password prompt or another modal window runs its own event loop, and the code
        // after it still uses the cameras: unwind them first, then end.
        terminatePending_ = true;
        CancelPasswordPrompts();
        CloseModalWindows();
        QTimer::singleShot(kUnwindCheckMs, this, &TForm1::TerminateBySignal);
        return;
    }
    close();
}

void TForm1::CloseModalWindows() {
    // Innermost first, so each outer window sees its inner one gone.
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        if (QApplication::activeModalWidget() == modal) modal->hide();
    }
}

void TForm1::TearDownGrid() {
    // The dialog adjusts a camera that is about to go.
    if (imageParamsDialog) imageParamsDialog->close();
    host.TearDownGrid();  // saves every camera's record and the settings files
    FreeCells();
}

void TForm1::BuildGrid() {
    host.BuildGrid();
    setWindowTitle(LanguageText(text::kTrelvix) + QStringLiteral("(v1.6)"));
    CreateCells();
    host.CreateCameras(Cells());
    SelectCell(0);
    inTray = false;
    ShowMaximised();
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (closed_) {
        e->accept();
        return;
    }
    if (!realExit) {
        e->ignore();
        HideToTray();
        return;
    }
    if (tray) tray->HideIcon();
    host.housekeeping.StopTimers();
    if (!skipAccessCheck && !AskAccess()) {
        host.housekeeping.StartTimers();
        e->ignore();
        return;
    }
    if (logViewer) logViewer->close();
    if (imageParamsDialog) imageParamsDialog->close();
    host.Finish(powerOffExit);
    FreeCells();
    closed_ = true;
    e->accept();
    QCoreApplication::quit();
}

}  // namespace trelvix
