#include "settings/Unit_Panel7.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

#include "capture/Usbcamera.h"
#include "config/Option.h"
#include "lang/TextIds.h"
#include "settings/PageRules.h"

namespace trelvix {

namespace {

constexpr int kLowestKbps = 222;
constexpr int kHighestKbps = 2227;
constexpr int kDefaultKbps = 1335;
constexpr int kSizeItems = 4;
constexpr int kFpsItems = 30;

QLabel* RightAligned(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QString Kbps(int value) {
    return QString::number(value) + QStringLiteral("kbps");
}

}  // namespace

TFrame_Panel7::TFrame_Panel7(QWidget* owner, int index)
    : TFrame_PanelBase(owner, index, text::kLiveBroadcast) {
    setObjectName(QStringLiteral("TFrame_Panel7"));
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    Label_sm1 = WrappingLabel(LanguageText(text::kExplanationOfTheLiveBroadcastLong), Body());
    Label_sm1->setObjectName(QStringLiteral("Label_sm1"));
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildProfile(), 1);
    columns->addWidget(BuildTest());
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(16, 4, 16, 8);
    layout->addWidget(Label_sm1);
    layout->addLayout(columns, 1);
    ShowAddresses(false);
}

QWidget* TFrame_Panel7::BuildProfile() {
    auto* box = new QWidget(Body());
    Label_profile_video = RightAligned(LanguageText(text::kPictureSize), box);
    ComboBox_profile = new QComboBox(box);
    ComboBox_profile->setObjectName(QStringLiteral("ComboBox_profile"));
    ComboBox_profile->addItems({"100%", "3/4", "2/4", "1/4"});
    Label_profile_fps = RightAligned(LanguageText(text::kFrameRate), box);
    ComboBox_profile_fps = new QComboBox(box);
    ComboBox_profile_fps->setObjectName(QStringLiteral("ComboBox_profile_fps"));
    for (int i = 1; i <= kFpsItems; ++i)
        ComboBox_profile_fps->addItem(QString::number(i) + QStringLiteral(" FPS"));
    Label_profile_BitRate = RightAligned(LanguageText(text::kVideoQualityBitRate), box);
    TrackBar_BitRate = new QSlider(Qt::Horizontal, box);
    TrackBar_BitRate->setObjectName(QStringLiteral("TrackBar_BitRate"));
    TrackBar_BitRate->setRange(kLowestKbps, kHighestKbps);
    TrackBar_BitRate->setTickPosition(QSlider::NoTicks);
    Label_profile_BitRate_low = new QLabel(LanguageText(text::kLow), box);
    Label_profile_BitRate_med = new QLabel(LanguageText(text::kMedium), box);
    Label_profile_BitRate_med->setAlignment(Qt::AlignCenter);
    Label_profile_BitRate_high = new QLabel(LanguageText(text::kHigh), box);
    Label_profile_BitRate_high->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label_profile_BitRate_value = new QLabel(box);
    Label_profile_BitRate_value->setObjectName(QStringLiteral("Label_profile_BitRate_value"));
    Label_profile_BitRate_value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label_profile_BitRate_value->setMinimumWidth(
        Label_profile_BitRate_value->fontMetrics().horizontalAdvance(Kbps(kHighestKbps)));
    connect(TrackBar_BitRate, &QSlider::valueChanged, Label_profile_BitRate_value,
            [this](int v) { Label_profile_BitRate_value->setText(Kbps(v)); });
    Labelport = RightAligned(LanguageText(text::kBroadcastPort), box);
    Edit_port = new QLineEdit(box);
    Edit_port->setObjectName(QStringLiteral("Edit_port"));
    Edit_port->setValidator(new QRegularExpressionValidator(QRegularExpression("\\d{0,5}"), box));
    Edit_port->setMaximumWidth(Edit_port->fontMetrics().horizontalAdvance("0000000") + 12);
    Labelmaxclient = RightAligned(LanguageText(text::kMaximumViewers), box);
    CSpinEdit_maxClient = new QSpinBox(box);
    CSpinEdit_maxClient->setObjectName(QStringLiteral("CSpinEdit_maxClient"));
    CSpinEdit_maxClient->setRange(1, 20);
    CheckBox_audio = new QCheckBox(LanguageText(text::kIncludeAudio), box);
    CheckBox_audio->setObjectName(QStringLiteral("CheckBox_audio"));
    // The text before the box, in the reading direction of the interface.
    CheckBox_audio->setLayoutDirection(
        QGuiApplication::layoutDirection() == Qt::RightToLeft ? Qt::LeftToRight : Qt::RightToLeft);

    auto* ends = new QHBoxLayout;
    ends->setSpacing(16);  // long words for the three marks must not run together
    ends->addWidget(Label_profile_BitRate_low);
    ends->addWidget(Label_profile_BitRate_med, 1);
    ends->addWidget(Label_profile_BitRate_high);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 8, 8, 0);
    grid->setVerticalSpacing(12);
    grid->addWidget(Label_profile_video, 0, 0);
    grid->addWidget(ComboBox_profile, 0, 1, Qt::AlignLeft);
    grid->addWidget(Label_profile_fps, 1, 0);
    grid->addWidget(ComboBox_profile_fps, 1, 1, Qt::AlignLeft);
    grid->addWidget(Label_profile_BitRate, 2, 0);
    grid->addWidget(TrackBar_BitRate, 2, 1);
    grid->addWidget(Label_profile_BitRate_value, 2, 2);
    grid->addLayout(ends, 3, 1);
    grid->addWidget(Labelport, 4, 0);
    grid->addWidget(Edit_port, 4, 1, Qt::AlignLeft);
    grid->addWidget(Labelmaxclient, 5, 0);
    grid->addWidget(CSpinEdit_maxClient, 5, 1, Qt::AlignLeft);
    grid->addWidget(CheckBox_audio, 6, 1, Qt::AlignLeft);
    BuildAccess(box);
    grid->addWidget(CheckBox_password, 7, 1, Qt::AlignLeft);
    grid->addWidget(Edit_password, 8, 1, Qt::AlignLeft);
    grid->addWidget(Label_reach, 9, 0);
    grid->addWidget(ComboBox_reach, 9, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(10, 1);
    return box;
}

void TFrame_Panel7::BuildAccess(QWidget* box) {
    CheckBox_password = new QCheckBox(LanguageText(text::kViewersNeedAPassword), box);
    CheckBox_password->setObjectName(QStringLiteral("CheckBox_password"));
    // Text before the box, as the sound's box has it.
    CheckBox_password->setLayoutDirection(CheckBox_audio->layoutDirection());
    Edit_password = new QLineEdit(box);
    Edit_password->setObjectName(QStringLiteral("Edit_password"));
    Edit_password->setEchoMode(QLineEdit::Password);
    Edit_password->setMinimumWidth(Edit_password->fontMetrics().horizontalAdvance('0') * 20);
    Edit_password->setEnabled(false);
    connect(CheckBox_password, &QCheckBox::toggled, Edit_password,
            [this](bool on) { Edit_password->setEnabled(on && CheckBox_password->isEnabled()); });
    Label_reach = RightAligned(LanguageText(text::kReachableFrom), box);
    ComboBox_reach = new QComboBox(box);
    ComboBox_reach->setObjectName(QStringLiteral("ComboBox_reach"));
    ComboBox_reach->addItems(
        {LanguageText(text::kThisComputerOnly), LanguageText(text::kLocalNetwork)});
}

QLineEdit* TFrame_Panel7::AddressField(const char* name) {
    auto* edit = new QLineEdit(Body());
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setFrame(false);
    QPalette blue = edit->palette();
    blue.setColor(QPalette::Text, Qt::blue);
    blue.setColor(QPalette::Base, palette().color(QPalette::Window));
    edit->setPalette(blue);
    return edit;
}

QWidget* TFrame_Panel7::BuildTest() {
    auto* box = new QWidget(Body());
    Panel7 = new TPreviewPanel(QStringLiteral("Panel7"), box);
    BitBtn5 = new QPushButton(LanguageText(text::kTest), box);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    connect(BitBtn5, &QPushButton::clicked, this, &TFrame_Panel7::BitBtn5Click);
    Label_publicIP = AddressField("Label_publicIP");
    Label_LocalIP = AddressField("Label_LocalIP");
    SpeedButton1 = new QToolButton(box);
    SpeedButton2 = new QToolButton(box);
    for (QToolButton* b : {SpeedButton1, SpeedButton2}) {
        b->setAutoRaise(true);
        b->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
        b->setToolTip(LanguageText(text::kOpenInTheMediaPlayer));
    }
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { Open(Label_publicIP); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { Open(Label_LocalIP); });

    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel7, 0, 0, 1, 2);
    layout->addWidget(BitBtn5, 1, 0, 1, 2, Qt::AlignRight);
    layout->addWidget(SpeedButton1, 2, 0);
    layout->addWidget(Label_publicIP, 2, 1);
    layout->addWidget(SpeedButton2, 3, 0);
    layout->addWidget(Label_LocalIP, 3, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(4, 1);
    return box;
}

void TFrame_Panel7::ShowAddresses(bool shown) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label_publicIP, SpeedButton1, Label_LocalIP, SpeedButton2})
        w->setVisible(shown);
    // An empty address has nothing for the player to open.
    SpeedButton1->setEnabled(!Label_publicIP->text().isEmpty());
    SpeedButton2->setEnabled(!Label_LocalIP->text().isEmpty());
}

