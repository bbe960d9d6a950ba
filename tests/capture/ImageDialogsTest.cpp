// The image dialog and the device properties on synthetic cameras, and where they open.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QPointer>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <linux/videodev2.h>

#include <map>

#include "app/Unit1.h"
#include "views/DeviceProperties.h"
#include "views/Unit_capparam.h"
#include "lang/TextIds.h"
#include "settings/SettingsFixture.h"
#include "support/FakeControls.h"
#include "support/StartupSettings.h"
#include "support/TextFit.h"

using namespace trelvix;
using trelvix::test::SettingsFixture;

namespace {

const QString kBlack = "test:black:160x120@30";

class ImageDialogTest : public SettingsFixture {
protected:
    trelvix::test::StartupSettings startup;

    // The dialog frees itself when closed.
    TForm_capparam* OpenImageDialog(UsbCamera* cam) {
        dialog = new TForm_capparam(nullptr, cam);
        dialog->show();
        return dialog;
    }
    void TearDown() override {
        delete dialog.data();
        SettingsFixture::TearDown();
    }
    static void Drag(QWidget* w, QPoint from, QPoint to) {
        QMouseEvent press(QEvent::MouseButtonPress, w->mapFromGlobal(from), from, Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QMouseEvent move(QEvent::MouseMove, w->mapFromGlobal(to), to, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, w->mapFromGlobal(to), to, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }
    QPointer<TForm_capparam> dialog;
};

}  // namespace

TEST_F(ImageDialogTest, BarsShowTheStoredPercentsAndMoveTheDeviceLive) {
    UsbCamera* cam = StartProgram({kBlack});
    ASSERT_NE(cam->device().Controls(), nullptr);
    StoreLive(cam->settings->imageHue, 0);  // the bottom of the range is a setting like any other
    cam->device().ApplyImageParameters();
    TForm_capparam* d = OpenImageDialog(cam);
    EXPECT_TRUE(d->windowFlags() & Qt::FramelessWindowHint);
    const auto bars = d->Bars();
    const auto labels = d->ValueLabels();
    const int expected[] = {50, 50, 50, 0, -1, 50};
    for (int i = 0; i < kImageParameterCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bars[size_t(i)]->isEnabled(), expected[i] >= 0);
        EXPECT_EQ(labels[size_t(i)]->text(),
                  expected[i] >= 0 ? QString::number(expected[i]) : QString());
        if (expected[i] >= 0) {
            EXPECT_EQ(bars[size_t(i)]->value(), expected[i]);
        }
    }
    EXPECT_EQ(d->names[4]->text(), LanguageText(30304));

    d->ScrollBar_brightness->setValue(90);
    EXPECT_EQ(Live(cam->settings->imageBrightness), 90);
    EXPECT_EQ(d->Label_brightness->text(), "90");
    EXPECT_EQ(cam->device().Controls()->Get(V4L2_CID_BRIGHTNESS), 80);
    d->ScrollBar_hue->setValue(100);
    EXPECT_EQ(cam->device().Controls()->Get(V4L2_CID_HUE), 100);
    EXPECT_EQ(Live(cam->settings->imageSharpness), -1);  // the disabled bar writes nothing

    // A left press drags the frameless window; the close button writes the record.
    const QPoint before = d->pos();
    const QPoint grip = d->mapToGlobal(QPoint(4, 4));
    Drag(d, grip, grip + QPoint(30, 20));
    EXPECT_EQ(d->pos(), before + QPoint(30, 20));
    QTest::mouseClick(d->SpeedButton1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    CDataClass saved;
    saved.Load(0);
    EXPECT_EQ(Live(saved.imageBrightness), 90);
    EXPECT_EQ(Live(saved.imageHue), 100);
}

TEST_F(ImageDialogTest, AStoppedCameraKeepsTheMovesForItsNextStart) {
    UsbCamera* cam = StartProgram({kBlack});
    cam->StopCamera();
    TForm_capparam* d = OpenImageDialog(cam);
    EXPECT_TRUE(d->ScrollBar_brightness->isEnabled());
    EXPECT_FALSE(d->ScrollBar_Sharpness->isEnabled());
    d->ScrollBar_brightness->setValue(25);
    EXPECT_EQ(Live(cam->settings->imageBrightness), 25);
    cam->RestartCamera();
    ASSERT_NE(cam->device().Controls(), nullptr);
    EXPECT_EQ(cam->device().Controls()->Get(V4L2_CID_BRIGHTNESS), -50);
}

TEST_F(ImageDialogTest, DevicePropertiesListTheSourceControlsAndLeaveTheRecordAlone) {
    UsbCamera* cam = StartProgram({kBlack});
    TDeviceProperties pages(nullptr, cam->device().Controls());
    ASSERT_EQ(pages.rows.size(), 5u);
    EXPECT_EQ(pages.windowTitle(), LanguageText(text::kDeviceProperties30755));
    EXPECT_EQ(pages.emptyLabel, nullptr);
    auto* contrast = qobject_cast<QSlider*>(pages.rows[1].editor);
    ASSERT_NE(contrast, nullptr);
    EXPECT_EQ(contrast->value(), 100);
    EXPECT_EQ(pages.rows[1].valueLabel->text(), "100");
    contrast->setValue(160);
    EXPECT_EQ(cam->device().Controls()->Get(V4L2_CID_CONTRAST), 160);
    EXPECT_EQ(pages.rows[1].valueLabel->text(), "160");
    EXPECT_EQ(Live(cam->settings->imageContrast), 50);
    pages.RestoreDefaults();
    EXPECT_EQ(cam->device().Controls()->Get(V4L2_CID_CONTRAST), 100);
    EXPECT_EQ(contrast->value(), 100);

    TDeviceProperties none(nullptr, nullptr);
    EXPECT_TRUE(none.rows.empty());
    ASSERT_NE(none.emptyLabel, nullptr);
    EXPECT_FALSE(none.defaultsButton->isEnabled());
}

namespace {

// A device with every kind of control a panel shows; switching the automatic mode on makes
// the manual value inactive, as drivers do.
class PanelDevice : public trelvix::test::FakeControls {
public:
    enum : uint32_t { kAuto = 1, kManual, kMode, kReset, kFixed };