void TFrame_Panel7::Open(const QLineEdit* address) {
    if (!address->text().isEmpty() && openUrl) openUrl(QUrl(address->text()));
}

void TFrame_Panel7::LoadFromCamera() {
    if (!camera) return;
    CDataClass& s = *camera->settings;
    const int size = Live(s.broadcastSizeIndex);
    ComboBox_profile->setCurrentIndex(size >= 0 && size < kSizeItems ? size : 0);
    if (Live(s.broadcastBitrateKbps) < kLowestKbps || Live(s.broadcastBitrateKbps) > kHighestKbps)
        StoreLive(s.broadcastBitrateKbps, int32_t(kDefaultKbps));
    TrackBar_BitRate->setValue(Live(s.broadcastBitrateKbps));
    Label_profile_BitRate_value->setText(Kbps(TrackBar_BitRate->value()));
    const int fps = Live(s.broadcastFpsIndex);
    if (fps < 0 || fps >= kFpsItems) StoreLive(s.broadcastFpsIndex, int32_t(4));
    ComboBox_profile_fps->setCurrentIndex(Live(s.broadcastFpsIndex));
    Edit_port->setText(QString::number(uint32_t(Live(s.broadcastPort))));
    CSpinEdit_maxClient->setValue(Live(s.broadcastMaxClients));
    CheckBox_audio->setChecked(Live(s.broadcastAudio) != 0);
    const QString password = s.broadcastPassword.get();
    CheckBox_password->setChecked(!password.isEmpty());
    Edit_password->setText(password);
    ComboBox_reach->setCurrentIndex(Live(s.broadcastLocalOnly) ? 0 : 1);
    // Another camera's addresses never stay on the page.
    Label_LocalIP->setText(camera->broadcast().IsBroadcasting() ? camera->broadcast().privateUrl()
                                                                : QString());
    Label_publicIP->setText(camera->broadcast().IsBroadcasting() ? camera->broadcast().publicUrl()
                                                                 : QString());
    ShowAddresses(camera->broadcast().IsBroadcasting());
}

void TFrame_Panel7::SaveToCamera() {
    if (!camera) return;
    CDataClass& s = *camera->settings;
    StoreLive(s.broadcastSizeIndex, int32_t(std::max(0, ComboBox_profile->currentIndex())));
    StoreLive(s.broadcastFpsIndex, int32_t(std::max(0, ComboBox_profile_fps->currentIndex())));
    StoreLive(s.broadcastBitrateKbps, int32_t(TrackBar_BitRate->value()));
    // Its leading digits; none gives 0.
    const QString port = Edit_port->text();
    qsizetype digits = 0;
    while (digits < port.size() && port[digits].isDigit()) ++digits;
    StoreLive(s.broadcastPort, int32_t(port.left(digits).toInt()));
    StoreLive(s.broadcastMaxClients, int32_t(CSpinEdit_maxClient->value()));
    StoreLive(s.broadcastAudio, uint8_t(CheckBox_audio->isChecked() ? 1 : 0));
    // A ticked box without a password leaves the broadcast open, as an empty one does.
    s.broadcastPassword.set(CheckBox_password->isChecked() ? Edit_password->text() : QString());
    StoreLive(s.broadcastLocalOnly, uint8_t(ComboBox_reach->currentIndex() == 0 ? 1 : 0));
}

void TFrame_Panel7::EnableControls(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             ComboBox_profile, Edit_port, CSpinEdit_maxClient, CheckBox_audio, BitBtn5,
             TrackBar_BitRate, ComboBox_profile_fps, CheckBox_password, ComboBox_reach})
        w->setEnabled(enabled);
    Edit_password->setEnabled(enabled && CheckBox_password->isChecked());
}

void TFrame_Panel7::BitBtn5Click() {
    if (!camera) return;
    if (camera->broadcast().IsBroadcasting()) {
        camera->broadcast().StopBroadcast(true);
        ShowAddresses(false);
        return;
    }
    SaveToCamera();
    QPointer<TFrame_Panel7> self(this);
    UsbCamera* asked = camera;
    camera->broadcast().ComputePublicUrl([self, asked] {
        if (!self || self->camera != asked || !self->AddressesShown()) return;
        self->Label_publicIP->setText(asked->broadcast().publicUrl());
        self->ShowAddresses(true);
    });
    // A port the system chose is shown, as the record now holds it.
    if (camera->broadcast().StartBroadcast(false))
        Edit_port->setText(QString::number(uint32_t(Live(camera->settings->broadcastPort))));
    // Shown even when the start failed: the fields then hold what the camera has.
    Label_LocalIP->setText(camera->broadcast().privateUrl());
    Label_publicIP->setText(camera->broadcast().publicUrl());
    ShowAddresses(true);
}

}  // namespace trelvix