    PanelDevice() {
        Add(kAuto, "Auto", CameraControl::Kind::Boolean, 0, 1, 1);
        Add(kManual, "Manual", CameraControl::Kind::Integer, 0, 50, 20);
        Add(kMode, "Mode", CameraControl::Kind::Menu, 0, 3, 0);
        controls[kMode].menu = {{0, "Zero"}, {3, "Three"}};  // a gap in the values
        Add(kReset, "Reset", CameraControl::Kind::Button, 0, 0, 0);
        Add(kFixed, "Fixed", CameraControl::Kind::Integer, 0, 9, 4);
        controls[kFixed].readOnly = true;
        values[kAuto] = 0;
    }
    void Add(uint32_t id, const char* name, CameraControl::Kind kind, int min, int max, int def) {
        CameraControl& c = FakeControls::Add(id, min, max, def);
        c.name = name;
        c.kind = kind;
    }
    std::optional<CameraControl> Query(uint32_t id) override {
        CameraControl c = controls.at(id);
        if (id == kManual) c.inactive = values[kAuto] != 0;
        return c;
    }
};

}  // namespace

TEST(DeviceProperties, EachKindGetsItsEditorAndChangesGoStraightToTheDevice) {
    PanelDevice device;
    TDeviceProperties pages(nullptr, &device);
    ASSERT_EQ(pages.rows.size(), 5u);
    auto* autoBox = qobject_cast<QCheckBox*>(pages.rows[0].editor);
    auto* manual = qobject_cast<QSlider*>(pages.rows[1].editor);
    auto* mode = qobject_cast<QComboBox*>(pages.rows[2].editor);
    auto* reset = qobject_cast<QPushButton*>(pages.rows[3].editor);
    auto* fixed = qobject_cast<QSlider*>(pages.rows[4].editor);
    ASSERT_TRUE(autoBox && manual && mode && reset && fixed);
    EXPECT_EQ(autoBox->text(), "Auto");
    EXPECT_EQ(reset->text(), "Reset");
    EXPECT_FALSE(fixed->isEnabled());
    EXPECT_TRUE(device.sets.empty());  // showing the values sets nothing

    manual->setValue(33);
    EXPECT_EQ(device.values[PanelDevice::kManual], 33);
    autoBox->click();
    EXPECT_EQ(device.values[PanelDevice::kAuto], 1);
    EXPECT_FALSE(manual->isEnabled());  // the automatic mode greys the manual value
    autoBox->click();
    EXPECT_TRUE(manual->isEnabled());

    mode->setCurrentIndex(1);
    emit mode->activated(1);
    EXPECT_EQ(device.values[PanelDevice::kMode], 3);
    device.sets.clear();
    reset->click();
    ASSERT_EQ(device.sets.size(), 1u);
    EXPECT_EQ(device.sets[0].first, uint32_t(PanelDevice::kReset));

    // Defaults: every writable value, no button pressed, the read-only one left alone.
    device.sets.clear();
    pages.RestoreDefaults();
    EXPECT_EQ(device.values[PanelDevice::kAuto], 1);
    EXPECT_EQ(device.values[PanelDevice::kManual], 20);
    EXPECT_EQ(device.values[PanelDevice::kMode], 0);
    for (const auto& [id, value] : device.sets) {
        EXPECT_NE(id, uint32_t(PanelDevice::kReset));
        EXPECT_NE(id, uint32_t(PanelDevice::kFixed));
    }
    EXPECT_TRUE(autoBox->isChecked());
    EXPECT_EQ(mode->currentText(), "Zero");
}

TEST_F(ImageDialogTest, TheSettingsWindowOpensThePropertiesOfItsCurrentCamera) {
    StartProgram({kBlack, "test:black:64x48@10"}, 1);
    Open(0);
    EXPECT_TRUE(window->BitBtn7->isEnabled());
    size_t shownRows = 99;
    QTimer::singleShot(0, [&] {
        if (auto* pages = qobject_cast<TDeviceProperties*>(QApplication::activeModalWidget())) {
            shownRows = pages->rows.size();
            pages->closeButton->click();
        }
    });
    window->BitBtn7->click();
    EXPECT_EQ(shownRows, 5u);
    // A listed device that no camera runs has nothing to show; a stopped camera says so.
    const auto propertiesShown = [&] {
        shownRows = 99;
        QTimer::singleShot(0, [&] {
            if (auto* p = qobject_cast<TDeviceProperties*>(QApplication::activeModalWidget())) {
                shownRows = p->rows.size();
                p->reject();
            }
        });
        window->BitBtn7->click();
        QCoreApplication::processEvents();
        return shownRows;
    };
    Choose(window.get(), 1);
    EXPECT_EQ(propertiesShown(), 99u);
    Choose(window.get(), 0);
    cameras[0]->StopCamera();
    EXPECT_EQ(propertiesShown(), 0u);
}

TEST_F(ImageDialogTest, TheImageButtonOpensOneDialogAfterTheAccessCheck) {
    StartProgram({}, 0);
    DropSettings();
    const QString ini = UserFolder() + "kvCamera.ini";
    QFile::remove(UserFolder() + "config.bin");
    Option* global = &startup.LoadWithDevices(ini, {kBlack});
    global->passwordOn = 1;
    bool grant = false;
    int asked = 0;
    Option::SetPasswordPrompt([&](QObject*, const QString&) {
        ++asked;
        return grant;
    });
    auto main = std::make_unique<TForm1>(startup.Take());
    ASSERT_NE(main->SelectedCamera(), nullptr);
    main->ImageBT7MouseDown();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(main->imageParamsOpen);
    grant = true;
    main->ImageBT7MouseDown();
    ASSERT_TRUE(main->imageParamsOpen);
    QPointer<QWidget> opened = main->imageParamsDialog;
    ASSERT_TRUE(qobject_cast<TForm_capparam*>(opened.data()));
    EXPECT_TRUE(opened->isVisible());
    main->ImageBT7MouseDown();  // already open: brought forward, no second check
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(main->imageParamsDialog, opened);
    // A grid rebuild takes the camera away: the dialog goes first.
    main->TearDownGrid();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opened.isNull());
    EXPECT_FALSE(main->imageParamsOpen);
    main.reset();
    Option::SetPasswordPrompt(nullptr);
    startup.Drop();
}

TEST_F(ImageDialogTest, NoLanguageCutsATextOfTheImageDialogs) {
    UsbCamera* cam = StartProgram({kBlack});
    for (int language = 0; language < 15; ++language) {
        option->LoadLanguageModule(language);
        OpenImageDialog(cam);
        QApplication::processEvents();
        EXPECT_EQ(test::CutTexts(dialog), QStringList()) << language;
        delete dialog.data();
        for (TDeviceProperties* pages : {new TDeviceProperties(nullptr, cam->device().Controls()),
                                         new TDeviceProperties(nullptr, nullptr)}) {
            pages->show();
            QApplication::processEvents();
            EXPECT_EQ(test::CutTexts(pages), QStringList()) << language;
            delete pages;
        }
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

TEST_F(ImageDialogTest, TheImageDialogNamesItsCameraAndOpensOverTheMainWindow) {
    StartProgram({}, 0);
    DropSettings();
    const QString ini = UserFolder() + "kvCamera.ini";
    QFile::remove(UserFolder() + "config.bin");
    startup.LoadWithDevices(ini, {kBlack});
    auto main = std::make_unique<TForm1>(startup.Take());
    UsbCamera* cam = main->SelectedCamera();
    ASSERT_NE(cam, nullptr);
    cam->settings->caption = QStringLiteral("Front door");
    // The main window away from the middle of the screen.
    main->setGeometry(QRect(QPoint(10, 10), main->minimumSize()));
    main->show();
    main->ImageBT7MouseDown();
    auto* opened = qobject_cast<TForm_capparam*>(main->imageParamsDialog.data());
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->windowTitle().contains("Front door"))
        << opened->windowTitle().toStdString();
    EXPECT_TRUE(opened->LabelCamera->text().contains("Front door"));
    const QPoint off = opened->frameGeometry().center() - main->frameGeometry().center();
    EXPECT_LE(off.manhattanLength(), 2) << off.x() << "," << off.y();
    EXPECT_TRUE(opened->isVisible());
    EXPECT_EQ(opened->windowHandle()->transientParent(), main->windowHandle());
    main.reset();
    startup.Drop();
}
